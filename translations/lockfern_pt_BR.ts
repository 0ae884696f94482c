<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>About Lockfern</source>
        <translation>Sobre o Lockfern</translation>
    </message>
    <message>
        <source>Lockfern icon</source>
        <translation>Ícone do Lockfern</translation>
    </message>
    <message>
        <source>Application name</source>
        <translation>Nome do aplicativo</translation>
    </message>
    <message>
        <source>Made by the Lockfern developers</source>
        <translation>Feito pelos desenvolvedores do Lockfern</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Desenvolvedor</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>Tema escuro</translation>
    </message>
    <message>
        <source>Dark theme caption</source>
        <translation>Rótulo do tema escuro</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <extracomment>%1 is the version number (1.0), %2 the build number.</extracomment>
        <translation>Versão %1 (%2)</translation>
    </message>
</context>
<context>
    <name>BackgroundRun</name>
    <message>
        <source>%1 s left</source>
        <extracomment>Time left of a run, under a minute; %1 is seconds.</extracomment>
        <translation>faltam %1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s left</source>
        <extracomment>Time left of a run; %1 is minutes, %2 seconds.</extracomment>
        <translation>faltam %1 min %2 s</translation>
    </message>
    <message>
        <source>%1/s · %2</source>
        <extracomment>Under the progress bar: %1 is a size such as &quot;12.3 MB&quot;, so %1/s the speed; %2 the time left.</extracomment>
        <translation>%1/s · %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>During a run of several items: %1 is the item running, %2 how many there are; %3 the speed and time left.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 of %2 · %3</source>
        <translation>%1 de %2 · %3</translation>
    </message>
</context>
<context>
    <name>CapsLockWarning</name>
    <message>
        <source>Caps Lock is on</source>
        <extracomment>Small warning under the password fields; name the key as the keyboard does.</extracomment>
        <translation>Caps Lock ativado</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>Screen-reader name of the warning sign before &quot;Caps Lock is on&quot;.</extracomment>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>CustomWindow</name>
    <message>
        <source>Quit Lockfern?</source>
        <extracomment>Asked when the window is closed while a run goes on. A run is an encryption or decryption.</extracomment>
        <translation>Sair do Lockfern?</translation>
    </message>
    <message>
        <source>Quit and cancel the run?</source>
        <translation>Sair e cancelar a operação em andamento?</translation>
    </message>
    <message>
        <source>The run going on now stops, and what it has written so far is removed. Your files stay as they were.</source>
        <translation>A operação em andamento é interrompida e o que ela já gravou é removido. Seus arquivos permanecem como estavam.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Keep Running</source>
        <extracomment>The default: the window stays and the run goes on.</extracomment>
        <translation>Continuar</translation>
    </message>
