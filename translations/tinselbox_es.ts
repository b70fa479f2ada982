<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BoutonJour</name>
    <message>
        <source>Click to add ...</source>
        <translation>Haz clic para añadir…</translation>
    </message>
    <message>
        <source>MISSING</source>
        <translation>NO ENCONTRADO</translation>
    </message>
</context>
<context>
    <name>CacheConversions</name>
    <message>
        <source>tinselbox: there is no home folder to keep converted media in; they are kept in %1.</source>
        <translation>tinselbox: no hay carpeta personal donde guardar los medios convertidos; se guardan en %1.</translation>
    </message>
    <message>
        <source>The converted file cannot be read in %1: %2.</source>
        <translation>El archivo convertido no se puede leer en %1: %2.</translation>
    </message>
    <message>
        <source>The converted file cannot be kept in %1: %2.</source>
        <translation>El archivo convertido no se puede guardar en %1: %2.</translation>
    </message>
    <message>
        <source>The cache directory %1 cannot be written: %2.</source>
        <translation>No se puede escribir en la carpeta de caché %1: %2.</translation>
    </message>
</context>
<context>
    <name>CalendriersRecents</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>&amp;Vaciar el menú</translation>
    </message>
</context>
<context>
    <name>CartePartage</name>
    <message>
        <source>Scan to be reminded of each day</source>
        <translation>Escanee para recibir un recordatorio cada día</translation>
    </message>
    <message>
        <source>The card cannot be made: the calendar has no address; set it in Options.</source>
        <translation>No se puede hacer la tarjeta: el calendario no tiene dirección; indícala en Opciones.</translation>
    </message>
    <message>
        <source>The card cannot be made: the address is too long for a QR code.</source>
        <translation>No se puede hacer la tarjeta: la dirección es demasiado larga para un código QR.</translation>
    </message>
    <message>
        <source>The card %1 cannot be written.</source>
        <translation>No se puede escribir la tarjeta %1.</translation>
    </message>
    <message>
        <source>The card %1 cannot be written: %2.</source>
        <translation>No se puede escribir la tarjeta %1: %2.</translation>
    </message>
</context>
<context>
    <name>ChaineCles</name>
    <message>
        <source>The calendar&apos;s key chain %1 is damaged: give its recovery code, or remove the file to start a new chain.</source>
        <translation>La cadena de claves del calendario %1 está dañada: indique su código de recuperación, o elimine el archivo para empezar una cadena nueva.</translation>
    </message>
    <message>
        <source>This computer gives no random bytes for a key chain.</source>
        <translation>Este ordenador no proporciona bytes aleatorios para una cadena de claves.</translation>
    </message>
    <message>
        <source>This is not a recovery code, or it is mistyped.</source>
        <translation>Esto no es un código de recuperación, o está mal escrito.</translation>
    </message>
    <message>
        <source>This calendar&apos;s key chain cannot follow its new name or publishing address. %1

The next generation would start a new chain, and every day&apos;s key would change. To go on with the same keys, type this recovery code in Options once this is mended:

%2</source>
        <translation>La cadena de claves de este calendario no puede seguir su nuevo nombre o su nueva dirección de publicación. %1

La próxima generación empezaría una cadena nueva, y la clave de cada día cambiaría. Para seguir con las mismas claves, escriba este código de recuperación en Opciones una vez resuelto esto:

%2</translation>
    </message>
</context>
<context>
    <name>ChangementMedias</name>
    <message>
        <source>Edit day %1</source>
        <translation>Editar el día %1</translation>
    </message>
    <message>
        <source>Clear day %1</source>
        <translation>Vaciar el día %1</translation>
    </message>
    <message>
        <source>Set day %1</source>
        <translation>Rellenar el día %1</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>The media of day %1 could not be put back; the day keeps what it held.</source>
        <translation>No se pudo restaurar el archivo multimedia del día %1; el día conserva lo que tenía.</translation>
    </message>
</context>
<context>
    <name>ChangementOptions</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
</context>
<context>
    <name>ChantierSite</name>
    <message>
        <source>%1 is a file, not a directory.</source>
        <translation>%1 es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>The directory %1 cannot be created: %2.</source>
        <translation>No se puede crear la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>The site cannot be generated: another generation is writing to %1.</source>
        <translation>No se puede generar el sitio: otra generación está escribiendo en %1.</translation>
    </message>
    <message>
        <source>The directory %1 cannot be opened: %2.</source>
        <translation>No se puede abrir la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>The directory %1 cannot be written: %2.</source>
        <translation>No se puede escribir en la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>%1 was replaced by something else while it was being opened; nothing was written.</source>
        <translation>%1 fue sustituido por otra cosa mientras se abría; no se escribió nada.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist.</source>
        <translation>%1 es un enlace a %2, que no existe.</translation>
    </message>
    <message>
        <source>%1 is the root of a disk.</source>
        <translation>%1 es la raíz de un disco.</translation>
    </message>
    <message>
        <source>The directory %1 holds a mounted file system (%2) and cannot be replaced.</source>
        <translation>La carpeta %1 contiene un sistema de archivos montado (%2) y no se puede reemplazar.</translation>
    </message>
    <message>
        <source>The previous contents of %1 cannot be removed (%2): %3.</source>
        <translation>No se puede eliminar el contenido anterior de %1 (%2): %3.</translation>
    </message>
    <message>
        <source>%1 was moved or replaced by something else during the generation; nothing was written into it and nothing was removed.</source>
        <translation>%1 fue movido o sustituido por otra cosa durante la generación; no se escribió nada en él y no se eliminó nada.</translation>
    </message>
    <message>
        <source>The previous contents of %1 cannot be replaced: %2.</source>
        <translation>No se puede reemplazar el contenido anterior de %1: %2.</translation>
    </message>
</context>
<context>
    <name>ChoixInstant</name>
    <message>
        <source>Preview on a date</source>
        <translation>Vista previa en una fecha</translation>
    </message>
    <message>
        <source>Show the page as a visitor sees it at this moment (time in %1):</source>
        <translation>Mostrar la página como la ve un visitante en este momento (hora de %1):</translation>
    </message>
    <message>
        <source>Show the page as a visitor sees it at this moment:</source>
        <translation>Mostrar la página como la ve un visitante en este momento:</translation>
    </message>
</context>
<context>
    <name>CiblePublication</name>
    <message>
        <source>The publishing address must begin with sftp://, ftps://, davs:// or s3://.</source>
        <translation>La dirección de publicación debe empezar por sftp://, ftps://, davs:// o s3://.</translation>
    </message>
    <message>
        <source>The publishing address names no valid server.</source>
        <translation>La dirección de publicación no indica ningún servidor válido.</translation>
    </message>
    <message>
        <source>The publishing address must not hold a password; it is asked for when publishing.</source>
        <translation>La dirección de publicación no debe contener una contraseña; se pide al publicar.</translation>
    </message>
    <message>
        <source>The publishing address must not end with a #fragment.</source>
        <translation>La dirección de publicación no debe terminar con un #fragmento.</translation>
    </message>
    <message>
        <source>The S3 address needs the access key id before the server: s3://KEY@HOST/BUCKET.</source>
        <translation>La dirección S3 necesita el id de clave de acceso antes del servidor: s3://CLAVE@HOST/BUCKET.</translation>
    </message>
    <message>
        <source>The publishing address needs a user name before the server: USER@HOST.</source>
        <translation>La dirección de publicación necesita un nombre de usuario antes del servidor: USUARIO@HOST.</translation>
    </message>
    <message>
        <source>The publishing address has no valid port.</source>
        <translation>La dirección de publicación no tiene un puerto válido.</translation>
    </message>
    <message>
        <source>The publishing folder must not hold &quot;.&quot; or &quot;..&quot;.</source>
        <translation>La carpeta de publicación no debe contener «.» ni «..».</translation>
    </message>
    <message>
        <source>The publishing folder must not hold control characters.</source>
        <translation>La carpeta de publicación no debe contener caracteres de control.</translation>
    </message>
    <message>
        <source>The S3 address must end with ?region=REGION (for example ?region=us-east-1).</source>
        <translation>La dirección S3 debe terminar con ?region=REGIÓN (por ejemplo ?region=us-east-1).</translation>
    </message>
    <message>
        <source>The S3 address needs a bucket name after the server: s3://KEY@HOST/BUCKET.</source>
        <translation>La dirección S3 necesita un nombre de bucket después del servidor: s3://CLAVE@HOST/BUCKET.</translation>
    </message>
    <message>
        <source>Only an S3 address takes a ?query.</source>
        <translation>Solo una dirección S3 admite una ?consulta.</translation>
    </message>
    <message>
        <source>The SFTP address needs a folder: /~/FOLDER for one in the user&apos;s home.</source>
        <translation>La dirección SFTP necesita una carpeta: /~/CARPETA para una en la carpeta personal del usuario.</translation>
    </message>
