<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Lockfern</source>
        <translation>حول Lockfern</translation>
    </message>
    <message>
        <source>Lockfern icon</source>
        <translation>أيقونة Lockfern</translation>
    </message>
    <message>
        <source>Application name</source>
        <translation>اسم التطبيق</translation>
    </message>
    <message>
        <source>Made by the Lockfern developers</source>
        <translation>من إعداد مطوّري Lockfern</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>المطوّر</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>الإصدار</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>السمة الداكنة</translation>
    </message>
    <message>
        <source>Dark theme caption</source>
        <translation>تسمية السمة الداكنة</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <extracomment>%1 is the version number (1.0), %2 the build number.</extracomment>
        <translation>الإصدار %1 (%2)</translation>
    </message>
</context>
<context>
    <name>BackgroundRun</name>
    <message>
        <source>%1 s left</source>
        <extracomment>Time left of a run, under a minute; %1 is seconds.</extracomment>
        <translation>المتبقي %1 ث</translation>
    </message>
    <message>
        <source>%1 min %2 s left</source>
        <extracomment>Time left of a run; %1 is minutes, %2 seconds.</extracomment>
        <translation>المتبقي %1 د %2 ث</translation>
    </message>
    <message>
        <source>%1/s · %2</source>
        <extracomment>Under the progress bar: %1 is a size such as &quot;12.3 MB&quot;, so %1/s the speed; %2 the time left.</extracomment>
        <translation>%1/ث · %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>During a run of several items: %1 is the item running, %2 how many there are; %3 the speed and time left.</extracomment>
        <translation>%1 من %2</translation>
    </message>
    <message>
        <source>%1 of %2 · %3</source>
        <translation>%1 من %2 · %3</translation>
    </message>
</context>
<context>
    <name>CapsLockWarning</name>
    <message>
        <source>Caps Lock is on</source>
        <extracomment>Small warning under the password fields; name the key as the keyboard does.</extracomment>
        <translation>مفتاح Caps Lock مفعّل</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>Screen-reader name of the warning sign before &quot;Caps Lock is on&quot;.</extracomment>
        <translation>تحذير</translation>
    </message>
</context>
<context>
    <name>CustomWindow</name>
    <message>
        <source>Quit Lockfern?</source>
        <extracomment>Asked when the window is closed while a run goes on. A run is an encryption or decryption.</extracomment>
        <translation>هل تريد إنهاء Lockfern؟</translation>
    </message>
    <message>
        <source>Quit and cancel the run?</source>
        <translation>هل تريد الإنهاء وإلغاء العملية الجارية؟</translation>
    </message>
    <message>
        <source>The run going on now stops, and what it has written so far is removed. Your files stay as they were.</source>
        <translation>ستتوقف العملية الجارية ويُحذف ما كتبته حتى الآن. ستبقى ملفاتك كما كانت.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>Keep Running</source>
        <extracomment>The default: the window stays and the run goes on.</extracomment>
        <translation>متابعة</translation>
    </message>
