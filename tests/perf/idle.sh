#!/bin/sh
# Idle figures of VLMR over 100,000 tasks: the processor time it takes over
# SECONDS_IDLE (60) seconds of doing nothing, beside a window that only shows a clock
# updated every second; and its resident memory, beside an empty Qt Widgets
# window.
#
#   tests/perf/idle.sh     (BUILD=..., TASKS=..., SECONDS_IDLE=... to change)
#
# VLMR starts with its usual settings, "Scheduled Tasks" open.

. "$(dirname "$0")/common.sh"
on_virtual_display "$@"
PERIOD=${SECONDS_IDLE:-60}

cpu_ms() { # pid: user + system time so far, in milliseconds
    awk -v tick="$(getconf CLK_TCK)" '{ print ($14 + $15) * 1000 / tick }' "/proc/$1/stat"
}
rss_mib() { # pid
    awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"
}

make_data
cd "$DATA"
"$VLMR" >/dev/null 2>&1 &
vlmr=$!
"$PERF/perf_clock_window" >/dev/null 2>&1 &
clock=$!
"$PERF/perf_empty_window" >/dev/null 2>&1 &
empty=$!
sleep 5 # start-up over
# perf counts every thread's time in nanoseconds; the kernel's counters move
# in steps of 10 ms, as much as a second of idling costs.
if command -v perf >/dev/null; then
    perf stat -e task-clock -x, -p $vlmr -o "$WORK/vlmr.perf" sleep "$PERIOD" 2>/dev/null &
    counting=$!
    perf stat -e task-clock -x, -p $clock -o "$WORK/clock.perf" sleep "$PERIOD" 2>/dev/null || true
    wait $counting || true
fi
if grep -qs task-clock "$WORK/vlmr.perf" && grep -qs task-clock "$WORK/clock.perf"; then
    v0=0 c0=0
    v1=$(awk -F, '/task-clock/ { print $1 }' "$WORK/vlmr.perf")
    c1=$(awk -F, '/task-clock/ { print $1 }' "$WORK/clock.perf")
else
    v0=$(cpu_ms $vlmr)
    c0=$(cpu_ms $clock)
    sleep "$PERIOD"
    v1=$(cpu_ms $vlmr)
    c1=$(cpu_ms $clock)
fi
vrss=$(rss_mib $vlmr)
erss=$(rss_mib $empty)
kill $vlmr $clock $empty
wait 2>/dev/null || true

echo "$v0 $v1 $c0 $c1 $PERIOD" | awk '{
    v = ($2 - $1) / $5; c = ($4 - $3) / $5
    printf "idle CPU per second: VLMR %.2f ms, clock-label window %.2f ms (%.2fx)\n", v, c, (c > 0 ? v / c : 0) }'
echo "idle memory (RSS): VLMR $vrss MiB, empty Qt window $erss MiB"
