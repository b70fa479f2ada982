<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>BoutonJour</name>
    <message>
        <source>Click to add ...</source>
        <translation>Clique para adicionar…</translation>
    </message>
    <message>
        <source>MISSING</source>
        <translation>AUSENTE</translation>
    </message>
</context>
<context>
    <name>CacheConversions</name>
    <message>
        <source>tinselbox: there is no home folder to keep converted media in; they are kept in %1.</source>
        <translation>tinselbox: não há pasta pessoal para guardar os ficheiros convertidos; são guardados em %1.</translation>
    </message>
    <message>
        <source>The converted file cannot be read in %1: %2.</source>
        <translation>O ficheiro convertido não pode ser lido em %1: %2.</translation>
    </message>
    <message>
        <source>The converted file cannot be kept in %1: %2.</source>
        <translation>O ficheiro convertido não pode ser guardado em %1: %2.</translation>
    </message>
    <message>
        <source>The cache directory %1 cannot be written: %2.</source>
        <translation>A pasta da cache %1 não pode ser escrita: %2.</translation>
    </message>
</context>
<context>
    <name>CalendriersRecents</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recente</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>&amp;Limpar menu</translation>
    </message>
</context>
<context>
    <name>CartePartage</name>
    <message>
        <source>Scan to be reminded of each day</source>
        <translation>Leia para receber um lembrete em cada dia</translation>
    </message>
    <message>
        <source>The card cannot be made: the calendar has no address; set it in Options.</source>
        <translation>Não é possível fazer o cartão: o calendário não tem endereço; informe-o nas Opções.</translation>
    </message>
    <message>
        <source>The card cannot be made: the address is too long for a QR code.</source>
        <translation>Não é possível fazer o cartão: o endereço é longo demais para um código QR.</translation>
    </message>
    <message>
        <source>The card %1 cannot be written.</source>
        <translation>Não é possível gravar o cartão %1.</translation>
    </message>
    <message>
        <source>The card %1 cannot be written: %2.</source>
        <translation>Não é possível gravar o cartão %1: %2.</translation>
    </message>
</context>
<context>
    <name>ChaineCles</name>
    <message>
        <source>The calendar&apos;s key chain %1 is damaged: give its recovery code, or remove the file to start a new chain.</source>
        <translation>A cadeia de chaves do calendário %1 está danificada: indique o seu código de recuperação, ou apague o ficheiro para começar uma nova cadeia.</translation>
    </message>
    <message>
        <source>This computer gives no random bytes for a key chain.</source>
        <translation>Este computador não fornece bytes aleatórios para uma cadeia de chaves.</translation>
    </message>
    <message>
        <source>This is not a recovery code, or it is mistyped.</source>
        <translation>Isto não é um código de recuperação, ou está mal escrito.</translation>
    </message>
    <message>
        <source>This calendar&apos;s key chain cannot follow its new name or publishing address. %1

The next generation would start a new chain, and every day&apos;s key would change. To go on with the same keys, type this recovery code in Options once this is mended:

%2</source>
        <translation>A cadeia de chaves deste calendário não pode seguir o seu novo nome ou o seu novo endereço de publicação. %1

A próxima geração começaria uma nova cadeia, e a chave de cada dia mudaria. Para continuar com as mesmas chaves, escreva este código de recuperação nas Opções depois de resolvido o problema:

%2</translation>
    </message>
</context>
<context>
    <name>ChangementMedias</name>
    <message>
        <source>Edit day %1</source>
        <translation>Editar o dia %1</translation>
    </message>
    <message>
        <source>Clear day %1</source>
        <translation>Esvaziar o dia %1</translation>
    </message>
    <message>
        <source>Set day %1</source>
        <translation>Preencher o dia %1</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>The media of day %1 could not be put back; the day keeps what it held.</source>
        <translation>Não foi possível restaurar a mídia do dia %1; o dia mantém o que tinha.</translation>
    </message>
</context>
<context>
    <name>ChangementOptions</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
</context>
<context>
    <name>ChantierSite</name>
    <message>
        <source>%1 is a file, not a directory.</source>
        <translation>%1 é um arquivo, não uma pasta.</translation>
    </message>
    <message>
        <source>The directory %1 cannot be created: %2.</source>
        <translation>Não é possível criar a pasta %1: %2.</translation>
    </message>
    <message>
        <source>The site cannot be generated: another generation is writing to %1.</source>
        <translation>Não é possível gerar o site: outra geração já está gravando em %1.</translation>
    </message>
    <message>
        <source>The directory %1 cannot be opened: %2.</source>
        <translation>Não é possível abrir a pasta %1: %2.</translation>
    </message>
    <message>
        <source>The directory %1 cannot be written: %2.</source>
        <translation>Não é possível gravar na pasta %1: %2.</translation>
    </message>
    <message>
        <source>%1 was replaced by something else while it was being opened; nothing was written.</source>
        <translation>%1 foi substituído por outra coisa enquanto era aberto; nada foi escrito.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist.</source>
        <translation>%1 é uma ligação para %2, que não existe.</translation>
    </message>
    <message>
        <source>%1 is the root of a disk.</source>
        <translation>%1 é a raiz de um disco.</translation>
    </message>
    <message>
        <source>The directory %1 holds a mounted file system (%2) and cannot be replaced.</source>
        <translation>A pasta %1 contém um sistema de arquivos montado (%2) e não pode ser substituída.</translation>
    </message>
    <message>
        <source>The previous contents of %1 cannot be removed (%2): %3.</source>
        <translation>Não é possível remover o conteúdo anterior de %1 (%2): %3.</translation>
    </message>
    <message>
        <source>%1 was moved or replaced by something else during the generation; nothing was written into it and nothing was removed.</source>
        <translation>%1 foi movida ou substituída por outra coisa durante a geração; nada foi escrito nela e nada foi removido.</translation>
    </message>
    <message>
        <source>The previous contents of %1 cannot be replaced: %2.</source>
        <translation>Não é possível substituir o conteúdo anterior de %1: %2.</translation>
    </message>
</context>
<context>
    <name>ChoixInstant</name>
    <message>
        <source>Preview on a date</source>
        <translation>Pré-visualizar numa data</translation>
    </message>
    <message>
        <source>Show the page as a visitor sees it at this moment (time in %1):</source>
        <translation>Mostrar a página como um visitante a vê neste momento (hora de %1):</translation>
    </message>
    <message>
        <source>Show the page as a visitor sees it at this moment:</source>
        <translation>Mostrar a página como um visitante a vê neste momento:</translation>
    </message>
</context>
<context>
    <name>CiblePublication</name>
    <message>
        <source>The publishing address must begin with sftp://, ftps://, davs:// or s3://.</source>
        <translation>O endereço de publicação tem de começar por sftp://, ftps://, davs:// ou s3://.</translation>
    </message>
    <message>
        <source>The publishing address names no valid server.</source>
        <translation>O endereço de publicação não indica nenhum servidor válido.</translation>
    </message>
    <message>
        <source>The publishing address must not hold a password; it is asked for when publishing.</source>
        <translation>O endereço de publicação não deve conter uma palavra-passe; é pedida ao publicar.</translation>
    </message>
    <message>
        <source>The publishing address must not end with a #fragment.</source>
        <translation>O endereço de publicação não deve terminar com um #fragmento.</translation>
    </message>
    <message>
        <source>The S3 address needs the access key id before the server: s3://KEY@HOST/BUCKET.</source>
        <translation>O endereço S3 precisa do id da chave de acesso antes do servidor: s3://CHAVE@HOST/BUCKET.</translation>
    </message>
    <message>
        <source>The publishing address needs a user name before the server: USER@HOST.</source>
        <translation>O endereço de publicação precisa de um nome de utilizador antes do servidor: UTILIZADOR@HOST.</translation>
    </message>
    <message>
        <source>The publishing address has no valid port.</source>
        <translation>O endereço de publicação não tem uma porta válida.</translation>
    </message>
    <message>
        <source>The publishing folder must not hold &quot;.&quot; or &quot;..&quot;.</source>
        <translation>A pasta de publicação não deve conter «.» nem «..».</translation>
    </message>
    <message>
        <source>The publishing folder must not hold control characters.</source>
        <translation>A pasta de publicação não deve conter caracteres de controlo.</translation>
    </message>
    <message>
        <source>The S3 address must end with ?region=REGION (for example ?region=us-east-1).</source>
        <translation>O endereço S3 deve terminar com ?region=REGIÃO (por exemplo ?region=us-east-1).</translation>
    </message>
    <message>
        <source>The S3 address needs a bucket name after the server: s3://KEY@HOST/BUCKET.</source>
        <translation>O endereço S3 precisa do nome de um bucket depois do servidor: s3://CHAVE@HOST/BUCKET.</translation>
    </message>
    <message>
        <source>Only an S3 address takes a ?query.</source>
        <translation>Só um endereço S3 aceita uma ?consulta.</translation>
    </message>
    <message>
        <source>The SFTP address needs a folder: /~/FOLDER for one in the user&apos;s home.</source>
        <translation>O endereço SFTP precisa de uma pasta: /~/PASTA para uma na pasta pessoal do utilizador.</translation>
    </message>
