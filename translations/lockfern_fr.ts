<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Lockfern</source>
        <translation>À propos de Lockfern</translation>
    </message>
    <message>
        <source>Lockfern icon</source>
        <translation>Icône de Lockfern</translation>
    </message>
    <message>
        <source>Application name</source>
        <translation>Nom de l’application</translation>
    </message>
    <message>
        <source>Made by the Lockfern developers</source>
        <translation>Créé par les développeurs de Lockfern</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Développeur</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>Thème sombre</translation>
    </message>
    <message>
        <source>Dark theme caption</source>
        <translation>Libellé du thème sombre</translation>
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
        <translation>encore %1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s left</source>
        <extracomment>Time left of a run; %1 is minutes, %2 seconds.</extracomment>
        <translation>encore %1 min %2 s</translation>
    </message>
    <message>
        <source>%1/s · %2</source>
        <extracomment>Under the progress bar: %1 is a size such as &quot;12.3 MB&quot;, so %1/s the speed; %2 the time left.</extracomment>
        <translation>%1/s · %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>During a run of several items: %1 is the item running, %2 how many there are; %3 the speed and time left.</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1 of %2 · %3</source>
        <translation>%1 sur %2 · %3</translation>
    </message>
</context>
<context>
    <name>CapsLockWarning</name>
    <message>
        <source>Caps Lock is on</source>
        <extracomment>Small warning under the password fields; name the key as the keyboard does.</extracomment>
        <translation>Verr. Maj activé</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>Screen-reader name of the warning sign before &quot;Caps Lock is on&quot;.</extracomment>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>CustomWindow</name>
    <message>
        <source>Quit Lockfern?</source>
        <extracomment>Asked when the window is closed while a run goes on. A run is an encryption or decryption.</extracomment>
        <translation>Quitter Lockfern&#xa0;?</translation>
    </message>
    <message>
        <source>Quit and cancel the run?</source>
        <translation>Quitter et annuler l’opération en cours&#xa0;?</translation>
    </message>
    <message>
        <source>The run going on now stops, and what it has written so far is removed. Your files stay as they were.</source>
        <translation>L’opération en cours s’arrête et ce qu’elle a déjà écrit est supprimé. Vos fichiers restent tels quels.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Keep Running</source>
        <extracomment>The default: the window stays and the run goes on.</extracomment>
        <translation>Continuer</translation>
    </message>
