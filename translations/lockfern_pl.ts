<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Lockfern</source>
        <translation>O programie Lockfern</translation>
    </message>
    <message>
        <source>Lockfern icon</source>
        <translation>Ikona programu Lockfern</translation>
    </message>
    <message>
        <source>Application name</source>
        <translation>Nazwa programu</translation>
    </message>
    <message>
        <source>Made by the Lockfern developers</source>
        <translation>Stworzony przez twórców Lockfern</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Twórca</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>Ciemny motyw</translation>
    </message>
    <message>
        <source>Dark theme caption</source>
        <translation>Etykieta ciemnego motywu</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <extracomment>%1 is the version number (1.0), %2 the build number.</extracomment>
        <translation>Wersja %1 (%2)</translation>
    </message>
</context>
<context>
    <name>BackgroundRun</name>
    <message>
        <source>%1 s left</source>
        <extracomment>Time left of a run, under a minute; %1 is seconds.</extracomment>
        <translation>jeszcze %1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s left</source>
        <extracomment>Time left of a run; %1 is minutes, %2 seconds.</extracomment>
        <translation>jeszcze %1 min %2 s</translation>
    </message>
    <message>
        <source>%1/s · %2</source>
        <extracomment>Under the progress bar: %1 is a size such as &quot;12.3 MB&quot;, so %1/s the speed; %2 the time left.</extracomment>
        <translation>%1/s · %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>During a run of several items: %1 is the item running, %2 how many there are; %3 the speed and time left.</extracomment>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>%1 of %2 · %3</source>
        <translation>%1 z %2 · %3</translation>
    </message>
</context>
<context>
    <name>CapsLockWarning</name>
    <message>
        <source>Caps Lock is on</source>
        <extracomment>Small warning under the password fields; name the key as the keyboard does.</extracomment>
        <translation>Caps Lock jest włączony</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>Screen-reader name of the warning sign before &quot;Caps Lock is on&quot;.</extracomment>
        <translation>Ostrzeżenie</translation>
    </message>
</context>
<context>
    <name>CustomWindow</name>
    <message>
        <source>Quit Lockfern?</source>
        <extracomment>Asked when the window is closed while a run goes on. A run is an encryption or decryption.</extracomment>
        <translation>Zakończyć Lockfern?</translation>
    </message>
    <message>
        <source>Quit and cancel the run?</source>
        <translation>Zakończyć i anulować trwającą operację?</translation>
    </message>
    <message>
        <source>The run going on now stops, and what it has written so far is removed. Your files stay as they were.</source>
        <translation>Trwająca operacja zostanie przerwana, a to, co dotąd zapisała, zostanie usunięte. Twoje pliki pozostaną bez zmian.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Keep Running</source>
        <extracomment>The default: the window stays and the run goes on.</extracomment>
        <translation>Kontynuuj</translation>
    </message>
