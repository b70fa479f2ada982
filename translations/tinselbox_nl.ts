<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>BoutonJour</name>
    <message>
        <source>Click to add ...</source>
        <translation>Klik om toe te voegen…</translation>
    </message>
    <message>
        <source>MISSING</source>
        <translation>ONTBREEKT</translation>
    </message>
</context>
<context>
    <name>CacheConversions</name>
    <message>
        <source>tinselbox: there is no home folder to keep converted media in; they are kept in %1.</source>
        <translation>tinselbox: er is geen thuismap om omgezette media in te bewaren; ze worden bewaard in %1.</translation>
    </message>
    <message>
        <source>The converted file cannot be read in %1: %2.</source>
        <translation>Het geconverteerde bestand kan niet worden gelezen in %1: %2.</translation>
    </message>
    <message>
        <source>The converted file cannot be kept in %1: %2.</source>
        <translation>Het geconverteerde bestand kan niet in %1 worden bewaard: %2.</translation>
    </message>
    <message>
        <source>The cache directory %1 cannot be written: %2.</source>
        <translation>Het omgezette bestand kan niet worden gelezen in %1: %2.</translation>
    </message>
</context>
<context>
    <name>CalendriersRecents</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Recent geopend</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>&amp;Menu wissen</translation>
    </message>
</context>
<context>
    <name>CartePartage</name>
    <message>
        <source>Scan to be reminded of each day</source>
        <translation>Scan voor een herinnering elke dag</translation>
    </message>
    <message>
        <source>The card cannot be made: the calendar has no address; set it in Options.</source>
        <translation>De kaart kan niet worden gemaakt: de kalender heeft geen adres; geef het op in Opties.</translation>
    </message>
    <message>
        <source>The card cannot be made: the address is too long for a QR code.</source>
        <translation>De kaart kan niet worden gemaakt: het adres is te lang voor een QR-code.</translation>
    </message>
    <message>
        <source>The card %1 cannot be written.</source>
        <translation>De kaart %1 kan niet worden geschreven.</translation>
    </message>
    <message>
        <source>The card %1 cannot be written: %2.</source>
        <translation>De kaart %1 kan niet worden geschreven: %2.</translation>
    </message>
</context>
<context>
    <name>ChaineCles</name>
    <message>
        <source>The calendar&apos;s key chain %1 is damaged: give its recovery code, or remove the file to start a new chain.</source>
        <translation>De sleutelketen van de kalender %1 is beschadigd: geef de herstelcode op, of verwijder het bestand om een nieuwe keten te beginnen.</translation>
    </message>
    <message>
        <source>This computer gives no random bytes for a key chain.</source>
        <translation>Deze computer levert geen willekeurige bytes voor een sleutelketen.</translation>
    </message>
    <message>
        <source>This is not a recovery code, or it is mistyped.</source>
        <translation>Dit is geen herstelcode, of er zit een tikfout in.</translation>
    </message>
    <message>
        <source>This calendar&apos;s key chain cannot follow its new name or publishing address. %1

The next generation would start a new chain, and every day&apos;s key would change. To go on with the same keys, type this recovery code in Options once this is mended:

%2</source>
        <translation>De sleutelketen van deze kalender kan zijn nieuwe naam of nieuwe publicatieadres niet volgen. %1

De volgende generatie zou een nieuwe keten beginnen, en de sleutel van elke dag zou veranderen. Typ, om met dezelfde sleutels verder te gaan, deze herstelcode bij Opties zodra dit verholpen is:

%2</translation>
    </message>
</context>
<context>
    <name>ChangementMedias</name>
    <message>
        <source>Edit day %1</source>
        <translation>Dag %1 bewerken</translation>
    </message>
    <message>
        <source>Clear day %1</source>
        <translation>Dag %1 leegmaken</translation>
    </message>
    <message>
        <source>Set day %1</source>
        <translation>Dag %1 invullen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>The media of day %1 could not be put back; the day keeps what it held.</source>
        <translation>Het medium van dag %1 kon niet worden teruggezet; de dag houdt wat hij had.</translation>
    </message>
</context>
<context>
    <name>ChangementOptions</name>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
</context>
<context>
    <name>ChantierSite</name>
    <message>
        <source>%1 is a file, not a directory.</source>
        <translation>%1 is een bestand, geen map.</translation>
    </message>
    <message>
        <source>The directory %1 cannot be created: %2.</source>
        <translation>De map %1 kan niet worden aangemaakt: %2.</translation>
    </message>
    <message>
        <source>The site cannot be generated: another generation is writing to %1.</source>
        <translation>De site kan niet worden gegenereerd: een andere generatie schrijft al naar %1.</translation>
    </message>
    <message>
        <source>The directory %1 cannot be opened: %2.</source>
        <translation>De map %1 kan niet worden geopend: %2.</translation>
    </message>
    <message>
        <source>The directory %1 cannot be written: %2.</source>
        <translation>Er kan niet in de map %1 worden geschreven: %2.</translation>
    </message>
    <message>
        <source>%1 was replaced by something else while it was being opened; nothing was written.</source>
        <translation>%1 werd door iets anders vervangen terwijl het werd geopend; er is niets geschreven.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist.</source>
        <translation>%1 is een koppeling naar %2, dat niet bestaat.</translation>
    </message>
    <message>
        <source>%1 is the root of a disk.</source>
        <translation>%1 is de hoofdmap van een schijf.</translation>
    </message>
    <message>
        <source>The directory %1 holds a mounted file system (%2) and cannot be replaced.</source>
        <translation>De map %1 bevat een aangekoppeld bestandssysteem (%2) en kan niet worden vervangen.</translation>
    </message>
    <message>
        <source>The previous contents of %1 cannot be removed (%2): %3.</source>
        <translation>De vorige inhoud van %1 kan niet worden verwijderd (%2): %3.</translation>
    </message>
    <message>
        <source>%1 was moved or replaced by something else during the generation; nothing was written into it and nothing was removed.</source>
        <translation>%1 werd tijdens het genereren verplaatst of door iets anders vervangen; er is niets in geschreven en niets verwijderd.</translation>
    </message>
    <message>
        <source>The previous contents of %1 cannot be replaced: %2.</source>
        <translation>De vorige inhoud van %1 kan niet worden vervangen: %2.</translation>
    </message>
</context>
<context>
    <name>ChoixInstant</name>
    <message>
        <source>Preview on a date</source>
        <translation>Voorbeeld op een datum</translation>
    </message>
    <message>
        <source>Show the page as a visitor sees it at this moment (time in %1):</source>
        <translation>De pagina tonen zoals een bezoeker hem op dit moment ziet (tijd in %1):</translation>
    </message>
    <message>
        <source>Show the page as a visitor sees it at this moment:</source>
        <translation>De pagina tonen zoals een bezoeker hem op dit moment ziet:</translation>
    </message>
</context>
<context>
    <name>CiblePublication</name>
    <message>
        <source>The publishing address must begin with sftp://, ftps://, davs:// or s3://.</source>
        <translation>Het publicatieadres moet beginnen met sftp://, ftps://, davs:// of s3://.</translation>
    </message>
    <message>
        <source>The publishing address names no valid server.</source>
        <translation>Het publicatieadres noemt geen geldige server.</translation>
    </message>
    <message>
        <source>The publishing address must not hold a password; it is asked for when publishing.</source>
        <translation>Het publicatieadres mag geen wachtwoord bevatten; dat wordt bij het publiceren gevraagd.</translation>
    </message>
    <message>
        <source>The publishing address must not end with a #fragment.</source>
        <translation>Het publicatieadres mag niet eindigen op een #fragment.</translation>
    </message>
    <message>
        <source>The S3 address needs the access key id before the server: s3://KEY@HOST/BUCKET.</source>
        <translation>Het S3-adres heeft de toegangssleutel-id vóór de server nodig: s3://SLEUTEL@HOST/BUCKET.</translation>
    </message>
    <message>
        <source>The publishing address needs a user name before the server: USER@HOST.</source>
        <translation>Het publicatieadres heeft een gebruikersnaam vóór de server nodig: GEBRUIKER@HOST.</translation>
    </message>
    <message>
        <source>The publishing address has no valid port.</source>
        <translation>Het publicatieadres heeft geen geldige poort.</translation>
    </message>
    <message>
        <source>The publishing folder must not hold &quot;.&quot; or &quot;..&quot;.</source>
        <translation>De publicatiemap mag geen &quot;.&quot; of &quot;..&quot; bevatten.</translation>
    </message>
    <message>
        <source>The publishing folder must not hold control characters.</source>
        <translation>De publicatiemap mag geen stuurtekens bevatten.</translation>
    </message>
    <message>
        <source>The S3 address must end with ?region=REGION (for example ?region=us-east-1).</source>
        <translation>Het S3-adres moet eindigen op ?region=REGIO (bijvoorbeeld ?region=us-east-1).</translation>
    </message>
    <message>
        <source>The S3 address needs a bucket name after the server: s3://KEY@HOST/BUCKET.</source>
        <translation>Het S3-adres heeft een bucketnaam na de server nodig: s3://SLEUTEL@HOST/BUCKET.</translation>
    </message>
    <message>
        <source>Only an S3 address takes a ?query.</source>
        <translation>Alleen een S3-adres neemt een ?query.</translation>
    </message>
    <message>
        <source>The SFTP address needs a folder: /~/FOLDER for one in the user&apos;s home.</source>
        <translation>Het SFTP-adres heeft een map nodig: /~/MAP voor een map in de persoonlijke map van de gebruiker.</translation>
    </message>