</context>
<context>
    <name>Decrypt</name>
    <message>
        <source>Decrypt a file</source>
        <translation>Descriptografar um arquivo</translation>
    </message>
    <message>
        <source>Choose a package…</source>
        <translation>Escolher um pacote…</translation>
    </message>
    <message>
        <source>Choose the .lockfern package to decrypt, or drop it here</source>
        <translation>Escolha o pacote .lockfern a descriptografar ou solte-o aqui</translation>
    </message>
    <message>
        <source>Chosen package</source>
        <translation>Pacote escolhido</translation>
    </message>
    <message>
        <source>Package selected</source>
        <translation>Pacote selecionado</translation>
    </message>
    <message>
        <source>Password hint</source>
        <translation>Dica de senha</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>Password used to encrypt</source>
        <translation>Senha usada na criptografia</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Descriptografar</translation>
    </message>
    <message>
        <source>Choose the file you want to decrypt</source>
        <extracomment>Title of the file chooser, where the user picks a package (a folder NAME.lockfern).</extracomment>
        <translation>Escolha o arquivo que deseja descriptografar</translation>
    </message>
    <message>
        <source>Decryption progress</source>
        <extracomment>Screen-reader name of the progress bar.</extracomment>
        <translation>Progresso da descriptografia</translation>
    </message>
    <message>
        <source>Cancel the decryption</source>
        <extracomment>Screen-reader name of the Cancel button during a decryption.</extracomment>
        <translation>Cancelar a descriptografia</translation>
    </message>
    <message>
        <source>Shows the decrypted file in the file manager</source>
        <extracomment>Screen-reader description of &quot;Show in File Manager&quot;.</extracomment>
        <translation>Mostra o arquivo descriptografado no gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <extracomment>%1 is the password hint stored in the package, as its author typed it.</extracomment>
        <translation>Dica: %1</translation>
    </message>
    <message>
        <source>No package chosen</source>
        <extracomment>Where the chosen package&apos;s name goes. A package is Lockfern&apos;s encrypted result, a folder NAME.lockfern.</extracomment>
        <translation>Nenhum pacote escolhido</translation>
    </message>
    <message>
        <source>Chosen packages</source>
        <extracomment>Screen-reader name of the list of several packages chosen to decrypt.</extracomment>
        <translation>Pacotes escolhidos</translation>
    </message>
    <message>
        <source>The packages have different hints; each is in the list below.</source>
        <extracomment>Where the hint goes, when several packages with different hints were chosen.</extracomment>
        <translation>Os pacotes têm dicas diferentes; cada uma está na lista abaixo.</translation>
    </message>
    <message numerus="yes">
        <source>%n packages</source>
        <extracomment>Where the chosen package&apos;s name goes, when several packages were chosen.</extracomment>
        <translation>
            <numerusform>%n pacote</numerusform>
            <numerusform>%n pacotes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Encrypt</name>
    <message>
        <source>Encrypt a file</source>
        <translation>Criptografar um arquivo</translation>
    </message>
    <message>
        <source>Choose File…</source>
        <translation>Escolher arquivo…</translation>
    </message>
    <message>
        <source>Choose the file to encrypt, or drop it here</source>
        <translation>Escolha o arquivo a criptografar ou solte-o aqui</translation>
    </message>
    <message>
        <source>Chosen file</source>
        <translation>Arquivo escolhido</translation>
    </message>
    <message>
        <source>File taken</source>
        <translation>Arquivo aceito</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Repeat password:</source>
        <translation>Repetir senha:</translation>
    </message>
    <message>
        <source>The same password again</source>
        <translation>A mesma senha novamente</translation>
    </message>
    <message>
        <source>Repeat password</source>
        <translation>Repetir senha</translation>
    </message>
    <message>
        <source>Password strength</source>
        <translation>Força da senha</translation>
    </message>
    <message>
        <source>Add Hint…</source>
        <translation>Adicionar dica…</translation>
    </message>
    <message>
        <source>A hint to remember the password by, stored unencrypted in the package</source>
        <translation>Uma dica para lembrar a senha, armazenada sem criptografia no pacote</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Criptografar</translation>
    </message>
    <message>
        <source>Choose the file you want to encrypt</source>
        <extracomment>Title of the file chooser.</extracomment>
        <translation>Escolha o arquivo que deseja criptografar</translation>
    </message>
    <message>
        <source>Encryption progress</source>
        <extracomment>Screen-reader name of the progress bar.</extracomment>
        <translation>Progresso da criptografia</translation>
    </message>
    <message>
        <source>Cancel the encryption</source>
        <extracomment>Screen-reader name of the Cancel button during an encryption.</extracomment>
        <translation>Cancelar a criptografia</translation>
    </message>
    <message>
        <source>Shows the encrypted package in the file manager</source>
        <extracomment>Screen-reader description of &quot;Show in File Manager&quot;. A package is Lockfern&apos;s encrypted result, a folder NAME.lockfern.</extracomment>
        <translation>Mostra o pacote criptografado no gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Change Hint…</source>
        <extracomment>The button that opens the hint dialog, once a hint was typed and before.</extracomment>
        <translation>Alterar dica…</translation>
    </message>
    <message>
        <source>No file chosen</source>
        <extracomment>Where the chosen file&apos;s name goes.</extracomment>
        <translation>Nenhum arquivo escolhido</translation>
    </message>
    <message>
        <source>Chosen files and folders</source>
        <extracomment>Screen-reader name of the list of several files and folders chosen to encrypt.</extracomment>
        <translation>Arquivos e pastas escolhidos</translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <extracomment>Where the chosen file&apos;s name goes, when several files and folders were chosen.</extracomment>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n itens</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Password Hint</source>
        <translation>Dica de senha</translation>
    </message>
    <message>
        <source>Password hint</source>
        <translation>Dica de senha</translation>
    </message>
    <message>
        <source>The hint is stored unencrypted in the package, for anyone to read. Never type the password itself.</source>
        <translation>A dica é armazenada sem criptografia no pacote e qualquer pessoa pode lê-la. Nunca digite a própria senha.</translation>
    </message>
    <message>
        <source>Password hint:</source>
        <translation>Dica de senha:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Keeps this hint and closes</source>
        <translation>Mantém esta dica e fecha</translation>
    </message>