</context>
<context>
    <name>Decrypt</name>
    <message>
        <source>Decrypt a file</source>
        <translation>Odszyfruj plik</translation>
    </message>
    <message>
        <source>Choose a package…</source>
        <translation>Wybierz pakiet…</translation>
    </message>
    <message>
        <source>Choose the .lockfern package to decrypt, or drop it here</source>
        <translation>Wybierz pakiet .lockfern do odszyfrowania lub upuść go tutaj</translation>
    </message>
    <message>
        <source>Chosen package</source>
        <translation>Wybrany pakiet</translation>
    </message>
    <message>
        <source>Package selected</source>
        <translation>Pakiet wybrany</translation>
    </message>
    <message>
        <source>Password hint</source>
        <translation>Podpowiedź do hasła</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Password used to encrypt</source>
        <translation>Hasło użyte do szyfrowania</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Odszyfruj</translation>
    </message>
    <message>
        <source>Choose the file you want to decrypt</source>
        <extracomment>Title of the file chooser, where the user picks a package (a folder NAME.lockfern).</extracomment>
        <translation>Wybierz plik do odszyfrowania</translation>
    </message>
    <message>
        <source>Decryption progress</source>
        <extracomment>Screen-reader name of the progress bar.</extracomment>
        <translation>Postęp odszyfrowywania</translation>
    </message>
    <message>
        <source>Cancel the decryption</source>
        <extracomment>Screen-reader name of the Cancel button during a decryption.</extracomment>
        <translation>Anuluj odszyfrowywanie</translation>
    </message>
    <message>
        <source>Shows the decrypted file in the file manager</source>
        <extracomment>Screen-reader description of &quot;Show in File Manager&quot;.</extracomment>
        <translation>Pokazuje odszyfrowany plik w menedżerze plików</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <extracomment>%1 is the password hint stored in the package, as its author typed it.</extracomment>
        <translation>Podpowiedź: %1</translation>
    </message>
    <message>
        <source>No package chosen</source>
        <extracomment>Where the chosen package&apos;s name goes. A package is Lockfern&apos;s encrypted result, a folder NAME.lockfern.</extracomment>
        <translation>Nie wybrano pakietu</translation>
    </message>
    <message>
        <source>Chosen packages</source>
        <extracomment>Screen-reader name of the list of several packages chosen to decrypt.</extracomment>
        <translation>Wybrane pakiety</translation>
    </message>
    <message>
        <source>The packages have different hints; each is in the list below.</source>
        <extracomment>Where the hint goes, when several packages with different hints were chosen.</extracomment>
        <translation>Pakiety mają różne podpowiedzi; każda jest na liście poniżej.</translation>
    </message>
    <message numerus="yes">
        <source>%n packages</source>
        <extracomment>Where the chosen package&apos;s name goes, when several packages were chosen.</extracomment>
        <translation>
            <numerusform>%n pakiet</numerusform>
            <numerusform>%n pakiety</numerusform>
            <numerusform>%n pakietów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Encrypt</name>
    <message>
        <source>Encrypt a file</source>
        <translation>Zaszyfruj plik</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Wybierz plik…</translation>
    </message>
    <message>
        <source>Choose the file to encrypt, or drop it here</source>
        <translation>Wybierz plik do zaszyfrowania lub upuść go tutaj</translation>
    </message>
    <message>
        <source>Chosen file</source>
        <translation>Wybrany plik</translation>
    </message>
    <message>
        <source>File taken</source>
        <translation>Plik przyjęty</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Repeat password:</source>
        <translation>Powtórz hasło:</translation>
    </message>
    <message>
        <source>The same password again</source>
        <translation>To samo hasło jeszcze raz</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>Powtórz hasło</translation>
    </message>
    <message>
        <source>Password strength</source>
        <translation>Siła hasła</translation>
    </message>
    <message>
        <source>Add Hint…</source>
        <translation>Dodaj podpowiedź…</translation>
    </message>
    <message>
        <source>A hint to remember the password by, stored unencrypted in the package</source>
        <translation>Podpowiedź ułatwiająca zapamiętanie hasła, zapisana w pakiecie bez szyfrowania</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Zaszyfruj</translation>
    </message>
    <message>
        <source>Choose the file you want to encrypt</source>
        <extracomment>Title of the file chooser.</extracomment>
        <translation>Wybierz plik do zaszyfrowania</translation>
    </message>
    <message>
        <source>Encryption progress</source>
        <extracomment>Screen-reader name of the progress bar.</extracomment>
        <translation>Postęp szyfrowania</translation>
    </message>
    <message>
        <source>Cancel the encryption</source>
        <extracomment>Screen-reader name of the Cancel button during an encryption.</extracomment>
        <translation>Anuluj szyfrowanie</translation>
    </message>
    <message>
        <source>Shows the encrypted package in the file manager</source>
        <extracomment>Screen-reader description of &quot;Show in File Manager&quot;. A package is Lockfern&apos;s encrypted result, a folder NAME.lockfern.</extracomment>
        <translation>Pokazuje zaszyfrowany pakiet w menedżerze plików</translation>
    </message>
    <message>
        <source>Change Hint…</source>
        <extracomment>The button that opens the hint dialog, once a hint was typed and before.</extracomment>
        <translation>Zmień podpowiedź…</translation>
    </message>
    <message>
        <source>No file chosen</source>
        <extracomment>Where the chosen file&apos;s name goes.</extracomment>
        <translation>Nie wybrano pliku</translation>
    </message>
    <message>
        <source>Chosen files and folders</source>
        <extracomment>Screen-reader name of the list of several files and folders chosen to encrypt.</extracomment>
        <translation>Wybrane pliki i katalogi</translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <extracomment>Where the chosen file&apos;s name goes, when several files and folders were chosen.</extracomment>
        <translation>
            <numerusform>%n element</numerusform>
            <numerusform>%n elementy</numerusform>
            <numerusform>%n elementów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Password Hint</source>
        <translation>Podpowiedź do hasła</translation>
    </message>
    <message>
        <source>Password hint</source>
        <translation>Podpowiedź do hasła</translation>
    </message>
    <message>
        <source>The hint is stored unencrypted in the package, for anyone to read. Never type the password itself.</source>
        <translation>Podpowiedź jest zapisana w pakiecie bez szyfrowania i każdy może ją przeczytać. Nigdy nie wpisuj tu samego hasła.</translation>
    </message>
    <message>
        <source>Password hint:</source>
        <translation>Podpowiedź do hasła:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcjonalnie</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Keeps this hint and closes</source>
        <translation>Zachowuje podpowiedź i zamyka okno</translation>
    </message>