</context>
<context>
    <name>CoffreCles</name>
    <message>
        <source>The calendar&apos;s key %1 is damaged.</source>
        <translation>La clave del calendario %1 está dañada.</translation>
    </message>
    <message>
        <source>This is not the calendar&apos;s password (the one set in its Options).</source>
        <translation>No es la contraseña del calendario (la fijada en sus Opciones).</translation>
    </message>
    <message>
        <source>The calendar&apos;s key cannot be made.</source>
        <translation>No se puede crear la clave del calendario.</translation>
    </message>
</context>
<context>
    <name>CommandesGeneration</name>
    <message>
        <source>1 media file cannot be found:</source>
        <translation>No se encuentra 1 archivo multimedia:</translation>
    </message>
    <message>
        <source>%1 media files cannot be found:</source>
        <translation>No se encuentran %1 archivos multimedia:</translation>
    </message>
    <message>
        <source>Day %1: %2</source>
        <translation>Día %1: %2</translation>
    </message>
    <message>
        <source>Choose these files again or clear their days, then try again.</source>
        <translation>Vuelve a elegir estos archivos o vacía sus días y después inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Select the generation directory</source>
        <translation>Selecciona la carpeta de generación</translation>
    </message>
    <message>
        <source>This action will erase all the contents of the directory %1
Generate anyway?</source>
        <translation>Esta acción borrará todo el contenido de la carpeta %1
¿Generar de todos modos?</translation>
    </message>
    <message>
        <source>Error generating the calendar.</source>
        <translation>Error al generar el calendario.</translation>
    </message>
    <message>
        <source>Generating the calendar successfully in %1</source>
        <translation>Calendario generado correctamente en %1</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Abrir en el navegador</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Compartir…</translation>
    </message>
    <message>
        <source>Generating the calendar ...</source>
        <translation>Generando el calendario…</translation>
    </message>
    <message>
        <source>Converted day %1 (%2 of %3) ...</source>
        <translation>Día %1 convertido (%2 de %3)…</translation>
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
        <translation>Vaciar el día</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>The folder %1 cannot be shown.</source>
        <translation>No se puede mostrar la carpeta %1.</translation>
    </message>
    <message>
        <source>Move day %1 to day %2</source>
        <translation>Mover el día %1 al día %2</translation>
    </message>
    <message>
        <source>Swap days %1 and %2</source>
        <translation>Intercambiar los días %1 y %2</translation>
    </message>
</context>
<context>
    <name>CommandesPublication</name>
    <message>
        <source>The password is asked for instead.</source>
        <translation>En su lugar se pide la contraseña.</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publicar</translation>
    </message>
    <message>
        <source>The secret key of %1:</source>
        <translation>La clave secreta de %1:</translation>
    </message>
    <message>
        <source>The password of %1 (empty to log in with your SSH key):</source>
        <translation>La contraseña de %1 (vacía para entrar con su clave SSH):</translation>
    </message>
    <message>
        <source>Remember it in the system keyring</source>
        <translation>Recordarla en el llavero del sistema</translation>
    </message>
    <message>
        <source>Publishing...</source>
        <translation>Publicando…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stopping after the current step...</source>
        <translation>Deteniendo tras el paso actual…</translation>
    </message>
    <message>
        <source>Sending %1: %2 of %3
In all: %4 of %5, %6/s, %7 s left</source>
        <translation>Enviando %1: %2 de %3
En total: %4 de %5, %6/s, quedan %7 s</translation>
    </message>
    <message>
        <source>The calendar has no publishing address yet: set one in Options, Publishing.</source>
        <translation>El calendario aún no tiene dirección de publicación: indique una en Opciones, Publicación.</translation>
    </message>
    <message numerus="yes">
        <source>The calendar is published: %n file(s) sent (%1), %2 deleted, %3 unchanged.</source>
        <translation>
            <numerusform>El calendario está publicado: %n archivo enviado (%1), %2 borrado(s), %3 sin cambios.</numerusform>
            <numerusform>El calendario está publicado: %n archivos enviados (%1), %2 borrado(s), %3 sin cambios.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is not a server this computer knows. Its host key&apos;s fingerprint is:
%2

Trust it only if it is your server&apos;s (your provider can tell). Trust it and publish?</source>
        <translation>%1 no es un servidor que este ordenador conozca. La huella de su clave de host es:
%2

Confíe en ella solo si es la de su servidor (su proveedor puede decírselo). ¿Confiar y publicar?</translation>
    </message>
    <message>
        <source>Publish beside them?</source>
        <translation>¿Publicar junto a ellos?</translation>
    </message>
    <message>
        <source>The site on the server still works as it was; publishing again completes it.</source>
        <translation>El sitio del servidor sigue funcionando como estaba; publicar de nuevo lo completa.</translation>
    </message>
    <message>
        <source>Publishing every morning needs a saved calendar with a publishing address (Options, Publishing).</source>
        <translation>Publicar cada mañana necesita un calendario guardado con una dirección de publicación (Opciones, Publicación).</translation>
    </message>
    <message>
        <source>systemd does not run on this computer. To publish every morning, add this line with crontab -e; it is in this computer&apos;s time zone:

%1

The job needs the password in a file only you can read (--secret-file FILE) or an SSH key.</source>
        <translation>systemd no funciona en este ordenador. Para publicar cada mañana, añada esta línea con crontab -e; está en la zona horaria de este ordenador:

%1

La tarea necesita la contraseña en un archivo que solo usted puede leer (--secret-file FILE) o una clave SSH.</translation>
    </message>
    <message>
        <source>To share it, give its public address in Options and publish again: the page&apos;s link previews name it too.</source>
        <translation>Para compartirlo, indica su dirección pública en Opciones y vuelve a publicar: las vistas previas de enlace de la página también la usan.</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Abrir en el navegador</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Compartir…</translation>
    </message>
</context>
<context>
    <name>ConvertisseurImage</name>
    <message>
        <source>The converted picture of %1 cannot be written: %2.</source>
        <translation>La imagen convertida de %1 no se puede escribir: %2.</translation>
    </message>
    <message>
        <source>The picture %1 cannot be encoded as JPEG.</source>
        <translation>La imagen %1 no se puede codificar como JPEG.</translation>
    </message>
</context>
<context>
    <name>EcritureFichier</name>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>No se puede escribir el archivo %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo %1: %2.</translation>
    </message>
</context>
<context>
    <name>EntetePage</name>
    <message>
        <source>The page %1 cannot be read: %2.</source>
        <translation>No se puede leer la página %1: %2.</translation>
    </message>
    <message>
        <source>The page %1 has no head to write the title into.</source>
        <translation>La página %1 no tiene cabecera donde escribir el título.</translation>
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
        <translation>MENSAJE</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>Write the day&apos;s message here.</source>
        <translation>Escribe aquí el mensaje del día.</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>Día %1</translation>
    </message>
    <message>
        <source>No preview available</source>
        <translation>Vista previa no disponible</translation>
    </message>
    <message>
        <source>1 character left</source>
        <translation>Queda 1 carácter</translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation>Quedan %1 caracteres</translation>
    </message>
    <message>
        <source>1 character too many</source>
        <translation>1 carácter de más</translation>
    </message>
    <message>
        <source>%1 characters too many</source>
        <translation>%1 caracteres de más</translation>
    </message>
    <message>
        <source>Select a file</source>
        <translation>Selecciona un archivo</translation>
    </message>
    <message>
        <source>The message holds an invisible control character that a calendar file cannot store. Remove it, or type the text again.</source>
        <translation>El mensaje contiene un carácter de control invisible que un archivo de calendario no puede guardar. Elimínalo o vuelve a escribir el texto.</translation>
    </message>
</context>
<context>
    <name>FenetreNouveau</name>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Letters and digits, e.g. Advent2026</source>
        <translation>Letras y cifras, p.&#xa0;ej. Adviento2026</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>The name may hold only the letters A to Z (no accents) and the digits 0 to 9.</source>
        <translation>El nombre solo puede contener las letras de la A a la Z (sin tildes) y las cifras del 0 al 9.</translation>
    </message>
    <message>
        <source>Please enter a name for the project and a working directory.</source>
        <translation>Indica un nombre para el proyecto y una carpeta de trabajo.</translation>
    </message>
    <message>
        <source>Please enter a correct name for the project (must contain only letters and numbers).</source>
        <translation>Indica un nombre de proyecto válido (solo letras y cifras).</translation>
    </message>
    <message>
        <source>Select the working directory</source>
        <translation>Selecciona la carpeta de trabajo</translation>
    </message>
    <message>
        <source>A calendar with this name already exists in this directory. 
Replace it?</source>
        <translation>Ya existe un calendario con este nombre en esta carpeta. 
¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>The working directory %1 does not exist or is not a folder.</source>
        <translation>La carpeta de trabajo %1 no existe o no es una carpeta.</translation>
    </message>
