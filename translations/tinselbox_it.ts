<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BoutonJour</name>
    <message>
        <source>Click to add ...</source>
        <translation>Clicca per aggiungere…</translation>
    </message>
    <message>
        <source>MISSING</source>
        <translation>MANCANTE</translation>
    </message>
</context>
<context>
    <name>CacheConversions</name>
    <message>
        <source>tinselbox: there is no home folder to keep converted media in; they are kept in %1.</source>
        <translation>tinselbox: non c’è una cartella personale in cui tenere i media convertiti; sono tenuti in %1.</translation>
    </message>
    <message>
        <source>The converted file cannot be read in %1: %2.</source>
        <translation>Il file convertito non può essere letto in %1: %2.</translation>
    </message>
    <message>
        <source>The converted file cannot be kept in %1: %2.</source>
        <translation>Il file convertito non può essere conservato in %1: %2.</translation>
    </message>
    <message>
        <source>The cache directory %1 cannot be written: %2.</source>
        <translation>Il file convertito non può essere tenuto in %1: %2.</translation>
    </message>
</context>
<context>
    <name>CalendriersRecents</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>Svuota &amp;menu</translation>
    </message>
</context>
<context>
    <name>CartePartage</name>
    <message>
        <source>Scan to be reminded of each day</source>
        <translation>Inquadra per un promemoria ogni giorno</translation>
    </message>
    <message>
        <source>The card cannot be made: the calendar has no address; set it in Options.</source>
        <translation>Impossibile creare la scheda: il calendario non ha un indirizzo; indicalo nelle opzioni.</translation>
    </message>
    <message>
        <source>The card cannot be made: the address is too long for a QR code.</source>
        <translation>Impossibile creare la scheda: l’indirizzo è troppo lungo per un codice QR.</translation>
    </message>
    <message>
        <source>The card %1 cannot be written.</source>
        <translation>Impossibile scrivere la scheda %1.</translation>
    </message>
    <message>
        <source>The card %1 cannot be written: %2.</source>
        <translation>Impossibile scrivere la scheda %1: %2.</translation>
    </message>
</context>
<context>
    <name>ChaineCles</name>
    <message>
        <source>The calendar&apos;s key chain %1 is damaged: give its recovery code, or remove the file to start a new chain.</source>
        <translation>La catena di chiavi del calendario %1 è danneggiata: indica il suo codice di recupero, oppure elimina il file per iniziare una nuova catena.</translation>
    </message>
    <message>
        <source>This computer gives no random bytes for a key chain.</source>
        <translation>Questo computer non fornisce byte casuali per una catena di chiavi.</translation>
    </message>
    <message>
        <source>This is not a recovery code, or it is mistyped.</source>
        <translation>Questo non è un codice di recupero, oppure è digitato male.</translation>
    </message>
    <message>
        <source>This calendar&apos;s key chain cannot follow its new name or publishing address. %1

The next generation would start a new chain, and every day&apos;s key would change. To go on with the same keys, type this recovery code in Options once this is mended:

%2</source>
        <translation>La catena di chiavi di questo calendario non può seguire il suo nuovo nome o il suo nuovo indirizzo di pubblicazione. %1

La prossima generazione inizierebbe una nuova catena, e la chiave di ogni giorno cambierebbe. Per proseguire con le stesse chiavi, digita questo codice di recupero nelle Opzioni una volta risolto il problema:

%2</translation>
    </message>
</context>
<context>
    <name>ChangementMedias</name>
    <message>
        <source>Edit day %1</source>
        <translation>Modifica il giorno %1</translation>
    </message>
    <message>
        <source>Clear day %1</source>
        <translation>Svuota il giorno %1</translation>
    </message>
    <message>
        <source>Set day %1</source>
        <translation>Riempi il giorno %1</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>The media of day %1 could not be put back; the day keeps what it held.</source>
        <translation>Impossibile ripristinare il contenuto multimediale del giorno %1; il giorno mantiene ciò che conteneva.</translation>
    </message>
</context>
<context>
    <name>ChangementOptions</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
</context>
<context>
    <name>ChantierSite</name>
    <message>
        <source>%1 is a file, not a directory.</source>
        <translation>%1 è un file, non una cartella.</translation>
    </message>
    <message>
        <source>The directory %1 cannot be created: %2.</source>
        <translation>Impossibile creare la cartella %1: %2.</translation>
    </message>
    <message>
        <source>The site cannot be generated: another generation is writing to %1.</source>
        <translation>Impossibile generare il sito: un’altra generazione sta scrivendo in %1.</translation>
    </message>
    <message>
        <source>The directory %1 cannot be opened: %2.</source>
        <translation>Impossibile aprire la cartella %1: %2.</translation>
    </message>
    <message>
        <source>The directory %1 cannot be written: %2.</source>
        <translation>Impossibile scrivere nella cartella %1: %2.</translation>
    </message>
    <message>
        <source>%1 was replaced by something else while it was being opened; nothing was written.</source>
        <translation>%1 è stato sostituito da qualcos’altro mentre veniva aperto; non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist.</source>
        <translation>%1 è un collegamento a %2, che non esiste.</translation>
    </message>
    <message>
        <source>%1 is the root of a disk.</source>
        <translation>%1 è la radice di un disco.</translation>
    </message>
    <message>
        <source>The directory %1 holds a mounted file system (%2) and cannot be replaced.</source>
        <translation>La cartella %1 contiene un file system montato (%2) e non può essere sostituita.</translation>
    </message>
    <message>
        <source>The previous contents of %1 cannot be removed (%2): %3.</source>
        <translation>Impossibile rimuovere il contenuto precedente di %1 (%2): %3.</translation>
    </message>
    <message>
        <source>%1 was moved or replaced by something else during the generation; nothing was written into it and nothing was removed.</source>
        <translation>%1 è stata spostata o sostituita da qualcos’altro durante la generazione; non vi è stato scritto nulla e nulla è stato rimosso.</translation>
    </message>
    <message>
        <source>The previous contents of %1 cannot be replaced: %2.</source>
        <translation>Impossibile sostituire il contenuto precedente di %1: %2.</translation>
    </message>
</context>
<context>
    <name>ChoixInstant</name>
    <message>
        <source>Preview on a date</source>
        <translation>Anteprima a una data</translation>
    </message>
    <message>
        <source>Show the page as a visitor sees it at this moment (time in %1):</source>
        <translation>Mostra la pagina come la vede un visitatore in questo momento (ora di %1):</translation>
    </message>
    <message>
        <source>Show the page as a visitor sees it at this moment:</source>
        <translation>Mostra la pagina come la vede un visitatore in questo momento:</translation>
    </message>
</context>
<context>
    <name>CiblePublication</name>
    <message>
        <source>The publishing address must begin with sftp://, ftps://, davs:// or s3://.</source>
        <translation>L’indirizzo di pubblicazione deve iniziare con sftp://, ftps://, davs:// o s3://.</translation>
    </message>
    <message>
        <source>The publishing address names no valid server.</source>
        <translation>L’indirizzo di pubblicazione non indica alcun server valido.</translation>
    </message>
    <message>
        <source>The publishing address must not hold a password; it is asked for when publishing.</source>
        <translation>L’indirizzo di pubblicazione non deve contenere una password; viene chiesta al momento della pubblicazione.</translation>
    </message>
    <message>
        <source>The publishing address must not end with a #fragment.</source>
        <translation>L’indirizzo di pubblicazione non deve terminare con un #frammento.</translation>
    </message>
    <message>
        <source>The S3 address needs the access key id before the server: s3://KEY@HOST/BUCKET.</source>
        <translation>L’indirizzo S3 richiede l’id della chiave di accesso prima del server: s3://CHIAVE@HOST/BUCKET.</translation>
    </message>
    <message>
        <source>The publishing address needs a user name before the server: USER@HOST.</source>
        <translation>L’indirizzo di pubblicazione richiede un nome utente prima del server: UTENTE@HOST.</translation>
    </message>
    <message>
        <source>The publishing address has no valid port.</source>
        <translation>L’indirizzo di pubblicazione non ha una porta valida.</translation>
    </message>
    <message>
        <source>The publishing folder must not hold &quot;.&quot; or &quot;..&quot;.</source>
        <translation>La cartella di pubblicazione non deve contenere «.» o «..».</translation>
    </message>
    <message>
        <source>The publishing folder must not hold control characters.</source>
        <translation>La cartella di pubblicazione non deve contenere caratteri di controllo.</translation>
    </message>
    <message>
        <source>The S3 address must end with ?region=REGION (for example ?region=us-east-1).</source>
        <translation>L’indirizzo S3 deve terminare con ?region=REGIONE (per esempio ?region=us-east-1).</translation>
    </message>
    <message>
        <source>The S3 address needs a bucket name after the server: s3://KEY@HOST/BUCKET.</source>
        <translation>L’indirizzo S3 richiede il nome di un bucket dopo il server: s3://CHIAVE@HOST/BUCKET.</translation>
    </message>
    <message>
        <source>Only an S3 address takes a ?query.</source>
        <translation>Solo un indirizzo S3 accetta una ?query.</translation>
    </message>
    <message>
        <source>The SFTP address needs a folder: /~/FOLDER for one in the user&apos;s home.</source>
        <translation>L’indirizzo SFTP richiede una cartella: /~/CARTELLA per una nella cartella home dell’utente.</translation>
    </message>
