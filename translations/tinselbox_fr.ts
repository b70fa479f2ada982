<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BoutonJour</name>
    <message>
        <source>Click to add ...</source>
        <translation>Cliquer pour ajouter…</translation>
    </message>
    <message>
        <source>MISSING</source>
        <translation>INTROUVABLE</translation>
    </message>
</context>
<context>
    <name>CacheConversions</name>
    <message>
        <source>tinselbox: there is no home folder to keep converted media in; they are kept in %1.</source>
        <translation>tinselbox&#xa0;: il n’y a pas de dossier personnel où garder les médias convertis&#xa0;; ils sont gardés dans %1.</translation>
    </message>
    <message>
        <source>The converted file cannot be read in %1: %2.</source>
        <translation>Le fichier converti ne peut pas être lu dans %1 : %2.</translation>
    </message>
    <message>
        <source>The converted file cannot be kept in %1: %2.</source>
        <translation>Le fichier converti ne peut pas être conservé dans %1 : %2.</translation>
    </message>
    <message>
        <source>The cache directory %1 cannot be written: %2.</source>
        <translation>Le fichier converti ne peut pas être lu dans %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>CalendriersRecents</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Calendriers &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>&amp;Vider le menu</translation>
    </message>
</context>
<context>
    <name>CartePartage</name>
    <message>
        <source>Scan to be reminded of each day</source>
        <translation>Scannez pour un rappel chaque jour</translation>
    </message>
    <message>
        <source>The card cannot be made: the calendar has no address; set it in Options.</source>
        <translation>La carte ne peut pas être faite&#xa0;: le calendrier n’a pas d’adresse&#xa0;; indiquez-la dans les options.</translation>
    </message>
    <message>
        <source>The card cannot be made: the address is too long for a QR code.</source>
        <translation>La carte ne peut pas être faite&#xa0;: l’adresse est trop longue pour un code QR.</translation>
    </message>
    <message>
        <source>The card %1 cannot be written.</source>
        <translation>La carte %1 ne peut pas être écrite.</translation>
    </message>
    <message>
        <source>The card %1 cannot be written: %2.</source>
        <translation>La carte %1 ne peut pas être écrite&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>ChaineCles</name>
    <message>
        <source>The calendar&apos;s key chain %1 is damaged: give its recovery code, or remove the file to start a new chain.</source>
        <translation>La chaîne de clés du calendrier %1 est endommagée : donnez son code de secours, ou supprimez le fichier pour commencer une nouvelle chaîne.</translation>
    </message>
    <message>
        <source>This computer gives no random bytes for a key chain.</source>
        <translation>Cet ordinateur ne fournit pas d&apos;octets aléatoires pour une chaîne de clés.</translation>
    </message>
    <message>
        <source>This is not a recovery code, or it is mistyped.</source>
        <translation>Ce n&apos;est pas un code de secours, ou il est mal tapé.</translation>
    </message>
    <message>
        <source>This calendar&apos;s key chain cannot follow its new name or publishing address. %1

The next generation would start a new chain, and every day&apos;s key would change. To go on with the same keys, type this recovery code in Options once this is mended:

%2</source>
        <translation>La chaîne de clés de ce calendrier ne peut pas suivre son nouveau nom ou sa nouvelle adresse de publication. %1

La prochaine génération commencerait une nouvelle chaîne, et la clé de chaque jour changerait. Pour garder les mêmes clés, tapez ce code de secours dans les Options une fois le problème réglé :

%2</translation>
    </message>
</context>
<context>
    <name>ChangementMedias</name>
    <message>
        <source>Edit day %1</source>
        <translation>Modifier le jour %1</translation>
    </message>
    <message>
        <source>Clear day %1</source>
        <translation>Vider le jour %1</translation>
    </message>
    <message>
        <source>Set day %1</source>
        <translation>Remplir le jour %1</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importation</translation>
    </message>
    <message>
        <source>The media of day %1 could not be put back; the day keeps what it held.</source>
        <translation>Le média du jour %1 n’a pas pu être rétabli&#xa0;; le jour garde ce qu’il contenait.</translation>
    </message>
</context>
<context>
    <name>ChangementOptions</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
</context>
<context>
    <name>ChantierSite</name>
    <message>
        <source>%1 is a file, not a directory.</source>
        <translation>%1 est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>The directory %1 cannot be created: %2.</source>
        <translation>Le dossier %1 ne peut pas être créé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The site cannot be generated: another generation is writing to %1.</source>
        <translation>Le site ne peut pas être généré&#xa0;: une autre génération est en train d’écrire dans %1.</translation>
    </message>
    <message>
        <source>The directory %1 cannot be opened: %2.</source>
        <translation>Le dossier %1 ne peut pas être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The directory %1 cannot be written: %2.</source>
        <translation>Impossible d’écrire dans le dossier %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 was replaced by something else while it was being opened; nothing was written.</source>
        <translation>%1 a été remplacé par autre chose pendant son ouverture&#xa0;; rien n’a été écrit.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist.</source>
        <translation>%1 est un lien vers %2, qui n’existe pas.</translation>
    </message>
    <message>
        <source>%1 is the root of a disk.</source>
        <translation>%1 est la racine d’un disque.</translation>
    </message>
    <message>
        <source>The directory %1 holds a mounted file system (%2) and cannot be replaced.</source>
        <translation>Le dossier %1 contient un système de fichiers monté (%2) et ne peut pas être remplacé.</translation>
    </message>
    <message>
        <source>The previous contents of %1 cannot be removed (%2): %3.</source>
        <translation>L’ancien contenu de %1 ne peut pas être supprimé (%2)&#xa0;: %3.</translation>
    </message>
    <message>
        <source>%1 was moved or replaced by something else during the generation; nothing was written into it and nothing was removed.</source>
        <translation>%1 a été déplacé ou remplacé par autre chose pendant la génération&#xa0;; rien n’y a été écrit et rien n’a été supprimé.</translation>
    </message>
    <message>
        <source>The previous contents of %1 cannot be replaced: %2.</source>
        <translation>L’ancien contenu de %1 ne peut pas être remplacé&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>ChoixInstant</name>
    <message>
        <source>Preview on a date</source>
        <translation>Aperçu à une date</translation>
    </message>
    <message>
        <source>Show the page as a visitor sees it at this moment (time in %1):</source>
        <translation>Afficher la page telle qu’un visiteur la voit à ce moment (heure de %1)&#xa0;:</translation>
    </message>
    <message>
        <source>Show the page as a visitor sees it at this moment:</source>
        <translation>Afficher la page telle qu’un visiteur la voit à ce moment&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CiblePublication</name>
    <message>
        <source>The publishing address must begin with sftp://, ftps://, davs:// or s3://.</source>
        <translation>L’adresse de publication doit commencer par sftp://, ftps://, davs:// ou s3://.</translation>
    </message>
    <message>
        <source>The publishing address names no valid server.</source>
        <translation>L’adresse de publication ne nomme aucun serveur valide.</translation>
    </message>
    <message>
        <source>The publishing address must not hold a password; it is asked for when publishing.</source>
        <translation>L’adresse de publication ne doit pas contenir de mot de passe ; il est demandé à la publication.</translation>
    </message>
    <message>
        <source>The publishing address must not end with a #fragment.</source>
        <translation>L’adresse de publication ne doit pas finir par un #fragment.</translation>
    </message>
    <message>
        <source>The S3 address needs the access key id before the server: s3://KEY@HOST/BUCKET.</source>
        <translation>L’adresse S3 demande l’identifiant de clé d’accès avant le serveur : s3://CLÉ@HÔTE/COMPARTIMENT.</translation>
    </message>
    <message>
        <source>The publishing address needs a user name before the server: USER@HOST.</source>
        <translation>L’adresse de publication demande un nom d’utilisateur avant le serveur : UTILISATEUR@HÔTE.</translation>
    </message>
    <message>
        <source>The publishing address has no valid port.</source>
        <translation>L’adresse de publication n’a pas de port valide.</translation>
    </message>
    <message>
        <source>The publishing folder must not hold &quot;.&quot; or &quot;..&quot;.</source>
        <translation>Le dossier de publication ne doit pas contenir « . » ni « .. ».</translation>
    </message>
    <message>
        <source>The publishing folder must not hold control characters.</source>
        <translation>Le dossier de publication ne doit pas contenir de caractères de contrôle.</translation>
    </message>
    <message>
        <source>The S3 address must end with ?region=REGION (for example ?region=us-east-1).</source>
        <translation>L’adresse S3 doit finir par ?region=RÉGION (par exemple ?region=us-east-1).</translation>
    </message>
    <message>
        <source>The S3 address needs a bucket name after the server: s3://KEY@HOST/BUCKET.</source>
        <translation>L’adresse S3 demande un nom de compartiment après le serveur : s3://CLÉ@HÔTE/COMPARTIMENT.</translation>
    </message>
    <message>
        <source>Only an S3 address takes a ?query.</source>
        <translation>Seule une adresse S3 prend une ?requête.</translation>
    </message>
    <message>
        <source>The SFTP address needs a folder: /~/FOLDER for one in the user&apos;s home.</source>
        <translation>L’adresse SFTP demande un dossier&#xa0;: /~/DOSSIER pour un dossier dans le dossier personnel de l’utilisateur.</translation>
    </message>
</context>
<context>
    <name>CoffreCles</name>
    <message>
        <source>The calendar&apos;s key %1 is damaged.</source>
        <translation>La clé du calendrier %1 est endommagée.</translation>
    </message>
    <message>
        <source>This is not the calendar&apos;s password (the one set in its Options).</source>
        <translation>Ce n’est pas le mot de passe du calendrier (celui défini dans ses Options).</translation>
    </message>
    <message>
        <source>The calendar&apos;s key cannot be made.</source>
        <translation>Impossible de créer la clé du calendrier.</translation>
    </message>
