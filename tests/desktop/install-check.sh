#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks it as a desktop reads it: every file in its
# place, the desktop entry and metainfo valid, the hint file typed as ours with Lockfern its handler,
# the file-manager actions well-formed, the man pages clean.
set -uo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
share=$prefix/share
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
# Runs a command silently, showing what it said only when it fails.
quiet() {
    local said
    said=$("$@" 2>&1) || { echo "$said" >&2 && return 1; }
}

quiet "${CMAKE:-cmake}" --install "$build" --prefix "$prefix" || fail "cmake --install"
while read -r file; do
    [ -f "$prefix/$file" ] || fail "not installed: $file"
done <"$here/installed-files.txt"

# Hints are fine; warnings and errors are not.
report=$(desktop-file-validate "$share/applications/app.lockfern.Lockfern.desktop" 2>&1) &&
    ! grep -qE "warning|error" <<<"$report" || fail "desktop-file-validate: $report"
quiet appstreamcli validate --no-net "$share/metainfo/app.lockfern.Lockfern.metainfo.xml" || fail "appstreamcli validate"

# The MIME and desktop databases as the package's triggers build them, read through xdg-mime.
quiet update-mime-database "$share/mime" || fail "update-mime-database"
quiet update-desktop-database "$share/applications" || fail "update-desktop-database"
mkdir -p "$prefix/work/Tax return.lockfern"
echo "the usual one" >"$prefix/work/Tax return.lockfern/hint.lockfern"
xdg() { XDG_CURRENT_DESKTOP=GNOME XDG_DATA_HOME=$share XDG_DATA_DIRS=$share xdg-mime query "$@" 2>/dev/null; }
type=$(xdg filetype "$prefix/work/Tax return.lockfern/hint.lockfern")
[ "$type" = application/x-lockfern-hint ] || fail "hint.lockfern is typed '$type'"
# A package made without a hint too: GIO, which xdg-mime asks here as GTK file managers, gio open and
# xdg-open do, types an empty file text/plain before it looks at the name.
printf notes >"$prefix/work/Notes"
printf 'pw\n' | "$prefix/bin/lockfern-cli" encrypt --password-stdin --quiet "$prefix/work/Notes" >/dev/null ||
    fail "lockfern-cli encrypt"
type=$(xdg filetype "$prefix/work/Notes.lockfern/hint.lockfern")
[ "$type" = application/x-lockfern-hint ] || fail "the hint.lockfern of a package without a hint is typed '$type'"
handler=$(xdg default application/x-lockfern-hint)
[ "$handler" = app.lockfern.Lockfern.desktop ] || fail "the hint type's handler is '$handler'"

# desktop-file-validate refuses Dolphin's Type=Service and Caja's Type=Action: parsed here instead.
python3 - "$share" <<'PY' || fail "file-manager actions"
import configparser, sys
share = sys.argv[1]
# file, group, the keys it needs, the group holding Exec, the command line
actions = [
    ("kio/servicemenus/lockfern-decrypt.desktop", "Desktop Entry", ["Type", "MimeType", "Actions"],
     "Desktop Action decrypt", "lockfern %f"),
    ("kio/servicemenus/lockfern-encrypt.desktop", "Desktop Entry", ["Type", "MimeType", "Actions"],
     "Desktop Action encrypt", "lockfern --encrypt %f"),
    ("nemo/actions/lockfern-decrypt.nemo_action", "Nemo Action", ["Name", "Selection", "Extensions"],
     "Nemo Action", "lockfern %F"),
    ("nemo/actions/lockfern-encrypt.nemo_action", "Nemo Action", ["Name", "Selection", "Extensions"],
     "Nemo Action", "lockfern --encrypt %F"),
    ("file-manager/actions/lockfern-decrypt.desktop", "Desktop Entry", ["Type", "Name", "Profiles"],
     "X-Action-Profile package", "lockfern %f"),
    ("file-manager/actions/lockfern-encrypt.desktop", "Desktop Entry", ["Type", "Name", "Profiles"],
     "X-Action-Profile file", "lockfern --encrypt %f"),
]
ok = True
for name, group, keys, exec_group, command in actions:
    entry = configparser.ConfigParser(interpolation=None, strict=True)
    entry.optionxform = str
    entry.read(f"{share}/{name}", encoding="utf-8")
    missing = [key for key in keys if not entry.has_option(group, key)]
    exec_line = entry.get(exec_group, "Exec", fallback=None)
    if missing or exec_line != command:
        print(f"{name}: missing {missing}, Exec={exec_line!r}")
        ok = False
sys.exit(0 if ok else 1)
PY

# The Nautilus extension compiles, defines no menu where Nautilus is absent, and offers the right entry.
extension=$share/nautilus-python/extensions/lockfern.py
python3 -m py_compile "$extension" || fail "py_compile $extension"
python3 - "$extension" <<'PY' || fail "Nautilus extension"
import runpy, sys
module = runpy.run_path(sys.argv[1])
entry = module["lockfern_entry"]
cases = [
    (("/h/Tax return.lockfern", True), ("Decrypt with Lockfern", ["lockfern", "/h/Tax return.lockfern"])),
    (("/h/Tax return.lockfern/hint.lockfern", False),
     ("Decrypt with Lockfern", ["lockfern", "/h/Tax return.lockfern/hint.lockfern"])),
    (("/h/hint.lockfern", False), ("Encrypt with Lockfern", ["lockfern", "--encrypt", "/h/hint.lockfern"])),
    (("/h/notes.txt", False), ("Encrypt with Lockfern", ["lockfern", "--encrypt", "/h/notes.txt"])),
    (("/h/Documents", True), None),
]
bad = [(arguments, entry(*arguments)) for arguments, expected in cases if entry(*arguments) != expected]
for arguments, got in bad:
    print(f"lockfern_entry{arguments} = {got}")
sys.exit(1 if bad else 0)
PY

for page in lockfern lockfern-cli; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$share/man/man1/$page.1" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page.1: $warnings"
    MANWIDTH=80 man -M "$share/man" "$page" 2>/dev/null | grep -q "^NAME" || fail "man -M ... $page shows no page"
done

[ "$failures" -eq 0 ] || exit 1
echo "installed files: all checks passed"
