<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BoutonJour</name>
    <message>
        <source>Click to add ...</source>
        <translation>Zum Hinzufügen klicken…</translation>
    </message>
    <message>
        <source>MISSING</source>
        <translation>FEHLT</translation>
    </message>
</context>
<context>
    <name>CacheConversions</name>
    <message>
        <source>tinselbox: there is no home folder to keep converted media in; they are kept in %1.</source>
        <translation>tinselbox: Es gibt keinen Benutzerordner für umgewandelte Medien; sie werden in %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The converted file cannot be read in %1: %2.</source>
        <translation>Die konvertierte Datei kann in %1 nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The converted file cannot be kept in %1: %2.</source>
        <translation>Die umgewandelte Datei kann in %1 nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The cache directory %1 cannot be written: %2.</source>
        <translation>Der Cache-Ordner %1 kann nicht beschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>CalendriersRecents</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>Liste &amp;leeren</translation>
    </message>
</context>
<context>
    <name>CartePartage</name>
    <message>
        <source>Scan to be reminded of each day</source>
        <translation>Scannen, um an jeden Tag erinnert zu werden</translation>
    </message>
    <message>
        <source>The card cannot be made: the calendar has no address; set it in Options.</source>
        <translation>Die Karte kann nicht erstellt werden: Der Kalender hat keine Adresse; gib sie in den Optionen an.</translation>
    </message>
    <message>
        <source>The card cannot be made: the address is too long for a QR code.</source>
        <translation>Die Karte kann nicht erstellt werden: Die Adresse ist zu lang für einen QR-Code.</translation>
    </message>
    <message>
        <source>The card %1 cannot be written.</source>
        <translation>Die Karte %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The card %1 cannot be written: %2.</source>
        <translation>Die Karte %1 kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>ChaineCles</name>
    <message>
        <source>The calendar&apos;s key chain %1 is damaged: give its recovery code, or remove the file to start a new chain.</source>
        <translation>Die Schlüsselkette des Kalenders %1 ist beschädigt: Geben Sie ihren Wiederherstellungscode an oder löschen Sie die Datei, um eine neue Kette zu beginnen.</translation>
    </message>
    <message>
        <source>This computer gives no random bytes for a key chain.</source>
        <translation>Dieser Computer liefert keine Zufallsbytes für eine Schlüsselkette.</translation>
    </message>
    <message>
        <source>This is not a recovery code, or it is mistyped.</source>
        <translation>Das ist kein Wiederherstellungscode, oder er ist falsch eingegeben.</translation>
    </message>
    <message>
        <source>This calendar&apos;s key chain cannot follow its new name or publishing address. %1

The next generation would start a new chain, and every day&apos;s key would change. To go on with the same keys, type this recovery code in Options once this is mended:

%2</source>
        <translation>Die Schlüsselkette dieses Kalenders kann seinem neuen Namen oder seiner neuen Veröffentlichungsadresse nicht folgen. %1

Die nächste Erstellung würde eine neue Kette beginnen, und der Schlüssel jedes Tages würde sich ändern. Um mit denselben Schlüsseln weiterzumachen, geben Sie diesen Wiederherstellungscode in den Optionen ein, sobald das behoben ist:

%2</translation>
    </message>
</context>
<context>
    <name>ChangementMedias</name>
    <message>
        <source>Edit day %1</source>
        <translation>Tag %1 bearbeiten</translation>
    </message>
    <message>
        <source>Clear day %1</source>
        <translation>Tag %1 leeren</translation>
    </message>
    <message>
        <source>Set day %1</source>
        <translation>Tag %1 belegen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>The media of day %1 could not be put back; the day keeps what it held.</source>
        <translation>Das Medium von Tag %1 konnte nicht wiederhergestellt werden; der Tag behält seinen bisherigen Inhalt.</translation>
    </message>
</context>
<context>
    <name>ChangementOptions</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
</context>
<context>
    <name>ChantierSite</name>
    <message>
        <source>%1 is a file, not a directory.</source>
        <translation>%1 ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The directory %1 cannot be created: %2.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>The site cannot be generated: another generation is writing to %1.</source>
        <translation>Die Website kann nicht erzeugt werden: Eine andere Erzeugung schreibt gerade in %1.</translation>
    </message>
    <message>
        <source>The directory %1 cannot be opened: %2.</source>
        <translation>Der Ordner %1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The directory %1 cannot be written: %2.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1 was replaced by something else while it was being opened; nothing was written.</source>
        <translation>%1 wurde beim Öffnen durch etwas anderes ersetzt; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist.</source>
        <translation>%1 ist eine Verknüpfung auf %2, das nicht existiert.</translation>
    </message>
    <message>
        <source>%1 is the root of a disk.</source>
        <translation>%1 ist das Stammverzeichnis eines Datenträgers.</translation>
    </message>
    <message>
        <source>The directory %1 holds a mounted file system (%2) and cannot be replaced.</source>
        <translation>Der Ordner %1 enthält ein eingehängtes Dateisystem (%2) und kann nicht ersetzt werden.</translation>
    </message>
    <message>
        <source>The previous contents of %1 cannot be removed (%2): %3.</source>
        <translation>Der bisherige Inhalt von %1 kann nicht entfernt werden (%2): %3.</translation>
    </message>
    <message>
        <source>%1 was moved or replaced by something else during the generation; nothing was written into it and nothing was removed.</source>
        <translation>%1 wurde während der Erzeugung verschoben oder durch etwas anderes ersetzt; nichts wurde hineingeschrieben und nichts entfernt.</translation>
    </message>
    <message>
        <source>The previous contents of %1 cannot be replaced: %2.</source>
        <translation>Der bisherige Inhalt von %1 kann nicht ersetzt werden: %2.</translation>
    </message>
</context>
<context>
    <name>ChoixInstant</name>
    <message>
        <source>Preview on a date</source>
        <translation>Vorschau an einem Datum</translation>
    </message>
    <message>
        <source>Show the page as a visitor sees it at this moment (time in %1):</source>
        <translation>Die Seite so zeigen, wie ein Besucher sie in diesem Moment sieht (Uhrzeit in %1):</translation>
    </message>
    <message>
        <source>Show the page as a visitor sees it at this moment:</source>
        <translation>Die Seite so zeigen, wie ein Besucher sie in diesem Moment sieht:</translation>
    </message>
</context>
<context>
    <name>CiblePublication</name>
    <message>
        <source>The publishing address must begin with sftp://, ftps://, davs:// or s3://.</source>
        <translation>Die Veröffentlichungsadresse muss mit sftp://, ftps://, davs:// oder s3:// beginnen.</translation>
    </message>
    <message>
        <source>The publishing address names no valid server.</source>
        <translation>Die Veröffentlichungsadresse nennt keinen gültigen Server.</translation>
    </message>
    <message>
        <source>The publishing address must not hold a password; it is asked for when publishing.</source>
        <translation>Die Veröffentlichungsadresse darf kein Passwort enthalten; es wird beim Veröffentlichen abgefragt.</translation>
    </message>
    <message>
        <source>The publishing address must not end with a #fragment.</source>
        <translation>Die Veröffentlichungsadresse darf nicht mit einem #Fragment enden.</translation>
    </message>
    <message>
        <source>The S3 address needs the access key id before the server: s3://KEY@HOST/BUCKET.</source>
        <translation>Die S3-Adresse braucht die Zugriffsschlüssel-ID vor dem Server: s3://SCHLÜSSEL@HOST/BUCKET.</translation>
    </message>
    <message>
        <source>The publishing address needs a user name before the server: USER@HOST.</source>
        <translation>Die Veröffentlichungsadresse braucht einen Benutzernamen vor dem Server: BENUTZER@HOST.</translation>
    </message>
    <message>
        <source>The publishing address has no valid port.</source>
        <translation>Die Veröffentlichungsadresse hat keinen gültigen Port.</translation>
    </message>
    <message>
        <source>The publishing folder must not hold &quot;.&quot; or &quot;..&quot;.</source>
        <translation>Der Veröffentlichungsordner darf weder „.“ noch „..“ enthalten.</translation>
    </message>
    <message>
        <source>The publishing folder must not hold control characters.</source>
        <translation>Der Veröffentlichungsordner darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The S3 address must end with ?region=REGION (for example ?region=us-east-1).</source>
        <translation>Die S3-Adresse muss mit ?region=REGION enden (zum Beispiel ?region=us-east-1).</translation>
    </message>
    <message>
        <source>The S3 address needs a bucket name after the server: s3://KEY@HOST/BUCKET.</source>
        <translation>Die S3-Adresse braucht einen Bucket-Namen nach dem Server: s3://SCHLÜSSEL@HOST/BUCKET.</translation>
    </message>
    <message>
        <source>Only an S3 address takes a ?query.</source>
        <translation>Nur eine S3-Adresse nimmt eine ?Abfrage.</translation>
    </message>
    <message>
        <source>The SFTP address needs a folder: /~/FOLDER for one in the user&apos;s home.</source>
        <translation>Die SFTP-Adresse braucht einen Ordner: /~/ORDNER für einen Ordner im Benutzerordner.</translation>
    </message>
</context>
<context>
    <name>CoffreCles</name>
    <message>
        <source>The calendar&apos;s key %1 is damaged.</source>
        <translation>Der Schlüssel des Kalenders %1 ist beschädigt.</translation>
    </message>
    <message>
        <source>This is not the calendar&apos;s password (the one set in its Options).</source>
        <translation>Das ist nicht das Passwort des Kalenders (das in seinen Optionen festgelegte).</translation>
    </message>
    <message>
        <source>The calendar&apos;s key cannot be made.</source>
        <translation>Der Schlüssel des Kalenders kann nicht erzeugt werden.</translation>
    </message>
