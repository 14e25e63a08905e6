#!/bin/sh
# Time to the first window: N starts of QVkalkor and of a bare Qt window with
# 20 buttons, one after the other, on a private Xvfb without a window
# manager, each with a fresh home and no configuration. Prints the medians of
# the time from the start to the first map of the window and of the resident
# memory then and a second later, and QVkalkor's ratio to the bare window.
#
#   bench/first_window.sh [BUILD_DIR] [N]
set -u

build=${1:-build}
runs=${2:-11}
for tool in Xvfb "$build/qvkalkor" "$build/qvkalkor-bare-window" "$build/qvkalkor-first-map"; do
    command -v "$tool" >/dev/null 2>&1 || { echo "first_window.sh: $tool is missing (make build)" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/qvk-start.XXXXXX") || exit 1
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset -dpi 96 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
tries=0
while [ ! -s "$work/display" ]; do
    if ! kill -0 "$xvfb_pid" 2>/dev/null || [ $tries -ge 200 ]; then
        echo "first_window.sh: Xvfb did not start" >&2
        exit 1
    fi
    tries=$((tries + 1))
    sleep 0.05
done
export DISPLAY=":$(head -n 1 "$work/display")"
unset WAYLAND_DISPLAY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS XDG_CONFIG_DIRS
export QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=
export LANG=C.UTF-8 LC_ALL=C.UTF-8

# The program keeps its configuration beside itself: a copy of its own, so
# that every start is a first one.
mkdir -p "$work/program"
cp "$build/qvkalkor" "$work/program/qvkalkor"

# One start: "ms rss_kib rss_later_kib" on stdout.
start() {
    home="$work/home"
    rm -rf "$home" "$work/program/qvkalkor.ini"
    mkdir -p "$home/runtime"
    chmod 700 "$home/runtime"
    HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" \
        XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/runtime" \
        "$build/qvkalkor-first-map" 1000 "$@"
}

# A first start of each warms the file cache.
start "$work/program/qvkalkor" >/dev/null
start "$build/qvkalkor-bare-window" >/dev/null
: >"$work/qvkalkor"
: >"$work/bare"
i=0
while [ $i -lt "$runs" ]; do
    start "$work/program/qvkalkor" >>"$work/qvkalkor" || exit 1
    start "$build/qvkalkor-bare-window" >>"$work/bare" || exit 1
    i=$((i + 1))
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
column() { awk -v c="$2" '{ print $c }' "$1" | median; }

q_ms=$(column "$work/qvkalkor" 1); q_rss=$(column "$work/qvkalkor" 2); q_later=$(column "$work/qvkalkor" 3)
b_ms=$(column "$work/bare" 1); b_rss=$(column "$work/bare" 2); b_later=$(column "$work/bare" 3)
awk -v n="$runs" -v qm="$q_ms" -v qr="$q_rss" -v ql="$q_later" -v bm="$b_ms" -v br="$b_rss" -v bl="$b_later" 'BEGIN {
    printf "first window (median of %d): qvkalkor %.1f ms, RSS %.1f MiB (%.1f MiB a second later)\n", n, qm, qr / 1024, ql / 1024
    printf "first window (median of %d): bare Qt window %.1f ms, RSS %.1f MiB (%.1f MiB a second later)\n", n, bm, br / 1024, bl / 1024
    printf "first window: time ratio %.2f, memory %+.1f MiB (%+.1f MiB a second later)\n", qm / bm, (qr - br) / 1024, (ql - bl) / 1024
}'
