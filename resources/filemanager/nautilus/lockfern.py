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


def lockfern_entry(path, is_dir):
    """(label, command line) for a local path, or None where Lockfern has nothing to offer."""
    name = os.path.basename(path)
    in_package = os.path.basename(os.path.dirname(path)).endswith(".lockfern")
    if is_dir:
        return ("Decrypt with Lockfern", ["lockfern", path]) if name.endswith(".lockfern") else None
    if name == "hint.lockfern" and in_package:
        return ("Decrypt with Lockfern", ["lockfern", path])
    if in_package or name.endswith(".lockfern"):
        return None
    return ("Encrypt with Lockfern", ["lockfern", "--encrypt", path])


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
            label, command = entry
            menu_item = Nautilus.MenuItem(
                name="Lockfern::" + label.split()[0], label=label, icon="app.lockfern.Lockfern"
            )
            menu_item.connect("activate", lambda _item: Gio.Subprocess.new(command, Gio.SubprocessFlags.NONE))
            return [menu_item]
