#!/usr/bin/env bash
# Checks the Debian package: every installed file under /usr, nothing else, Depends computed by
# dpkg-shlibdeps, and lintian clean. Given a build folder alone, it first packs that build into a
# temporary folder.
set -uo pipefail
build=$1
deb=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -z "$deb" ]; then
    said=$("${CPACK:-cpack}" --config "$build/CPackConfig.cmake" -B "$work" 2>&1) || { echo "$said" && exit 1; }
    deb=$(ls "$work"/lockfern_*.deb)
fi
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = lockfern ] || fail "Package: $(field Package)"
depends=$(field Depends)
# Versioned library packages are what dpkg-shlibdeps writes; the platform plugin and Qt's catalogues are ours.
for needed in 'libc6 (>=' 'libqt6core6 (>=' 'libqt6widgets6 (>=' 'libqt6dbus6 (>=' 'libssl3 (>=' qt6-qpa-plugins \
    qt6-translations-l10n; do
    [[ $depends == *"$needed"* ]] || fail "Depends lacks '$needed': $depends"
done

dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort >"$work/packed"
sed 's|^|usr/|' "$here/installed-files.txt" | sort >"$work/expected"
unexpected=$(comm -3 "$work/expected" "$work/packed")
[ -z "$unexpected" ] || fail "files missing (left) or unexpected (right):"$'\n'"$unexpected"

# Any error or warning fails, unless the package overrides it with its reason.
said=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian:"$'\n'"$said"

[ "$failures" -eq 0 ] || exit 1
echo "$(basename "$deb"): all checks passed"