</context>
<context>
    <name>CommandesGeneration</name>
    <message>
        <source>1 media file cannot be found:</source>
        <translation>1 Mediendatei wurde nicht gefunden:</translation>
    </message>
    <message>
        <source>%1 media files cannot be found:</source>
        <translation>%1 Mediendateien wurden nicht gefunden:</translation>
    </message>
    <message>
        <source>Day %1: %2</source>
        <translation>Tag %1: %2</translation>
    </message>
    <message>
        <source>Choose these files again or clear their days, then try again.</source>
        <translation>Wähle diese Dateien erneut aus oder leere ihre Tage und versuche es dann noch einmal.</translation>
    </message>
    <message>
        <source>Select the generation directory</source>
        <translation>Zielordner für die Erzeugung auswählen</translation>
    </message>
    <message>
        <source>This action will erase all the contents of the directory %1
Generate anyway?</source>
        <translation>Dieser Vorgang löscht den gesamten Inhalt des Ordners %1
Trotzdem erzeugen?</translation>
    </message>
    <message>
        <source>Error generating the calendar.</source>
        <translation>Fehler beim Erzeugen des Kalenders.</translation>
    </message>
    <message>
        <source>Generating the calendar successfully in %1</source>
        <translation>Kalender erfolgreich erzeugt in %1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Im Browser öffnen</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Teilen…</translation>
    </message>
    <message>
        <source>Generating the calendar ...</source>
        <translation>Kalender wird erzeugt…</translation>
    </message>
    <message>
        <source>Converted day %1 (%2 of %3) ...</source>
        <translation>Tag %1 umgewandelt (%2 von %3)…</translation>
    </message>
</context>
<context>
    <name>CommandesJours</name>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten…</translation>
    </message>
    <message>
        <source>Clear day</source>
        <translation>Tag leeren</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message>
        <source>The folder %1 cannot be shown.</source>
        <translation>Der Ordner %1 kann nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>Move day %1 to day %2</source>
        <translation>Tag %1 auf Tag %2 verschieben</translation>
    </message>
    <message>
        <source>Swap days %1 and %2</source>
        <translation>Tage %1 und %2 tauschen</translation>
    </message>
</context>
<context>
    <name>CommandesPublication</name>
    <message>
        <source>The password is asked for instead.</source>
        <translation>Stattdessen wird nach dem Passwort gefragt.</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Veröffentlichen</translation>
    </message>
    <message>
        <source>The secret key of %1:</source>
        <translation>Der geheime Schlüssel von %1:</translation>
    </message>
    <message>
        <source>The password of %1 (empty to log in with your SSH key):</source>
        <translation>Das Passwort von %1 (leer, um sich mit Ihrem SSH-Schlüssel anzumelden):</translation>
    </message>
    <message>
        <source>Remember it in the system keyring</source>
        <translation>Im Schlüsselbund des Systems merken</translation>
    </message>
    <message>
        <source>Publishing...</source>
        <translation>Veröffentlichen …</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Stopping after the current step...</source>
        <translation>Anhalten nach dem laufenden Schritt …</translation>
    </message>
    <message>
        <source>Sending %1: %2 of %3
In all: %4 of %5, %6/s, %7 s left</source>
        <translation>Sende %1: %2 von %3
Insgesamt: %4 von %5, %6/s, noch %7 s</translation>
    </message>
    <message>
        <source>The calendar has no publishing address yet: set one in Options, Publishing.</source>
        <translation>Der Kalender hat noch keine Veröffentlichungsadresse: Legen Sie eine unter Optionen, Veröffentlichen fest.</translation>
    </message>
    <message numerus="yes">
        <source>The calendar is published: %n file(s) sent (%1), %2 deleted, %3 unchanged.</source>
        <translation>
            <numerusform>Der Kalender ist veröffentlicht: %n Datei gesendet (%1), %2 gelöscht, %3 unverändert.</numerusform>
            <numerusform>Der Kalender ist veröffentlicht: %n Dateien gesendet (%1), %2 gelöscht, %3 unverändert.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a server this computer knows. Its host key&apos;s fingerprint is:
%2

Trust it only if it is your server&apos;s (your provider can tell). Trust it and publish?</source>
        <translation>%1 ist kein Server, den dieser Computer kennt. Der Fingerabdruck seines Host-Schlüssels ist:
%2

Vertrauen Sie ihm nur, wenn es der Ihres Servers ist (Ihr Anbieter kann es sagen). Vertrauen und veröffentlichen?</translation>
    </message>
    <message>
        <source>Publish beside them?</source>
        <translation>Daneben veröffentlichen?</translation>
    </message>
    <message>
        <source>The site on the server still works as it was; publishing again completes it.</source>
        <translation>Die Website auf dem Server funktioniert weiter wie zuvor; erneutes Veröffentlichen vervollständigt sie.</translation>
    </message>
    <message>
        <source>Publishing every morning needs a saved calendar with a publishing address (Options, Publishing).</source>
        <translation>Jeden Morgen zu veröffentlichen braucht einen gespeicherten Kalender mit Veröffentlichungsadresse (Optionen, Veröffentlichen).</translation>
    </message>
    <message>
        <source>systemd does not run on this computer. To publish every morning, add this line with crontab -e; it is in this computer&apos;s time zone:

%1

The job needs the password in a file only you can read (--secret-file FILE) or an SSH key.</source>
        <translation>systemd läuft auf diesem Computer nicht. Um jeden Morgen zu veröffentlichen, fügen Sie diese Zeile mit crontab -e hinzu; sie gilt in der Zeitzone dieses Computers:

%1

Der Auftrag braucht das Passwort in einer Datei, die nur Sie lesen können (--secret-file FILE), oder einen SSH-Schlüssel.</translation>
    </message>
    <message>
        <source>To share it, give its public address in Options and publish again: the page&apos;s link previews name it too.</source>
        <translation>Um ihn zu teilen, gib seine öffentliche Adresse in den Optionen an und veröffentliche erneut: auch die Linkvorschauen der Seite nennen sie.</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Im Browser öffnen</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Teilen…</translation>
    </message>
</context>
<context>
    <name>ConvertisseurImage</name>
    <message>
        <source>The converted picture of %1 cannot be written: %2.</source>
        <translation>Das umgewandelte Bild von %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be encoded as JPEG.</source>
        <translation>Das Bild %1 kann nicht als JPEG kodiert werden.</translation>
    </message>
</context>
<context>
    <name>EcritureFichier</name>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>EntetePage</name>
    <message>
        <source>The page %1 cannot be read: %2.</source>
        <translation>Die Seite %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The page %1 has no head to write the title into.</source>
        <translation>Die Seite %1 hat keinen Kopfbereich, in den der Titel geschrieben werden kann.</translation>
    </message>
</context>
<context>
    <name>FenetreEdition</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>PHOTO</source>
        <translation>FOTO</translation>
    </message>
    <message>
        <source>MUSIC</source>
        <translation>MUSIK</translation>
    </message>
    <message>
        <source>VIDEO</source>
        <translation>VIDEO</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>NACHRICHT</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>Write the day&apos;s message here.</source>
        <translation>Schreibe hier die Nachricht des Tages.</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>Tag %1</translation>
    </message>
    <message>
        <source>No preview available</source>
        <translation>Keine Vorschau verfügbar</translation>
    </message>
    <message>
        <source>1 character left</source>
        <translation>Noch 1 Zeichen</translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation>Noch %1 Zeichen</translation>
    </message>
    <message>
        <source>1 character too many</source>
        <translation>1 Zeichen zu viel</translation>
    </message>
    <message>
        <source>%1 characters too many</source>
        <translation>%1 Zeichen zu viel</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>The message holds an invisible control character that a calendar file cannot store. Remove it, or type the text again.</source>
        <translation>Die Nachricht enthält ein unsichtbares Steuerzeichen, das eine Kalenderdatei nicht speichern kann. Entferne es oder tippe den Text neu.</translation>
    </message>
</context>
<context>
    <name>FenetreNouveau</name>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Letters and digits, e.g. Advent2026</source>
        <translation>Buchstaben und Ziffern, z.&#xa0;B. Advent2026</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>The name may hold only the letters A to Z (no accents) and the digits 0 to 9.</source>
        <translation>Der Name darf nur die Buchstaben A bis Z (ohne Umlaute und Akzente) und die Ziffern 0 bis 9 enthalten.</translation>
    </message>
    <message>
        <source>Please enter a name for the project and a working directory.</source>
        <translation>Bitte gib einen Namen für das Projekt und einen Arbeitsordner an.</translation>
    </message>
    <message>
        <source>Please enter a correct name for the project (must contain only letters and numbers).</source>
        <translation>Bitte gib einen gültigen Projektnamen an (nur Buchstaben und Ziffern).</translation>
    </message>
    <message>
        <source>Select the working directory</source>
        <translation>Arbeitsordner auswählen</translation>
    </message>
    <message>
        <source>A calendar with this name already exists in this directory. 
Replace it?</source>
        <translation>In diesem Ordner gibt es bereits einen Kalender mit diesem Namen. 
Ersetzen?</translation>
    </message>
    <message>
        <source>The working directory %1 does not exist or is not a folder.</source>
        <translation>Der Arbeitsordner %1 existiert nicht oder ist kein Ordner.</translation>
    </message>
