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
# Its icon: every name GIO gives for it is one of ours, so no stock icon of the desktop's theme takes
# its place in a GTK file manager.
hint=$prefix/work/Notes.lockfern/hint.lockfern
icons=$(XDG_DATA_HOME=$share XDG_DATA_DIRS=$share gio info -a standard::icon "$hint" |
    sed -n 's/^ *standard::icon: //p')
for icon in ${icons//,/ }; do
    [[ $icon == *-symbolic ]] || [ -f "$share/icons/hicolor/scalable/mimetypes/$icon.svg" ] ||
        fail "the hint's icon '$icon' is not ours"
done
[ -n "$icons" ] || fail "the hint has no icon"
handler=$(xdg default application/x-lockfern-hint)
[ "$handler" = app.lockfern.Lockfern.desktop ] || fail "the hint type's handler is '$handler'"

# desktop-file-validate refuses Dolphin's Type=Service and Caja's Type=Action: parsed here instead.
# The Nautilus extension compiles and, where Nautilus is absent, defines no menu.
extension=$share/nautilus-python/extensions/lockfern.py
python3 -m py_compile "$extension" || fail "py_compile $extension"
languages=$(cd "$build/app" && ls lockfern_*.qm | sed 's/^lockfern_//; s/\.qm$//')
python3 - "$share" $languages <<'PY' || fail "file-manager actions"
import configparser, glob, runpy, shlex, subprocess, sys
import xml.etree.ElementTree as ET
share = sys.argv[1]
languages = set(sys.argv[2:])
problems = []


def read(name):
    entry = configparser.ConfigParser(interpolation=None, strict=True)
    entry.optionxform = str
    entry.read(f"{share}/{name}", encoding="utf-8")
    return entry


# file, keys it needs in any group, the group holding Exec, the command line; and Lockfern's icon
actions = [
    ("kio/servicemenus/lockfern-decrypt.desktop", {"Type", "MimeType", "Actions"}, "Desktop Action decrypt",
     "lockfern %f"),
    ("kio/servicemenus/lockfern-encrypt.desktop", {"Type", "MimeType", "ExcludeServiceTypes", "Actions"},
     "Desktop Action encrypt", "lockfern --encrypt %f"),
    ("nemo/actions/lockfern-decrypt.nemo_action", {"Name", "Selection", "Extensions"}, "Nemo Action", "lockfern %F"),
    ("nemo/actions/lockfern-encrypt.nemo_action", {"Name", "Selection", "Extensions", "Conditions"}, "Nemo Action",
     "lockfern --encrypt %F"),
    ("file-manager/actions/lockfern-decrypt.desktop", {"Type", "Name", "Profiles", "Basenames", "Folders"},
     "X-Action-Profile hint", "lockfern %f"),
    ("file-manager/actions/lockfern-encrypt.desktop", {"Type", "Name", "Profiles", "Basenames", "Folders"},
     "X-Action-Profile file", "lockfern --encrypt %f"),
]
for name, keys, exec_group, command in actions:
    entry = read(name)
    present = {key for group in entry.sections() for key in entry.options(group)}
    icons = {entry.get(group, key) for group in entry.sections() for key in ("Icon", "Icon-Name")
             if entry.has_option(group, key)}
    exec_line = entry.get(exec_group, "Exec", fallback=None)
    if keys - present or exec_line != command or icons != {"app.lockfern.Lockfern"}:
        problems.append(f"{name}: missing {keys - present}, Exec={exec_line!r}, icons {icons}")

# What is offered on a path, by the Nautilus extension and by Nemo's condition, which the shell runs
# on the path as Nemo quotes it: nothing that Lockfern would refuse.
entry = runpy.run_path(f"{share}/nautilus-python/extensions/lockfern.py")["lockfern_entry"]
condition = read("nemo/actions/lockfern-encrypt.nemo_action").get("Nemo Action", "Conditions", fallback="exec true")


def nemo_offers_encrypt(path):
    quoted = '"' + path.replace("\\", "\\\\").replace('"', '\\"') + '"'
    command = condition.removeprefix("exec ").removesuffix(";").replace("%F", quoted)
    return subprocess.run(shlex.split(command)).returncode == 0


offers = [  # path, is a folder, what is offered
    ("/h/Tax return.lockfern", True, "Decrypt"),
    ("/h/Tax return.lockfern/hint.lockfern", False, "Decrypt"),
    ("/h/Tax return.lockfern/Tax return.pdf", False, None),
    ("/h/hint.lockfern", False, None),
    ("/h/notes.lockfern", False, None),
    ("/h/Tax return.lockfern/2019/notes.txt", False, "Encrypt"),
    ("/h/notes.txt", False, "Encrypt"),
    ('/h/say "hi" \\ $HOME.lockfern.txt', False, "Encrypt"),
    ("/h/Documents", True, None),
]
for path, is_dir, offered in offers:
    command = ["lockfern"] + (["--encrypt"] if offered == "Encrypt" else []) + [path]
    expected = (offered, command) if offered else None
    if entry(path, is_dir) != expected:
        problems.append(f"lockfern_entry({path!r}, {is_dir}) = {entry(path, is_dir)}")
    if not is_dir and nemo_offers_encrypt(path) != (offered == "Encrypt"):
        problems.append(f"Nemo's condition for Encrypt on {path!r} is {offered != 'Encrypt'}")

# Every text of ours that a desktop shows, in each language of the window; English where there is none.
extension = runpy.run_path(f"{share}/nautilus-python/extensions/lockfern.py")
label = extension["label"]
if set(extension["LABELS"]) != languages | {"en"}:
    problems.append(f"the Nautilus labels are in {sorted(extension['LABELS'])}")
for languages_said, expected in [(["de_DE.UTF-8", "de_DE", "de", "C"], "Mit Lockfern verschlüsseln"),
                                 (["pt_PT", "pt", "C"], "Encrypt with Lockfern"), (["C"], "Encrypt with Lockfern")]:
    if label("Encrypt", languages_said) != expected:
        problems.append(f"Nautilus says {label('Encrypt', languages_said)!r} to {languages_said}")
# Keys that must be translated in a file, beside any that are: the menu entry's words and every action's name.
translated = {"applications/app.lockfern.Lockfern.desktop": {"GenericName", "Comment", "Keywords"}}
translated.update({name: {"Name"} for name, *_ in actions})
for name, keys in translated.items():
    entry = read(name)
    for group in entry.sections():
        for key in [k for k in entry.options(group) if "[" not in k]:
            said = {k[len(key) + 1:-1] for k in entry.options(group) if k.startswith(key + "[")}
            if (key in keys or said) and said != languages:
                problems.append(f"{name} [{group}] {key} is in {sorted(said)}")
xml_lang = "{http://www.w3.org/XML/1998/namespace}lang"
mime = ET.parse(f"{share}/mime/packages/app.lockfern.Lockfern.xml").getroot()
for kind in mime:
    said = {c.get(xml_lang) for c in kind if c.tag.endswith("comment") and c.get(xml_lang)}
    if said != languages:
        problems.append(f"the comment of {kind.get('type')} is in {sorted(said)}")
info = ET.parse(f"{share}/metainfo/app.lockfern.Lockfern.metainfo.xml").getroot()
paragraphs = [p.get(xml_lang) for p in info.find("description")]
if {s.get(xml_lang) for s in info.findall("summary") if s.get(xml_lang)} != languages or any(
        paragraphs.count(language) != paragraphs.count(None) for language in languages):
    problems.append(f"the metainfo's summary and paragraphs are not in each of {sorted(languages)}")
if problems:
    print(*problems, sep="\n")
    sys.exit(1)
PY

for page in lockfern lockfern-cli; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page.1: $warnings"
    MANWIDTH=80 man -M "$share/man" "$page" 2>/dev/null | grep -q "^NAME" || fail "man -M ... $page shows no page"
done

[ "$failures" -eq 0 ] || exit 1
echo "installed files: all checks passed"