</context>
<context>
    <name>CoffreCles</name>
    <message>
        <source>The calendar&apos;s key %1 is damaged.</source>
        <translation>A chave do calendário %1 está danificada.</translation>
    </message>
    <message>
        <source>This is not the calendar&apos;s password (the one set in its Options).</source>
        <translation>Esta não é a palavra-passe do calendário (a definida nas suas Opções).</translation>
    </message>
    <message>
        <source>The calendar&apos;s key cannot be made.</source>
        <translation>Não é possível criar a chave do calendário.</translation>
    </message>
</context>
<context>
    <name>CommandesGeneration</name>
    <message>
        <source>1 media file cannot be found:</source>
        <translation>1 arquivo de mídia não foi encontrado:</translation>
    </message>
    <message>
        <source>%1 media files cannot be found:</source>
        <translation>%1 arquivos de mídia não foram encontrados:</translation>
    </message>
    <message>
        <source>Day %1: %2</source>
        <translation>Dia %1: %2</translation>
    </message>
    <message>
        <source>Choose these files again or clear their days, then try again.</source>
        <translation>Escolha esses arquivos novamente ou esvazie os dias deles e tente de novo.</translation>
    </message>
    <message>
        <source>Select the generation directory</source>
        <translation>Selecione a pasta de geração</translation>
    </message>
    <message>
        <source>This action will erase all the contents of the directory %1
Generate anyway?</source>
        <translation>Esta ação apagará todo o conteúdo da pasta %1
Gerar mesmo assim?</translation>
    </message>
    <message>
        <source>Error generating the calendar.</source>
        <translation>Erro ao gerar o calendário.</translation>
    </message>
    <message>
        <source>Generating the calendar successfully in %1</source>
        <translation>Calendário gerado com sucesso em %1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Abrir no navegador</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Compartilhar…</translation>
    </message>
    <message>
        <source>Generating the calendar ...</source>
        <translation>Gerando o calendário…</translation>
    </message>
    <message>
        <source>Converted day %1 (%2 of %3) ...</source>
        <translation>Dia %1 convertido (%2 de %3)…</translation>
    </message>
</context>
<context>
    <name>CommandesJours</name>
    <message>
        <source>Edit...</source>
        <translation>Editar…</translation>
    </message>
    <message>
        <source>Clear day</source>
        <translation>Esvaziar o dia</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>The folder %1 cannot be shown.</source>
        <translation>Não é possível mostrar a pasta %1.</translation>
    </message>
    <message>
        <source>Move day %1 to day %2</source>
        <translation>Mover o dia %1 para o dia %2</translation>
    </message>
    <message>
        <source>Swap days %1 and %2</source>
        <translation>Trocar os dias %1 e %2</translation>
    </message>
</context>
<context>
    <name>CommandesPublication</name>
    <message>
        <source>The password is asked for instead.</source>
        <translation>Em vez disso, é pedida a palavra-passe.</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publicar</translation>
    </message>
    <message>
        <source>The secret key of %1:</source>
        <translation>A chave secreta de %1:</translation>
    </message>
    <message>
        <source>The password of %1 (empty to log in with your SSH key):</source>
        <translation>A palavra-passe de %1 (vazia para entrar com a sua chave SSH):</translation>
    </message>
    <message>
        <source>Remember it in the system keyring</source>
        <translation>Guardá-la no porta-chaves do sistema</translation>
    </message>
    <message>
        <source>Publishing...</source>
        <translation>A publicar…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stopping after the current step...</source>
        <translation>A parar depois do passo atual…</translation>
    </message>
    <message>
        <source>Sending %1: %2 of %3
In all: %4 of %5, %6/s, %7 s left</source>
        <translation>A enviar %1: %2 de %3
No total: %4 de %5, %6/s, faltam %7 s</translation>
    </message>
    <message>
        <source>The calendar has no publishing address yet: set one in Options, Publishing.</source>
        <translation>O calendário ainda não tem endereço de publicação: indique um em Opções, Publicação.</translation>
    </message>
    <message numerus="yes">
        <source>The calendar is published: %n file(s) sent (%1), %2 deleted, %3 unchanged.</source>
        <translation>
            <numerusform>O calendário está publicado: %n ficheiro enviado (%1), %2 apagado(s), %3 sem alterações.</numerusform>
            <numerusform>O calendário está publicado: %n ficheiros enviados (%1), %2 apagado(s), %3 sem alterações.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a server this computer knows. Its host key&apos;s fingerprint is:
%2

Trust it only if it is your server&apos;s (your provider can tell). Trust it and publish?</source>
        <translation>%1 não é um servidor que este computador conheça. A impressão digital da sua chave de anfitrião é:
%2

Confie nela só se for a do seu servidor (o seu fornecedor pode dizer). Confiar e publicar?</translation>
    </message>
    <message>
        <source>Publish beside them?</source>
        <translation>Publicar ao lado deles?</translation>
    </message>
    <message>
        <source>The site on the server still works as it was; publishing again completes it.</source>
        <translation>O site no servidor continua a funcionar como estava; publicar de novo completa-o.</translation>
    </message>
    <message>
        <source>Publishing every morning needs a saved calendar with a publishing address (Options, Publishing).</source>
        <translation>Publicar todas as manhãs precisa de um calendário guardado com um endereço de publicação (Opções, Publicação).</translation>
    </message>
    <message>
        <source>systemd does not run on this computer. To publish every morning, add this line with crontab -e; it is in this computer&apos;s time zone:

%1

The job needs the password in a file only you can read (--secret-file FILE) or an SSH key.</source>
        <translation>O systemd não funciona neste computador. Para publicar todas as manhãs, acrescente esta linha com crontab -e; está no fuso horário deste computador:

%1

A tarefa precisa da palavra-passe num ficheiro que só você pode ler (--secret-file FILE) ou de uma chave SSH.</translation>
    </message>
    <message>
        <source>To share it, give its public address in Options and publish again: the page&apos;s link previews name it too.</source>
        <translation>Para compartilhá-lo, informe o endereço público em Opções e publique de novo: as prévias de link da página também o usam.</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Abrir no navegador</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Compartilhar…</translation>
    </message>
</context>
<context>
    <name>ConvertisseurImage</name>
    <message>
        <source>The converted picture of %1 cannot be written: %2.</source>
        <translation>A imagem convertida de %1 não pode ser escrita: %2.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be encoded as JPEG.</source>
        <translation>A imagem %1 não pode ser codificada em JPEG.</translation>
    </message>
</context>
<context>
    <name>EcritureFichier</name>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Não é possível gravar o arquivo %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Não é possível ler o ficheiro %1: %2.</translation>
    </message>
</context>
<context>
    <name>EntetePage</name>
    <message>
        <source>The page %1 cannot be read: %2.</source>
        <translation>Não é possível ler a página %1: %2.</translation>
    </message>
    <message>
        <source>The page %1 has no head to write the title into.</source>
        <translation>A página %1 não tem cabeçalho onde escrever o título.</translation>
    </message>
</context>
<context>
    <name>FenetreEdition</name>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>PHOTO</source>
        <translation>FOTO</translation>
    </message>
    <message>
        <source>MUSIC</source>
        <translation>MÚSICA</translation>
    </message>
    <message>
        <source>VIDEO</source>
        <translation>VÍDEO</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>MENSAGEM</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>Write the day&apos;s message here.</source>
        <translation>Escreva aqui a mensagem do dia.</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>Dia %1</translation>
    </message>
    <message>
        <source>No preview available</source>
        <translation>Pré-visualização indisponível</translation>
    </message>
    <message>
        <source>1 character left</source>
        <translation>Resta 1 caractere</translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation>Restam %1 caracteres</translation>
    </message>
    <message>
        <source>1 character too many</source>
        <translation>1 caractere a mais</translation>
    </message>
    <message>
        <source>%1 characters too many</source>
        <translation>%1 caracteres a mais</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>Selecione um arquivo</translation>
    </message>
    <message>
        <source>The message holds an invisible control character that a calendar file cannot store. Remove it, or type the text again.</source>
        <translation>A mensagem contém um caractere de controle invisível que um arquivo de calendário não consegue guardar. Remova-o ou digite o texto novamente.</translation>
    </message>
</context>
<context>
    <name>FenetreNouveau</name>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Letters and digits, e.g. Advent2026</source>
        <translation>Letras e números, ex.: Advento2026</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Pasta:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>The name may hold only the letters A to Z (no accents) and the digits 0 to 9.</source>
        <translation>O nome só pode conter as letras de A a Z (sem acentos) e os algarismos de 0 a 9.</translation>
    </message>
    <message>
        <source>Please enter a name for the project and a working directory.</source>
        <translation>Informe um nome para o projeto e uma pasta de trabalho.</translation>
    </message>
    <message>
        <source>Please enter a correct name for the project (must contain only letters and numbers).</source>
        <translation>Informe um nome de projeto válido (apenas letras e números).</translation>
    </message>
    <message>
        <source>Select the working directory</source>
        <translation>Selecione a pasta de trabalho</translation>
    </message>
    <message>
        <source>A calendar with this name already exists in this directory. 
Replace it?</source>
        <translation>Já existe um calendário com este nome nesta pasta. 
Substituí-lo?</translation>
    </message>
    <message>
        <source>The working directory %1 does not exist or is not a folder.</source>
        <translation>A pasta de trabalho %1 não existe ou não é uma pasta.</translation>
    </message>