</context>
<context>
    <name>FenetreOptions</name>
    <message>
        <source>Calendar options</source>
        <translation>Kalenderoptionen</translation>
    </message>
    <message>
        <source>Past days stay open</source>
        <translation>Vergangene Tage bleiben offen</translation>
    </message>
    <message>
        <source>A visitor who missed a day can still open it later.</source>
        <translation>Wer einen Tag verpasst hat, kann ihn später noch öffnen.</translation>
    </message>
    <message>
        <source>Days open in:</source>
        <translation>Tage öffnen sich:</translation>
    </message>
    <message>
        <source>Time zone:</source>
        <translation>Zeitzone:</translation>
    </message>
    <message>
        <source>Each visitor&apos;s own clock</source>
        <translation>Die Uhr jedes Besuchers</translation>
    </message>
    <message>
        <source>Number of days:</source>
        <translation>Anzahl der Tage:</translation>
    </message>
    <message>
        <source>Starts on:</source>
        <translation>Beginnt am:</translation>
    </message>
    <message>
        <source>Day 1 opens on this date, day 2 the day after, and so on. Unchecked, the balls follow the days of the month.</source>
        <translation>Tag 1 öffnet an diesem Datum, Tag 2 am Tag danach und so weiter. Ohne Haken folgen die Kugeln den Tagen des Monats.</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Jedes Jahr</translation>
    </message>
    <message>
        <source>Language of the page:</source>
        <translation>Sprache der Seite:</translation>
    </message>
    <message>
        <source>https://example.org/calendar/</source>
        <translation>https://example.org/kalender/</translation>
    </message>
    <message>
        <source>Shuffle the balls</source>
        <translation>Kugeln mischen</translation>
    </message>
    <message>
        <source>The numbers are dealt over the balls&apos; places in an order of their own, the same at every generation.</source>
        <translation>Die Nummern werden in einer eigenen Reihenfolge auf die Plätze der Kugeln verteilt, bei jeder Erzeugung gleich.</translation>
    </message>
    <message>
        <source>Publish files exactly as chosen</source>
        <translation>Dateien unverändert veröffentlichen</translation>
    </message>
    <message>
        <source>Copy every picture, sound and video byte for byte instead of making it lighter for the web.</source>
        <translation>Jedes Bild, jeden Ton und jedes Video Byte für Byte kopieren, statt sie fürs Web zu verkleinern.</translation>
    </message>
    <message>
        <source>Any month</source>
        <translation>Jeder Monat</translation>
    </message>
    <message>
        <source>%1 only</source>
        <translation>Nur im %1</translation>
    </message>
    <message>
        <source>“%1” is not a time zone this computer knows.
Give a name such as Europe/Paris, or leave the field empty for each visitor’s own clock.</source>
        <translation>„%1“ ist keine Zeitzone, die dieser Computer kennt.
Gib einen Namen wie Europe/Paris an oder lass das Feld leer, damit die Uhr jedes Besuchers gilt.</translation>
    </message>
    <message>
        <source>“%1” is not the address of a web page.
Give the whole address, starting with https:// or http://, or leave the field empty.</source>
        <translation>„%1“ ist keine Adresse einer Webseite.
Gib die vollständige Adresse an, beginnend mit https:// oder http://, oder lass das Feld leer.</translation>
    </message>
    <message>
        <source>Look of the page:</source>
        <translation>Aussehen der Seite:</translation>
    </message>
    <message>
        <source>Background picture:</source>
        <translation>Hintergrundbild:</translation>
    </message>
    <message>
        <source>None: the theme&apos;s sky</source>
        <translation>Keines: der Himmel des Themas</translation>
    </message>
    <message>
        <source>Your own picture behind the balls, shown as it is. It is published in two crops, for tall and for wide screens.</source>
        <translation>Ihr eigenes Bild hinter den Kugeln, so gezeigt, wie es ist. Es wird in zwei Ausschnitten veröffentlicht, für hohe und für breite Bildschirme.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Show the calendar&apos;s name on the page</source>
        <translation>Den Namen des Kalenders auf der Seite zeigen</translation>
    </message>
    <message>
        <source>“%1” is not a picture this computer can read.
Choose a photo, or leave the field empty for the theme’s own sky.</source>
        <translation>„%1“ ist kein Bild, das dieser Computer lesen kann.
Wählen Sie ein Foto, oder lassen Sie das Feld leer für den Himmel des Themas.</translation>
    </message>
    <message>
        <source>Select a background picture</source>
        <translation>Ein Hintergrundbild auswählen</translation>
    </message>
    <message>
        <source>Publish to:</source>
        <translation>Veröffentlichen nach:</translation>
    </message>
    <message>
        <source>sftp://user@host/~/www/calendar</source>
        <translation>sftp://benutzer@host/~/www/kalender</translation>
    </message>
    <message>
        <source>sftp://USER@HOST/PATH, ftps://USER@HOST/PATH (FTP with TLS), davs://USER@HOST/PATH (WebDAV over HTTPS) or s3://ACCESS_KEY_ID@HOST/BUCKET/PREFIX?region=REGION. Passwords are never kept here: Publish asks for them and keeps them in the system keyring.</source>
        <translation>sftp://BENUTZER@HOST/PFAD, ftps://BENUTZER@HOST/PFAD (FTP mit TLS), davs://BENUTZER@HOST/PFAD (WebDAV über HTTPS) oder s3://ZUGRIFFSSCHLÜSSEL_ID@HOST/BUCKET/PRÄFIX?region=REGION. Passwörter werden hier nie gespeichert: Veröffentlichen fragt danach und legt sie im Schlüsselbund des Systems ab.</translation>
    </message>
    <message>
        <source>“%1” is not a publishing address.
Give one such as sftp://user@host/~/www, ftps://user@host/www, davs://host/www or s3://KEY@host/bucket?region=us-east-1, without a password, or leave the field empty.</source>
        <translation>„%1“ ist keine Veröffentlichungsadresse.
Geben Sie eine wie sftp://benutzer@host/~/www, ftps://benutzer@host/www, davs://host/www oder s3://SCHLUESSEL@host/bucket?region=us-east-1 ohne Passwort an, oder lassen Sie das Feld leer.</translation>
    </message>
    <message>
        <source>Private: visitors need a password</source>
        <translation>Privat: Besucher brauchen ein Passwort</translation>
    </message>
    <message>
        <source>Every day&apos;s picture, sound, video and message is encrypted in the site; the page asks for the password.</source>
        <translation>Bild, Ton, Video und Nachricht jedes Tages werden in der Website verschlüsselt; die Seite fragt nach dem Passwort.</translation>
    </message>
    <message>
        <source>Keep it in the keyring</source>
        <translation>Im Schlüsselbund aufbewahren</translation>
    </message>
    <message>
        <source>Otherwise the password is asked at each generation.</source>
        <translation>Sonst wird das Passwort bei jeder Erzeugung abgefragt.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Again:</source>
        <translation>Wiederholen:</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>Type the password visitors will need, twice.</source>
        <translation>Geben Sie das Passwort, das Besucher brauchen, zweimal ein.</translation>
    </message>
    <message>
        <source>The two passwords differ. Type the same password twice.</source>
        <translation>Die beiden Passwörter unterscheiden sich. Geben Sie zweimal dasselbe Passwort ein.</translation>
    </message>
    <message>
        <source>The password will be asked at each generation.</source>
        <translation>Das Passwort wird bei jeder Erzeugung abgefragt.</translation>
    </message>
    <message>
        <source>Public address:</source>
        <translation>Öffentliche Adresse:</translation>
    </message>
    <message>
        <source>Where visitors open the calendar once it is published. The Share card, the QR code and the page&apos;s link previews give this address.</source>
        <translation>Wo Besucher den Kalender öffnen, sobald er veröffentlicht ist. Die Teilen-Karte, der QR-Code und die Linkvorschauen der Seite nennen diese Adresse.</translation>
    </message>
    <message>
        <source>Recovery code</source>
        <translation>Wiederherstellungscode</translation>
    </message>
    <message>
        <source>The code shown when the doors were locked: it goes on with this calendar&apos;s keys on another computer.</source>
        <translation>Der Code, der beim Verschließen der Türen angezeigt wurde: Mit ihm gehen die Schlüssel dieses Kalenders auf einem anderen Computer weiter.</translation>
    </message>
    <message>
        <source>Doors open only on their day, for real</source>
        <translation>Türen öffnen sich wirklich erst an ihrem Tag</translation>
    </message>
    <message>
        <source>Each day is encrypted under a key of its own, and the site holds only the keys of the days up to the one it was published on.</source>
        <translation>Jeder Tag wird mit einem eigenen Schlüssel verschlüsselt, und die Website enthält nur die Schlüssel der Tage bis zu dem, an dem sie veröffentlicht wurde.</translation>
    </message>
    <message>
        <source>A time zone such as Europe/Paris makes every visitor&apos;s day change at the same midnight. Locked doors open with each morning&apos;s publish, or with the next one after a morning the computer is off.</source>
        <translation>Eine Zeitzone wie Europe/Berlin lässt den Tag für alle Besucher um dieselbe Mitternacht wechseln. Verschlossene Türen öffnen sich mit der Veröffentlichung jeden Morgen, oder mit der nächsten nach einem Morgen, an dem der Computer aus war.</translation>
    </message>
    <message>
        <source>Doors that open only on their day need a publishing address: each morning&apos;s publish brings that day&apos;s key.</source>
        <translation>Türen, die sich erst an ihrem Tag öffnen, brauchen eine Veröffentlichungsadresse: Die Veröffentlichung jeden Morgen bringt den Schlüssel des Tages.</translation>
    </message>
    <message>
        <source>This is not a recovery code, or it is mistyped.</source>
        <translation>Das ist kein Wiederherstellungscode, oder er ist falsch eingegeben.</translation>
    </message>
    <message>
        <source>Keep this recovery code somewhere safe, away from this computer. On another computer, typed in Options (or given with --recovery-code-file), it goes on with this calendar&apos;s keys:

%1</source>
        <translation>Bewahren Sie diesen Wiederherstellungscode sicher auf, nicht auf diesem Computer. Auf einem anderen Computer in den Optionen eingegeben (oder mit --recovery-code-file angegeben), geht er mit den Schlüsseln dieses Kalenders weiter:

