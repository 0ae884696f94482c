# SPDX-License-Identifier: GPL-3.0-or-later
"""Lockfern in the Nautilus context menu; nautilus-python loads this file.

"Decrypt with Lockfern" on a NAME.lockfern folder or the hint.lockfern inside it, "Encrypt with
Lockfern" on any other regular file but those Lockfern would refuse: a name like a package's or its
hint's, and a file directly inside a package. Without python3-nautilus nothing loads it, and
imported anywhere else it defines no menu.
"""
import os

try:
    import gi

    try:
        gi.require_version("Nautilus", "4.0")
    except ValueError:
        gi.require_version("Nautilus", "3.0")
    from gi.repository import Gio, GLib, GObject, Nautilus
except (ImportError, ValueError):
    Nautilus = None


# The menu entries in the languages of Lockfern's window, by language as GLib names it.
LABELS = {
    "en": {"Encrypt": "Encrypt with Lockfern", "Decrypt": "Decrypt with Lockfern"},
    "de": {"Encrypt": "Mit Lockfern verschlüsseln", "Decrypt": "Mit Lockfern entschlüsseln"},
    "fr": {"Encrypt": "Chiffrer avec Lockfern", "Decrypt": "Déchiffrer avec Lockfern"},
    "es": {"Encrypt": "Cifrar con Lockfern", "Decrypt": "Descifrar con Lockfern"},
    "pt_BR": {"Encrypt": "Criptografar com o Lockfern", "Decrypt": "Descriptografar com o Lockfern"},
    "it": {"Encrypt": "Cifra con Lockfern", "Decrypt": "Decifra con Lockfern"},
    "pl": {"Encrypt": "Zaszyfruj za pomocą Lockfern", "Decrypt": "Odszyfruj za pomocą Lockfern"},
    "ru": {"Encrypt": "Зашифровать в Lockfern", "Decrypt": "Расшифровать в Lockfern"},
    "zh_CN": {"Encrypt": "用 Lockfern 加密", "Decrypt": "用 Lockfern 解密"},
    "ja": {"Encrypt": "Lockfern で暗号化", "Decrypt": "Lockfern で復号"},
    "ar": {"Encrypt": "التشفير باستخدام Lockfern", "Decrypt": "فك التشفير باستخدام Lockfern"},
}


def lockfern_entry(path, is_dir):
    """(action, command line) for a local path, "Encrypt" or "Decrypt", or None where Lockfern has
    nothing to offer."""
    name = os.path.basename(path)
    in_package = os.path.basename(os.path.dirname(path)).endswith(".lockfern")
    if is_dir:
        return ("Decrypt", ["lockfern", path]) if name.endswith(".lockfern") else None
    if name == "hint.lockfern" and in_package:
        return ("Decrypt", ["lockfern", path])
    if in_package or name.endswith(".lockfern"):
        return None
    return ("Encrypt", ["lockfern", "--encrypt", path])


def label(action, languages):
    """The entry's words in the first of `languages` ("de_DE.UTF-8", "de_DE", "de", "C") that has them."""
    for language in languages:
        if language in LABELS:
            return LABELS[language][action]
    return LABELS["en"][action]


if Nautilus is not None:

    class LockfernMenu(GObject.GObject, Nautilus.MenuProvider):
        def get_file_items(self, *args):
            # Nautilus 43 passes the files alone; earlier versions pass the window first.
            files = args[-1]
            if len(files) != 1 or GLib.find_program_in_path("lockfern") is None:
                return []
            item = files[0]
            location = item.get_location()
            path = location.get_path() if location is not None else None
            is_dir = item.is_directory()
            if path is None or not (is_dir or item.get_file_type() == Gio.FileType.REGULAR):
                return []
            entry = lockfern_entry(path, is_dir)
            if entry is None:
                return []
            action, command = entry
            # The name stays the same in every language: Nautilus tells entries apart by it.
            menu_item = Nautilus.MenuItem(
                name="Lockfern::" + action,
                label=label(action, GLib.get_language_names()),
                icon="app.lockfern.Lockfern",
            )
            menu_item.connect("activate", lambda _item: Gio.Subprocess.new(command, Gio.SubprocessFlags.NONE))
            return [menu_item]