</context>
<context>
    <name>ItemList</name>
    <message>
        <source>Name</source>
        <extracomment>Screen-reader names of the list&apos;s two columns: an item&apos;s name, and what happens or happened to it.</extracomment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>O que acontece</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>This file is already encrypted.</source>
        <extracomment>A package was chosen to encrypt.</extracomment>
        <translation>Este arquivo já está criptografado.</translation>
    </message>
    <message>
        <source>This file is not encrypted.</source>
        <extracomment>Something that is not a package was chosen to decrypt.</extracomment>
        <translation>Este arquivo não está criptografado.</translation>
    </message>
    <message>
        <source>There&apos;s a problem.</source>
        <extracomment>The chosen item can&apos;t be opened, or is not a package Lockfern could have made.</extracomment>
        <translation>Há um problema.</translation>
    </message>
    <message>
        <source>No file is selected.</source>
        <translation>Nenhum arquivo selecionado.</translation>
    </message>
    <message>
        <source>Password is empty.</source>
        <translation>A senha está vazia.</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match.</source>
        <extracomment>The repeated password differs from the first.</extracomment>
        <translation>As senhas não coincidem.</translation>
    </message>
    <message>
        <source>Success!</source>
        <extracomment>An encryption or decryption finished.</extracomment>
        <translation>Sucesso!</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <extracomment>The user cancelled a run.</extracomment>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>An error occured while encrypting.</source>
        <extracomment>The English misspelling stays in English only; write it correctly.</extracomment>
        <translation>Ocorreu um erro ao criptografar.</translation>
    </message>
    <message>
        <source>An error occured while decrypting.</source>
        <extracomment>The English misspelling stays in English only; write it correctly.</extracomment>
        <translation>Ocorreu um erro ao descriptografar.</translation>
    </message>
    <message>
        <source>Nothing was saved. Please try again.</source>
        <extracomment>Under a failed run.</extracomment>
        <translation>Nada foi salvo. Tente novamente.</translation>
    </message>
    <message>
        <source>Wrong password, or the package is damaged. Check Caps Lock and the hint.</source>
        <extracomment>Under a failed decryption. A package is Lockfern&apos;s encrypted result, a folder NAME.lockfern.</extracomment>
        <translation>Senha incorreta ou pacote danificado. Verifique o Caps Lock e a dica.</translation>
    </message>
    <message>
        <source>%1 already exists in %2.</source>
        <extracomment>%1 is a file or package name, %2 the name of the folder it is in (not a path).</extracomment>
        <translation>%1 já existe em %2.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <extracomment>%1 is a folder&apos;s name; the folder is on a read-only disk.</extracomment>
        <translation>%1 é somente leitura.</translation>
    </message>
    <message>
        <source>You can&apos;t write to %1.</source>
        <extracomment>%1 is a folder&apos;s name; the user may not write there.</extracomment>
        <translation>Você não pode gravar em %1.</translation>
    </message>
    <message>
        <source>Not enough free space: %1 needed.</source>
        <extracomment>%1 is the space needed, a size such as &quot;1.2 GB&quot;.</extracomment>
        <translation>Espaço livre insuficiente: são necessários %1.</translation>
    </message>
    <message>
        <source>The file was changed while it was being encrypted.</source>
        <translation>O arquivo foi alterado enquanto era criptografado.</translation>
    </message>
    <message>
        <source>%1 can&apos;t be read any more.</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Não é mais possível ler %1.</translation>
    </message>
    <message>
        <source>Will be saved as %1</source>
        <extracomment>Under the chosen file. %1 is the package&apos;s name, NAME.lockfern.</extracomment>
        <translation>Será salvo como %1</translation>
    </message>
    <message>
        <source>Will be restored as %1</source>
        <extracomment>Under the chosen package. %1 is the file&apos;s name once decrypted.</extracomment>
        <translation>Será restaurado como %1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <extracomment>After a decryption. %1 is the restored file&apos;s name.</extracomment>
        <translation>Salvo como %1</translation>
    </message>
    <message>
        <source>Already there: %1</source>
        <extracomment>After a decryption that found the same file already there and wrote nothing. %1 is its name.</extracomment>
        <translation>Já existe: %1</translation>
    </message>
    <message>
        <source>Saved as %1. %2 is still there, unencrypted.</source>
        <extracomment>After an encryption. %1 is the new package&apos;s name, %2 the original file&apos;s name.</extracomment>
        <translation>Salvo como %1. %2 continua lá, sem criptografia.</translation>
    </message>
    <message>
        <source>The folder in %1 is damaged or unsafe to restore. Nothing was restored.</source>
        <extracomment>%1 is a package&apos;s name; the folder encrypted in it can&apos;t be restored safely.</extracomment>
        <translation>A pasta em %1 está danificada ou não pode ser restaurada com segurança. Nada foi restaurado.</translation>
    </message>
    <message>
        <source>Left out %1: only files, folders and links inside the folder are kept.</source>
        <extracomment>%1 is the path of an entry inside a folder being encrypted or restored, such as a socket or a device file, which a package does not keep.</extracomment>
        <translation>%1 foi ignorado: somente arquivos, pastas e links dentro da pasta são mantidos.</translation>
    </message>
    <message>
        <source>Cancelled. %1 of %2 were saved; %3 failed.</source>
        <extracomment>After a cancelled run of several items: %1 of %2 items were saved, %3 failed.</extracomment>
        <translation>Cancelado. Salvos: %1 de %2; com falha: %3.</translation>
    </message>
    <message>
        <source>Cancelled. %1 of %2 were saved.</source>
        <extracomment>After a cancelled run of several items: %1 of %2 items were saved.</extracomment>
        <translation>Cancelado. Salvos: %1 de %2.</translation>
    </message>
    <message>
        <source>%1 of %2 were saved; %3 failed.</source>
        <extracomment>After a run of several items: %1 of %2 items were saved, %3 failed.</extracomment>
        <translation>Salvos: %1 de %2; com falha: %3.</translation>
    </message>
    <message>
        <source>All %2 were saved.</source>
        <extracomment>After a run of several items (two or more), all %2 of them saved.</extracomment>
        <translation>Todos os %2 itens foram salvos.</translation>
    </message>
    <message>
        <source>Not started.</source>
        <extracomment>Beside an item of several that a cancel stopped before it began.</extracomment>
        <translation>Não iniciado.</translation>
    </message>