</context>
<context>
    <name>CommandesGeneration</name>
    <message>
        <source>1 media file cannot be found:</source>
        <translation>1 fichier média est introuvable&#xa0;:</translation>
    </message>
    <message>
        <source>%1 media files cannot be found:</source>
        <translation>%1 fichiers médias sont introuvables&#xa0;:</translation>
    </message>
    <message>
        <source>Day %1: %2</source>
        <translation>Jour %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Choose these files again or clear their days, then try again.</source>
        <translation>Choisissez de nouveau ces fichiers ou videz leurs jours, puis réessayez.</translation>
    </message>
    <message>
        <source>Select the generation directory</source>
        <translation>Choisir le dossier de génération</translation>
    </message>
    <message>
        <source>This action will erase all the contents of the directory %1
Generate anyway?</source>
        <translation>Cette action effacera tout le contenu du dossier %1
Générer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Error generating the calendar.</source>
        <translation>Erreur à la génération du calendrier.</translation>
    </message>
    <message>
        <source>Generating the calendar successfully in %1</source>
        <translation>Calendrier généré avec succès dans %1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Ouvrir dans le navigateur</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Partager…</translation>
    </message>
    <message>
        <source>Generating the calendar ...</source>
        <translation>Génération du calendrier…</translation>
    </message>
    <message>
        <source>Converted day %1 (%2 of %3) ...</source>
        <translation>Jour %1 converti (%2 sur %3)…</translation>
    </message>
</context>
<context>
    <name>CommandesJours</name>
    <message>
        <source>Edit...</source>
        <translation>Modifier…</translation>
    </message>
    <message>
        <source>Clear day</source>
        <translation>Vider le jour</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>The folder %1 cannot be shown.</source>
        <translation>Le dossier %1 ne peut pas être affiché.</translation>
    </message>
    <message>
        <source>Move day %1 to day %2</source>
        <translation>Déplacer le jour %1 au jour %2</translation>
    </message>
    <message>
        <source>Swap days %1 and %2</source>
        <translation>Échanger les jours %1 et %2</translation>
    </message>
</context>
<context>
    <name>CommandesPublication</name>
    <message>
        <source>The password is asked for instead.</source>
        <translation>Le mot de passe est demandé à la place.</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publier</translation>
    </message>
    <message>
        <source>The secret key of %1:</source>
        <translation>La clé secrète de %1 :</translation>
    </message>
    <message>
        <source>The password of %1 (empty to log in with your SSH key):</source>
        <translation>Le mot de passe de %1 (vide pour se connecter avec votre clé SSH) :</translation>
    </message>
    <message>
        <source>Remember it in the system keyring</source>
        <translation>La garder dans le trousseau du système</translation>
    </message>
    <message>
        <source>Publishing...</source>
        <translation>Publication…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stopping after the current step...</source>
        <translation>Arrêt après l’étape en cours…</translation>
    </message>
    <message>
        <source>Sending %1: %2 of %3
In all: %4 of %5, %6/s, %7 s left</source>
        <translation>Envoi de %1 : %2 sur %3
En tout : %4 sur %5, %6/s, %7 s restantes</translation>
    </message>
    <message>
        <source>The calendar has no publishing address yet: set one in Options, Publishing.</source>
        <translation>Le calendrier n’a pas encore d’adresse de publication : indiquez-en une dans Options, Publication.</translation>
    </message>
    <message numerus="yes">
        <source>The calendar is published: %n file(s) sent (%1), %2 deleted, %3 unchanged.</source>
        <translation>
            <numerusform>Le calendrier est publié : %n fichier envoyé (%1), %2 supprimé(s), %3 inchangé(s).</numerusform>
            <numerusform>Le calendrier est publié : %n fichiers envoyés (%1), %2 supprimé(s), %3 inchangé(s).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a server this computer knows. Its host key&apos;s fingerprint is:
%2

Trust it only if it is your server&apos;s (your provider can tell). Trust it and publish?</source>
        <translation>%1 n’est pas un serveur que cet ordinateur connaît. L’empreinte de sa clé d’hôte est :
%2

Ne lui faites confiance que si c’est celle de votre serveur (votre hébergeur peut le dire). Lui faire confiance et publier ?</translation>
    </message>
    <message>
        <source>Publish beside them?</source>
        <translation>Publier à côté d’eux ?</translation>
    </message>
    <message>
        <source>The site on the server still works as it was; publishing again completes it.</source>
        <translation>Le site sur le serveur fonctionne toujours comme avant ; publier à nouveau le complète.</translation>
    </message>
    <message>
        <source>Publishing every morning needs a saved calendar with a publishing address (Options, Publishing).</source>
        <translation>Publier chaque matin demande un calendrier enregistré avec une adresse de publication (Options, Publication).</translation>
    </message>
    <message>
        <source>systemd does not run on this computer. To publish every morning, add this line with crontab -e; it is in this computer&apos;s time zone:

%1

The job needs the password in a file only you can read (--secret-file FILE) or an SSH key.</source>
        <translation>systemd ne fonctionne pas sur cet ordinateur. Pour publier chaque matin, ajoutez cette ligne avec crontab -e ; elle est dans le fuseau horaire de cet ordinateur :

%1

La tâche a besoin du mot de passe dans un fichier que vous seul pouvez lire (--secret-file FILE) ou d’une clé SSH.</translation>
    </message>
    <message>
        <source>To share it, give its public address in Options and publish again: the page&apos;s link previews name it too.</source>
        <translation>Pour le partager, indiquez son adresse publique dans les Options, puis publiez de nouveau&#xa0;: les aperçus de lien de la page la donnent aussi.</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Ouvrir dans le navigateur</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Partager…</translation>
    </message>
</context>
<context>
    <name>ConvertisseurImage</name>
    <message>
        <source>The converted picture of %1 cannot be written: %2.</source>
        <translation>L’image convertie de %1 ne peut pas être écrite&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be encoded as JPEG.</source>
        <translation>L’image %1 ne peut pas être encodée en JPEG.</translation>
    </message>
</context>
<context>
    <name>EcritureFichier</name>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Le fichier %1 ne peut pas être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Le fichier %1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>EntetePage</name>
    <message>
        <source>The page %1 cannot be read: %2.</source>
        <translation>La page %1 ne peut pas être lue&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The page %1 has no head to write the title into.</source>
        <translation>La page %1 n’a pas d’en-tête où écrire le titre.</translation>
    </message>
</context>
<context>
    <name>FenetreEdition</name>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>PHOTO</source>
        <translation>PHOTO</translation>
    </message>
    <message>
        <source>MUSIC</source>
        <translation>MUSIQUE</translation>
    </message>
    <message>
        <source>VIDEO</source>
        <translation>VIDÉO</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>MESSAGE</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Write the day&apos;s message here.</source>
        <translation>Écrivez ici le message du jour.</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>Jour %1</translation>
    </message>
    <message>
        <source>No preview available</source>
        <translation>Aucun aperçu disponible</translation>
    </message>
    <message>
        <source>1 character left</source>
        <translation>Encore 1 caractère</translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation>Encore %1 caractères</translation>
    </message>
    <message>
        <source>1 character too many</source>
        <translation>1 caractère de trop</translation>
    </message>
    <message>
        <source>%1 characters too many</source>
        <translation>%1 caractères de trop</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>The message holds an invisible control character that a calendar file cannot store. Remove it, or type the text again.</source>
        <translation>Le message contient un caractère de contrôle invisible qu’un fichier de calendrier ne peut pas enregistrer. Supprimez-le ou retapez le texte.</translation>
    </message>
</context>
<context>
    <name>FenetreNouveau</name>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Letters and digits, e.g. Advent2026</source>
        <translation>Lettres et chiffres, p.&#xa0;ex. Avent2026</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>The name may hold only the letters A to Z (no accents) and the digits 0 to 9.</source>
        <translation>Le nom ne peut contenir que les lettres A à Z (sans accents) et les chiffres 0 à 9.</translation>
    </message>
    <message>
        <source>Please enter a name for the project and a working directory.</source>
        <translation>Indiquez un nom pour le projet et un dossier de travail.</translation>
    </message>
    <message>
        <source>Please enter a correct name for the project (must contain only letters and numbers).</source>
        <translation>Indiquez un nom de projet valide (uniquement des lettres et des chiffres).</translation>
    </message>
    <message>
        <source>Select the working directory</source>
        <translation>Choisir le dossier de travail</translation>
    </message>
    <message>
        <source>A calendar with this name already exists in this directory. 
Replace it?</source>
        <translation>Un calendrier de ce nom existe déjà dans ce dossier. 
Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>The working directory %1 does not exist or is not a folder.</source>
        <translation>Le dossier de travail %1 n’existe pas ou n’en est pas un.</translation>
    </message>