</context>
<context>
    <name>FenetreOptions</name>
    <message>
        <source>Calendar options</source>
        <translation>Opções do calendário</translation>
    </message>
    <message>
        <source>Past days stay open</source>
        <translation>Os dias passados continuam abertos</translation>
    </message>
    <message>
        <source>A visitor who missed a day can still open it later.</source>
        <translation>Quem perdeu um dia ainda pode abri-lo depois.</translation>
    </message>
    <message>
        <source>Days open in:</source>
        <translation>Os dias abrem em:</translation>
    </message>
    <message>
        <source>Time zone:</source>
        <translation>Fuso horário:</translation>
    </message>
    <message>
        <source>Each visitor&apos;s own clock</source>
        <translation>O relógio de cada visitante</translation>
    </message>
    <message>
        <source>Number of days:</source>
        <translation>Número de dias:</translation>
    </message>
    <message>
        <source>Starts on:</source>
        <translation>Começa em:</translation>
    </message>
    <message>
        <source>Day 1 opens on this date, day 2 the day after, and so on. Unchecked, the balls follow the days of the month.</source>
        <translation>O dia 1 abre nesta data, o dia 2 no dia seguinte, e assim por diante. Desmarcado, as bolas seguem os dias do mês.</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Todos os anos</translation>
    </message>
    <message>
        <source>Language of the page:</source>
        <translation>Idioma da página:</translation>
    </message>
    <message>
        <source>https://example.org/calendar/</source>
        <translation>https://example.org/calendario/</translation>
    </message>
    <message>
        <source>Shuffle the balls</source>
        <translation>Embaralhar as bolas</translation>
    </message>
    <message>
        <source>The numbers are dealt over the balls&apos; places in an order of their own, the same at every generation.</source>
        <translation>Os números são distribuídos pelos lugares das bolas em uma ordem própria, a mesma em cada geração.</translation>
    </message>
    <message>
        <source>Publish files exactly as chosen</source>
        <translation>Publicar os arquivos como estão</translation>
    </message>
    <message>
        <source>Copy every picture, sound and video byte for byte instead of making it lighter for the web.</source>
        <translation>Copiar cada imagem, som e vídeo byte a byte em vez de deixá-los mais leves para a web.</translation>
    </message>
    <message>
        <source>Any month</source>
        <translation>Qualquer mês</translation>
    </message>
    <message>
        <source>%1 only</source>
        <translation>Apenas em %1</translation>
    </message>
    <message>
        <source>“%1” is not a time zone this computer knows.
Give a name such as Europe/Paris, or leave the field empty for each visitor’s own clock.</source>
        <translation>“%1” não é um fuso horário que este computador conheça.
Informe um nome como Europe/Paris ou deixe o campo vazio para usar o relógio de cada visitante.</translation>
    </message>
    <message>
        <source>“%1” is not the address of a web page.
Give the whole address, starting with https:// or http://, or leave the field empty.</source>
        <translation>“%1” não é o endereço de uma página web.
Informe o endereço completo, começando por https:// ou http://, ou deixe o campo vazio.</translation>
    </message>
    <message>
        <source>Look of the page:</source>
        <translation>Aspeto da página:</translation>
    </message>
    <message>
        <source>Background picture:</source>
        <translation>Imagem de fundo:</translation>
    </message>
    <message>
        <source>None: the theme&apos;s sky</source>
        <translation>Nenhuma: o céu do tema</translation>
    </message>
    <message>
        <source>Your own picture behind the balls, shown as it is. It is published in two crops, for tall and for wide screens.</source>
        <translation>A sua própria imagem atrás das bolas, mostrada tal como é. É publicada em dois recortes, para ecrãs altos e para ecrãs largos.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Procurar...</translation>
    </message>
    <message>
        <source>Show the calendar&apos;s name on the page</source>
        <translation>Mostrar o nome do calendário na página</translation>
    </message>
    <message>
        <source>“%1” is not a picture this computer can read.
Choose a photo, or leave the field empty for the theme’s own sky.</source>
        <translation>«%1» não é uma imagem que este computador saiba ler.
Escolha uma foto, ou deixe o campo vazio para o céu do tema.</translation>
    </message>
    <message>
        <source>Select a background picture</source>
        <translation>Selecionar uma imagem de fundo</translation>
    </message>
    <message>
        <source>Publish to:</source>
        <translation>Publicar em:</translation>
    </message>
    <message>
        <source>sftp://user@host/~/www/calendar</source>
        <translation>sftp://utilizador@host/~/www/calendario</translation>
    </message>
    <message>
        <source>sftp://USER@HOST/PATH, ftps://USER@HOST/PATH (FTP with TLS), davs://USER@HOST/PATH (WebDAV over HTTPS) or s3://ACCESS_KEY_ID@HOST/BUCKET/PREFIX?region=REGION. Passwords are never kept here: Publish asks for them and keeps them in the system keyring.</source>
        <translation>sftp://UTILIZADOR@HOST/CAMINHO, ftps://UTILIZADOR@HOST/CAMINHO (FTP com TLS), davs://UTILIZADOR@HOST/CAMINHO (WebDAV sobre HTTPS) ou s3://ID_CHAVE_ACESSO@HOST/BUCKET/PREFIXO?region=REGIÃO. As palavras-passe nunca são guardadas aqui: Publicar pede-as e guarda-as no porta-chaves do sistema.</translation>
    </message>
    <message>
        <source>“%1” is not a publishing address.
Give one such as sftp://user@host/~/www, ftps://user@host/www, davs://host/www or s3://KEY@host/bucket?region=us-east-1, without a password, or leave the field empty.</source>
        <translation>«%1» não é um endereço de publicação.
Indique um como sftp://utilizador@host/~/www, ftps://utilizador@host/www, davs://host/www ou s3://CHAVE@host/bucket?region=us-east-1, sem palavra-passe, ou deixe o campo vazio.</translation>
    </message>
    <message>
        <source>Private: visitors need a password</source>
        <translation>Privado: os visitantes precisam de uma palavra-passe</translation>
    </message>
    <message>
        <source>Every day&apos;s picture, sound, video and message is encrypted in the site; the page asks for the password.</source>
        <translation>A imagem, o som, o vídeo e a mensagem de cada dia são cifrados no site; a página pede a palavra-passe.</translation>
    </message>
    <message>
        <source>Keep it in the keyring</source>
        <translation>Guardá-la no porta-chaves</translation>
    </message>
    <message>
        <source>Otherwise the password is asked at each generation.</source>
        <translation>Senão, a palavra-passe é pedida em cada geração.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Palavra-passe:</translation>
    </message>
    <message>
        <source>Again:</source>
        <translation>Repetir:</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inalterada</translation>
    </message>
    <message>
        <source>Type the password visitors will need, twice.</source>
        <translation>Escreva duas vezes a palavra-passe de que os visitantes vão precisar.</translation>
    </message>
    <message>
        <source>The two passwords differ. Type the same password twice.</source>
        <translation>As duas palavras-passe são diferentes. Escreva duas vezes a mesma palavra-passe.</translation>
    </message>
    <message>
        <source>The password will be asked at each generation.</source>
        <translation>A palavra-passe será pedida em cada geração.</translation>
    </message>
    <message>
        <source>Public address:</source>
        <translation>Endereço público:</translation>
    </message>
    <message>
        <source>Where visitors open the calendar once it is published. The Share card, the QR code and the page&apos;s link previews give this address.</source>
        <translation>Onde os visitantes abrem o calendário depois de publicado. O cartão de compartilhamento, o código QR e as prévias de link da página dão este endereço.</translation>
    </message>
    <message>
        <source>Recovery code</source>
        <translation>Código de recuperação</translation>
    </message>
    <message>
        <source>The code shown when the doors were locked: it goes on with this calendar&apos;s keys on another computer.</source>
        <translation>O código mostrado quando as portas foram trancadas: continua com as chaves deste calendário noutro computador.</translation>
    </message>
    <message>
        <source>Doors open only on their day, for real</source>
        <translation>As portas só abrem no seu dia, a sério</translation>
    </message>
    <message>
        <source>Each day is encrypted under a key of its own, and the site holds only the keys of the days up to the one it was published on.</source>
        <translation>Cada dia é cifrado com uma chave própria, e o site só contém as chaves dos dias até àquele em que foi publicado.</translation>
    </message>
    <message>
        <source>A time zone such as Europe/Paris makes every visitor&apos;s day change at the same midnight. Locked doors open with each morning&apos;s publish, or with the next one after a morning the computer is off.</source>
        <translation>Um fuso horário como Europe/Lisbon faz mudar o dia de todos os visitantes à mesma meia-noite. As portas trancadas abrem com a publicação de cada manhã, ou com a seguinte depois de uma manhã com o computador desligado.</translation>
    </message>
    <message>
        <source>Doors that open only on their day need a publishing address: each morning&apos;s publish brings that day&apos;s key.</source>
        <translation>As portas que só abrem no seu dia precisam de um endereço de publicação: a publicação de cada manhã traz a chave do dia.</translation>
    </message>
    <message>
        <source>This is not a recovery code, or it is mistyped.</source>
        <translation>Isto não é um código de recuperação, ou está mal escrito.</translation>
    </message>
    <message>
        <source>Keep this recovery code somewhere safe, away from this computer. On another computer, typed in Options (or given with --recovery-code-file), it goes on with this calendar&apos;s keys:

%1</source>
        <translation>Guarde este código de recuperação num local seguro, longe deste computador. Noutro computador, escrito nas Opções (ou dado com --recovery-code-file), continua com as chaves deste calendário:

%1</translation>
    </message>