</context>
<context>
    <name>CoffreCles</name>
    <message>
        <source>The calendar&apos;s key %1 is damaged.</source>
        <translation>De sleutel van de kalender %1 is beschadigd.</translation>
    </message>
    <message>
        <source>This is not the calendar&apos;s password (the one set in its Options).</source>
        <translation>Dit is niet het wachtwoord van de kalender (het wachtwoord uit de Opties).</translation>
    </message>
    <message>
        <source>The calendar&apos;s key cannot be made.</source>
        <translation>De sleutel van de kalender kan niet worden gemaakt.</translation>
    </message>
</context>
<context>
    <name>CommandesGeneration</name>
    <message>
        <source>1 media file cannot be found:</source>
        <translation>1 mediabestand is niet te vinden:</translation>
    </message>
    <message>
        <source>%1 media files cannot be found:</source>
        <translation>%1 mediabestanden zijn niet te vinden:</translation>
    </message>
    <message>
        <source>Day %1: %2</source>
        <translation>Dag %1: %2</translation>
    </message>
    <message>
        <source>Choose these files again or clear their days, then try again.</source>
        <translation>Kies deze bestanden opnieuw of maak hun dagen leeg en probeer het dan opnieuw.</translation>
    </message>
    <message>
        <source>Select the generation directory</source>
        <translation>Kies de map voor het genereren</translation>
    </message>
    <message>
        <source>This action will erase all the contents of the directory %1
Generate anyway?</source>
        <translation>Deze actie wist de volledige inhoud van de map %1
Toch genereren?</translation>
    </message>
    <message>
        <source>Error generating the calendar.</source>
        <translation>Fout bij het genereren van de kalender.</translation>
    </message>
    <message>
        <source>Generating the calendar successfully in %1</source>
        <translation>Kalender met succes gegenereerd in %1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Openen in browser</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Delen…</translation>
    </message>
    <message>
        <source>Generating the calendar ...</source>
        <translation>Kalender wordt gegenereerd…</translation>
    </message>
    <message>
        <source>Converted day %1 (%2 of %3) ...</source>
        <translation>Dag %1 omgezet (%2 van %3)…</translation>
    </message>
</context>
<context>
    <name>CommandesJours</name>
    <message>
        <source>Edit...</source>
        <translation>Bewerken…</translation>
    </message>
    <message>
        <source>Clear day</source>
        <translation>Dag leegmaken</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Tonen in map</translation>
    </message>
    <message>
        <source>The folder %1 cannot be shown.</source>
        <translation>De map %1 kan niet worden getoond.</translation>
    </message>
    <message>
        <source>Move day %1 to day %2</source>
        <translation>Dag %1 naar dag %2 verplaatsen</translation>
    </message>
    <message>
        <source>Swap days %1 and %2</source>
        <translation>Dagen %1 en %2 verwisselen</translation>
    </message>
</context>
<context>
    <name>CommandesPublication</name>
    <message>
        <source>The password is asked for instead.</source>
        <translation>In plaats daarvan wordt om het wachtwoord gevraagd.</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publiceren</translation>
    </message>
    <message>
        <source>The secret key of %1:</source>
        <translation>De geheime sleutel van %1:</translation>
    </message>
    <message>
        <source>The password of %1 (empty to log in with your SSH key):</source>
        <translation>Het wachtwoord van %1 (leeg om met uw SSH-sleutel in te loggen):</translation>
    </message>
    <message>
        <source>Remember it in the system keyring</source>
        <translation>Onthouden in de sleutelbos van het systeem</translation>
    </message>
    <message>
        <source>Publishing...</source>
        <translation>Publiceren…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Stopping after the current step...</source>
        <translation>Stoppen na de huidige stap…</translation>
    </message>
    <message>
        <source>Sending %1: %2 of %3
In all: %4 of %5, %6/s, %7 s left</source>
        <translation>%1 verzenden: %2 van %3
In totaal: %4 van %5, %6/s, nog %7 s</translation>
    </message>
    <message>
        <source>The calendar has no publishing address yet: set one in Options, Publishing.</source>
        <translation>De kalender heeft nog geen publicatieadres: stel er een in bij Opties, Publiceren.</translation>
    </message>
    <message numerus="yes">
        <source>The calendar is published: %n file(s) sent (%1), %2 deleted, %3 unchanged.</source>
        <translation>
            <numerusform>De kalender is gepubliceerd: %n bestand verzonden (%1), %2 verwijderd, %3 ongewijzigd.</numerusform>
            <numerusform>De kalender is gepubliceerd: %n bestanden verzonden (%1), %2 verwijderd, %3 ongewijzigd.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a server this computer knows. Its host key&apos;s fingerprint is:
%2

Trust it only if it is your server&apos;s (your provider can tell). Trust it and publish?</source>
        <translation>%1 is geen server die deze computer kent. De vingerafdruk van de hostsleutel is:
%2

Vertrouw hem alleen als het die van uw server is (uw provider kan het zeggen). Vertrouwen en publiceren?</translation>
    </message>
    <message>
        <source>Publish beside them?</source>
        <translation>Ernaast publiceren?</translation>
    </message>
    <message>
        <source>The site on the server still works as it was; publishing again completes it.</source>
        <translation>De site op de server werkt nog zoals hij was; opnieuw publiceren maakt hem af.</translation>
    </message>
    <message>
        <source>Publishing every morning needs a saved calendar with a publishing address (Options, Publishing).</source>
        <translation>Elke ochtend publiceren vraagt een opgeslagen kalender met een publicatieadres (Opties, Publiceren).</translation>
    </message>
    <message>
        <source>systemd does not run on this computer. To publish every morning, add this line with crontab -e; it is in this computer&apos;s time zone:

%1

The job needs the password in a file only you can read (--secret-file FILE) or an SSH key.</source>
        <translation>systemd draait niet op deze computer. Om elke ochtend te publiceren, voeg deze regel toe met crontab -e; hij staat in de tijdzone van deze computer:

%1

De taak heeft het wachtwoord nodig in een bestand dat alleen u kunt lezen (--secret-file FILE) of een SSH-sleutel.</translation>
    </message>
    <message>
        <source>To share it, give its public address in Options and publish again: the page&apos;s link previews name it too.</source>
        <translation>Vul om hem te delen het openbare adres in bij Opties en publiceer opnieuw: ook de linkvoorbeelden van de pagina noemen het.</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Openen in browser</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Delen…</translation>
    </message>
</context>
<context>
    <name>ConvertisseurImage</name>
    <message>
        <source>The converted picture of %1 cannot be written: %2.</source>
        <translation>De omgezette afbeelding van %1 kan niet worden geschreven: %2.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be encoded as JPEG.</source>
        <translation>De afbeelding %1 kan niet als JPEG worden gecodeerd.</translation>
    </message>
</context>
<context>
    <name>EcritureFichier</name>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Het bestand %1 kan niet worden geschreven: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Het bestand %1 kan niet worden gelezen: %2.</translation>
    </message>
</context>
<context>
    <name>EntetePage</name>
    <message>
        <source>The page %1 cannot be read: %2.</source>
        <translation>De pagina %1 kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>The page %1 has no head to write the title into.</source>
        <translation>De pagina %1 heeft geen kop om de titel in te schrijven.</translation>
    </message>
</context>
<context>
    <name>FenetreEdition</name>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>PHOTO</source>
        <translation>FOTO</translation>
    </message>
    <message>
        <source>MUSIC</source>
        <translation>MUZIEK</translation>
    </message>
    <message>
        <source>VIDEO</source>
        <translation>VIDEO</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>BERICHT</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Bladeren…</translation>
    </message>
    <message>
        <source>Write the day&apos;s message here.</source>
        <translation>Schrijf hier het bericht van de dag.</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>Dag %1</translation>
    </message>
    <message>
        <source>No preview available</source>
        <translation>Geen voorbeeld beschikbaar</translation>
    </message>
    <message>
        <source>1 character left</source>
        <translation>Nog 1 teken</translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation>Nog %1 tekens</translation>
    </message>
    <message>
        <source>1 character too many</source>
        <translation>1 teken te veel</translation>
    </message>
    <message>
        <source>%1 characters too many</source>
        <translation>%1 tekens te veel</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>Kies een bestand</translation>
    </message>
    <message>
        <source>The message holds an invisible control character that a calendar file cannot store. Remove it, or type the text again.</source>
        <translation>Het bericht bevat een onzichtbaar stuurteken dat een kalenderbestand niet kan opslaan. Verwijder het of typ de tekst opnieuw.</translation>
    </message>
</context>
<context>
    <name>FenetreNouveau</name>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Letters and digits, e.g. Advent2026</source>
        <translation>Letters en cijfers, bijv. Advent2026</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Map:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Bladeren…</translation>
    </message>
    <message>
        <source>The name may hold only the letters A to Z (no accents) and the digits 0 to 9.</source>
        <translation>De naam mag alleen de letters A tot Z (zonder accenten) en de cijfers 0 tot 9 bevatten.</translation>
    </message>
    <message>
        <source>Please enter a name for the project and a working directory.</source>
        <translation>Geef een naam voor het project en een werkmap op.</translation>
    </message>
    <message>
        <source>Please enter a correct name for the project (must contain only letters and numbers).</source>
        <translation>Geef een geldige projectnaam op (alleen letters en cijfers).</translation>
    </message>
    <message>
        <source>Select the working directory</source>
        <translation>Kies de werkmap</translation>
    </message>
    <message>
        <source>A calendar with this name already exists in this directory. 
Replace it?</source>
        <translation>Er staat al een kalender met deze naam in deze map. 
Vervangen?</translation>
    </message>
    <message>
        <source>The working directory %1 does not exist or is not a folder.</source>
        <translation>De werkmap %1 bestaat niet of is geen map.</translation>
    </message>
