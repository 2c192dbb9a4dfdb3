# Shared by the figure scripts: the build to measure, a virtual display, and
# a data directory of 100,000 tasks that VLMR has opened once.
#   BUILD   the Release build tree (default: build/release of this checkout)
#   TASKS   number of tasks (default 100000)

set -eu
SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=${BUILD:-$SOURCE/build/release}
TASKS=${TASKS:-100000}
PERF=$BUILD/perf
VLMR=$BUILD/bin/VLMR

# Runs the calling script again on a display of its own.
on_virtual_display() {
    if [ -z "${PERF_DISPLAY:-}" ]; then
        PERF_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$@"
    fi
}

# A fresh home and data directory for VLMR, filled and opened once, so the
# figures show a usual start, not the first one. Settings: KEY=VALUE...
make_data() {
    WORK=$(mktemp -d)
    trap 'rm -rf "$WORK"' EXIT
    export HOME=$WORK/home XDG_DATA_HOME=$WORK/home/.local/share XDG_CONFIG_HOME=$WORK/home/.config
    mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
    DATA=$WORK/data
    "$PERF/perf_fill_tasks" "$DATA" "$TASKS" "$@"
    (cd "$DATA" && "$PERF/perf_first_map" -- "$VLMR" >/dev/null 2>&1) || true
}

# The median of numbers given one a line.
median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
