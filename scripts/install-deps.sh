#!/usr/bin/env bash
# Installs with apt whatever the build, the tests, `make run` and `make package` need, or the
# packages given as arguments (the fuzzer's compiler, the bench's peers); quiet when all is there.
set -euo pipefail

packages=("$@")
[ $# -gt 0 ] || packages=(
    cmake ninja-build g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libx11-dev libglib2.0-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-noto-cjk
    libssl-dev openssl libzxcvbn-dev libarchive-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xdg-utils strace time
    desktop-file-utils appstream shared-mime-info libglib2.0-bin man-db python3 dpkg-dev lintian
    xvfb dbus-daemon at-spi2-core python3-pyatspi xdotool
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