</context>
<context>
    <name>ItemList</name>
    <message>
        <source>Name</source>
        <extracomment>Screen-reader names of the list&apos;s two columns: an item&apos;s name, and what happens or happened to it.</extracomment>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Co się dzieje</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>This file is already encrypted.</source>
        <extracomment>A package was chosen to encrypt.</extracomment>
        <translation>Ten plik jest już zaszyfrowany.</translation>
    </message>
    <message>
        <source>This file is not encrypted.</source>
        <extracomment>Something that is not a package was chosen to decrypt.</extracomment>
        <translation>Ten plik nie jest zaszyfrowany.</translation>
    </message>
    <message>
        <source>There&apos;s a problem.</source>
        <extracomment>The chosen item can&apos;t be opened, or is not a package Lockfern could have made.</extracomment>
        <translation>Wystąpił problem.</translation>
    </message>
    <message>
        <source>No file is selected.</source>
        <translation>Nie wybrano pliku.</translation>
    </message>
    <message>
        <source>Password is empty.</source>
        <translation>Hasło jest puste.</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <extracomment>The repeated password differs from the first.</extracomment>
        <translation>Hasła nie są zgodne.</translation>
    </message>
    <message>
        <source>Success!</source>
        <extracomment>An encryption or decryption finished.</extracomment>
        <translation>Gotowe!</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <extracomment>The user cancelled a run.</extracomment>
        <translation>Anulowano.</translation>
    </message>
    <message>
        <source>An error occured while encrypting.</source>
        <extracomment>The English misspelling stays in English only; write it correctly.</extracomment>
        <translation>Wystąpił błąd podczas szyfrowania.</translation>
    </message>
    <message>
        <source>An error occured while decrypting.</source>
        <extracomment>The English misspelling stays in English only; write it correctly.</extracomment>
        <translation>Wystąpił błąd podczas odszyfrowywania.</translation>
    </message>
    <message>
        <source>Nothing was saved. Please try again.</source>
        <extracomment>Under a failed run.</extracomment>
        <translation>Nic nie zostało zapisane. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Wrong password, or the package is damaged. Check Caps Lock and the hint.</source>
        <extracomment>Under a failed decryption. A package is Lockfern&apos;s encrypted result, a folder NAME.lockfern.</extracomment>
        <translation>Błędne hasło lub uszkodzony pakiet. Sprawdź Caps Lock i podpowiedź.</translation>
    </message>
    <message>
        <source>%1 already exists in %2.</source>
        <extracomment>%1 is a file or package name, %2 the name of the folder it is in (not a path).</extracomment>
        <translation>%1 już istnieje w katalogu %2.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <extracomment>%1 is a folder&apos;s name; the folder is on a read-only disk.</extracomment>
        <translation>Katalog %1 jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>You can&apos;t write to %1.</source>
        <extracomment>%1 is a folder&apos;s name; the user may not write there.</extracomment>
        <translation>Brak uprawnień do zapisu w katalogu %1.</translation>
    </message>
    <message>
        <source>Not enough free space: %1 needed.</source>
        <extracomment>%1 is the space needed, a size such as &quot;1.2 GB&quot;.</extracomment>
        <translation>Za mało wolnego miejsca, potrzeba: %1.</translation>
    </message>
    <message>
        <source>The file was changed while it was being encrypted.</source>
        <translation>Plik został zmieniony podczas szyfrowania.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read any more.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Nie można już odczytać %1.</translation>
    </message>
    <message>
        <source>Will be saved as %1</source>
        <extracomment>Under the chosen file. %1 is the package&apos;s name, NAME.lockfern.</extracomment>
        <translation>Zostanie zapisany jako %1</translation>
    </message>
    <message>
        <source>Will be restored as %1</source>
        <extracomment>Under the chosen package. %1 is the file&apos;s name once decrypted.</extracomment>
        <translation>Zostanie przywrócony jako %1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <extracomment>After a decryption. %1 is the restored file&apos;s name.</extracomment>
        <translation>Zapisano jako %1</translation>
    </message>
    <message>
        <source>Already there: %1</source>
        <extracomment>After a decryption that found the same file already there and wrote nothing. %1 is its name.</extracomment>
        <translation>Już istnieje: %1</translation>
    </message>
    <message>
        <source>Saved as %1. %2 is still there, unencrypted.</source>
        <extracomment>After an encryption. %1 is the new package&apos;s name, %2 the original file&apos;s name.</extracomment>
        <translation>Zapisano jako %1. %2 pozostaje na miejscu, niezaszyfrowany.</translation>
    </message>
    <message>
        <source>The folder in %1 is damaged or unsafe to restore. Nothing was restored.</source>
        <extracomment>%1 is a package&apos;s name; the folder encrypted in it can&apos;t be restored safely.</extracomment>
        <translation>Katalog w pakiecie %1 jest uszkodzony lub jego przywrócenie nie jest bezpieczne. Niczego nie przywrócono.</translation>
    </message>
    <message>
        <source>Left out %1: only files, folders and links inside the folder are kept.</source>
        <extracomment>%1 is the path of an entry inside a folder being encrypted or restored, such as a socket or a device file, which a package does not keep.</extracomment>
        <translation>Pominięto %1: zachowywane są tylko pliki, katalogi i dowiązania znajdujące się w katalogu.</translation>
    </message>
    <message>
        <source>Cancelled. %1 of %2 were saved; %3 failed.</source>
        <extracomment>After a cancelled run of several items: %1 of %2 items were saved, %3 failed.</extracomment>
        <translation>Anulowano. Zapisano: %1 z %2; nieudane: %3.</translation>
    </message>
    <message>
        <source>Cancelled. %1 of %2 were saved.</source>
        <extracomment>After a cancelled run of several items: %1 of %2 items were saved.</extracomment>
        <translation>Anulowano. Zapisano: %1 z %2.</translation>
    </message>
    <message>
        <source>%1 of %2 were saved; %3 failed.</source>
        <extracomment>After a run of several items: %1 of %2 items were saved, %3 failed.</extracomment>
        <translation>Zapisano: %1 z %2; nieudane: %3.</translation>
    </message>
    <message>
        <source>All %2 were saved.</source>
        <extracomment>After a run of several items (two or more), all %2 of them saved.</extracomment>
        <translation>Zapisano wszystkie elementy (%2).</translation>
    </message>
    <message>
        <source>Not started.</source>
        <extracomment>Beside an item of several that a cancel stopped before it began.</extracomment>
        <translation>Nie rozpoczęto.</translation>
    </message>