</context>
<context>
    <name>FenetreOptions</name>
    <message>
        <source>Calendar options</source>
        <translation>Kalenderopties</translation>
    </message>
    <message>
        <source>Past days stay open</source>
        <translation>Voorbije dagen blijven open</translation>
    </message>
    <message>
        <source>A visitor who missed a day can still open it later.</source>
        <translation>Wie een dag gemist heeft, kan hem later nog openen.</translation>
    </message>
    <message>
        <source>Days open in:</source>
        <translation>Dagen gaan open in:</translation>
    </message>
    <message>
        <source>Time zone:</source>
        <translation>Tijdzone:</translation>
    </message>
    <message>
        <source>Each visitor&apos;s own clock</source>
        <translation>De eigen klok van elke bezoeker</translation>
    </message>
    <message>
        <source>Number of days:</source>
        <translation>Aantal dagen:</translation>
    </message>
    <message>
        <source>Starts on:</source>
        <translation>Begint op:</translation>
    </message>
    <message>
        <source>Day 1 opens on this date, day 2 the day after, and so on. Unchecked, the balls follow the days of the month.</source>
        <translation>Dag 1 gaat open op deze datum, dag 2 de dag erna, enzovoort. Niet aangevinkt volgen de ballen de dagen van de maand.</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Elk jaar</translation>
    </message>
    <message>
        <source>Language of the page:</source>
        <translation>Taal van de pagina:</translation>
    </message>
    <message>
        <source>https://example.org/calendar/</source>
        <translation>https://example.org/kalender/</translation>
    </message>
    <message>
        <source>Shuffle the balls</source>
        <translation>Ballen door elkaar</translation>
    </message>
    <message>
        <source>The numbers are dealt over the balls&apos; places in an order of their own, the same at every generation.</source>
        <translation>De nummers worden in een eigen volgorde over de plaatsen van de ballen verdeeld, bij elke generatie dezelfde.</translation>
    </message>
    <message>
        <source>Publish files exactly as chosen</source>
        <translation>Bestanden ongewijzigd publiceren</translation>
    </message>
    <message>
        <source>Copy every picture, sound and video byte for byte instead of making it lighter for the web.</source>
        <translation>Elke afbeelding, elk geluid en elke video byte voor byte kopiëren in plaats van ze lichter te maken voor het web.</translation>
    </message>
    <message>
        <source>Any month</source>
        <translation>Elke maand</translation>
    </message>
    <message>
        <source>%1 only</source>
        <translation>Alleen in %1</translation>
    </message>
    <message>
        <source>“%1” is not a time zone this computer knows.
Give a name such as Europe/Paris, or leave the field empty for each visitor’s own clock.</source>
        <translation>“%1” is geen tijdzone die deze computer kent.
Geef een naam zoals Europe/Paris op, of laat het veld leeg voor de eigen klok van elke bezoeker.</translation>
    </message>
    <message>
        <source>“%1” is not the address of a web page.
Give the whole address, starting with https:// or http://, or leave the field empty.</source>
        <translation>“%1” is geen adres van een webpagina.
Geef het volledige adres op, beginnend met https:// of http://, of laat het veld leeg.</translation>
    </message>
    <message>
        <source>Look of the page:</source>
        <translation>Uiterlijk van de pagina:</translation>
    </message>
    <message>
        <source>Background picture:</source>
        <translation>Achtergrondafbeelding:</translation>
    </message>
    <message>
        <source>None: the theme&apos;s sky</source>
        <translation>Geen: de lucht van het thema</translation>
    </message>
    <message>
        <source>Your own picture behind the balls, shown as it is. It is published in two crops, for tall and for wide screens.</source>
        <translation>Uw eigen afbeelding achter de ballen, getoond zoals ze is. Ze wordt in twee uitsneden gepubliceerd, voor hoge en voor brede schermen.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Bladeren...</translation>
    </message>
    <message>
        <source>Show the calendar&apos;s name on the page</source>
        <translation>De naam van de kalender op de pagina tonen</translation>
    </message>
    <message>
        <source>“%1” is not a picture this computer can read.
Choose a photo, or leave the field empty for the theme’s own sky.</source>
        <translation>‘%1’ is geen afbeelding die deze computer kan lezen.
Kies een foto, of laat het veld leeg voor de lucht van het thema.</translation>
    </message>
    <message>
        <source>Select a background picture</source>
        <translation>Een achtergrondafbeelding kiezen</translation>
    </message>
    <message>
        <source>Publish to:</source>
        <translation>Publiceren naar:</translation>
    </message>
    <message>
        <source>sftp://user@host/~/www/calendar</source>
        <translation>sftp://gebruiker@host/~/www/kalender</translation>
    </message>
    <message>
        <source>sftp://USER@HOST/PATH, ftps://USER@HOST/PATH (FTP with TLS), davs://USER@HOST/PATH (WebDAV over HTTPS) or s3://ACCESS_KEY_ID@HOST/BUCKET/PREFIX?region=REGION. Passwords are never kept here: Publish asks for them and keeps them in the system keyring.</source>
        <translation>sftp://GEBRUIKER@HOST/PAD, ftps://GEBRUIKER@HOST/PAD (FTP met TLS), davs://GEBRUIKER@HOST/PAD (WebDAV via HTTPS) of s3://TOEGANGSSLEUTEL_ID@HOST/BUCKET/VOORVOEGSEL?region=REGIO. Wachtwoorden worden hier nooit bewaard: Publiceren vraagt ernaar en bewaart ze in de sleutelbos van het systeem.</translation>
    </message>
    <message>
        <source>“%1” is not a publishing address.
Give one such as sftp://user@host/~/www, ftps://user@host/www, davs://host/www or s3://KEY@host/bucket?region=us-east-1, without a password, or leave the field empty.</source>
        <translation>“%1” is geen publicatieadres.
Geef er een zoals sftp://gebruiker@host/~/www, ftps://gebruiker@host/www, davs://host/www of s3://SLEUTEL@host/bucket?region=us-east-1, zonder wachtwoord, of laat het veld leeg.</translation>
    </message>
    <message>
        <source>Private: visitors need a password</source>
        <translation>Privé: bezoekers hebben een wachtwoord nodig</translation>
    </message>
    <message>
        <source>Every day&apos;s picture, sound, video and message is encrypted in the site; the page asks for the password.</source>
        <translation>De afbeelding, het geluid, de video en het bericht van elke dag worden in de site versleuteld; de pagina vraagt om het wachtwoord.</translation>
    </message>
    <message>
        <source>Keep it in the keyring</source>
        <translation>Bewaren in de sleutelbos</translation>
    </message>
    <message>
        <source>Otherwise the password is asked at each generation.</source>
        <translation>Anders wordt het wachtwoord bij elke generatie gevraagd.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Wachtwoord:</translation>
    </message>
    <message>
        <source>Again:</source>
        <translation>Nogmaals:</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>ongewijzigd</translation>
    </message>
    <message>
        <source>Type the password visitors will need, twice.</source>
        <translation>Typ twee keer het wachtwoord dat bezoekers nodig hebben.</translation>
    </message>
    <message>
        <source>The two passwords differ. Type the same password twice.</source>
        <translation>De twee wachtwoorden verschillen. Typ twee keer hetzelfde wachtwoord.</translation>
    </message>
    <message>
        <source>The password will be asked at each generation.</source>
        <translation>Het wachtwoord wordt bij elke generatie gevraagd.</translation>
    </message>
    <message>
        <source>Public address:</source>
        <translation>Openbaar adres:</translation>
    </message>
    <message>
        <source>Where visitors open the calendar once it is published. The Share card, the QR code and the page&apos;s link previews give this address.</source>
        <translation>Waar bezoekers de kalender openen zodra hij gepubliceerd is. De deelkaart, de QR-code en de linkvoorbeelden van de pagina geven dit adres.</translation>
    </message>
    <message>
        <source>Recovery code</source>
        <translation>Herstelcode</translation>
    </message>
    <message>
        <source>The code shown when the doors were locked: it goes on with this calendar&apos;s keys on another computer.</source>
        <translation>De code die werd getoond toen de deurtjes op slot gingen: daarmee gaan de sleutels van deze kalender op een andere computer verder.</translation>
    </message>
    <message>
        <source>Doors open only on their day, for real</source>
        <translation>Deurtjes gaan echt pas op hun dag open</translation>
    </message>
    <message>
        <source>Each day is encrypted under a key of its own, and the site holds only the keys of the days up to the one it was published on.</source>
        <translation>Elke dag wordt versleuteld met een eigen sleutel, en de site bevat alleen de sleutels van de dagen tot en met de dag waarop hij werd gepubliceerd.</translation>
    </message>
    <message>
        <source>A time zone such as Europe/Paris makes every visitor&apos;s day change at the same midnight. Locked doors open with each morning&apos;s publish, or with the next one after a morning the computer is off.</source>
        <translation>Een tijdzone zoals Europe/Amsterdam laat de dag voor alle bezoekers op dezelfde middernacht wisselen. Deurtjes op slot gaan open met de publicatie van elke ochtend, of met de volgende na een ochtend dat de computer uit stond.</translation>
    </message>
    <message>
        <source>Doors that open only on their day need a publishing address: each morning&apos;s publish brings that day&apos;s key.</source>
        <translation>Deurtjes die pas op hun dag opengaan, hebben een publicatieadres nodig: de publicatie van elke ochtend brengt de sleutel van die dag.</translation>
    </message>
    <message>
        <source>This is not a recovery code, or it is mistyped.</source>
        <translation>Dit is geen herstelcode, of er zit een tikfout in.</translation>
    </message>
    <message>
        <source>Keep this recovery code somewhere safe, away from this computer. On another computer, typed in Options (or given with --recovery-code-file), it goes on with this calendar&apos;s keys:

%1</source>
        <translation>Bewaar deze herstelcode op een veilige plek, niet op deze computer. Op een andere computer, ingetypt bij Opties (of gegeven met --recovery-code-file), gaat hij verder met de sleutels van deze kalender:

%1</translation>
    </message>
</context>
<context>
    <name>FenetrePartage</name>
    <message>
        <source>Share the calendar</source>
        <translation>Kalender delen</translation>
    </message>
    <message>
        <source>Scan this code with a phone, or send the address:</source>
        <translation>Scan deze code met een telefoon, of stuur het adres:</translation>
    </message>
    <message>
        <source>QR code of the calendar&apos;s address</source>
        <translation>QR-code van het adres van de kalender</translation>
    </message>
    <message>
        <source>Address of the published page</source>
        <translation>Adres van de gepubliceerde pagina</translation>
    </message>
    <message>
        <source>&amp;Copy address</source>
        <translation>Adres &amp;kopiëren</translation>
    </message>
    <message>
        <source>Save &amp;QR code...</source>
        <translation>&amp;QR-code opslaan…</translation>
    </message>
    <message>
        <source>Save c&amp;ard...</source>
        <translation>K&amp;aart opslaan…</translation>
    </message>
    <message>
        <source>An A6 card to print, with the calendar&apos;s name and this QR code.</source>
        <translation>Een A6-kaart om af te drukken, met de naam van de kalender en deze QR-code.</translation>
    </message>
    <message>
        <source>Save the QR code</source>
        <translation>QR-code opslaan</translation>
    </message>
    <message>
        <source>The QR code cannot be saved in %1.</source>
        <translation>De QR-code kan niet in %1 worden opgeslagen.</translation>
    </message>
    <message>
        <source>Save the card</source>
        <translation>Kaart opslaan</translation>
    </message>
    <message>
        <source>Add a code for the &amp;reminders to the card</source>
        <translation>Een code voor de &amp;herinneringen op de kaart zetten</translation>
    </message>
    <message>
        <source>A second, smaller code that adds a reminder of each day to a phone&apos;s calendar.</source>
        <translation>Een tweede, kleinere code die een herinnering voor elke dag aan de agenda van een telefoon toevoegt.</translation>
    </message>
    <message>
        <source>Put the key in the link and the card: they open without the password</source>
        <translation>De sleutel in de link en de kaart zetten: ze openen zonder het wachtwoord</translation>
    </message>
    <message>
        <source>Whoever holds this link or card can open the calendar.</source>
        <translation>Wie deze link of kaart heeft, kan de kalender openen.</translation>
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
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Genereren…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Nieuw…</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Openen…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opties…</translation>
    </message>
    <message>
        <source>Calendar options: which days the page opens</source>
        <translation>Kalenderopties: welke dagen de pagina opent</translation>
    </message>
    <message>
        <source>Size: %1 %2</source>
        <translation>Grootte: %1&#xa0;%2</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them. 
Quit anyway?</source>
        <translation>Je wijzigingen gaan verloren als je ze niet opslaat. 
Toch afsluiten?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them. 
Create new anyway?</source>
        <translation>Je wijzigingen gaan verloren als je ze niet opslaat. 
Toch een nieuwe maken?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them. 
Open anyway?</source>
        <translation>Je wijzigingen gaan verloren als je ze niet opslaat. 
Toch openen?</translation>
    </message>
    <message>
        <source>Select a calendar</source>
        <translation>Kies een kalender</translation>
    </message>
    <message>
        <source>Error opening the calendar.</source>
        <translation>Fout bij het openen van de kalender.</translation>
    </message>
    <message>
        <source>Their days are marked in the calendar.</source>
        <translation>Hun dagen zijn in de kalender gemarkeerd.</translation>
    </message>
    <message>
        <source>Error saving the calendar: the file name of day %1 holds a character that a calendar file cannot store. Rename the file and choose it again.</source>
        <translation>Fout bij het opslaan van de kalender: de bestandsnaam van dag %1 bevat een teken dat een kalenderbestand niet kan opslaan. Geef het bestand een andere naam en kies het opnieuw.</translation>
    </message>
    <message>
        <source>Error saving the calendar: its name holds a character that a calendar file cannot store.</source>
        <translation>Fout bij het opslaan van de kalender: de naam bevat een teken dat een kalenderbestand niet kan opslaan.</translation>
    </message>
    <message>
        <source>Error saving the calendar.</source>
        <translation>Fout bij het opslaan van de kalender.</translation>
    </message>
    <message>
        <source>This calendar holds days outside 1 to %1 (%2). They are neither shown nor published, and they stay in the file when you save.</source>
        <translation>Deze kalender bevat dagen buiten 1 tot %1 (%2). Ze worden niet getoond of gepubliceerd en blijven bij het opslaan in het bestand.</translation>
    </message>
    <message>
        <source> (converting media...)</source>
        <translation> (media worden omgezet…)</translation>
    </message>
    <message>
        <source> [read-only]</source>
        <translation> [alleen-lezen]</translation>
    </message>
    <message>
        <source>Save the calendar as</source>
        <translation>Kalender opslaan als</translation>
    </message>
    <message>
        <source>Doors that open only on their day open with each morning&apos;s publish. Publish every morning now?</source>
        <translation>Deurtjes die pas op hun dag opengaan, gaan open met de publicatie van elke ochtend. Nu elke ochtend publiceren?</translation>
    </message>
</context>
<context>
    <name>FichierOrdinaire</name>
    <message>
        <source>nothing</source>
        <translation>niets</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>een map</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>een FIFO</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>een socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>een apparaat</translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation>een gewoon bestand</translation>
    </message>
    <message>
        <source>The file %1 cannot be found.</source>
        <translation>Het bestand %1 is niet te vinden.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (it is %2).</source>
        <translation>%1 is geen gewoon bestand (het is %2).</translation>
    </message>
    <message>
        <source>%1 is a directory, not a file.</source>
        <translation>%1 is een map, geen bestand.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Het bestand %1 kan niet worden geopend: %2.</translation>
    </message>
</context>
<context>
    <name>FichierProjet</name>
    <message>
        <source>%1 is an XML file but not a calendar: its root element is &lt;%2&gt;.</source>
        <translation>%1 is een XML-bestand maar geen kalender: het hoofdelement is &lt;%2&gt;.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Het bestand %1 kan niet worden geschreven.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Het bestand %1 kan niet worden geschreven: %2.</translation>
    </message>
    <message>
        <source>The calendar cannot be written: it holds a character that a calendar file cannot carry.</source>
        <translation>De kalender kan niet worden geschreven: hij bevat een teken dat een kalenderbestand niet kan bevatten.</translation>
    </message>
    <message>
        <source>The calendar cannot be written: %1.</source>
        <translation>De kalender kan niet worden geschreven: %1.</translation>
    </message>
</context>
<context>
    <name>FondPage</name>
    <message>
        <source>The background picture %1 cannot be read: %2.</source>
        <translation>De achtergrondafbeelding %1 kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>The background picture %1 cannot be converted.</source>
        <translation>De achtergrondafbeelding %1 kan niet worden omgezet.</translation>
    </message>
    <message>
        <source>The background picture cannot be written into %1: %2.</source>
        <translation>De achtergrondafbeelding kan niet in %1 worden geschreven: %2.</translation>
    </message>
</context>
<context>
    <name>GenerationSite</name>
    <message>
        <source>Day %1 has no media file.</source>
        <translation>Dag %1 heeft geen mediabestand.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be found.</source>
        <translation>Dag %1: het bestand %2 is niet te vinden.</translation>
    </message>
    <message>
        <source>The calendar&apos;s template cannot be copied into %1: %2.</source>
        <translation>Het sjabloon van de kalender kan niet naar %1 worden gekopieerd: %2.</translation>
    </message>
    <message>
        <source>The page&apos;s scripts cannot be written in %1.</source>
        <translation>De scripts van de pagina kunnen niet in %1 worden geschreven.</translation>
    </message>
    <message>
        <source>The generation was stopped; %1 was left as it was.</source>
        <translation>Het genereren is gestopt; %1 is gebleven zoals het was.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be read: %3.</source>
        <translation>Dag %1: het bestand %2 kan niet worden gelezen: %3.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be copied into %3: %4.</source>
        <translation>Dag %1: het bestand %2 kan niet naar %3 worden gekopieerd: %4.</translation>
    </message>
    <message>
        <source>The page cannot be written in %1.</source>
        <translation>De pagina kan niet in %1 worden geschreven.</translation>
    </message>
    <message>
        <source>Day %1: %2 is not a regular file (it is %3).</source>
        <translation>Dag %1: %2 is geen gewoon bestand (het is %3).</translation>
    </message>
    <message>
        <source>Day %1: %2 is a system file, not a media file.</source>
        <translation>Dag %1: %2 is een systeembestand, geen mediabestand.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 does not hold as many bytes as its size says; it is not a media file.</source>
        <translation>Dag %1: het bestand %2 bevat niet zoveel bytes als zijn grootte aangeeft; het is geen mediabestand.</translation>
    </message>
    <message>
        <source>The page&apos;s scripts cannot be written in %1: %2.</source>
        <translation>De scripts van de pagina kunnen niet in %1 worden geschreven: %2.</translation>
    </message>
    <message>
        <source>Day %1: %2 is not a picture, a sound or a video.</source>
        <translation>Dag %1: %2 is geen afbeelding, geluid of video.</translation>
    </message>
    <message>
        <source>Day %1: the picture %2 is damaged: it ends before its last part.</source>
        <translation>Dag %1: de afbeelding %2 is beschadigd: ze houdt op voor haar laatste deel.</translation>
    </message>
    <message>
        <source>%1 changed since it was checked: it now holds files that tinselbox did not generate, which are left as they are.</source>
        <translation>%1 is veranderd sinds de controle: de map bevat nu bestanden die tinselbox niet heeft gemaakt; die blijven zoals ze zijn.</translation>
    </message>
    <message>
        <source>The page cannot be written in %1: %2.</source>
        <translation>De pagina kan niet worden geschreven in %1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be copied to %2: %3.</source>
        <translation>%1 kan niet naar %2 worden gekopieerd: %3.</translation>
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
        <translation>Dit bestand lijkt geen afbeelding. De pagina kan het mogelijk niet tonen. Toch behouden?</translation>
    </message>
    <message>
        <source>MUSIC</source>
        <translation>MUZIEK</translation>
    </message>
    <message>
        <source>This file does not look like a piece of music. The page may not be able to play it. Keep it anyway?</source>
        <translation>Dit bestand lijkt geen muziekstuk. De pagina kan het mogelijk niet afspelen. Toch behouden?</translation>
    </message>
    <message>
        <source>VIDEO</source>
        <translation>VIDEO</translation>
    </message>
    <message>
        <source>This file does not look like a video. The page may not be able to play it. Keep it anyway?</source>
        <translation>Dit bestand lijkt geen video. De pagina kan het mogelijk niet afspelen. Toch behouden?</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>BERICHT</translation>
    </message>
