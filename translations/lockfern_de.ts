<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Lockfern</source>
        <translation>Info zu Lockfern</translation>
    </message>
    <message>
        <source>Lockfern icon</source>
        <translation>Lockfern-Symbol</translation>
    </message>
    <message>
        <source>Application name</source>
        <translation>Anwendungsname</translation>
    </message>
    <message>
        <source>Made by the Lockfern developers</source>
        <translation>Von den Lockfern-Entwicklern</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Entwickler</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>Dunkles Design</translation>
    </message>
    <message>
        <source>Dark theme caption</source>
        <translation>Beschriftung für dunkles Design</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <extracomment>%1 is the version number (1.0), %2 the build number.</extracomment>
        <translation>Version %1 (%2)</translation>
    </message>
</context>
<context>
    <name>BackgroundRun</name>
    <message>
        <source>%1 s left</source>
        <extracomment>Time left of a run, under a minute; %1 is seconds.</extracomment>
        <translation>noch %1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s left</source>
        <extracomment>Time left of a run; %1 is minutes, %2 seconds.</extracomment>
        <translation>noch %1 min %2 s</translation>
    </message>
    <message>
        <source>%1/s · %2</source>
        <extracomment>Under the progress bar: %1 is a size such as &quot;12.3 MB&quot;, so %1/s the speed; %2 the time left.</extracomment>
        <translation>%1/s · %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>During a run of several items: %1 is the item running, %2 how many there are; %3 the speed and time left.</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1 of %2 · %3</source>
        <translation>%1 von %2 · %3</translation>
    </message>
</context>
<context>
    <name>CapsLockWarning</name>
    <message>
        <source>Caps Lock is on</source>
        <extracomment>Small warning under the password fields; name the key as the keyboard does.</extracomment>
        <translation>Feststelltaste ist aktiv</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>Screen-reader name of the warning sign before &quot;Caps Lock is on&quot;.</extracomment>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>CustomWindow</name>
    <message>
        <source>Quit Lockfern?</source>
        <extracomment>Asked when the window is closed while a run goes on. A run is an encryption or decryption.</extracomment>
        <translation>Lockfern beenden?</translation>
    </message>
    <message>
        <source>Quit and cancel the run?</source>
        <translation>Beenden und den laufenden Vorgang abbrechen?</translation>
    </message>
    <message>
        <source>The run going on now stops, and what it has written so far is removed. Your files stay as they were.</source>
        <translation>Der laufende Vorgang wird angehalten und alles, was er bisher geschrieben hat, wird entfernt. Ihre Dateien bleiben unverändert.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Keep Running</source>
        <extracomment>The default: the window stays and the run goes on.</extracomment>
        <translation>Fortsetzen</translation>
    </message>