</context>
<context>
    <name>Pane</name>
    <message>
        <source>Where the result will go</source>
        <extracomment>Screen-reader description of the line &quot;Will be saved as …&quot; under the chosen file.</extracomment>
        <translation>Gdzie trafi wynik</translation>
    </message>
    <message>
        <source>What happened to each</source>
        <extracomment>Screen-reader name of the list of items after a run of several.</extracomment>
        <translation>Co stało się z każdym</translation>
    </message>
</context>
<context>
    <name>PasswordField</name>
    <message>
        <source>%1 shows or hides the password</source>
        <extracomment>Screen-reader description of the password field; %1 is the shortcut, such as Alt+S.</extracomment>
        <translation>%1 pokazuje lub ukrywa hasło</translation>
    </message>
    <message>
        <source>Hide password</source>
        <extracomment>The eye inside the password field, an icon alone: its tool tip and screen-reader name.</extracomment>
        <translation>Ukryj hasło</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Pokaż hasło</translation>
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
        <translation>Słabe</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Średnie</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Dobre</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Silne</translation>
    </message>
    <message>
        <source>Very strong</source>
        <translation>Bardzo silne</translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln year(s) to guess on one GPU</source>
        <extracomment>The line under the password field. %1 is the strength (&quot;Weak&quot;), %Ln the count; GPU is one graphics card.</extracomment>
        <translation>
            <numerusform>%1: złamanie na jednym GPU zajmie około %Ln roku</numerusform>
            <numerusform>%1: złamanie na jednym GPU zajmie około %Ln lat</numerusform>
            <numerusform>%1: złamanie na jednym GPU zajmie około %Ln lat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln month(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: złamanie na jednym GPU zajmie około %Ln miesiąca</numerusform>
            <numerusform>%1: złamanie na jednym GPU zajmie około %Ln miesięcy</numerusform>
            <numerusform>%1: złamanie na jednym GPU zajmie około %Ln miesięcy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln day(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: złamanie na jednym GPU zajmie około %Ln dnia</numerusform>
            <numerusform>%1: złamanie na jednym GPU zajmie około %Ln dni</numerusform>
            <numerusform>%1: złamanie na jednym GPU zajmie około %Ln dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln hour(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: złamanie na jednym GPU zajmie około %Ln godziny</numerusform>
            <numerusform>%1: złamanie na jednym GPU zajmie około %Ln godzin</numerusform>
            <numerusform>%1: złamanie na jednym GPU zajmie około %Ln godzin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln minute(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: złamanie na jednym GPU zajmie około %Ln minuty</numerusform>
            <numerusform>%1: złamanie na jednym GPU zajmie około %Ln minut</numerusform>
            <numerusform>%1: złamanie na jednym GPU zajmie około %Ln minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln second(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: złamanie na jednym GPU zajmie około %Ln sekundy</numerusform>
            <numerusform>%1: złamanie na jednym GPU zajmie około %Ln sekund</numerusform>
            <numerusform>%1: złamanie na jednym GPU zajmie około %Ln sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: less than a second to guess on one GPU</source>
        <extracomment>%1 is the strength (&quot;Weak&quot;); GPU is one graphics card.</extracomment>
        <translation>%1: złamanie na jednym GPU zajmie mniej niż sekundę</translation>
    </message>
    <message>
        <source>%1: more than a million years to guess on one GPU</source>
        <translation>%1: złamanie na jednym GPU zajmie ponad milion lat</translation>
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
        <translation>Stan</translation>
    </message>
    <message>
        <source>What happened</source>
        <extracomment>Screen-reader description of the line under the status: where the result went, or why a run failed.</extracomment>
        <translation>Co się stało</translation>
    </message>
    <message>
        <source>Speed and time left</source>
        <extracomment>Screen-reader description of the line &quot;12.3 MB/s · 5 s left&quot; during a run.</extracomment>
        <translation>Prędkość i pozostały czas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Stops the encryption or decryption going on.</extracomment>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <extracomment>After a run: opens the file manager with the results selected. Use the desktop&apos;s own wording.</extracomment>
        <translation>Pokaż w menedżerze plików</translation>
    </message>
</context>
<context>
    <name>SendLog</name>
    <message>
        <source>No Mail Program</source>
        <extracomment>Title of the message when Send Log found no mail program.</extracomment>
        <translation>Brak programu pocztowego</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Nie udało się uruchomić programu pocztowego.</translation>
    </message>
    <message>
        <source>Copy the log text into a mail to %1, or open the folder that holds the log file and attach it.</source>
        <extracomment>%1 is support&apos;s e-mail address.</extracomment>
        <translation>Skopiuj tekst dziennika do wiadomości na adres %1 albo otwórz katalog z plikiem dziennika i go załącz.</translation>
    </message>
    <message>
        <source>Copy Log Text</source>
        <extracomment>Copies the activity log to the clipboard.</extracomment>
        <translation>Kopiuj dziennik</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <extracomment>Opens the folder that holds the log file.</extracomment>
        <translation>Otwórz katalog dziennika</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Send Log</source>
        <extracomment>Title of the dialog that shows the activity log before it is mailed to support.</extracomment>
        <translation>Wyślij dziennik</translation>
    </message>
    <message>
        <source>This is the log that goes to support with your mail. It names the files you chose and holds the hints you typed; passwords are never in it.</source>
        <extracomment>Above the log, whose lines stay English.</extracomment>
        <translation>Ten dziennik trafi do pomocy technicznej razem z wiadomością. Zawiera nazwy wybranych plików i wpisane podpowiedzi; nigdy nie ma w nim haseł.</translation>
    </message>
    <message>
        <source>Activity log</source>
        <translation>Dziennik aktywności</translation>
    </message>
    <message>
        <source>Send</source>
        <extracomment>Opens the mail program with the log attached.</extracomment>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>SupportMail</name>
    <message>
        <source>Type here</source>
        <extracomment>The body a new support mail starts with in the user&apos;s mail program.</extracomment>
        <translation>Tutaj wpisz treść</translation>
    </message>
</context>
<context>
    <name>ViewController</name>
    <message>
        <source>‹ Back</source>
        <translation>‹ Wstecz</translation>
    </message>
    <message>
        <source>Back to the start (Esc)</source>
        <translation>Wróć do początku (Esc)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Version and theme</source>
        <translation>Wersja i motyw</translation>
    </message>
    <message>
        <source>About Lockfern</source>
        <translation>O programie Lockfern</translation>
    </message>
    <message>
        <source>Send Log</source>
        <translation>Wyślij dziennik</translation>
    </message>
    <message>
        <source>Write to support with this session&apos;s activity log attached</source>
        <translation>Napisz do pomocy technicznej, załączając dziennik aktywności z tej sesji</translation>
    </message>
    <message>
        <source>What would you like to do?</source>
        <translation>Co chcesz zrobić?</translation>
    </message>
    <message>
        <source>Encrypt a File…</source>
        <translation>Zaszyfruj plik…</translation>
    </message>
    <message>
        <source>Lock a file with a password</source>
        <translation>Zabezpiecz plik hasłem</translation>
    </message>
    <message>
        <source>Decrypt a Package…</source>
        <translation>Odszyfruj pakiet…</translation>
    </message>
    <message>
        <source>Restore a file from its .lockfern package</source>
        <translation>Przywróć plik z jego pakietu .lockfern</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Zaszyfruj</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Odszyfruj</translation>
    </message>
</context>
</TS>
