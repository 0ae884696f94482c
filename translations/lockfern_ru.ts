<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Lockfern</source>
        <translation>О программе Lockfern</translation>
    </message>
    <message>
        <source>Lockfern icon</source>
        <translation>Значок Lockfern</translation>
    </message>
    <message>
        <source>Application name</source>
        <translation>Название приложения</translation>
    </message>
    <message>
        <source>Made by the Lockfern developers</source>
        <translation>Создано разработчиками Lockfern</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Разработчик</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>Тёмная тема</translation>
    </message>
    <message>
        <source>Dark theme caption</source>
        <translation>Подпись тёмной темы</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <extracomment>%1 is the version number (1.0), %2 the build number.</extracomment>
        <translation>Версия %1 (%2)</translation>
    </message>
</context>
<context>
    <name>BackgroundRun</name>
    <message>
        <source>%1 s left</source>
        <extracomment>Time left of a run, under a minute; %1 is seconds.</extracomment>
        <translation>ещё %1 с</translation>
    </message>
    <message>
        <source>%1 min %2 s left</source>
        <extracomment>Time left of a run; %1 is minutes, %2 seconds.</extracomment>
        <translation>ещё %1 мин %2 с</translation>
    </message>
    <message>
        <source>%1/s · %2</source>
        <extracomment>Under the progress bar: %1 is a size such as &quot;12.3 MB&quot;, so %1/s the speed; %2 the time left.</extracomment>
        <translation>%1/с · %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>During a run of several items: %1 is the item running, %2 how many there are; %3 the speed and time left.</extracomment>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>%1 of %2 · %3</source>
        <translation>%1 из %2 · %3</translation>
    </message>
</context>
<context>
    <name>CapsLockWarning</name>
    <message>
        <source>Caps Lock is on</source>
        <extracomment>Small warning under the password fields; name the key as the keyboard does.</extracomment>
        <translation>Включён Caps Lock</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>Screen-reader name of the warning sign before &quot;Caps Lock is on&quot;.</extracomment>
        <translation>Предупреждение</translation>
    </message>
</context>
<context>
    <name>CustomWindow</name>
    <message>
        <source>Quit Lockfern?</source>
        <extracomment>Asked when the window is closed while a run goes on. A run is an encryption or decryption.</extracomment>
        <translation>Выйти из Lockfern?</translation>
    </message>
    <message>
        <source>Quit and cancel the run?</source>
        <translation>Выйти и отменить текущую операцию?</translation>
    </message>
    <message>
        <source>The run going on now stops, and what it has written so far is removed. Your files stay as they were.</source>
        <translation>Текущая операция будет остановлена, а всё, что она успела записать, будет удалено. Ваши файлы останутся без изменений.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Keep Running</source>
        <extracomment>The default: the window stays and the run goes on.</extracomment>
        <translation>Продолжить</translation>
    </message>
