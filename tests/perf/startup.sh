#!/bin/sh
# Start-up figures of VLMR over 100,000 tasks, beside an empty Qt Widgets
# window started the same way: milliseconds from start to the first window
# mapped (median of RUNS), with and without "Scheduled Tasks" opening at
# start, and how often VLMR rewrote its program INI file before then.
#
#   tests/perf/startup.sh  (BUILD=..., TASKS=..., RUNS=... to change)

. "$(dirname "$0")/common.sh"
on_virtual_display "$@"
RUNS=${RUNS:-7}

first_map() { # directory, then the program and its arguments
    dir=$1
    shift
    (cd "$dir" && "$PERF/perf_first_map" "$@" 2>/dev/null)
}

runs() { # key of the figure, then first_map's arguments
    key=$1
    shift
    i=0
    while [ $i -lt "$RUNS" ]; do
        first_map "$@" | sed -n "s/^$key=//p"
        i=$((i + 1))
    done | median
}

# Scheduled Tasks opens at start unless the setting says otherwise.
make_data StartUpSchedule=1
empty=$(runs first_map_ms "$DATA" -- "$PERF/perf_empty_window")
plain=$(runs first_map_ms "$DATA" -- "$VLMR")
# Each rewrite replaces the file by a rename.
(cd "$DATA" && strace -f -qq -e trace=rename,renameat,renameat2 -o "$WORK/renames" \
    "$PERF/perf_first_map" -- "$VLMR" >/dev/null 2>&1) || true
rewrites=$(grep -ci 'vlmr\.ini"' "$WORK/renames" || true)

"$PERF/perf_fill_tasks" "$DATA" 0 StartUpSchedule=0
withList=$(runs first_map_ms "$DATA" --title "Scheduled Tasks" -- "$VLMR")
listShown=$(runs title_map_ms "$DATA" --title "Scheduled Tasks" -- "$VLMR")

echo "empty Qt window, first window mapped:            $empty ms"
echo "VLMR, first window mapped:                        $plain ms ($(echo "$plain $empty" | awk '{ printf "%.2f", $1 / $2 }')x)"
echo "VLMR with Scheduled Tasks, first window mapped:   $withList ms ($(echo "$withList $empty" | awk '{ printf "%.2f", $1 / $2 }')x)"
echo "VLMR with Scheduled Tasks, that list mapped:      $listShown ms ($(echo "$listShown $empty" | awk '{ printf "%.2f", $1 / $2 }')x)"
echo "program INI rewrites before the first window:     $rewrites"