</context>
<context>
    <name>Decrypt</name>
    <message>
        <source>Decrypt a file</source>
        <translation>فك تشفير ملف</translation>
    </message>
    <message>
        <source>Choose a package…</source>
        <translation>اختيار حزمة…</translation>
    </message>
    <message>
        <source>Choose the .lockfern package to decrypt, or drop it here</source>
        <translation>اختر حزمة ‎.lockfern المراد فك تشفيرها أو أفلتها هنا</translation>
    </message>
    <message>
        <source>Chosen package</source>
        <translation>الحزمة المختارة</translation>
    </message>
    <message>
        <source>Package selected</source>
        <translation>اختيرت الحزمة</translation>
    </message>
    <message>
        <source>Password hint</source>
        <translation>تلميح كلمة المرور</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>كلمة المرور:</translation>
    </message>
    <message>
        <source>Password used to encrypt</source>
        <translation>كلمة المرور المستخدمة في التشفير</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>فك التشفير</translation>
    </message>
    <message>
        <source>Choose the file you want to decrypt</source>
        <extracomment>Title of the file chooser, where the user picks a package (a folder NAME.lockfern).</extracomment>
        <translation>اختر الملف الذي تريد فك تشفيره</translation>
    </message>
    <message>
        <source>Decryption progress</source>
        <extracomment>Screen-reader name of the progress bar.</extracomment>
        <translation>تقدّم فك التشفير</translation>
    </message>
    <message>
        <source>Cancel the decryption</source>
        <extracomment>Screen-reader name of the Cancel button during a decryption.</extracomment>
        <translation>إلغاء فك التشفير</translation>
    </message>
    <message>
        <source>Shows the decrypted file in the file manager</source>
        <extracomment>Screen-reader description of &quot;Show in File Manager&quot;.</extracomment>
        <translation>يُظهر الملف بعد فك تشفيره في مدير الملفات</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <extracomment>%1 is the password hint stored in the package, as its author typed it.</extracomment>
        <translation>التلميح: %1</translation>
    </message>
    <message>
        <source>No package chosen</source>
        <extracomment>Where the chosen package&apos;s name goes. A package is Lockfern&apos;s encrypted result, a folder NAME.lockfern.</extracomment>
        <translation>لم تُختر أي حزمة</translation>
    </message>
    <message>
        <source>Chosen packages</source>
        <extracomment>Screen-reader name of the list of several packages chosen to decrypt.</extracomment>
        <translation>الحزم المختارة</translation>
    </message>
    <message>
        <source>The packages have different hints; each is in the list below.</source>
        <extracomment>Where the hint goes, when several packages with different hints were chosen.</extracomment>
        <translation>تختلف تلميحات الحزم؛ كل تلميح موجود في القائمة أدناه.</translation>
    </message>
    <message numerus="yes">
        <source>%n packages</source>
        <extracomment>Where the chosen package&apos;s name goes, when several packages were chosen.</extracomment>
        <translation>
            <numerusform>%n حزمة</numerusform>
            <numerusform>%n حزمة</numerusform>
            <numerusform>%n حزمة</numerusform>
            <numerusform>%n حزم</numerusform>
            <numerusform>%n حزمة</numerusform>
            <numerusform>%n حزمة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Encrypt</name>
    <message>
        <source>Encrypt a file</source>
        <translation>تشفير ملف</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>اختيار ملف…</translation>
    </message>
    <message>
        <source>Choose the file to encrypt, or drop it here</source>
        <translation>اختر الملف المراد تشفيره أو أفلته هنا</translation>
    </message>
    <message>
        <source>Chosen file</source>
        <translation>الملف المختار</translation>
    </message>
    <message>
        <source>File taken</source>
        <translation>قُبل الملف</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>كلمة المرور:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>Repeat password:</source>
        <translation>تأكيد كلمة المرور:</translation>
    </message>
    <message>
        <source>The same password again</source>
        <translation>كلمة المرور نفسها مرة أخرى</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>تأكيد كلمة المرور</translation>
    </message>
    <message>
        <source>Password strength</source>
        <translation>قوة كلمة المرور</translation>
    </message>
    <message>
        <source>Add Hint…</source>
        <translation>إضافة تلميح…</translation>
    </message>
    <message>
        <source>A hint to remember the password by, stored unencrypted in the package</source>
        <translation>تلميح يساعدك على تذكّر كلمة المرور، يُحفظ في الحزمة دون تشفير</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>تشفير</translation>
    </message>
    <message>
        <source>Choose the file you want to encrypt</source>
        <extracomment>Title of the file chooser.</extracomment>
        <translation>اختر الملف الذي تريد تشفيره</translation>
    </message>
    <message>
        <source>Encryption progress</source>
        <extracomment>Screen-reader name of the progress bar.</extracomment>
        <translation>تقدّم التشفير</translation>
    </message>
    <message>
        <source>Cancel the encryption</source>
        <extracomment>Screen-reader name of the Cancel button during an encryption.</extracomment>
        <translation>إلغاء التشفير</translation>
    </message>
    <message>
        <source>Shows the encrypted package in the file manager</source>
        <extracomment>Screen-reader description of &quot;Show in File Manager&quot;. A package is Lockfern&apos;s encrypted result, a folder NAME.lockfern.</extracomment>
        <translation>يُظهر الحزمة المشفّرة في مدير الملفات</translation>
    </message>
    <message>
        <source>Change Hint…</source>
        <extracomment>The button that opens the hint dialog, once a hint was typed and before.</extracomment>
        <translation>تغيير التلميح…</translation>
    </message>
    <message>
        <source>No file chosen</source>
        <extracomment>Where the chosen file&apos;s name goes.</extracomment>
        <translation>لم يُختر أي ملف</translation>
    </message>
    <message>
        <source>Chosen files and folders</source>
        <extracomment>Screen-reader name of the list of several files and folders chosen to encrypt.</extracomment>
        <translation>الملفات والمجلدات المختارة</translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <extracomment>Where the chosen file&apos;s name goes, when several files and folders were chosen.</extracomment>
        <translation>
            <numerusform>%n عنصر</numerusform>
            <numerusform>%n عنصر</numerusform>
            <numerusform>%n عنصران</numerusform>
            <numerusform>%n عناصر</numerusform>
            <numerusform>%n عنصرًا</numerusform>
            <numerusform>%n عنصر</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Password Hint</source>
        <translation>تلميح كلمة المرور</translation>
    </message>
    <message>
        <source>Password hint</source>
        <translation>تلميح كلمة المرور</translation>
    </message>
    <message>
        <source>The hint is stored unencrypted in the package, for anyone to read. Never type the password itself.</source>
        <translation>يُحفظ التلميح في الحزمة دون تشفير، ويستطيع أي شخص قراءته. لا تكتب كلمة المرور نفسها أبدًا.</translation>
    </message>
    <message>
        <source>Password hint:</source>
        <translation>تلميح كلمة المرور:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>اختياري</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>Keeps this hint and closes</source>
        <translation>يحفظ هذا التلميح ويغلق النافذة</translation>
    </message>