</context>
<context>
    <name>Decrypt</name>
    <message>
        <source>Decrypt a file</source>
        <translation>Расшифровать файл</translation>
    </message>
    <message>
        <source>Choose a package…</source>
        <translation>Выбрать пакет…</translation>
    </message>
    <message>
        <source>Choose the .lockfern package to decrypt, or drop it here</source>
        <translation>Выберите пакет .lockfern для расшифровки или перетащите его сюда</translation>
    </message>
    <message>
        <source>Chosen package</source>
        <translation>Выбранный пакет</translation>
    </message>
    <message>
        <source>Package selected</source>
        <translation>Пакет выбран</translation>
    </message>
    <message>
        <source>Password hint</source>
        <translation>Подсказка к паролю</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Password used to encrypt</source>
        <translation>Пароль, заданный при шифровании</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Расшифровать</translation>
    </message>
    <message>
        <source>Choose the file you want to decrypt</source>
        <extracomment>Title of the file chooser, where the user picks a package (a folder NAME.lockfern).</extracomment>
        <translation>Выберите файл для расшифровки</translation>
    </message>
    <message>
        <source>Decryption progress</source>
        <extracomment>Screen-reader name of the progress bar.</extracomment>
        <translation>Ход расшифровки</translation>
    </message>
    <message>
        <source>Cancel the decryption</source>
        <extracomment>Screen-reader name of the Cancel button during a decryption.</extracomment>
        <translation>Отменить расшифровку</translation>
    </message>
    <message>
        <source>Shows the decrypted file in the file manager</source>
        <extracomment>Screen-reader description of &quot;Show in File Manager&quot;.</extracomment>
        <translation>Показывает расшифрованный файл в файловом менеджере</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <extracomment>%1 is the password hint stored in the package, as its author typed it.</extracomment>
        <translation>Подсказка: %1</translation>
    </message>
    <message>
        <source>No package chosen</source>
        <extracomment>Where the chosen package&apos;s name goes. A package is Lockfern&apos;s encrypted result, a folder NAME.lockfern.</extracomment>
        <translation>Пакет не выбран</translation>
    </message>
    <message>
        <source>Chosen packages</source>
        <extracomment>Screen-reader name of the list of several packages chosen to decrypt.</extracomment>
        <translation>Выбранные пакеты</translation>
    </message>
    <message>
        <source>The packages have different hints; each is in the list below.</source>
        <extracomment>Where the hint goes, when several packages with different hints were chosen.</extracomment>
        <translation>У пакетов разные подсказки; каждая указана в списке ниже.</translation>
    </message>
    <message numerus="yes">
        <source>%n packages</source>
        <extracomment>Where the chosen package&apos;s name goes, when several packages were chosen.</extracomment>
        <translation>
            <numerusform>%n пакет</numerusform>
            <numerusform>%n пакета</numerusform>
            <numerusform>%n пакетов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Encrypt</name>
    <message>
        <source>Encrypt a file</source>
        <translation>Зашифровать файл</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Выбрать файл…</translation>
    </message>
    <message>
        <source>Choose the file to encrypt, or drop it here</source>
        <translation>Выберите файл для шифрования или перетащите его сюда</translation>
    </message>
    <message>
        <source>Chosen file</source>
        <translation>Выбранный файл</translation>
    </message>
    <message>
        <source>File taken</source>
        <translation>Файл принят</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Repeat password:</source>
        <translation>Повтор пароля:</translation>
    </message>
    <message>
        <source>The same password again</source>
        <translation>Тот же пароль ещё раз</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>Повтор пароля</translation>
    </message>
    <message>
        <source>Password strength</source>
        <translation>Надёжность пароля</translation>
    </message>
    <message>
        <source>Add Hint…</source>
        <translation>Добавить подсказку…</translation>
    </message>
    <message>
        <source>A hint to remember the password by, stored unencrypted in the package</source>
        <translation>Подсказка, чтобы вспомнить пароль; хранится в пакете в незашифрованном виде</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Зашифровать</translation>
    </message>
    <message>
        <source>Choose the file you want to encrypt</source>
        <extracomment>Title of the file chooser.</extracomment>
        <translation>Выберите файл для шифрования</translation>
    </message>
    <message>
        <source>Encryption progress</source>
        <extracomment>Screen-reader name of the progress bar.</extracomment>
        <translation>Ход шифрования</translation>
    </message>
    <message>
        <source>Cancel the encryption</source>
        <extracomment>Screen-reader name of the Cancel button during an encryption.</extracomment>
        <translation>Отменить шифрование</translation>
    </message>
    <message>
        <source>Shows the encrypted package in the file manager</source>
        <extracomment>Screen-reader description of &quot;Show in File Manager&quot;. A package is Lockfern&apos;s encrypted result, a folder NAME.lockfern.</extracomment>
        <translation>Показывает зашифрованный пакет в файловом менеджере</translation>
    </message>
    <message>
        <source>Change Hint…</source>
        <extracomment>The button that opens the hint dialog, once a hint was typed and before.</extracomment>
        <translation>Изменить подсказку…</translation>
    </message>
    <message>
        <source>No file chosen</source>
        <extracomment>Where the chosen file&apos;s name goes.</extracomment>
        <translation>Файл не выбран</translation>
    </message>
    <message>
        <source>Chosen files and folders</source>
        <extracomment>Screen-reader name of the list of several files and folders chosen to encrypt.</extracomment>
        <translation>Выбранные файлы и папки</translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <extracomment>Where the chosen file&apos;s name goes, when several files and folders were chosen.</extracomment>
        <translation>
            <numerusform>%n объект</numerusform>
            <numerusform>%n объекта</numerusform>
            <numerusform>%n объектов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Password Hint</source>
        <translation>Подсказка к паролю</translation>
    </message>
    <message>
        <source>Password hint</source>
        <translation>Подсказка к паролю</translation>
    </message>
    <message>
        <source>The hint is stored unencrypted in the package, for anyone to read. Never type the password itself.</source>
        <translation>Подсказка хранится в пакете в незашифрованном виде, её может прочитать любой. Никогда не вводите сюда сам пароль.</translation>
    </message>
    <message>
        <source>Password hint:</source>
        <translation>Подсказка к паролю:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Необязательно</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Keeps this hint and closes</source>
        <translation>Сохраняет подсказку и закрывает окно</translation>
    </message>