</context>
<context>
    <name>FenetreOptions</name>
    <message>
        <source>Calendar options</source>
        <translation>Opciones del calendario</translation>
    </message>
    <message>
        <source>Past days stay open</source>
        <translation>Los días pasados siguen abiertos</translation>
    </message>
    <message>
        <source>A visitor who missed a day can still open it later.</source>
        <translation>Quien se haya perdido un día aún puede abrirlo más tarde.</translation>
    </message>
    <message>
        <source>Days open in:</source>
        <translation>Los días se abren:</translation>
    </message>
    <message>
        <source>Time zone:</source>
        <translation>Zona horaria:</translation>
    </message>
    <message>
        <source>Each visitor&apos;s own clock</source>
        <translation>El reloj de cada visitante</translation>
    </message>
    <message>
        <source>Number of days:</source>
        <translation>Número de días:</translation>
    </message>
    <message>
        <source>Starts on:</source>
        <translation>Empieza el:</translation>
    </message>
    <message>
        <source>Day 1 opens on this date, day 2 the day after, and so on. Unchecked, the balls follow the days of the month.</source>
        <translation>El día 1 se abre en esta fecha, el día 2 al día siguiente, y así sucesivamente. Sin marcar, las bolas siguen los días del mes.</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Todos los años</translation>
    </message>
    <message>
        <source>Language of the page:</source>
        <translation>Idioma de la página:</translation>
    </message>
    <message>
        <source>https://example.org/calendar/</source>
        <translation>https://example.org/calendario/</translation>
    </message>
    <message>
        <source>Shuffle the balls</source>
        <translation>Mezclar las bolas</translation>
    </message>
    <message>
        <source>The numbers are dealt over the balls&apos; places in an order of their own, the same at every generation.</source>
        <translation>Los números se reparten entre los lugares de las bolas en un orden propio, el mismo en cada generación.</translation>
    </message>
    <message>
        <source>Publish files exactly as chosen</source>
        <translation>Publicar los archivos tal cual</translation>
    </message>
    <message>
        <source>Copy every picture, sound and video byte for byte instead of making it lighter for the web.</source>
        <translation>Copiar cada imagen, sonido y vídeo byte a byte en lugar de aligerarlos para la web.</translation>
    </message>
    <message>
        <source>Any month</source>
        <translation>Cualquier mes</translation>
    </message>
    <message>
        <source>%1 only</source>
        <translation>Solo en %1</translation>
    </message>
    <message>
        <source>“%1” is not a time zone this computer knows.
Give a name such as Europe/Paris, or leave the field empty for each visitor’s own clock.</source>
        <translation>«%1» no es una zona horaria que este ordenador conozca.
Indica un nombre como Europe/Paris o deja el campo vacío para usar el reloj de cada visitante.</translation>
    </message>
    <message>
        <source>“%1” is not the address of a web page.
Give the whole address, starting with https:// or http://, or leave the field empty.</source>
        <translation>«%1» no es la dirección de una página web.
Indica la dirección completa, empezando por https:// o http://, o deja el campo vacío.</translation>
    </message>
    <message>
        <source>Look of the page:</source>
        <translation>Aspecto de la página:</translation>
    </message>
    <message>
        <source>Background picture:</source>
        <translation>Imagen de fondo:</translation>
    </message>
    <message>
        <source>None: the theme&apos;s sky</source>
        <translation>Ninguna: el cielo del tema</translation>
    </message>
    <message>
        <source>Your own picture behind the balls, shown as it is. It is published in two crops, for tall and for wide screens.</source>
        <translation>Su propia imagen detrás de las bolas, mostrada tal cual. Se publica en dos recortes, para pantallas altas y para pantallas anchas.</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Show the calendar&apos;s name on the page</source>
        <translation>Mostrar el nombre del calendario en la página</translation>
    </message>
    <message>
        <source>“%1” is not a picture this computer can read.
Choose a photo, or leave the field empty for the theme’s own sky.</source>
        <translation>«%1» no es una imagen que este ordenador sepa leer.
Elija una foto, o deje el campo vacío para el cielo del tema.</translation>
    </message>
    <message>
        <source>Select a background picture</source>
        <translation>Seleccionar una imagen de fondo</translation>
    </message>
    <message>
        <source>Publish to:</source>
        <translation>Publicar en:</translation>
    </message>
    <message>
        <source>sftp://user@host/~/www/calendar</source>
        <translation>sftp://usuario@host/~/www/calendario</translation>
    </message>
    <message>
        <source>sftp://USER@HOST/PATH, ftps://USER@HOST/PATH (FTP with TLS), davs://USER@HOST/PATH (WebDAV over HTTPS) or s3://ACCESS_KEY_ID@HOST/BUCKET/PREFIX?region=REGION. Passwords are never kept here: Publish asks for them and keeps them in the system keyring.</source>
        <translation>sftp://USUARIO@HOST/RUTA, ftps://USUARIO@HOST/RUTA (FTP con TLS), davs://USUARIO@HOST/RUTA (WebDAV sobre HTTPS) o s3://ID_CLAVE_ACCESO@HOST/BUCKET/PREFIJO?region=REGIÓN. Las contraseñas nunca se guardan aquí: Publicar las pide y las guarda en el llavero del sistema.</translation>
    </message>
    <message>
        <source>“%1” is not a publishing address.
Give one such as sftp://user@host/~/www, ftps://user@host/www, davs://host/www or s3://KEY@host/bucket?region=us-east-1, without a password, or leave the field empty.</source>
        <translation>«%1» no es una dirección de publicación.
Indique una como sftp://usuario@host/~/www, ftps://usuario@host/www, davs://host/www o s3://CLAVE@host/bucket?region=us-east-1, sin contraseña, o deje el campo vacío.</translation>
    </message>
    <message>
        <source>Private: visitors need a password</source>
        <translation>Privado: los visitantes necesitan una contraseña</translation>
    </message>
    <message>
        <source>Every day&apos;s picture, sound, video and message is encrypted in the site; the page asks for the password.</source>
        <translation>La imagen, el sonido, el vídeo y el mensaje de cada día se cifran en el sitio; la página pide la contraseña.</translation>
    </message>
    <message>
        <source>Keep it in the keyring</source>
        <translation>Guardarla en el llavero</translation>
    </message>
    <message>
        <source>Otherwise the password is asked at each generation.</source>
        <translation>Si no, la contraseña se pide en cada generación.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Again:</source>
        <translation>Repetir:</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>Type the password visitors will need, twice.</source>
        <translation>Escriba dos veces la contraseña que necesitarán los visitantes.</translation>
    </message>
    <message>
        <source>The two passwords differ. Type the same password twice.</source>
        <translation>Las dos contraseñas no coinciden. Escriba dos veces la misma contraseña.</translation>
    </message>
    <message>
        <source>The password will be asked at each generation.</source>
        <translation>La contraseña se pedirá en cada generación.</translation>
    </message>
    <message>
        <source>Public address:</source>
        <translation>Dirección pública:</translation>
    </message>
    <message>
        <source>Where visitors open the calendar once it is published. The Share card, the QR code and the page&apos;s link previews give this address.</source>
        <translation>Donde los visitantes abren el calendario una vez publicado. La tarjeta para compartir, el código QR y las vistas previas de enlace de la página dan esta dirección.</translation>
    </message>
    <message>
        <source>Recovery code</source>
        <translation>Código de recuperación</translation>
    </message>
    <message>
        <source>The code shown when the doors were locked: it goes on with this calendar&apos;s keys on another computer.</source>
        <translation>El código mostrado al cerrar las puertas: continúa con las claves de este calendario en otro ordenador.</translation>
    </message>
    <message>
        <source>Doors open only on their day, for real</source>
        <translation>Las puertas solo se abren en su día, de verdad</translation>
    </message>
    <message>
        <source>Each day is encrypted under a key of its own, and the site holds only the keys of the days up to the one it was published on.</source>
        <translation>Cada día se cifra con su propia clave, y el sitio solo contiene las claves de los días hasta aquel en que se publicó.</translation>
    </message>
    <message>
        <source>A time zone such as Europe/Paris makes every visitor&apos;s day change at the same midnight. Locked doors open with each morning&apos;s publish, or with the next one after a morning the computer is off.</source>
        <translation>Un huso horario como Europe/Madrid hace que el día cambie para todos los visitantes a la misma medianoche. Las puertas cerradas se abren con la publicación de cada mañana, o con la siguiente tras una mañana con el ordenador apagado.</translation>
    </message>
    <message>
        <source>Doors that open only on their day need a publishing address: each morning&apos;s publish brings that day&apos;s key.</source>
        <translation>Las puertas que solo se abren en su día necesitan una dirección de publicación: la publicación de cada mañana trae la clave del día.</translation>
    </message>
    <message>
        <source>This is not a recovery code, or it is mistyped.</source>
        <translation>Esto no es un código de recuperación, o está mal escrito.</translation>
    </message>
    <message>
        <source>Keep this recovery code somewhere safe, away from this computer. On another computer, typed in Options (or given with --recovery-code-file), it goes on with this calendar&apos;s keys:

%1</source>
        <translation>Guarde este código de recuperación en un lugar seguro, fuera de este ordenador. En otro ordenador, escrito en Opciones (o dado con --recovery-code-file), continúa con las claves de este calendario:

%1</translation>
    </message>