</context>
<context>
    <name>ImageApercu</name>
    <message>
        <source>The link preview picture %1 cannot be encoded as PNG.</source>
        <translation>De voorbeeldafbeelding van de link %1 kan niet als PNG worden gecodeerd.</translation>
    </message>
</context>
<context>
    <name>ImportFichiers</name>
    <message>
        <source>This text file is empty or cannot be read:
%1</source>
        <translation>Dit tekstbestand is leeg of onleesbaar:
%1</translation>
    </message>
    <message>
        <source>A message holds at most %1 characters of plain text; this file cannot become one:
%2</source>
        <translation>Een bericht bevat hooguit %1 tekens platte tekst; dit bestand kan er geen worden:
%2</translation>
    </message>
    <message>
        <source>The content of this file is of no kind a day can hold:
%1</source>
        <translation>De inhoud van dit bestand is van geen soort die een dag kan bevatten:
%1</translation>
    </message>
    <message>
        <source>These days already hold a media: %1. 
Replace them?</source>
        <translation>Deze dagen bevatten al een medium: %1. 
Vervangen?</translation>
    </message>
    <message>
        <source>No media file was found to import.</source>
        <translation>Er is geen mediabestand gevonden om te importeren.</translation>
    </message>
    <message>
        <source>Files given no day: %1.</source>
        <translation>Bestanden zonder dag: %1.</translation>
    </message>
    <message>
        <source>These files were given no day:
%1</source>
        <translation>Deze bestanden hebben geen dag gekregen:
%1</translation>
    </message>
    <message>
        <source>Files of no kind a day can hold, left out: %1.</source>
        <translation>Weggelaten bestanden die een dag niet kan bevatten: %1.</translation>
    </message>
    <message>
        <source>These files are of no kind a day can hold and were left out:
%1</source>
        <translation>Deze bestanden zijn van geen soort die een dag kan bevatten en zijn weggelaten:
%1</translation>
    </message>
    <message>
        <source>Select a folder to import</source>
        <translation>Kies een map om te importeren</translation>
    </message>
</context>
<context>
    <name>InstantApercu</name>
    <message>
        <source>&quot;%1&quot; is not a date and time of the form %2</source>
        <translation>‘%1’ is geen datum en tijd van de vorm %2</translation>
    </message>
</context>
<context>
    <name>LecteurProjet</name>
    <message>
        <source>%1 cannot be opened: the message of day %2 is longer than %3 characters, the most a day can hold.</source>
        <translation>%1 kan niet worden geopend: het bericht van dag %2 is langer dan %3 tekens, het maximum voor een dag.</translation>
    </message>
    <message>
        <source>%1 is not a well-formed XML file (line %2, column %3: %4).</source>
        <translation>%1 is geen goed gevormd XML-bestand (regel %2, kolom %3: %4).</translation>
    </message>
    <message>
        <source>%1 is not a calendar file: it holds a document type, or more nesting, attributes or elements than a calendar file has.</source>
        <translation>%1 is geen kalenderbestand: het bevat een documenttype, of meer nestniveaus, attributen of elementen dan een kalenderbestand heeft.</translation>
    </message>
    <message>
        <source>%1 is not a well-formed XML file: it ends too soon.</source>
        <translation>%1 is geen goed gevormd XML-bestand: het houdt te vroeg op.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the calendar&apos;s name is longer than %2 characters, the most a name can hold.</source>
        <translation>%1 kan niet worden geopend: de naam van de kalender is langer dan %2 tekens, het maximum voor een naam.</translation>
    </message>
</context>
<context>
    <name>LigneCommande</name>
    <message>
        <source>Builds a web calendar of up to 31 days and generates its site.
Without an option, opens the editor, with the calendar FILE if given.</source>
        <translation>Maakt een webkalender van hooguit 31 dagen en genereert de site ervan.