</context>
<context>
    <name>Decrypt</name>
    <message>
        <source>Decrypt a file</source>
        <translation>Datei entschlüsseln</translation>
    </message>
    <message>
        <source>Choose a package…</source>
        <translation>Paket wählen…</translation>
    </message>
    <message>
        <source>Choose the .lockfern package to decrypt, or drop it here</source>
        <translation>Das zu entschlüsselnde .lockfern-Paket wählen oder hier ablegen</translation>
    </message>
    <message>
        <source>Chosen package</source>
        <translation>Gewähltes Paket</translation>
    </message>
    <message>
        <source>Package selected</source>
        <translation>Paket ausgewählt</translation>
    </message>
    <message>
        <source>Password hint</source>
        <translation>Passworthinweis</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Password used to encrypt</source>
        <translation>Passwort der Verschlüsselung</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Entschlüsseln</translation>
    </message>
    <message>
        <source>Choose the file you want to decrypt</source>
        <extracomment>Title of the file chooser, where the user picks a package (a folder NAME.lockfern).</extracomment>
        <translation>Zu entschlüsselnde Datei wählen</translation>
    </message>
    <message>
        <source>Decryption progress</source>
        <extracomment>Screen-reader name of the progress bar.</extracomment>
        <translation>Fortschritt der Entschlüsselung</translation>
    </message>
    <message>
        <source>Cancel the decryption</source>
        <extracomment>Screen-reader name of the Cancel button during a decryption.</extracomment>
        <translation>Entschlüsselung abbrechen</translation>
    </message>
    <message>
        <source>Shows the decrypted file in the file manager</source>
        <extracomment>Screen-reader description of &quot;Show in File Manager&quot;.</extracomment>
        <translation>Zeigt die entschlüsselte Datei im Dateimanager an</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <extracomment>%1 is the password hint stored in the package, as its author typed it.</extracomment>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>No package chosen</source>
        <extracomment>Where the chosen package&apos;s name goes. A package is Lockfern&apos;s encrypted result, a folder NAME.lockfern.</extracomment>
        <translation>Kein Paket gewählt</translation>
    </message>
    <message>
        <source>Chosen packages</source>
        <extracomment>Screen-reader name of the list of several packages chosen to decrypt.</extracomment>
        <translation>Gewählte Pakete</translation>
    </message>
    <message>
        <source>The packages have different hints; each is in the list below.</source>
        <extracomment>Where the hint goes, when several packages with different hints were chosen.</extracomment>
        <translation>Die Pakete haben verschiedene Hinweise; jeder steht in der Liste unten.</translation>
    </message>
    <message numerus="yes">
        <source>%n packages</source>
        <extracomment>Where the chosen package&apos;s name goes, when several packages were chosen.</extracomment>
        <translation>
            <numerusform>%n Paket</numerusform>
            <numerusform>%n Pakete</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Encrypt</name>
    <message>
        <source>Encrypt a file</source>
        <translation>Datei verschlüsseln</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Datei wählen…</translation>
    </message>
    <message>
        <source>Choose the file to encrypt, or drop it here</source>
        <translation>Die zu verschlüsselnde Datei wählen oder hier ablegen</translation>
    </message>
    <message>
        <source>Chosen file</source>
        <translation>Gewählte Datei</translation>
    </message>
    <message>
        <source>File taken</source>
        <translation>Datei übernommen</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Repeat password:</source>
        <translation>Passwort wiederholen:</translation>
    </message>
    <message>
        <source>The same password again</source>
        <translation>Dasselbe Passwort noch einmal</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>Passwort wiederholen</translation>
    </message>
    <message>
        <source>Password strength</source>
        <translation>Passwortstärke</translation>
    </message>
    <message>
        <source>Add Hint…</source>
        <translation>Hinweis hinzufügen…</translation>
    </message>
    <message>
        <source>A hint to remember the password by, stored unencrypted in the package</source>
        <translation>Eine Gedächtnisstütze für das Passwort, unverschlüsselt im Paket gespeichert</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Verschlüsseln</translation>
    </message>
    <message>
        <source>Choose the file you want to encrypt</source>
        <extracomment>Title of the file chooser.</extracomment>
        <translation>Zu verschlüsselnde Datei wählen</translation>
    </message>
    <message>
        <source>Encryption progress</source>
        <extracomment>Screen-reader name of the progress bar.</extracomment>
        <translation>Fortschritt der Verschlüsselung</translation>
    </message>
    <message>
        <source>Cancel the encryption</source>
        <extracomment>Screen-reader name of the Cancel button during an encryption.</extracomment>
        <translation>Verschlüsselung abbrechen</translation>
    </message>
    <message>
        <source>Shows the encrypted package in the file manager</source>
        <extracomment>Screen-reader description of &quot;Show in File Manager&quot;. A package is Lockfern&apos;s encrypted result, a folder NAME.lockfern.</extracomment>
        <translation>Zeigt das verschlüsselte Paket im Dateimanager an</translation>
    </message>
    <message>
        <source>Change Hint…</source>
        <extracomment>The button that opens the hint dialog, once a hint was typed and before.</extracomment>
        <translation>Hinweis ändern…</translation>
    </message>
    <message>
        <source>No file chosen</source>
        <extracomment>Where the chosen file&apos;s name goes.</extracomment>
        <translation>Keine Datei gewählt</translation>
    </message>
    <message>
        <source>Chosen files and folders</source>
        <extracomment>Screen-reader name of the list of several files and folders chosen to encrypt.</extracomment>
        <translation>Gewählte Dateien und Ordner</translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <extracomment>Where the chosen file&apos;s name goes, when several files and folders were chosen.</extracomment>
        <translation>
            <numerusform>%n Element</numerusform>
            <numerusform>%n Elemente</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Password Hint</source>
        <translation>Passworthinweis</translation>
    </message>
    <message>
        <source>Password hint</source>
        <translation>Passworthinweis</translation>
    </message>
    <message>
        <source>The hint is stored unencrypted in the package, for anyone to read. Never type the password itself.</source>
        <translation>Der Hinweis wird unverschlüsselt im Paket gespeichert und ist für jeden lesbar. Geben Sie niemals das Passwort selbst ein.</translation>
    </message>
    <message>
        <source>Password hint:</source>
        <translation>Passworthinweis:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Keeps this hint and closes</source>
        <translation>Übernimmt diesen Hinweis und schließt</translation>
    </message>