</context>
<context>
    <name>FenetrePartage</name>
    <message>
        <source>Share the calendar</source>
        <translation>Compartilhar o calendário</translation>
    </message>
    <message>
        <source>Scan this code with a phone, or send the address:</source>
        <translation>Escaneie este código com um celular ou envie o endereço:</translation>
    </message>
    <message>
        <source>QR code of the calendar&apos;s address</source>
        <translation>Código QR do endereço do calendário</translation>
    </message>
    <message>
        <source>Address of the published page</source>
        <translation>Endereço da página publicada</translation>
    </message>
    <message>
        <source>&amp;Copy address</source>
        <translation>&amp;Copiar endereço</translation>
    </message>
    <message>
        <source>Save &amp;QR code...</source>
        <translation>Salvar código &amp;QR…</translation>
    </message>
    <message>
        <source>Save c&amp;ard...</source>
        <translation>Salvar c&amp;artão…</translation>
    </message>
    <message>
        <source>An A6 card to print, with the calendar&apos;s name and this QR code.</source>
        <translation>Um cartão A6 para imprimir, com o nome do calendário e este código QR.</translation>
    </message>
    <message>
        <source>Save the QR code</source>
        <translation>Salvar o código QR</translation>
    </message>
    <message>
        <source>The QR code cannot be saved in %1.</source>
        <translation>Não é possível salvar o código QR em %1.</translation>
    </message>
    <message>
        <source>Save the card</source>
        <translation>Salvar o cartão</translation>
    </message>
    <message>
        <source>Add a code for the &amp;reminders to the card</source>
        <translation>Adicionar ao cartão um código para os &amp;lembretes</translation>
    </message>
    <message>
        <source>A second, smaller code that adds a reminder of each day to a phone&apos;s calendar.</source>
        <translation>Um segundo código, mais pequeno, que adiciona um lembrete de cada dia ao calendário de um telefone.</translation>
    </message>
    <message>
        <source>Put the key in the link and the card: they open without the password</source>
        <translation>Pôr a chave na ligação e no cartão: abrem sem a palavra-passe</translation>
    </message>
    <message>
        <source>Whoever holds this link or card can open the calendar.</source>
        <translation>Quem tiver esta ligação ou este cartão pode abrir o calendário.</translation>
    </message>
</context>
<context>
    <name>FenetrePrincipale</name>
    <message>
        <source>tinselbox</source>
        <translation>tinselbox</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pré-visualizar</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Gerar…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Novo…</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opções…</translation>
    </message>
    <message>
        <source>Calendar options: which days the page opens</source>
        <translation>Opções do calendário: quais dias a página abre</translation>
    </message>
    <message>
        <source>Size: %1 %2</source>
        <translation>Tamanho: %1&#xa0;%2</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them. 
Quit anyway?</source>
        <translation>Suas alterações serão perdidas se você não as salvar. 
Sair mesmo assim?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them. 
Create new anyway?</source>
        <translation>Suas alterações serão perdidas se você não as salvar. 
Criar um novo mesmo assim?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them. 
Open anyway?</source>
        <translation>Suas alterações serão perdidas se você não as salvar. 
Abrir mesmo assim?</translation>
    </message>
    <message>
        <source>Select a calendar</source>
        <translation>Selecione um calendário</translation>
    </message>
    <message>
        <source>Error opening the calendar.</source>
        <translation>Erro ao abrir o calendário.</translation>
    </message>
    <message>
        <source>Their days are marked in the calendar.</source>
        <translation>Os dias deles estão marcados no calendário.</translation>
    </message>
    <message>
        <source>Error saving the calendar: the file name of day %1 holds a character that a calendar file cannot store. Rename the file and choose it again.</source>
        <translation>Erro ao salvar o calendário: o nome do arquivo do dia %1 contém um caractere que um arquivo de calendário não consegue guardar. Renomeie o arquivo e escolha-o novamente.</translation>
    </message>
    <message>
        <source>Error saving the calendar: its name holds a character that a calendar file cannot store.</source>
        <translation>Erro ao salvar o calendário: o nome dele contém um caractere que um arquivo de calendário não consegue guardar.</translation>
    </message>
    <message>
        <source>Error saving the calendar.</source>
        <translation>Erro ao salvar o calendário.</translation>
    </message>
    <message>
        <source>This calendar holds days outside 1 to %1 (%2). They are neither shown nor published, and they stay in the file when you save.</source>
        <translation>Este calendário contém dias fora de 1 a %1 (%2). Eles não são exibidos nem publicados e continuam no arquivo ao salvar.</translation>
    </message>
    <message>
        <source> (converting media...)</source>
        <translation> (convertendo as mídias…)</translation>
    </message>
    <message>
        <source> [read-only]</source>
        <translation> [somente leitura]</translation>
    </message>
    <message>
        <source>Save the calendar as</source>
        <translation>Salvar o calendário como</translation>
    </message>
    <message>
        <source>Doors that open only on their day open with each morning&apos;s publish. Publish every morning now?</source>
        <translation>As portas que só abrem no seu dia abrem com a publicação de cada manhã. Publicar todas as manhãs a partir de agora?</translation>
    </message>
</context>
<context>
    <name>FichierOrdinaire</name>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>uma pasta</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>um FIFO</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>um socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>um dispositivo</translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation>um arquivo comum</translation>
    </message>
    <message>
        <source>The file %1 cannot be found.</source>
        <translation>O arquivo %1 não foi encontrado.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (it is %2).</source>
        <translation>%1 não é um arquivo comum (é %2).</translation>
    </message>
    <message>
        <source>%1 is a directory, not a file.</source>
        <translation>%1 é uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Não é possível abrir o arquivo %1: %2.</translation>
    </message>
</context>
<context>
    <name>FichierProjet</name>
    <message>
        <source>%1 is an XML file but not a calendar: its root element is &lt;%2&gt;.</source>
        <translation>%1 é um arquivo XML, mas não um calendário: o elemento raiz dele é &lt;%2&gt;.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Não é possível gravar o arquivo %1.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Não é possível gravar o arquivo %1: %2.</translation>
    </message>
    <message>
        <source>The calendar cannot be written: it holds a character that a calendar file cannot carry.</source>
        <translation>Não é possível escrever o calendário: contém um carácter que um ficheiro de calendário não pode conter.</translation>
    </message>
    <message>
        <source>The calendar cannot be written: %1.</source>
        <translation>O ficheiro %1 não pode ser escrito.</translation>
    </message>
</context>
<context>
    <name>FondPage</name>
    <message>
        <source>The background picture %1 cannot be read: %2.</source>
        <translation>A imagem de fundo %1 não pode ser lida: %2.</translation>
    </message>
    <message>
        <source>The background picture %1 cannot be converted.</source>
        <translation>A imagem de fundo %1 não pode ser convertida.</translation>
    </message>
    <message>
        <source>The background picture cannot be written into %1: %2.</source>
        <translation>A imagem de fundo não pode ser escrita em %1: %2.</translation>
    </message>
</context>
<context>
    <name>GenerationSite</name>
    <message>
        <source>Day %1 has no media file.</source>
        <translation>O dia %1 não tem nenhum arquivo de mídia.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be found.</source>
        <translation>Dia %1: o arquivo %2 não foi encontrado.</translation>
    </message>
    <message>
        <source>The calendar&apos;s template cannot be copied into %1: %2.</source>
        <translation>Não é possível copiar o modelo do calendário para %1: %2.</translation>
    </message>
    <message>
        <source>The page&apos;s scripts cannot be written in %1.</source>
        <translation>Não é possível gravar os scripts da página em %1.</translation>
    </message>
    <message>
        <source>The generation was stopped; %1 was left as it was.</source>
        <translation>A geração foi interrompida; %1 ficou como estava.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be read: %3.</source>
        <translation>Dia %1: não é possível ler o arquivo %2: %3.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be copied into %3: %4.</source>
        <translation>Dia %1: não é possível copiar o arquivo %2 para %3: %4.</translation>
    </message>
    <message>
        <source>The page cannot be written in %1.</source>
        <translation>Não é possível gravar a página em %1.</translation>
    </message>
    <message>
        <source>Day %1: %2 is not a regular file (it is %3).</source>
        <translation>Dia %1: %2 não é um arquivo comum (é %3).</translation>
    </message>
    <message>
        <source>Day %1: %2 is a system file, not a media file.</source>
        <translation>Dia %1: %2 é um arquivo de sistema, não um arquivo de mídia.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 does not hold as many bytes as its size says; it is not a media file.</source>
        <translation>Dia %1: o arquivo %2 não contém tantos bytes quanto o tamanho dele indica; não é um arquivo de mídia.</translation>
    </message>
    <message>
        <source>The page&apos;s scripts cannot be written in %1: %2.</source>
        <translation>Não é possível gravar os scripts da página em %1: %2.</translation>
    </message>
    <message>
        <source>Day %1: %2 is not a picture, a sound or a video.</source>
        <translation>Dia %1: %2 não é uma imagem, um som nem um vídeo.</translation>
    </message>
    <message>
        <source>Day %1: the picture %2 is damaged: it ends before its last part.</source>
        <translation>Dia %1: a imagem %2 está danificada: acaba antes da sua última parte.</translation>
    </message>
    <message>
        <source>%1 changed since it was checked: it now holds files that tinselbox did not generate, which are left as they are.</source>
        <translation>%1 mudou desde que foi verificada: agora contém ficheiros que o tinselbox não gerou, que ficam como estão.</translation>
    </message>
    <message>
        <source>The page cannot be written in %1: %2.</source>
        <translation>A página não pode ser escrita em %1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be copied to %2: %3.</source>
        <translation>Não é possível copiar %1 para %2: %3.</translation>
    </message>