</context>
<context>
    <name>Pane</name>
    <message>
        <source>Where the result will go</source>
        <extracomment>Screen-reader description of the line &quot;Will be saved as …&quot; under the chosen file.</extracomment>
        <translation>Onde o resultado será salvo</translation>
    </message>
    <message>
        <source>What happened to each</source>
        <extracomment>Screen-reader name of the list of items after a run of several.</extracomment>
        <translation>O que aconteceu com cada um</translation>
    </message>
</context>
<context>
    <name>PasswordField</name>
    <message>
        <source>%1 shows or hides the password</source>
        <extracomment>Screen-reader description of the password field; %1 is the shortcut, such as Alt+S.</extracomment>
        <translation>%1 mostra ou oculta a senha</translation>
    </message>
    <message>
        <source>Hide password</source>
        <extracomment>The eye inside the password field, an icon alone: its tool tip and screen-reader name.</extracomment>
        <translation>Ocultar senha</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Mostrar senha</translation>
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
        <translation>Fraca</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Razoável</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Boa</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Forte</translation>
    </message>
    <message>
        <source>Very strong</source>
        <translation>Muito forte</translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln year(s) to guess on one GPU</source>
        <extracomment>The line under the password field. %1 is the strength (&quot;Weak&quot;), %Ln the count; GPU is one graphics card.</extracomment>
        <translation>
            <numerusform>%1: cerca de %Ln ano para descobri-la com uma GPU</numerusform>
            <numerusform>%1: cerca de %Ln anos para descobri-la com uma GPU</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln month(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: cerca de %Ln mês para descobri-la com uma GPU</numerusform>
            <numerusform>%1: cerca de %Ln meses para descobri-la com uma GPU</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln day(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: cerca de %Ln dia para descobri-la com uma GPU</numerusform>
            <numerusform>%1: cerca de %Ln dias para descobri-la com uma GPU</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln hour(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: cerca de %Ln hora para descobri-la com uma GPU</numerusform>
            <numerusform>%1: cerca de %Ln horas para descobri-la com uma GPU</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln minute(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: cerca de %Ln minuto para descobri-la com uma GPU</numerusform>
            <numerusform>%1: cerca de %Ln minutos para descobri-la com uma GPU</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: about %Ln second(s) to guess on one GPU</source>
        <translation>
            <numerusform>%1: cerca de %Ln segundo para descobri-la com uma GPU</numerusform>
            <numerusform>%1: cerca de %Ln segundos para descobri-la com uma GPU</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: less than a second to guess on one GPU</source>
        <extracomment>%1 is the strength (&quot;Weak&quot;); GPU is one graphics card.</extracomment>
        <translation>%1: menos de um segundo para descobri-la com uma GPU</translation>
    </message>
    <message>
        <source>%1: more than a million years to guess on one GPU</source>
        <translation>%1: mais de um milhão de anos para descobri-la com uma GPU</translation>
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
        <translation>O que aconteceu</translation>
    </message>
    <message>
        <source>Speed and time left</source>
        <extracomment>Screen-reader description of the line &quot;12.3 MB/s · 5 s left&quot; during a run.</extracomment>
        <translation>Velocidade e tempo restante</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Stops the encryption or decryption going on.</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <extracomment>After a run: opens the file manager with the results selected. Use the desktop&apos;s own wording.</extracomment>
        <translation>Mostrar no gerenciador de arquivos</translation>
    </message>
</context>
<context>
    <name>SendLog</name>
    <message>
        <source>No Mail Program</source>
        <extracomment>Title of the message when Send Log found no mail program.</extracomment>
        <translation>Nenhum programa de e-mail</translation>
    </message>
    <message>
        <source>No mail program could be started.</source>
        <translation>Não foi possível iniciar um programa de e-mail.</translation>
    </message>
    <message>
        <source>Copy the log text into a mail to %1, or open the folder that holds the log file and attach it.</source>
        <extracomment>%1 is support&apos;s e-mail address.</extracomment>
        <translation>Copie o texto do log em um e-mail para %1 ou abra a pasta que contém o arquivo de log e anexe-o.</translation>
    </message>
    <message>
        <source>Copy Log Text</source>
        <extracomment>Copies the activity log to the clipboard.</extracomment>
        <translation>Copiar texto do log</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <extracomment>Opens the folder that holds the log file.</extracomment>
        <translation>Abrir pasta do log</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Send Log</source>
        <extracomment>Title of the dialog that shows the activity log before it is mailed to support.</extracomment>
        <translation>Enviar log</translation>
    </message>
    <message>
        <source>This is the log that goes to support with your mail. It names the files you chose and holds the hints you typed; passwords are never in it.</source>
        <extracomment>Above the log, whose lines stay English.</extracomment>
        <translation>Este é o log que vai para o suporte com o seu e-mail. Ele cita os arquivos escolhidos e contém as dicas digitadas; as senhas nunca aparecem nele.</translation>
    </message>
    <message>
        <source>Activity log</source>
        <translation>Log de atividades</translation>
    </message>
    <message>
        <source>Send</source>
        <extracomment>Opens the mail program with the log attached.</extracomment>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SupportMail</name>
    <message>
        <source>Type here</source>
        <extracomment>The body a new support mail starts with in the user&apos;s mail program.</extracomment>
        <translation>Digite aqui</translation>
    </message>
</context>
<context>
    <name>ViewController</name>
    <message>
        <source>‹ Back</source>
        <translation>‹ Voltar</translation>
    </message>
    <message>
        <source>Back to the start (Esc)</source>
        <translation>Voltar ao início (Esc)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Version and theme</source>
        <translation>Versão e tema</translation>
    </message>
    <message>
        <source>About Lockfern</source>
        <translation>Sobre o Lockfern</translation>
    </message>
    <message>
        <source>Send Log</source>
        <translation>Enviar log</translation>
    </message>
    <message>
        <source>Write to support with this session&apos;s activity log attached</source>
        <translation>Escrever para o suporte com o log de atividades desta sessão anexado</translation>
    </message>
    <message>
        <source>What would you like to do?</source>
        <translation>O que você deseja fazer?</translation>
    </message>
    <message>
        <source>Encrypt a File…</source>
        <translation>Criptografar arquivo…</translation>
    </message>
    <message>
        <source>Lock a file with a password</source>
        <translation>Proteger um arquivo com uma senha</translation>
    </message>
    <message>
        <source>Decrypt a Package…</source>
        <translation>Descriptografar pacote…</translation>
    </message>
    <message>
        <source>Restore a file from its .lockfern package</source>
        <translation>Restaurar um arquivo a partir do seu pacote .lockfern</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Criptografar</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Descriptografar</translation>
    </message>
</context>
</TS>