</context>
<context>
    <name>FenetrePartage</name>
    <message>
        <source>Share the calendar</source>
        <translation>Compartir el calendario</translation>
    </message>
    <message>
        <source>Scan this code with a phone, or send the address:</source>
        <translation>Escanea este código con un móvil o envía la dirección:</translation>
    </message>
    <message>
        <source>QR code of the calendar&apos;s address</source>
        <translation>Código QR de la dirección del calendario</translation>
    </message>
    <message>
        <source>Address of the published page</source>
        <translation>Dirección de la página publicada</translation>
    </message>
    <message>
        <source>&amp;Copy address</source>
        <translation>&amp;Copiar dirección</translation>
    </message>
    <message>
        <source>Save &amp;QR code...</source>
        <translation>Guardar código &amp;QR…</translation>
    </message>
    <message>
        <source>Save c&amp;ard...</source>
        <translation>Guardar t&amp;arjeta…</translation>
    </message>
    <message>
        <source>An A6 card to print, with the calendar&apos;s name and this QR code.</source>
        <translation>Una tarjeta A6 para imprimir, con el nombre del calendario y este código QR.</translation>
    </message>
    <message>
        <source>Save the QR code</source>
        <translation>Guardar el código QR</translation>
    </message>
    <message>
        <source>The QR code cannot be saved in %1.</source>
        <translation>No se puede guardar el código QR en %1.</translation>
    </message>
    <message>
        <source>Save the card</source>
        <translation>Guardar la tarjeta</translation>
    </message>
    <message>
        <source>Add a code for the &amp;reminders to the card</source>
        <translation>Añadir a la tarjeta un código para los &amp;recordatorios</translation>
    </message>
    <message>
        <source>A second, smaller code that adds a reminder of each day to a phone&apos;s calendar.</source>
        <translation>Un segundo código, más pequeño, que añade un recordatorio de cada día al calendario de un teléfono.</translation>
    </message>
    <message>
        <source>Put the key in the link and the card: they open without the password</source>
        <translation>Poner la clave en el enlace y la tarjeta: abren sin la contraseña</translation>
    </message>
    <message>
        <source>Whoever holds this link or card can open the calendar.</source>
        <translation>Quien tenga este enlace o esta tarjeta puede abrir el calendario.</translation>
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
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Generate...</source>
        <translation>Generar…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Nuevo…</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opciones…</translation>
    </message>
    <message>
        <source>Calendar options: which days the page opens</source>
        <translation>Opciones del calendario: qué días abre la página</translation>
    </message>
    <message>
        <source>Size: %1 %2</source>
        <translation>Tamaño: %1&#xa0;%2</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them. 
Quit anyway?</source>
        <translation>Los cambios se perderán si no los guardas. 
¿Salir de todos modos?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them. 
Create new anyway?</source>
        <translation>Los cambios se perderán si no los guardas. 
¿Crear uno nuevo de todos modos?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don’t save them. 
Open anyway?</source>
        <translation>Los cambios se perderán si no los guardas. 
¿Abrir de todos modos?</translation>
    </message>
    <message>
        <source>Select a calendar</source>
        <translation>Selecciona un calendario</translation>
    </message>
    <message>
        <source>Error opening the calendar.</source>
        <translation>Error al abrir el calendario.</translation>
    </message>
    <message>
        <source>Their days are marked in the calendar.</source>
        <translation>Sus días están marcados en el calendario.</translation>
    </message>
    <message>
        <source>Error saving the calendar: the file name of day %1 holds a character that a calendar file cannot store. Rename the file and choose it again.</source>
        <translation>Error al guardar el calendario: el nombre del archivo del día %1 contiene un carácter que un archivo de calendario no puede guardar. Cambia el nombre del archivo y vuelve a elegirlo.</translation>
    </message>
    <message>
        <source>Error saving the calendar: its name holds a character that a calendar file cannot store.</source>
        <translation>Error al guardar el calendario: su nombre contiene un carácter que un archivo de calendario no puede guardar.</translation>
    </message>
    <message>
        <source>Error saving the calendar.</source>
        <translation>Error al guardar el calendario.</translation>
    </message>
    <message>
        <source>This calendar holds days outside 1 to %1 (%2). They are neither shown nor published, and they stay in the file when you save.</source>
        <translation>Este calendario contiene días fuera del 1 al %1 (%2). No se muestran ni se publican, y se conservan en el archivo al guardar.</translation>
    </message>
    <message>
        <source> (converting media...)</source>
        <translation> (convirtiendo archivos multimedia…)</translation>
    </message>
    <message>
        <source> [read-only]</source>
        <translation> [solo lectura]</translation>
    </message>
    <message>
        <source>Save the calendar as</source>
        <translation>Guardar el calendario como</translation>
    </message>
    <message>
        <source>Doors that open only on their day open with each morning&apos;s publish. Publish every morning now?</source>
        <translation>Las puertas que solo se abren en su día se abren con la publicación de cada mañana. ¿Publicar cada mañana desde ahora?</translation>
    </message>
</context>
<context>
    <name>FichierOrdinaire</name>
    <message>
        <source>nothing</source>
        <translation>inexistente</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>una carpeta</translation>
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
        <translation>un archivo normal</translation>
    </message>
    <message>
        <source>The file %1 cannot be found.</source>
        <translation>No se encuentra el archivo %1.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (it is %2).</source>
        <translation>%1 no es un archivo normal (es %2).</translation>
    </message>
    <message>
        <source>%1 is a directory, not a file.</source>
        <translation>%1 es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>No se puede abrir el archivo %1: %2.</translation>
    </message>
</context>
<context>
    <name>FichierProjet</name>
    <message>
        <source>%1 is an XML file but not a calendar: its root element is &lt;%2&gt;.</source>
        <translation>%1 es un archivo XML, pero no un calendario: su elemento raíz es &lt;%2&gt;.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>No se puede escribir el archivo %1.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>No se puede escribir el archivo %1: %2.</translation>
    </message>
    <message>
        <source>The calendar cannot be written: it holds a character that a calendar file cannot carry.</source>
        <translation>No se puede escribir el calendario: contiene un carácter que un archivo de calendario no puede llevar.</translation>
    </message>
    <message>
        <source>The calendar cannot be written: %1.</source>
        <translation>No se puede escribir el calendario: %1.</translation>
    </message>
</context>
<context>
    <name>FondPage</name>
    <message>
        <source>The background picture %1 cannot be read: %2.</source>
        <translation>La imagen de fondo %1 no se puede leer: %2.</translation>
    </message>
    <message>
        <source>The background picture %1 cannot be converted.</source>
        <translation>La imagen de fondo %1 no se puede convertir.</translation>
    </message>
    <message>
        <source>The background picture cannot be written into %1: %2.</source>
        <translation>La imagen de fondo no se puede escribir en %1: %2.</translation>
    </message>
</context>
<context>
    <name>GenerationSite</name>
    <message>
        <source>Day %1 has no media file.</source>
        <translation>El día %1 no tiene ningún archivo multimedia.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be found.</source>
        <translation>Día %1: no se encuentra el archivo %2.</translation>
    </message>
    <message>
        <source>The calendar&apos;s template cannot be copied into %1: %2.</source>
        <translation>No se puede copiar la plantilla del calendario en %1: %2.</translation>
    </message>
    <message>
        <source>The page&apos;s scripts cannot be written in %1.</source>
        <translation>No se pueden escribir los scripts de la página en %1.</translation>
    </message>
    <message>
        <source>The generation was stopped; %1 was left as it was.</source>
        <translation>Se detuvo la generación; %1 se ha quedado como estaba.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be read: %3.</source>
        <translation>Día %1: no se puede leer el archivo %2: %3.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be copied into %3: %4.</source>
        <translation>Día %1: no se puede copiar el archivo %2 en %3: %4.</translation>
    </message>
    <message>
        <source>The page cannot be written in %1.</source>
        <translation>No se puede escribir la página en %1.</translation>
    </message>
    <message>
        <source>Day %1: %2 is not a regular file (it is %3).</source>
        <translation>Día %1: %2 no es un archivo normal (es %3).</translation>
    </message>
    <message>
        <source>Day %1: %2 is a system file, not a media file.</source>
        <translation>Día %1: %2 es un archivo del sistema, no un archivo multimedia.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 does not hold as many bytes as its size says; it is not a media file.</source>
        <translation>Día %1: el archivo %2 no contiene tantos bytes como indica su tamaño; no es un archivo multimedia.</translation>
    </message>
    <message>
        <source>The page&apos;s scripts cannot be written in %1: %2.</source>
        <translation>No se pueden escribir los scripts de la página en %1: %2.</translation>
    </message>
    <message>
        <source>Day %1: %2 is not a picture, a sound or a video.</source>
        <translation>Día %1: %2 no es una imagen, ni un sonido, ni un vídeo.</translation>
    </message>
    <message>
        <source>Day %1: the picture %2 is damaged: it ends before its last part.</source>
        <translation>Día %1: la imagen %2 está dañada: termina antes de su última parte.</translation>
    </message>
    <message>
        <source>%1 changed since it was checked: it now holds files that tinselbox did not generate, which are left as they are.</source>
        <translation>%1 ha cambiado desde que se comprobó: ahora contiene archivos que tinselbox no generó, que se dejan como están.</translation>
    </message>
    <message>
        <source>The page cannot be written in %1: %2.</source>
        <translation>No se puede escribir la página en %1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be copied to %2: %3.</source>
        <translation>No se puede copiar %1 en %2: %3.</translation>
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
        <translation>Este archivo no parece una imagen. Puede que la página no pueda mostrarlo. ¿Conservarlo de todos modos?</translation>
    </message>
    <message>
        <source>MUSIC</source>
        <translation>MÚSICA</translation>
    </message>
    <message>
        <source>This file does not look like a piece of music. The page may not be able to play it. Keep it anyway?</source>
        <translation>Este archivo no parece una pieza de música. Puede que la página no pueda reproducirlo. ¿Conservarlo de todos modos?</translation>
    </message>
    <message>
        <source>VIDEO</source>
        <translation>VÍDEO</translation>
    </message>
    <message>
        <source>This file does not look like a video. The page may not be able to play it. Keep it anyway?</source>
        <translation>Este archivo no parece un vídeo. Puede que la página no pueda reproducirlo. ¿Conservarlo de todos modos?</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>MENSAJE</translation>
    </message>