</context>
<context>
    <name>GenreMedia</name>
    <message>
        <source>PHOTO</source>
        <translation>FOTO</translation>
    </message>
    <message>
        <source>This file does not look like a picture. The page may not be able to show it. Keep it anyway?</source>
        <translation>Este arquivo não parece uma imagem. A página talvez não consiga exibi-lo. Manter mesmo assim?</translation>
    </message>
    <message>
        <source>MUSIC</source>
        <translation>MÚSICA</translation>
    </message>
    <message>
        <source>This file does not look like a piece of music. The page may not be able to play it. Keep it anyway?</source>
        <translation>Este arquivo não parece uma música. A página talvez não consiga reproduzi-lo. Manter mesmo assim?</translation>
    </message>
    <message>
        <source>VIDEO</source>
        <translation>VÍDEO</translation>
    </message>
    <message>
        <source>This file does not look like a video. The page may not be able to play it. Keep it anyway?</source>
        <translation>Este arquivo não parece um vídeo. A página talvez não consiga reproduzi-lo. Manter mesmo assim?</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>MENSAGEM</translation>
    </message>
</context>
<context>
    <name>ImageApercu</name>
    <message>
        <source>The link preview picture %1 cannot be encoded as PNG.</source>
        <translation>Não é possível codificar em PNG a imagem de pré-visualização do link %1.</translation>
    </message>
</context>
<context>
    <name>ImportFichiers</name>
    <message>
        <source>This text file is empty or cannot be read:
%1</source>
        <translation>Este arquivo de texto está vazio ou não pode ser lido:
%1</translation>
    </message>
    <message>
        <source>A message holds at most %1 characters of plain text; this file cannot become one:
%2</source>
        <translation>Uma mensagem tem no máximo %1 caracteres de texto simples; este arquivo não pode virar uma:
%2</translation>
    </message>
    <message>
        <source>The content of this file is of no kind a day can hold:
%1</source>
        <translation>O conteúdo deste arquivo não é de nenhum tipo que um dia possa conter:
%1</translation>
    </message>
    <message>
        <source>These days already hold a media: %1. 
Replace them?</source>
        <translation>Estes dias já contêm uma mídia: %1. 
Substituí-las?</translation>
    </message>
    <message>
        <source>No media file was found to import.</source>
        <translation>Nenhum arquivo de mídia foi encontrado para importar.</translation>
    </message>
    <message>
        <source>Files given no day: %1.</source>
        <translation>Arquivos sem dia: %1.</translation>
    </message>
    <message>
        <source>These files were given no day:
%1</source>
        <translation>Estes arquivos não receberam nenhum dia:
%1</translation>
    </message>
    <message>
        <source>Files of no kind a day can hold, left out: %1.</source>
        <translation>Arquivos deixados de fora, de um tipo que nenhum dia pode conter: %1.</translation>
    </message>
    <message>
        <source>These files are of no kind a day can hold and were left out:
%1</source>
        <translation>Estes arquivos não são de nenhum tipo que um dia possa conter e foram deixados de fora:
%1</translation>
    </message>
    <message>
        <source>Select a folder to import</source>
        <translation>Selecione uma pasta para importar</translation>
    </message>
</context>
<context>
    <name>InstantApercu</name>
    <message>
        <source>&quot;%1&quot; is not a date and time of the form %2</source>
        <translation>«%1» não é uma data e hora da forma %2</translation>
    </message>
</context>
<context>
    <name>LecteurProjet</name>
    <message>
        <source>%1 cannot be opened: the message of day %2 is longer than %3 characters, the most a day can hold.</source>
        <translation>Não é possível abrir %1: a mensagem do dia %2 tem mais de %3 caracteres, o máximo que um dia pode conter.</translation>
    </message>
    <message>
        <source>%1 is not a well-formed XML file (line %2, column %3: %4).</source>
        <translation>%1 não é um arquivo XML bem formado (linha %2, coluna %3: %4).</translation>
    </message>
    <message>
        <source>%1 is not a calendar file: it holds a document type, or more nesting, attributes or elements than a calendar file has.</source>
        <translation>%1 não é um arquivo de calendário: contém um tipo de documento, ou mais níveis de aninhamento, atributos ou elementos do que um arquivo de calendário possui.</translation>
    </message>
    <message>
        <source>%1 is not a well-formed XML file: it ends too soon.</source>
        <translation>%1 não é um arquivo XML bem formado: termina cedo demais.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the calendar&apos;s name is longer than %2 characters, the most a name can hold.</source>
        <translation>%1 não pode ser aberto: o nome do calendário tem mais de %2 caracteres, o máximo para um nome.</translation>
    </message>
</context>
<context>
    <name>LigneCommande</name>
    <message>
        <source>Builds a web calendar of up to 31 days and generates its site.
Without an option, opens the editor, with the calendar FILE if given.</source>
        <translation>Cria um calendário web de até 31 dias e gera o site dele.