</context>
<context>
    <name>ItemList</name>
    <message>
        <source>Name</source>
        <extracomment>Screen-reader names of the list&apos;s two columns: an item&apos;s name, and what happens or happened to it.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Was geschieht</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>This file is already encrypted.</source>
        <extracomment>A package was chosen to encrypt.</extracomment>
        <translation>Diese Datei ist bereits verschlüsselt.</translation>
    </message>
    <message>
        <source>This file is not encrypted.</source>
        <extracomment>Something that is not a package was chosen to decrypt.</extracomment>
        <translation>Diese Datei ist nicht verschlüsselt.</translation>
    </message>
    <message>
        <source>There&apos;s a problem.</source>
        <extracomment>The chosen item can&apos;t be opened, or is not a package Lockfern could have made.</extracomment>
        <translation>Es gibt ein Problem.</translation>
    </message>
    <message>
        <source>No file is selected.</source>
        <translation>Keine Datei ausgewählt.</translation>
    </message>
    <message>
        <source>Password is empty.</source>
        <translation>Das Passwort ist leer.</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <extracomment>The repeated password differs from the first.</extracomment>
        <translation>Die Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Success!</source>
        <extracomment>An encryption or decryption finished.</extracomment>
        <translation>Erfolgreich!</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <extracomment>The user cancelled a run.</extracomment>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>An error occured while encrypting.</source>
        <extracomment>The English misspelling stays in English only; write it correctly.</extracomment>
        <translation>Beim Verschlüsseln ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>An error occured while decrypting.</source>
        <extracomment>The English misspelling stays in English only; write it correctly.</extracomment>
        <translation>Beim Entschlüsseln ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Nothing was saved. Please try again.</source>
        <extracomment>Under a failed run.</extracomment>
        <translation>Nichts gespeichert. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Wrong password, or the package is damaged. Check Caps Lock and the hint.</source>
        <extracomment>Under a failed decryption. A package is Lockfern&apos;s encrypted result, a folder NAME.lockfern.</extracomment>
        <translation>Falsches Passwort oder das Paket ist beschädigt. Prüfen Sie die Feststelltaste und den Hinweis.</translation>
    </message>
    <message>
        <source>%1 already exists in %2.</source>
        <extracomment>%1 is a file or package name, %2 the name of the folder it is in (not a path).</extracomment>
        <translation>%1 ist in %2 bereits vorhanden.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <extracomment>%1 is a folder&apos;s name; the folder is on a read-only disk.</extracomment>
        <translation>%1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>You can&apos;t write to %1.</source>
        <extracomment>%1 is a folder&apos;s name; the user may not write there.</extracomment>
        <translation>Kein Schreibzugriff auf %1.</translation>
    </message>
    <message>
        <source>Not enough free space: %1 needed.</source>
        <extracomment>%1 is the space needed, a size such as &quot;1.2 GB&quot;.</extracomment>
        <translation>Nicht genug freier Speicher: %1 benötigt.</translation>
    </message>
    <message>
        <source>The file was changed while it was being encrypted.</source>
        <translation>Die Datei wurde während des Verschlüsselns geändert.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read any more.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>%1 kann nicht mehr gelesen werden.</translation>
    </message>
    <message>
        <source>Will be saved as %1</source>
        <extracomment>Under the chosen file. %1 is the package&apos;s name, NAME.lockfern.</extracomment>
        <translation>Wird gespeichert als %1</translation>
    </message>
    <message>
        <source>Will be restored as %1</source>
        <extracomment>Under the chosen package. %1 is the file&apos;s name once decrypted.</extracomment>
        <translation>Wird wiederhergestellt als %1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <extracomment>After a decryption. %1 is the restored file&apos;s name.</extracomment>
        <translation>Gespeichert als %1</translation>
    </message>
    <message>
        <source>Already there: %1</source>
        <extracomment>After a decryption that found the same file already there and wrote nothing. %1 is its name.</extracomment>
        <translation>Bereits vorhanden: %1</translation>
    </message>
    <message>
        <source>Saved as %1. %2 is still there, unencrypted.</source>
        <extracomment>After an encryption. %1 is the new package&apos;s name, %2 the original file&apos;s name.</extracomment>
        <translation>Gespeichert als %1. %2 bleibt unverschlüsselt erhalten.</translation>
    </message>
    <message>
        <source>The folder in %1 is damaged or unsafe to restore. Nothing was restored.</source>
        <extracomment>%1 is a package&apos;s name; the folder encrypted in it can&apos;t be restored safely.</extracomment>
        <translation>Der Ordner in %1 ist beschädigt oder lässt sich nicht sicher wiederherstellen. Es wurde nichts wiederhergestellt.</translation>
    </message>
    <message>
        <source>Left out %1: only files, folders and links inside the folder are kept.</source>
        <extracomment>%1 is the path of an entry inside a folder being encrypted or restored, such as a socket or a device file, which a package does not keep.</extracomment>
        <translation>%1 ausgelassen: Nur Dateien, Ordner und Verknüpfungen im Ordner werden übernommen.</translation>
    </message>
    <message>
        <source>Cancelled. %1 of %2 were saved; %3 failed.</source>
        <extracomment>After a cancelled run of several items: %1 of %2 items were saved, %3 failed.</extracomment>
        <translation>Abgebrochen. %1 von %2 gespeichert; %3 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Cancelled. %1 of %2 were saved.</source>
        <extracomment>After a cancelled run of several items: %1 of %2 items were saved.</extracomment>
        <translation>Abgebrochen. %1 von %2 gespeichert.</translation>
    </message>
    <message>
        <source>%1 of %2 were saved; %3 failed.</source>
        <extracomment>After a run of several items: %1 of %2 items were saved, %3 failed.</extracomment>
        <translation>%1 von %2 gespeichert; %3 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>All %2 were saved.</source>
        <extracomment>After a run of several items (two or more), all %2 of them saved.</extracomment>
        <translation>Alle %2 gespeichert.</translation>
    </message>
    <message>
        <source>Not started.</source>
        <extracomment>Beside an item of several that a cancel stopped before it began.</extracomment>
        <translation>Nicht begonnen.</translation>
    </message>