</context>
<context>
    <name>ItemList</name>
    <message>
        <source>Name</source>
        <extracomment>Screen-reader names of the list&apos;s two columns: an item&apos;s name, and what happens or happened to it.</extracomment>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>ما يحدث</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>This file is already encrypted.</source>
        <extracomment>A package was chosen to encrypt.</extracomment>
        <translation>هذا الملف مشفّر بالفعل.</translation>
    </message>
    <message>
        <source>This file is not encrypted.</source>
        <extracomment>Something that is not a package was chosen to decrypt.</extracomment>
        <translation>هذا الملف غير مشفّر.</translation>
    </message>
    <message>
        <source>There&apos;s a problem.</source>
        <extracomment>The chosen item can&apos;t be opened, or is not a package Lockfern could have made.</extracomment>
        <translation>حدثت مشكلة.</translation>
    </message>
    <message>
        <source>No file is selected.</source>
        <translation>لم يُحدَّد أي ملف.</translation>
    </message>
    <message>
        <source>Password is empty.</source>
        <translation>كلمة المرور فارغة.</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <extracomment>The repeated password differs from the first.</extracomment>
        <translation>كلمتا المرور غير متطابقتين.</translation>
    </message>
    <message>
        <source>Success!</source>
        <extracomment>An encryption or decryption finished.</extracomment>
        <translation>تمّ بنجاح!</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <extracomment>The user cancelled a run.</extracomment>
        <translation>أُلغيت العملية.</translation>
    </message>
    <message>
        <source>An error occured while encrypting.</source>
        <extracomment>The English misspelling stays in English only; write it correctly.</extracomment>
        <translation>حدث خطأ أثناء التشفير.</translation>
    </message>
    <message>
        <source>An error occured while decrypting.</source>
        <extracomment>The English misspelling stays in English only; write it correctly.</extracomment>
        <translation>حدث خطأ أثناء فك التشفير.</translation>
    </message>
    <message>
        <source>Nothing was saved. Please try again.</source>
        <extracomment>Under a failed run.</extracomment>
        <translation>لم يُحفظ أي شيء. يُرجى المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>Wrong password, or the package is damaged. Check Caps Lock and the hint.</source>
        <extracomment>Under a failed decryption. A package is Lockfern&apos;s encrypted result, a folder NAME.lockfern.</extracomment>
        <translation>كلمة المرور خاطئة أو أن الحزمة تالفة. تحقّق من مفتاح Caps Lock ومن التلميح.</translation>
    </message>
    <message>
        <source>%1 already exists in %2.</source>
        <extracomment>%1 is a file or package name, %2 the name of the folder it is in (not a path).</extracomment>
        <translation>%1 موجود بالفعل في %2.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <extracomment>%1 is a folder&apos;s name; the folder is on a read-only disk.</extracomment>
        <translation>%1 للقراءة فقط.</translation>
    </message>
    <message>
        <source>You can&apos;t write to %1.</source>
        <extracomment>%1 is a folder&apos;s name; the user may not write there.</extracomment>
        <translation>لا تملك صلاحية الكتابة في %1.</translation>
    </message>
    <message>
        <source>Not enough free space: %1 needed.</source>
        <extracomment>%1 is the space needed, a size such as &quot;1.2 GB&quot;.</extracomment>
        <translation>المساحة الحرة غير كافية: يلزم %1.</translation>
    </message>
    <message>
        <source>The file was changed while it was being encrypted.</source>
        <translation>تغيّر الملف أثناء تشفيره.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read any more.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>لم تعد قراءة %1 ممكنة.</translation>
    </message>
    <message>
        <source>Will be saved as %1</source>
        <extracomment>Under the chosen file. %1 is the package&apos;s name, NAME.lockfern.</extracomment>
        <translation>سيُحفظ باسم %1</translation>
    </message>
    <message>
        <source>Will be restored as %1</source>
        <extracomment>Under the chosen package. %1 is the file&apos;s name once decrypted.</extracomment>
        <translation>سيُستعاد باسم %1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <extracomment>After a decryption. %1 is the restored file&apos;s name.</extracomment>
        <translation>حُفظ باسم %1</translation>
    </message>
    <message>
        <source>Already there: %1</source>
        <extracomment>After a decryption that found the same file already there and wrote nothing. %1 is its name.</extracomment>
        <translation>موجود بالفعل: %1</translation>
    </message>
    <message>
        <source>Saved as %1. %2 is still there, unencrypted.</source>
        <extracomment>After an encryption. %1 is the new package&apos;s name, %2 the original file&apos;s name.</extracomment>
        <translation>حُفظ باسم %1. لا يزال %2 في مكانه دون تشفير.</translation>
    </message>
    <message>
        <source>The folder in %1 is damaged or unsafe to restore. Nothing was restored.</source>
        <extracomment>%1 is a package&apos;s name; the folder encrypted in it can&apos;t be restored safely.</extracomment>
        <translation>المجلد الموجود في %1 تالف أو غير آمن للاستعادة. لم تتم استعادة أي شيء.</translation>
    </message>
    <message>
        <source>Left out %1: only files, folders and links inside the folder are kept.</source>
        <extracomment>%1 is the path of an entry inside a folder being encrypted or restored, such as a socket or a device file, which a package does not keep.</extracomment>
        <translation>تم تخطي %1: يُحتفظ فقط بالملفات والمجلدات والروابط الموجودة داخل المجلد.</translation>
    </message>
    <message>
        <source>Cancelled. %1 of %2 were saved; %3 failed.</source>
        <extracomment>After a cancelled run of several items: %1 of %2 items were saved, %3 failed.</extracomment>
        <translation>تم الإلغاء. تم حفظ %1 من %2؛ وفشل %3.</translation>
    </message>
    <message>
        <source>Cancelled. %1 of %2 were saved.</source>
        <extracomment>After a cancelled run of several items: %1 of %2 items were saved.</extracomment>
        <translation>تم الإلغاء. تم حفظ %1 من %2.</translation>
    </message>
    <message>
        <source>%1 of %2 were saved; %3 failed.</source>
        <extracomment>After a run of several items: %1 of %2 items were saved, %3 failed.</extracomment>
        <translation>تم حفظ %1 من %2؛ وفشل %3.</translation>
    </message>
    <message>
        <source>All %2 were saved.</source>
        <extracomment>After a run of several items (two or more), all %2 of them saved.</extracomment>
        <translation>تم حفظ جميع العناصر (%2).</translation>
    </message>
    <message>
        <source>Not started.</source>
        <extracomment>Beside an item of several that a cancel stopped before it began.</extracomment>
        <translation>لم يبدأ.</translation>
    </message>