Sem opção, abre o editor, com o calendário FILE se for informado.</translation>
    </message>
    <message>
        <source>A calendar project file (.xml).</source>
        <translation>Um arquivo de projeto de calendário (.xml).</translation>
    </message>
    <message>
        <source>Generate the site of FILE into the directory DIR, without a display.</source>
        <translation>Gera o site de FILE na pasta DIR, sem tela.</translation>
    </message>
    <message>
        <source>Generate the preview of FILE into tmp/ beside it and open it in the browser.</source>
        <translation>Gera a pré-visualização de FILE em tmp/, ao lado dele, e a abre no navegador.</translation>
    </message>
    <message>
        <source>Check FILE: its media, its days and the estimated site size.</source>
        <translation>Verifica FILE: as mídias, os dias e o tamanho estimado do site.</translation>
    </message>
    <message>
        <source>Erase a non-empty DIR that holds no generated site, instead of refusing it.</source>
        <translation>Apaga uma DIR não vazia que não contém nenhum site gerado, em vez de recusá-la.</translation>
    </message>
    <message>
        <source>With --generate: print no progress.</source>
        <translation>Com --generate: não mostra o progresso.</translation>
    </message>
    <message>
        <source>no display to open the editor on; --generate and --check need none</source>
        <translation>nenhuma tela onde abrir o editor; --generate e --check não precisam de uma</translation>
    </message>
    <message>
        <source>--generate needs a calendar FILE and a directory DIR</source>
        <translation>--generate precisa de um calendário FILE e de uma pasta DIR</translation>
    </message>
    <message>
        <source>%1 needs one calendar FILE</source>
        <translation>%1 precisa de um calendário FILE</translation>
    </message>
    <message>
        <source>the editor opens one calendar FILE at most</source>
        <translation>o editor abre no máximo um calendário FILE</translation>
    </message>
    <message>
        <source>a message</source>
        <translation>uma mensagem</translation>
    </message>
    <message>
        <source>Day %1: %2</source>
        <translation>Dia %1: %2</translation>
    </message>
    <message>
        <source>Generated the calendar in %1</source>
        <translation>Calendário gerado em %1</translation>
    </message>
    <message>
        <source>Estimated site size: %1 (%2 bytes)</source>
        <translation>Tamanho estimado do site: %1 (%2&#xa0;bytes)</translation>
    </message>
    <message numerus="yes">
        <source>%1: cannot be generated, %n problem(s) listed above</source>
        <translation>
            <numerusform>%1: não pode ser gerado, %n problema listado acima</numerusform>
            <numerusform>%1: não pode ser gerado, %n problemas listados acima</numerusform>
        </translation>
    </message>
    <message>
        <source>The calendar can be generated.</source>
        <translation>O calendário pode ser gerado.</translation>
    </message>
    <message>
        <source>With --generate: the directory that receives the site; with --card: the PDF file.</source>
        <translation>Com --generate: a pasta que recebe o site; com --card: o arquivo PDF.</translation>
    </message>
    <message>
        <source>Write to OUT.pdf the printable card of FILE: its name and the QR code of its address.</source>
        <translation>Grava em OUT.pdf o cartão para imprimir de FILE: o nome e o código QR do endereço dele.</translation>
    </message>
    <message>
        <source>--card needs a calendar FILE and a PDF file OUT.pdf</source>
        <translation>--card precisa de um calendário FILE e de um arquivo PDF OUT.pdf</translation>
    </message>
    <message>
        <source>Converted day %1 (%2 of %3)</source>
        <translation>Dia %1 convertido (%2 de %3)</translation>
    </message>
    <message>
        <source>Calendar &quot;%1&quot;: %2 of %3 days have content.</source>
        <translation>Calendário “%1”: %2 de %3 dias têm conteúdo.</translation>
    </message>
    <message>
        <source>Days without content: %1.</source>
        <translation>Dias sem conteúdo: %1.</translation>
    </message>
    <message>
        <source>Day %1: outside 1 to %2, the page never shows it.</source>
        <translation>Dia %1: fora de 1 a %2, a página nunca o exibe.</translation>
    </message>
    <message>
        <source>Day %1: %2 will not play in every browser; installing ffmpeg converts it.</source>
        <translation>Dia %1: %2 não vai tocar em todos os navegadores; instalar o ffmpeg o converte.</translation>
    </message>
    <message>
        <source>Estimated site size: %1 (%2 bytes), before converting the media</source>
        <translation>Tamanho estimado do site: %1 (%2&#xa0;bytes), antes de converter as mídias</translation>
    </message>
    <message>
        <source>the preview is ready in %1, but no browser could be opened to show it</source>
        <translation>a pré-visualização está pronta em %1, mas nenhum navegador pôde ser aberto para exibi-la</translation>
    </message>
    <message>
        <source>The file does not follow the calendar&apos;s schema: what this version does not know is left out.</source>
        <translation>O ficheiro não segue o esquema do calendário: o que esta versão não conhece é deixado de fora.</translation>
    </message>
    <message>
        <source>stopped by %1; %2 was left as it was.</source>
        <translation>parado por %1; %2 ficou como estava.</translation>
    </message>
    <message>
        <source>%1 (see --help)</source>
        <translation>%1 (consulte --help)</translation>
    </message>
    <message>
        <source>%1 is not empty and holds no site that tinselbox generated; --force erases its contents.</source>
        <translation>%1 não está vazia e não contém nenhum site gerado pelo tinselbox; --force apaga o seu conteúdo.</translation>
    </message>
    <message>
        <source>Convert, generate and publish FILE to its publishing address, sending only what changed.</source>
        <translation>Converter, gerar e publicar FILE no seu endereço de publicação, enviando só o que mudou.</translation>
    </message>
    <message>
        <source>With --publish: list what would be sent and deleted, change nothing.</source>
        <translation>Com --publish: listar o que seria enviado e apagado, sem mudar nada.</translation>
    </message>
    <message>
        <source>With --publish: read the password or S3 secret key from FILE, which only its owner may read.</source>
        <translation>Com --publish: ler a palavra-passe ou a chave secreta S3 de FILE, que só o seu dono pode ler.</translation>
    </message>
    <message>
        <source>With --publish: also trust the certificate authority in FILE (a server with its own certificate).</source>
        <translation>Com --publish: confiar também na autoridade de certificação em FILE (um servidor com certificado próprio).</translation>
    </message>
    <message>
        <source>With --publish: trust the SFTP server whose host key has this fingerprint, and remember it.</source>
        <translation>Com --publish: confiar no servidor SFTP cuja chave de anfitrião tem esta impressão digital, e lembrá-lo.</translation>
    </message>
    <message>
        <source>choose one of --generate, --preview, --check, --card and --publish</source>
        <translation>escolha uma de --generate, --preview, --check, --card e --publish</translation>
    </message>
    <message>
        <source>--force goes with --generate, --preview or --publish</source>
        <translation>--force vai com --generate, --preview ou --publish</translation>
    </message>
    <message>
        <source>--quiet goes with --generate or --publish</source>
        <translation>--quiet vai com --generate ou --publish</translation>
    </message>
    <message>
        <source>--dry-run, --secret-file, --ca-file and --accept-host-key go with --publish</source>
        <translation>--dry-run, --secret-file, --ca-file e --accept-host-key vão com --publish</translation>
    </message>
    <message>
        <source>--secret-file FILE gives the password instead.</source>
        <translation>--secret-file FILE dá a palavra-passe em vez disso.</translation>
    </message>
    <message>
        <source>no password for %1: give --secret-file FILE (a file only you can read), or keep it in the keyring from the editor&apos;s Publish</source>
        <translation>sem palavra-passe para %1: indique --secret-file FILE (um ficheiro que só você pode ler), ou guarde-a no porta-chaves a partir de Publicar no editor</translation>
    </message>
    <message>
        <source>%1: the calendar has no publishing address; set one in the editor&apos;s Options</source>
        <translation>%1: o calendário não tem endereço de publicação; indique um nas Opções do editor</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>Apagado: %1</translation>
    </message>
    <message>
        <source>Sent %1 (%2)</source>
        <translation>Enviado: %1 (%2)</translation>
    </message>
    <message>
        <source> To trust it, publish again with --accept-host-key %1</source>
        <translation> Para confiar nela, publique de novo com --accept-host-key %1</translation>
    </message>
    <message>
        <source> --force publishes beside them.</source>
        <translation> --force publica ao lado deles.</translation>
    </message>
    <message>
        <source>would send %1</source>
        <translation>enviaria %1</translation>
    </message>
    <message>
        <source>would delete %1</source>
        <translation>apagaria %1</translation>
    </message>
    <message>
        <source>Dry run: %1 file(s) to send (%2), %3 to delete, %4 unchanged.</source>
        <translation>Ensaio: %1 ficheiro(s) a enviar (%2), %3 a apagar, %4 sem alterações.</translation>
    </message>
    <message>
        <source>Published to %1: %2 file(s) sent (%3), %4 deleted, %5 unchanged.</source>
        <translation>Publicado em %1: %2 ficheiro(s) enviado(s) (%3), %4 apagado(s), %5 sem alterações.</translation>
    </message>
    <message>
        <source>With --preview: show the page as a visitor sees it at MOMENT (YYYY-MM-DDTHH:MM, in the calendar&apos;s time zone).</source>
        <translation>Com --preview: mostrar a página como um visitante a vê em MOMENT (YYYY-MM-DDTHH:MM, no fuso horário do calendário).</translation>
    </message>
    <message>
        <source>--date goes with --preview</source>
        <translation>--date vai com --preview</translation>
    </message>
    <message>
        <source>With --generate, --check or --publish: read a private calendar&apos;s password from FILE, which only you may read.</source>
        <translation>Com --generate, --check ou --publish: ler a palavra-passe de um calendário privado de FILE, que só você pode ler.</translation>
    </message>
    <message>
        <source>--password-file goes with --generate, --check or --publish</source>
        <translation>--password-file vai com --generate, --check ou --publish</translation>
    </message>
    <message>
        <source>The calendar is private: --password-file checks its password too.</source>
        <translation>O calendário é privado: --password-file verifica também a sua palavra-passe.</translation>
    </message>
    <message>
        <source>The password is the calendar&apos;s.</source>
        <translation>A palavra-passe é a do calendário.</translation>
    </message>
    <message>
        <source>the calendar is private: give its password with --password-file FILE</source>
        <translation>o calendário é privado: indique a sua palavra-passe com --password-file FILE</translation>
    </message>
    <message>
        <source>%1: the calendar has no address to put on a card; set “Public address” in the editor’s Options</source>
        <translation>%1: o calendário não tem endereço para pôr em um cartão; informe “Endereço público” nas Opções do editor</translation>
    </message>
    <message>
        <source>With --generate, --check or --publish: go on with the key chain of a calendar whose doors open only on their day, from the recovery code in FILE, which only you may read.</source>
        <translation>Com --generate, --check ou --publish: continuar a cadeia de chaves de um calendário cujas portas só abrem no seu dia, a partir do código de recuperação em FILE, que só você pode ler.</translation>
    </message>
    <message>
        <source>--recovery-code-file goes with --generate, --check or --publish</source>
        <translation>--recovery-code-file vai com --generate, --check ou --publish</translation>
    </message>
    <message>
        <source>--recovery-code-file: this calendar&apos;s doors do not open only on their day</source>
        <translation>--recovery-code-file: as portas deste calendário não abrem só no seu dia</translation>
    </message>
    <message>
        <source>--recovery-code-file: </source>
        <translation>--recovery-code-file: </translation>
    </message>
    <message>
        <source>--recovery-code-file: this is not a recovery code, or it is mistyped</source>
        <translation>--recovery-code-file: isto não é um código de recuperação, ou está mal escrito</translation>
    </message>
    <message>
        <source>Doors open only on their day: a site made today opens none yet.</source>
        <translation>As portas só abrem no seu dia: um site feito hoje ainda não abre nenhuma.</translation>
    </message>
    <message>
        <source>Doors open only on their day: a site made today opens days 1 to %1.</source>
        <translation>As portas só abrem no seu dia: um site feito hoje abre os dias 1 a %1.</translation>
    </message>
    <message>
        <source>This computer keeps no key chain for this calendar: the next generation starts a new one, unless --recovery-code-file gives its recovery code.</source>
        <translation>Este computador não guarda nenhuma cadeia de chaves para este calendário: a próxima geração começa uma nova, a menos que --recovery-code-file indique o seu código de recuperação.</translation>
    </message>
    <message>
        <source>Publish every morning is not on: each door opens only when the site is generated or published again.</source>
        <translation>A publicação todas as manhãs não está ativa: cada porta só abre quando o site for gerado ou publicado de novo.</translation>
    </message>
    <message>
        <source>A door whose morning publish does not run (the computer was off) opens at the next publish.</source>
        <translation>Uma porta cuja publicação da manhã não corre (o computador estava desligado) abre na publicação seguinte.</translation>
    </message>
</context>
<context>
    <name>ListeSite</name>
    <message>
        <source>%1 is not a regular file: a site holds only files and folders.</source>
        <translation>%1 não é um ficheiro normal: um site só contém ficheiros e pastas.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Não é possível ler %1: %2.</translation>
    </message>
</context>
<context>
    <name>ManifesteSite</name>
    <message>
        <source>The directory %1 cannot be written: %2.</source>
        <translation>Não é possível gravar na pasta %1: %2.</translation>
    </message>
</context>
<context>
    <name>MenusFenetre</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Novo…</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Import a folder...</source>
        <translation>Importar uma pasta…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Idioma…</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Calendário</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opções…</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Pré-visualizar</translation>
    </message>
    <message>
        <source>&amp;Generate...</source>
        <translation>&amp;Gerar…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About tinselbox</source>
        <translation>&amp;Sobre o tinselbox</translation>
    </message>
    <message>
        <source>&lt;h3&gt;tinselbox %1&lt;/h3&gt;&lt;p&gt;An editor for interactive web calendars of up to 31 days.&lt;/p&gt;&lt;p&gt;Released under the %2 licence.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;tinselbox %1&lt;/h3&gt;&lt;p&gt;Um editor de calendários web interativos de até 31 dias.&lt;/p&gt;&lt;p&gt;Distribuído sob a licença %2.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>P&amp;ublish</source>
        <translation>P&amp;ublicar</translation>
    </message>
    <message>
        <source>Preview on a &amp;date...</source>
        <translation>Pré-visualizar numa &amp;data...</translation>
    </message>
    <message>
        <source>Publish every &amp;morning</source>
        <translation>Publicar todas as &amp;manhãs</translation>
    </message>
</context>
<context>
    <name>MotDePassePrive</name>
    <message>
        <source>Password of this private calendar:</source>
        <translation>Palavra-passe deste calendário privado:</translation>
    </message>
    <message>
        <source>Private calendar</source>
        <translation>Calendário privado</translation>
    </message>
</context>
<context>
    <name>OutilFfmpeg</name>
    <message>
        <source>The conversion was stopped.</source>
        <translation>A conversão foi parada.</translation>
    </message>
    <message>
        <source>ffmpeg failed: %1.</source>
        <translation>O ffmpeg falhou: %1.</translation>
    </message>
    <message>
        <source>ffmpeg is not installed.</source>
        <translation>O ffmpeg não está instalado.</translation>
    </message>
    <message>
        <source>ffmpeg stopped with code %1.</source>
        <translation>O ffmpeg parou com o código %1.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Your browser cannot show this calendar.</source>
        <translation>Seu navegador não consegue exibir este calendário.</translation>
    </message>
    <message>
        <source>{n} numbered balls hanging above fir trees</source>
        <translation>{n} bolas numeradas penduradas acima dos pinheiros</translation>
    </message>
    <message>
        <source>This is a preview: you can click on all days to test it.</source>
        <translation>Esta é uma pré-visualização: você pode clicar em todos os dias para testá-la.</translation>
    </message>
    <message>
        <source>Day {n}</source>
        <translation>Dia {n}</translation>
    </message>
    <message>
        <source>Day {n} is open</source>
        <translation>O dia {n} está aberto</translation>
    </message>
    <message>
        <source>Day {n}, already opened</source>
        <translation>Dia {n}, já aberto</translation>
    </message>
    <message>
        <source>{jour}, opens on {date}</source>
        <translation>{jour}, abre em {date}</translation>
    </message>
    <message>
        <source>{jour}, was open on {date}</source>
        <translation>{jour}, esteve aberto em {date}</translation>
    </message>
    <message>
        <source>{jour}, stays shut: {mois} has {n} days</source>
        <translation>{jour}, continua fechado: {mois} só tem {n} dias</translation>
    </message>
    <message>
        <source>This calendar opens on {date}.</source>
        <translation>Este calendário abre em {date}.</translation>
    </message>
    <message>
        <source>This calendar opens again on {date}.</source>
        <translation>Este calendário volta a abrir em {date}.</translation>
    </message>
    <message>
        <source>Day {n} opens in {h} h {min} min</source>
        <translation>O dia {n} abre daqui a {h}&#xa0;h {min}&#xa0;min</translation>
    </message>
    <message>
        <source>Day {n} opens in {min} min</source>
        <translation>O dia {n} abre daqui a {min}&#xa0;min</translation>
    </message>
    <message>
        <source>Day {n}: picture</source>
        <translation>Dia {n}: uma imagem</translation>
    </message>
    <message>
        <source>Day {n}: music</source>
        <translation>Dia {n}: música</translation>
    </message>
    <message>
        <source>Day {n}: video</source>
        <translation>Dia {n}: um vídeo</translation>
    </message>
    <message>
        <source>Day {n}: {texte}</source>
        <translation>Dia {n}: {texte}</translation>
    </message>
    <message>
        <source>Day {n}: nothing today</source>
        <translation>Dia {n}: nada hoje</translation>
    </message>
    <message>
        <source>Scan to open</source>
        <translation>Escaneie para abrir</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Neve</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Lembrar-me</translation>
    </message>
    <message>
        <source>A calendar of %1 days: open today&apos;s ball to find its surprise.</source>
        <translation>Um calendário de %1 dias: abra a bola de hoje para descobrir a surpresa.</translation>
    </message>
    <message>
        <source>This calendar is private.</source>
        <translation>Este calendário é privado.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>Remember on this device</source>
        <translation>Lembrar neste dispositivo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Opening…</source>
        <translation>A abrir…</translation>
    </message>
    <message>
        <source>Wrong password. Please try again.</source>
        <translation>Palavra-passe incorreta. Tente de novo.</translation>
    </message>
    <message>
        <source>This day&apos;s content is damaged and cannot be shown.</source>
        <translation>O conteúdo deste dia está danificado e não pode ser mostrado.</translation>
    </message>
    <message>
        <source>This calendar needs an https:// address: ask for its link beginning with https://.</source>
        <translation>Este calendário precisa de um endereço https://: peça a ligação que começa por https://.</translation>
    </message>
    <message>
        <source>The calendar cannot be opened right now: check the connection and try again.</source>
        <translation>O calendário não pode ser aberto agora: verifique a ligação à Internet e tente de novo.</translation>
    </message>
    <message>
        <source>This door opens on its day.</source>
        <translation>Esta porta abre no seu dia.</translation>
    </message>
</context>
<context>
    <name>PlanConversions</name>
    <message>
        <source>This file will not play in every browser. Installing ffmpeg converts it when the site is generated.</source>
        <translation>Este arquivo não vai tocar em todos os navegadores. Com o ffmpeg instalado, ele é convertido quando o site é gerado.</translation>
    </message>
    <message>
        <source>Day %1: %2 is not a picture, a sound or a video.</source>
        <translation>Dia %1: %2 não é uma imagem, um som nem um vídeo.</translation>
    </message>
    <message>
        <source>ffmpeg is not installed: the sound and video files of days %1 are published as they are, unconverted, and keep the position (GPS) and other details they hold.</source>
        <translation>O ffmpeg não está instalado: os ficheiros de som e vídeo dos dias %1 são publicados tal como estão, sem conversão, e mantêm a posição (GPS) e os outros dados que contêm.</translation>
    </message>
    <message>
        <source>The conversions were stopped.</source>
        <translation>As conversões foram paradas.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be converted. %3</source>
        <translation>Dia %1: o ficheiro %2 não pode ser convertido. %3</translation>
    </message>
    <message>
        <source>%1 is not a picture, a sound or a video.</source>
        <translation>%1 não é uma imagem, um som nem um vídeo.</translation>
    </message>
    <message>
        <source>The converted copy of %1 in %2 was cut short; the disk may be full.</source>
        <translation>A cópia convertida de %1 em %2 ficou incompleta; o disco pode estar cheio.</translation>
    </message>
</context>
<context>
    <name>PolitiqueSortie</name>
    <message>
        <source>No directory was given for the generation.</source>
        <translation>Nenhuma pasta foi informada para a geração.</translation>
    </message>
    <message>
        <source>%1 is not empty and holds no site that tinselbox generated; its contents would be erased.</source>
        <translation>A pasta %1 não está vazia e não contém nenhum site gerado pelo tinselbox; todo o conteúdo dela seria apagado.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is a link to %2, which does not exist.</source>
        <translation>Não é possível usar %1 para a geração: é uma ligação para %2, que não existe.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is a file, not a directory.</source>
        <translation>Não é possível usar %1 para a geração: é um arquivo, não uma pasta.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is the root of a disk.</source>
        <translation>Não é possível usar %1 para a geração: é a raiz de um disco.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: a disk is mounted inside this directory.</source>
        <translation>Não é possível usar %1 para a geração: há um disco montado dentro desta pasta.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is your home directory.</source>
        <translation>Não é possível usar %1 para a geração: é a sua pasta pessoal.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: this directory holds your home directory.</source>
        <translation>Não é possível usar %1 para a geração: esta pasta contém a sua pasta pessoal.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: this directory holds the calendar&apos;s project file.</source>
        <translation>Não é possível usar %1 para a geração: esta pasta contém o arquivo de projeto do calendário.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: this directory holds the media of day %2.</source>
        <translation>Não é possível usar %1 para a geração: esta pasta contém a mídia do dia %2.</translation>
    </message>
</context>
<context>
    <name>PublicationCalendrier</name>
    <message>
        <source>The calendar has no publishing address; set one in Options, Publishing.</source>
        <translation>O calendário não tem endereço de publicação; indique um em Opções, Publicação.</translation>
    </message>
    <message>
        <source>Cannot make a staging folder for the site: %1.</source>
        <translation>Não é possível criar uma pasta de preparação para o site: %1.</translation>
    </message>
</context>
<context>
    <name>Publieur</name>
    <message>
        <source>No publishing address is set.</source>
        <translation>Não está definido nenhum endereço de publicação.</translation>
    </message>
    <message>
        <source>The remote folder %1 holds files that no publish of a calendar put there; publishing beside them needs your confirmation (they are never deleted).</source>
        <translation>A pasta remota %1 contém ficheiros que nenhuma publicação de um calendário lá pôs; publicar ao lado deles precisa da sua confirmação (nunca são apagados).</translation>
    </message>
    <message>
        <source>Cannot send %1: %2.</source>
        <translation>Não é possível enviar %1: %2.</translation>
    </message>
</context>
<context>
    <name>Secrets</name>
    <message>
        <source>the keyring did not answer</source>
        <translation>o porta-chaves não respondeu</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>é uma ligação</translation>
    </message>
    <message>
        <source>Cannot read the secret file %1: %2.</source>
        <translation>Não é possível ler o ficheiro secreto %1: %2.</translation>
    </message>
    <message>
        <source>The secret file %1 is not a regular file.</source>
        <translation>O ficheiro secreto %1 não é um ficheiro normal.</translation>
    </message>
    <message>
        <source>The secret file %1 may be read by others: only its owner may read it (chmod 600 %1).</source>
        <translation>O ficheiro secreto %1 pode ser lido por outros: só o seu dono o pode ler (chmod 600 %1).</translation>
    </message>
    <message>
        <source>The secret file %1 is too large to hold a secret.</source>
        <translation>O ficheiro secreto %1 é demasiado grande para conter um segredo.</translation>
    </message>
    <message>
        <source>Cannot keep a secret in %1: %2.</source>
        <translation>Não é possível guardar um segredo em %1: %2.</translation>
    </message>
    <message>
        <source>The secret file %1 is empty.</source>
        <translation>O ficheiro secreto %1 está vazio.</translation>
    </message>
    <message>
        <source>The keyring cannot be read: %1.</source>
        <translation>Não é possível ler o porta-chaves: %1.</translation>
    </message>
    <message>
        <source>The keyring did not keep the secret: %1.</source>
        <translation>O chaveiro não guardou o segredo: %1.</translation>
    </message>
    <message>
        <source>The secret cannot be removed from the keyring: %1.</source>
        <translation>Não é possível retirar o segredo do chaveiro: %1.</translation>
    </message>
</context>
<context>
    <name>ServiceGeneration</name>
    <message>
        <source>There is no calendar to generate.</source>
        <translation>Não há nenhum calendário para gerar.</translation>
    </message>
    <message>
        <source>The generation was stopped; %1 was left as it was.</source>
        <translation>A geração foi interrompida; %1 ficou como estava.</translation>
    </message>
</context>
<context>
    <name>SitePrive</name>
    <message>
        <source>This calendar is private: its password is needed to generate it.</source>
        <translation>Este calendário é privado: é precisa a sua palavra-passe para o gerar.</translation>
    </message>
    <message>
        <source>The project file holds no key parameters for its password: this site gets a new key, and visitors who were remembered type the password again. Set the password in Options to keep the same key from one generation to the next.</source>
        <translation>O ficheiro do projeto não contém os parâmetros de chave da sua palavra-passe: este site recebe uma chave nova e os visitantes lembrados terão de escrever de novo a palavra-passe. Defina a palavra-passe nas Opções para manter a mesma chave de uma geração para a outra.</translation>
    </message>
    <message>
        <source>The calendar&apos;s keys cannot be made on this computer.</source>
        <translation>Não é possível criar as chaves do calendário neste computador.</translation>
    </message>
    <message>
        <source>The project file holds no key parameters: set the password in Options.</source>
        <translation>O ficheiro do projeto não contém parâmetros de chave: defina a palavra-passe nas Opções.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Não é possível ler o ficheiro %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Não é possível gravar o arquivo %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 changed while it was encrypted.</source>
        <translation>O ficheiro %1 mudou enquanto era cifrado.</translation>
    </message>
    <message>
        <source>The content cannot be encrypted.</source>
        <translation>Não é possível cifrar o conteúdo.</translation>
    </message>
    <message>
        <source>The page&apos;s lock cannot be written in %1.</source>
        <translation>Não é possível escrever o cadeado da página em %1.</translation>
    </message>
    <message>
        <source>This computer kept no key chain for this calendar: a new chain is started, and the site&apos;s days are encrypted again. If this calendar was published from another computer, give its recovery code (Options, or --recovery-code-file) to go on with its chain.</source>
        <translation>Este computador não guardava nenhuma cadeia de chaves para este calendário: começa uma nova cadeia, e os dias do site são cifrados de novo. Se este calendário foi publicado a partir de outro computador, indique o seu código de recuperação (Opções, ou --recovery-code-file) para continuar a sua cadeia.</translation>
    </message>
</context>
<context>
    <name>TacheMatinale</name>
    <message>
        <source>systemctl --user %1 failed: %2</source>
        <translation>systemctl --user %1 falhou: %2</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Não é possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Não é possível escrever %1: %2.</translation>
    </message>
</context>
<context>
    <name>Taille</name>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>kB</source>
        <translation>kB</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
</context>
<context>
    <name>ThemePage</name>
    <message>
        <source>Fir trees</source>
        <translation>Pinheiros</translation>
    </message>
    <message>
        <source>Winter night</source>
        <translation>Noite de inverno</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Frost</source>
        <translation>Geada</translation>
    </message>
</context>
<context>
    <name>Traduction</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The system&apos;s language (%1)</source>
        <translation>O idioma do sistema (%1)</translation>
    </message>
    <message>
        <source>The editor speaks the chosen language the next time it starts.</source>
        <translation>O editor usará o idioma escolhido na próxima vez que for iniciado.</translation>
    </message>
</context>
<context>
    <name>TransfertCurl</name>
    <message>
        <source>Publishing was stopped.</source>
        <translation>A publicação foi parada.</translation>
    </message>
    <message>
        <source>the host key of %1 has changed since it was accepted; this may be an attack (someone between you and the server), so nothing was sent</source>
        <translation>a chave de anfitrião de %1 mudou desde que foi aceite; pode ser um ataque (alguém entre si e o servidor), por isso nada foi enviado</translation>
    </message>
    <message>
        <source>the host key of %1 is not known (%2); accept it only if it is your server&apos;s</source>
        <translation>a chave de anfitrião de %1 não é conhecida (%2); aceite-a só se for a do seu servidor</translation>
    </message>
    <message>
        <source>the server refused the login: wrong user name, key or password</source>
        <translation>o servidor recusou a entrada: nome de utilizador, chave ou palavra-passe errados</translation>
    </message>
    <message>
        <source>permission denied by the server</source>
        <translation>permissão recusada pelo servidor</translation>
    </message>
    <message>
        <source>the server has no room left</source>
        <translation>o servidor não tem mais espaço</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1</source>
        <translation>o servidor respondeu com o estado HTTP %1</translation>
    </message>
    <message>
        <source>the server stopped answering (timeout)</source>
        <translation>o servidor deixou de responder (tempo esgotado)</translation>
    </message>
    <message>
        <source>the server %1 cannot be found</source>
        <translation>não é possível encontrar o servidor %1</translation>
    </message>
    <message>
        <source>the server %1 cannot be reached</source>
        <translation>não é possível contactar o servidor %1</translation>
    </message>
    <message>
        <source>the secure connection to the server failed (%1)</source>
        <translation>a ligação segura ao servidor falhou (%1)</translation>
    </message>
    <message>
        <source>Cannot list the remote folder %1</source>
        <translation>Não é possível listar a pasta remota %1</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Não é possível ler %1</translation>
    </message>
    <message>
        <source>Cannot send %1</source>
        <translation>Não é possível enviar %1</translation>
    </message>
    <message>
        <source>Cannot delete %1</source>
        <translation>Não é possível apagar %1</translation>
    </message>
    <message>
        <source>Cannot list the bucket %1</source>
        <translation>Não é possível listar o bucket %1</translation>
    </message>
    <message>
        <source>Cannot list the bucket %1: the server&apos;s answer does not read (%2).</source>
        <translation>Não é possível listar o bucket %1: a resposta do servidor não se lê (%2).</translation>
    </message>
    <message>
        <source>Cannot make the remote folder %1</source>
        <translation>Não é possível criar a pasta remota %1</translation>
    </message>
    <message>
        <source>Cannot put %1 in place</source>
        <translation>Não é possível colocar %1 no lugar</translation>
    </message>
    <message>
        <source>the server refused the login: wrong user name, key or password (%1)</source>
        <translation>o servidor recusou a entrada: nome de utilizador, chave ou palavra-passe errados (%1)</translation>
    </message>
    <message>
        <source>permission denied by the server (%1)</source>
        <translation>permissão recusada pelo servidor (%1)</translation>
    </message>
    <message>
        <source>the server has no room left (%1)</source>
        <translation>o servidor não tem mais espaço (%1)</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1 (%2)</source>
        <translation>o servidor respondeu com o estado HTTP %1 (%2)</translation>
    </message>
    <message>
        <source>the server&apos;s certificate cannot be trusted (%1); a server with an authority of its own needs that authority given with --ca-file, or kept as certificate-authorities.pem in tinselbox&apos;s data folder</source>
        <translation>o certificado do servidor não é confiável (%1); um servidor com autoridade própria precisa dessa autoridade dada com --ca-file, ou guardada como certificate-authorities.pem na pasta de dados do tinselbox</translation>
    </message>
</context>
<context>
    <name>TuilesJours</name>
    <message>
        <source>Day %1</source>
        <translation>Dia %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message>
        <source>file missing</source>
        <translation>ficheiro em falta</translation>
    </message>
</context>
</TS>