</context>
<context>
    <name>CoffreCles</name>
    <message>
        <source>The calendar&apos;s key %1 is damaged.</source>
        <translation>La chiave del calendario %1 è danneggiata.</translation>
    </message>
    <message>
        <source>This is not the calendar&apos;s password (the one set in its Options).</source>
        <translation>Non è la password del calendario (quella impostata nelle sue Opzioni).</translation>
    </message>
    <message>
        <source>The calendar&apos;s key cannot be made.</source>
        <translation>Impossibile creare la chiave del calendario.</translation>
    </message>
</context>
<context>
    <name>CommandesGeneration</name>
    <message>
        <source>1 media file cannot be found:</source>
        <translation>Impossibile trovare 1 file multimediale:</translation>
    </message>
    <message>
        <source>%1 media files cannot be found:</source>
        <translation>Impossibile trovare %1 file multimediali:</translation>
    </message>
    <message>
        <source>Day %1: %2</source>
        <translation>Giorno %1: %2</translation>
    </message>
    <message>
        <source>Choose these files again or clear their days, then try again.</source>
        <translation>Scegli di nuovo questi file o svuota i loro giorni, poi riprova.</translation>
    </message>
    <message>
        <source>Select the generation directory</source>
        <translation>Seleziona la cartella di generazione</translation>
    </message>
    <message>
        <source>This action will erase all the contents of the directory %1
Generate anyway?</source>
        <translation>Questa azione cancellerà tutto il contenuto della cartella %1
Generare comunque?</translation>
    </message>
    <message>
        <source>Error generating the calendar.</source>
        <translation>Errore nella generazione del calendario.</translation>
    </message>
    <message>
        <source>Generating the calendar successfully in %1</source>
        <translation>Calendario generato correttamente in %1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Apri nel browser</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Condividi…</translation>
    </message>
    <message>
        <source>Generating the calendar ...</source>
        <translation>Generazione del calendario…</translation>
    </message>
    <message>
        <source>Converted day %1 (%2 of %3) ...</source>
        <translation>Giorno %1 convertito (%2 di %3)…</translation>
    </message>
</context>
<context>
    <name>CommandesJours</name>
    <message>
        <source>Edit...</source>
        <translation>Modifica…</translation>
    </message>
    <message>
        <source>Clear day</source>
        <translation>Svuota il giorno</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
    <message>
        <source>The folder %1 cannot be shown.</source>
        <translation>Impossibile mostrare la cartella %1.</translation>
    </message>
    <message>
        <source>Move day %1 to day %2</source>
        <translation>Sposta il giorno %1 al giorno %2</translation>
    </message>
    <message>
        <source>Swap days %1 and %2</source>
        <translation>Scambia i giorni %1 e %2</translation>
    </message>
</context>
<context>
    <name>CommandesPublication</name>
    <message>
        <source>The password is asked for instead.</source>
        <translation>Viene chiesta invece la password.</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Pubblica</translation>
    </message>
    <message>
        <source>The secret key of %1:</source>
        <translation>La chiave segreta di %1:</translation>
    </message>
    <message>
        <source>The password of %1 (empty to log in with your SSH key):</source>
        <translation>La password di %1 (vuota per accedere con la tua chiave SSH):</translation>
    </message>
    <message>
        <source>Remember it in the system keyring</source>
        <translation>Ricordala nel portachiavi del sistema</translation>
    </message>
    <message>
        <source>Publishing...</source>
        <translation>Pubblicazione…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Stopping after the current step...</source>
        <translation>Arresto dopo il passo in corso…</translation>
    </message>
    <message>
        <source>Sending %1: %2 of %3
In all: %4 of %5, %6/s, %7 s left</source>
        <translation>Invio di %1: %2 di %3
In tutto: %4 di %5, %6/s, %7 s rimanenti</translation>
    </message>
    <message>
        <source>The calendar has no publishing address yet: set one in Options, Publishing.</source>
        <translation>Il calendario non ha ancora un indirizzo di pubblicazione: impostane uno in Opzioni, Pubblicazione.</translation>
    </message>
    <message numerus="yes">
        <source>The calendar is published: %n file(s) sent (%1), %2 deleted, %3 unchanged.</source>
        <translation>
            <numerusform>Il calendario è pubblicato: %n file inviato (%1), %2 eliminati, %3 invariati.</numerusform>
            <numerusform>Il calendario è pubblicato: %n file inviati (%1), %2 eliminati, %3 invariati.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a server this computer knows. Its host key&apos;s fingerprint is:
%2

Trust it only if it is your server&apos;s (your provider can tell). Trust it and publish?</source>
        <translation>%1 non è un server che questo computer conosce. L’impronta della sua chiave host è:
%2

Fidati solo se è quella del tuo server (il tuo fornitore può dirlo). Fidarsi e pubblicare?</translation>
    </message>
    <message>
        <source>Publish beside them?</source>
        <translation>Pubblicare accanto a essi?</translation>
    </message>
    <message>
        <source>The site on the server still works as it was; publishing again completes it.</source>
        <translation>Il sito sul server funziona ancora come prima; pubblicare di nuovo lo completa.</translation>
    </message>
    <message>
        <source>Publishing every morning needs a saved calendar with a publishing address (Options, Publishing).</source>
        <translation>Pubblicare ogni mattina richiede un calendario salvato con un indirizzo di pubblicazione (Opzioni, Pubblicazione).</translation>
    </message>
    <message>
        <source>systemd does not run on this computer. To publish every morning, add this line with crontab -e; it is in this computer&apos;s time zone:

%1

The job needs the password in a file only you can read (--secret-file FILE) or an SSH key.</source>
        <translation>systemd non è in esecuzione su questo computer. Per pubblicare ogni mattina, aggiungi questa riga con crontab -e; è nel fuso orario di questo computer:

%1

Il compito richiede la password in un file che solo tu puoi leggere (--secret-file FILE) o una chiave SSH.</translation>
    </message>
    <message>
        <source>To share it, give its public address in Options and publish again: the page&apos;s link previews name it too.</source>
        <translation>Per condividerlo, indica il suo indirizzo pubblico in Opzioni e pubblica di nuovo: anche le anteprime dei link della pagina lo usano.</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Apri nel browser</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Condividi…</translation>
    </message>
</context>
<context>
    <name>ConvertisseurImage</name>
    <message>
        <source>The converted picture of %1 cannot be written: %2.</source>
        <translation>L’immagine convertita di %1 non può essere scritta: %2.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be encoded as JPEG.</source>
        <translation>L’immagine %1 non può essere codificata in JPEG.</translation>
    </message>
</context>
<context>
    <name>EcritureFichier</name>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Impossibile scrivere il file %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Impossibile leggere il file %1: %2.</translation>
    </message>
</context>
<context>
    <name>EntetePage</name>
    <message>
        <source>The page %1 cannot be read: %2.</source>
        <translation>Impossibile leggere la pagina %1: %2.</translation>
    </message>
    <message>
        <source>The page %1 has no head to write the title into.</source>
        <translation>La pagina %1 non ha un’intestazione in cui scrivere il titolo.</translation>
    </message>
</context>
<context>
    <name>FenetreEdition</name>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>PHOTO</source>
        <translation>FOTO</translation>
    </message>
    <message>
        <source>MUSIC</source>
        <translation>MUSICA</translation>
    </message>
    <message>
        <source>VIDEO</source>
        <translation>VIDEO</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>MESSAGGIO</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>Write the day&apos;s message here.</source>
        <translation>Scrivi qui il messaggio del giorno.</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>Giorno %1</translation>
    </message>
    <message>
        <source>No preview available</source>
        <translation>Anteprima non disponibile</translation>
    </message>
    <message>
        <source>1 character left</source>
        <translation>Resta 1 carattere</translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation>Restano %1 caratteri</translation>
    </message>
    <message>
        <source>1 character too many</source>
        <translation>1 carattere di troppo</translation>
    </message>
    <message>
        <source>%1 characters too many</source>
        <translation>%1 caratteri di troppo</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>Seleziona un file</translation>
    </message>
    <message>
        <source>The message holds an invisible control character that a calendar file cannot store. Remove it, or type the text again.</source>
        <translation>Il messaggio contiene un carattere di controllo invisibile che un file di calendario non può memorizzare. Rimuovilo o riscrivi il testo.</translation>
    </message>
</context>
<context>
    <name>FenetreNouveau</name>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Letters and digits, e.g. Advent2026</source>
        <translation>Lettere e cifre, ad es. Avvento2026</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Cartella:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>The name may hold only the letters A to Z (no accents) and the digits 0 to 9.</source>
        <translation>Il nome può contenere solo le lettere dalla A alla Z (senza accenti) e le cifre da 0 a 9.</translation>
    </message>
    <message>
        <source>Please enter a name for the project and a working directory.</source>
        <translation>Inserisci un nome per il progetto e una cartella di lavoro.</translation>
    </message>
    <message>
        <source>Please enter a correct name for the project (must contain only letters and numbers).</source>
        <translation>Inserisci un nome di progetto valido (solo lettere e cifre).</translation>
    </message>
    <message>
        <source>Select the working directory</source>
        <translation>Seleziona la cartella di lavoro</translation>
    </message>
    <message>
        <source>A calendar with this name already exists in this directory. 
Replace it?</source>
        <translation>In questa cartella esiste già un calendario con questo nome. 
Sostituirlo?</translation>
    </message>
    <message>
        <source>The working directory %1 does not exist or is not a folder.</source>
        <translation>La cartella di lavoro %1 non esiste o non è una cartella.</translation>
    </message>