</context>
<context>
    <name>ImageApercu</name>
    <message>
        <source>The link preview picture %1 cannot be encoded as PNG.</source>
        <translation>No se puede codificar en PNG la imagen de vista previa del enlace %1.</translation>
    </message>
</context>
<context>
    <name>ImportFichiers</name>
    <message>
        <source>This text file is empty or cannot be read:
%1</source>
        <translation>Este archivo de texto está vacío o no se puede leer:
%1</translation>
    </message>
    <message>
        <source>A message holds at most %1 characters of plain text; this file cannot become one:
%2</source>
        <translation>Un mensaje admite como máximo %1 caracteres de texto sin formato; este archivo no puede convertirse en uno:
%2</translation>
    </message>
    <message>
        <source>The content of this file is of no kind a day can hold:
%1</source>
        <translation>El contenido de este archivo no es de ningún tipo que un día pueda contener:
%1</translation>
    </message>
    <message>
        <source>These days already hold a media: %1. 
Replace them?</source>
        <translation>Estos días ya contienen un archivo multimedia: %1. 
¿Reemplazarlos?</translation>
    </message>
    <message>
        <source>No media file was found to import.</source>
        <translation>No se encontró ningún archivo multimedia para importar.</translation>
    </message>
    <message>
        <source>Files given no day: %1.</source>
        <translation>Archivos sin día asignado: %1.</translation>
    </message>
    <message>
        <source>These files were given no day:
%1</source>
        <translation>Estos archivos no han recibido ningún día:
%1</translation>
    </message>
    <message>
        <source>Files of no kind a day can hold, left out: %1.</source>
        <translation>Archivos omitidos por ser de un tipo que un día no puede contener: %1.</translation>
    </message>
    <message>
        <source>These files are of no kind a day can hold and were left out:
%1</source>
        <translation>Estos archivos no son de ningún tipo que un día pueda contener y se han omitido:
%1</translation>
    </message>
    <message>
        <source>Select a folder to import</source>
        <translation>Selecciona una carpeta para importar</translation>
    </message>
</context>
<context>
    <name>InstantApercu</name>
    <message>
        <source>&quot;%1&quot; is not a date and time of the form %2</source>
        <translation>«%1» no es una fecha y hora de la forma %2</translation>
    </message>
</context>
<context>
    <name>LecteurProjet</name>
    <message>
        <source>%1 cannot be opened: the message of day %2 is longer than %3 characters, the most a day can hold.</source>
        <translation>No se puede abrir %1: el mensaje del día %2 supera los %3 caracteres, el máximo que admite un día.</translation>
    </message>
    <message>
        <source>%1 is not a well-formed XML file (line %2, column %3: %4).</source>
        <translation>%1 no es un archivo XML bien formado (línea %2, columna %3: %4).</translation>
    </message>
    <message>
        <source>%1 is not a calendar file: it holds a document type, or more nesting, attributes or elements than a calendar file has.</source>
        <translation>%1 no es un archivo de calendario: contiene una declaración de tipo de documento, o más anidamiento, atributos o elementos de los que tiene un archivo de calendario.</translation>
    </message>
    <message>
        <source>%1 is not a well-formed XML file: it ends too soon.</source>
        <translation>%1 no es un archivo XML bien formado: termina antes de tiempo.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the calendar&apos;s name is longer than %2 characters, the most a name can hold.</source>
        <translation>%1 no se puede abrir: el nombre del calendario tiene más de %2 caracteres, el máximo de un nombre.</translation>
    </message>
</context>
<context>
    <name>LigneCommande</name>
    <message>
        <source>Builds a web calendar of up to 31 days and generates its site.
Without an option, opens the editor, with the calendar FILE if given.</source>
        <translation>Crea un calendario web de hasta 31 días y genera su sitio.
