# SPDX-License-Identifier: GPL-3.0-or-later
"""Types passwords into the real window and listens on the accessibility bus, as any program there
can: no text event and no text query may carry a typed character. Run by password-bus-check.sh,
inside a private X server, D-Bus session and accessibility bus."""
import os
import signal
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PASSWORD = 'Qz7#Xv9K'  # letters that no name or description near the fields has
SECRET = set(PASSWORD)
events = []  # (type, role of the source, any_data)


def pump(seconds):
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)


def wait_for(what, condition, seconds=15):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump(0.05)
        try:
            found = condition()
        except Exception:  # the tree is still being built
            found = None
        if found:
            return found
    sys.exit(f'password-bus-check: gave up waiting for {what}')


def on_event(event):
    try:
        role = event.source.getRoleName()
    except Exception:
        role = '?'
    events.append((event.type, role, event.any_data))


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def find(root, role, name_part=''):
    for node in walk(root):
        if node.getRoleName() == role and name_part in (node.name or '') and \
                node.getState().contains(pyatspi.STATE_SHOWING):
            return node
    return None


def xdotool(*arguments):
    subprocess.run(['xdotool', *arguments], check=True, timeout=20)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == 'lockfern':
            return app
    return None


def focus(field):
    field.queryComponent().grabFocus()
    wait_for('the focus in a password field', lambda: field.getState().contains(pyatspi.STATE_FOCUSED))


def queried(field):
    """Everything the field's text interface answers, offset by offset."""
    text = field.queryText()
    count = text.characterCount
    answers = [text.getText(0, -1), text.getSelectedText() if hasattr(text, 'getSelectedText') else '']
    for offset in range(count + 1):
        character = text.getCharacterAtOffset(offset)
        answers.append(chr(character) if 0 < character < 0x110000 else '')
        for boundary in (pyatspi.TEXT_BOUNDARY_CHAR, pyatspi.TEXT_BOUNDARY_WORD_START,
                         pyatspi.TEXT_BOUNDARY_LINE_START):
            for ask in (text.getTextAtOffset, text.getTextBeforeOffset, text.getTextAfterOffset):
                answers.append(ask(offset, boundary)[0])
    return count, answers


def main():
    pyatspi.Registry.registerEventListener(on_event, 'object:text-changed', 'object:text-caret-moved',
                                           'object:text-selection-changed', 'object:property-change')
    pump(0.2)
    app = subprocess.Popen([os.environ['LOCKFERN_APP']], stdout=subprocess.DEVNULL)
    with open(os.environ['APP_PID_FILE'], 'w') as pid:
        pid.write(str(app.pid))
    signal.signal(signal.SIGTERM, lambda *_: sys.exit('password-bus-check: out of time'))
    try:
        root = wait_for('the lockfern window on the bus', application)
        encrypt = wait_for('the encrypt button', lambda: find(root, 'push button', 'Encrypt a'))
        window = subprocess.run(['xdotool', 'search', '--sync', '--onlyvisible', '--pid', str(app.pid)],
                                check=True, capture_output=True, text=True, timeout=20).stdout.split()[0]
        xdotool('windowfocus', '--sync', window)
        encrypt.queryAction().doAction(0)
        password = wait_for('the password field', lambda: find(root, 'password text'))

        # Typed into the password field and its repeat, selected and deleted, typed again, then
        # cleared by the pane itself when it is shown afresh.
        focus(password)
        xdotool('type', '--delay', '20', PASSWORD)
        wait_for('the typed password', lambda: password.queryText().characterCount == len(PASSWORD))
        count, answers = queried(password)
        xdotool('key', 'Tab')
        xdotool('type', '--delay', '20', PASSWORD)
        xdotool('key', 'Tab')
        focus(password)
        xdotool('key', 'ctrl+a', 'BackSpace')
        wait_for('the emptied field', lambda: password.queryText().characterCount == 0)
        xdotool('type', '--delay', '20', PASSWORD)
        wait_for('the typed password', lambda: password.queryText().characterCount == len(PASSWORD))
        xdotool('key', 'Escape')
        wait_for('the start', lambda: find(root, 'push button', 'Encrypt a'))
        find(root, 'push button', 'Encrypt a').queryAction().doAction(0)
        wait_for('the emptied field', lambda: find(root, 'password text').queryText().characterCount == 0)
        pump(0.5)
    finally:
        app.terminate()
        app.wait(timeout=10)

    leaks = [answer for answer in answers if SECRET & set(answer)]
    if len(answers[0]) != count:
        leaks.append(f'the field reads as {answers[0]!r}, not as {count} mask characters')
    field_events = [e for e in events if e[1] == 'password text' and e[0].startswith('object:text-changed')]
    leaks += [f'{kind}: {data!r}' for kind, _, data in events if isinstance(data, str) and SECRET & set(data)]
    print(f'{len(events)} events, {len(field_events)} text changes in password fields, '
          f'{len(answers)} text queries of {count} characters')
    if not field_events:
        sys.exit('password-bus-check: heard no text change from the password fields; the listener is deaf')
    if leaks:
        print('the password fields on the accessibility bus:\n  ' + '\n  '.join(leaks))
        sys.exit(1)


main()