%1</translation>
    </message>
</context>
<context>
    <name>FenetrePartage</name>
    <message>
        <source>Share the calendar</source>
        <translation>Kalender teilen</translation>
    </message>
    <message>
        <source>Scan this code with a phone, or send the address:</source>
        <translation>Scanne diesen Code mit einem Handy oder schicke die Adresse:</translation>
    </message>
    <message>
        <source>QR code of the calendar&apos;s address</source>
        <translation>QR-Code der Kalenderadresse</translation>
    </message>
    <message>
        <source>Address of the published page</source>
        <translation>Adresse der veröffentlichten Seite</translation>
    </message>
    <message>
        <source>&amp;Copy address</source>
        <translation>Adresse &amp;kopieren</translation>
    </message>
    <message>
        <source>Save &amp;QR code...</source>
        <translation>&amp;QR-Code speichern…</translation>
    </message>
    <message>
        <source>Save c&amp;ard...</source>
        <translation>K&amp;arte speichern…</translation>
    </message>
    <message>
        <source>An A6 card to print, with the calendar&apos;s name and this QR code.</source>
        <translation>Eine A6-Karte zum Ausdrucken, mit dem Namen des Kalenders und diesem QR-Code.</translation>
    </message>
    <message>
        <source>Save the QR code</source>
        <translation>QR-Code speichern</translation>
    </message>
    <message>
        <source>The QR code cannot be saved in %1.</source>
        <translation>Der QR-Code kann nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Save the card</source>
        <translation>Karte speichern</translation>
    </message>
    <message>
        <source>Add a code for the &amp;reminders to the card</source>
        <translation>Der Karte einen Code für die &amp;Erinnerungen hinzufügen</translation>
    </message>
    <message>
        <source>A second, smaller code that adds a reminder of each day to a phone&apos;s calendar.</source>
        <translation>Ein zweiter, kleinerer Code, der eine Erinnerung an jeden Tag in den Kalender eines Telefons einträgt.</translation>
    </message>
    <message>
        <source>Put the key in the link and the card: they open without the password</source>
        <translation>Den Schlüssel in Link und Karte legen: Sie öffnen ohne das Passwort</translation>
    </message>
    <message>
        <source>Whoever holds this link or card can open the calendar.</source>
        <translation>Wer diesen Link oder diese Karte hat, kann den Kalender öffnen.</translation>
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
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Erzeugen…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Neu…</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Optionen…</translation>
    </message>
    <message>
        <source>Calendar options: which days the page opens</source>
        <translation>Kalenderoptionen: welche Tage die Seite öffnet</translation>
    </message>
    <message>
        <source>Size: %1 %2</source>
        <translation>Größe: %1&#xa0;%2</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them. 
Quit anyway?</source>
        <translation>Deine Änderungen gehen verloren, wenn du sie nicht speicherst. 
Trotzdem beenden?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them. 
Create new anyway?</source>
        <translation>Deine Änderungen gehen verloren, wenn du sie nicht speicherst. 
Trotzdem einen neuen anlegen?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them. 
Open anyway?</source>
        <translation>Deine Änderungen gehen verloren, wenn du sie nicht speicherst. 
Trotzdem öffnen?</translation>
    </message>
    <message>
        <source>Select a calendar</source>
        <translation>Kalender auswählen</translation>
    </message>
    <message>
        <source>Error opening the calendar.</source>
        <translation>Fehler beim Öffnen des Kalenders.</translation>
    </message>
    <message>
        <source>Their days are marked in the calendar.</source>
        <translation>Ihre Tage sind im Kalender markiert.</translation>
    </message>
    <message>
        <source>Error saving the calendar: the file name of day %1 holds a character that a calendar file cannot store. Rename the file and choose it again.</source>
        <translation>Fehler beim Speichern des Kalenders: Der Dateiname von Tag %1 enthält ein Zeichen, das eine Kalenderdatei nicht speichern kann. Benenne die Datei um und wähle sie erneut aus.</translation>
    </message>
    <message>
        <source>Error saving the calendar: its name holds a character that a calendar file cannot store.</source>
        <translation>Fehler beim Speichern des Kalenders: Sein Name enthält ein Zeichen, das eine Kalenderdatei nicht speichern kann.</translation>
    </message>
    <message>
        <source>Error saving the calendar.</source>
        <translation>Fehler beim Speichern des Kalenders.</translation>
    </message>
    <message>
        <source>This calendar holds days outside 1 to %1 (%2). They are neither shown nor published, and they stay in the file when you save.</source>
        <translation>Dieser Kalender enthält Tage außerhalb von 1 bis %1 (%2). Sie werden weder angezeigt noch veröffentlicht und bleiben beim Speichern in der Datei.</translation>
    </message>
    <message>
        <source> (converting media...)</source>
        <translation> (Medien werden umgewandelt…)</translation>
    </message>
    <message>
        <source> [read-only]</source>
        <translation> [schreibgeschützt]</translation>
    </message>
    <message>
        <source>Save the calendar as</source>
        <translation>Kalender speichern unter</translation>
    </message>
    <message>
        <source>Doors that open only on their day open with each morning&apos;s publish. Publish every morning now?</source>
        <translation>Türen, die sich erst an ihrem Tag öffnen, öffnen sich mit der Veröffentlichung jeden Morgen. Jetzt jeden Morgen veröffentlichen?</translation>
    </message>
</context>
<context>
    <name>FichierOrdinaire</name>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>eine FIFO</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation>eine normale Datei</translation>
    </message>
    <message>
        <source>The file %1 cannot be found.</source>
        <translation>Die Datei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (it is %2).</source>
        <translation>%1 ist keine normale Datei (sondern %2).</translation>
    </message>
    <message>
        <source>%1 is a directory, not a file.</source>
        <translation>%1 ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2.</translation>
    </message>
</context>
<context>
    <name>FichierProjet</name>
    <message>
        <source>%1 is an XML file but not a calendar: its root element is &lt;%2&gt;.</source>
        <translation>%1 ist eine XML-Datei, aber kein Kalender: Ihr Wurzelelement ist &lt;%2&gt;.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The calendar cannot be written: it holds a character that a calendar file cannot carry.</source>
        <translation>Der Kalender kann nicht geschrieben werden: Er enthält ein Zeichen, das eine Kalenderdatei nicht aufnehmen kann.</translation>
    </message>
    <message>
        <source>The calendar cannot be written: %1.</source>
        <translation>Der Kalender kann nicht geschrieben werden: %1.</translation>
    </message>
</context>
<context>
    <name>FondPage</name>
    <message>
        <source>The background picture %1 cannot be read: %2.</source>
        <translation>Das Hintergrundbild %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The background picture %1 cannot be converted.</source>
        <translation>Das Hintergrundbild %1 kann nicht umgewandelt werden.</translation>
    </message>
    <message>
        <source>The background picture cannot be written into %1: %2.</source>
        <translation>Das Hintergrundbild kann nicht in %1 geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>GenerationSite</name>
    <message>
        <source>Day %1 has no media file.</source>
        <translation>Tag %1 hat keine Mediendatei.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be found.</source>
        <translation>Tag %1: Die Datei %2 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The calendar&apos;s template cannot be copied into %1: %2.</source>
        <translation>Die Vorlage des Kalenders kann nicht nach %1 kopiert werden: %2.</translation>
    </message>
    <message>
        <source>The page&apos;s scripts cannot be written in %1.</source>
        <translation>Die Skripte der Seite können nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>The generation was stopped; %1 was left as it was.</source>
        <translation>Die Erzeugung wurde abgebrochen; %1 blieb unverändert.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be read: %3.</source>
        <translation>Tag %1: Die Datei %2 kann nicht gelesen werden: %3.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be copied into %3: %4.</source>
        <translation>Tag %1: Die Datei %2 kann nicht nach %3 kopiert werden: %4.</translation>
    </message>
    <message>
        <source>The page cannot be written in %1.</source>
        <translation>Die Seite kann nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Day %1: %2 is not a regular file (it is %3).</source>
        <translation>Tag %1: %2 ist keine normale Datei (sondern %3).</translation>
    </message>
    <message>
        <source>Day %1: %2 is a system file, not a media file.</source>
        <translation>Tag %1: %2 ist eine Systemdatei, keine Mediendatei.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 does not hold as many bytes as its size says; it is not a media file.</source>
        <translation>Tag %1: Die Datei %2 enthält nicht so viele Byte, wie ihre Größe angibt; sie ist keine Mediendatei.</translation>
    </message>
    <message>
        <source>The page&apos;s scripts cannot be written in %1: %2.</source>
        <translation>Die Skripte der Seite können nicht in %1 geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Day %1: %2 is not a picture, a sound or a video.</source>
        <translation>Tag %1: %2 ist weder ein Bild noch ein Ton noch ein Video.</translation>
    </message>
    <message>
        <source>Day %1: the picture %2 is damaged: it ends before its last part.</source>
        <translation>Tag %1: Das Bild %2 ist beschädigt: Es endet vor seinem letzten Teil.</translation>
    </message>
    <message>
        <source>%1 changed since it was checked: it now holds files that tinselbox did not generate, which are left as they are.</source>
        <translation>%1 hat sich seit der Prüfung geändert: Es enthält jetzt Dateien, die tinselbox nicht erzeugt hat; sie bleiben unverändert.</translation>
    </message>
    <message>
        <source>The page cannot be written in %1: %2.</source>
        <translation>Die Seite kann nicht in %1 geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be copied to %2: %3.</source>
        <translation>%1 kann nicht nach %2 kopiert werden: %3.</translation>
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
        <translation>Diese Datei sieht nicht wie ein Bild aus. Die Seite kann sie möglicherweise nicht anzeigen. Trotzdem behalten?</translation>
    </message>
    <message>
        <source>MUSIC</source>
        <translation>MUSIK</translation>
    </message>
    <message>
        <source>This file does not look like a piece of music. The page may not be able to play it. Keep it anyway?</source>
        <translation>Diese Datei sieht nicht wie ein Musikstück aus. Die Seite kann sie möglicherweise nicht abspielen. Trotzdem behalten?</translation>
    </message>
    <message>
        <source>VIDEO</source>
        <translation>VIDEO</translation>
    </message>
    <message>
        <source>This file does not look like a video. The page may not be able to play it. Keep it anyway?</source>
        <translation>Diese Datei sieht nicht wie ein Video aus. Die Seite kann sie möglicherweise nicht abspielen. Trotzdem behalten?</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>NACHRICHT</translation>
    </message>