</context>
<context>
    <name>Pane</name>
    <message>
        <source>Where the result will go</source>
        <extracomment>Screen-reader description of the line &quot;Will be saved as …&quot; under the chosen file.</extracomment>
        <translation>Speicherort des Ergebnisses</translation>
    </message>
    <message>
        <source>What happened to each</source>
        <extracomment>Screen-reader name of the list of items after a run of several.</extracomment>
        <translation>Was mit jedem geschah</translation>
    </message>
</context>
<context>
    <name>PasswordField</name>
    <message>
        <source>%1 shows or hides the password</source>
        <extracomment>Screen-reader description of the password field; %1 is the shortcut, such as Alt+S.</extracomment>
        <translation>%1 zeigt oder verbirgt das Passwort</translation>
    </message>
    <message>
        <source>Hide password</source>
        <extracomment>The eye inside the password field, an icon alone: its tool tip and screen-reader name.</extracomment>
        <translation>Passwort verbergen</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Passwort anzeigen</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The eye&apos;s tool tip: %1 is what a press does (&quot;Show password&quot;), %2 its shortcut, such as Alt+S.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>PasswordStrength</name>
    <message>
        <source>Weak</source>
        <extracomment>A password&apos;s strength, shown as &quot;Weak: about 3 hours to guess on one GPU&quot;.</extracomment>
        <translation>Schwach</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Stark</translation>
    </message>
    <message>
        <source>Very strong</source>
        <translation>Sehr stark</translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln year(s) to guess on one GPU</source>
        <extracomment>The line under the password field. %1 is the strength (&quot;Weak&quot;), %Ln the count; GPU is one graphics card.</extracomment>
        <translation>
            <numerusform>%1: mit einer GPU in etwa %Ln Jahr zu erraten</numerusform>
            <numerusform>%1: mit einer GPU in etwa %Ln Jahren zu erraten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln month(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: mit einer GPU in etwa %Ln Monat zu erraten</numerusform>
            <numerusform>%1: mit einer GPU in etwa %Ln Monaten zu erraten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln day(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: mit einer GPU in etwa %Ln Tag zu erraten</numerusform>
            <numerusform>%1: mit einer GPU in etwa %Ln Tagen zu erraten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln hour(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: mit einer GPU in etwa %Ln Stunde zu erraten</numerusform>
            <numerusform>%1: mit einer GPU in etwa %Ln Stunden zu erraten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln minute(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: mit einer GPU in etwa %Ln Minute zu erraten</numerusform>
            <numerusform>%1: mit einer GPU in etwa %Ln Minuten zu erraten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln second(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: mit einer GPU in etwa %Ln Sekunde zu erraten</numerusform>
            <numerusform>%1: mit einer GPU in etwa %Ln Sekunden zu erraten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: less than a second to guess on one GPU</source>
        <extracomment>%1 is the strength (&quot;Weak&quot;); GPU is one graphics card.</extracomment>
        <translation>%1: mit einer GPU in weniger als einer Sekunde zu erraten</translation>
    </message>
    <message>
        <source>%1: more than a million years to guess on one GPU</source>
        <translation>%1: mit einer GPU erst in über einer Million Jahren zu erraten</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>Status</source>
        <extracomment>Screen-reader description of the status line (&quot;Success!&quot;, &quot;Password is empty.&quot;).</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <source>What happened</source>
        <extracomment>Screen-reader description of the line under the status: where the result went, or why a run failed.</extracomment>
        <translation>Was geschehen ist</translation>
    </message>
    <message>
        <source>Speed and time left</source>
        <extracomment>Screen-reader description of the line &quot;12.3 MB/s · 5 s left&quot; during a run.</extracomment>
        <translation>Geschwindigkeit und Restzeit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Stops the encryption or decryption going on.</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <extracomment>After a run: opens the file manager with the results selected. Use the desktop&apos;s own wording.</extracomment>
        <translation>Im Dateimanager anzeigen</translation>
    </message>
</context>
<context>
    <name>SendLog</name>
    <message>
        <source>No Mail Program</source>
        <extracomment>Title of the message when Send Log found no mail program.</extracomment>
        <translation>Kein E-Mail-Programm</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Es konnte kein E-Mail-Programm gestartet werden.</translation>
    </message>
    <message>
        <source>Copy the log text into a mail to %1, or open the folder that holds the log file and attach it.</source>
        <extracomment>%1 is support&apos;s e-mail address.</extracomment>
        <translation>Kopieren Sie den Protokolltext in eine E-Mail an %1 oder öffnen Sie den Ordner mit der Protokolldatei und hängen Sie diese an.</translation>
    </message>
    <message>
        <source>Copy Log Text</source>
        <extracomment>Copies the activity log to the clipboard.</extracomment>
        <translation>Protokoll kopieren</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <extracomment>Opens the folder that holds the log file.</extracomment>
        <translation>Protokollordner öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Send Log</source>
        <extracomment>Title of the dialog that shows the activity log before it is mailed to support.</extracomment>
        <translation>Protokoll senden</translation>
    </message>
    <message>
        <source>This is the log that goes to support with your mail. It names the files you chose and holds the hints you typed; passwords are never in it.</source>
        <extracomment>Above the log, whose lines stay English.</extracomment>
        <translation>Dieses Protokoll geht mit Ihrer E-Mail an den Support. Es nennt die gewählten Dateien und enthält die eingegebenen Hinweise; Passwörter stehen nie darin.</translation>
    </message>
    <message>
        <source>Activity log</source>
        <translation>Aktivitätsprotokoll</translation>
    </message>
    <message>
        <source>Send</source>
        <extracomment>Opens the mail program with the log attached.</extracomment>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SupportMail</name>
    <message>
        <source>Type here</source>
        <extracomment>The body a new support mail starts with in the user&apos;s mail program.</extracomment>
        <translation>Schreiben Sie hier</translation>
    </message>
</context>
<context>
    <name>ViewController</name>
    <message>
        <source>‹ Back</source>
        <translation>‹ Zurück</translation>
    </message>
    <message>
        <source>Back to the start (Esc)</source>
        <translation>Zurück zum Start (Esc)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Version and theme</source>
        <translation>Version und Design</translation>
    </message>
    <message>
        <source>About Lockfern</source>
        <translation>Info zu Lockfern</translation>
    </message>
    <message>
        <source>Send Log</source>
        <translation>Protokoll senden</translation>
    </message>
    <message>
        <source>Write to support with this session&apos;s activity log attached</source>
        <translation>Dem Support schreiben, mit dem Aktivitätsprotokoll dieser Sitzung im Anhang</translation>
    </message>
    <message>
        <source>What would you like to do?</source>
        <translation>Was möchten Sie tun?</translation>
    </message>
    <message>
        <source>Encrypt a File…</source>
        <translation>Datei verschlüsseln…</translation>
    </message>
    <message>
        <source>Lock a file with a password</source>
        <translation>Eine Datei mit einem Passwort schützen</translation>
    </message>
    <message>
        <source>Decrypt a Package…</source>
        <translation>Paket entschlüsseln…</translation>
    </message>
    <message>
        <source>Restore a file from its .lockfern package</source>
        <translation>Eine Datei aus ihrem .lockfern-Paket wiederherstellen</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Verschlüsseln</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Entschlüsseln</translation>
    </message>
</context>
</TS>