Sin opciones, abre el editor, con el calendario FILE si se indica.</translation>
    </message>
    <message>
        <source>A calendar project file (.xml).</source>
        <translation>Un archivo de proyecto de calendario (.xml).</translation>
    </message>
    <message>
        <source>Generate the site of FILE into the directory DIR, without a display.</source>
        <translation>Genera el sitio de FILE en la carpeta DIR, sin pantalla.</translation>
    </message>
    <message>
        <source>Generate the preview of FILE into tmp/ beside it and open it in the browser.</source>
        <translation>Genera la vista previa de FILE en tmp/, a su lado, y la abre en el navegador.</translation>
    </message>
    <message>
        <source>Check FILE: its media, its days and the estimated site size.</source>
        <translation>Comprueba FILE: sus archivos multimedia, sus días y el tamaño estimado del sitio.</translation>
    </message>
    <message>
        <source>Erase a non-empty DIR that holds no generated site, instead of refusing it.</source>
        <translation>Borra una carpeta DIR no vacía que no contiene ningún sitio generado, en lugar de rechazarla.</translation>
    </message>
    <message>
        <source>With --generate: print no progress.</source>
        <translation>Con --generate: no muestra el progreso.</translation>
    </message>
    <message>
        <source>no display to open the editor on; --generate and --check need none</source>
        <translation>no hay pantalla en la que abrir el editor; --generate y --check no la necesitan</translation>
    </message>
    <message>
        <source>--generate needs a calendar FILE and a directory DIR</source>
        <translation>--generate necesita un calendario FILE y una carpeta DIR</translation>
    </message>
    <message>
        <source>%1 needs one calendar FILE</source>
        <translation>%1 necesita un calendario FILE</translation>
    </message>
    <message>
        <source>the editor opens one calendar FILE at most</source>
        <translation>el editor abre como máximo un calendario FILE</translation>
    </message>
    <message>
        <source>a message</source>
        <translation>un mensaje</translation>
    </message>
    <message>
        <source>Day %1: %2</source>
        <translation>Día %1: %2</translation>
    </message>
    <message>
        <source>Generated the calendar in %1</source>
        <translation>Calendario generado en %1</translation>
    </message>
    <message>
        <source>Estimated site size: %1 (%2 bytes)</source>
        <translation>Tamaño estimado del sitio: %1 (%2&#xa0;bytes)</translation>
    </message>
    <message numerus="yes">
        <source>%1: cannot be generated, %n problem(s) listed above</source>
        <translation>
            <numerusform>%1: no se puede generar, %n problema indicado arriba</numerusform>
            <numerusform>%1: no se puede generar, %n problemas indicados arriba</numerusform>
        </translation>
    </message>
    <message>
        <source>The calendar can be generated.</source>
        <translation>El calendario se puede generar.</translation>
    </message>
    <message>
        <source>With --generate: the directory that receives the site; with --card: the PDF file.</source>
        <translation>Con --generate: la carpeta que recibe el sitio; con --card: el archivo PDF.</translation>
    </message>
    <message>
        <source>Write to OUT.pdf the printable card of FILE: its name and the QR code of its address.</source>
        <translation>Escribe en OUT.pdf la tarjeta imprimible de FILE: su nombre y el código QR de su dirección.</translation>
    </message>
    <message>
        <source>--card needs a calendar FILE and a PDF file OUT.pdf</source>
        <translation>--card necesita un calendario FILE y un archivo PDF OUT.pdf</translation>
    </message>
    <message>
        <source>Converted day %1 (%2 of %3)</source>
        <translation>Día %1 convertido (%2 de %3)</translation>
    </message>
    <message>
        <source>Calendar &quot;%1&quot;: %2 of %3 days have content.</source>
        <translation>Calendario «%1»: %2 de %3 días tienen contenido.</translation>
    </message>
    <message>
        <source>Days without content: %1.</source>
        <translation>Días sin contenido: %1.</translation>
    </message>
    <message>
        <source>Day %1: outside 1 to %2, the page never shows it.</source>
        <translation>Día %1: fuera del 1 al %2, la página nunca lo muestra.</translation>
    </message>
    <message>
        <source>Day %1: %2 will not play in every browser; installing ffmpeg converts it.</source>
        <translation>Día %1: %2 no se reproducirá en todos los navegadores; instalar ffmpeg lo convierte.</translation>
    </message>
    <message>
        <source>Estimated site size: %1 (%2 bytes), before converting the media</source>
        <translation>Tamaño estimado del sitio: %1 (%2&#xa0;bytes), antes de convertir los archivos multimedia</translation>
    </message>
    <message>
        <source>the preview is ready in %1, but no browser could be opened to show it</source>
        <translation>la vista previa está lista en %1, pero no se ha podido abrir ningún navegador para mostrarla</translation>
    </message>
    <message>
        <source>The file does not follow the calendar&apos;s schema: what this version does not know is left out.</source>
        <translation>El archivo no sigue el esquema del calendario: lo que esta versión no conoce se deja de lado.</translation>
    </message>
    <message>
        <source>stopped by %1; %2 was left as it was.</source>
        <translation>detenido por %1; %2 se dejó como estaba.</translation>
    </message>
    <message>
        <source>%1 (see --help)</source>
        <translation>%1 (consulta --help)</translation>
    </message>
    <message>
        <source>%1 is not empty and holds no site that tinselbox generated; --force erases its contents.</source>
        <translation>%1 no está vacío y no contiene ningún sitio generado por tinselbox; --force borra su contenido.</translation>
    </message>
    <message>
        <source>Convert, generate and publish FILE to its publishing address, sending only what changed.</source>
        <translation>Convertir, generar y publicar FILE en su dirección de publicación, enviando solo lo que cambió.</translation>
    </message>
    <message>
        <source>With --publish: list what would be sent and deleted, change nothing.</source>
        <translation>Con --publish: listar lo que se enviaría y borraría, sin cambiar nada.</translation>
    </message>
    <message>
        <source>With --publish: read the password or S3 secret key from FILE, which only its owner may read.</source>
        <translation>Con --publish: leer la contraseña o la clave secreta S3 de FILE, que solo su propietario puede leer.</translation>
    </message>
    <message>
        <source>With --publish: also trust the certificate authority in FILE (a server with its own certificate).</source>
        <translation>Con --publish: confiar también en la autoridad de certificación de FILE (un servidor con su propio certificado).</translation>
    </message>
    <message>
        <source>With --publish: trust the SFTP server whose host key has this fingerprint, and remember it.</source>
        <translation>Con --publish: confiar en el servidor SFTP cuya clave de host tiene esta huella, y recordarlo.</translation>
    </message>
    <message>
        <source>choose one of --generate, --preview, --check, --card and --publish</source>
        <translation>elija una de --generate, --preview, --check, --card y --publish</translation>
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
        <translation>--dry-run, --secret-file, --ca-file y --accept-host-key van con --publish</translation>
    </message>
    <message>
        <source>--secret-file FILE gives the password instead.</source>
        <translation>--secret-file FILE da la contraseña en su lugar.</translation>
    </message>
    <message>
        <source>no password for %1: give --secret-file FILE (a file only you can read), or keep it in the keyring from the editor&apos;s Publish</source>
        <translation>no hay contraseña para %1: indique --secret-file FILE (un archivo que solo usted puede leer), o guárdela en el llavero desde Publicar en el editor</translation>
    </message>
    <message>
        <source>%1: the calendar has no publishing address; set one in the editor&apos;s Options</source>
        <translation>%1: el calendario no tiene dirección de publicación; indique una en las Opciones del editor</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>Borrado: %1</translation>
    </message>
    <message>
        <source>Sent %1 (%2)</source>
        <translation>Enviado: %1 (%2)</translation>
    </message>
    <message>
        <source> To trust it, publish again with --accept-host-key %1</source>
        <translation> Para confiar en ella, publique de nuevo con --accept-host-key %1</translation>
    </message>
    <message>
        <source> --force publishes beside them.</source>
        <translation> --force publica junto a ellos.</translation>
    </message>
    <message>
        <source>would send %1</source>
        <translation>enviaría %1</translation>
    </message>
    <message>
        <source>would delete %1</source>
        <translation>borraría %1</translation>
    </message>
    <message>
        <source>Dry run: %1 file(s) to send (%2), %3 to delete, %4 unchanged.</source>
        <translation>Prueba: %1 archivo(s) por enviar (%2), %3 por borrar, %4 sin cambios.</translation>
    </message>
    <message>
        <source>Published to %1: %2 file(s) sent (%3), %4 deleted, %5 unchanged.</source>
        <translation>Publicado en %1: %2 archivo(s) enviado(s) (%3), %4 borrado(s), %5 sin cambios.</translation>
    </message>
    <message>
        <source>With --preview: show the page as a visitor sees it at MOMENT (YYYY-MM-DDTHH:MM, in the calendar&apos;s time zone).</source>
        <translation>Con --preview: mostrar la página como la ve un visitante en MOMENT (YYYY-MM-DDTHH:MM, en la zona horaria del calendario).</translation>
    </message>
    <message>
        <source>--date goes with --preview</source>
        <translation>--date va con --preview</translation>
    </message>
    <message>
        <source>With --generate, --check or --publish: read a private calendar&apos;s password from FILE, which only you may read.</source>
        <translation>Con --generate, --check o --publish: leer la contraseña de un calendario privado de FILE, que solo usted puede leer.</translation>
    </message>
    <message>
        <source>--password-file goes with --generate, --check or --publish</source>
        <translation>--password-file va con --generate, --check o --publish</translation>
    </message>
    <message>
        <source>The calendar is private: --password-file checks its password too.</source>
        <translation>El calendario es privado: --password-file comprueba también su contraseña.</translation>
    </message>
    <message>
        <source>The password is the calendar&apos;s.</source>
        <translation>La contraseña es la del calendario.</translation>
    </message>
    <message>
        <source>the calendar is private: give its password with --password-file FILE</source>
        <translation>el calendario es privado: indique su contraseña con --password-file FILE</translation>
    </message>
    <message>
        <source>%1: the calendar has no address to put on a card; set “Public address” in the editor’s Options</source>
        <translation>%1: el calendario no tiene una dirección que poner en una tarjeta; indica «Dirección pública» en las Opciones del editor</translation>
    </message>
    <message>
        <source>With --generate, --check or --publish: go on with the key chain of a calendar whose doors open only on their day, from the recovery code in FILE, which only you may read.</source>
        <translation>Con --generate, --check o --publish: continuar la cadena de claves de un calendario cuyas puertas solo se abren en su día, con el código de recuperación de FILE, que solo usted puede leer.</translation>
    </message>
    <message>
        <source>--recovery-code-file goes with --generate, --check or --publish</source>
        <translation>--recovery-code-file va con --generate, --check o --publish</translation>
    </message>
    <message>
        <source>--recovery-code-file: this calendar&apos;s doors do not open only on their day</source>
        <translation>--recovery-code-file: las puertas de este calendario no se abren solo en su día</translation>
    </message>
    <message>
        <source>--recovery-code-file: </source>
        <translation>--recovery-code-file: </translation>
    </message>
    <message>
        <source>--recovery-code-file: this is not a recovery code, or it is mistyped</source>
        <translation>--recovery-code-file: esto no es un código de recuperación, o está mal escrito</translation>
    </message>
    <message>
        <source>Doors open only on their day: a site made today opens none yet.</source>
        <translation>Las puertas solo se abren en su día: un sitio hecho hoy todavía no abre ninguna.</translation>
    </message>
    <message>
        <source>Doors open only on their day: a site made today opens days 1 to %1.</source>
        <translation>Las puertas solo se abren en su día: un sitio hecho hoy abre los días 1 a %1.</translation>
    </message>
    <message>
        <source>This computer keeps no key chain for this calendar: the next generation starts a new one, unless --recovery-code-file gives its recovery code.</source>
        <translation>Este ordenador no guarda ninguna cadena de claves para este calendario: la próxima generación empieza una nueva, salvo que --recovery-code-file indique su código de recuperación.</translation>
    </message>
    <message>
        <source>Publish every morning is not on: each door opens only when the site is generated or published again.</source>
        <translation>La publicación cada mañana no está activada: cada puerta solo se abre cuando el sitio se vuelve a generar o publicar.</translation>
    </message>
    <message>
        <source>A door whose morning publish does not run (the computer was off) opens at the next publish.</source>
        <translation>Una puerta cuya publicación de la mañana no se ejecuta (el ordenador estaba apagado) se abre en la siguiente publicación.</translation>
    </message>
</context>
<context>
    <name>ListeSite</name>
    <message>
        <source>%1 is not a regular file: a site holds only files and folders.</source>
        <translation>%1 no es un archivo normal: un sitio solo contiene archivos y carpetas.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
</context>
<context>
    <name>ManifesteSite</name>
    <message>
        <source>The directory %1 cannot be written: %2.</source>
        <translation>No se puede escribir en la carpeta %1: %2.</translation>
    </message>
</context>
<context>
    <name>MenusFenetre</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nuevo…</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Import a folder...</source>
        <translation>Importar una carpeta…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Idioma…</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Calendario</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones…</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>&amp;Generate...</source>
        <translation>&amp;Generar…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About tinselbox</source>
        <translation>&amp;Acerca de tinselbox</translation>
    </message>
    <message>
        <source>&lt;h3&gt;tinselbox %1&lt;/h3&gt;&lt;p&gt;An editor for interactive web calendars of up to 31 days.&lt;/p&gt;&lt;p&gt;Released under the %2 licence.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;tinselbox %1&lt;/h3&gt;&lt;p&gt;Un editor de calendarios web interactivos de hasta 31 días.&lt;/p&gt;&lt;p&gt;Distribuido bajo la licencia %2.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>P&amp;ublish</source>
        <translation>P&amp;ublicar</translation>
    </message>
    <message>
        <source>Preview on a &amp;date...</source>
        <translation>Vista previa en una &amp;fecha...</translation>
    </message>
    <message>
        <source>Publish every &amp;morning</source>
        <translation>Publicar cada &amp;mañana</translation>
    </message>
</context>
<context>
    <name>MotDePassePrive</name>
    <message>
        <source>Password of this private calendar:</source>
        <translation>Contraseña de este calendario privado:</translation>
    </message>
    <message>
        <source>Private calendar</source>
        <translation>Calendario privado</translation>
    </message>
</context>
<context>
    <name>OutilFfmpeg</name>
    <message>
        <source>The conversion was stopped.</source>
        <translation>La conversión se detuvo.</translation>
    </message>
    <message>
        <source>ffmpeg failed: %1.</source>
        <translation>ffmpeg falló: %1.</translation>
    </message>
    <message>
        <source>ffmpeg is not installed.</source>
        <translation>ffmpeg no está instalado.</translation>
    </message>
    <message>
        <source>ffmpeg stopped with code %1.</source>
        <translation>ffmpeg terminó con el código %1.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Your browser cannot show this calendar.</source>
        <translation>Tu navegador no puede mostrar este calendario.</translation>
    </message>
    <message>
        <source>{n} numbered balls hanging above fir trees</source>
        <translation>{n} bolas numeradas colgadas sobre los abetos</translation>
    </message>
    <message>
        <source>This is a preview: you can click on all days to test it.</source>
        <translation>Esto es una vista previa: puedes hacer clic en todos los días para probarla.</translation>
    </message>
    <message>
        <source>Day {n}</source>
        <translation>Día {n}</translation>
    </message>
    <message>
        <source>Day {n} is open</source>
        <translation>El día {n} está abierto</translation>
    </message>
    <message>
        <source>Day {n}, already opened</source>
        <translation>Día {n}, ya abierto</translation>
    </message>
    <message>
        <source>{jour}, opens on {date}</source>
        <translation>{jour}, se abre el {date}</translation>
    </message>
    <message>
        <source>{jour}, was open on {date}</source>
        <translation>{jour}, estuvo abierto el {date}</translation>
    </message>
    <message>
        <source>{jour}, stays shut: {mois} has {n} days</source>
        <translation>{jour}, sigue cerrado: {mois} solo tiene {n} días</translation>
    </message>
    <message>
        <source>This calendar opens on {date}.</source>
        <translation>Este calendario se abre el {date}.</translation>
    </message>
    <message>
        <source>This calendar opens again on {date}.</source>
        <translation>Este calendario vuelve a abrirse el {date}.</translation>
    </message>
    <message>
        <source>Day {n} opens in {h} h {min} min</source>
        <translation>El día {n} se abre dentro de {h}&#xa0;h {min}&#xa0;min</translation>
    </message>
    <message>
        <source>Day {n} opens in {min} min</source>
        <translation>El día {n} se abre dentro de {min}&#xa0;min</translation>
    </message>
    <message>
        <source>Day {n}: picture</source>
        <translation>Día {n}: una imagen</translation>
    </message>
    <message>
        <source>Day {n}: music</source>
        <translation>Día {n}: música</translation>
    </message>
    <message>
        <source>Day {n}: video</source>
        <translation>Día {n}: un vídeo</translation>
    </message>
    <message>
        <source>Day {n}: {texte}</source>
        <translation>Día {n}: {texte}</translation>
    </message>
    <message>
        <source>Day {n}: nothing today</source>
        <translation>Día {n}: hoy nada</translation>
    </message>
    <message>
        <source>Scan to open</source>
        <translation>Escanea para abrir</translation>
    </message>
    <message>
        <source>Snow</source>
        <translation>Nieve</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Recordármelo</translation>
    </message>
    <message>
        <source>A calendar of %1 days: open today&apos;s ball to find its surprise.</source>
        <translation>Un calendario de %1 días: abre la bola de hoy para descubrir su sorpresa.</translation>
    </message>
    <message>
        <source>This calendar is private.</source>
        <translation>Este calendario es privado.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Remember on this device</source>
        <translation>Recordar en este dispositivo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Opening…</source>
        <translation>Abriendo…</translation>
    </message>
    <message>
        <source>Wrong password. Please try again.</source>
        <translation>Contraseña incorrecta. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>This day&apos;s content is damaged and cannot be shown.</source>
        <translation>El contenido de este día está dañado y no se puede mostrar.</translation>
    </message>
    <message>
        <source>This calendar needs an https:// address: ask for its link beginning with https://.</source>
        <translation>Este calendario necesita una dirección https://: pida su enlace que empieza por https://.</translation>
    </message>
    <message>
        <source>The calendar cannot be opened right now: check the connection and try again.</source>
        <translation>El calendario no se puede abrir ahora: compruebe la conexión e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>This door opens on its day.</source>
        <translation>Esta puerta se abre en su día.</translation>
    </message>
</context>
<context>
    <name>PlanConversions</name>
    <message>
        <source>This file will not play in every browser. Installing ffmpeg converts it when the site is generated.</source>
        <translation>Este archivo no se reproducirá en todos los navegadores. Si instalas ffmpeg, se convierte al generar el sitio.</translation>
    </message>
    <message>
        <source>Day %1: %2 is not a picture, a sound or a video.</source>
        <translation>Día %1: %2 no es una imagen, ni un sonido, ni un vídeo.</translation>
    </message>
    <message>
        <source>ffmpeg is not installed: the sound and video files of days %1 are published as they are, unconverted, and keep the position (GPS) and other details they hold.</source>
        <translation>ffmpeg no está instalado: los archivos de sonido y vídeo de los días %1 se publican tal cual, sin convertir, y conservan la posición (GPS) y los demás datos que contienen.</translation>
    </message>
    <message>
        <source>The conversions were stopped.</source>
        <translation>Las conversiones se detuvieron.</translation>
    </message>
    <message>
        <source>Day %1: the file %2 cannot be converted. %3</source>
        <translation>Día %1: el archivo %2 no se puede convertir. %3</translation>
    </message>
    <message>
        <source>%1 is not a picture, a sound or a video.</source>
        <translation>%1 no es una imagen, un sonido ni un vídeo.</translation>
    </message>
    <message>
        <source>The converted copy of %1 in %2 was cut short; the disk may be full.</source>
        <translation>La copia convertida de %1 en %2 quedó incompleta; puede que el disco esté lleno.</translation>
    </message>
</context>
<context>
    <name>PolitiqueSortie</name>
    <message>
        <source>No directory was given for the generation.</source>
        <translation>No se ha indicado ninguna carpeta para la generación.</translation>
    </message>
    <message>
        <source>%1 is not empty and holds no site that tinselbox generated; its contents would be erased.</source>
        <translation>La carpeta %1 no está vacía y no contiene ningún sitio generado por tinselbox; su contenido se borraría.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is a link to %2, which does not exist.</source>
        <translation>No se puede usar %1 para la generación: es un enlace a %2, que no existe.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is a file, not a directory.</source>
        <translation>No se puede usar %1 para la generación: es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is the root of a disk.</source>
        <translation>No se puede usar %1 para la generación: es la raíz de un disco.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: a disk is mounted inside this directory.</source>
        <translation>No se puede usar %1 para la generación: hay un disco montado dentro de esta carpeta.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: it is your home directory.</source>
        <translation>No se puede usar %1 para la generación: es tu carpeta personal.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: this directory holds your home directory.</source>
        <translation>No se puede usar %1 para la generación: esta carpeta contiene tu carpeta personal.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: this directory holds the calendar&apos;s project file.</source>
        <translation>No se puede usar %1 para la generación: esta carpeta contiene el archivo de proyecto del calendario.</translation>
    </message>
    <message>
        <source>%1 cannot be used for the generation: this directory holds the media of day %2.</source>
        <translation>No se puede usar %1 para la generación: esta carpeta contiene el archivo multimedia del día %2.</translation>
    </message>
</context>
<context>
    <name>PublicationCalendrier</name>
    <message>
        <source>The calendar has no publishing address; set one in Options, Publishing.</source>
        <translation>El calendario no tiene dirección de publicación; indique una en Opciones, Publicación.</translation>
    </message>
    <message>
        <source>Cannot make a staging folder for the site: %1.</source>
        <translation>No se puede crear una carpeta de preparación para el sitio: %1.</translation>
    </message>
</context>
<context>
    <name>Publieur</name>
    <message>
        <source>No publishing address is set.</source>
        <translation>No hay ninguna dirección de publicación.</translation>
    </message>
    <message>
        <source>The remote folder %1 holds files that no publish of a calendar put there; publishing beside them needs your confirmation (they are never deleted).</source>
        <translation>La carpeta remota %1 contiene archivos que ninguna publicación de un calendario puso allí; publicar junto a ellos requiere su confirmación (nunca se borran).</translation>
    </message>
    <message>
        <source>Cannot send %1: %2.</source>
        <translation>No se puede enviar %1: %2.</translation>
    </message>
</context>
<context>
    <name>Secrets</name>
    <message>
        <source>the keyring did not answer</source>
        <translation>el llavero no respondió</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>es un enlace</translation>
    </message>
    <message>
        <source>Cannot read the secret file %1: %2.</source>
        <translation>No se puede leer el archivo secreto %1: %2.</translation>
    </message>
    <message>
        <source>The secret file %1 is not a regular file.</source>
        <translation>El archivo secreto %1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>The secret file %1 may be read by others: only its owner may read it (chmod 600 %1).</source>
        <translation>El archivo secreto %1 puede ser leído por otros: solo su propietario debe poder leerlo (chmod 600 %1).</translation>
    </message>
    <message>
        <source>The secret file %1 is too large to hold a secret.</source>
        <translation>El archivo secreto %1 es demasiado grande para contener un secreto.</translation>
    </message>
    <message>
        <source>Cannot keep a secret in %1: %2.</source>
        <translation>No se puede guardar un secreto en %1: %2.</translation>
    </message>
    <message>
        <source>The secret file %1 is empty.</source>
        <translation>El archivo secreto %1 está vacío.</translation>
    </message>
    <message>
        <source>The keyring cannot be read: %1.</source>
        <translation>No se puede leer el llavero: %1.</translation>
    </message>
    <message>
        <source>The keyring did not keep the secret: %1.</source>
        <translation>El llavero no guardó el secreto: %1.</translation>
    </message>
    <message>
        <source>The secret cannot be removed from the keyring: %1.</source>
        <translation>No se puede quitar el secreto del llavero: %1.</translation>
    </message>
</context>
<context>
    <name>ServiceGeneration</name>
    <message>
        <source>There is no calendar to generate.</source>
        <translation>No hay ningún calendario que generar.</translation>
    </message>
    <message>
        <source>The generation was stopped; %1 was left as it was.</source>
        <translation>Se detuvo la generación; %1 se ha quedado como estaba.</translation>
    </message>
</context>
<context>
    <name>SitePrive</name>
    <message>
        <source>This calendar is private: its password is needed to generate it.</source>
        <translation>Este calendario es privado: se necesita su contraseña para generarlo.</translation>
    </message>
    <message>
        <source>The project file holds no key parameters for its password: this site gets a new key, and visitors who were remembered type the password again. Set the password in Options to keep the same key from one generation to the next.</source>
        <translation>El archivo del proyecto no contiene los parámetros de clave de su contraseña: este sitio recibe una clave nueva y los visitantes recordados deberán volver a escribir la contraseña. Fije la contraseña en Opciones para conservar la misma clave de una generación a otra.</translation>
    </message>
    <message>
        <source>The calendar&apos;s keys cannot be made on this computer.</source>
        <translation>No se pueden crear las claves del calendario en este ordenador.</translation>
    </message>
    <message>
        <source>The project file holds no key parameters: set the password in Options.</source>
        <translation>El archivo del proyecto no contiene parámetros de clave: fije la contraseña en Opciones.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>No se puede escribir el archivo %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 changed while it was encrypted.</source>
        <translation>El archivo %1 cambió mientras se cifraba.</translation>
    </message>
    <message>
        <source>The content cannot be encrypted.</source>
        <translation>No se puede cifrar el contenido.</translation>
    </message>
    <message>
        <source>The page&apos;s lock cannot be written in %1.</source>
        <translation>No se puede escribir el cierre de la página en %1.</translation>
    </message>
    <message>
        <source>This computer kept no key chain for this calendar: a new chain is started, and the site&apos;s days are encrypted again. If this calendar was published from another computer, give its recovery code (Options, or --recovery-code-file) to go on with its chain.</source>
        <translation>Este ordenador no guardaba ninguna cadena de claves para este calendario: empieza una cadena nueva, y los días del sitio se cifran de nuevo. Si este calendario se publicó desde otro ordenador, indique su código de recuperación (Opciones, o --recovery-code-file) para continuar su cadena.</translation>
    </message>
</context>
<context>
    <name>TacheMatinale</name>
    <message>
        <source>systemctl --user %1 failed: %2</source>
        <translation>systemctl --user %1 falló: %2</translation>
    </message>
    <message>
        <source>Cannot make the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>No se puede escribir %1: %2.</translation>
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
        <translation>Abetos</translation>
    </message>
    <message>
        <source>Winter night</source>
        <translation>Noche de invierno</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Frost</source>
        <translation>Escarcha</translation>
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
        <translation>El idioma del sistema (%1)</translation>
    </message>
    <message>
        <source>The editor speaks the chosen language the next time it starts.</source>
        <translation>El editor usará el idioma elegido la próxima vez que se inicie.</translation>
    </message>
</context>
<context>
    <name>TransfertCurl</name>
    <message>
        <source>Publishing was stopped.</source>
        <translation>Se detuvo la publicación.</translation>
    </message>
    <message>
        <source>the host key of %1 has changed since it was accepted; this may be an attack (someone between you and the server), so nothing was sent</source>
        <translation>la clave de host de %1 ha cambiado desde que se aceptó; puede ser un ataque (alguien entre usted y el servidor), así que no se envió nada</translation>
    </message>
    <message>
        <source>the host key of %1 is not known (%2); accept it only if it is your server&apos;s</source>
        <translation>la clave de host de %1 no es conocida (%2); acéptela solo si es la de su servidor</translation>
    </message>
    <message>
        <source>the server refused the login: wrong user name, key or password</source>
        <translation>el servidor rechazó el inicio de sesión: nombre de usuario, clave o contraseña incorrectos</translation>
    </message>
    <message>
        <source>permission denied by the server</source>
        <translation>permiso denegado por el servidor</translation>
    </message>
    <message>
        <source>the server has no room left</source>
        <translation>el servidor no tiene espacio libre</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1</source>
        <translation>el servidor respondió con el estado HTTP %1</translation>
    </message>
    <message>
        <source>the server stopped answering (timeout)</source>
        <translation>el servidor dejó de responder (tiempo agotado)</translation>
    </message>
    <message>
        <source>the server %1 cannot be found</source>
        <translation>no se encuentra el servidor %1</translation>
    </message>
    <message>
        <source>the server %1 cannot be reached</source>
        <translation>no se puede contactar con el servidor %1</translation>
    </message>
    <message>
        <source>the secure connection to the server failed (%1)</source>
        <translation>la conexión segura con el servidor falló (%1)</translation>
    </message>
    <message>
        <source>Cannot list the remote folder %1</source>
        <translation>No se puede listar la carpeta remota %1</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>Cannot send %1</source>
        <translation>No se puede enviar %1</translation>
    </message>
    <message>
        <source>Cannot delete %1</source>
        <translation>No se puede borrar %1</translation>
    </message>
    <message>
        <source>Cannot list the bucket %1</source>
        <translation>No se puede listar el bucket %1</translation>
    </message>
    <message>
        <source>Cannot list the bucket %1: the server&apos;s answer does not read (%2).</source>
        <translation>No se puede listar el bucket %1: la respuesta del servidor no se puede leer (%2).</translation>
    </message>
    <message>
        <source>Cannot make the remote folder %1</source>
        <translation>No se puede crear la carpeta remota %1</translation>
    </message>
    <message>
        <source>Cannot put %1 in place</source>
        <translation>No se puede poner %1 en su sitio</translation>
    </message>
    <message>
        <source>the server refused the login: wrong user name, key or password (%1)</source>
        <translation>el servidor rechazó el inicio de sesión: nombre de usuario, clave o contraseña incorrectos (%1)</translation>
    </message>
    <message>
        <source>permission denied by the server (%1)</source>
        <translation>permiso denegado por el servidor (%1)</translation>
    </message>
    <message>
        <source>the server has no room left (%1)</source>
        <translation>el servidor no tiene espacio libre (%1)</translation>
    </message>
    <message>
        <source>the server answered with HTTP status %1 (%2)</source>
        <translation>el servidor respondió con el estado HTTP %1 (%2)</translation>
    </message>
    <message>
        <source>the server&apos;s certificate cannot be trusted (%1); a server with an authority of its own needs that authority given with --ca-file, or kept as certificate-authorities.pem in tinselbox&apos;s data folder</source>
        <translation>no se puede confiar en el certificado del servidor (%1); un servidor con su propia autoridad necesita esa autoridad dada con --ca-file, o guardada como certificate-authorities.pem en la carpeta de datos de tinselbox</translation>
    </message>
</context>
<context>
    <name>TuilesJours</name>
    <message>
        <source>Day %1</source>
        <translation>Día %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>file missing</source>
        <translation>falta el archivo</translation>
    </message>
</context>
</TS>