</context>
<context>
    <name>ImageApercu</name>
    <message>
        <source>The link preview picture %1 cannot be encoded as PNG.</source>
        <translation>Das Vorschaubild des Links %1 kann nicht als PNG kodiert werden.</translation>
    </message>
</context>
<context>
    <name>ImportFichiers</name>
    <message>
        <source>This text file is empty or cannot be read:
%1</source>
        <translation>Diese Textdatei ist leer oder nicht lesbar:
%1</translation>
    </message>
    <message>
        <source>A message holds at most %1 characters of plain text; this file cannot become one:
%2</source>
        <translation>Eine Nachricht fasst höchstens %1 Zeichen reinen Text; diese Datei kann keine werden:
%2</translation>
    </message>
    <message>
        <source>The content of this file is of no kind a day can hold:
%1</source>
        <translation>Der Inhalt dieser Datei hat keine Art, die ein Tag aufnehmen kann:
%1</translation>
    </message>
    <message>
        <source>These days already hold a media: %1. 
Replace them?</source>
        <translation>Diese Tage enthalten bereits ein Medium: %1. 
Ersetzen?</translation>
    </message>
    <message>
        <source>No media file was found to import.</source>
        <translation>Es wurde keine Mediendatei zum Importieren gefunden.</translation>
    </message>
    <message>
        <source>Files given no day: %1.</source>
        <translation>Dateien ohne Tag: %1.</translation>
    </message>
    <message>
        <source>These files were given no day:
%1</source>
        <translation>Diese Dateien haben keinen Tag bekommen:
%1</translation>
    </message>
    <message>
        <source>Files of no kind a day can hold, left out: %1.</source>
        <translation>Ausgelassen, da kein Tag sie aufnehmen kann: %1.</translation>
    </message>
    <message>
        <source>These files are of no kind a day can hold and were left out:
%1</source>
        <translation>Diese Dateien haben keine Art, die ein Tag aufnehmen kann, und wurden ausgelassen:
%1</translation>
    </message>
    <message>
        <source>Select a folder to import</source>
        <translation>Zu importierenden Ordner auswählen</translation>
    </message>
</context>
<context>
    <name>InstantApercu</name>
    <message>
        <source>&quot;%1&quot; is not a date and time of the form %2</source>
        <translation>„%1“ ist kein Datum mit Uhrzeit der Form %2</translation>
    </message>
</context>
<context>
    <name>LecteurProjet</name>
    <message>
        <source>%1 cannot be opened: the message of day %2 is longer than %3 characters, the most a day can hold.</source>
        <translation>%1 kann nicht geöffnet werden: Die Nachricht von Tag %2 hat mehr als %3 Zeichen, das Maximum für einen Tag.</translation>
    </message>
    <message>
        <source>%1 is not a well-formed XML file (line %2, column %3: %4).</source>
        <translation>%1 ist keine wohlgeformte XML-Datei (Zeile %2, Spalte %3: %4).</translation>
    </message>
    <message>
        <source>%1 is not a calendar file: it holds a document type, or more nesting, attributes or elements than a calendar file has.</source>
        <translation>%1 ist keine Kalenderdatei: Sie enthält eine Dokumenttyp-Angabe oder mehr Verschachtelung, Attribute oder Elemente, als eine Kalenderdatei hat.</translation>
    </message>
    <message>
        <source>%1 is not a well-formed XML file: it ends too soon.</source>
        <translation>%1 ist keine wohlgeformte XML-Datei: Sie endet zu früh.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the calendar&apos;s name is longer than %2 characters, the most a name can hold.</source>
        <translation>%1 kann nicht geöffnet werden: Der Name des Kalenders ist länger als %2 Zeichen, die Höchstlänge eines Namens.</translation>
    </message>
</context>
<context>
    <name>LigneCommande</name>
    <message>
        <source>Builds a web calendar of up to 31 days and generates its site.
Without an option, opens the editor, with the calendar FILE if given.</source>
        <translation>Erstellt einen Webkalender mit bis zu 31 Tagen und erzeugt seine Website.
