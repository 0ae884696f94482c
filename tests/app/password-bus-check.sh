#!/usr/bin/env bash
# The password fields as any program on the accessibility bus hears them: the real window, in a
# private X server, D-Bus session and accessibility bus of its own, typed into with xdotool.
set -euo pipefail
app=${LOCKFERN_APP:?LOCKFERN_APP names the lockfern binary}
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb dbus-run-session xdotool /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "password-bus-check: no $tool; scripts/install-deps.sh installs it"; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' || { echo "password-bus-check: no pyatspi (python3-pyatspi)"; exit 1; }

tmp=$(mktemp -d)
xvfb=
cleanup() {
    # The window, should the check have been stopped before it closed it, then the X server.
    [ ! -s "$tmp/app.pid" ] || kill -9 "$(cat "$tmp/app.pid")" 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
mkdir -m 0700 "$tmp/run" "$tmp/home" "$tmp/config" "$tmp/tmp"

# The server picks a free display and writes its number once it takes connections.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$tmp/display" ] && break
    sleep 0.1
done
[ -s "$tmp/display" ] || { echo "password-bus-check: Xvfb did not start"; cat "$tmp/xvfb.log"; exit 1; }

export DISPLAY=":$(head -n1 "$tmp/display")" LOCKFERN_APP="$app" APP_PID_FILE="$tmp/app.pid"
export XDG_RUNTIME_DIR="$tmp/run" HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" TMPDIR="$tmp/tmp"
export QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
timeout -k 5 60 dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    exec /usr/bin/python3 "$1"' _ "$here/password_bus_check.py"