</context>
<context>
    <name>Pane</name>
    <message>
        <source>Where the result will go</source>
        <extracomment>Screen-reader description of the line &quot;Will be saved as …&quot; under the chosen file.</extracomment>
        <translation>مكان حفظ النتيجة</translation>
    </message>
    <message>
        <source>What happened to each</source>
        <extracomment>Screen-reader name of the list of items after a run of several.</extracomment>
        <translation>ما حدث لكل عنصر</translation>
    </message>
</context>
<context>
    <name>PasswordField</name>
    <message>
        <source>%1 shows or hides the password</source>
        <extracomment>Screen-reader description of the password field; %1 is the shortcut, such as Alt+S.</extracomment>
        <translation>اضغط %1 لإظهار كلمة المرور أو إخفائها</translation>
    </message>
    <message>
        <source>Hide password</source>
        <extracomment>The eye inside the password field, an icon alone: its tool tip and screen-reader name.</extracomment>
        <translation>إخفاء كلمة المرور</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>إظهار كلمة المرور</translation>
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
        <translation>ضعيفة</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>مقبولة</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>جيدة</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>قوية</translation>
    </message>
    <message>
        <source>Very strong</source>
        <translation>قوية جدًا</translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln year(s) to guess on one GPU</source>
        <extracomment>The line under the password field. %1 is the strength (&quot;Weak&quot;), %Ln the count; GPU is one graphics card.</extracomment>
        <translation>
            <numerusform>%1: نحو %Ln سنة لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln سنة لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln سنة لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln سنوات لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln سنة لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln سنة لتخمينها باستخدام GPU واحد</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln month(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: نحو %Ln شهر لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln شهر لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln شهر لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln أشهر لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln شهرًا لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln شهر لتخمينها باستخدام GPU واحد</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln day(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: نحو %Ln يوم لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln يوم لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln يوم لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln أيام لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln يومًا لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln يوم لتخمينها باستخدام GPU واحد</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln hour(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: نحو %Ln ساعة لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln ساعة لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln ساعة لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln ساعات لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln ساعة لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln ساعة لتخمينها باستخدام GPU واحد</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln minute(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: نحو %Ln دقيقة لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln دقيقة لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln دقيقة لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln دقائق لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln دقيقة لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln دقيقة لتخمينها باستخدام GPU واحد</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln second(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: نحو %Ln ثانية لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln ثانية لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln ثانية لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln ثوانٍ لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln ثانية لتخمينها باستخدام GPU واحد</numerusform>
            <numerusform>%1: نحو %Ln ثانية لتخمينها باستخدام GPU واحد</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: less than a second to guess on one GPU</source>
        <extracomment>%1 is the strength (&quot;Weak&quot;); GPU is one graphics card.</extracomment>
        <translation>%1: أقل من ثانية لتخمينها باستخدام GPU واحد</translation>
    </message>
    <message>
        <source>%1: more than a million years to guess on one GPU</source>
        <translation>%1: أكثر من مليون سنة لتخمينها باستخدام GPU واحد</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>Status</source>
        <extracomment>Screen-reader description of the status line (&quot;Success!&quot;, &quot;Password is empty.&quot;).</extracomment>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>What happened</source>
        <extracomment>Screen-reader description of the line under the status: where the result went, or why a run failed.</extracomment>
        <translation>ما حدث</translation>
    </message>
    <message>
        <source>Speed and time left</source>
        <extracomment>Screen-reader description of the line &quot;12.3 MB/s · 5 s left&quot; during a run.</extracomment>
        <translation>السرعة والوقت المتبقي</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Stops the encryption or decryption going on.</extracomment>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <extracomment>After a run: opens the file manager with the results selected. Use the desktop&apos;s own wording.</extracomment>
        <translation>إظهار في مدير الملفات</translation>
    </message>
</context>
<context>
    <name>SendLog</name>
    <message>
        <source>No Mail Program</source>
        <extracomment>Title of the message when Send Log found no mail program.</extracomment>
        <translation>لا يوجد برنامج بريد</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>تعذّر تشغيل أي برنامج بريد.</translation>
    </message>
    <message>
        <source>Copy the log text into a mail to %1, or open the folder that holds the log file and attach it.</source>
        <extracomment>%1 is support&apos;s e-mail address.</extracomment>
        <translation>انسخ نص السجل إلى رسالة بريد إلى %1، أو افتح المجلد الذي يحتوي ملف السجل وأرفقه.</translation>
    </message>
    <message>
        <source>Copy Log Text</source>
        <extracomment>Copies the activity log to the clipboard.</extracomment>
        <translation>نسخ نص السجل</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <extracomment>Opens the folder that holds the log file.</extracomment>
        <translation>فتح مجلد السجل</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Send Log</source>
        <extracomment>Title of the dialog that shows the activity log before it is mailed to support.</extracomment>
        <translation>إرسال السجل</translation>
    </message>
    <message>
        <source>This is the log that goes to support with your mail. It names the files you chose and holds the hints you typed; passwords are never in it.</source>
        <extracomment>Above the log, whose lines stay English.</extracomment>
        <translation>هذا هو السجل الذي يُرسل إلى الدعم مع رسالتك. يذكر الملفات التي اخترتها ويتضمن التلميحات التي كتبتها، ولا يحتوي كلمات المرور أبدًا.</translation>
    </message>
    <message>
        <source>Activity log</source>
        <translation>سجل النشاط</translation>
    </message>
    <message>
        <source>Send</source>
        <extracomment>Opens the mail program with the log attached.</extracomment>
        <translation>إرسال</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>SupportMail</name>
    <message>
        <source>Type here</source>
        <extracomment>The body a new support mail starts with in the user&apos;s mail program.</extracomment>
        <translation>اكتب هنا</translation>
    </message>
</context>
<context>
    <name>ViewController</name>
    <message>
        <source>‹ Back</source>
        <translation>‹ رجوع</translation>
    </message>
    <message>
        <source>Back to the start (Esc)</source>
        <translation>العودة إلى البداية (Esc)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Version and theme</source>
        <translation>الإصدار والسمة</translation>
    </message>
    <message>
        <source>About Lockfern</source>
        <translation>حول Lockfern</translation>
    </message>
    <message>
        <source>Send Log</source>
        <translation>إرسال السجل</translation>
    </message>
    <message>
        <source>Write to support with this session&apos;s activity log attached</source>
        <translation>مراسلة الدعم مع إرفاق سجل نشاط هذه الجلسة</translation>
    </message>
    <message>
        <source>What would you like to do?</source>
        <translation>ماذا تريد أن تفعل؟</translation>
    </message>
    <message>
        <source>Encrypt a File…</source>
        <translation>تشفير ملف…</translation>
    </message>
    <message>
        <source>Lock a file with a password</source>
        <translation>قفل ملف بكلمة مرور</translation>
    </message>
    <message>
        <source>Decrypt a Package…</source>
        <translation>فك تشفير حزمة…</translation>
    </message>
    <message>
        <source>Restore a file from its .lockfern package</source>
        <translation>استعادة ملف من حزمة ‎.lockfern الخاصة به</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>تشفير</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>فك التشفير</translation>
    </message>
</context>
</TS>