</context>
<context>
    <name>ItemList</name>
    <message>
        <source>Name</source>
        <extracomment>Screen-reader names of the list&apos;s two columns: an item&apos;s name, and what happens or happened to it.</extracomment>
        <translation>Имя</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Что происходит</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>This file is already encrypted.</source>
        <extracomment>A package was chosen to encrypt.</extracomment>
        <translation>Этот файл уже зашифрован.</translation>
    </message>
    <message>
        <source>This file is not encrypted.</source>
        <extracomment>Something that is not a package was chosen to decrypt.</extracomment>
        <translation>Этот файл не зашифрован.</translation>
    </message>
    <message>
        <source>There&apos;s a problem.</source>
        <extracomment>The chosen item can&apos;t be opened, or is not a package Lockfern could have made.</extracomment>
        <translation>Возникла проблема.</translation>
    </message>
    <message>
        <source>No file is selected.</source>
        <translation>Файл не выбран.</translation>
    </message>
    <message>
        <source>Password is empty.</source>
        <translation>Пароль не введён.</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <extracomment>The repeated password differs from the first.</extracomment>
        <translation>Пароли не совпадают.</translation>
    </message>
    <message>
        <source>Success!</source>
        <extracomment>An encryption or decryption finished.</extracomment>
        <translation>Готово!</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <extracomment>The user cancelled a run.</extracomment>
        <translation>Отменено.</translation>
    </message>
    <message>
        <source>An error occured while encrypting.</source>
        <extracomment>The English misspelling stays in English only; write it correctly.</extracomment>
        <translation>При шифровании произошла ошибка.</translation>
    </message>
    <message>
        <source>An error occured while decrypting.</source>
        <extracomment>The English misspelling stays in English only; write it correctly.</extracomment>
        <translation>При расшифровке произошла ошибка.</translation>
    </message>
    <message>
        <source>Nothing was saved. Please try again.</source>
        <extracomment>Under a failed run.</extracomment>
        <translation>Ничего не сохранено. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>Wrong password, or the package is damaged. Check Caps Lock and the hint.</source>
        <extracomment>Under a failed decryption. A package is Lockfern&apos;s encrypted result, a folder NAME.lockfern.</extracomment>
        <translation>Неверный пароль или пакет повреждён. Проверьте Caps Lock и подсказку.</translation>
    </message>
    <message>
        <source>%1 already exists in %2.</source>
        <extracomment>%1 is a file or package name, %2 the name of the folder it is in (not a path).</extracomment>
        <translation>%1 уже есть в папке %2.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <extracomment>%1 is a folder&apos;s name; the folder is on a read-only disk.</extracomment>
        <translation>Папка %1 только для чтения.</translation>
    </message>
    <message>
        <source>You can&apos;t write to %1.</source>
        <extracomment>%1 is a folder&apos;s name; the user may not write there.</extracomment>
        <translation>Нет прав на запись в папку %1.</translation>
    </message>
    <message>
        <source>Not enough free space: %1 needed.</source>
        <extracomment>%1 is the space needed, a size such as &quot;1.2 GB&quot;.</extracomment>
        <translation>Недостаточно свободного места, требуется: %1.</translation>
    </message>
    <message>
        <source>The file was changed while it was being encrypted.</source>
        <translation>Файл был изменён во время шифрования.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read any more.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Не удаётся прочитать %1.</translation>
    </message>
    <message>
        <source>Will be saved as %1</source>
        <extracomment>Under the chosen file. %1 is the package&apos;s name, NAME.lockfern.</extracomment>
        <translation>Будет сохранено как %1</translation>
    </message>
    <message>
        <source>Will be restored as %1</source>
        <extracomment>Under the chosen package. %1 is the file&apos;s name once decrypted.</extracomment>
        <translation>Будет восстановлено как %1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <extracomment>After a decryption. %1 is the restored file&apos;s name.</extracomment>
        <translation>Сохранено как %1</translation>
    </message>
    <message>
        <source>Already there: %1</source>
        <extracomment>After a decryption that found the same file already there and wrote nothing. %1 is its name.</extracomment>
        <translation>Уже существует: %1</translation>
    </message>
    <message>
        <source>Saved as %1. %2 is still there, unencrypted.</source>
        <extracomment>After an encryption. %1 is the new package&apos;s name, %2 the original file&apos;s name.</extracomment>
        <translation>Сохранено как %1. Исходный файл %2 остался незашифрованным.</translation>
    </message>
    <message>
        <source>The folder in %1 is damaged or unsafe to restore. Nothing was restored.</source>
        <extracomment>%1 is a package&apos;s name; the folder encrypted in it can&apos;t be restored safely.</extracomment>
        <translation>Папка в пакете %1 повреждена или её небезопасно восстанавливать. Ничего не восстановлено.</translation>
    </message>
    <message>
        <source>Left out %1: only files, folders and links inside the folder are kept.</source>
        <extracomment>%1 is the path of an entry inside a folder being encrypted or restored, such as a socket or a device file, which a package does not keep.</extracomment>
        <translation>Пропущено: %1. Сохраняются только файлы, папки и ссылки внутри папки.</translation>
    </message>
    <message>
        <source>Cancelled. %1 of %2 were saved; %3 failed.</source>
        <extracomment>After a cancelled run of several items: %1 of %2 items were saved, %3 failed.</extracomment>
        <translation>Отменено. Сохранено: %1 из %2; с ошибкой: %3.</translation>
    </message>
    <message>
        <source>Cancelled. %1 of %2 were saved.</source>
        <extracomment>After a cancelled run of several items: %1 of %2 items were saved.</extracomment>
        <translation>Отменено. Сохранено: %1 из %2.</translation>
    </message>
    <message>
        <source>%1 of %2 were saved; %3 failed.</source>
        <extracomment>After a run of several items: %1 of %2 items were saved, %3 failed.</extracomment>
        <translation>Сохранено: %1 из %2; с ошибкой: %3.</translation>
    </message>
    <message>
        <source>All %2 were saved.</source>
        <extracomment>After a run of several items (two or more), all %2 of them saved.</extracomment>
        <translation>Все объекты сохранены (%2).</translation>
    </message>
    <message>
        <source>Not started.</source>
        <extracomment>Beside an item of several that a cancel stopped before it began.</extracomment>
        <translation>Не начато.</translation>
    </message>