</context>
<context>
    <name>FenetreOptions</name>
    <message>
        <source>Calendar options</source>
        <translation>Opzioni del calendario</translation>
    </message>
    <message>
        <source>Past days stay open</source>
        <translation>I giorni passati restano aperti</translation>
    </message>
    <message>
        <source>A visitor who missed a day can still open it later.</source>
        <translation>Chi ha perso un giorno può ancora aprirlo più tardi.</translation>
    </message>
    <message>
        <source>Days open in:</source>
        <translation>I giorni si aprono:</translation>
    </message>
    <message>
        <source>Time zone:</source>
        <translation>Fuso orario:</translation>
    </message>
    <message>
        <source>Each visitor&apos;s own clock</source>
        <translation>L’orologio di ogni visitatore</translation>
    </message>
    <message>
        <source>Number of days:</source>
        <translation>Numero di giorni:</translation>
    </message>
    <message>
        <source>Starts on:</source>
        <translation>Inizia il:</translation>
    </message>
    <message>
        <source>Day 1 opens on this date, day 2 the day after, and so on. Unchecked, the balls follow the days of the month.</source>
        <translation>Il giorno 1 si apre in questa data, il giorno 2 il giorno dopo, e così via. Se non è selezionato, le palline seguono i giorni del mese.</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Ogni anno</translation>
    </message>
    <message>
        <source>Language of the page:</source>
        <translation>Lingua della pagina:</translation>
    </message>
    <message>
        <source>https://example.org/calendar/</source>
        <translation>https://example.org/calendario/</translation>
    </message>
    <message>
        <source>Shuffle the balls</source>
        <translation>Mescola le palline</translation>
    </message>
    <message>
        <source>The numbers are dealt over the balls&apos; places in an order of their own, the same at every generation.</source>
        <translation>I numeri vengono distribuiti sui posti delle palline in un ordine proprio, lo stesso a ogni generazione.</translation>
    </message>
    <message>
        <source>Publish files exactly as chosen</source>
        <translation>Pubblica i file così come sono</translation>
    </message>
    <message>
        <source>Copy every picture, sound and video byte for byte instead of making it lighter for the web.</source>
        <translation>Copia ogni immagine, suono e video byte per byte invece di alleggerirli per il web.</translation>
    </message>
    <message>
        <source>Any month</source>
        <translation>Qualsiasi mese</translation>
    </message>
    <message>
        <source>%1 only</source>
        <translation>Solo a %1</translation>
    </message>
    <message>
        <source>“%1” is not a time zone this computer knows.
Give a name such as Europe/Paris, or leave the field empty for each visitor’s own clock.</source>
        <translation>«%1» non è un fuso orario noto a questo computer.
Indica un nome come Europe/Paris, oppure lascia il campo vuoto per usare l’orologio di ogni visitatore.</translation>
    </message>
    <message>
        <source>“%1” is not the address of a web page.
Give the whole address, starting with https:// or http://, or leave the field empty.</source>
        <translation>«%1» non è l’indirizzo di una pagina web.
Indica l’indirizzo completo, che inizia con https:// o http://, oppure lascia il campo vuoto.</translation>
    </message>
    <message>
        <source>Look of the page:</source>
        <translation>Aspetto della pagina:</translation>
    </message>
    <message>
        <source>Background picture:</source>
        <translation>Immagine di sfondo:</translation>
    </message>
    <message>
        <source>None: the theme&apos;s sky</source>
        <translation>Nessuna: il cielo del tema</translation>
    </message>
    <message>
        <source>Your own picture behind the balls, shown as it is. It is published in two crops, for tall and for wide screens.</source>
        <translation>La vostra immagine dietro le palline, mostrata così com’è. È pubblicata in due ritagli, per schermi alti e per schermi larghi.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Sfoglia...</translation>
    </message>
    <message>
        <source>Show the calendar&apos;s name on the page</source>
        <translation>Mostra il nome del calendario sulla pagina</translation>
    </message>
    <message>
        <source>“%1” is not a picture this computer can read.
Choose a photo, or leave the field empty for the theme’s own sky.</source>
        <translation>«%1» non è un’immagine che questo computer sa leggere.
Scegliete una foto, o lasciate il campo vuoto per il cielo del tema.</translation>
    </message>
    <message>
        <source>Select a background picture</source>
        <translation>Seleziona un’immagine di sfondo</translation>
    </message>
    <message>
        <source>Publish to:</source>
        <translation>Pubblica su:</translation>
    </message>
    <message>
        <source>sftp://user@host/~/www/calendar</source>
        <translation>sftp://utente@host/~/www/calendario</translation>
    </message>
    <message>
        <source>sftp://USER@HOST/PATH, ftps://USER@HOST/PATH (FTP with TLS), davs://USER@HOST/PATH (WebDAV over HTTPS) or s3://ACCESS_KEY_ID@HOST/BUCKET/PREFIX?region=REGION. Passwords are never kept here: Publish asks for them and keeps them in the system keyring.</source>
        <translation>sftp://UTENTE@HOST/PERCORSO, ftps://UTENTE@HOST/PERCORSO (FTP con TLS), davs://UTENTE@HOST/PERCORSO (WebDAV su HTTPS) o s3://ID_CHIAVE_ACCESSO@HOST/BUCKET/PREFISSO?region=REGIONE. Le password non sono mai conservate qui: Pubblica le chiede e le conserva nel portachiavi del sistema.</translation>
    </message>
    <message>
        <source>“%1” is not a publishing address.
Give one such as sftp://user@host/~/www, ftps://user@host/www, davs://host/www or s3://KEY@host/bucket?region=us-east-1, without a password, or leave the field empty.</source>
        <translation>«%1» non è un indirizzo di pubblicazione.
Indicane uno come sftp://utente@host/~/www, ftps://utente@host/www, davs://host/www o s3://CHIAVE@host/bucket?region=us-east-1, senza password, oppure lascia il campo vuoto.</translation>
    </message>
    <message>
        <source>Private: visitors need a password</source>
        <translation>Privato: i visitatori hanno bisogno di una password</translation>
    </message>
    <message>
        <source>Every day&apos;s picture, sound, video and message is encrypted in the site; the page asks for the password.</source>
        <translation>L’immagine, il suono, il video e il messaggio di ogni giorno sono cifrati nel sito; la pagina chiede la password.</translation>
    </message>
    <message>
        <source>Keep it in the keyring</source>
        <translation>Conservala nel portachiavi</translation>
    </message>
    <message>
        <source>Otherwise the password is asked at each generation.</source>
        <translation>Altrimenti la password viene chiesta a ogni generazione.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Again:</source>
        <translation>Ripeti:</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>invariata</translation>
    </message>
    <message>
        <source>Type the password visitors will need, twice.</source>
        <translation>Scrivi due volte la password di cui avranno bisogno i visitatori.</translation>
    </message>
    <message>
        <source>The two passwords differ. Type the same password twice.</source>
        <translation>Le due password sono diverse. Scrivi due volte la stessa password.</translation>
    </message>
    <message>
        <source>The password will be asked at each generation.</source>
        <translation>La password verrà chiesta a ogni generazione.</translation>
    </message>
    <message>
        <source>Public address:</source>
        <translation>Indirizzo pubblico:</translation>
    </message>
    <message>
        <source>Where visitors open the calendar once it is published. The Share card, the QR code and the page&apos;s link previews give this address.</source>
        <translation>Dove i visitatori aprono il calendario una volta pubblicato. La scheda di condivisione, il codice QR e le anteprime dei link della pagina danno questo indirizzo.</translation>
    </message>
    <message>
        <source>Recovery code</source>
        <translation>Codice di recupero</translation>
    </message>
    <message>
        <source>The code shown when the doors were locked: it goes on with this calendar&apos;s keys on another computer.</source>
        <translation>Il codice mostrato quando le porte sono state chiuse: prosegue con le chiavi di questo calendario su un altro computer.</translation>
    </message>
    <message>
        <source>Doors open only on their day, for real</source>
        <translation>Le porte si aprono solo nel loro giorno, davvero</translation>
    </message>
    <message>
        <source>Each day is encrypted under a key of its own, and the site holds only the keys of the days up to the one it was published on.</source>
        <translation>Ogni giorno è cifrato con una chiave propria, e il sito contiene solo le chiavi dei giorni fino a quello della pubblicazione.</translation>
    </message>
    <message>
        <source>A time zone such as Europe/Paris makes every visitor&apos;s day change at the same midnight. Locked doors open with each morning&apos;s publish, or with the next one after a morning the computer is off.</source>
        <translation>Un fuso orario come Europe/Rome fa cambiare il giorno a tutti i visitatori alla stessa mezzanotte. Le porte chiuse si aprono con la pubblicazione di ogni mattina, o con la successiva dopo una mattina a computer spento.</translation>
    </message>
    <message>
        <source>Doors that open only on their day need a publishing address: each morning&apos;s publish brings that day&apos;s key.</source>
        <translation>Le porte che si aprono solo nel loro giorno richiedono un indirizzo di pubblicazione: la pubblicazione di ogni mattina porta la chiave del giorno.</translation>
    </message>
    <message>
        <source>This is not a recovery code, or it is mistyped.</source>
        <translation>Questo non è un codice di recupero, oppure è digitato male.</translation>
    </message>
    <message>
        <source>Keep this recovery code somewhere safe, away from this computer. On another computer, typed in Options (or given with --recovery-code-file), it goes on with this calendar&apos;s keys:

%1</source>
        <translation>Conserva questo codice di recupero in un luogo sicuro, lontano da questo computer. Su un altro computer, digitato nelle Opzioni (o dato con --recovery-code-file), prosegue con le chiavi di questo calendario:

%1</translation>
    </message>
</context>
<context>
    <name>FenetrePartage</name>
    <message>
        <source>Share the calendar</source>
        <translation>Condividi il calendario</translation>
    </message>
    <message>
        <source>Scan this code with a phone, or send the address:</source>
        <translation>Scansiona questo codice con un telefono o invia l’indirizzo:</translation>
    </message>
    <message>
        <source>QR code of the calendar&apos;s address</source>
        <translation>Codice QR dell’indirizzo del calendario</translation>
    </message>
    <message>
        <source>Address of the published page</source>
        <translation>Indirizzo della pagina pubblicata</translation>
    </message>
    <message>
        <source>&amp;Copy address</source>
        <translation>&amp;Copia indirizzo</translation>
    </message>
    <message>
        <source>Save &amp;QR code...</source>
        <translation>Salva codice &amp;QR…</translation>
    </message>
    <message>
        <source>Save c&amp;ard...</source>
        <translation>Salva sche&amp;da…</translation>
    </message>
    <message>
        <source>An A6 card to print, with the calendar&apos;s name and this QR code.</source>
        <translation>Una scheda A6 da stampare, con il nome del calendario e questo codice QR.</translation>
    </message>
    <message>
        <source>Save the QR code</source>
        <translation>Salva il codice QR</translation>
    </message>
    <message>
        <source>The QR code cannot be saved in %1.</source>
        <translation>Impossibile salvare il codice QR in %1.</translation>
    </message>
    <message>
        <source>Save the card</source>
        <translation>Salva la scheda</translation>
    </message>
    <message>
        <source>Add a code for the &amp;reminders to the card</source>
        <translation>Aggiungi alla cartolina un codice per i &amp;promemoria</translation>
    </message>
    <message>
        <source>A second, smaller code that adds a reminder of each day to a phone&apos;s calendar.</source>
        <translation>Un secondo codice, più piccolo, che aggiunge un promemoria di ogni giorno al calendario di un telefono.</translation>
    </message>
    <message>
        <source>Put the key in the link and the card: they open without the password</source>
        <translation>Metti la chiave nel link e nel biglietto: si aprono senza la password</translation>
    </message>
    <message>
        <source>Whoever holds this link or card can open the calendar.</source>
        <translation>Chiunque abbia questo link o questo biglietto può aprire il calendario.</translation>
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
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Genera…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Nuovo…</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Apri…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opzioni…</translation>
    </message>
    <message>
        <source>Calendar options: which days the page opens</source>
        <translation>Opzioni del calendario: quali giorni apre la pagina</translation>
    </message>
    <message>
        <source>Size: %1 %2</source>
        <translation>Dimensione: %1&#xa0;%2</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them. 
Quit anyway?</source>
        <translation>Le modifiche andranno perse se non le salvi. 
Uscire comunque?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them. 
Create new anyway?</source>
        <translation>Le modifiche andranno perse se non le salvi. 
Crearne uno nuovo comunque?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them. 
Open anyway?</source>
        <translation>Le modifiche andranno perse se non le salvi. 
Aprire comunque?</translation>
    </message>
    <message>
        <source>Select a calendar</source>
        <translation>Seleziona un calendario</translation>
    </message>
    <message>
        <source>Error opening the calendar.</source>
        <translation>Errore nell’apertura del calendario.</translation>
    </message>
    <message>
        <source>Their days are marked in the calendar.</source>
        <translation>I loro giorni sono segnalati nel calendario.</translation>
    </message>
    <message>
        <source>Error saving the calendar: the file name of day %1 holds a character that a calendar file cannot store. Rename the file and choose it again.</source>
        <translation>Errore nel salvataggio del calendario: il nome del file del giorno %1 contiene un carattere che un file di calendario non può memorizzare. Rinomina il file e sceglilo di nuovo.</translation>
    </message>
    <message>
        <source>Error saving the calendar: its name holds a character that a calendar file cannot store.</source>
        <translation>Errore nel salvataggio del calendario: il suo nome contiene un carattere che un file di calendario non può memorizzare.</translation>
    </message>
    <message>
        <source>Error saving the calendar.</source>
        <translation>Errore nel salvataggio del calendario.</translation>
    </message>
    <message>
        <source>This calendar holds days outside 1 to %1 (%2). They are neither shown nor published, and they stay in the file when you save.</source>
        <translation>Questo calendario contiene giorni fuori dall’intervallo da 1 a %1 (%2). Non vengono né mostrati né pubblicati e restano nel file quando salvi.</translation>
    </message>
    <message>
        <source> (converting media...)</source>
        <translation> (conversione dei file multimediali…)</translation>
    </message>
    <message>
        <source> [read-only]</source>
        <translation> [sola lettura]</translation>
    </message>
    <message>
        <source>Save the calendar as</source>
        <translation>Salva il calendario come</translation>
    </message>
    <message>
        <source>Doors that open only on their day open with each morning&apos;s publish. Publish every morning now?</source>
        <translation>Le porte che si aprono solo nel loro giorno si aprono con la pubblicazione di ogni mattina. Pubblicare ogni mattina da ora?</translation>
    </message>
</context>
<context>
    <name>FichierOrdinaire</name>
    <message>
        <source>nothing</source>
        <translation>inesistente</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>una FIFO</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation>un file normale</translation>
    </message>
    <message>
        <source>The file %1 cannot be found.</source>
        <translation>Impossibile trovare il file %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (it is %2).</source>
        <translation>%1 non è un file normale (è %2).</translation>
    </message>
    <message>
        <source>%1 is a directory, not a file.</source>
        <translation>%1 è una cartella, non un file.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Impossibile aprire il file %1: %2.</translation>
    </message>
</context>
<context>
    <name>FichierProjet</name>
    <message>
        <source>%1 is an XML file but not a calendar: its root element is &lt;%2&gt;.</source>
        <translation>%1 è un file XML ma non un calendario: il suo elemento radice è &lt;%2&gt;.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Impossibile scrivere il file %1.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Impossibile scrivere il file %1: %2.</translation>
    </message>
    <message>
        <source>The calendar cannot be written: it holds a character that a calendar file cannot carry.</source>
        <translation>Impossibile scrivere il calendario: contiene un carattere che un file di calendario non può contenere.</translation>
    </message>
    <message>
        <source>The calendar cannot be written: %1.</source>
        <translation>Il file %1 non può essere scritto.</translation>
    </message>
</context>
<context>
    <name>FondPage</name>
    <message>
        <source>The background picture %1 cannot be read: %2.</source>
        <translation>L’immagine di sfondo %1 non può essere letta: %2.</translation>
    </message>
    <message>
        <source>The background picture %1 cannot be converted.</source>
        <translation>L’immagine di sfondo %1 non può essere convertita.</translation>
    </message>
    <message>
        <source>The background picture cannot be written into %1: %2.</source>
        <translation>L’immagine di sfondo non può essere scritta in %1: %2.</translation>
    </message>
</context>
<context>
    <name>GenerationSite</name>
    <message>
        <source>Day %1 has no media file.</source>
        <translation>Il giorno %1 non ha nessun file multimediale.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be found.</source>
        <translation>Giorno %1: impossibile trovare il file %2.</translation>
    </message>
    <message>
        <source>The calendar&apos;s template cannot be copied into %1: %2.</source>
        <translation>Impossibile copiare il modello del calendario in %1: %2.</translation>
    </message>
    <message>
        <source>The page&apos;s scripts cannot be written in %1.</source>
        <translation>Impossibile scrivere gli script della pagina in %1.</translation>
    </message>
    <message>
        <source>The generation was stopped; %1 was left as it was.</source>
        <translation>La generazione è stata interrotta; %1 è rimasto com’era.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be read: %3.</source>
        <translation>Giorno %1: impossibile leggere il file %2: %3.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be copied into %3: %4.</source>
        <translation>Giorno %1: impossibile copiare il file %2 in %3: %4.</translation>
    </message>
    <message>
        <source>The page cannot be written in %1.</source>
        <translation>Impossibile scrivere la pagina in %1.</translation>
    </message>
    <message>
        <source>Day %1: %2 is not a regular file (it is %3).</source>
        <translation>Giorno %1: %2 non è un file normale (è %3).</translation>
    </message>
    <message>
        <source>Day %1: %2 is a system file, not a media file.</source>
        <translation>Giorno %1: %2 è un file di sistema, non un file multimediale.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 does not hold as many bytes as its size says; it is not a media file.</source>
        <translation>Giorno %1: il file %2 non contiene tanti byte quanti ne indica la sua dimensione; non è un file multimediale.</translation>
    </message>
    <message>
        <source>The page&apos;s scripts cannot be written in %1: %2.</source>
        <translation>Impossibile scrivere gli script della pagina in %1: %2.</translation>
    </message>
    <message>
        <source>Day %1: %2 is not a picture, a sound or a video.</source>
        <translation>Giorno %1: %2 non è né un’immagine, né un suono, né un video.</translation>
    </message>
    <message>
        <source>Day %1: the picture %2 is damaged: it ends before its last part.</source>
        <translation>Giorno %1: l’immagine %2 è danneggiata: finisce prima della sua ultima parte.</translation>
    </message>
    <message>
        <source>%1 changed since it was checked: it now holds files that tinselbox did not generate, which are left as they are.</source>
        <translation>%1 è cambiata dopo il controllo: ora contiene file che tinselbox non ha generato, che restano come sono.</translation>
    </message>
    <message>
        <source>The page cannot be written in %1: %2.</source>
        <translation>La pagina non può essere scritta in %1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be copied to %2: %3.</source>
        <translation>Impossibile copiare %1 in %2: %3.</translation>
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
        <translation>Questo file non sembra un’immagine. La pagina potrebbe non riuscire a mostrarlo. Tenerlo comunque?</translation>
    </message>
    <message>
        <source>MUSIC</source>
        <translation>MUSICA</translation>
    </message>
    <message>
        <source>This file does not look like a piece of music. The page may not be able to play it. Keep it anyway?</source>
        <translation>Questo file non sembra un brano musicale. La pagina potrebbe non riuscire a riprodurlo. Tenerlo comunque?</translation>
    </message>
    <message>
        <source>VIDEO</source>
        <translation>VIDEO</translation>
    </message>
    <message>
        <source>This file does not look like a video. The page may not be able to play it. Keep it anyway?</source>
        <translation>Questo file non sembra un video. La pagina potrebbe non riuscire a riprodurlo. Tenerlo comunque?</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>MESSAGGIO</translation>
    </message>
