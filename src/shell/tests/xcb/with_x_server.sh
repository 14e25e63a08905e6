#!/bin/sh
# Runs one GUI test program on the real X11 platform: a private Xvfb server
# with the openbox window manager, started here and ended when the program
# ends (or when this script is killed). Each run gets a free display of its
# own, so test programs may run in parallel.
#
#   with_x_server.sh PROGRAM [ARGS...]
set -u

for tool in Xvfb openbox xprop xdotool; do
    command -v "$tool" >/dev/null 2>&1 || { echo "with_x_server.sh: $tool is not installed (make deps)" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/qvk-xcb.XXXXXX") || exit 1
xvfb_pid=
wm_pid=
test_pid=

cleanup() {
    [ -n "$test_pid" ] && kill "$test_pid" 2>/dev/null && wait "$test_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    [ -n "$wm_pid" ] && wait "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# Nothing of the developer's desktop leaks in, nothing is left behind.
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home"
export XDG_CONFIG_HOME="$work/home/.config"
export XDG_CACHE_HOME="$work/home/.cache"
export XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/runtime"
unset XDG_CONFIG_DIRS WAYLAND_DISPLAY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
export QT_QPA_PLATFORM=xcb
export QT_QPA_PLATFORMTHEME=
export QT_AUTO_SCREEN_SCALE_FACTOR=0 QT_SCALE_FACTOR=1 QT_ENABLE_HIGHDPI_SCALING=0
export LANG=C.UTF-8 LC_ALL=C.UTF-8

# The server writes the display number it chose once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset -dpi 96 \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
tries=0
while [ ! -s "$work/display" ]; do
    if ! kill -0 "$xvfb_pid" 2>/dev/null || [ $tries -ge 200 ]; then
        echo "with_x_server.sh: Xvfb did not start" >&2
        cat "$work/xvfb.log" >&2
        exit 1
    fi
    tries=$((tries + 1))
    sleep 0.05
done
export DISPLAY=":$(head -n 1 "$work/display")"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
# The window manager is up once it has announced itself on the root window.
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    if ! kill -0 "$wm_pid" 2>/dev/null || [ $tries -ge 200 ]; then
        echo "with_x_server.sh: openbox did not start" >&2
        cat "$work/openbox.log" >&2
        exit 1
    fi
    tries=$((tries + 1))
    sleep 0.05
done

# In the background, so that a signal to this script ends the test too.
"$@" <&0 &
test_pid=$!
wait "$test_pid"
rc=$?
test_pid=
exit $rc