</context>
<context>
    <name>FenetreOptions</name>
    <message>
        <source>Calendar options</source>
        <translation>Options du calendrier</translation>
    </message>
    <message>
        <source>Past days stay open</source>
        <translation>Les jours passés restent ouverts</translation>
    </message>
    <message>
        <source>A visitor who missed a day can still open it later.</source>
        <translation>Qui a manqué un jour peut encore l’ouvrir plus tard.</translation>
    </message>
    <message>
        <source>Days open in:</source>
        <translation>Les jours s’ouvrent&#xa0;:</translation>
    </message>
    <message>
        <source>Time zone:</source>
        <translation>Fuseau horaire&#xa0;:</translation>
    </message>
    <message>
        <source>Each visitor&apos;s own clock</source>
        <translation>L’horloge de chaque visiteur</translation>
    </message>
    <message>
        <source>Number of days:</source>
        <translation>Nombre de jours&#xa0;:</translation>
    </message>
    <message>
        <source>Starts on:</source>
        <translation>Commence le&#xa0;:</translation>
    </message>
    <message>
        <source>Day 1 opens on this date, day 2 the day after, and so on. Unchecked, the balls follow the days of the month.</source>
        <translation>Le jour 1 s’ouvre à cette date, le jour 2 le lendemain, et ainsi de suite. Sans cette case, les boules suivent les jours du mois.</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Chaque année</translation>
    </message>
    <message>
        <source>Language of the page:</source>
        <translation>Langue de la page&#xa0;:</translation>
    </message>
    <message>
        <source>https://example.org/calendar/</source>
        <translation>https://example.org/calendrier/</translation>
    </message>
    <message>
        <source>Shuffle the balls</source>
        <translation>Mélanger les boules</translation>
    </message>
    <message>
        <source>The numbers are dealt over the balls&apos; places in an order of their own, the same at every generation.</source>
        <translation>Les numéros sont répartis sur les places des boules dans un ordre qui leur est propre, le même à chaque génération.</translation>
    </message>
    <message>
        <source>Publish files exactly as chosen</source>
        <translation>Publier les fichiers tels quels</translation>
    </message>
    <message>
        <source>Copy every picture, sound and video byte for byte instead of making it lighter for the web.</source>
        <translation>Copier chaque image, son et vidéo octet pour octet au lieu de les alléger pour le Web.</translation>
    </message>
    <message>
        <source>Any month</source>
        <translation>N’importe quel mois</translation>
    </message>
    <message>
        <source>%1 only</source>
        <translation>En %1 seulement</translation>
    </message>
    <message>
        <source>“%1” is not a time zone this computer knows.
Give a name such as Europe/Paris, or leave the field empty for each visitor’s own clock.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fuseau horaire connu de cet ordinateur.
Indiquez un nom comme Europe/Paris, ou laissez le champ vide pour suivre l’horloge de chaque visiteur.</translation>
    </message>
    <message>
        <source>“%1” is not the address of a web page.
Give the whole address, starting with https:// or http://, or leave the field empty.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas l’adresse d’une page Web.
Indiquez l’adresse complète, commençant par https:// ou http://, ou laissez le champ vide.</translation>
    </message>
    <message>
        <source>Look of the page:</source>
        <translation>Apparence de la page&#xa0;:</translation>
    </message>
    <message>
        <source>Background picture:</source>
        <translation>Image de fond&#xa0;:</translation>
    </message>
    <message>
        <source>None: the theme&apos;s sky</source>
        <translation>Aucune&#xa0;: le ciel du thème</translation>
    </message>
    <message>
        <source>Your own picture behind the balls, shown as it is. It is published in two crops, for tall and for wide screens.</source>
        <translation>Votre propre image derrière les boules, montrée telle quelle. Elle est publiée en deux recadrages, pour les écrans hauts et pour les écrans larges.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Show the calendar&apos;s name on the page</source>
        <translation>Afficher le nom du calendrier sur la page</translation>
    </message>
    <message>
        <source>“%1” is not a picture this computer can read.
Choose a photo, or leave the field empty for the theme’s own sky.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une image que cet ordinateur sait lire.
Choisissez une photo, ou laissez le champ vide pour le ciel du thème.</translation>
    </message>
    <message>
        <source>Select a background picture</source>
        <translation>Choisir une image de fond</translation>
    </message>
    <message>
        <source>Publish to:</source>
        <translation>Publier vers :</translation>
    </message>
    <message>
        <source>sftp://user@host/~/www/calendar</source>
        <translation>sftp://utilisateur@hote/~/www/calendrier</translation>
    </message>
    <message>
        <source>sftp://USER@HOST/PATH, ftps://USER@HOST/PATH (FTP with TLS), davs://USER@HOST/PATH (WebDAV over HTTPS) or s3://ACCESS_KEY_ID@HOST/BUCKET/PREFIX?region=REGION. Passwords are never kept here: Publish asks for them and keeps them in the system keyring.</source>
        <translation>sftp://UTILISATEUR@HÔTE/CHEMIN, ftps://UTILISATEUR@HÔTE/CHEMIN (FTP avec TLS), davs://UTILISATEUR@HÔTE/CHEMIN (WebDAV sur HTTPS) ou s3://ID_CLÉ_ACCÈS@HÔTE/COMPARTIMENT/PRÉFIXE?region=RÉGION. Les mots de passe ne sont jamais gardés ici : Publier les demande et les garde dans le trousseau du système.</translation>
    </message>
    <message>
        <source>“%1” is not a publishing address.
Give one such as sftp://user@host/~/www, ftps://user@host/www, davs://host/www or s3://KEY@host/bucket?region=us-east-1, without a password, or leave the field empty.</source>
        <translation>« %1 » n’est pas une adresse de publication.
Donnez-en une comme sftp://utilisateur@hote/~/www, ftps://utilisateur@hote/www, davs://hote/www ou s3://CLE@hote/compartiment?region=us-east-1, sans mot de passe, ou laissez le champ vide.</translation>
    </message>
    <message>
        <source>Private: visitors need a password</source>
        <translation>Privé&#xa0;: les visiteurs ont besoin d’un mot de passe</translation>
    </message>
    <message>
        <source>Every day&apos;s picture, sound, video and message is encrypted in the site; the page asks for the password.</source>
        <translation>L’image, le son, la vidéo et le message de chaque jour sont chiffrés dans le site&#xa0;; la page demande le mot de passe.</translation>
    </message>
    <message>
        <source>Keep it in the keyring</source>
        <translation>Le garder dans le trousseau</translation>
    </message>
    <message>
        <source>Otherwise the password is asked at each generation.</source>
        <translation>Sinon le mot de passe est demandé à chaque génération.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Again:</source>
        <translation>Encore&#xa0;:</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inchangé</translation>
    </message>
    <message>
        <source>Type the password visitors will need, twice.</source>
        <translation>Tapez deux fois le mot de passe dont les visiteurs auront besoin.</translation>
    </message>
    <message>
        <source>The two passwords differ. Type the same password twice.</source>
        <translation>Les deux mots de passe diffèrent. Tapez deux fois le même mot de passe.</translation>
    </message>
    <message>
        <source>The password will be asked at each generation.</source>
        <translation>Le mot de passe sera demandé à chaque génération.</translation>
    </message>
    <message>
        <source>Public address:</source>
        <translation>Adresse publique&#xa0;:</translation>
    </message>
    <message>
        <source>Where visitors open the calendar once it is published. The Share card, the QR code and the page&apos;s link previews give this address.</source>
        <translation>Là où les visiteurs ouvrent le calendrier une fois publié. La carte de partage, le code QR et les aperçus de lien de la page donnent cette adresse.</translation>
    </message>
    <message>
        <source>Recovery code</source>
        <translation>Code de secours</translation>
    </message>
    <message>
        <source>The code shown when the doors were locked: it goes on with this calendar&apos;s keys on another computer.</source>
        <translation>Le code affiché quand les portes ont été verrouillées : il reprend les clés de ce calendrier sur un autre ordinateur.</translation>
    </message>
    <message>
        <source>Doors open only on their day, for real</source>
        <translation>Portes ouvertes le jour venu, pour de vrai</translation>
    </message>
    <message>
        <source>Each day is encrypted under a key of its own, and the site holds only the keys of the days up to the one it was published on.</source>
        <translation>Chaque jour est chiffré sous sa propre clé, et le site ne contient que les clés des jours jusqu&apos;à celui de sa publication.</translation>
    </message>
    <message>
        <source>A time zone such as Europe/Paris makes every visitor&apos;s day change at the same midnight. Locked doors open with each morning&apos;s publish, or with the next one after a morning the computer is off.</source>
        <translation>Un fuseau horaire comme Europe/Paris fait changer le jour de tous les visiteurs au même minuit. Les portes verrouillées s&apos;ouvrent avec la publication de chaque matin, ou avec la suivante après un matin où l&apos;ordinateur était éteint.</translation>
    </message>
    <message>
        <source>Doors that open only on their day need a publishing address: each morning&apos;s publish brings that day&apos;s key.</source>
        <translation>Les portes qui ne s&apos;ouvrent que le jour venu demandent une adresse de publication : la publication de chaque matin apporte la clé du jour.</translation>
    </message>
    <message>
        <source>This is not a recovery code, or it is mistyped.</source>
        <translation>Ce n&apos;est pas un code de secours, ou il est mal tapé.</translation>
    </message>
    <message>
        <source>Keep this recovery code somewhere safe, away from this computer. On another computer, typed in Options (or given with --recovery-code-file), it goes on with this calendar&apos;s keys:

%1</source>
        <translation>Gardez ce code de secours en lieu sûr, ailleurs que sur cet ordinateur. Sur un autre ordinateur, tapé dans les Options (ou donné avec --recovery-code-file), il reprend les clés de ce calendrier :

%1</translation>
    </message>