Zonder optie opent het de editor, met de kalender FILE als die is opgegeven.</translation>
    </message>
    <message>
        <source>A calendar project file (.xml).</source>
        <translation>Een projectbestand van een kalender (.xml).</translation>
    </message>
    <message>
        <source>Generate the site of FILE into the directory DIR, without a display.</source>
        <translation>Genereert de site van FILE in de map DIR, zonder scherm.</translation>
    </message>
    <message>
        <source>Generate the preview of FILE into tmp/ beside it and open it in the browser.</source>
        <translation>Genereert het voorbeeld van FILE in tmp/ ernaast en opent het in de browser.</translation>
    </message>
    <message>
        <source>Check FILE: its media, its days and the estimated site size.</source>
        <translation>Controleert FILE: de media, de dagen en de geschatte grootte van de site.</translation>
    </message>
    <message>
        <source>Erase a non-empty DIR that holds no generated site, instead of refusing it.</source>
        <translation>Wist een niet-lege DIR zonder gegenereerde site, in plaats van die te weigeren.</translation>
    </message>
    <message>
        <source>With --generate: print no progress.</source>
        <translation>Met --generate: geen voortgang tonen.</translation>
    </message>
    <message>
        <source>no display to open the editor on; --generate and --check need none</source>
        <translation>geen scherm om de editor op te openen; --generate en --check hebben er geen nodig</translation>
    </message>
    <message>
        <source>--generate needs a calendar FILE and a directory DIR</source>
        <translation>--generate heeft een kalender FILE en een map DIR nodig</translation>
    </message>
    <message>
        <source>%1 needs one calendar FILE</source>
        <translation>%1 heeft één kalender FILE nodig</translation>
    </message>
    <message>
        <source>the editor opens one calendar FILE at most</source>
        <translation>de editor opent hooguit één kalender FILE</translation>
    </message>
    <message>
        <source>a message</source>
        <translation>een bericht</translation>
    </message>
    <message>
        <source>Day %1: %2</source>
        <translation>Dag %1: %2</translation>
    </message>
    <message>
        <source>Generated the calendar in %1</source>
        <translation>Kalender gegenereerd in %1</translation>
    </message>
    <message>
        <source>Estimated site size: %1 (%2 bytes)</source>
        <translation>Geschatte grootte van de site: %1 (%2&#xa0;bytes)</translation>
    </message>
    <message numerus="yes">
        <source>%1: cannot be generated, %n problem(s) listed above</source>
        <translation>
            <numerusform>%1: kan niet worden gegenereerd, %n probleem hierboven vermeld</numerusform>
            <numerusform>%1: kan niet worden gegenereerd, %n problemen hierboven vermeld</numerusform>
        </translation>
    </message>
    <message>
        <source>The calendar can be generated.</source>
        <translation>De kalender kan worden gegenereerd.</translation>
    </message>
    <message>
        <source>With --generate: the directory that receives the site; with --card: the PDF file.</source>
        <translation>Met --generate: de map die de site ontvangt; met --card: het PDF-bestand.</translation>
    </message>
    <message>
        <source>Write to OUT.pdf the printable card of FILE: its name and the QR code of its address.</source>
        <translation>Schrijft de afdrukbare kaart van FILE naar OUT.pdf: de naam en de QR-code van het adres.</translation>
    </message>
    <message>
        <source>--card needs a calendar FILE and a PDF file OUT.pdf</source>
        <translation>--card heeft een kalender FILE en een PDF-bestand OUT.pdf nodig</translation>
    </message>
    <message>
        <source>Converted day %1 (%2 of %3)</source>
        <translation>Dag %1 omgezet (%2 van %3)</translation>
    </message>
    <message>
        <source>Calendar &quot;%1&quot;: %2 of %3 days have content.</source>
        <translation>Kalender “%1”: %2 van de %3 dagen hebben inhoud.</translation>
    </message>
    <message>
        <source>Days without content: %1.</source>
        <translation>Dagen zonder inhoud: %1.</translation>
    </message>
    <message>
        <source>Day %1: outside 1 to %2, the page never shows it.</source>
        <translation>Dag %1: buiten 1 tot %2, de pagina toont hem nooit.</translation>
    </message>
    <message>
        <source>Day %1: %2 will not play in every browser; installing ffmpeg converts it.</source>
        <translation>Dag %1: %2 speelt niet in elke browser af; met ffmpeg geïnstalleerd wordt het omgezet.</translation>
    </message>
    <message>
        <source>Estimated site size: %1 (%2 bytes), before converting the media</source>
        <translation>Geschatte grootte van de site: %1 (%2&#xa0;bytes), voordat de media worden omgezet</translation>
    </message>
    <message>
        <source>the preview is ready in %1, but no browser could be opened to show it</source>
        <translation>het voorbeeld staat klaar in %1, maar er kon geen browser worden geopend om het te tonen</translation>
    </message>
    <message>
        <source>The file does not follow the calendar&apos;s schema: what this version does not know is left out.</source>
        <translation>Het bestand volgt het schema van de kalender niet: wat deze versie niet kent, wordt weggelaten.</translation>
    </message>
    <message>
        <source>stopped by %1; %2 was left as it was.</source>
        <translation>gestopt door %1; %2 is gelaten zoals het was.</translation>
    </message>
    <message>
        <source>%1 (see --help)</source>
        <translation>%1 (zie --help)</translation>
    </message>
    <message>
        <source>%1 is not empty and holds no site that tinselbox generated; --force erases its contents.</source>
        <translation>%1 is niet leeg en bevat geen site die tinselbox heeft gemaakt; --force wist de inhoud.</translation>
    </message>
    <message>
        <source>Convert, generate and publish FILE to its publishing address, sending only what changed.</source>
        <translation>FILE converteren, genereren en publiceren naar zijn publicatieadres, alleen wat veranderd is verzenden.</translation>
    </message>
    <message>
        <source>With --publish: list what would be sent and deleted, change nothing.</source>
        <translation>Met --publish: tonen wat verzonden en verwijderd zou worden, niets veranderen.</translation>
    </message>
    <message>
        <source>With --publish: read the password or S3 secret key from FILE, which only its owner may read.</source>
        <translation>Met --publish: het wachtwoord of de geheime S3-sleutel lezen uit FILE, dat alleen de eigenaar mag lezen.</translation>
    </message>
    <message>
        <source>With --publish: also trust the certificate authority in FILE (a server with its own certificate).</source>
        <translation>Met --publish: ook de certificaatautoriteit in FILE vertrouwen (een server met een eigen certificaat).</translation>
    </message>
    <message>
        <source>With --publish: trust the SFTP server whose host key has this fingerprint, and remember it.</source>
        <translation>Met --publish: de SFTP-server vertrouwen waarvan de hostsleutel deze vingerafdruk heeft, en dat onthouden.</translation>
    </message>
    <message>
        <source>choose one of --generate, --preview, --check, --card and --publish</source>
        <translation>kies een van --generate, --preview, --check, --card en --publish</translation>
    </message>
    <message>
        <source>--force goes with --generate, --preview or --publish</source>
        <translation>--force hoort bij --generate, --preview of --publish</translation>
    </message>
    <message>
        <source>--quiet goes with --generate or --publish</source>
        <translation>--quiet hoort bij --generate of --publish</translation>
    </message>
    <message>
        <source>--dry-run, --secret-file, --ca-file and --accept-host-key go with --publish</source>
        <translation>--dry-run, --secret-file, --ca-file en --accept-host-key horen bij --publish</translation>
    </message>
    <message>
        <source>--secret-file FILE gives the password instead.</source>
        <translation>--secret-file FILE geeft in plaats daarvan het wachtwoord.</translation>
    </message>
    <message>
        <source>no password for %1: give --secret-file FILE (a file only you can read), or keep it in the keyring from the editor&apos;s Publish</source>
        <translation>geen wachtwoord voor %1: geef --secret-file FILE (een bestand dat alleen u kunt lezen), of bewaar het in de sleutelbos via Publiceren in de editor</translation>
    </message>
    <message>
        <source>%1: the calendar has no publishing address; set one in the editor&apos;s Options</source>
        <translation>%1: de kalender heeft geen publicatieadres; stel er een in bij de Opties van de editor</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>Verwijderd: %1</translation>
    </message>
    <message>
        <source>Sent %1 (%2)</source>
        <translation>Verzonden: %1 (%2)</translation>
    </message>
    <message>
        <source> To trust it, publish again with --accept-host-key %1</source>
        <translation> Om hem te vertrouwen, publiceer opnieuw met --accept-host-key %1</translation>
    </message>
    <message>
        <source> --force publishes beside them.</source>
        <translation> --force publiceert ernaast.</translation>
    </message>
    <message>
        <source>would send %1</source>
        <translation>zou %1 verzenden</translation>
    </message>
    <message>
        <source>would delete %1</source>
        <translation>zou %1 verwijderen</translation>
    </message>
    <message>
        <source>Dry run: %1 file(s) to send (%2), %3 to delete, %4 unchanged.</source>
        <translation>Proefrun: %1 bestand(en) te verzenden (%2), %3 te verwijderen, %4 ongewijzigd.</translation>
    </message>
    <message>
        <source>Published to %1: %2 file(s) sent (%3), %4 deleted, %5 unchanged.</source>
        <translation>Gepubliceerd naar %1: %2 bestand(en) verzonden (%3), %4 verwijderd, %5 ongewijzigd.</translation>
    </message>
    <message>
        <source>With --preview: show the page as a visitor sees it at MOMENT (YYYY-MM-DDTHH:MM, in the calendar&apos;s time zone).</source>
        <translation>Met --preview: de pagina tonen zoals een bezoeker hem op MOMENT ziet (YYYY-MM-DDTHH:MM, in de tijdzone van de kalender).</translation>
    </message>
    <message>
        <source>--date goes with --preview</source>
        <translation>--date hoort bij --preview</translation>
    </message>
    <message>
        <source>With --generate, --check or --publish: read a private calendar&apos;s password from FILE, which only you may read.</source>
        <translation>Met --generate, --check of --publish: lees het wachtwoord van een privékalender uit FILE, dat alleen u mag lezen.</translation>
    </message>
    <message>
        <source>--password-file goes with --generate, --check or --publish</source>
        <translation>--password-file hoort bij --generate, --check of --publish</translation>
    </message>
    <message>
        <source>The calendar is private: --password-file checks its password too.</source>
        <translation>De kalender is privé: --password-file controleert ook het wachtwoord.</translation>
    </message>
    <message>
        <source>The password is the calendar&apos;s.</source>
        <translation>Het wachtwoord is dat van de kalender.</translation>
    </message>
    <message>
        <source>the calendar is private: give its password with --password-file FILE</source>
        <translation>de kalender is privé: geef het wachtwoord met --password-file FILE</translation>
    </message>
    <message>
        <source>%1: the calendar has no address to put on a card; set “Public address” in the editor’s Options</source>
        <translation>%1: de kalender heeft geen adres om op een kaart te zetten; vul “Openbaar adres” in bij de Opties van de editor</translation>
    </message>
    <message>
        <source>With --generate, --check or --publish: go on with the key chain of a calendar whose doors open only on their day, from the recovery code in FILE, which only you may read.</source>
        <translation>Met --generate, --check of --publish: verder gaan met de sleutelketen van een kalender waarvan de deurtjes pas op hun dag opengaan, met de herstelcode in FILE, die alleen u mag lezen.</translation>
    </message>
    <message>
        <source>--recovery-code-file goes with --generate, --check or --publish</source>
        <translation>--recovery-code-file hoort bij --generate, --check of --publish</translation>
    </message>
    <message>
        <source>--recovery-code-file: this calendar&apos;s doors do not open only on their day</source>
        <translation>--recovery-code-file: de deurtjes van deze kalender gaan niet pas op hun dag open</translation>
    </message>
    <message>
        <source>--recovery-code-file: </source>
        <translation>--recovery-code-file: </translation>
    </message>
    <message>
        <source>--recovery-code-file: this is not a recovery code, or it is mistyped</source>
        <translation>--recovery-code-file: dit is geen herstelcode, of er zit een tikfout in</translation>
    </message>
    <message>
        <source>Doors open only on their day: a site made today opens none yet.</source>
        <translation>Deurtjes gaan pas op hun dag open: een vandaag gemaakte site opent er nog geen.</translation>
    </message>
    <message>
        <source>Doors open only on their day: a site made today opens days 1 to %1.</source>
        <translation>Deurtjes gaan pas op hun dag open: een vandaag gemaakte site opent dag 1 tot en met %1.</translation>
    </message>
    <message>
        <source>This computer keeps no key chain for this calendar: the next generation starts a new one, unless --recovery-code-file gives its recovery code.</source>
        <translation>Deze computer bewaart geen sleutelketen voor deze kalender: de volgende generatie begint een nieuwe, tenzij --recovery-code-file de herstelcode geeft.</translation>
    </message>
    <message>
        <source>Publish every morning is not on: each door opens only when the site is generated or published again.</source>
        <translation>Elke ochtend publiceren staat niet aan: elk deurtje gaat pas open als de site opnieuw wordt gegenereerd of gepubliceerd.</translation>
    </message>
    <message>
        <source>A door whose morning publish does not run (the computer was off) opens at the next publish.</source>
        <translation>Een deurtje waarvan de ochtendpublicatie niet draait (de computer stond uit), gaat open bij de volgende publicatie.</translation>
    </message>
</context>
<context>
    <name>ListeSite</name>
    <message>
        <source>%1 is not a regular file: a site holds only files and folders.</source>
        <translation>%1 is geen gewoon bestand: een site bevat alleen bestanden en mappen.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kan niet worden gelezen: %2.</translation>
    </message>
</context>
<context>
    <name>ManifesteSite</name>
    <message>
        <source>The directory %1 cannot be written: %2.</source>
        <translation>Er kan niet in de map %1 worden geschreven: %2.</translation>
    </message>
</context>
<context>
    <name>MenusFenetre</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nieuw…</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Openen…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Import a folder...</source>
        <translation>Map importeren…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>O&amp;pnieuw</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Taal…</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Kalender</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opties…</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Voorbeeld</translation>
    </message>
    <message>
        <source>&amp;Generate...</source>
        <translation>&amp;Genereren…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About tinselbox</source>
        <translation>&amp;Over tinselbox</translation>
    </message>
    <message>
        <source>&lt;h3&gt;tinselbox %1&lt;/h3&gt;&lt;p&gt;An editor for interactive web calendars of up to 31 days.&lt;/p&gt;&lt;p&gt;Released under the %2 licence.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;tinselbox %1&lt;/h3&gt;&lt;p&gt;Een editor voor interactieve webkalenders van hooguit 31 dagen.&lt;/p&gt;&lt;p&gt;Uitgebracht onder de licentie %2.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>P&amp;ublish</source>
        <translation>P&amp;ubliceren</translation>
    </message>
    <message>
        <source>Preview on a &amp;date...</source>
        <translation>Voorbeeld op een &amp;datum...</translation>
    </message>
    <message>
        <source>Publish every &amp;morning</source>
        <translation>Elke &amp;ochtend publiceren</translation>
    </message>
</context>
<context>
    <name>MotDePassePrive</name>
    <message>
        <source>Password of this private calendar:</source>
        <translation>Wachtwoord van deze privékalender:</translation>
    </message>
    <message>
        <source>Private calendar</source>
        <translation>Privékalender</translation>
    </message>
</context>
<context>
    <name>OutilFfmpeg</name>
    <message>
        <source>The conversion was stopped.</source>
        <translation>De omzetting is gestopt.</translation>
    </message>
    <message>
        <source>ffmpeg failed: %1.</source>
        <translation>ffmpeg is mislukt: %1.</translation>
    </message>
    <message>
        <source>ffmpeg is not installed.</source>
        <translation>ffmpeg is niet geïnstalleerd.</translation>
    </message>
    <message>
        <source>ffmpeg stopped with code %1.</source>
        <translation>ffmpeg is gestopt met code %1.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Your browser cannot show this calendar.</source>
        <translation>Je browser kan deze kalender niet tonen.</translation>
    </message>
    <message>
        <source>{n} numbered balls hanging above fir trees</source>
        <translation>{n} genummerde ballen die boven dennenbomen hangen</translation>
    </message>
    <message>
        <source>This is a preview: you can click on all days to test it.</source>
        <translation>Dit is een voorbeeld: je kunt op alle dagen klikken om het te testen.</translation>
    </message>
    <message>
        <source>Day {n}</source>
        <translation>Dag {n}</translation>
    </message>
    <message>
        <source>Day {n} is open</source>
        <translation>Dag {n} is open</translation>
    </message>
    <message>
        <source>Day {n}, already opened</source>
        <translation>Dag {n}, al geopend</translation>
    </message>
    <message>
        <source>{jour}, opens on {date}</source>
        <translation>{jour}, gaat open op {date}</translation>
    </message>
    <message>
        <source>{jour}, was open on {date}</source>
        <translation>{jour}, was open op {date}</translation>
    </message>
    <message>
        <source>{jour}, stays shut: {mois} has {n} days</source>
        <translation>{jour}, blijft dicht: {mois} heeft maar {n} dagen</translation>
    </message>
    <message>
        <source>This calendar opens on {date}.</source>
        <translation>Deze kalender gaat open op {date}.</translation>
    </message>
    <message>
        <source>This calendar opens again on {date}.</source>
        <translation>Deze kalender gaat weer open op {date}.</translation>
    </message>
    <message>
        <source>Day {n} opens in {h} h {min} min</source>
        <translation>Dag {n} gaat open over {h}&#xa0;u {min}&#xa0;min</translation>
    </message>
    <message>
        <source>Day {n} opens in {min} min</source>
        <translation>Dag {n} gaat open over {min}&#xa0;min</translation>
    </message>
    <message>
        <source>Day {n}: picture</source>
        <translation>Dag {n}: een afbeelding</translation>
    </message>
    <message>
        <source>Day {n}: music</source>
        <translation>Dag {n}: muziek</translation>
    </message>
    <message>
        <source>Day {n}: video</source>
        <translation>Dag {n}: een video</translation>
    </message>
    <message>
        <source>Day {n}: {texte}</source>
        <translation>Dag {n}: {texte}</translation>
    </message>
    <message>
        <source>Day {n}: nothing today</source>
        <translation>Dag {n}: vandaag niets</translation>
    </message>
    <message>
        <source>Scan to open</source>
        <translation>Scan om te openen</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Sneeuw</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Herinner mij</translation>
    </message>
    <message>
        <source>A calendar of %1 days: open today&apos;s ball to find its surprise.</source>
        <translation>Een kalender van %1 dagen: open de bal van vandaag en ontdek de verrassing.</translation>
    </message>
    <message>
        <source>This calendar is private.</source>
        <translation>Deze kalender is privé.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Remember on this device</source>
        <translation>Onthouden op dit apparaat</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Opening…</source>
        <translation>Bezig met openen…</translation>
    </message>
    <message>
        <source>Wrong password. Please try again.</source>
        <translation>Onjuist wachtwoord. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>This day&apos;s content is damaged and cannot be shown.</source>
        <translation>De inhoud van deze dag is beschadigd en kan niet worden getoond.</translation>
    </message>
    <message>
        <source>This calendar needs an https:// address: ask for its link beginning with https://.</source>
        <translation>Deze kalender heeft een https://-adres nodig: vraag om de link die met https:// begint.</translation>
    </message>
    <message>
        <source>The calendar cannot be opened right now: check the connection and try again.</source>
        <translation>De kalender kan nu niet worden geopend: controleer de verbinding en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>This door opens on its day.</source>
        <translation>Dit deurtje gaat op zijn dag open.</translation>
    </message>
</context>
<context>
    <name>PlanConversions</name>
    <message>
        <source>This file will not play in every browser. Installing ffmpeg converts it when the site is generated.</source>
        <translation>Dit bestand speelt niet in elke browser af. Met ffmpeg geïnstalleerd wordt het bij het genereren van de site omgezet.</translation>
    </message>
    <message>
        <source>Day %1: %2 is not a picture, a sound or a video.</source>
        <translation>Dag %1: %2 is geen afbeelding, geluid of video.</translation>
    </message>
    <message>
        <source>ffmpeg is not installed: the sound and video files of days %1 are published as they are, unconverted, and keep the position (GPS) and other details they hold.</source>
        <translation>ffmpeg is niet geïnstalleerd: de geluids- en videobestanden van de dagen %1 worden gepubliceerd zoals ze zijn, zonder omzetting, en behouden de locatie (GPS) en andere gegevens die ze bevatten.</translation>
    </message>
    <message>
        <source>The conversions were stopped.</source>
        <translation>De conversies zijn gestopt.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be converted. %3</source>
        <translation>Dag %1: het bestand %2 kan niet worden omgezet. %3</translation>
    </message>
    <message>
        <source>%1 is not a picture, a sound or a video.</source>
        <translation>%1 is geen afbeelding, geluid of video.</translation>
    </message>
    <message>
        <source>The converted copy of %1 in %2 was cut short; the disk may be full.</source>
        <translation>De omgezette kopie van %1 in %2 is onvolledig; de schijf is misschien vol.</translation>
    </message>
</context>
<context>
    <name>PolitiqueSortie</name>
    <message>
        <source>No directory was given for the generation.</source>
        <translation>Er is geen map opgegeven voor het genereren.</translation>
    </message>
    <message>
        <source>%1 is not empty and holds no site that tinselbox generated; its contents would be erased.</source>
        <translation>De map %1 is niet leeg en bevat geen site die door tinselbox is gegenereerd; de inhoud ervan zou worden gewist.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is a link to %2, which does not exist.</source>
        <translation>%1 kan niet voor het genereren worden gebruikt: het is een koppeling naar %2, dat niet bestaat.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is a file, not a directory.</source>
        <translation>%1 kan niet voor het genereren worden gebruikt: het is een bestand, geen map.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is the root of a disk.</source>
        <translation>%1 kan niet voor het genereren worden gebruikt: het is de hoofdmap van een schijf.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: a disk is mounted inside this directory.</source>
        <translation>%1 kan niet voor het genereren worden gebruikt: in deze map is een schijf aangekoppeld.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is your home directory.</source>
        <translation>%1 kan niet voor het genereren worden gebruikt: het is je persoonlijke map.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: this directory holds your home directory.</source>
        <translation>%1 kan niet voor het genereren worden gebruikt: deze map bevat je persoonlijke map.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: this directory holds the calendar&apos;s project file.</source>
        <translation>%1 kan niet voor het genereren worden gebruikt: deze map bevat het projectbestand van de kalender.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: this directory holds the media of day %2.</source>
        <translation>%1 kan niet voor het genereren worden gebruikt: deze map bevat het medium van dag %2.</translation>
    </message>
</context>
<context>
    <name>PublicationCalendrier</name>
    <message>
        <source>The calendar has no publishing address; set one in Options, Publishing.</source>
        <translation>De kalender heeft geen publicatieadres; stel er een in bij Opties, Publiceren.</translation>
    </message>
    <message>
        <source>Cannot make a staging folder for the site: %1.</source>
        <translation>Kan geen voorbereidingsmap voor de site maken: %1.</translation>
    </message>
</context>
<context>
    <name>Publieur</name>
    <message>
        <source>No publishing address is set.</source>
        <translation>Er is geen publicatieadres ingesteld.</translation>
    </message>
    <message>
        <source>The remote folder %1 holds files that no publish of a calendar put there; publishing beside them needs your confirmation (they are never deleted).</source>
        <translation>De externe map %1 bevat bestanden die geen publicatie van een kalender daar heeft gezet; ernaast publiceren vraagt uw bevestiging (ze worden nooit verwijderd).</translation>
    </message>
    <message>
        <source>Cannot send %1: %2.</source>
        <translation>Kan %1 niet verzenden: %2.</translation>
    </message>
</context>
<context>
    <name>Secrets</name>
    <message>
        <source>the keyring did not answer</source>
        <translation>de sleutelbos antwoordde niet</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>het is een koppeling</translation>
    </message>
    <message>
        <source>Cannot read the secret file %1: %2.</source>
        <translation>Kan het geheime bestand %1 niet lezen: %2.</translation>
    </message>
    <message>
        <source>The secret file %1 is not a regular file.</source>
        <translation>Het geheime bestand %1 is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>The secret file %1 may be read by others: only its owner may read it (chmod 600 %1).</source>
        <translation>Het geheime bestand %1 kan door anderen worden gelezen: alleen de eigenaar mag het lezen (chmod 600 %1).</translation>
    </message>
    <message>
        <source>The secret file %1 is too large to hold a secret.</source>
        <translation>Het geheime bestand %1 is te groot voor een geheim.</translation>
    </message>
    <message>
        <source>Cannot keep a secret in %1: %2.</source>
        <translation>Kan geen geheim bewaren in %1: %2.</translation>
    </message>
    <message>
        <source>The secret file %1 is empty.</source>
        <translation>Het geheime bestand %1 is leeg.</translation>
    </message>
    <message>
        <source>The keyring cannot be read: %1.</source>
        <translation>De sleutelbos kan niet worden gelezen: %1.</translation>
    </message>
    <message>
        <source>The keyring did not keep the secret: %1.</source>
        <translation>De sleutelbos heeft het geheim niet bewaard: %1.</translation>
    </message>
    <message>
        <source>The secret cannot be removed from the keyring: %1.</source>
        <translation>Kan het geheim niet uit de sleutelbos verwijderen: %1.</translation>
    </message>
</context>
<context>
    <name>ServiceGeneration</name>
    <message>
        <source>There is no calendar to generate.</source>
        <translation>Er is geen kalender om te genereren.</translation>
    </message>
    <message>
        <source>The generation was stopped; %1 was left as it was.</source>
        <translation>Het genereren is gestopt; %1 is gebleven zoals het was.</translation>
    </message>
</context>
<context>
    <name>SitePrive</name>
    <message>
        <source>This calendar is private: its password is needed to generate it.</source>
        <translation>Deze kalender is privé: het wachtwoord is nodig om hem te genereren.</translation>
    </message>
    <message>
        <source>The project file holds no key parameters for its password: this site gets a new key, and visitors who were remembered type the password again. Set the password in Options to keep the same key from one generation to the next.</source>
        <translation>Het projectbestand bevat geen sleutelparameters voor het wachtwoord: deze site krijgt een nieuwe sleutel en onthouden bezoekers moeten het wachtwoord opnieuw typen. Stel het wachtwoord in bij Opties om dezelfde sleutel van de ene generatie op de andere te houden.</translation>
    </message>
    <message>
        <source>The calendar&apos;s keys cannot be made on this computer.</source>
        <translation>De sleutels van de kalender kunnen op deze computer niet worden gemaakt.</translation>
    </message>
    <message>
        <source>The project file holds no key parameters: set the password in Options.</source>
        <translation>Het projectbestand bevat geen sleutelparameters: stel het wachtwoord in bij Opties.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Het bestand %1 kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Het bestand %1 kan niet worden geschreven: %2.</translation>
    </message>
    <message>
        <source>The file %1 changed while it was encrypted.</source>
        <translation>Het bestand %1 is tijdens het versleutelen veranderd.</translation>
    </message>
    <message>
        <source>The content cannot be encrypted.</source>
        <translation>De inhoud kan niet worden versleuteld.</translation>
    </message>
    <message>
        <source>The page&apos;s lock cannot be written in %1.</source>
        <translation>Het slot van de pagina kan niet in %1 worden geschreven.</translation>
    </message>
    <message>
        <source>This computer kept no key chain for this calendar: a new chain is started, and the site&apos;s days are encrypted again. If this calendar was published from another computer, give its recovery code (Options, or --recovery-code-file) to go on with its chain.</source>
        <translation>Deze computer bewaarde geen sleutelketen voor deze kalender: er begint een nieuwe keten, en de dagen van de site worden opnieuw versleuteld. Is deze kalender vanaf een andere computer gepubliceerd, geef dan de herstelcode op (Opties, of --recovery-code-file) om met die keten verder te gaan.</translation>
    </message>
</context>
<context>
    <name>TacheMatinale</name>
    <message>
        <source>systemctl --user %1 failed: %2</source>
        <translation>systemctl --user %1 is mislukt: %2</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Kan de map %1 niet maken.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Kan %1 niet schrijven: %2.</translation>
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
        <translation>Dennenbomen</translation>
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
        <translation>Rijp</translation>
    </message>
</context>
<context>
    <name>Traduction</name>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>The system&apos;s language (%1)</source>
        <translation>De taal van het systeem (%1)</translation>
    </message>
    <message>
        <source>The editor speaks the chosen language the next time it starts.</source>
        <translation>De editor spreekt de gekozen taal bij de volgende start.</translation>
    </message>
</context>
<context>
    <name>TransfertCurl</name>
    <message>
        <source>Publishing was stopped.</source>
        <translation>Het publiceren is gestopt.</translation>
    </message>
    <message>
        <source>the host key of %1 has changed since it was accepted; this may be an attack (someone between you and the server), so nothing was sent</source>
        <translation>de hostsleutel van %1 is veranderd sinds die werd geaccepteerd; dit kan een aanval zijn (iemand tussen u en de server), dus er is niets verzonden</translation>
    </message>
    <message>
        <source>the host key of %1 is not known (%2); accept it only if it is your server&apos;s</source>
        <translation>de hostsleutel van %1 is niet bekend (%2); accepteer hem alleen als het die van uw server is</translation>
    </message>
    <message>
        <source>the server refused the login: wrong user name, key or password</source>
        <translation>de server weigerde de aanmelding: verkeerde gebruikersnaam, sleutel of wachtwoord</translation>
    </message>
    <message>
        <source>permission denied by the server</source>
        <translation>toegang geweigerd door de server</translation>
    </message>
    <message>
        <source>the server has no room left</source>
        <translation>de server heeft geen ruimte meer</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1</source>
        <translation>de server antwoordde met HTTP-status %1</translation>
    </message>
    <message>
        <source>the server stopped answering (timeout)</source>
        <translation>de server antwoordt niet meer (time-out)</translation>
    </message>
    <message>
        <source>the server %1 cannot be found</source>
        <translation>de server %1 kan niet worden gevonden</translation>
    </message>
    <message>
        <source>the server %1 cannot be reached</source>
        <translation>de server %1 is niet bereikbaar</translation>
    </message>
    <message>
        <source>the secure connection to the server failed (%1)</source>
        <translation>de beveiligde verbinding met de server is mislukt (%1)</translation>
    </message>
    <message>
        <source>Cannot list the remote folder %1</source>
        <translation>Kan de externe map %1 niet weergeven</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Kan %1 niet lezen</translation>
    </message>
    <message>
        <source>Cannot send %1</source>
        <translation>Kan %1 niet verzenden</translation>
    </message>
    <message>
        <source>Cannot delete %1</source>
        <translation>Kan %1 niet verwijderen</translation>
    </message>
    <message>
        <source>Cannot list the bucket %1</source>
        <translation>Kan de bucket %1 niet weergeven</translation>
    </message>
    <message>
        <source>Cannot list the bucket %1: the server&apos;s answer does not read (%2).</source>
        <translation>Kan de bucket %1 niet weergeven: het antwoord van de server is onleesbaar (%2).</translation>
    </message>
    <message>
        <source>Cannot make the remote folder %1</source>
        <translation>Kan de externe map %1 niet maken</translation>
    </message>
    <message>
        <source>Cannot put %1 in place</source>
        <translation>Kan %1 niet op zijn plaats zetten</translation>
    </message>
    <message>
        <source>the server refused the login: wrong user name, key or password (%1)</source>
        <translation>de server weigerde de aanmelding: verkeerde gebruikersnaam, sleutel of wachtwoord (%1)</translation>
    </message>
    <message>
        <source>permission denied by the server (%1)</source>
        <translation>toegang geweigerd door de server (%1)</translation>
    </message>
    <message>
        <source>the server has no room left (%1)</source>
        <translation>de server heeft geen ruimte meer (%1)</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1 (%2)</source>
        <translation>de server antwoordde met HTTP-status %1 (%2)</translation>
    </message>
    <message>
        <source>the server&apos;s certificate cannot be trusted (%1); a server with an authority of its own needs that authority given with --ca-file, or kept as certificate-authorities.pem in tinselbox&apos;s data folder</source>
        <translation>het certificaat van de server is niet te vertrouwen (%1); een server met een eigen autoriteit heeft die autoriteit nodig via --ca-file, of bewaard als certificate-authorities.pem in de gegevensmap van tinselbox</translation>
    </message>
</context>
<context>
    <name>TuilesJours</name>
    <message>
        <source>Day %1</source>
        <translation>Dag %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>file missing</source>
        <translation>bestand ontbreekt</translation>
    </message>
</context>
</TS>