</context>
<context>
    <name>Decrypt</name>
    <message>
        <source>Decrypt a file</source>
        <translation>Déchiffrer un fichier</translation>
    </message>
    <message>
        <source>Choose a package…</source>
        <translation>Choisir un paquet…</translation>
    </message>
    <message>
        <source>Choose the .lockfern package to decrypt, or drop it here</source>
        <translation>Choisissez le paquet .lockfern à déchiffrer ou déposez-le ici</translation>
    </message>
    <message>
        <source>Chosen package</source>
        <translation>Paquet choisi</translation>
    </message>
    <message>
        <source>Package selected</source>
        <translation>Paquet sélectionné</translation>
    </message>
    <message>
        <source>Password hint</source>
        <translation>Indice du mot de passe</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Password used to encrypt</source>
        <translation>Mot de passe du chiffrement</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Déchiffrer</translation>
    </message>
    <message>
        <source>Choose the file you want to decrypt</source>
        <extracomment>Title of the file chooser, where the user picks a package (a folder NAME.lockfern).</extracomment>
        <translation>Choisissez le fichier à déchiffrer</translation>
    </message>
    <message>
        <source>Decryption progress</source>
        <extracomment>Screen-reader name of the progress bar.</extracomment>
        <translation>Progression du déchiffrement</translation>
    </message>
    <message>
        <source>Cancel the decryption</source>
        <extracomment>Screen-reader name of the Cancel button during a decryption.</extracomment>
        <translation>Annuler le déchiffrement</translation>
    </message>
    <message>
        <source>Shows the decrypted file in the file manager</source>
        <extracomment>Screen-reader description of &quot;Show in File Manager&quot;.</extracomment>
        <translation>Affiche le fichier déchiffré dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <extracomment>%1 is the password hint stored in the package, as its author typed it.</extracomment>
        <translation>Indice&#xa0;: %1</translation>
    </message>
    <message>
        <source>No package chosen</source>
        <extracomment>Where the chosen package&apos;s name goes. A package is Lockfern&apos;s encrypted result, a folder NAME.lockfern.</extracomment>
        <translation>Aucun paquet choisi</translation>
    </message>
    <message>
        <source>Chosen packages</source>
        <extracomment>Screen-reader name of the list of several packages chosen to decrypt.</extracomment>
        <translation>Paquets choisis</translation>
    </message>
    <message>
        <source>The packages have different hints; each is in the list below.</source>
        <extracomment>Where the hint goes, when several packages with different hints were chosen.</extracomment>
        <translation>Les paquets ont des indices différents ; chacun figure dans la liste ci-dessous.</translation>
    </message>
    <message numerus="yes">
        <source>%n packages</source>
        <extracomment>Where the chosen package&apos;s name goes, when several packages were chosen.</extracomment>
        <translation>
            <numerusform>%n paquet</numerusform>
            <numerusform>%n paquets</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Encrypt</name>
    <message>
        <source>Encrypt a file</source>
        <translation>Chiffrer un fichier</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Choisir un fichier…</translation>
    </message>
    <message>
        <source>Choose the file to encrypt, or drop it here</source>
        <translation>Choisissez le fichier à chiffrer ou déposez-le ici</translation>
    </message>
    <message>
        <source>Chosen file</source>
        <translation>Fichier choisi</translation>
    </message>
    <message>
        <source>File taken</source>
        <translation>Fichier accepté</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Repeat password:</source>
        <translation>Confirmation&#xa0;:</translation>
    </message>
    <message>
        <source>The same password again</source>
        <translation>Retapez le mot de passe</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>Confirmer le mot de passe</translation>
    </message>
    <message>
        <source>Password strength</source>
        <translation>Robustesse du mot de passe</translation>
    </message>
    <message>
        <source>Add Hint…</source>
        <translation>Ajouter un indice…</translation>
    </message>
    <message>
        <source>A hint to remember the password by, stored unencrypted in the package</source>
        <translation>Un indice pour se souvenir du mot de passe, stocké non chiffré dans le paquet</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Chiffrer</translation>
    </message>
    <message>
        <source>Choose the file you want to encrypt</source>
        <extracomment>Title of the file chooser.</extracomment>
        <translation>Choisissez le fichier à chiffrer</translation>
    </message>
    <message>
        <source>Encryption progress</source>
        <extracomment>Screen-reader name of the progress bar.</extracomment>
        <translation>Progression du chiffrement</translation>
    </message>
    <message>
        <source>Cancel the encryption</source>
        <extracomment>Screen-reader name of the Cancel button during an encryption.</extracomment>
        <translation>Annuler le chiffrement</translation>
    </message>
    <message>
        <source>Shows the encrypted package in the file manager</source>
        <extracomment>Screen-reader description of &quot;Show in File Manager&quot;. A package is Lockfern&apos;s encrypted result, a folder NAME.lockfern.</extracomment>
        <translation>Affiche le paquet chiffré dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Change Hint…</source>
        <extracomment>The button that opens the hint dialog, once a hint was typed and before.</extracomment>
        <translation>Modifier l’indice…</translation>
    </message>
    <message>
        <source>No file chosen</source>
        <extracomment>Where the chosen file&apos;s name goes.</extracomment>
        <translation>Aucun fichier choisi</translation>
    </message>
    <message>
        <source>Chosen files and folders</source>
        <extracomment>Screen-reader name of the list of several files and folders chosen to encrypt.</extracomment>
        <translation>Fichiers et dossiers choisis</translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <extracomment>Where the chosen file&apos;s name goes, when several files and folders were chosen.</extracomment>
        <translation>
            <numerusform>%n élément</numerusform>
            <numerusform>%n éléments</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Password Hint</source>
        <translation>Indice du mot de passe</translation>
    </message>
    <message>
        <source>Password hint</source>
        <translation>Indice du mot de passe</translation>
    </message>
    <message>
        <source>The hint is stored unencrypted in the package, for anyone to read. Never type the password itself.</source>
        <translation>L’indice est stocké non chiffré dans le paquet, lisible par tous. Ne saisissez jamais le mot de passe lui-même.</translation>
    </message>
    <message>
        <source>Password hint:</source>
        <translation>Indice du mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Keeps this hint and closes</source>
        <translation>Conserve cet indice et ferme</translation>
    </message>