</context>
<context>
    <name>ImageApercu</name>
    <message>
        <source>The link preview picture %1 cannot be encoded as PNG.</source>
        <translation>Impossibile codificare in PNG l’immagine di anteprima del link %1.</translation>
    </message>
</context>
<context>
    <name>ImportFichiers</name>
    <message>
        <source>This text file is empty or cannot be read:
%1</source>
        <translation>Questo file di testo è vuoto o illeggibile:
%1</translation>
    </message>
    <message>
        <source>A message holds at most %1 characters of plain text; this file cannot become one:
%2</source>
        <translation>Un messaggio contiene al massimo %1 caratteri di testo semplice; questo file non può diventarlo:
%2</translation>
    </message>
    <message>
        <source>The content of this file is of no kind a day can hold:
%1</source>
        <translation>Il contenuto di questo file non è di nessun tipo che un giorno possa contenere:
%1</translation>
    </message>
    <message>
        <source>These days already hold a media: %1. 
Replace them?</source>
        <translation>Questi giorni contengono già un file multimediale: %1. 
Sostituirli?</translation>
    </message>
    <message>
        <source>No media file was found to import.</source>
        <translation>Non è stato trovato nessun file multimediale da importare.</translation>
    </message>
    <message>
        <source>Files given no day: %1.</source>
        <translation>File senza giorno assegnato: %1.</translation>
    </message>
    <message>
        <source>These files were given no day:
%1</source>
        <translation>A questi file non è stato assegnato nessun giorno:
%1</translation>
    </message>
    <message>
        <source>Files of no kind a day can hold, left out: %1.</source>
        <translation>File esclusi perché di un tipo che un giorno non può contenere: %1.</translation>
    </message>
    <message>
        <source>These files are of no kind a day can hold and were left out:
%1</source>
        <translation>Questi file non sono di nessun tipo che un giorno possa contenere e sono stati esclusi:
%1</translation>
    </message>
    <message>
        <source>Select a folder to import</source>
        <translation>Seleziona una cartella da importare</translation>
    </message>
</context>
<context>
    <name>InstantApercu</name>
    <message>
        <source>&quot;%1&quot; is not a date and time of the form %2</source>
        <translation>«%1» non è una data e ora nella forma %2</translation>
    </message>
</context>
<context>
    <name>LecteurProjet</name>
    <message>
        <source>%1 cannot be opened: the message of day %2 is longer than %3 characters, the most a day can hold.</source>
        <translation>Impossibile aprire %1: il messaggio del giorno %2 supera i %3 caratteri, il massimo che un giorno può contenere.</translation>
    </message>
    <message>
        <source>%1 is not a well-formed XML file (line %2, column %3: %4).</source>
        <translation>%1 non è un file XML ben formato (riga %2, colonna %3: %4).</translation>
    </message>
    <message>
        <source>%1 is not a calendar file: it holds a document type, or more nesting, attributes or elements than a calendar file has.</source>
        <translation>%1 non è un file di calendario: contiene una dichiarazione del tipo di documento, oppure più annidamenti, attributi o elementi di quanti ne abbia un file di calendario.</translation>
    </message>
    <message>
        <source>%1 is not a well-formed XML file: it ends too soon.</source>
        <translation>%1 non è un file XML ben formato: termina troppo presto.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the calendar&apos;s name is longer than %2 characters, the most a name can hold.</source>
        <translation>%1 non può essere aperto: il nome del calendario supera i %2 caratteri, il massimo per un nome.</translation>
    </message>
</context>
<context>
    <name>LigneCommande</name>
    <message>
        <source>Builds a web calendar of up to 31 days and generates its site.
Without an option, opens the editor, with the calendar FILE if given.</source>
        <translation>Crea un calendario web di massimo 31 giorni e ne genera il sito.