Ohne Option öffnet es den Editor, mit dem Kalender FILE, falls angegeben.</translation>
    </message>
    <message>
        <source>A calendar project file (.xml).</source>
        <translation>Eine Kalender-Projektdatei (.xml).</translation>
    </message>
    <message>
        <source>Generate the site of FILE into the directory DIR, without a display.</source>
        <translation>Erzeugt die Website von FILE im Ordner DIR, ohne Bildschirm.</translation>
    </message>
    <message>
        <source>Generate the preview of FILE into tmp/ beside it and open it in the browser.</source>
        <translation>Erzeugt die Vorschau von FILE in tmp/ daneben und öffnet sie im Browser.</translation>
    </message>
    <message>
        <source>Check FILE: its media, its days and the estimated site size.</source>
        <translation>Prüft FILE: seine Medien, seine Tage und die geschätzte Größe der Website.</translation>
    </message>
    <message>
        <source>Erase a non-empty DIR that holds no generated site, instead of refusing it.</source>
        <translation>Löscht einen nicht leeren Ordner DIR ohne erzeugte Website, statt ihn abzulehnen.</translation>
    </message>
    <message>
        <source>With --generate: print no progress.</source>
        <translation>Mit --generate: keinen Fortschritt ausgeben.</translation>
    </message>
    <message>
        <source>no display to open the editor on; --generate and --check need none</source>
        <translation>kein Bildschirm, auf dem der Editor geöffnet werden kann; --generate und --check brauchen keinen</translation>
    </message>
    <message>
        <source>--generate needs a calendar FILE and a directory DIR</source>
        <translation>--generate braucht einen Kalender FILE und einen Ordner DIR</translation>
    </message>
    <message>
        <source>%1 needs one calendar FILE</source>
        <translation>%1 braucht einen Kalender FILE</translation>
    </message>
    <message>
        <source>the editor opens one calendar FILE at most</source>
        <translation>der Editor öffnet höchstens einen Kalender FILE</translation>
    </message>
    <message>
        <source>a message</source>
        <translation>eine Nachricht</translation>
    </message>
    <message>
        <source>Day %1: %2</source>
        <translation>Tag %1: %2</translation>
    </message>
    <message>
        <source>Generated the calendar in %1</source>
        <translation>Kalender in %1 erzeugt</translation>
    </message>
    <message>
        <source>Estimated site size: %1 (%2 bytes)</source>
        <translation>Geschätzte Größe der Website: %1 (%2&#xa0;Byte)</translation>
    </message>
    <message numerus="yes">
        <source>%1: cannot be generated, %n problem(s) listed above</source>
        <translation>
            <numerusform>%1: kann nicht erzeugt werden, %n Problem oben aufgeführt</numerusform>
            <numerusform>%1: kann nicht erzeugt werden, %n Probleme oben aufgeführt</numerusform>
        </translation>
    </message>
    <message>
        <source>The calendar can be generated.</source>
        <translation>Der Kalender kann erzeugt werden.</translation>
    </message>
    <message>
        <source>With --generate: the directory that receives the site; with --card: the PDF file.</source>
        <translation>Mit --generate: der Ordner, der die Website aufnimmt; mit --card: die PDF-Datei.</translation>
    </message>
    <message>
        <source>Write to OUT.pdf the printable card of FILE: its name and the QR code of its address.</source>
        <translation>Schreibt die druckbare Karte von FILE nach OUT.pdf: ihren Namen und den QR-Code ihrer Adresse.</translation>
    </message>
    <message>
        <source>--card needs a calendar FILE and a PDF file OUT.pdf</source>
        <translation>--card braucht einen Kalender FILE und eine PDF-Datei OUT.pdf</translation>
    </message>
    <message>
        <source>Converted day %1 (%2 of %3)</source>
        <translation>Tag %1 umgewandelt (%2 von %3)</translation>
    </message>
    <message>
        <source>Calendar &quot;%1&quot;: %2 of %3 days have content.</source>
        <translation>Kalender „%1“: %2 von %3 Tagen haben Inhalt.</translation>
    </message>
    <message>
        <source>Days without content: %1.</source>
        <translation>Tage ohne Inhalt: %1.</translation>
    </message>
    <message>
        <source>Day %1: outside 1 to %2, the page never shows it.</source>
        <translation>Tag %1: außerhalb von 1 bis %2, die Seite zeigt ihn nie.</translation>
    </message>
    <message>
        <source>Day %1: %2 will not play in every browser; installing ffmpeg converts it.</source>
        <translation>Tag %1: %2 läuft nicht in jedem Browser; mit installiertem ffmpeg wird es umgewandelt.</translation>
    </message>
    <message>
        <source>Estimated site size: %1 (%2 bytes), before converting the media</source>
        <translation>Geschätzte Größe der Website: %1 (%2&#xa0;Byte), vor dem Umwandeln der Medien</translation>
    </message>
    <message>
        <source>the preview is ready in %1, but no browser could be opened to show it</source>
        <translation>die Vorschau liegt in %1 bereit, aber es ließ sich kein Browser öffnen, um sie anzuzeigen</translation>
    </message>
    <message>
        <source>The file does not follow the calendar&apos;s schema: what this version does not know is left out.</source>
        <translation>Die Datei folgt nicht dem Schema des Kalenders: Was diese Version nicht kennt, wird ausgelassen.</translation>
    </message>
    <message>
        <source>stopped by %1; %2 was left as it was.</source>
        <translation>durch %1 angehalten; %2 blieb unverändert.</translation>
    </message>
    <message>
        <source>%1 (see --help)</source>
        <translation>%1 (siehe --help)</translation>
    </message>
    <message>
        <source>%1 is not empty and holds no site that tinselbox generated; --force erases its contents.</source>
        <translation>%1 ist nicht leer und enthält keine von tinselbox erzeugte Website; --force löscht seinen Inhalt.</translation>
    </message>
    <message>
        <source>Convert, generate and publish FILE to its publishing address, sending only what changed.</source>
        <translation>FILE umwandeln, erzeugen und an seine Veröffentlichungsadresse veröffentlichen, nur Geändertes senden.</translation>
    </message>
    <message>
        <source>With --publish: list what would be sent and deleted, change nothing.</source>
        <translation>Mit --publish: auflisten, was gesendet und gelöscht würde, nichts ändern.</translation>
    </message>
    <message>
        <source>With --publish: read the password or S3 secret key from FILE, which only its owner may read.</source>
        <translation>Mit --publish: das Passwort oder den geheimen S3-Schlüssel aus FILE lesen, das nur sein Besitzer lesen darf.</translation>
    </message>
    <message>
        <source>With --publish: also trust the certificate authority in FILE (a server with its own certificate).</source>
        <translation>Mit --publish: auch der Zertifizierungsstelle in FILE vertrauen (ein Server mit eigenem Zertifikat).</translation>
    </message>
    <message>
        <source>With --publish: trust the SFTP server whose host key has this fingerprint, and remember it.</source>
        <translation>Mit --publish: dem SFTP-Server mit diesem Host-Schlüssel-Fingerabdruck vertrauen und ihn merken.</translation>
    </message>
    <message>
        <source>choose one of --generate, --preview, --check, --card and --publish</source>
        <translation>wählen Sie eine von --generate, --preview, --check, --card und --publish</translation>
    </message>
    <message>
        <source>--force goes with --generate, --preview or --publish</source>
        <translation>--force gehört zu --generate, --preview oder --publish</translation>
    </message>
    <message>
        <source>--quiet goes with --generate or --publish</source>
        <translation>--quiet gehört zu --generate oder --publish</translation>
    </message>
    <message>
        <source>--dry-run, --secret-file, --ca-file and --accept-host-key go with --publish</source>
        <translation>--dry-run, --secret-file, --ca-file und --accept-host-key gehören zu --publish</translation>
    </message>
    <message>
        <source>--secret-file FILE gives the password instead.</source>
        <translation>--secret-file FILE gibt stattdessen das Passwort an.</translation>
    </message>
    <message>
        <source>no password for %1: give --secret-file FILE (a file only you can read), or keep it in the keyring from the editor&apos;s Publish</source>
        <translation>kein Passwort für %1: Geben Sie --secret-file FILE an (eine Datei, die nur Sie lesen können), oder legen Sie es über Veröffentlichen im Editor im Schlüsselbund ab</translation>
    </message>
    <message>
        <source>%1: the calendar has no publishing address; set one in the editor&apos;s Options</source>
        <translation>%1: Der Kalender hat keine Veröffentlichungsadresse; legen Sie eine in den Optionen des Editors fest</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>Gelöscht: %1</translation>
    </message>
    <message>
        <source>Sent %1 (%2)</source>
        <translation>Gesendet: %1 (%2)</translation>
    </message>
    <message>
        <source> To trust it, publish again with --accept-host-key %1</source>
        <translation> Um ihm zu vertrauen, erneut mit --accept-host-key %1 veröffentlichen</translation>
    </message>
    <message>
        <source> --force publishes beside them.</source>
        <translation> --force veröffentlicht daneben.</translation>
    </message>
    <message>
        <source>would send %1</source>
        <translation>würde %1 senden</translation>
    </message>
    <message>
        <source>would delete %1</source>
        <translation>würde %1 löschen</translation>
    </message>
    <message>
        <source>Dry run: %1 file(s) to send (%2), %3 to delete, %4 unchanged.</source>
        <translation>Probelauf: %1 Datei(en) zu senden (%2), %3 zu löschen, %4 unverändert.</translation>
    </message>
    <message>
        <source>Published to %1: %2 file(s) sent (%3), %4 deleted, %5 unchanged.</source>
        <translation>Veröffentlicht nach %1: %2 Datei(en) gesendet (%3), %4 gelöscht, %5 unverändert.</translation>
    </message>
    <message>
        <source>With --preview: show the page as a visitor sees it at MOMENT (YYYY-MM-DDTHH:MM, in the calendar&apos;s time zone).</source>
        <translation>Mit --preview: die Seite so zeigen, wie ein Besucher sie zum Zeitpunkt MOMENT sieht (YYYY-MM-DDTHH:MM, in der Zeitzone des Kalenders).</translation>
    </message>
    <message>
        <source>--date goes with --preview</source>
        <translation>--date gehört zu --preview</translation>
    </message>
    <message>
        <source>With --generate, --check or --publish: read a private calendar&apos;s password from FILE, which only you may read.</source>
        <translation>Mit --generate, --check oder --publish: das Passwort eines privaten Kalenders aus FILE lesen, das nur Sie lesen dürfen.</translation>
    </message>
    <message>
        <source>--password-file goes with --generate, --check or --publish</source>
        <translation>--password-file gehört zu --generate, --check oder --publish</translation>
    </message>
    <message>
        <source>The calendar is private: --password-file checks its password too.</source>
        <translation>Der Kalender ist privat: --password-file prüft auch sein Passwort.</translation>
    </message>
    <message>
        <source>The password is the calendar&apos;s.</source>
        <translation>Das Passwort ist das des Kalenders.</translation>
    </message>
    <message>
        <source>the calendar is private: give its password with --password-file FILE</source>
        <translation>der Kalender ist privat: geben Sie sein Passwort mit --password-file FILE an</translation>
    </message>
    <message>
        <source>%1: the calendar has no address to put on a card; set “Public address” in the editor’s Options</source>
        <translation>%1: Der Kalender hat keine Adresse für eine Karte; gib in den Optionen des Editors „Öffentliche Adresse“ an</translation>
    </message>
    <message>
        <source>With --generate, --check or --publish: go on with the key chain of a calendar whose doors open only on their day, from the recovery code in FILE, which only you may read.</source>
        <translation>Mit --generate, --check oder --publish: die Schlüsselkette eines Kalenders, dessen Türen sich erst an ihrem Tag öffnen, mit dem Wiederherstellungscode aus FILE fortsetzen, den nur Sie lesen dürfen.</translation>
    </message>
    <message>
        <source>--recovery-code-file goes with --generate, --check or --publish</source>
        <translation>--recovery-code-file gehört zu --generate, --check oder --publish</translation>
    </message>
    <message>
        <source>--recovery-code-file: this calendar&apos;s doors do not open only on their day</source>
        <translation>--recovery-code-file: Die Türen dieses Kalenders öffnen sich nicht erst an ihrem Tag</translation>
    </message>
    <message>
        <source>--recovery-code-file: </source>
        <translation>--recovery-code-file: </translation>
    </message>
    <message>
        <source>--recovery-code-file: this is not a recovery code, or it is mistyped</source>
        <translation>--recovery-code-file: Das ist kein Wiederherstellungscode, oder er ist falsch eingegeben</translation>
    </message>
    <message>
        <source>Doors open only on their day: a site made today opens none yet.</source>
        <translation>Türen öffnen sich erst an ihrem Tag: Eine heute erstellte Website öffnet noch keine.</translation>
    </message>
    <message>
        <source>Doors open only on their day: a site made today opens days 1 to %1.</source>
        <translation>Türen öffnen sich erst an ihrem Tag: Eine heute erstellte Website öffnet die Tage 1 bis %1.</translation>
    </message>
    <message>
        <source>This computer keeps no key chain for this calendar: the next generation starts a new one, unless --recovery-code-file gives its recovery code.</source>
        <translation>Dieser Computer bewahrt keine Schlüsselkette für diesen Kalender auf: Die nächste Erstellung beginnt eine neue, es sei denn, --recovery-code-file gibt ihren Wiederherstellungscode an.</translation>
    </message>
    <message>
        <source>Publish every morning is not on: each door opens only when the site is generated or published again.</source>
        <translation>Die morgendliche Veröffentlichung ist nicht eingeschaltet: Jede Tür öffnet sich erst, wenn die Website erneut erstellt oder veröffentlicht wird.</translation>
    </message>
    <message>
        <source>A door whose morning publish does not run (the computer was off) opens at the next publish.</source>
        <translation>Eine Tür, deren morgendliche Veröffentlichung nicht läuft (der Computer war aus), öffnet sich bei der nächsten Veröffentlichung.</translation>
    </message>
</context>
<context>
    <name>ListeSite</name>
    <message>
        <source>%1 is not a regular file: a site holds only files and folders.</source>
        <translation>%1 ist keine normale Datei: Eine Website enthält nur Dateien und Ordner.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>ManifesteSite</name>
    <message>
        <source>The directory %1 cannot be written: %2.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>MenusFenetre</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu…</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Import a folder...</source>
        <translation>Ordner importieren…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Sprache…</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Kalender</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen…</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Generate...</source>
        <translation>&amp;Erzeugen…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About tinselbox</source>
        <translation>Ü&amp;ber tinselbox</translation>
    </message>
    <message>
        <source>&lt;h3&gt;tinselbox %1&lt;/h3&gt;&lt;p&gt;An editor for interactive web calendars of up to 31 days.&lt;/p&gt;&lt;p&gt;Released under the %2 licence.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;tinselbox %1&lt;/h3&gt;&lt;p&gt;Ein Editor für interaktive Webkalender mit bis zu 31 Tagen.&lt;/p&gt;&lt;p&gt;Veröffentlicht unter der Lizenz %2.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>P&amp;ublish</source>
        <translation>Veröffe&amp;ntlichen</translation>
    </message>
    <message>
        <source>Preview on a &amp;date...</source>
        <translation>Vorschau an einem &amp;Datum...</translation>
    </message>
    <message>
        <source>Publish every &amp;morning</source>
        <translation>Jeden &amp;Morgen veröffentlichen</translation>
    </message>
</context>
<context>
    <name>MotDePassePrive</name>
    <message>
        <source>Password of this private calendar:</source>
        <translation>Passwort dieses privaten Kalenders:</translation>
    </message>
    <message>
        <source>Private calendar</source>
        <translation>Privater Kalender</translation>
    </message>
</context>
<context>
    <name>OutilFfmpeg</name>
    <message>
        <source>The conversion was stopped.</source>
        <translation>Die Umwandlung wurde angehalten.</translation>
    </message>
    <message>
        <source>ffmpeg failed: %1.</source>
        <translation>ffmpeg ist fehlgeschlagen: %1.</translation>
    </message>
    <message>
        <source>ffmpeg is not installed.</source>
        <translation>ffmpeg ist nicht installiert.</translation>
    </message>
    <message>
        <source>ffmpeg stopped with code %1.</source>
        <translation>ffmpeg wurde mit Code %1 beendet.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Your browser cannot show this calendar.</source>
        <translation>Dein Browser kann diesen Kalender nicht anzeigen.</translation>
    </message>
    <message>
        <source>{n} numbered balls hanging above fir trees</source>
        <translation>{n} nummerierte Kugeln, die über Tannen hängen</translation>
    </message>
    <message>
        <source>This is a preview: you can click on all days to test it.</source>
        <translation>Dies ist eine Vorschau: Du kannst alle Tage anklicken, um sie auszuprobieren.</translation>
    </message>
    <message>
        <source>Day {n}</source>
        <translation>Tag {n}</translation>
    </message>
    <message>
        <source>Day {n} is open</source>
        <translation>Tag {n} ist offen</translation>
    </message>
    <message>
        <source>Day {n}, already opened</source>
        <translation>Tag {n}, schon geöffnet</translation>
    </message>
    <message>
        <source>{jour}, opens on {date}</source>
        <translation>{jour}, öffnet am {date}</translation>
    </message>
    <message>
        <source>{jour}, was open on {date}</source>
        <translation>{jour}, war am {date} geöffnet</translation>
    </message>
    <message>
        <source>{jour}, stays shut: {mois} has {n} days</source>
        <translation>{jour}, bleibt zu: Der {mois} hat nur {n} Tage</translation>
    </message>
    <message>
        <source>This calendar opens on {date}.</source>
        <translation>Dieser Kalender öffnet am {date}.</translation>
    </message>
    <message>
        <source>This calendar opens again on {date}.</source>
        <translation>Dieser Kalender öffnet wieder am {date}.</translation>
    </message>
    <message>
        <source>Day {n} opens in {h} h {min} min</source>
        <translation>Tag {n} öffnet in {h}&#xa0;Std. {min}&#xa0;Min.</translation>
    </message>
    <message>
        <source>Day {n} opens in {min} min</source>
        <translation>Tag {n} öffnet in {min}&#xa0;Min.</translation>
    </message>
    <message>
        <source>Day {n}: picture</source>
        <translation>Tag {n}: ein Bild</translation>
    </message>
    <message>
        <source>Day {n}: music</source>
        <translation>Tag {n}: Musik</translation>
    </message>
    <message>
        <source>Day {n}: video</source>
        <translation>Tag {n}: ein Video</translation>
    </message>
    <message>
        <source>Day {n}: {texte}</source>
        <translation>Tag {n}: {texte}</translation>
    </message>
    <message>
        <source>Day {n}: nothing today</source>
        <translation>Tag {n}: heute nichts</translation>
    </message>
    <message>
        <source>Scan to open</source>
        <translation>Zum Öffnen scannen</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Schnee</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Erinnere mich</translation>
    </message>
    <message>
        <source>A calendar of %1 days: open today&apos;s ball to find its surprise.</source>
        <translation>Ein Kalender mit %1 Tagen: Öffne die Kugel von heute und finde ihre Überraschung.</translation>
    </message>
    <message>
        <source>This calendar is private.</source>
        <translation>Dieser Kalender ist privat.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Remember on this device</source>
        <translation>Auf diesem Gerät merken</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Opening…</source>
        <translation>Wird geöffnet…</translation>
    </message>
    <message>
        <source>Wrong password. Please try again.</source>
        <translation>Falsches Passwort. Bitte noch einmal versuchen.</translation>
    </message>
    <message>
        <source>This day&apos;s content is damaged and cannot be shown.</source>
        <translation>Der Inhalt dieses Tages ist beschädigt und kann nicht gezeigt werden.</translation>
    </message>
    <message>
        <source>This calendar needs an https:// address: ask for its link beginning with https://.</source>
        <translation>Dieser Kalender braucht eine https://-Adresse: Fragen Sie nach seinem Link, der mit https:// beginnt.</translation>
    </message>
    <message>
        <source>The calendar cannot be opened right now: check the connection and try again.</source>
        <translation>Der Kalender kann gerade nicht geöffnet werden: Prüfen Sie die Verbindung und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>This door opens on its day.</source>
        <translation>Diese Tür öffnet sich an ihrem Tag.</translation>
    </message>
</context>
<context>
    <name>PlanConversions</name>
    <message>
        <source>This file will not play in every browser. Installing ffmpeg converts it when the site is generated.</source>
        <translation>Diese Datei läuft nicht in jedem Browser. Ist ffmpeg installiert, wird sie beim Erzeugen der Website umgewandelt.</translation>
    </message>
    <message>
        <source>Day %1: %2 is not a picture, a sound or a video.</source>
        <translation>Tag %1: %2 ist weder ein Bild noch ein Ton noch ein Video.</translation>
    </message>
    <message>
        <source>ffmpeg is not installed: the sound and video files of days %1 are published as they are, unconverted, and keep the position (GPS) and other details they hold.</source>
        <translation>ffmpeg ist nicht installiert: Die Ton- und Videodateien der Tage %1 werden unverändert, ohne Umwandlung, veröffentlicht und behalten die Position (GPS) und andere Angaben, die sie enthalten.</translation>
    </message>
    <message>
        <source>The conversions were stopped.</source>
        <translation>Die Konvertierungen wurden angehalten.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be converted. %3</source>
        <translation>Tag %1: Die Datei %2 kann nicht umgewandelt werden. %3</translation>
    </message>
    <message>
        <source>%1 is not a picture, a sound or a video.</source>
        <translation>%1 ist weder ein Bild noch ein Ton noch ein Video.</translation>
    </message>
    <message>
        <source>The converted copy of %1 in %2 was cut short; the disk may be full.</source>
        <translation>Die umgewandelte Kopie von %1 in %2 ist unvollständig; der Datenträger ist vielleicht voll.</translation>
    </message>
</context>
<context>
    <name>PolitiqueSortie</name>
    <message>
        <source>No directory was given for the generation.</source>
        <translation>Für die Erzeugung wurde kein Ordner angegeben.</translation>
    </message>
    <message>
        <source>%1 is not empty and holds no site that tinselbox generated; its contents would be erased.</source>
        <translation>%1 ist nicht leer und enthält keine von tinselbox erzeugte Website; sein Inhalt würde gelöscht.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is a link to %2, which does not exist.</source>
        <translation>%1 kann nicht für die Erzeugung verwendet werden: Es ist eine Verknüpfung auf %2, das nicht existiert.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is a file, not a directory.</source>
        <translation>%1 kann nicht für die Erzeugung verwendet werden: Es ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is the root of a disk.</source>
        <translation>%1 kann nicht für die Erzeugung verwendet werden: Es ist die Wurzel eines Laufwerks.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: a disk is mounted inside this directory.</source>
        <translation>%1 kann nicht für die Erzeugung verwendet werden: In diesem Ordner ist ein Laufwerk eingehängt.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is your home directory.</source>
        <translation>%1 kann nicht für die Erzeugung verwendet werden: Es ist dein Benutzerordner.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: this directory holds your home directory.</source>
        <translation>%1 kann nicht für die Erzeugung verwendet werden: Dieser Ordner enthält deinen Benutzerordner.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: this directory holds the calendar&apos;s project file.</source>
        <translation>%1 kann nicht für die Erzeugung verwendet werden: Dieser Ordner enthält die Projektdatei des Kalenders.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: this directory holds the media of day %2.</source>
        <translation>%1 kann nicht für die Erzeugung verwendet werden: Dieser Ordner enthält die Medien von Tag %2.</translation>
    </message>
</context>
<context>
    <name>PublicationCalendrier</name>
    <message>
        <source>The calendar has no publishing address; set one in Options, Publishing.</source>
        <translation>Der Kalender hat keine Veröffentlichungsadresse; legen Sie eine unter Optionen, Veröffentlichen fest.</translation>
    </message>
    <message>
        <source>Cannot make a staging folder for the site: %1.</source>
        <translation>Es kann kein Vorbereitungsordner für die Website angelegt werden: %1.</translation>
    </message>
</context>
<context>
    <name>Publieur</name>
    <message>
        <source>No publishing address is set.</source>
        <translation>Es ist keine Veröffentlichungsadresse festgelegt.</translation>
    </message>
    <message>
        <source>The remote folder %1 holds files that no publish of a calendar put there; publishing beside them needs your confirmation (they are never deleted).</source>
        <translation>Der entfernte Ordner %1 enthält Dateien, die keine Veröffentlichung eines Kalenders dort abgelegt hat; neben ihnen zu veröffentlichen braucht Ihre Bestätigung (sie werden nie gelöscht).</translation>
    </message>
    <message>
        <source>Cannot send %1: %2.</source>
        <translation>%1 kann nicht gesendet werden: %2.</translation>
    </message>
</context>
<context>
    <name>Secrets</name>
    <message>
        <source>the keyring did not answer</source>
        <translation>der Schlüsselbund hat nicht geantwortet</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>es ist eine Verknüpfung</translation>
    </message>
    <message>
        <source>Cannot read the secret file %1: %2.</source>
        <translation>Die geheime Datei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The secret file %1 is not a regular file.</source>
        <translation>Die geheime Datei %1 ist keine normale Datei.</translation>
    </message>
    <message>
        <source>The secret file %1 may be read by others: only its owner may read it (chmod 600 %1).</source>
        <translation>Die geheime Datei %1 kann von anderen gelesen werden: Nur ihr Besitzer darf sie lesen (chmod 600 %1).</translation>
    </message>
    <message>
        <source>The secret file %1 is too large to hold a secret.</source>
        <translation>Die Geheimnisdatei %1 ist zu groß für ein Geheimnis.</translation>
    </message>
    <message>
        <source>Cannot keep a secret in %1: %2.</source>
        <translation>In %1 kann kein Geheimnis aufbewahrt werden: %2.</translation>
    </message>
    <message>
        <source>The secret file %1 is empty.</source>
        <translation>Die geheime Datei %1 ist leer.</translation>
    </message>
    <message>
        <source>The keyring cannot be read: %1.</source>
        <translation>Der Schlüsselbund kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The keyring did not keep the secret: %1.</source>
        <translation>Der Schlüsselbund hat das Geheimnis nicht aufbewahrt: %1.</translation>
    </message>
    <message>
        <source>The secret cannot be removed from the keyring: %1.</source>
        <translation>Das Geheimnis kann nicht aus dem Schlüsselbund entfernt werden: %1.</translation>
    </message>
</context>
<context>
    <name>ServiceGeneration</name>
    <message>
        <source>There is no calendar to generate.</source>
        <translation>Es gibt keinen Kalender zum Erzeugen.</translation>
    </message>
    <message>
        <source>The generation was stopped; %1 was left as it was.</source>
        <translation>Die Erzeugung wurde abgebrochen; %1 blieb unverändert.</translation>
    </message>
</context>
<context>
    <name>SitePrive</name>
    <message>
        <source>This calendar is private: its password is needed to generate it.</source>
        <translation>Dieser Kalender ist privat: Zum Erzeugen wird sein Passwort benötigt.</translation>
    </message>
    <message>
        <source>The project file holds no key parameters for its password: this site gets a new key, and visitors who were remembered type the password again. Set the password in Options to keep the same key from one generation to the next.</source>
        <translation>Die Projektdatei enthält keine Schlüsselparameter für ihr Passwort: Diese Website erhält einen neuen Schlüssel, und gemerkte Besucher müssen das Passwort erneut eingeben. Legen Sie das Passwort in den Optionen fest, um denselben Schlüssel von einer Erzeugung zur nächsten zu behalten.</translation>
    </message>
    <message>
        <source>The calendar&apos;s keys cannot be made on this computer.</source>
        <translation>Die Schlüssel des Kalenders können auf diesem Computer nicht erzeugt werden.</translation>
    </message>
    <message>
        <source>The project file holds no key parameters: set the password in Options.</source>
        <translation>Die Projektdatei enthält keine Schlüsselparameter: Legen Sie das Passwort in den Optionen fest.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The file %1 changed while it was encrypted.</source>
        <translation>Die Datei %1 hat sich beim Verschlüsseln geändert.</translation>
    </message>
    <message>
        <source>The content cannot be encrypted.</source>
        <translation>Der Inhalt kann nicht verschlüsselt werden.</translation>
    </message>
    <message>
        <source>The page&apos;s lock cannot be written in %1.</source>
        <translation>Das Schloss der Seite kann nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>This computer kept no key chain for this calendar: a new chain is started, and the site&apos;s days are encrypted again. If this calendar was published from another computer, give its recovery code (Options, or --recovery-code-file) to go on with its chain.</source>
        <translation>Dieser Computer bewahrte keine Schlüsselkette für diesen Kalender auf: Eine neue Kette beginnt, und die Tage der Website werden neu verschlüsselt. Wurde dieser Kalender von einem anderen Computer veröffentlicht, geben Sie seinen Wiederherstellungscode an (Optionen oder --recovery-code-file), um seine Kette fortzusetzen.</translation>
    </message>
</context>
<context>
    <name>TacheMatinale</name>
    <message>
        <source>systemctl --user %1 failed: %2</source>
        <translation>systemctl --user %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
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
        <translation>Byte</translation>
    </message>
</context>
<context>
    <name>ThemePage</name>
    <message>
        <source>Fir trees</source>
        <translation>Tannen</translation>
    </message>
    <message>
        <source>Winter night</source>
        <translation>Winternacht</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Frost</source>
        <translation>Raureif</translation>
    </message>
</context>
<context>
    <name>Traduction</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The system&apos;s language (%1)</source>
        <translation>Sprache des Systems (%1)</translation>
    </message>
    <message>
        <source>The editor speaks the chosen language the next time it starts.</source>
        <translation>Der Editor spricht die gewählte Sprache beim nächsten Start.</translation>
    </message>
</context>
<context>
    <name>TransfertCurl</name>
    <message>
        <source>Publishing was stopped.</source>
        <translation>Das Veröffentlichen wurde angehalten.</translation>
    </message>
    <message>
        <source>the host key of %1 has changed since it was accepted; this may be an attack (someone between you and the server), so nothing was sent</source>
        <translation>der Host-Schlüssel von %1 hat sich seit seiner Annahme geändert; das kann ein Angriff sein (jemand zwischen Ihnen und dem Server), daher wurde nichts gesendet</translation>
    </message>
    <message>
        <source>the host key of %1 is not known (%2); accept it only if it is your server&apos;s</source>
        <translation>der Host-Schlüssel von %1 ist nicht bekannt (%2); akzeptieren Sie ihn nur, wenn es der Ihres Servers ist</translation>
    </message>
    <message>
        <source>the server refused the login: wrong user name, key or password</source>
        <translation>der Server hat die Anmeldung abgelehnt: falscher Benutzername, Schlüssel oder falsches Passwort</translation>
    </message>
    <message>
        <source>permission denied by the server</source>
        <translation>Zugriff vom Server verweigert</translation>
    </message>
    <message>
        <source>the server has no room left</source>
        <translation>der Server hat keinen Platz mehr</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1</source>
        <translation>der Server antwortete mit dem HTTP-Status %1</translation>
    </message>
    <message>
        <source>the server stopped answering (timeout)</source>
        <translation>der Server antwortet nicht mehr (Zeitüberschreitung)</translation>
    </message>
    <message>
        <source>the server %1 cannot be found</source>
        <translation>der Server %1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>the server %1 cannot be reached</source>
        <translation>der Server %1 ist nicht erreichbar</translation>
    </message>
    <message>
        <source>the secure connection to the server failed (%1)</source>
        <translation>die sichere Verbindung zum Server ist fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <source>Cannot list the remote folder %1</source>
        <translation>Der entfernte Ordner %1 kann nicht aufgelistet werden</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot send %1</source>
        <translation>%1 kann nicht gesendet werden</translation>
    </message>
    <message>
        <source>Cannot delete %1</source>
        <translation>%1 kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Cannot list the bucket %1</source>
        <translation>Der Bucket %1 kann nicht aufgelistet werden</translation>
    </message>
    <message>
        <source>Cannot list the bucket %1: the server&apos;s answer does not read (%2).</source>
        <translation>Der Bucket %1 kann nicht aufgelistet werden: Die Antwort des Servers ist nicht lesbar (%2).</translation>
    </message>
    <message>
        <source>Cannot make the remote folder %1</source>
        <translation>Der entfernte Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot put %1 in place</source>
        <translation>%1 kann nicht an seinen Platz gesetzt werden</translation>
    </message>
    <message>
        <source>the server refused the login: wrong user name, key or password (%1)</source>
        <translation>der Server hat die Anmeldung abgelehnt: falscher Benutzername, Schlüssel oder falsches Passwort (%1)</translation>
    </message>
    <message>
        <source>permission denied by the server (%1)</source>
        <translation>Zugriff vom Server verweigert (%1)</translation>
    </message>
    <message>
        <source>the server has no room left (%1)</source>
        <translation>der Server hat keinen Platz mehr (%1)</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1 (%2)</source>
        <translation>der Server antwortete mit dem HTTP-Status %1 (%2)</translation>
    </message>
    <message>
        <source>the server&apos;s certificate cannot be trusted (%1); a server with an authority of its own needs that authority given with --ca-file, or kept as certificate-authorities.pem in tinselbox&apos;s data folder</source>
        <translation>dem Zertifikat des Servers kann nicht vertraut werden (%1); ein Server mit eigener Zertifizierungsstelle braucht diese Stelle über --ca-file oder als certificate-authorities.pem im Datenordner von tinselbox</translation>
    </message>
</context>
<context>
    <name>TuilesJours</name>
    <message>
        <source>Day %1</source>
        <translation>Tag %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>file missing</source>
        <translation>Datei fehlt</translation>
    </message>
</context>
</TS>