</context>
<context>
    <name>ItemList</name>
    <message>
        <source>Name</source>
        <extracomment>Screen-reader names of the list&apos;s two columns: an item&apos;s name, and what happens or happened to it.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Ce qui se passe</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>This file is already encrypted.</source>
        <extracomment>A package was chosen to encrypt.</extracomment>
        <translation>Ce fichier est déjà chiffré.</translation>
    </message>
    <message>
        <source>This file is not encrypted.</source>
        <extracomment>Something that is not a package was chosen to decrypt.</extracomment>
        <translation>Ce fichier n’est pas chiffré.</translation>
    </message>
    <message>
        <source>There&apos;s a problem.</source>
        <extracomment>The chosen item can&apos;t be opened, or is not a package Lockfern could have made.</extracomment>
        <translation>Un problème est survenu.</translation>
    </message>
    <message>
        <source>No file is selected.</source>
        <translation>Aucun fichier sélectionné.</translation>
    </message>
    <message>
        <source>Password is empty.</source>
        <translation>Le mot de passe est vide.</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <extracomment>The repeated password differs from the first.</extracomment>
        <translation>Les mots de passe ne correspondent pas.</translation>
    </message>
    <message>
        <source>Success!</source>
        <extracomment>An encryption or decryption finished.</extracomment>
        <translation>Réussi&#xa0;!</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <extracomment>The user cancelled a run.</extracomment>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>An error occured while encrypting.</source>
        <extracomment>The English misspelling stays in English only; write it correctly.</extracomment>
        <translation>Une erreur est survenue lors du chiffrement.</translation>
    </message>
    <message>
        <source>An error occured while decrypting.</source>
        <extracomment>The English misspelling stays in English only; write it correctly.</extracomment>
        <translation>Une erreur est survenue lors du déchiffrement.</translation>
    </message>
    <message>
        <source>Nothing was saved. Please try again.</source>
        <extracomment>Under a failed run.</extracomment>
        <translation>Rien n’a été enregistré. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Wrong password, or the package is damaged. Check Caps Lock and the hint.</source>
        <extracomment>Under a failed decryption. A package is Lockfern&apos;s encrypted result, a folder NAME.lockfern.</extracomment>
        <translation>Mot de passe incorrect ou paquet endommagé. Vérifiez Verr. Maj et l’indice.</translation>
    </message>
    <message>
        <source>%1 already exists in %2.</source>
        <extracomment>%1 is a file or package name, %2 the name of the folder it is in (not a path).</extracomment>
        <translation>%1 existe déjà dans %2.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <extracomment>%1 is a folder&apos;s name; the folder is on a read-only disk.</extracomment>
        <translation>%1 est en lecture seule.</translation>
    </message>
    <message>
        <source>You can&apos;t write to %1.</source>
        <extracomment>%1 is a folder&apos;s name; the user may not write there.</extracomment>
        <translation>Impossible d’écrire dans %1.</translation>
    </message>
    <message>
        <source>Not enough free space: %1 needed.</source>
        <extracomment>%1 is the space needed, a size such as &quot;1.2 GB&quot;.</extracomment>
        <translation>Espace libre insuffisant&#xa0;: %1 requis.</translation>
    </message>
    <message>
        <source>The file was changed while it was being encrypted.</source>
        <translation>Le fichier a été modifié pendant son chiffrement.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read any more.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>%1 ne peut plus être lu.</translation>
    </message>
    <message>
        <source>Will be saved as %1</source>
        <extracomment>Under the chosen file. %1 is the package&apos;s name, NAME.lockfern.</extracomment>
        <translation>Sera enregistré sous %1</translation>
    </message>
    <message>
        <source>Will be restored as %1</source>
        <extracomment>Under the chosen package. %1 is the file&apos;s name once decrypted.</extracomment>
        <translation>Sera restauré sous %1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <extracomment>After a decryption. %1 is the restored file&apos;s name.</extracomment>
        <translation>Enregistré sous %1</translation>
    </message>
    <message>
        <source>Already there: %1</source>
        <extracomment>After a decryption that found the same file already there and wrote nothing. %1 is its name.</extracomment>
        <translation>Déjà présent&#xa0;: %1</translation>
    </message>
    <message>
        <source>Saved as %1. %2 is still there, unencrypted.</source>
        <extracomment>After an encryption. %1 is the new package&apos;s name, %2 the original file&apos;s name.</extracomment>
        <translation>Enregistré sous %1. %2 est toujours là, non chiffré.</translation>
    </message>
    <message>
        <source>The folder in %1 is damaged or unsafe to restore. Nothing was restored.</source>
        <extracomment>%1 is a package&apos;s name; the folder encrypted in it can&apos;t be restored safely.</extracomment>
        <translation>Le dossier contenu dans %1 est endommagé ou ne peut pas être restauré sans risque. Rien n’a été restauré.</translation>
    </message>
    <message>
        <source>Left out %1: only files, folders and links inside the folder are kept.</source>
        <extracomment>%1 is the path of an entry inside a folder being encrypted or restored, such as a socket or a device file, which a package does not keep.</extracomment>
        <translation>%1 ignoré : seuls les fichiers, dossiers et liens du dossier sont conservés.</translation>
    </message>
    <message>
        <source>Cancelled. %1 of %2 were saved; %3 failed.</source>
        <extracomment>After a cancelled run of several items: %1 of %2 items were saved, %3 failed.</extracomment>
        <translation>Annulé. Enregistrés : %1 sur %2 ; échecs : %3.</translation>
    </message>
    <message>
        <source>Cancelled. %1 of %2 were saved.</source>
        <extracomment>After a cancelled run of several items: %1 of %2 items were saved.</extracomment>
        <translation>Annulé. Enregistrés : %1 sur %2.</translation>
    </message>
    <message>
        <source>%1 of %2 were saved; %3 failed.</source>
        <extracomment>After a run of several items: %1 of %2 items were saved, %3 failed.</extracomment>
        <translation>Enregistrés : %1 sur %2 ; échecs : %3.</translation>
    </message>
    <message>
        <source>All %2 were saved.</source>
        <extracomment>After a run of several items (two or more), all %2 of them saved.</extracomment>
        <translation>Les %2 éléments ont été enregistrés.</translation>
    </message>
    <message>
        <source>Not started.</source>
        <extracomment>Beside an item of several that a cancel stopped before it began.</extracomment>
        <translation>Non commencé.</translation>
    </message>