Senza opzioni, apre l’editor, con il calendario FILE se indicato.</translation>
    </message>
    <message>
        <source>A calendar project file (.xml).</source>
        <translation>Un file di progetto del calendario (.xml).</translation>
    </message>
    <message>
        <source>Generate the site of FILE into the directory DIR, without a display.</source>
        <translation>Genera il sito di FILE nella cartella DIR, senza schermo.</translation>
    </message>
    <message>
        <source>Generate the preview of FILE into tmp/ beside it and open it in the browser.</source>
        <translation>Genera l’anteprima di FILE in tmp/ accanto a esso e la apre nel browser.</translation>
    </message>
    <message>
        <source>Check FILE: its media, its days and the estimated site size.</source>
        <translation>Controlla FILE: i suoi file multimediali, i suoi giorni e la dimensione stimata del sito.</translation>
    </message>
    <message>
        <source>Erase a non-empty DIR that holds no generated site, instead of refusing it.</source>
        <translation>Cancella una DIR non vuota che non contiene alcun sito generato, invece di rifiutarla.</translation>
    </message>
    <message>
        <source>With --generate: print no progress.</source>
        <translation>Con --generate: non mostra l’avanzamento.</translation>
    </message>
    <message>
        <source>no display to open the editor on; --generate and --check need none</source>
        <translation>nessuno schermo su cui aprire l’editor; --generate e --check non ne hanno bisogno</translation>
    </message>
    <message>
        <source>--generate needs a calendar FILE and a directory DIR</source>
        <translation>--generate richiede un calendario FILE e una cartella DIR</translation>
    </message>
    <message>
        <source>%1 needs one calendar FILE</source>
        <translation>%1 richiede un calendario FILE</translation>
    </message>
    <message>
        <source>the editor opens one calendar FILE at most</source>
        <translation>l’editor apre al massimo un calendario FILE</translation>
    </message>
    <message>
        <source>a message</source>
        <translation>un messaggio</translation>
    </message>
    <message>
        <source>Day %1: %2</source>
        <translation>Giorno %1: %2</translation>
    </message>
    <message>
        <source>Generated the calendar in %1</source>
        <translation>Calendario generato in %1</translation>
    </message>
    <message>
        <source>Estimated site size: %1 (%2 bytes)</source>
        <translation>Dimensione stimata del sito: %1 (%2&#xa0;byte)</translation>
    </message>
    <message numerus="yes">
        <source>%1: cannot be generated, %n problem(s) listed above</source>
        <translation>
            <numerusform>%1: impossibile generare, %n problema elencato sopra</numerusform>
            <numerusform>%1: impossibile generare, %n problemi elencati sopra</numerusform>
        </translation>
    </message>
    <message>
        <source>The calendar can be generated.</source>
        <translation>Il calendario può essere generato.</translation>
    </message>
    <message>
        <source>With --generate: the directory that receives the site; with --card: the PDF file.</source>
        <translation>Con --generate: la cartella che riceve il sito; con --card: il file PDF.</translation>
    </message>
    <message>
        <source>Write to OUT.pdf the printable card of FILE: its name and the QR code of its address.</source>
        <translation>Scrive in OUT.pdf la scheda stampabile di FILE: il suo nome e il codice QR del suo indirizzo.</translation>
    </message>
    <message>
        <source>--card needs a calendar FILE and a PDF file OUT.pdf</source>
        <translation>--card richiede un calendario FILE e un file PDF OUT.pdf</translation>
    </message>
    <message>
        <source>Converted day %1 (%2 of %3)</source>
        <translation>Giorno %1 convertito (%2 di %3)</translation>
    </message>
    <message>
        <source>Calendar &quot;%1&quot;: %2 of %3 days have content.</source>
        <translation>Calendario «%1»: %2 giorni su %3 hanno un contenuto.</translation>
    </message>
    <message>
        <source>Days without content: %1.</source>
        <translation>Giorni senza contenuto: %1.</translation>
    </message>
    <message>
        <source>Day %1: outside 1 to %2, the page never shows it.</source>
        <translation>Giorno %1: fuori dall’intervallo da 1 a %2, la pagina non lo mostra mai.</translation>
    </message>
    <message>
        <source>Day %1: %2 will not play in every browser; installing ffmpeg converts it.</source>
        <translation>Giorno %1: %2 non verrà riprodotto in tutti i browser; installando ffmpeg viene convertito.</translation>
    </message>
    <message>
        <source>Estimated site size: %1 (%2 bytes), before converting the media</source>
        <translation>Dimensione stimata del sito: %1 (%2&#xa0;byte), prima della conversione dei file multimediali</translation>
    </message>
    <message>
        <source>the preview is ready in %1, but no browser could be opened to show it</source>
        <translation>l’anteprima è pronta in %1, ma non è stato possibile aprire un browser per mostrarla</translation>
    </message>
    <message>
        <source>The file does not follow the calendar&apos;s schema: what this version does not know is left out.</source>
        <translation>Il file non segue lo schema del calendario: ciò che questa versione non conosce viene tralasciato.</translation>
    </message>
    <message>
        <source>stopped by %1; %2 was left as it was.</source>
        <translation>fermato da %1; %2 è stata lasciata com’era.</translation>
    </message>
    <message>
        <source>%1 (see --help)</source>
        <translation>%1 (vedere --help)</translation>
    </message>
    <message>
        <source>%1 is not empty and holds no site that tinselbox generated; --force erases its contents.</source>
        <translation>%1 non è vuota e non contiene alcun sito generato da tinselbox; --force ne cancella il contenuto.</translation>
    </message>
    <message>
        <source>Convert, generate and publish FILE to its publishing address, sending only what changed.</source>
        <translation>Converti, genera e pubblica FILE al suo indirizzo di pubblicazione, inviando solo ciò che è cambiato.</translation>
    </message>
    <message>
        <source>With --publish: list what would be sent and deleted, change nothing.</source>
        <translation>Con --publish: elenca ciò che verrebbe inviato ed eliminato, senza cambiare nulla.</translation>
    </message>
    <message>
        <source>With --publish: read the password or S3 secret key from FILE, which only its owner may read.</source>
        <translation>Con --publish: leggi la password o la chiave segreta S3 da FILE, che solo il suo proprietario può leggere.</translation>
    </message>
    <message>
        <source>With --publish: also trust the certificate authority in FILE (a server with its own certificate).</source>
        <translation>Con --publish: fidati anche dell’autorità di certificazione in FILE (un server con un proprio certificato).</translation>
    </message>
    <message>
        <source>With --publish: trust the SFTP server whose host key has this fingerprint, and remember it.</source>
        <translation>Con --publish: fidati del server SFTP la cui chiave host ha questa impronta, e ricordalo.</translation>
    </message>
    <message>
        <source>choose one of --generate, --preview, --check, --card and --publish</source>
        <translation>scegli una tra --generate, --preview, --check, --card e --publish</translation>
    </message>
    <message>
        <source>--force goes with --generate, --preview or --publish</source>
        <translation>--force va con --generate, --preview o --publish</translation>
    </message>
    <message>
        <source>--quiet goes with --generate or --publish</source>
        <translation>--quiet va con --generate o --publish</translation>
    </message>
    <message>
        <source>--dry-run, --secret-file, --ca-file and --accept-host-key go with --publish</source>
        <translation>--dry-run, --secret-file, --ca-file e --accept-host-key vanno con --publish</translation>
    </message>
    <message>
        <source>--secret-file FILE gives the password instead.</source>
        <translation>--secret-file FILE fornisce invece la password.</translation>
    </message>
    <message>
        <source>no password for %1: give --secret-file FILE (a file only you can read), or keep it in the keyring from the editor&apos;s Publish</source>
        <translation>nessuna password per %1: indica --secret-file FILE (un file che solo tu puoi leggere), oppure conservala nel portachiavi da Pubblica nell’editor</translation>
    </message>
    <message>
        <source>%1: the calendar has no publishing address; set one in the editor&apos;s Options</source>
        <translation>%1: il calendario non ha un indirizzo di pubblicazione; impostane uno nelle Opzioni dell’editor</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>Eliminato: %1</translation>
    </message>
    <message>
        <source>Sent %1 (%2)</source>
        <translation>Inviato: %1 (%2)</translation>
    </message>
    <message>
        <source> To trust it, publish again with --accept-host-key %1</source>
        <translation> Per fidarti, pubblica di nuovo con --accept-host-key %1</translation>
    </message>
    <message>
        <source> --force publishes beside them.</source>
        <translation> --force pubblica accanto a essi.</translation>
    </message>
    <message>
        <source>would send %1</source>
        <translation>invierebbe %1</translation>
    </message>
    <message>
        <source>would delete %1</source>
        <translation>eliminerebbe %1</translation>
    </message>
    <message>
        <source>Dry run: %1 file(s) to send (%2), %3 to delete, %4 unchanged.</source>
        <translation>Prova: %1 file da inviare (%2), %3 da eliminare, %4 invariati.</translation>
    </message>
    <message>
        <source>Published to %1: %2 file(s) sent (%3), %4 deleted, %5 unchanged.</source>
        <translation>Pubblicato su %1: %2 file inviati (%3), %4 eliminati, %5 invariati.</translation>
    </message>
    <message>
        <source>With --preview: show the page as a visitor sees it at MOMENT (YYYY-MM-DDTHH:MM, in the calendar&apos;s time zone).</source>
        <translation>Con --preview: mostra la pagina come la vede un visitatore a MOMENT (YYYY-MM-DDTHH:MM, nel fuso orario del calendario).</translation>
    </message>
    <message>
        <source>--date goes with --preview</source>
        <translation>--date va con --preview</translation>
    </message>
    <message>
        <source>With --generate, --check or --publish: read a private calendar&apos;s password from FILE, which only you may read.</source>
        <translation>Con --generate, --check o --publish: leggi la password di un calendario privato da FILE, che solo tu puoi leggere.</translation>
    </message>
    <message>
        <source>--password-file goes with --generate, --check or --publish</source>
        <translation>--password-file va con --generate, --check o --publish</translation>
    </message>
    <message>
        <source>The calendar is private: --password-file checks its password too.</source>
        <translation>Il calendario è privato: --password-file verifica anche la sua password.</translation>
    </message>
    <message>
        <source>The password is the calendar&apos;s.</source>
        <translation>La password è quella del calendario.</translation>
    </message>
    <message>
        <source>the calendar is private: give its password with --password-file FILE</source>
        <translation>il calendario è privato: indica la sua password con --password-file FILE</translation>
    </message>
    <message>
        <source>%1: the calendar has no address to put on a card; set “Public address” in the editor’s Options</source>
        <translation>%1: il calendario non ha un indirizzo da mettere su una scheda; indica «Indirizzo pubblico» nelle opzioni dell’editor</translation>
    </message>
    <message>
        <source>With --generate, --check or --publish: go on with the key chain of a calendar whose doors open only on their day, from the recovery code in FILE, which only you may read.</source>
        <translation>Con --generate, --check o --publish: proseguire la catena di chiavi di un calendario le cui porte si aprono solo nel loro giorno, dal codice di recupero in FILE, che solo tu puoi leggere.</translation>
    </message>
    <message>
        <source>--recovery-code-file goes with --generate, --check or --publish</source>
        <translation>--recovery-code-file va con --generate, --check o --publish</translation>
    </message>
    <message>
        <source>--recovery-code-file: this calendar&apos;s doors do not open only on their day</source>
        <translation>--recovery-code-file: le porte di questo calendario non si aprono solo nel loro giorno</translation>
    </message>
    <message>
        <source>--recovery-code-file: </source>
        <translation>--recovery-code-file: </translation>
    </message>
    <message>
        <source>--recovery-code-file: this is not a recovery code, or it is mistyped</source>
        <translation>--recovery-code-file: questo non è un codice di recupero, oppure è digitato male</translation>
    </message>
    <message>
        <source>Doors open only on their day: a site made today opens none yet.</source>
        <translation>Le porte si aprono solo nel loro giorno: un sito fatto oggi non ne apre ancora nessuna.</translation>
    </message>
    <message>
        <source>Doors open only on their day: a site made today opens days 1 to %1.</source>
        <translation>Le porte si aprono solo nel loro giorno: un sito fatto oggi apre i giorni da 1 a %1.</translation>
    </message>
    <message>
        <source>This computer keeps no key chain for this calendar: the next generation starts a new one, unless --recovery-code-file gives its recovery code.</source>
        <translation>Questo computer non conserva alcuna catena di chiavi per questo calendario: la prossima generazione ne inizia una nuova, a meno che --recovery-code-file non indichi il suo codice di recupero.</translation>
    </message>
    <message>
        <source>Publish every morning is not on: each door opens only when the site is generated or published again.</source>
        <translation>La pubblicazione ogni mattina non è attiva: ogni porta si apre solo quando il sito viene generato o pubblicato di nuovo.</translation>
    </message>
    <message>
        <source>A door whose morning publish does not run (the computer was off) opens at the next publish.</source>
        <translation>Una porta la cui pubblicazione del mattino non avviene (il computer era spento) si apre alla pubblicazione successiva.</translation>
    </message>
</context>
<context>
    <name>ListeSite</name>
    <message>
        <source>%1 is not a regular file: a site holds only files and folders.</source>
        <translation>%1 non è un file normale: un sito contiene solo file e cartelle.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
</context>
<context>
    <name>ManifesteSite</name>
    <message>
        <source>The directory %1 cannot be written: %2.</source>
        <translation>Impossibile scrivere nella cartella %1: %2.</translation>
    </message>
</context>
<context>
    <name>MenusFenetre</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nuovo…</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Import a folder...</source>
        <translation>Importa una cartella…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Lingua…</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Calendario</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opzioni…</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Anteprima</translation>
    </message>
    <message>
        <source>&amp;Generate...</source>
        <translation>&amp;Genera…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About tinselbox</source>
        <translation>&amp;Informazioni su tinselbox</translation>
    </message>
    <message>
        <source>&lt;h3&gt;tinselbox %1&lt;/h3&gt;&lt;p&gt;An editor for interactive web calendars of up to 31 days.&lt;/p&gt;&lt;p&gt;Released under the %2 licence.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;tinselbox %1&lt;/h3&gt;&lt;p&gt;Un editor di calendari web interattivi di massimo 31 giorni.&lt;/p&gt;&lt;p&gt;Distribuito con licenza %2.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>P&amp;ublish</source>
        <translation>P&amp;ubblica</translation>
    </message>
    <message>
        <source>Preview on a &amp;date...</source>
        <translation>Anteprima a una &amp;data...</translation>
    </message>
    <message>
        <source>Publish every &amp;morning</source>
        <translation>Pubblica ogni &amp;mattina</translation>
    </message>
</context>
<context>
    <name>MotDePassePrive</name>
    <message>
        <source>Password of this private calendar:</source>
        <translation>Password di questo calendario privato:</translation>
    </message>
    <message>
        <source>Private calendar</source>
        <translation>Calendario privato</translation>
    </message>
</context>
<context>
    <name>OutilFfmpeg</name>
    <message>
        <source>The conversion was stopped.</source>
        <translation>La conversione è stata fermata.</translation>
    </message>
    <message>
        <source>ffmpeg failed: %1.</source>
        <translation>ffmpeg non è riuscito: %1.</translation>
    </message>
    <message>
        <source>ffmpeg is not installed.</source>
        <translation>ffmpeg non è installato.</translation>
    </message>
    <message>
        <source>ffmpeg stopped with code %1.</source>
        <translation>ffmpeg si è fermato con il codice %1.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Your browser cannot show this calendar.</source>
        <translation>Il tuo browser non può mostrare questo calendario.</translation>
    </message>
    <message>
        <source>{n} numbered balls hanging above fir trees</source>
        <translation>{n} palline numerate appese sopra gli abeti</translation>
    </message>
    <message>
        <source>This is a preview: you can click on all days to test it.</source>
        <translation>Questa è un’anteprima: puoi cliccare su tutti i giorni per provarla.</translation>
    </message>
    <message>
        <source>Day {n}</source>
        <translation>Giorno {n}</translation>
    </message>
    <message>
        <source>Day {n} is open</source>
        <translation>Il giorno {n} è aperto</translation>
    </message>
    <message>
        <source>Day {n}, already opened</source>
        <translation>Giorno {n}, già aperto</translation>
    </message>
    <message>
        <source>{jour}, opens on {date}</source>
        <translation>{jour}, si apre il {date}</translation>
    </message>
    <message>
        <source>{jour}, was open on {date}</source>
        <translation>{jour}, era aperto il {date}</translation>
    </message>
    <message>
        <source>{jour}, stays shut: {mois} has {n} days</source>
        <translation>{jour}, resta chiuso: {mois} ha solo {n} giorni</translation>
    </message>
    <message>
        <source>This calendar opens on {date}.</source>
        <translation>Questo calendario si apre il {date}.</translation>
    </message>
    <message>
        <source>This calendar opens again on {date}.</source>
        <translation>Questo calendario riapre il {date}.</translation>
    </message>
    <message>
        <source>Day {n} opens in {h} h {min} min</source>
        <translation>Il giorno {n} si apre tra {h}&#xa0;h {min}&#xa0;min</translation>
    </message>
    <message>
        <source>Day {n} opens in {min} min</source>
        <translation>Il giorno {n} si apre tra {min}&#xa0;min</translation>
    </message>
    <message>
        <source>Day {n}: picture</source>
        <translation>Giorno {n}: un’immagine</translation>
    </message>
    <message>
        <source>Day {n}: music</source>
        <translation>Giorno {n}: musica</translation>
    </message>
    <message>
        <source>Day {n}: video</source>
        <translation>Giorno {n}: un video</translation>
    </message>
    <message>
        <source>Day {n}: {texte}</source>
        <translation>Giorno {n}: {texte}</translation>
    </message>
    <message>
        <source>Day {n}: nothing today</source>
        <translation>Giorno {n}: oggi niente</translation>
    </message>
    <message>
        <source>Scan to open</source>
        <translation>Scansiona per aprire</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Neve</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Ricordamelo</translation>
    </message>
    <message>
        <source>A calendar of %1 days: open today&apos;s ball to find its surprise.</source>
        <translation>Un calendario di %1 giorni: apri la pallina di oggi per scoprire la sua sorpresa.</translation>
    </message>
    <message>
        <source>This calendar is private.</source>
        <translation>Questo calendario è privato.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Remember on this device</source>
        <translation>Ricorda su questo dispositivo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Opening…</source>
        <translation>Apertura…</translation>
    </message>
    <message>
        <source>Wrong password. Please try again.</source>
        <translation>Password errata. Riprova.</translation>
    </message>
    <message>
        <source>This day&apos;s content is damaged and cannot be shown.</source>
        <translation>Il contenuto di questo giorno è danneggiato e non può essere mostrato.</translation>
    </message>
    <message>
        <source>This calendar needs an https:// address: ask for its link beginning with https://.</source>
        <translation>Questo calendario richiede un indirizzo https://: chiedi il suo link che inizia con https://.</translation>
    </message>
    <message>
        <source>The calendar cannot be opened right now: check the connection and try again.</source>
        <translation>Il calendario non si può aprire ora: controlla la connessione e riprova.</translation>
    </message>
    <message>
        <source>This door opens on its day.</source>
        <translation>Questa porta si apre nel suo giorno.</translation>
    </message>
</context>
<context>
    <name>PlanConversions</name>
    <message>
        <source>This file will not play in every browser. Installing ffmpeg converts it when the site is generated.</source>
        <translation>Questo file non verrà riprodotto in tutti i browser. Installando ffmpeg, viene convertito alla generazione del sito.</translation>
    </message>
    <message>
        <source>Day %1: %2 is not a picture, a sound or a video.</source>
        <translation>Giorno %1: %2 non è né un’immagine, né un suono, né un video.</translation>
    </message>
    <message>
        <source>ffmpeg is not installed: the sound and video files of days %1 are published as they are, unconverted, and keep the position (GPS) and other details they hold.</source>
        <translation>ffmpeg non è installato: i file audio e video dei giorni %1 sono pubblicati così come sono, senza conversione, e conservano la posizione (GPS) e gli altri dati che contengono.</translation>
    </message>
    <message>
        <source>The conversions were stopped.</source>
        <translation>Le conversioni sono state fermate.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be converted. %3</source>
        <translation>Giorno %1: il file %2 non può essere convertito. %3</translation>
    </message>
    <message>
        <source>%1 is not a picture, a sound or a video.</source>
        <translation>%1 non è un’immagine, un suono o un video.</translation>
    </message>
    <message>
        <source>The converted copy of %1 in %2 was cut short; the disk may be full.</source>
        <translation>La copia convertita di %1 in %2 è incompleta; il disco potrebbe essere pieno.</translation>
    </message>
</context>
<context>
    <name>PolitiqueSortie</name>
    <message>
        <source>No directory was given for the generation.</source>
        <translation>Non è stata indicata nessuna cartella per la generazione.</translation>
    </message>
    <message>
        <source>%1 is not empty and holds no site that tinselbox generated; its contents would be erased.</source>
        <translation>La cartella %1 non è vuota e non contiene alcun sito generato da tinselbox; il suo contenuto verrebbe cancellato.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is a link to %2, which does not exist.</source>
        <translation>Impossibile usare %1 per la generazione: è un collegamento a %2, che non esiste.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is a file, not a directory.</source>
        <translation>Impossibile usare %1 per la generazione: è un file, non una cartella.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is the root of a disk.</source>
        <translation>Impossibile usare %1 per la generazione: è la radice di un disco.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: a disk is mounted inside this directory.</source>
        <translation>Impossibile usare %1 per la generazione: in questa cartella è montato un disco.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is your home directory.</source>
        <translation>Impossibile usare %1 per la generazione: è la tua cartella personale.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: this directory holds your home directory.</source>
        <translation>Impossibile usare %1 per la generazione: questa cartella contiene la tua cartella personale.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: this directory holds the calendar&apos;s project file.</source>
        <translation>Impossibile usare %1 per la generazione: questa cartella contiene il file di progetto del calendario.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: this directory holds the media of day %2.</source>
        <translation>Impossibile usare %1 per la generazione: questa cartella contiene il file multimediale del giorno %2.</translation>
    </message>
</context>
<context>
    <name>PublicationCalendrier</name>
    <message>
        <source>The calendar has no publishing address; set one in Options, Publishing.</source>
        <translation>Il calendario non ha un indirizzo di pubblicazione; impostane uno in Opzioni, Pubblicazione.</translation>
    </message>
    <message>
        <source>Cannot make a staging folder for the site: %1.</source>
        <translation>Impossibile creare una cartella di preparazione per il sito: %1.</translation>
    </message>
</context>
<context>
    <name>Publieur</name>
    <message>
        <source>No publishing address is set.</source>
        <translation>Nessun indirizzo di pubblicazione impostato.</translation>
    </message>
    <message>
        <source>The remote folder %1 holds files that no publish of a calendar put there; publishing beside them needs your confirmation (they are never deleted).</source>
        <translation>La cartella remota %1 contiene file che nessuna pubblicazione di un calendario vi ha messo; pubblicare accanto a essi richiede la tua conferma (non vengono mai eliminati).</translation>
    </message>
    <message>
        <source>Cannot send %1: %2.</source>
        <translation>Impossibile inviare %1: %2.</translation>
    </message>
</context>
<context>
    <name>Secrets</name>
    <message>
        <source>the keyring did not answer</source>
        <translation>il portachiavi non ha risposto</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>è un collegamento</translation>
    </message>
    <message>
        <source>Cannot read the secret file %1: %2.</source>
        <translation>Impossibile leggere il file segreto %1: %2.</translation>
    </message>
    <message>
        <source>The secret file %1 is not a regular file.</source>
        <translation>Il file segreto %1 non è un file normale.</translation>
    </message>
    <message>
        <source>The secret file %1 may be read by others: only its owner may read it (chmod 600 %1).</source>
        <translation>Il file segreto %1 può essere letto da altri: solo il suo proprietario deve poterlo leggere (chmod 600 %1).</translation>
    </message>
    <message>
        <source>The secret file %1 is too large to hold a secret.</source>
        <translation>Il file segreto %1 è troppo grande per contenere un segreto.</translation>
    </message>
    <message>
        <source>Cannot keep a secret in %1: %2.</source>
        <translation>Impossibile conservare un segreto in %1: %2.</translation>
    </message>
    <message>
        <source>The secret file %1 is empty.</source>
        <translation>Il file segreto %1 è vuoto.</translation>
    </message>
    <message>
        <source>The keyring cannot be read: %1.</source>
        <translation>Impossibile leggere il portachiavi: %1.</translation>
    </message>
    <message>
        <source>The keyring did not keep the secret: %1.</source>
        <translation>Il portachiavi non ha conservato il segreto: %1.</translation>
    </message>
    <message>
        <source>The secret cannot be removed from the keyring: %1.</source>
        <translation>Impossibile rimuovere il segreto dal portachiavi: %1.</translation>
    </message>
</context>
<context>
    <name>ServiceGeneration</name>
    <message>
        <source>There is no calendar to generate.</source>
        <translation>Non c’è nessun calendario da generare.</translation>
    </message>
    <message>
        <source>The generation was stopped; %1 was left as it was.</source>
        <translation>La generazione è stata interrotta; %1 è rimasto com’era.</translation>
    </message>
</context>
<context>
    <name>SitePrive</name>
    <message>
        <source>This calendar is private: its password is needed to generate it.</source>
        <translation>Questo calendario è privato: serve la sua password per generarlo.</translation>
    </message>
    <message>
        <source>The project file holds no key parameters for its password: this site gets a new key, and visitors who were remembered type the password again. Set the password in Options to keep the same key from one generation to the next.</source>
        <translation>Il file del progetto non contiene i parametri di chiave della sua password: questo sito riceve una nuova chiave e i visitatori ricordati dovranno riscrivere la password. Imposta la password nelle Opzioni per mantenere la stessa chiave da una generazione all’altra.</translation>
    </message>
    <message>
        <source>The calendar&apos;s keys cannot be made on this computer.</source>
        <translation>Impossibile creare le chiavi del calendario su questo computer.</translation>
    </message>
    <message>
        <source>The project file holds no key parameters: set the password in Options.</source>
        <translation>Il file del progetto non contiene parametri di chiave: imposta la password nelle Opzioni.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Impossibile leggere il file %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Impossibile scrivere il file %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 changed while it was encrypted.</source>
        <translation>Il file %1 è cambiato durante la cifratura.</translation>
    </message>
    <message>
        <source>The content cannot be encrypted.</source>
        <translation>Impossibile cifrare il contenuto.</translation>
    </message>
    <message>
        <source>The page&apos;s lock cannot be written in %1.</source>
        <translation>Impossibile scrivere il lucchetto della pagina in %1.</translation>
    </message>
    <message>
        <source>This computer kept no key chain for this calendar: a new chain is started, and the site&apos;s days are encrypted again. If this calendar was published from another computer, give its recovery code (Options, or --recovery-code-file) to go on with its chain.</source>
        <translation>Questo computer non conservava alcuna catena di chiavi per questo calendario: inizia una nuova catena, e i giorni del sito vengono cifrati di nuovo. Se questo calendario è stato pubblicato da un altro computer, indica il suo codice di recupero (Opzioni, o --recovery-code-file) per proseguire la sua catena.</translation>
    </message>
</context>
<context>
    <name>TacheMatinale</name>
    <message>
        <source>systemctl --user %1 failed: %2</source>
        <translation>systemctl --user %1 non è riuscito: %2</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossibile scrivere %1: %2.</translation>
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
        <translation>byte</translation>
    </message>
</context>
<context>
    <name>ThemePage</name>
    <message>
        <source>Fir trees</source>
        <translation>Abeti</translation>
    </message>
    <message>
        <source>Winter night</source>
        <translation>Notte d’inverno</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Frost</source>
        <translation>Brina</translation>
    </message>
</context>
<context>
    <name>Traduction</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>The system&apos;s language (%1)</source>
        <translation>La lingua del sistema (%1)</translation>
    </message>
    <message>
        <source>The editor speaks the chosen language the next time it starts.</source>
        <translation>L’editor userà la lingua scelta al prossimo avvio.</translation>
    </message>
</context>
<context>
    <name>TransfertCurl</name>
    <message>
        <source>Publishing was stopped.</source>
        <translation>La pubblicazione è stata interrotta.</translation>
    </message>
    <message>
        <source>the host key of %1 has changed since it was accepted; this may be an attack (someone between you and the server), so nothing was sent</source>
        <translation>la chiave host di %1 è cambiata da quando è stata accettata; potrebbe essere un attacco (qualcuno tra te e il server), quindi non è stato inviato nulla</translation>
    </message>
    <message>
        <source>the host key of %1 is not known (%2); accept it only if it is your server&apos;s</source>
        <translation>la chiave host di %1 non è nota (%2); accettala solo se è quella del tuo server</translation>
    </message>
    <message>
        <source>the server refused the login: wrong user name, key or password</source>
        <translation>il server ha rifiutato l’accesso: nome utente, chiave o password errati</translation>
    </message>
    <message>
        <source>permission denied by the server</source>
        <translation>permesso negato dal server</translation>
    </message>
    <message>
        <source>the server has no room left</source>
        <translation>il server non ha più spazio</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1</source>
        <translation>il server ha risposto con lo stato HTTP %1</translation>
    </message>
    <message>
        <source>the server stopped answering (timeout)</source>
        <translation>il server ha smesso di rispondere (tempo scaduto)</translation>
    </message>
    <message>
        <source>the server %1 cannot be found</source>
        <translation>il server %1 non si trova</translation>
    </message>
    <message>
        <source>the server %1 cannot be reached</source>
        <translation>il server %1 non è raggiungibile</translation>
    </message>
    <message>
        <source>the secure connection to the server failed (%1)</source>
        <translation>la connessione sicura al server non è riuscita (%1)</translation>
    </message>
    <message>
        <source>Cannot list the remote folder %1</source>
        <translation>Impossibile elencare la cartella remota %1</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Impossibile leggere %1</translation>
    </message>
    <message>
        <source>Cannot send %1</source>
        <translation>Impossibile inviare %1</translation>
    </message>
    <message>
        <source>Cannot delete %1</source>
        <translation>Impossibile eliminare %1</translation>
    </message>
    <message>
        <source>Cannot list the bucket %1</source>
        <translation>Impossibile elencare il bucket %1</translation>
    </message>
    <message>
        <source>Cannot list the bucket %1: the server&apos;s answer does not read (%2).</source>
        <translation>Impossibile elencare il bucket %1: la risposta del server non è leggibile (%2).</translation>
    </message>
    <message>
        <source>Cannot make the remote folder %1</source>
        <translation>Impossibile creare la cartella remota %1</translation>
    </message>
    <message>
        <source>Cannot put %1 in place</source>
        <translation>Impossibile mettere %1 al suo posto</translation>
    </message>
    <message>
        <source>the server refused the login: wrong user name, key or password (%1)</source>
        <translation>il server ha rifiutato l’accesso: nome utente, chiave o password errati (%1)</translation>
    </message>
    <message>
        <source>permission denied by the server (%1)</source>
        <translation>permesso negato dal server (%1)</translation>
    </message>
    <message>
        <source>the server has no room left (%1)</source>
        <translation>il server non ha più spazio (%1)</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1 (%2)</source>
        <translation>il server ha risposto con lo stato HTTP %1 (%2)</translation>
    </message>
    <message>
        <source>the server&apos;s certificate cannot be trusted (%1); a server with an authority of its own needs that authority given with --ca-file, or kept as certificate-authorities.pem in tinselbox&apos;s data folder</source>
        <translation>il certificato del server non è affidabile (%1); un server con una propria autorità ha bisogno di quell’autorità data con --ca-file, o tenuta come certificate-authorities.pem nella cartella dei dati di tinselbox</translation>
    </message>
</context>
<context>
    <name>TuilesJours</name>
    <message>
        <source>Day %1</source>
        <translation>Giorno %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>file missing</source>
        <translation>file mancante</translation>
    </message>
</context>
</TS>