</context>
<context>
    <name>Pane</name>
    <message>
        <source>Where the result will go</source>
        <extracomment>Screen-reader description of the line &quot;Will be saved as …&quot; under the chosen file.</extracomment>
        <translation>Куда будет сохранён результат</translation>
    </message>
    <message>
        <source>What happened to each</source>
        <extracomment>Screen-reader name of the list of items after a run of several.</extracomment>
        <translation>Что произошло с каждым</translation>
    </message>
</context>
<context>
    <name>PasswordField</name>
    <message>
        <source>%1 shows or hides the password</source>
        <extracomment>Screen-reader description of the password field; %1 is the shortcut, such as Alt+S.</extracomment>
        <translation>%1 показывает или скрывает пароль</translation>
    </message>
    <message>
        <source>Hide password</source>
        <extracomment>The eye inside the password field, an icon alone: its tool tip and screen-reader name.</extracomment>
        <translation>Скрыть пароль</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Показать пароль</translation>
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
        <translation>Слабый</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Средний</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Хороший</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Надёжный</translation>
    </message>
    <message>
        <source>Very strong</source>
        <translation>Очень надёжный</translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln year(s) to guess on one GPU</source>
        <extracomment>The line under the password field. %1 is the strength (&quot;Weak&quot;), %Ln the count; GPU is one graphics card.</extracomment>
        <translation>
            <numerusform>%1: подбор на одном GPU займёт около %Ln года</numerusform>
            <numerusform>%1: подбор на одном GPU займёт около %Ln лет</numerusform>
            <numerusform>%1: подбор на одном GPU займёт около %Ln лет</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln month(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: подбор на одном GPU займёт около %Ln месяца</numerusform>
            <numerusform>%1: подбор на одном GPU займёт около %Ln месяцев</numerusform>
            <numerusform>%1: подбор на одном GPU займёт около %Ln месяцев</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln day(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: подбор на одном GPU займёт около %Ln дня</numerusform>
            <numerusform>%1: подбор на одном GPU займёт около %Ln дней</numerusform>
            <numerusform>%1: подбор на одном GPU займёт около %Ln дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln hour(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: подбор на одном GPU займёт около %Ln часа</numerusform>
            <numerusform>%1: подбор на одном GPU займёт около %Ln часов</numerusform>
            <numerusform>%1: подбор на одном GPU займёт около %Ln часов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln minute(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: подбор на одном GPU займёт около %Ln минуты</numerusform>
            <numerusform>%1: подбор на одном GPU займёт около %Ln минут</numerusform>
            <numerusform>%1: подбор на одном GPU займёт около %Ln минут</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln second(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: подбор на одном GPU займёт около %Ln секунды</numerusform>
            <numerusform>%1: подбор на одном GPU займёт около %Ln секунд</numerusform>
            <numerusform>%1: подбор на одном GPU займёт около %Ln секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: less than a second to guess on one GPU</source>
        <extracomment>%1 is the strength (&quot;Weak&quot;); GPU is one graphics card.</extracomment>
        <translation>%1: подбор на одном GPU займёт меньше секунды</translation>
    </message>
    <message>
        <source>%1: more than a million years to guess on one GPU</source>
        <translation>%1: подбор на одном GPU займёт больше миллиона лет</translation>
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
        <translation>Состояние</translation>
    </message>
    <message>
        <source>What happened</source>
        <extracomment>Screen-reader description of the line under the status: where the result went, or why a run failed.</extracomment>
        <translation>Что произошло</translation>
    </message>
    <message>
        <source>Speed and time left</source>
        <extracomment>Screen-reader description of the line &quot;12.3 MB/s · 5 s left&quot; during a run.</extracomment>
        <translation>Скорость и оставшееся время</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Stops the encryption or decryption going on.</extracomment>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <extracomment>After a run: opens the file manager with the results selected. Use the desktop&apos;s own wording.</extracomment>
        <translation>Показать в файловом менеджере</translation>
    </message>
</context>
<context>
    <name>SendLog</name>
    <message>
        <source>No Mail Program</source>
        <extracomment>Title of the message when Send Log found no mail program.</extracomment>
        <translation>Нет почтовой программы</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Не удалось запустить почтовую программу.</translation>
    </message>
    <message>
        <source>Copy the log text into a mail to %1, or open the folder that holds the log file and attach it.</source>
        <extracomment>%1 is support&apos;s e-mail address.</extracomment>
        <translation>Скопируйте текст журнала в письмо на адрес %1 или откройте папку с файлом журнала и приложите его.</translation>
    </message>
    <message>
        <source>Copy Log Text</source>
        <extracomment>Copies the activity log to the clipboard.</extracomment>
        <translation>Копировать журнал</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <extracomment>Opens the folder that holds the log file.</extracomment>
        <translation>Открыть папку журнала</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Send Log</source>
        <extracomment>Title of the dialog that shows the activity log before it is mailed to support.</extracomment>
        <translation>Отправить журнал</translation>
    </message>
    <message>
        <source>This is the log that goes to support with your mail. It names the files you chose and holds the hints you typed; passwords are never in it.</source>
        <extracomment>Above the log, whose lines stay English.</extracomment>
        <translation>Этот журнал уйдёт в поддержку вместе с вашим письмом. В нём указаны выбранные файлы и введённые подсказки; паролей в нём никогда нет.</translation>
    </message>
    <message>
        <source>Activity log</source>
        <translation>Журнал действий</translation>
    </message>
    <message>
        <source>Send</source>
        <extracomment>Opens the mail program with the log attached.</extracomment>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>SupportMail</name>
    <message>
        <source>Type here</source>
        <extracomment>The body a new support mail starts with in the user&apos;s mail program.</extracomment>
        <translation>Введите текст здесь</translation>
    </message>
</context>
<context>
    <name>ViewController</name>
    <message>
        <source>‹ Back</source>
        <translation>‹ Назад</translation>
    </message>
    <message>
        <source>Back to the start (Esc)</source>
        <translation>Назад к началу (Esc)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Version and theme</source>
        <translation>Версия и тема</translation>
    </message>
    <message>
        <source>About Lockfern</source>
        <translation>О программе Lockfern</translation>
    </message>
    <message>
        <source>Send Log</source>
        <translation>Отправить журнал</translation>
    </message>
    <message>
        <source>Write to support with this session&apos;s activity log attached</source>
        <translation>Написать в поддержку, приложив журнал действий этого сеанса</translation>
    </message>
    <message>
        <source>What would you like to do?</source>
        <translation>Что вы хотите сделать?</translation>
    </message>
    <message>
        <source>Encrypt a File…</source>
        <translation>Зашифровать файл…</translation>
    </message>
    <message>
        <source>Lock a file with a password</source>
        <translation>Защитить файл паролем</translation>
    </message>
    <message>
        <source>Decrypt a Package…</source>
        <translation>Расшифровать пакет…</translation>
    </message>
    <message>
        <source>Restore a file from its .lockfern package</source>
        <translation>Восстановить файл из его пакета .lockfern</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Зашифровать</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Расшифровать</translation>
    </message>
</context>
</TS>