</context>
<context>
    <name>Pane</name>
    <message>
        <source>Where the result will go</source>
        <extracomment>Screen-reader description of the line &quot;Will be saved as …&quot; under the chosen file.</extracomment>
        <translation>Emplacement du résultat</translation>
    </message>
    <message>
        <source>What happened to each</source>
        <extracomment>Screen-reader name of the list of items after a run of several.</extracomment>
        <translation>Résultat pour chaque élément</translation>
    </message>
</context>
<context>
    <name>PasswordField</name>
    <message>
        <source>%1 shows or hides the password</source>
        <extracomment>Screen-reader description of the password field; %1 is the shortcut, such as Alt+S.</extracomment>
        <translation>%1 affiche ou masque le mot de passe</translation>
    </message>
    <message>
        <source>Hide password</source>
        <extracomment>The eye inside the password field, an icon alone: its tool tip and screen-reader name.</extracomment>
        <translation>Masquer le mot de passe</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Afficher le mot de passe</translation>
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
        <translation>Faible</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bon</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Fort</translation>
    </message>
    <message>
        <source>Very strong</source>
        <translation>Très fort</translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln year(s) to guess on one GPU</source>
        <extracomment>The line under the password field. %1 is the strength (&quot;Weak&quot;), %Ln the count; GPU is one graphics card.</extracomment>
        <translation>
            <numerusform>%1&#xa0;: environ %Ln an pour le deviner avec un GPU</numerusform>
            <numerusform>%1&#xa0;: environ %Ln ans pour le deviner avec un GPU</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln month(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1&#xa0;: environ %Ln mois pour le deviner avec un GPU</numerusform>
            <numerusform>%1&#xa0;: environ %Ln mois pour le deviner avec un GPU</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln day(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1&#xa0;: environ %Ln jour pour le deviner avec un GPU</numerusform>
            <numerusform>%1&#xa0;: environ %Ln jours pour le deviner avec un GPU</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln hour(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1&#xa0;: environ %Ln heure pour le deviner avec un GPU</numerusform>
            <numerusform>%1&#xa0;: environ %Ln heures pour le deviner avec un GPU</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln minute(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1&#xa0;: environ %Ln minute pour le deviner avec un GPU</numerusform>
            <numerusform>%1&#xa0;: environ %Ln minutes pour le deviner avec un GPU</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln second(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1&#xa0;: environ %Ln seconde pour le deviner avec un GPU</numerusform>
            <numerusform>%1&#xa0;: environ %Ln secondes pour le deviner avec un GPU</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: less than a second to guess on one GPU</source>
        <extracomment>%1 is the strength (&quot;Weak&quot;); GPU is one graphics card.</extracomment>
        <translation>%1&#xa0;: moins d’une seconde pour le deviner avec un GPU</translation>
    </message>
    <message>
        <source>%1: more than a million years to guess on one GPU</source>
        <translation>%1&#xa0;: plus d’un million d’années pour le deviner avec un GPU</translation>
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
        <translation>État</translation>
    </message>
    <message>
        <source>What happened</source>
        <extracomment>Screen-reader description of the line under the status: where the result went, or why a run failed.</extracomment>
        <translation>Ce qui s’est passé</translation>
    </message>
    <message>
        <source>Speed and time left</source>
        <extracomment>Screen-reader description of the line &quot;12.3 MB/s · 5 s left&quot; during a run.</extracomment>
        <translation>Vitesse et temps restant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Stops the encryption or decryption going on.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <extracomment>After a run: opens the file manager with the results selected. Use the desktop&apos;s own wording.</extracomment>
        <translation>Afficher dans le gestionnaire de fichiers</translation>
    </message>
