#!/usr/bin/env bash
# Starts the desktop application, or explains why it cannot on a machine without a display.
set -euo pipefail
app="$1"; shift
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Lockfern needs a graphical display (neither DISPLAY nor WAYLAND_DISPLAY is set); use $(dirname "$app")/../cli/lockfern-cli to encrypt and decrypt from this terminal." >&2
    exit 1
fi
exec "$app" "$@"