</context>
<context>
    <name>FenetrePartage</name>
    <message>
        <source>Share the calendar</source>
        <translation>Partager le calendrier</translation>
    </message>
    <message>
        <source>Scan this code with a phone, or send the address:</source>
        <translation>Scannez ce code avec un téléphone, ou envoyez l’adresse&#xa0;:</translation>
    </message>
    <message>
        <source>QR code of the calendar&apos;s address</source>
        <translation>Code QR de l’adresse du calendrier</translation>
    </message>
    <message>
        <source>Address of the published page</source>
        <translation>Adresse de la page publiée</translation>
    </message>
    <message>
        <source>&amp;Copy address</source>
        <translation>&amp;Copier l’adresse</translation>
    </message>
    <message>
        <source>Save &amp;QR code...</source>
        <translation>Enregistrer le code &amp;QR…</translation>
    </message>
    <message>
        <source>Save c&amp;ard...</source>
        <translation>Enregistrer la c&amp;arte…</translation>
    </message>
    <message>
        <source>An A6 card to print, with the calendar&apos;s name and this QR code.</source>
        <translation>Une carte A6 à imprimer, avec le nom du calendrier et ce code QR.</translation>
    </message>
    <message>
        <source>Save the QR code</source>
        <translation>Enregistrer le code QR</translation>
    </message>
    <message>
        <source>The QR code cannot be saved in %1.</source>
        <translation>Le code QR ne peut pas être enregistré dans %1.</translation>
    </message>
    <message>
        <source>Save the card</source>
        <translation>Enregistrer la carte</translation>
    </message>
    <message>
        <source>Add a code for the &amp;reminders to the card</source>
        <translation>Ajouter à la carte un code pour les &amp;rappels</translation>
    </message>
    <message>
        <source>A second, smaller code that adds a reminder of each day to a phone&apos;s calendar.</source>
        <translation>Un second code, plus petit, qui ajoute un rappel de chaque jour à l’agenda d’un téléphone.</translation>
    </message>
    <message>
        <source>Put the key in the link and the card: they open without the password</source>
        <translation>Mettre la clé dans le lien et la carte&#xa0;: ils ouvrent sans le mot de passe</translation>
    </message>
    <message>
        <source>Whoever holds this link or card can open the calendar.</source>
        <translation>Quiconque détient ce lien ou cette carte peut ouvrir le calendrier.</translation>
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
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Générer…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Nouveau…</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Options…</translation>
    </message>
    <message>
        <source>Calendar options: which days the page opens</source>
        <translation>Options du calendrier&#xa0;: les jours que la page ouvre</translation>
    </message>
    <message>
        <source>Size: %1 %2</source>
        <translation>Taille&#xa0;: %1&#xa0;%2</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them. 
Quit anyway?</source>
        <translation>Vos modifications seront perdues si vous ne les enregistrez pas. 
Quitter quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them. 
Create new anyway?</source>
        <translation>Vos modifications seront perdues si vous ne les enregistrez pas. 
Créer un nouveau calendrier quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them. 
Open anyway?</source>
        <translation>Vos modifications seront perdues si vous ne les enregistrez pas. 
Ouvrir quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Select a calendar</source>
        <translation>Choisir un calendrier</translation>
    </message>
    <message>
        <source>Error opening the calendar.</source>
        <translation>Erreur à l’ouverture du calendrier.</translation>
    </message>
    <message>
        <source>Their days are marked in the calendar.</source>
        <translation>Leurs jours sont signalés dans le calendrier.</translation>
    </message>
    <message>
        <source>Error saving the calendar: the file name of day %1 holds a character that a calendar file cannot store. Rename the file and choose it again.</source>
        <translation>Erreur à l’enregistrement du calendrier&#xa0;: le nom du fichier du jour %1 contient un caractère qu’un fichier de calendrier ne peut pas enregistrer. Renommez le fichier et choisissez-le de nouveau.</translation>
    </message>
    <message>
        <source>Error saving the calendar: its name holds a character that a calendar file cannot store.</source>
        <translation>Erreur à l’enregistrement du calendrier&#xa0;: son nom contient un caractère qu’un fichier de calendrier ne peut pas enregistrer.</translation>
    </message>
    <message>
        <source>Error saving the calendar.</source>
        <translation>Erreur à l’enregistrement du calendrier.</translation>
    </message>
    <message>
        <source>This calendar holds days outside 1 to %1 (%2). They are neither shown nor published, and they stay in the file when you save.</source>
        <translation>Ce calendrier contient des jours hors de 1 à %1 (%2). Ils ne sont ni affichés ni publiés, et restent dans le fichier à l’enregistrement.</translation>
    </message>
    <message>
        <source> (converting media...)</source>
        <translation> (conversion des médias…)</translation>
    </message>
    <message>
        <source> [read-only]</source>
        <translation> [lecture seule]</translation>
    </message>
    <message>
        <source>Save the calendar as</source>
        <translation>Enregistrer le calendrier sous</translation>
    </message>
    <message>
        <source>Doors that open only on their day open with each morning&apos;s publish. Publish every morning now?</source>
        <translation>Les portes qui ne s&apos;ouvrent que le jour venu s&apos;ouvrent avec la publication de chaque matin. Publier chaque matin dès maintenant ?</translation>
    </message>