</context>
<context>
    <name>SendLog</name>
    <message>
        <source>No Mail Program</source>
        <extracomment>Title of the message when Send Log found no mail program.</extracomment>
        <translation>Aucun logiciel de messagerie</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Aucun logiciel de messagerie n’a pu être lancé.</translation>
    </message>
    <message>
        <source>Copy the log text into a mail to %1, or open the folder that holds the log file and attach it.</source>
        <extracomment>%1 is support&apos;s e-mail address.</extracomment>
        <translation>Copiez le texte du journal dans un courriel à %1, ou ouvrez le dossier contenant le fichier journal et joignez-le.</translation>
    </message>
    <message>
        <source>Copy Log Text</source>
        <extracomment>Copies the activity log to the clipboard.</extracomment>
        <translation>Copier le journal</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <extracomment>Opens the folder that holds the log file.</extracomment>
        <translation>Ouvrir le dossier du journal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Send Log</source>
        <extracomment>Title of the dialog that shows the activity log before it is mailed to support.</extracomment>
        <translation>Envoyer le journal</translation>
    </message>
    <message>
        <source>This is the log that goes to support with your mail. It names the files you chose and holds the hints you typed; passwords are never in it.</source>
        <extracomment>Above the log, whose lines stay English.</extracomment>
        <translation>Voici le journal envoyé à l’assistance avec votre courriel. Il cite les fichiers choisis et contient les indices saisis&#xa0;; les mots de passe n’y figurent jamais.</translation>
    </message>
    <message>
        <source>Activity log</source>
        <translation>Journal d’activité</translation>
    </message>
    <message>
        <source>Send</source>
        <extracomment>Opens the mail program with the log attached.</extracomment>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SupportMail</name>
    <message>
        <source>Type here</source>
        <extracomment>The body a new support mail starts with in the user&apos;s mail program.</extracomment>
        <translation>Écrivez ici</translation>
    </message>
</context>
<context>
    <name>ViewController</name>
    <message>
        <source>‹ Back</source>
        <translation>‹ Retour</translation>
    </message>
    <message>
        <source>Back to the start (Esc)</source>
        <translation>Retour à l’accueil (Échap)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version and theme</source>
        <translation>Version et thème</translation>
    </message>
    <message>
        <source>About Lockfern</source>
        <translation>À propos de Lockfern</translation>
    </message>
    <message>
        <source>Send Log</source>
        <translation>Envoyer le journal</translation>
    </message>
    <message>
        <source>Write to support with this session&apos;s activity log attached</source>
        <translation>Écrire à l’assistance en joignant le journal d’activité de cette session</translation>
    </message>
    <message>
        <source>What would you like to do?</source>
        <translation>Que voulez-vous faire&#xa0;?</translation>
    </message>
    <message>
        <source>Encrypt a File…</source>
        <translation>Chiffrer un fichier…</translation>
    </message>
    <message>
        <source>Lock a file with a password</source>
        <translation>Protéger un fichier par un mot de passe</translation>
    </message>
    <message>
        <source>Decrypt a Package…</source>
        <translation>Déchiffrer un paquet…</translation>
    </message>
    <message>
        <source>Restore a file from its .lockfern package</source>
        <translation>Restaurer un fichier depuis son paquet .lockfern</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Chiffrer</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Déchiffrer</translation>
    </message>
</context>
</TS>