</context>
<context>
    <name>FichierOrdinaire</name>
    <message>
        <source>nothing</source>
        <translation>un chemin qui ne mène à rien</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>un tube nommé (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation>un fichier ordinaire</translation>
    </message>
    <message>
        <source>The file %1 cannot be found.</source>
        <translation>Le fichier %1 est introuvable.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (it is %2).</source>
        <translation>%1 n’est pas un fichier ordinaire (c’est %2).</translation>
    </message>
    <message>
        <source>%1 is a directory, not a file.</source>
        <translation>%1 est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Le fichier %1 ne peut pas être ouvert&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>FichierProjet</name>
    <message>
        <source>%1 is an XML file but not a calendar: its root element is &lt;%2&gt;.</source>
        <translation>%1 est un fichier XML, mais pas un calendrier&#xa0;: son élément racine est &lt;%2&gt;.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Le fichier %1 ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Le fichier %1 ne peut pas être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The calendar cannot be written: it holds a character that a calendar file cannot carry.</source>
        <translation>Le calendrier ne peut pas être écrit : il contient un caractère qu’un fichier de calendrier ne peut pas porter.</translation>
    </message>
    <message>
        <source>The calendar cannot be written: %1.</source>
        <translation>Le calendrier ne peut pas être écrit&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>FondPage</name>
    <message>
        <source>The background picture %1 cannot be read: %2.</source>
        <translation>L’image de fond %1 ne peut pas être lue&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The background picture %1 cannot be converted.</source>
        <translation>L’image de fond %1 ne peut pas être convertie.</translation>
    </message>
    <message>
        <source>The background picture cannot be written into %1: %2.</source>
        <translation>L’image de fond ne peut pas être écrite dans %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>GenerationSite</name>
    <message>
        <source>Day %1 has no media file.</source>
        <translation>Le jour %1 n’a aucun fichier média.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be found.</source>
        <translation>Jour %1&#xa0;: le fichier %2 est introuvable.</translation>
    </message>
    <message>
        <source>The calendar&apos;s template cannot be copied into %1: %2.</source>
        <translation>Le modèle du calendrier ne peut pas être copié dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The page&apos;s scripts cannot be written in %1.</source>
        <translation>Les scripts de la page ne peuvent pas être écrits dans %1.</translation>
    </message>
    <message>
        <source>The generation was stopped; %1 was left as it was.</source>
        <translation>La génération a été interrompue&#xa0;; %1 est resté tel quel.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be read: %3.</source>
        <translation>Jour %1&#xa0;: le fichier %2 est illisible&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be copied into %3: %4.</source>
        <translation>Jour %1&#xa0;: le fichier %2 ne peut pas être copié dans %3&#xa0;: %4.</translation>
    </message>
    <message>
        <source>The page cannot be written in %1.</source>
        <translation>La page ne peut pas être écrite dans %1.</translation>
    </message>
    <message>
        <source>Day %1: %2 is not a regular file (it is %3).</source>
        <translation>Jour %1&#xa0;: %2 n’est pas un fichier ordinaire (c’est %3).</translation>
    </message>
    <message>
        <source>Day %1: %2 is a system file, not a media file.</source>
        <translation>Jour %1&#xa0;: %2 est un fichier système, pas un fichier média.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 does not hold as many bytes as its size says; it is not a media file.</source>
        <translation>Jour %1&#xa0;: le fichier %2 ne contient pas autant d’octets que l’indique sa taille&#xa0;; ce n’est pas un fichier média.</translation>
    </message>
    <message>
        <source>The page&apos;s scripts cannot be written in %1: %2.</source>
        <translation>Les scripts de la page ne peuvent pas être écrits dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Day %1: %2 is not a picture, a sound or a video.</source>
        <translation>Jour %1&#xa0;: %2 n’est ni une image, ni un son, ni une vidéo.</translation>
    </message>
    <message>
        <source>Day %1: the picture %2 is damaged: it ends before its last part.</source>
        <translation>Jour %1&#xa0;: l’image %2 est endommagée&#xa0;: elle s’arrête avant sa fin.</translation>
    </message>
    <message>
        <source>%1 changed since it was checked: it now holds files that tinselbox did not generate, which are left as they are.</source>
        <translation>%1 a changé depuis sa vérification&#xa0;: il contient maintenant des fichiers que tinselbox n’a pas générés, qui sont laissés tels quels.</translation>
    </message>
    <message>
        <source>The page cannot be written in %1: %2.</source>
        <translation>La page ne peut pas être écrite dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be copied to %2: %3.</source>
        <translation>%1 ne peut pas être copié vers %2&#xa0;: %3.</translation>
    </message>
</context>
<context>
    <name>GenreMedia</name>
    <message>
        <source>PHOTO</source>
        <translation>PHOTO</translation>
    </message>
    <message>
        <source>This file does not look like a picture. The page may not be able to show it. Keep it anyway?</source>
        <translation>Ce fichier ne ressemble pas à une image. La page ne pourra peut-être pas l’afficher. Le garder quand même&#xa0;?</translation>
    </message>
    <message>
        <source>MUSIC</source>
        <translation>MUSIQUE</translation>
    </message>
    <message>
        <source>This file does not look like a piece of music. The page may not be able to play it. Keep it anyway?</source>
        <translation>Ce fichier ne ressemble pas à un morceau de musique. La page ne pourra peut-être pas le lire. Le garder quand même&#xa0;?</translation>
    </message>
    <message>
        <source>VIDEO</source>
        <translation>VIDÉO</translation>
    </message>
    <message>
        <source>This file does not look like a video. The page may not be able to play it. Keep it anyway?</source>
        <translation>Ce fichier ne ressemble pas à une vidéo. La page ne pourra peut-être pas la lire. Le garder quand même&#xa0;?</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>MESSAGE</translation>
    </message>
</context>
<context>
    <name>ImageApercu</name>
    <message>
        <source>The link preview picture %1 cannot be encoded as PNG.</source>
        <translation>L’image d’aperçu du lien %1 ne peut pas être encodée en PNG.</translation>
    </message>
</context>
<context>
    <name>ImportFichiers</name>
    <message>
        <source>This text file is empty or cannot be read:
%1</source>
        <translation>Ce fichier texte est vide ou illisible&#xa0;:
%1</translation>
    </message>
    <message>
        <source>A message holds at most %1 characters of plain text; this file cannot become one:
%2</source>
        <translation>Un message contient au plus %1 caractères de texte brut&#xa0;; ce fichier ne peut pas en devenir un&#xa0;:
%2</translation>
    </message>
    <message>
        <source>The content of this file is of no kind a day can hold:
%1</source>
        <translation>Le contenu de ce fichier n’est d’aucun type qu’un jour peut contenir&#xa0;:
%1</translation>
    </message>
    <message>
        <source>These days already hold a media: %1. 
Replace them?</source>
        <translation>Ces jours contiennent déjà un média&#xa0;: %1. 
Les remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>No media file was found to import.</source>
        <translation>Aucun fichier média à importer n’a été trouvé.</translation>
    </message>
    <message>
        <source>Files given no day: %1.</source>
        <translation>Fichiers sans jour attribué&#xa0;: %1.</translation>
    </message>
    <message>
        <source>These files were given no day:
%1</source>
        <translation>Ces fichiers n’ont reçu aucun jour&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Files of no kind a day can hold, left out: %1.</source>
        <translation>Fichiers laissés de côté, d’aucun type qu’un jour peut contenir&#xa0;: %1.</translation>
    </message>
    <message>
        <source>These files are of no kind a day can hold and were left out:
%1</source>
        <translation>Ces fichiers ne sont d’aucun type qu’un jour peut contenir et ont été laissés de côté&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Select a folder to import</source>
        <translation>Choisir un dossier à importer</translation>
    </message>
</context>
<context>
    <name>InstantApercu</name>
    <message>
        <source>&quot;%1&quot; is not a date and time of the form %2</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une date et heure de la forme %2</translation>
    </message>
</context>
<context>
    <name>LecteurProjet</name>
    <message>
        <source>%1 cannot be opened: the message of day %2 is longer than %3 characters, the most a day can hold.</source>
        <translation>Impossible d’ouvrir %1&#xa0;: le message du jour %2 dépasse %3 caractères, le maximum qu’un jour peut contenir.</translation>
    </message>
    <message>
        <source>%1 is not a well-formed XML file (line %2, column %3: %4).</source>
        <translation>%1 n’est pas un fichier XML bien formé (ligne %2, colonne %3&#xa0;: %4).</translation>
    </message>
    <message>
        <source>%1 is not a calendar file: it holds a document type, or more nesting, attributes or elements than a calendar file has.</source>
        <translation>%1 n’est pas un fichier de calendrier&#xa0;: il contient une déclaration de type de document, ou plus d’imbrications, d’attributs ou d’éléments qu’un fichier de calendrier n’en compte.</translation>
    </message>
    <message>
        <source>%1 is not a well-formed XML file: it ends too soon.</source>
        <translation>%1 n’est pas un fichier XML bien formé&#xa0;: il s’arrête trop tôt.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the calendar&apos;s name is longer than %2 characters, the most a name can hold.</source>
        <translation>%1 ne peut pas être ouvert&#xa0;: le nom du calendrier dépasse %2&#xa0;caractères, le maximum pour un nom.</translation>
    </message>
</context>
<context>
    <name>LigneCommande</name>
    <message>
        <source>Builds a web calendar of up to 31 days and generates its site.
Without an option, opens the editor, with the calendar FILE if given.</source>
        <translation>Construit un calendrier Web de 31 jours au plus et génère son site.
Sans option, ouvre l’éditeur, avec le calendrier FILE s’il est donné.</translation>
    </message>
    <message>
        <source>A calendar project file (.xml).</source>
        <translation>Un fichier de projet de calendrier (.xml).</translation>
    </message>
    <message>
        <source>Generate the site of FILE into the directory DIR, without a display.</source>
        <translation>Génère le site de FILE dans le dossier DIR, sans affichage.</translation>
    </message>
    <message>
        <source>Generate the preview of FILE into tmp/ beside it and open it in the browser.</source>
        <translation>Génère l’aperçu de FILE dans tmp/ à côté de lui et l’ouvre dans le navigateur.</translation>
    </message>
    <message>
        <source>Check FILE: its media, its days and the estimated site size.</source>
        <translation>Vérifie FILE&#xa0;: ses médias, ses jours et la taille estimée du site.</translation>
    </message>
    <message>
        <source>Erase a non-empty DIR that holds no generated site, instead of refusing it.</source>
        <translation>Efface un DIR non vide qui ne contient aucun site généré, au lieu de le refuser.</translation>
    </message>
    <message>
        <source>With --generate: print no progress.</source>
        <translation>Avec --generate&#xa0;: n’affiche pas la progression.</translation>
    </message>
    <message>
        <source>no display to open the editor on; --generate and --check need none</source>
        <translation>aucun affichage où ouvrir l’éditeur&#xa0;; --generate et --check n’en ont pas besoin</translation>
    </message>
    <message>
        <source>--generate needs a calendar FILE and a directory DIR</source>
        <translation>--generate demande un calendrier FILE et un dossier DIR</translation>
    </message>
    <message>
        <source>%1 needs one calendar FILE</source>
        <translation>%1 demande un calendrier FILE</translation>
    </message>
    <message>
        <source>the editor opens one calendar FILE at most</source>
        <translation>l’éditeur ouvre un seul calendrier FILE au plus</translation>
    </message>
    <message>
        <source>a message</source>
        <translation>un message</translation>
    </message>
    <message>
        <source>Day %1: %2</source>
        <translation>Jour %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Generated the calendar in %1</source>
        <translation>Calendrier généré dans %1</translation>
    </message>
    <message>
        <source>Estimated site size: %1 (%2 bytes)</source>
        <translation>Taille estimée du site&#xa0;: %1 (%2&#xa0;octets)</translation>
    </message>
    <message numerus="yes">
        <source>%1: cannot be generated, %n problem(s) listed above</source>
        <translation>
            <numerusform>%1&#xa0;: génération impossible, %n problème signalé ci-dessus</numerusform>
            <numerusform>%1&#xa0;: génération impossible, %n problèmes signalés ci-dessus</numerusform>
        </translation>
    </message>
    <message>
        <source>The calendar can be generated.</source>
        <translation>Le calendrier peut être généré.</translation>
    </message>
    <message>
        <source>With --generate: the directory that receives the site; with --card: the PDF file.</source>
        <translation>Avec --generate&#xa0;: le dossier qui reçoit le site&#xa0;; avec --card&#xa0;: le fichier PDF.</translation>
    </message>
    <message>
        <source>Write to OUT.pdf the printable card of FILE: its name and the QR code of its address.</source>
        <translation>Écrit dans OUT.pdf la carte à imprimer de FILE&#xa0;: son nom et le code QR de son adresse.</translation>
    </message>
    <message>
        <source>--card needs a calendar FILE and a PDF file OUT.pdf</source>
        <translation>--card demande un calendrier FILE et un fichier PDF OUT.pdf</translation>
    </message>
    <message>
        <source>Converted day %1 (%2 of %3)</source>
        <translation>Jour %1 converti (%2 sur %3)</translation>
    </message>
    <message>
        <source>Calendar &quot;%1&quot;: %2 of %3 days have content.</source>
        <translation>Calendrier «&#xa0;%1&#xa0;»&#xa0;: %2 jours sur %3 ont un contenu.</translation>
    </message>
    <message>
        <source>Days without content: %1.</source>
        <translation>Jours sans contenu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Day %1: outside 1 to %2, the page never shows it.</source>
        <translation>Jour %1&#xa0;: hors de 1 à %2, la page ne l’affiche jamais.</translation>
    </message>
    <message>
        <source>Day %1: %2 will not play in every browser; installing ffmpeg converts it.</source>
        <translation>Jour %1&#xa0;: %2 ne sera pas lu par tous les navigateurs&#xa0;; installer ffmpeg permet de le convertir.</translation>
    </message>
    <message>
        <source>Estimated site size: %1 (%2 bytes), before converting the media</source>
        <translation>Taille estimée du site&#xa0;: %1 (%2&#xa0;octets), avant conversion des médias</translation>
    </message>
    <message>
        <source>the preview is ready in %1, but no browser could be opened to show it</source>
        <translation>l’aperçu est prêt dans %1, mais aucun navigateur n’a pu être ouvert pour l’afficher</translation>
    </message>
    <message>
        <source>The file does not follow the calendar&apos;s schema: what this version does not know is left out.</source>
        <translation>Le fichier ne suit pas le schéma du calendrier&#xa0;: ce que cette version ne connaît pas est laissé de côté.</translation>
    </message>
    <message>
        <source>stopped by %1; %2 was left as it was.</source>
        <translation>arrêté par %1&#xa0;; %2 a été laissé tel quel.</translation>
    </message>
    <message>
        <source>%1 (see --help)</source>
        <translation>%1 (voir --help)</translation>
    </message>
    <message>
        <source>%1 is not empty and holds no site that tinselbox generated; --force erases its contents.</source>
        <translation>%1 n’est pas vide et ne contient aucun site généré par tinselbox ; --force efface son contenu.</translation>
    </message>
    <message>
        <source>Convert, generate and publish FILE to its publishing address, sending only what changed.</source>
        <translation>Convertir, générer et publier FILE à son adresse de publication, en n’envoyant que ce qui a changé.</translation>
    </message>
    <message>
        <source>With --publish: list what would be sent and deleted, change nothing.</source>
        <translation>Avec --publish : lister ce qui serait envoyé et supprimé, sans rien changer.</translation>
    </message>
    <message>
        <source>With --publish: read the password or S3 secret key from FILE, which only its owner may read.</source>
        <translation>Avec --publish : lire le mot de passe ou la clé secrète S3 dans FILE, que seul son propriétaire peut lire.</translation>
    </message>
    <message>
        <source>With --publish: also trust the certificate authority in FILE (a server with its own certificate).</source>
        <translation>Avec --publish : faire aussi confiance à l’autorité de certification de FILE (un serveur avec son propre certificat).</translation>
    </message>
    <message>
        <source>With --publish: trust the SFTP server whose host key has this fingerprint, and remember it.</source>
        <translation>Avec --publish : faire confiance au serveur SFTP dont la clé d’hôte a cette empreinte, et s’en souvenir.</translation>
    </message>
    <message>
        <source>choose one of --generate, --preview, --check, --card and --publish</source>
        <translation>choisissez une seule option parmi --generate, --preview, --check, --card et --publish</translation>
    </message>
    <message>
        <source>--force goes with --generate, --preview or --publish</source>
        <translation>--force va avec --generate, --preview ou --publish</translation>
    </message>
    <message>
        <source>--quiet goes with --generate or --publish</source>
        <translation>--quiet va avec --generate ou --publish</translation>
    </message>
    <message>
        <source>--dry-run, --secret-file, --ca-file and --accept-host-key go with --publish</source>
        <translation>--dry-run, --secret-file, --ca-file et --accept-host-key vont avec --publish</translation>
    </message>
    <message>
        <source>--secret-file FILE gives the password instead.</source>
        <translation>--secret-file FILE donne le mot de passe à la place.</translation>
    </message>
    <message>
        <source>no password for %1: give --secret-file FILE (a file only you can read), or keep it in the keyring from the editor&apos;s Publish</source>
        <translation>aucun mot de passe pour %1 : donnez --secret-file FILE (un fichier que vous seul pouvez lire), ou gardez-le dans le trousseau depuis Publier dans l’éditeur</translation>
    </message>
    <message>
        <source>%1: the calendar has no publishing address; set one in the editor&apos;s Options</source>
        <translation>%1 : le calendrier n’a pas d’adresse de publication ; indiquez-en une dans les Options de l’éditeur</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>Supprimé : %1</translation>
    </message>
    <message>
        <source>Sent %1 (%2)</source>
        <translation>Envoyé : %1 (%2)</translation>
    </message>
    <message>
        <source> To trust it, publish again with --accept-host-key %1</source>
        <translation> Pour lui faire confiance, publiez à nouveau avec --accept-host-key %1</translation>
    </message>
    <message>
        <source> --force publishes beside them.</source>
        <translation> --force publie à côté d’eux.</translation>
    </message>
    <message>
        <source>would send %1</source>
        <translation>enverrait %1</translation>
    </message>
    <message>
        <source>would delete %1</source>
        <translation>supprimerait %1</translation>
    </message>
    <message>
        <source>Dry run: %1 file(s) to send (%2), %3 to delete, %4 unchanged.</source>
        <translation>Essai à blanc : %1 fichier(s) à envoyer (%2), %3 à supprimer, %4 inchangé(s).</translation>
    </message>
    <message>
        <source>Published to %1: %2 file(s) sent (%3), %4 deleted, %5 unchanged.</source>
        <translation>Publié vers %1 : %2 fichier(s) envoyé(s) (%3), %4 supprimé(s), %5 inchangé(s).</translation>
    </message>
    <message>
        <source>With --preview: show the page as a visitor sees it at MOMENT (YYYY-MM-DDTHH:MM, in the calendar&apos;s time zone).</source>
        <translation>Avec --preview&#xa0;: afficher la page telle qu’un visiteur la voit à MOMENT (YYYY-MM-DDTHH:MM, dans le fuseau horaire du calendrier).</translation>
    </message>
    <message>
        <source>--date goes with --preview</source>
        <translation>--date va avec --preview</translation>
    </message>
    <message>
        <source>With --generate, --check or --publish: read a private calendar&apos;s password from FILE, which only you may read.</source>
        <translation>Avec --generate, --check ou --publish&#xa0;: lire le mot de passe d’un calendrier privé dans FILE, que vous seul pouvez lire.</translation>
    </message>
    <message>
        <source>--password-file goes with --generate, --check or --publish</source>
        <translation>--password-file va avec --generate, --check ou --publish</translation>
    </message>
    <message>
        <source>The calendar is private: --password-file checks its password too.</source>
        <translation>Le calendrier est privé&#xa0;: --password-file vérifie aussi son mot de passe.</translation>
    </message>
    <message>
        <source>The password is the calendar&apos;s.</source>
        <translation>Le mot de passe est celui du calendrier.</translation>
    </message>
    <message>
        <source>the calendar is private: give its password with --password-file FILE</source>
        <translation>le calendrier est privé&#xa0;: donnez son mot de passe avec --password-file FILE</translation>
    </message>
    <message>
        <source>%1: the calendar has no address to put on a card; set “Public address” in the editor’s Options</source>
        <translation>%1&#xa0;: le calendrier n’a pas d’adresse à mettre sur une carte&#xa0;; indiquez «&#xa0;Adresse publique&#xa0;» dans les options de l’éditeur</translation>
    </message>
    <message>
        <source>With --generate, --check or --publish: go on with the key chain of a calendar whose doors open only on their day, from the recovery code in FILE, which only you may read.</source>
        <translation>Avec --generate, --check ou --publish : reprendre la chaîne de clés d&apos;un calendrier dont les portes ne s&apos;ouvrent que le jour venu, à partir du code de secours dans FILE, que vous seul pouvez lire.</translation>
    </message>
    <message>
        <source>--recovery-code-file goes with --generate, --check or --publish</source>
        <translation>--recovery-code-file va avec --generate, --check ou --publish</translation>
    </message>
    <message>
        <source>--recovery-code-file: this calendar&apos;s doors do not open only on their day</source>
        <translation>--recovery-code-file : les portes de ce calendrier ne s&apos;ouvrent pas que le jour venu</translation>
    </message>
    <message>
        <source>--recovery-code-file: </source>
        <translation>--recovery-code-file : </translation>
    </message>
    <message>
        <source>--recovery-code-file: this is not a recovery code, or it is mistyped</source>
        <translation>--recovery-code-file : ce n&apos;est pas un code de secours, ou il est mal tapé</translation>
    </message>
    <message>
        <source>Doors open only on their day: a site made today opens none yet.</source>
        <translation>Les portes ne s&apos;ouvrent que le jour venu : un site fait aujourd&apos;hui n&apos;en ouvre encore aucune.</translation>
    </message>
    <message>
        <source>Doors open only on their day: a site made today opens days 1 to %1.</source>
        <translation>Les portes ne s&apos;ouvrent que le jour venu : un site fait aujourd&apos;hui ouvre les jours 1 à %1.</translation>
    </message>
    <message>
        <source>This computer keeps no key chain for this calendar: the next generation starts a new one, unless --recovery-code-file gives its recovery code.</source>
        <translation>Cet ordinateur ne garde aucune chaîne de clés pour ce calendrier : la prochaine génération en commence une nouvelle, sauf si --recovery-code-file donne son code de secours.</translation>
    </message>
    <message>
        <source>Publish every morning is not on: each door opens only when the site is generated or published again.</source>
        <translation>La publication chaque matin n&apos;est pas activée : chaque porte ne s&apos;ouvre que lorsque le site est de nouveau généré ou publié.</translation>
    </message>
    <message>
        <source>A door whose morning publish does not run (the computer was off) opens at the next publish.</source>
        <translation>Une porte dont la publication du matin n&apos;a pas lieu (ordinateur éteint) s&apos;ouvre à la publication suivante.</translation>
    </message>
</context>
<context>
    <name>ListeSite</name>
    <message>
        <source>%1 is not a regular file: a site holds only files and folders.</source>
        <translation>%1 n’est pas un fichier ordinaire : un site ne contient que des fichiers et des dossiers.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 ne peut pas être lu : %2.</translation>
    </message>
</context>
<context>
    <name>ManifesteSite</name>
    <message>
        <source>The directory %1 cannot be written: %2.</source>
        <translation>Impossible d’écrire dans le dossier %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>MenusFenetre</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nouveau…</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Import a folder...</source>
        <translation>Importer un dossier…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Langue…</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Calendrier</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options…</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>&amp;Generate...</source>
        <translation>&amp;Générer…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About tinselbox</source>
        <translation>À &amp;propos de tinselbox</translation>
    </message>
    <message>
        <source>&lt;h3&gt;tinselbox %1&lt;/h3&gt;&lt;p&gt;An editor for interactive web calendars of up to 31 days.&lt;/p&gt;&lt;p&gt;Released under the %2 licence.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;tinselbox %1&lt;/h3&gt;&lt;p&gt;Un éditeur de calendriers Web interactifs de 31 jours au plus.&lt;/p&gt;&lt;p&gt;Publié sous la licence %2.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>P&amp;ublish</source>
        <translation>P&amp;ublier</translation>
    </message>
    <message>
        <source>Preview on a &amp;date...</source>
        <translation>Aperçu à une &amp;date...</translation>
    </message>
    <message>
        <source>Publish every &amp;morning</source>
        <translation>Publier chaque &amp;matin</translation>
    </message>
</context>
<context>
    <name>MotDePassePrive</name>
    <message>
        <source>Password of this private calendar:</source>
        <translation>Mot de passe de ce calendrier privé&#xa0;:</translation>
    </message>
    <message>
        <source>Private calendar</source>
        <translation>Calendrier privé</translation>
    </message>
</context>
<context>
    <name>OutilFfmpeg</name>
    <message>
        <source>The conversion was stopped.</source>
        <translation>La conversion a été arrêtée.</translation>
    </message>
    <message>
        <source>ffmpeg failed: %1.</source>
        <translation>ffmpeg a échoué&#xa0;: %1.</translation>
    </message>
    <message>
        <source>ffmpeg is not installed.</source>
        <translation>ffmpeg n’est pas installé.</translation>
    </message>
    <message>
        <source>ffmpeg stopped with code %1.</source>
        <translation>ffmpeg s’est arrêté avec le code %1.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Your browser cannot show this calendar.</source>
        <translation>Votre navigateur ne peut pas afficher ce calendrier.</translation>
    </message>
    <message>
        <source>{n} numbered balls hanging above fir trees</source>
        <translation>{n} boules numérotées suspendues au-dessus des sapins</translation>
    </message>
    <message>
        <source>This is a preview: you can click on all days to test it.</source>
        <translation>Ceci est un aperçu&#xa0;: vous pouvez cliquer sur tous les jours pour l’essayer.</translation>
    </message>
    <message>
        <source>Day {n}</source>
        <translation>Jour {n}</translation>
    </message>
    <message>
        <source>Day {n} is open</source>
        <translation>Le jour {n} est ouvert</translation>
    </message>
    <message>
        <source>Day {n}, already opened</source>
        <translation>Jour {n}, déjà ouvert</translation>
    </message>
    <message>
        <source>{jour}, opens on {date}</source>
        <translation>{jour}, s’ouvre le {date}</translation>
    </message>
    <message>
        <source>{jour}, was open on {date}</source>
        <translation>{jour}, était ouvert le {date}</translation>
    </message>
    <message>
        <source>{jour}, stays shut: {mois} has {n} days</source>
        <translation>{jour}, reste fermé&#xa0;: {mois} n’a que {n} jours</translation>
    </message>
    <message>
        <source>This calendar opens on {date}.</source>
        <translation>Ce calendrier s’ouvre le {date}.</translation>
    </message>
    <message>
        <source>This calendar opens again on {date}.</source>
        <translation>Ce calendrier rouvre le {date}.</translation>
    </message>
    <message>
        <source>Day {n} opens in {h} h {min} min</source>
        <translation>Le jour {n} s’ouvre dans {h}&#xa0;h {min}&#xa0;min</translation>
    </message>
    <message>
        <source>Day {n} opens in {min} min</source>
        <translation>Le jour {n} s’ouvre dans {min}&#xa0;min</translation>
    </message>
    <message>
        <source>Day {n}: picture</source>
        <translation>Jour {n}&#xa0;: une image</translation>
    </message>
    <message>
        <source>Day {n}: music</source>
        <translation>Jour {n}&#xa0;: de la musique</translation>
    </message>
    <message>
        <source>Day {n}: video</source>
        <translation>Jour {n}&#xa0;: une vidéo</translation>
    </message>
    <message>
        <source>Day {n}: {texte}</source>
        <translation>Jour {n}&#xa0;: {texte}</translation>
    </message>
    <message>
        <source>Day {n}: nothing today</source>
        <translation>Jour {n}&#xa0;: rien aujourd’hui</translation>
    </message>
    <message>
        <source>Scan to open</source>
        <translation>Scanner pour ouvrir</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Neige</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Me le rappeler</translation>
    </message>
    <message>
        <source>A calendar of %1 days: open today&apos;s ball to find its surprise.</source>
        <translation>Un calendrier de %1&#xa0;jours&#xa0;: ouvrez la boule du jour pour découvrir sa surprise.</translation>
    </message>
    <message>
        <source>This calendar is private.</source>
        <translation>Ce calendrier est privé.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Remember on this device</source>
        <translation>Se souvenir sur cet appareil</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Opening…</source>
        <translation>Ouverture…</translation>
    </message>
    <message>
        <source>Wrong password. Please try again.</source>
        <translation>Mot de passe incorrect. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>This day&apos;s content is damaged and cannot be shown.</source>
        <translation>Le contenu de ce jour est endommagé et ne peut pas être affiché.</translation>
    </message>
    <message>
        <source>This calendar needs an https:// address: ask for its link beginning with https://.</source>
        <translation>Ce calendrier a besoin d’une adresse https://&#xa0;: demandez son lien commençant par https://.</translation>
    </message>
    <message>
        <source>The calendar cannot be opened right now: check the connection and try again.</source>
        <translation>Le calendrier ne peut pas s’ouvrir pour l’instant&#xa0;: vérifiez la connexion et réessayez.</translation>
    </message>
    <message>
        <source>This door opens on its day.</source>
        <translation>Cette porte s&apos;ouvre le jour venu.</translation>
    </message>
</context>
<context>
    <name>PlanConversions</name>
    <message>
        <source>This file will not play in every browser. Installing ffmpeg converts it when the site is generated.</source>
        <translation>Ce fichier ne sera pas lu par tous les navigateurs. Si ffmpeg est installé, il est converti à la génération du site.</translation>
    </message>
    <message>
        <source>Day %1: %2 is not a picture, a sound or a video.</source>
        <translation>Jour %1&#xa0;: %2 n’est ni une image, ni un son, ni une vidéo.</translation>
    </message>
    <message>
        <source>ffmpeg is not installed: the sound and video files of days %1 are published as they are, unconverted, and keep the position (GPS) and other details they hold.</source>
        <translation>ffmpeg n’est pas installé&#xa0;: les fichiers son et vidéo des jours %1 sont publiés tels quels, sans conversion, et gardent la position (GPS) et les autres détails qu’ils contiennent.</translation>
    </message>
    <message>
        <source>The conversions were stopped.</source>
        <translation>Les conversions ont été arrêtées.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be converted. %3</source>
        <translation>Jour %1&#xa0;: le fichier %2 ne peut pas être converti. %3</translation>
    </message>
    <message>
        <source>%1 is not a picture, a sound or a video.</source>
        <translation>%1 n’est ni une image, ni un son, ni une vidéo.</translation>
    </message>
    <message>
        <source>The converted copy of %1 in %2 was cut short; the disk may be full.</source>
        <translation>La copie convertie de %1 dans %2 a été tronquée&#xa0;; le disque est peut-être plein.</translation>
    </message>
</context>
<context>
    <name>PolitiqueSortie</name>
    <message>
        <source>No directory was given for the generation.</source>
        <translation>Aucun dossier n’a été indiqué pour la génération.</translation>
    </message>
    <message>
        <source>%1 is not empty and holds no site that tinselbox generated; its contents would be erased.</source>
        <translation>%1 n’est pas vide et ne contient aucun site généré par tinselbox&#xa0;; son contenu serait effacé.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is a link to %2, which does not exist.</source>
        <translation>%1 ne peut pas servir à la génération&#xa0;: c’est un lien vers %2, qui n’existe pas.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is a file, not a directory.</source>
        <translation>%1 ne peut pas servir à la génération&#xa0;: c’est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is the root of a disk.</source>
        <translation>%1 ne peut pas servir à la génération&#xa0;: c’est la racine d’un disque.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: a disk is mounted inside this directory.</source>
        <translation>%1 ne peut pas servir à la génération&#xa0;: un disque est monté dans ce dossier.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is your home directory.</source>
        <translation>%1 ne peut pas servir à la génération&#xa0;: c’est votre dossier personnel.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: this directory holds your home directory.</source>
        <translation>%1 ne peut pas servir à la génération&#xa0;: ce dossier contient votre dossier personnel.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: this directory holds the calendar&apos;s project file.</source>
        <translation>%1 ne peut pas servir à la génération&#xa0;: ce dossier contient le fichier de projet du calendrier.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: this directory holds the media of day %2.</source>
        <translation>%1 ne peut pas servir à la génération&#xa0;: ce dossier contient les médias du jour %2.</translation>
    </message>
</context>
<context>
    <name>PublicationCalendrier</name>
    <message>
        <source>The calendar has no publishing address; set one in Options, Publishing.</source>
        <translation>Le calendrier n’a pas d’adresse de publication ; indiquez-en une dans Options, Publication.</translation>
    </message>
    <message>
        <source>Cannot make a staging folder for the site: %1.</source>
        <translation>Impossible de créer un dossier de préparation pour le site : %1.</translation>
    </message>
</context>
<context>
    <name>Publieur</name>
    <message>
        <source>No publishing address is set.</source>
        <translation>Aucune adresse de publication n’est définie.</translation>
    </message>
    <message>
        <source>The remote folder %1 holds files that no publish of a calendar put there; publishing beside them needs your confirmation (they are never deleted).</source>
        <translation>Le dossier distant %1 contient des fichiers qu’aucune publication de calendrier n’y a mis ; publier à côté d’eux demande votre confirmation (ils ne sont jamais supprimés).</translation>
    </message>
    <message>
        <source>Cannot send %1: %2.</source>
        <translation>Impossible d’envoyer %1 : %2.</translation>
    </message>
</context>
<context>
    <name>Secrets</name>
    <message>
        <source>the keyring did not answer</source>
        <translation>le trousseau n’a pas répondu</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>c’est un lien</translation>
    </message>
    <message>
        <source>Cannot read the secret file %1: %2.</source>
        <translation>Impossible de lire le fichier secret %1 : %2.</translation>
    </message>
    <message>
        <source>The secret file %1 is not a regular file.</source>
        <translation>Le fichier secret %1 n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The secret file %1 may be read by others: only its owner may read it (chmod 600 %1).</source>
        <translation>Le fichier secret %1 peut être lu par d’autres : seul son propriétaire doit pouvoir le lire (chmod 600 %1).</translation>
    </message>
    <message>
        <source>The secret file %1 is too large to hold a secret.</source>
        <translation>Le fichier secret %1 est trop grand pour contenir un secret.</translation>
    </message>
    <message>
        <source>Cannot keep a secret in %1: %2.</source>
        <translation>Impossible de garder un secret dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The secret file %1 is empty.</source>
        <translation>Le fichier secret %1 est vide.</translation>
    </message>
    <message>
        <source>The keyring cannot be read: %1.</source>
        <translation>Le trousseau ne peut pas être lu : %1.</translation>
    </message>
    <message>
        <source>The keyring did not keep the secret: %1.</source>
        <translation>Le trousseau n’a pas gardé le secret&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The secret cannot be removed from the keyring: %1.</source>
        <translation>Impossible de retirer le secret du trousseau&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>ServiceGeneration</name>
    <message>
        <source>There is no calendar to generate.</source>
        <translation>Il n’y a aucun calendrier à générer.</translation>
    </message>
    <message>
        <source>The generation was stopped; %1 was left as it was.</source>
        <translation>La génération a été interrompue&#xa0;; %1 est resté tel quel.</translation>
    </message>
</context>
<context>
    <name>SitePrive</name>
    <message>
        <source>This calendar is private: its password is needed to generate it.</source>
        <translation>Ce calendrier est privé&#xa0;: son mot de passe est nécessaire pour le générer.</translation>
    </message>
    <message>
        <source>The project file holds no key parameters for its password: this site gets a new key, and visitors who were remembered type the password again. Set the password in Options to keep the same key from one generation to the next.</source>
        <translation>Le fichier du projet ne contient pas les paramètres de clé de son mot de passe&#xa0;: ce site reçoit une nouvelle clé, et les visiteurs mémorisés devront retaper le mot de passe. Définissez le mot de passe dans les Options pour garder la même clé d’une génération à l’autre.</translation>
    </message>
    <message>
        <source>The calendar&apos;s keys cannot be made on this computer.</source>
        <translation>Les clés du calendrier ne peuvent pas être créées sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The project file holds no key parameters: set the password in Options.</source>
        <translation>Le fichier du projet ne contient pas de paramètres de clé&#xa0;: définissez le mot de passe dans les Options.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Le fichier %1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Le fichier %1 ne peut pas être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file %1 changed while it was encrypted.</source>
        <translation>Le fichier %1 a changé pendant son chiffrement.</translation>
    </message>
    <message>
        <source>The content cannot be encrypted.</source>
        <translation>Le contenu ne peut pas être chiffré.</translation>
    </message>
    <message>
        <source>The page&apos;s lock cannot be written in %1.</source>
        <translation>Le verrou de la page ne peut pas être écrit dans %1.</translation>
    </message>
    <message>
        <source>This computer kept no key chain for this calendar: a new chain is started, and the site&apos;s days are encrypted again. If this calendar was published from another computer, give its recovery code (Options, or --recovery-code-file) to go on with its chain.</source>
        <translation>Cet ordinateur ne gardait aucune chaîne de clés pour ce calendrier : une nouvelle chaîne commence, et les jours du site sont chiffrés à nouveau. Si ce calendrier a été publié depuis un autre ordinateur, donnez son code de secours (Options, ou --recovery-code-file) pour reprendre sa chaîne.</translation>
    </message>
</context>
<context>
    <name>TacheMatinale</name>
    <message>
        <source>systemctl --user %1 failed: %2</source>
        <translation>systemctl --user %1 a échoué : %2</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossible d’écrire %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>Taille</name>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>kB</source>
        <translation>ko</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>octets</translation>
    </message>
</context>
<context>
    <name>ThemePage</name>
    <message>
        <source>Fir trees</source>
        <translation>Sapins</translation>
    </message>
    <message>
        <source>Winter night</source>
        <translation>Nuit d’hiver</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Frost</source>
        <translation>Givre</translation>
    </message>
</context>
<context>
    <name>Traduction</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The system&apos;s language (%1)</source>
        <translation>La langue du système (%1)</translation>
    </message>
    <message>
        <source>The editor speaks the chosen language the next time it starts.</source>
        <translation>L’éditeur parlera la langue choisie à son prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>TransfertCurl</name>
    <message>
        <source>Publishing was stopped.</source>
        <translation>La publication a été arrêtée.</translation>
    </message>
    <message>
        <source>the host key of %1 has changed since it was accepted; this may be an attack (someone between you and the server), so nothing was sent</source>
        <translation>la clé d’hôte de %1 a changé depuis qu’elle a été acceptée ; il peut s’agir d’une attaque (quelqu’un entre vous et le serveur), donc rien n’a été envoyé</translation>
    </message>
    <message>
        <source>the host key of %1 is not known (%2); accept it only if it is your server&apos;s</source>
        <translation>la clé d’hôte de %1 n’est pas connue (%2) ; ne l’acceptez que si c’est celle de votre serveur</translation>
    </message>
    <message>
        <source>the server refused the login: wrong user name, key or password</source>
        <translation>le serveur a refusé la connexion&#xa0;: nom d’utilisateur, clé ou mot de passe incorrect</translation>
    </message>
    <message>
        <source>permission denied by the server</source>
        <translation>permission refusée par le serveur</translation>
    </message>
    <message>
        <source>the server has no room left</source>
        <translation>le serveur n’a plus de place</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1</source>
        <translation>le serveur a répondu avec le statut HTTP %1</translation>
    </message>
    <message>
        <source>the server stopped answering (timeout)</source>
        <translation>le serveur a cessé de répondre (délai dépassé)</translation>
    </message>
    <message>
        <source>the server %1 cannot be found</source>
        <translation>le serveur %1 est introuvable</translation>
    </message>
    <message>
        <source>the server %1 cannot be reached</source>
        <translation>le serveur %1 est injoignable</translation>
    </message>
    <message>
        <source>the secure connection to the server failed (%1)</source>
        <translation>la connexion sécurisée au serveur a échoué (%1)</translation>
    </message>
    <message>
        <source>Cannot list the remote folder %1</source>
        <translation>Impossible de lister le dossier distant %1</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <source>Cannot send %1</source>
        <translation>Impossible d’envoyer %1</translation>
    </message>
    <message>
        <source>Cannot delete %1</source>
        <translation>Impossible de supprimer %1</translation>
    </message>
    <message>
        <source>Cannot list the bucket %1</source>
        <translation>Impossible de lister le compartiment %1</translation>
    </message>
    <message>
        <source>Cannot list the bucket %1: the server&apos;s answer does not read (%2).</source>
        <translation>Impossible de lister le compartiment %1 : la réponse du serveur est illisible (%2).</translation>
    </message>
    <message>
        <source>Cannot make the remote folder %1</source>
        <translation>Impossible de créer le dossier distant %1</translation>
    </message>
    <message>
        <source>Cannot put %1 in place</source>
        <translation>Impossible de mettre %1 en place</translation>
    </message>
    <message>
        <source>the server refused the login: wrong user name, key or password (%1)</source>
        <translation>le serveur a refusé la connexion&#xa0;: nom d’utilisateur, clé ou mot de passe incorrect (%1)</translation>
    </message>
    <message>
        <source>permission denied by the server (%1)</source>
        <translation>permission refusée par le serveur (%1)</translation>
    </message>
    <message>
        <source>the server has no room left (%1)</source>
        <translation>le serveur n’a plus de place (%1)</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1 (%2)</source>
        <translation>le serveur a répondu avec le statut HTTP %1 (%2)</translation>
    </message>
    <message>
        <source>the server&apos;s certificate cannot be trusted (%1); a server with an authority of its own needs that authority given with --ca-file, or kept as certificate-authorities.pem in tinselbox&apos;s data folder</source>
        <translation>le certificat du serveur n’est pas digne de confiance (%1)&#xa0;; un serveur avec sa propre autorité demande que cette autorité soit donnée par --ca-file, ou gardée sous le nom certificate-authorities.pem dans le dossier de données de tinselbox</translation>
    </message>
</context>
<context>
    <name>TuilesJours</name>
    <message>
        <source>Day %1</source>
        <translation>Jour %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>file missing</source>
        <translation>fichier introuvable</translation>
    </message>
</context>
</TS>
