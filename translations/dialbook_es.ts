<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About the Orvak Dialbook</source>
        <translation>Acerca de Orvak Dialbook</translation>
    </message>
    <message>
        <source>Phone book and picture manager for Orvak handsets.</source>
        <translation>Gestor de agenda e imágenes para terminales Orvak.</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Your handset, on your computer</source>
        <translation>Su terminal, en su equipo</translation>
    </message>
    <message>
        <source>Phone Book</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>Handset</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>On the handset</source>
        <translation>En el terminal</translation>
    </message>
    <message>
        <source>Visit the Orvak web site</source>
        <translation>Visite el sitio web de Orvak</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>Keep your handset&apos;s phone book and pictures on your computer. Receive the phone book, edit it, save it, and send it back; frame a picture and download it to the handset.</source>
        <translation>Guarde la agenda y las imágenes de su terminal en su equipo. Reciba la agenda, edítela, guárdela y envíela de vuelta; encuadre una imagen y transfiérala al terminal.</translation>
    </message>
    <message>
        <source>Connect the handset with its USB cable. The status bar below shows its name once it is found. Press Help for how to set up a handset on Linux.</source>
        <translation>Conecte el terminal con su cable USB. La barra de estado inferior muestra su nombre cuando se detecta. Pulse Ayuda para saber cómo configurar un terminal en Linux.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>New Phonebook</source>
        <translation>Nueva agenda</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Recibir</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>I/E</source>
        <translation>I/E</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Marcar todas</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Desmarcar todas</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izda.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Dcha.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Eliminar marcadas</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincr.</translation>
    </message>
</context>
<context>
    <name>BrightnessContrastDialog</name>
    <message>
        <source>Brightness/Contrast</source>
        <translation>Brillo/contraste</translation>
    </message>
    <message>
        <source>&amp;Brightness</source>
        <translation>&amp;Brillo</translation>
    </message>
    <message>
        <source>&amp;Contrast</source>
        <translation>&amp;Contraste</translation>
    </message>
</context>
<context>
    <name>CardDavClient</name>
    <message numerus="yes">
        <source>%n cards came without their data</source>
        <translation>
            <numerusform>%n tarjeta llegó sin sus datos</numerusform>
            <numerusform>%n tarjetas llegaron sin sus datos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CardDavFailure</name>
    <message>
        <source>The address %1 holds a password. Give the address without it, and the user name and the password apart.</source>
        <translation>La dirección %1 contiene una contraseña. Indique la dirección sin ella y, por separado, el nombre de usuario y la contraseña.</translation>
    </message>
    <message>
        <source>%1 is not the address of a server: it must begin with https:// or http://.</source>
        <translation>%1 no es la dirección de un servidor: debe empezar por https:// o http://.</translation>
    </message>
    <message>
        <source>The certificate %1 could not be read: it is no PEM or DER certificate.</source>
        <translation>No se pudo leer el certificado %1: no es un certificado PEM ni DER.</translation>
    </message>
    <message>
        <source>Could not reach %1: %2.</source>
        <translation>No se pudo acceder a %1: %2.</translation>
    </message>
    <message>
        <source>Could not connect to %1 within %2 seconds.</source>
        <translation>No se pudo conectar con %1 en %2 segundos.</translation>
    </message>
    <message>
        <source>The server at %1 did not answer within %2 seconds.</source>
        <translation>El servidor de %1 no respondió en %2 segundos.</translation>
    </message>
    <message>
        <source>The server at %1 sent the connection on to %2, which is not encrypted; it was not followed.</source>
        <translation>El servidor de %1 redirigió la conexión a %2, que no usa cifrado; no se ha seguido la redirección.</translation>
    </message>
    <message>
        <source>The certificate of %1 was refused: %2.</source>
        <translation>Se ha rechazado el certificado de %1: %2.</translation>
    </message>
    <message>
        <source>The server at %1 refused the user name or the password.</source>
        <translation>El servidor de %1 ha rechazado el nombre de usuario o la contraseña.</translation>
    </message>
    <message>
        <source>There is nothing at %1 (the server answered 404 Not Found).</source>
        <translation>No hay nada en %1 (el servidor respondió 404 Not Found).</translation>
    </message>
    <message>
        <source>The server at %1 answered %2 %3.</source>
        <translation>El servidor de %1 respondió %2 %3.</translation>
    </message>
    <message>
        <source>The answer of %1 is larger than %2 MB; nothing was read.</source>
        <translation>La respuesta de %1 supera los %2 MB; no se ha leído nada.</translation>
    </message>
    <message>
        <source>The answer of %1 could not be read: %2.</source>
        <translation>No se pudo leer la respuesta de %1: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2 address books; give the address of one of them.</source>
        <translation>%1 lleva a %2 libretas de direcciones; indique la dirección de una de ellas.</translation>
    </message>
    <message>
        <source>Reading from %1 was cancelled.</source>
        <translation>Se ha cancelado la lectura de %1.</translation>
    </message>
    <message>
        <source>The server at %1 sent the connection on to %2, another server, which asked for the password; it was not given.</source>
        <translation>El servidor en %1 desvió la conexión a %2, otro servidor, que pidió la contraseña; no se le dio.</translation>
    </message>
    <message>
        <source>%1 shows no address book: it is no CardDAV server, or it keeps none for this user.</source>
        <translation>%1 no muestra ninguna libreta de direcciones: no es un servidor CardDAV, o no tiene ninguna para este usuario.</translation>
    </message>
</context>
<context>
    <name>ChangeMapDialog</name>
    <message>
        <source>“%1” is mapped from “%2”. Set that row to none first to map it here.</source>
        <translation>«%1» ya está asignado desde «%2». Quite primero la asignación de esa fila para asignarlo aquí.</translation>
    </message>
    <message>
        <source>Change Mapping</source>
        <translation>Cambiar asignación</translation>
    </message>
    <message>
        <source>Text Field: %1</source>
        <translation>Campo de texto: %1</translation>
    </message>
</context>
<context>
    <name>ChooseOperationPage</name>
    <message>
        <source>Import/Export</source>
        <translation>Importar/exportar</translation>
    </message>
    <message>
        <source>Select the operation to perform:</source>
        <translation>Seleccione la operación que desea realizar:</translation>
    </message>
    <message>
        <source>Import contacts from a comma delimited text file.</source>
        <translation>Importar contactos de un archivo de texto delimitado por comas.</translation>
    </message>
    <message>
        <source>Export contacts to a comma delimited text file.</source>
        <translation>Exportar contactos a un archivo de texto delimitado por comas.</translation>
    </message>
</context>
<context>
    <name>ColorBalanceDialog</name>
    <message>
        <source>Edit Color Settings</source>
        <translation>Editar ajustes de color</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rojo</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Verde</translation>
    </message>
    <message>
        <source>B&amp;lue</source>
        <translation>A&amp;zul</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;dialbook --help&apos;.</source>
        <translation>Pruebe «dialbook --help».</translation>
    </message>
    <message>
        <source>devices takes no arguments</source>
        <translation>devices no admite argumentos</translation>
    </message>
    <message>
        <source>info takes no arguments</source>
        <translation>info no admite argumentos</translation>
    </message>
    <message>
        <source>pull takes one file</source>
        <translation>pull requiere un archivo</translation>
    </message>
    <message>
        <source>push takes one file</source>
        <translation>push requiere un archivo</translation>
    </message>
    <message>
        <source>show takes one file</source>
        <translation>show requiere un archivo</translation>
    </message>
    <message>
        <source>picture takes a picture file and a PNG or BMP file</source>
        <translation>picture requiere un archivo de imagen y un archivo PNG o BMP</translation>
    </message>
    <message>
        <source>send-picture takes one file</source>
        <translation>send-picture requiere un archivo</translation>
    </message>
    <message>
        <source>backups takes no arguments</source>
        <translation>backups no admite argumentos</translation>
    </message>
    <message>
        <source>import takes a contacts file and a phone-book file</source>
        <translation>import requiere un archivo de contactos y un archivo de agenda</translation>
    </message>
    <message>
        <source>export takes a phone-book file and a contacts file</source>
        <translation>export requiere un archivo de agenda y un archivo de contactos</translation>
    </message>
    <message>
        <source>--international-prefix takes digits, such as 00 or 011</source>
        <translation>--international-prefix requiere dígitos, como 00 o 011</translation>
    </message>
    <message>
        <source>--first takes a number of contacts, 1 or more</source>
        <translation>--first requiere un número de contactos, 1 o más</translation>
    </message>
    <message>
        <source>--rotate takes left or right</source>
        <translation>--rotate requiere left o right</translation>
    </message>
    <message>
        <source>--%1 takes a number of steps</source>
        <translation>--%1 requiere un número de pasos</translation>
    </message>
    <message>
        <source>--frame takes X,Y</source>
        <translation>--frame requiere X,Y</translation>
    </message>
    <message>
        <source>--%1 takes a number from -100 to 100</source>
        <translation>--%1 requiere un número de -100 a 100</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se ha indicado ningún comando</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>comando desconocido %1</translation>
    </message>
    <message>
        <source>picture writes a .png or a .bmp file</source>
        <translation>picture escribe un archivo .png o .bmp</translation>
    </message>
    <message>
        <source>sync takes one file</source>
        <translation>sync requiere un archivo</translation>
    </message>
    <message>
        <source>--prefer takes computer or handset</source>
        <translation>--prefer requiere computer o handset</translation>
    </message>
    <message>
        <source>Usage: dialbook [--simulate] COMMAND [ARGS]

Talks to the first Orvak handset found on USB, or to a simulated one.

Commands:
  devices          List every device of the handset maker: its path, vendor:product in
                   hex, input and output report lengths, and whether it is an accepted
                   handset. Devices that cannot be opened are listed with the reason;
                   for a handset this user may not open, the fix is named too (the
                   udev rule). Exits 0 when an accepted handset is there, else 1.
  info             Print the handset&apos;s name and its identity (12 hex digits), or how
                   to get permission to open it.
  pull FILE.opbk   Receive the handset&apos;s phone book and save it in FILE.opbk.
  push FILE.opbk   Send the phone book in FILE.opbk to the handset, replacing the one
                   there. Asks first; entries without a name or a number are left out,
                   after a second question. When no entry is left to send, it asks
                   whether to delete all the entries on the handset (No unless y).
                   The handset&apos;s book is kept in My Phonebooks/Backups first (the 20
                   newest of each handset), unless --no-backup.
  sync BOOK.opbk [--prefer computer|handset] [--dry-run]
                   Sync the handset&apos;s phone book with BOOK.opbk: what was added,
                   changed or deleted on either side since the last sync of this
                   handset reaches the other. Prints each change and where it came
                   from, then asks once before it sends the merged book to the
                   handset (only when its book differs) and saves it in BOOK.opbk.
                   An entry changed on both sides differently is a conflict: the
                   computer&apos;s version is taken unless --prefer handset. The first
                   sync takes the entries of both books, entries alike once. The
                   handset&apos;s book is kept in the Backups first, unless --no-backup.
                   When the merged book would hold more than 100 entries, nothing is
                   sent or written. --dry-run prints the changes and stops.
  backups          List the kept phone books, newest first.
  show FILE.opbk   Print the identity of a phone-book file and one line per entry:
                   the name, a tab, the number.
  picture IN OUT.png|OUT.bmp
                   Make the handset picture of IN (BMP, GIF, JPEG, PNG, TIFF, WebP or
                   SVG) and save it as a 128 x 128 PNG file, or as the handset&apos;s 16-bit
                   BMP file. IN is fitted to the 426 x 300 canvas of the picture page,
                   framed in the middle, on white. A damaged picture is said on stderr
                   and the part of it that could be read is used.
  send-picture IN  Make the handset picture of IN and download it to the handset.
  import CONTACTS BOOK.opbk [--map phone=COL,first=COL,last=COL] [--dry-run]
                   Append the contacts of a delimited text file (commas, semicolons
                   or tabs; UTF-8, UTF-16 or Windows-1252) or a vCard file to
                   BOOK.opbk, made when missing, as the phone-book page&apos;s import does.
                   Prints the mapping used, then how many entries it added, and on
                   stderr what it changed on the way (numbers taken from another
                   column or rewritten, contacts without a name left out, ...). COL is
                   a header text or a column number from 1; none clears a target;
                   targets not named keep the guessed column. A number comes from the
                   phone column, or when that is empty from the file&apos;s other phone
                   columns, mobile ones first; phone=COL1|COL2|... gives the whole order.
                   When more contacts are asked for than BOOK.opbk has room for (100
                   entries in all), nothing is written. --dry-run prints the entries and
                   writes nothing.
    --international-prefix P   what a leading + becomes (digits; default 00)
    --category NAME  only contacts with this category or label (may be repeated: any)
    --first N        only the first N contacts (of those of the categories)
                   CONTACTS may also be the http(s) address of a CardDAV server, or of
                   one of its address books, with --user NAME: its cards are read as a
                   vCard file is. A server that has several address books lists them;
                   give the one to read by its address.
  addressbooks URL --user NAME
                   List the address books of a CardDAV server (Nextcloud, iCloud,
                   Fastmail, Radicale, ...), found from its address, with their card
                   counts and addresses.
  export BOOK.opbk OUT.csv|OUT.vcf
                   Write every entry of BOOK.opbk as comma-delimited text, or as vCard
                   when OUT ends in .vcf.

Server options (addressbooks, and import from a server):
  --user NAME      the user name on the server
  --password-file FILE   read the password from the first line of FILE, which only
                   its owner may read (chmod 600). Without it the password comes
                   from the desktop&apos;s keyring, else it is asked for on the terminal
                   without showing it. It is never taken on the command line.
  --save-password  keep the password typed when asked in the keyring, once the
                   server has taken it
  --ca-file FILE   trust this certificate too (PEM or DER), for a server that signs
                   its own; other certificates that do not verify are refused

Picture options, applied in this order:
  --rotate left|right, --zoom-in N, --zoom-out N   as often as wanted, in the order given
  --frame X,Y      move the 128 x 128 frame to X,Y on the canvas (kept within it)
  --brightness N, --contrast N, --red N, --green N, --blue N   from -100 to 100

Options:
  --simulate       Run against a handset simulated inside this process.
  --yes            Answer Yes to the questions of push and sync, also to deleting
                   all the handset&apos;s entries with a book of none.
  -h, --help       Show this help.

Transfers show a progress bar on a terminal; Ctrl+C cancels them (&quot;Data transfer
canceled.&quot;). Failures print the reason and exit with 1; usage errors exit with 2.
Simulated handsets started with orvak-handset-sim are found like USB handsets.
</source>
        <extracomment>dialbook&apos;s help. The command names, the option names (--simulate, --map, ...), their fixed values (left, right, none, phone=, first=, last=) and the program names stay as they are.</extracomment>
        <translation>Uso: dialbook [--simulate] COMMAND [ARGS]

Se comunica con el primer terminal Orvak encontrado por USB o con uno simulado.

Comandos:
  devices          Muestra todos los dispositivos del fabricante del terminal: su ruta,
                   vendor:product en hex, las longitudes de los informes de entrada y
                   salida, y si es un terminal aceptado. Los dispositivos que no se
                   pueden abrir se muestran con el motivo; para un terminal que este
                   usuario no puede abrir, se indica también la solución (la regla
                   udev). Sale con 0 si hay un terminal aceptado; si no, con 1.
  info             Muestra el nombre del terminal y su identidad (12 dígitos hex), o
                   cómo obtener permiso para abrirlo.
  pull FILE.opbk   Recibe la agenda del terminal y la guarda en FILE.opbk.
  push FILE.opbk   Envía la agenda de FILE.opbk al terminal y sustituye la que hay en
                   él. Pregunta antes; las entradas sin nombre o sin número se omiten,
                   tras una segunda pregunta. Si no queda ninguna entrada que enviar,
                   pregunta si se eliminan todas las entradas del terminal (No salvo s).
                   Antes se guarda la agenda del terminal en My Phonebooks/Backups (las
                   20 más recientes de cada terminal), salvo con --no-backup.
  sync BOOK.opbk [--prefer computer|handset] [--dry-run]
                   Sincroniza la agenda del terminal con BOOK.opbk: lo que se ha
                   añadido, modificado o eliminado en cualquiera de los dos lados desde
                   la última sincronización de este terminal pasa al otro. Muestra cada
                   cambio y de dónde viene; después pregunta una vez antes de enviar la
                   agenda combinada al terminal (solo si su agenda es distinta) y de
                   guardarla en BOOK.opbk. Una entrada modificada de forma distinta en
                   los dos lados es un conflicto: se usa la versión del equipo, salvo
                   con --prefer handset. La primera sincronización toma las entradas de
                   las dos agendas, las iguales una sola vez. Antes se guarda la agenda
                   del terminal en Backups, salvo con --no-backup. Si la agenda
                   combinada tuviera más de 100 entradas, no se envía ni se escribe
                   nada. --dry-run muestra los cambios y se detiene.
  backups          Muestra las agendas guardadas, primero la más reciente.
  show FILE.opbk   Muestra la identidad de un archivo de agenda y una línea por entrada:
                   el nombre, un tabulador y el número.
  picture IN OUT.png|OUT.bmp
                   Convierte IN (BMP, GIF, JPEG, PNG, TIFF, WebP o SVG) en imagen para
                   el terminal y la guarda como archivo PNG de 128 x 128 o como archivo
                   BMP de 16 bits del terminal. IN se ajusta al lienzo de 426 x 300 de
                   la página de imágenes, encuadrado en el centro, sobre blanco. Si una
                   imagen está dañada, se indica en stderr y se usa la parte que se
                   pudo leer.
  send-picture IN  Convierte IN en imagen para el terminal y la transfiere a este.
  import CONTACTS BOOK.opbk [--map phone=COL,first=COL,last=COL] [--dry-run]
                   Añade los contactos de un archivo de texto delimitado (comas, punto y
                   coma o tabuladores; UTF-8, UTF-16 o Windows-1252) o de un archivo
                   vCard a BOOK.opbk, que se crea si no existe, como hace la importación
                   de la página de la agenda. Muestra la asignación usada, después
                   cuántas entradas ha añadido y, en stderr, lo que ha cambiado por el
                   camino (números tomados de otra columna o reescritos, contactos sin
                   nombre omitidos...). COL es el texto de un encabezado o un número de
                   columna a partir de 1; none anula un destino; los destinos no
                   indicados conservan la columna deducida. Un número se toma de la
                   columna phone o, si está vacía, de las demás columnas de teléfono
                   del archivo, primero las de móvil; phone=COL1|COL2|... da el orden
                   completo. Si se piden más contactos de los que caben en BOOK.opbk
                   (100 entradas en total), no se escribe nada. --dry-run muestra las
                   entradas y no escribe nada.
    --international-prefix P   en qué se convierte un + inicial (dígitos; por defecto 00)
    --category NAME  solo contactos con esta categoría o etiqueta (repetible: cualquiera)
    --first N        solo los N primeros contactos (de los de las categorías)
                   CONTACTS también puede ser la dirección http(s) de un servidor CardDAV,
                   o de una de sus libretas de direcciones, con --user NAME: sus tarjetas
                   se leen como un archivo vCard. Un servidor con varias libretas de
                   direcciones las muestra; indique por su dirección la que se debe leer.
  addressbooks URL --user NAME
                   Muestra las libretas de direcciones de un servidor CardDAV (Nextcloud,
                   iCloud, Fastmail, Radicale...), halladas a partir de su dirección, con
                   su número de tarjetas y sus direcciones.
  export BOOK.opbk OUT.csv|OUT.vcf
                   Escribe todas las entradas de BOOK.opbk como texto delimitado por
                   comas, o como vCard si OUT termina en .vcf.

Opciones de servidor (addressbooks e import desde un servidor):
  --user NAME      el nombre de usuario en el servidor
  --password-file FILE   lee la contraseña de la primera línea de FILE, que solo su
                   propietario puede leer (chmod 600). Sin esta opción, la contraseña
                   se toma del depósito de claves del escritorio o, en su defecto, se
                   pide en la terminal sin mostrarla. Nunca se acepta en la línea de
                   comandos.
  --save-password  guarda en el depósito de claves la contraseña escrita cuando se
                   pide, una vez que el servidor la ha aceptado
  --ca-file FILE   confía también en este certificado (PEM o DER), para un servidor
                   que firma el suyo propio; se rechazan los demás certificados que
                   no se pueden verificar

Opciones de imagen, aplicadas en este orden:
  --rotate left|right, --zoom-in N, --zoom-out N   tantas veces como quiera, en ese orden
  --frame X,Y      mueve el marco de 128 x 128 a X,Y en el lienzo (sin salir de él)
  --brightness N, --contrast N, --red N, --green N, --blue N   de -100 a 100

Opciones:
  --simulate       Trabaja con un terminal simulado dentro de este proceso.
  --yes            Responde Sí a las preguntas de push y sync, también a eliminar
                   todas las entradas del terminal con una agenda vacía.
  -h, --help       Muestra esta ayuda.

Las transferencias muestran una barra de progreso en una terminal; Ctrl+C las cancela
(«Transferencia de datos cancelada.»). Los fallos indican el motivo y salen con 1; los
errores de uso salen con 2. Los terminales simulados iniciados con orvak-handset-sim se
encuentran igual que los terminales USB.
</translation>
    </message>
    <message>
        <source>addressbooks takes the address of a CardDAV server</source>
        <translation>addressbooks requiere la dirección de un servidor CardDAV</translation>
    </message>
    <message>
        <source>a password is never taken on the command line, where every user of this computer can read it; give --password-file FILE, or type it when asked</source>
        <translation>nunca se acepta una contraseña en la línea de comandos, donde cualquier usuario de este equipo puede leerla; indique --password-file FILE o escríbala cuando se le pida</translation>
    </message>
    <message>
        <source>addressbooks takes an http:// or https:// address</source>
        <translation>addressbooks requiere una dirección http:// o https://</translation>
    </message>
    <message>
        <source>a server&apos;s address needs --user NAME</source>
        <translation>la dirección de un servidor requiere --user NAME</translation>
    </message>
    <message>
        <source>--user, --password-file, --ca-file and --save-password are for an address on a server</source>
        <translation>--user, --password-file, --ca-file y --save-password solo sirven con la dirección de un servidor</translation>
    </message>
</context>
<context>
    <name>ContactChoiceModel</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>ContactCommands</name>
    <message>
        <source>--map takes phone=COL,first=COL,last=COL</source>
        <extracomment>phone, first and last are the option&apos;s words and stay as they are; COL may be translated.</extracomment>
        <translation>--map requiere phone=COL,first=COL,last=COL</translation>
    </message>
    <message>
        <source>--map: only phone takes several columns</source>
        <translation>--map: solo phone admite varias columnas</translation>
    </message>
    <message>
        <source>--map: the file has no column &quot;%1&quot;</source>
        <translation>--map: el archivo no tiene ninguna columna «%1»</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Número de teléfono</translation>
    </message>
    <message>
        <source>Name, first part</source>
        <translation>Nombre, primera parte</translation>
    </message>
    <message>
        <source>Name, last part</source>
        <translation>Nombre, última parte</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>column %1, %2; then %3</source>
        <translation>columna %1, %2; después %3</translation>
    </message>
    <message>
        <source>column %1, %2</source>
        <translation>columna %1, %2</translation>
    </message>
    <message>
        <source>%1 holds no contacts to import; nothing was written.</source>
        <translation>%1 no contiene contactos que importar; no se ha escrito nada.</translation>
    </message>
    <message>
        <source>no contact has the category %1; the file has no categories</source>
        <translation>ningún contacto tiene la categoría %1; el archivo no tiene categorías</translation>
    </message>
    <message>
        <source>no contact has the category %1; the file&apos;s categories: %2</source>
        <translation>ningún contacto tiene la categoría %1; categorías del archivo: %2</translation>
    </message>
    <message>
        <source>%1 is full (%2 entries); nothing was written.</source>
        <translation>%1 no tiene espacio libre (%2 entradas); no se ha escrito nada.</translation>
    </message>
    <message>
        <source>Choose which with --category NAME or --first N; nothing was written.</source>
        <translation>Elija cuáles con --category NAME o --first N; no se ha escrito nada.</translation>
    </message>
    <message>
        <source>%1 contacts are asked for; the book has room for %2. Nothing was written.</source>
        <translation>Se piden %1 contactos; la agenda tiene espacio para %2. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>Would add 1 entry to %1 (nothing written)</source>
        <translation>Se añadiría 1 entrada a %1 (no se ha escrito nada)</translation>
    </message>
    <message numerus="yes">
        <source>Would add %n entries to %1 (nothing written)</source>
        <translation>
            <numerusform>Se añadiría %n entrada a %1 (no se ha escrito nada)</numerusform>
            <numerusform>Se añadirían %n entradas a %1 (no se ha escrito nada)</numerusform>
        </translation>
    </message>
    <message>
        <source>Added 1 entry to %1</source>
        <translation>Se ha añadido 1 entrada a %1</translation>
    </message>
    <message numerus="yes">
        <source>Added %n entries to %1</source>
        <translation>
            <numerusform>Se ha añadido %n entrada a %1</numerusform>
            <numerusform>Se han añadido %n entradas a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote 1 entry to %1</source>
        <translation>Se ha escrito 1 entrada en %1</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1</source>
        <translation>
            <numerusform>Se ha escrito %n entrada en %1</numerusform>
            <numerusform>Se han escrito %n entradas en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book holds %1 contacts; the book has room for %2.</source>
        <translation>La libreta de direcciones contiene %1 contactos; la agenda tiene espacio para %2.</translation>
    </message>
</context>
<context>
    <name>ContactImport</name>
    <message>
        <source>1 character that the handset cannot store was left out of the imported names.</source>
        <translation>Se ha omitido en los nombres importados 1 carácter que el terminal no puede almacenar.</translation>
    </message>
    <message numerus="yes">
        <source>%n characters that the handset cannot store were left out of the imported names.</source>
        <translation>
            <numerusform>Se ha omitido en los nombres importados %n carácter que el terminal no puede almacenar.</numerusform>
            <numerusform>Se han omitido en los nombres importados %n caracteres que el terminal no puede almacenar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1 opens a quoted field that never closes; the rest of the file was read as part of that field.</source>
        <translation>La línea %1 abre un campo entre comillas que nunca se cierra; el resto del archivo se ha leído como parte de ese campo.</translation>
    </message>
    <message>
        <source>The file holds more than any phone book import can use; only its lines before line %1 were read.</source>
        <translation>El archivo contiene más de lo que puede usar una importación de agenda; solo se han leído las líneas anteriores a la línea %1.</translation>
    </message>
    <message>
        <source>1 number came from another column, as the mapped one was empty.</source>
        <translation>1 número se ha tomado de otra columna, porque la asignada estaba vacía.</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers came from another column, as the mapped one was empty.</source>
        <translation>
            <numerusform>%n número se ha tomado de otra columna, porque la asignada estaba vacía.</numerusform>
            <numerusform>%n números se han tomado de otra columna, porque la asignada estaba vacía.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 number was rewritten to dial as written (a &quot;+&quot; made the international prefix, a &quot;(0)&quot; dropped, an extension made a pause).</source>
        <translation>1 número se ha reescrito para marcarse tal como está escrito (un «+» pasa a ser el prefijo internacional, se quita un «(0)», una extensión pasa a ser una pausa).</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers were rewritten to dial as written (a &quot;+&quot; made the international prefix, a &quot;(0)&quot; dropped, an extension made a pause).</source>
        <translation>
            <numerusform>%n número se ha reescrito para marcarse tal como está escrito (un «+» pasa a ser el prefijo internacional, se quita un «(0)», una extensión pasa a ser una pausa).</numerusform>
            <numerusform>%n números se han reescrito para marcarse tal como están escritos (un «+» pasa a ser el prefijo internacional, se quita un «(0)», una extensión pasa a ser una pausa).</numerusform>
        </translation>
    </message>
    <message>
        <source>1 contact had no name and was left out.</source>
        <translation>1 contacto no tenía nombre y se ha omitido.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts had no name and were left out.</source>
        <translation>
            <numerusform>%n contacto no tenía nombre y se ha omitido.</numerusform>
            <numerusform>%n contactos no tenían nombre y se han omitido.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 contact was named after its organisation.</source>
        <translation>1 contacto ha recibido el nombre de su organización.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts were named after their organisation.</source>
        <translation>
            <numerusform>%n contacto ha recibido el nombre de su organización.</numerusform>
            <numerusform>%n contactos han recibido el nombre de su organización.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file holds 1 contact; the book has room for %1.</source>
        <translation>El archivo contiene 1 contacto; la agenda tiene espacio para %1.</translation>
    </message>
    <message>
        <source>The file holds %1 contacts; the book has room for %2.</source>
        <translation>El archivo contiene %1 contactos; la agenda tiene espacio para %2.</translation>
    </message>
    <message>
        <source>Error: Could not read the import file.  Check that it is formatted correctly.</source>
        <translation>Error: no se pudo leer el archivo de importación. Compruebe que tiene el formato correcto.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <extracomment>The failure&apos;s message over the file&apos;s name and what is wrong with it.</extracomment>
        <translation>%1
%2</translation>
    </message>
</context>
<context>
    <name>DevicesCommand</name>
    <message>
        <source>cannot open: %1</source>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>in %1 out %2</source>
        <extracomment>The lengths of the device&apos;s input and output reports, in bytes.</extracomment>
        <translation>entrada %1 salida %2</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>aceptado</translation>
    </message>
    <message>
        <source>not accepted: not a supported handset model</source>
        <translation>no aceptado: no es un modelo de terminal compatible</translation>
    </message>
</context>
<context>
    <name>DialbookApp</name>
    <message>
        <source>Start with a simulated handset attached.</source>
        <translation>Iniciar con un terminal simulado conectado.</translation>
    </message>
    <message>
        <source>DIR</source>
        <extracomment>The value of --screenshots in the help: a folder.</extracomment>
        <translation>CARPETA</translation>
    </message>
    <message>
        <source>Save a picture of each tab into %1, then quit.</source>
        <translation>Guardar una imagen de cada pestaña en %1 y salir.</translation>
    </message>
    <message>
        <source>A picture to open on the Pictures page.</source>
        <extracomment>The argument in the help: a picture file, which may be left out.</extracomment>
        <translation>Una imagen que abrir en la página Imágenes.</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[ARCHIVO]</translation>
    </message>
</context>
<context>
    <name>ExportPage</name>
    <message>
        <source>Export Contacts</source>
        <translation>Exportar contactos</translation>
    </message>
    <message>
        <source>Export selected contact(s)</source>
        <translation>Exportar los contactos seleccionados</translation>
    </message>
    <message>
        <source>Export all contacts</source>
        <translation>Exportar todos los contactos</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Nombre del archivo:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Text File (%1)</source>
        <translation>Archivo de texto (%1)</translation>
    </message>
    <message>
        <source>vCard File (%1)</source>
        <translation>Archivo vCard (%1)</translation>
    </message>
    <message>
        <source>No file specified.  Please enter a file name to export the data to.</source>
        <translation>No se ha indicado ningún archivo. Introduzca el nombre del archivo al que exportar los datos.</translation>
    </message>
    <message>
        <source>File already exists.  Do you want to overwrite it?</source>
        <translation>El archivo ya existe. ¿Desea sobrescribirlo?</translation>
    </message>
</context>
<context>
    <name>FileFailure</name>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: there is no such file.</source>
        <translation>«%1»: el archivo no existe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the folder it would go in does not exist.</source>
        <translation>«%1»: la carpeta en la que iría no existe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>«%1» es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file is empty.</source>
        <translation>«%1»: el archivo está vacío.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: this is not a phone-book file.</source>
        <translation>«%1»: no es un archivo de agenda.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file is damaged: it is cut short.</source>
        <translation>«%1»: el archivo está dañado: está incompleto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file is damaged.</source>
        <translation>«%1»: el archivo está dañado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: you are not permitted to write this file.</source>
        <translation>«%1»: no tiene permiso para escribir en este archivo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: you are not permitted to read this file.</source>
        <translation>«%1»: no tiene permiso para leer este archivo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: this is not a picture in a format that can be opened (%2).</source>
        <translation>«%1»: no es una imagen en un formato que se pueda abrir (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: pictures in the %2 format cannot be opened, only %3.</source>
        <translation>«%1»: las imágenes en formato %2 no se pueden abrir, solo %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the picture is damaged; the part that could be read is used.</source>
        <translation>«%1»: la imagen está dañada; se usa la parte que se pudo leer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the picture is too large for this computer&apos;s memory.</source>
        <translation>«%1»: la imagen es demasiado grande para la memoria de este equipo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2.</source>
        <translation>No se pudo escribir «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2.</source>
        <translation>No se pudo leer «%1»: %2.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>it is larger than the %1 MB a contacts file may be</source>
        <translation>supera los %1 MB permitidos para un archivo de contactos</translation>
    </message>
    <message>
        <source>a phone-book file holds at most %1 entries</source>
        <translation>un archivo de agenda contiene como máximo %1 entradas</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file has no line of column headings.</source>
        <translation>«%1»: el archivo no tiene ninguna línea de encabezados de columna.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file has more columns than an import can take (%2 at most).</source>
        <translation>«%1»: el archivo tiene más columnas de las que admite una importación (%2 como máximo).</translation>
    </message>
</context>
<context>
    <name>HandsetAccessAdvice</name>
    <message>
        <source>An Orvak handset is plugged in, but this user may not open it.</source>
        <translation>Hay un terminal Orvak conectado, pero este usuario no tiene permiso para abrirlo.</translation>
    </message>
    <message>
        <source>Unplug the handset and plug it in again, so that the udev rule %1 applies to it.</source>
        <translation>Desconecte el terminal y vuelva a conectarlo para que se le aplique la regla udev %1.</translation>
    </message>
    <message>
        <source>Install the orvak-dialbook package, whose udev rule %1 lets the person at the computer open it, then unplug the handset and plug it in again.</source>
        <translation>Instale el paquete orvak-dialbook, cuya regla udev %1 permite abrirlo a la persona que está ante el equipo; después, desconecte el terminal y vuelva a conectarlo.</translation>
    </message>
    <message>
        <source>Install the udev rule from the source tree and have udev apply it:
%1</source>
        <translation>Instale la regla udev del árbol de fuentes y haga que udev la aplique:
%1</translation>
    </message>
</context>
<context>
    <name>HandsetPreview</name>
    <message>
        <source>Handset preview</source>
        <translation>Vista previa del terminal</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
</context>
<context>
    <name>HidrawSource</name>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
</context>
<context>
    <name>ImportFieldMap</name>
    <message>
        <source>Orvak Phone Number</source>
        <translation>Número de teléfono Orvak</translation>
    </message>
    <message>
        <source>Orvak Name (First)</source>
        <translation>Nombre Orvak (primera parte)</translation>
    </message>
    <message>
        <source>Orvak Contact Name (First Part)</source>
        <translation>Nombre del contacto Orvak (primera parte)</translation>
    </message>
    <message>
        <source>Orvak Name (Last)</source>
        <translation>Nombre Orvak (última parte)</translation>
    </message>
    <message>
        <source>Orvak Contact Name (Last Part)</source>
        <translation>Nombre del contacto Orvak (última parte)</translation>
    </message>
</context>
<context>
    <name>ImportFilePage</name>
    <message>
        <source>Import Contacts</source>
        <translation>Importar contactos</translation>
    </message>
    <message>
        <source>Enter the filename of the contacts to import:</source>
        <translation>Introduzca el nombre del archivo de contactos que importar:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Text and CSV Files (%1)</source>
        <translation>Archivos de texto y CSV (%1)</translation>
    </message>
    <message>
        <source>vCard Files (%1)</source>
        <translation>Archivos vCard (%1)</translation>
    </message>
    <message>
        <source>All Files (%1)</source>
        <translation>Todos los archivos (%1)</translation>
    </message>
    <message>
        <source>No file specified.  Please enter the file name of the contacts to import.</source>
        <translation>No se ha indicado ningún archivo. Introduzca el nombre del archivo de contactos que importar.</translation>
    </message>
    <message>
        <source>Import contacts &amp;from:</source>
        <translation>Importar contactos &amp;de:</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>un archivo</translation>
    </message>
    <message>
        <source>an address book on a server (CardDAV)</source>
        <translation>una libreta de direcciones de un servidor (CardDAV)</translation>
    </message>
    <message>
        <source>Import contacts from a file</source>
        <translation>Importar contactos de un archivo</translation>
    </message>
    <message>
        <source>Import contacts from an address book on a server (CardDAV)</source>
        <translation>Importar contactos de una libreta de direcciones de un servidor (CardDAV)</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre del archivo</translation>
    </message>
    <message>
        <source>Browse for the file</source>
        <translation>Buscar el archivo</translation>
    </message>
</context>
<context>
    <name>ImportIntroPage</name>
    <message>
        <source>Import/Export</source>
        <translation>Importar/exportar</translation>
    </message>
    <message>
        <source>&lt;ol&gt;&lt;li&gt;Export your contacts from your other contact manager (for example your e-mail program or your phone&apos;s account) to a comma-delimited text file (CSV) or a vCard file.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Next&lt;/b&gt; and locate that file.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Next&lt;/b&gt; and check how the file&apos;s fields map to the phone book. Use &lt;b&gt;Change Map&lt;/b&gt; to adjust the mapping.&lt;/li&gt;&lt;/ol&gt;</source>
        <translation>&lt;ol&gt;&lt;li&gt;Exporte sus contactos desde su otro gestor de contactos (por ejemplo, su programa de correo electrónico o la cuenta de su teléfono) a un archivo de texto delimitado por comas (CSV) o a un archivo vCard.&lt;/li&gt;&lt;li&gt;Pulse &lt;b&gt;Siguiente&lt;/b&gt; y busque ese archivo.&lt;/li&gt;&lt;li&gt;Pulse &lt;b&gt;Siguiente&lt;/b&gt; y compruebe cómo se asignan los campos del archivo a la agenda. Use &lt;b&gt;Cambiar asignación&lt;/b&gt; para ajustar la asignación.&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <source>Contacts kept on a server that speaks CardDAV (such as a calendar and contacts server of your own or your provider&apos;s) are read straight from it: choose the server on the next page.</source>
        <translation>Los contactos guardados en un servidor compatible con CardDAV (como un servidor de calendario y contactos propio o de su proveedor) se leen directamente de él: elija el servidor en la página siguiente.</translation>
    </message>
</context>
<context>
    <name>ImportMappingPage</name>
    <message>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>What a leading “+” is dialled as: 00 in most of the world, 011 in North America.</source>
        <translation>Cómo se marca un «+» inicial: 00 en la mayor parte del mundo, 011 en Norteamérica.</translation>
    </message>
    <message>
        <source>&amp;Prefix for “+”:</source>
        <translation>&amp;Prefijo para «+»:</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>C&amp;ategory:</source>
        <translation>&amp;Categoría:</translation>
    </message>
    <message>
        <source>&amp;Select the First That Fit</source>
        <translation>&amp;Marcar los primeros que quepan</translation>
    </message>
    <message>
        <source>Contacts to import</source>
        <translation>Contactos que importar</translation>
    </message>
    <message>
        <source>No column is mapped to the phone number: the contacts are imported without numbers.</source>
        <translation>No hay ninguna columna asignada al número de teléfono: los contactos se importan sin número.</translation>
    </message>
    <message>
        <source>Numbers are taken from %1.</source>
        <translation>Los números se toman de %1.</translation>
    </message>
    <message>
        <source>Numbers are taken from %1; where it is empty, from %2.</source>
        <translation>Los números se toman de %1 y, donde esté vacía, de %2.</translation>
    </message>
    <message>
        <source>Numbers are taken from %1; where it is empty, from the first of %2 that has one.</source>
        <translation>Los números se toman de %1 y, donde esté vacía, de la primera de %2 que tenga uno.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>The file holds 1 contact; it fits in the book.</source>
        <translation>El archivo contiene 1 contacto; cabe en la agenda.</translation>
    </message>
    <message>
        <source>The file holds %1 contacts; all of them fit in the book.</source>
        <translation>El archivo contiene %1 contactos; caben todos en la agenda.</translation>
    </message>
    <message>
        <source>%1 chosen, room for %2.</source>
        <translation>%1 elegidos, espacio para %2.</translation>
    </message>
    <message>
        <source>Only the file&apos;s lines before line %1 were read: the rest is more than an import can use.</source>
        <translation>Solo se han leído las líneas del archivo anteriores a la línea %1: el resto supera lo que puede usar una importación.</translation>
    </message>
    <message>
        <source>Uncheck some, or choose a category, to go on.</source>
        <translation>Desmarque algunos o elija una categoría para continuar.</translation>
    </message>
    <message>
        <source>All categories</source>
        <translation>Todas las categorías</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importar contactos</translation>
    </message>
    <message>
        <source>Import Field Mapping</source>
        <translation>Asignación de campos de importación</translation>
    </message>
    <message>
        <source>Field mapping</source>
        <translation>Asignación de campos</translation>
    </message>
    <message>
        <source>Import Text Field</source>
        <translation>Campo de texto importado</translation>
    </message>
    <message>
        <source>Orvak Phonebook Field</source>
        <translation>Campo de la agenda Orvak</translation>
    </message>
    <message>
        <source>Change Map</source>
        <translation>Cambiar asignación</translation>
    </message>
    <message>
        <source>No row selected.</source>
        <translation>No hay ninguna fila seleccionada.</translation>
    </message>
    <message>
        <source>The address book holds %1 contacts; the book has room for %2.</source>
        <translation>La libreta de direcciones contiene %1 contactos; la agenda tiene espacio para %2.</translation>
    </message>
    <message>
        <source>The address book holds 1 contact; it fits in the book.</source>
        <translation>La libreta de direcciones contiene 1 contacto; cabe en la agenda.</translation>
    </message>
    <message>
        <source>The address book holds %1 contacts; all of them fit in the book.</source>
        <translation>La libreta de direcciones contiene %1 contactos; caben todos en la agenda.</translation>
    </message>
</context>
<context>
    <name>ImportServerPage</name>
    <message>
        <source>Import Contacts</source>
        <translation>Importar contactos</translation>
    </message>
    <message>
        <source>Address Book on a Server</source>
        <translation>Libreta de direcciones en un servidor</translation>
    </message>
    <message>
        <source>Give the address of the server that keeps your contacts (CardDAV), or of one of its address books, with your user name and password there. Find Address Books lists the address books it offers.</source>
        <translation>Indique la dirección del servidor que guarda sus contactos (CardDAV), o la de una de sus libretas de direcciones, con su nombre de usuario y su contraseña en él. «Buscar libretas de direcciones» muestra las libretas de direcciones que ofrece.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Dirección del servidor</translation>
    </message>
    <message>
        <source>Server &amp;address:</source>
        <translation>Dirección del &amp;servidor:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nombre de &amp;usuario:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Left empty, the password kept in the keyring for this address and user is used.</source>
        <translation>Si se deja vacía, se usa la contraseña guardada en el depósito de claves para esta dirección y este usuario.</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>&amp;Remember in the keyring</source>
        <translation>&amp;Recordar en el depósito de claves</translation>
    </message>
    <message>
        <source>Remember the password in the keyring</source>
        <translation>Recordar la contraseña en el depósito de claves</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>&amp;Buscar libretas de direcciones</translation>
    </message>
    <message>
        <source>Find address books</source>
        <translation>Buscar libretas de direcciones</translation>
    </message>
    <message>
        <source>Address b&amp;ooks found:</source>
        <translation>&amp;Libretas de direcciones encontradas:</translation>
    </message>
    <message>
        <source>Address books found</source>
        <translation>Libretas de direcciones encontradas</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Libreta de direcciones</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Enter the address of the server, such as %1.</source>
        <translation>Introduzca la dirección del servidor, como %1.</translation>
    </message>
    <message>
        <source>The password could not be read from the keyring: %1</source>
        <translation>No se pudo leer la contraseña del depósito de claves: %1</translation>
    </message>
    <message>
        <source>Looking for address books at %1...</source>
        <translation>Buscando libretas de direcciones en %1...</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>No se pudo guardar la contraseña en el depósito de claves: %1</translation>
    </message>
    <message>
        <source>Choose one of the address books found.</source>
        <translation>Elija una de las libretas de direcciones encontradas.</translation>
    </message>
    <message>
        <source>Reading the address book %1...</source>
        <translation>Leyendo la libreta de direcciones %1...</translation>
    </message>
    <message>
        <source>The address book “%1” holds no contacts.</source>
        <translation>La libreta de direcciones «%1» no contiene contactos.</translation>
    </message>
</context>
<context>
    <name>Keyring</name>
    <message>
        <source>The keyring did not answer in time.</source>
        <translation>El depósito de claves no respondió a tiempo.</translation>
    </message>
    <message>
        <source>No keyring is running, so passwords are neither looked up in it nor kept in it.</source>
        <translation>No hay ningún depósito de claves en ejecución, así que las contraseñas no se buscan ni se guardan en él.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;Welcome</source>
        <translation>&amp;Bienvenida</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>&amp;Imágenes</translation>
    </message>
    <message>
        <source>Phone &amp;Book</source>
        <translation>&amp;Agenda</translation>
    </message>
</context>
<context>
    <name>MultistatusReader</name>
    <message>
        <source>the answer ends before its multistatus does</source>
        <translation>la respuesta termina antes que su multistatus</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (línea %2)</translation>
    </message>
    <message>
        <source>the answer is no multistatus but &lt;%1&gt;</source>
        <translation>la respuesta no es un multistatus, sino &lt;%1&gt;</translation>
    </message>
    <message>
        <source>a value longer than %1 MB</source>
        <translation>un valor de más de %1 MB</translation>
    </message>
</context>
<context>
    <name>PasswordFile</name>
    <message>
        <source>&quot;%1&quot; could not be read: %2.</source>
        <translation>No se pudo leer «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 bytes; a password file holds the password on its first line.</source>
        <translation>«%1» supera los %2 bytes; un archivo de contraseña contiene la contraseña en su primera línea.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file. Give the password in a file of your own that only you may read (chmod 600).</source>
        <translation>«%1» no es un archivo normal. Indique la contraseña en un archivo propio que solo usted pueda leer (chmod 600).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to another user. Keep the password in a file of your own and make it yours alone with: chmod 600 FILE</source>
        <translation>«%1» pertenece a otro usuario. Guarde la contraseña en un archivo propio y haga que solo usted tenga acceso a él con: chmod 600 FILE</translation>
    </message>
    <message>
        <source>&quot;%1&quot; may be read or changed by others than you, so its password is not used. Make it yours alone with: %2</source>
        <translation>Otros usuarios además de usted pueden leer o modificar «%1», así que no se usa su contraseña. Haga que solo usted tenga acceso a él con: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty; its first line should be the password.</source>
        <translation>«%1» está vacío; su primera línea debería ser la contraseña.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no password on its first line.</source>
        <translation>«%1» no tiene ninguna contraseña en su primera línea.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the first line is not UTF-8 text.</source>
        <translation>«%1»: la primera línea no es texto UTF-8.</translation>
    </message>
</context>
<context>
    <name>PasswordSources</name>
    <message>
        <source>The password could not be looked up in the keyring: %1</source>
        <translation>No se pudo buscar la contraseña en el depósito de claves: %1</translation>
    </message>
    <message>
        <source>There is no terminal to ask for the password on. Give it with --password-file FILE, a file that only you may read (chmod 600 FILE).</source>
        <translation>No hay ninguna terminal en la que pedir la contraseña. Indíquela con --password-file FILE, un archivo que solo usted pueda leer (chmod 600 FILE).</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <extracomment>%1 is the user name, %2 the server as scheme://host.</extracomment>
        <translation>Contraseña de %1 en %2: </translation>
    </message>
    <message>
        <source>No password was typed. To give it without typing, use --password-file FILE, a file that only you may read (chmod 600 FILE).</source>
        <translation>No se ha escrito ninguna contraseña. Para indicarla sin escribirla, use --password-file FILE, un archivo que solo usted pueda leer (chmod 600 FILE).</translation>
    </message>
    <message>
        <source>The password was not kept: no keyring is running. It is asked for again next time.</source>
        <translation>La contraseña no se ha guardado: no hay ningún depósito de claves en ejecución. Se volverá a pedir la próxima vez.</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>No se pudo guardar la contraseña en el depósito de claves: %1</translation>
    </message>
</context>
<context>
    <name>PhonebookBackups</name>
    <message>
        <source>The send did not finish: the handset now holds %1 of the %2 entries.</source>
        <translation>El envío no ha terminado: el terminal contiene ahora %1 de las %2 entradas.</translation>
    </message>
    <message>
        <source>The send did not finish, and the handset did not say what it holds now: its phone book may have been emptied (%1 of the %2 entries had been sent).</source>
        <translation>El envío no ha terminado y el terminal no ha indicado lo que contiene ahora: puede que su agenda se haya vaciado (se habían enviado %1 de las %2 entradas).</translation>
    </message>
</context>
<context>
    <name>PhonebookCommands</name>
    <message>
        <source>Not asked, since the input is not a terminal: taken as No. Add --yes to answer Yes.</source>
        <translation>No se ha preguntado, porque la entrada estándar no es una terminal: se toma como No. Añada --yes para responder Sí.</translation>
    </message>
    <message>
        <source>[y/N]</source>
        <extracomment>The answers to a question on the terminal: yes, or No, in capitals as the answer that Enter alone gives.</extracomment>
        <translation>[s/N]</translation>
    </message>
    <message>
        <source>y</source>
        <extracomment>The letter that answers yes to &quot;[y/N]&quot;, the first letter of the word &quot;yes&quot;.</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nombre: %1</translation>
    </message>
    <message>
        <source>Identity: %1</source>
        <translation>Identidad: %1</translation>
    </message>
    <message>
        <source>Received 1 entry into %1</source>
        <translation>Se ha recibido 1 entrada en %1</translation>
    </message>
    <message numerus="yes">
        <source>Received %n entries into %1</source>
        <translation>
            <numerusform>Se ha recibido %n entrada en %1</numerusform>
            <numerusform>Se han recibido %n entradas en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was sent: the handset&apos;s phone book is as it was.</source>
        <translation>No se ha enviado nada: la agenda del terminal sigue como estaba.</translation>
    </message>
    <message>
        <source>The handset&apos;s phone book could not be kept before the send, so nothing was sent.</source>
        <translation>No se pudo guardar una copia de la agenda del terminal antes del envío, así que no se ha enviado nada.</translation>
    </message>
    <message>
        <source>Kept the handset&apos;s previous phone book in %1</source>
        <translation>Se ha guardado la agenda anterior del terminal en %1</translation>
    </message>
    <message>
        <source>To send its previous phone book back: %1</source>
        <translation>Para volver a enviarle su agenda anterior: %1</translation>
    </message>
    <message>
        <source>Sent 1 entry</source>
        <translation>Se ha enviado 1 entrada</translation>
    </message>
    <message numerus="yes">
        <source>Sent %n entries</source>
        <translation>
            <numerusform>Se ha enviado %n entrada</numerusform>
            <numerusform>Se han enviado %n entradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries without a name or a number stay in the computer&apos;s book and are not sent.</source>
        <translation>
            <numerusform>%n entrada sin nombre o sin número se queda en la agenda del equipo y no se envía.</numerusform>
            <numerusform>%n entradas sin nombre o sin número se quedan en la agenda del equipo y no se envían.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merged phone book was not kept as the base of the next sync.</source>
        <translation>La agenda combinada no se ha guardado como base de la próxima sincronización.</translation>
    </message>
    <message>
        <source>The handset and %1 are already in step: nothing sent, nothing written.</source>
        <extracomment>%1: the phone-book file synced with the handset.</extracomment>
        <translation>El terminal y %1 ya coinciden: no se ha enviado ni escrito nada.</translation>
    </message>
    <message>
        <source>Nothing sent, nothing written (--dry-run).</source>
        <translation>No se ha enviado ni escrito nada (--dry-run).</translation>
    </message>
    <message>
        <source>Send the merged phone book to the handset and save it in %1?</source>
        <extracomment>%1: the phone-book file synced with the handset.</extracomment>
        <translation>¿Enviar la agenda combinada al terminal y guardarla en %1?</translation>
    </message>
    <message>
        <source>Send the merged phone book to the handset? %1 holds it already.</source>
        <extracomment>%1: the phone-book file synced with the handset, which holds the merged book already.</extracomment>
        <translation>¿Enviar la agenda combinada al terminal? %1 ya la contiene.</translation>
    </message>
    <message>
        <source>Save the merged phone book in %1? The handset holds it already.</source>
        <extracomment>%1: the phone-book file synced with the handset, which already holds the merged book.</extracomment>
        <translation>¿Guardar la agenda combinada en %1? El terminal ya la contiene.</translation>
    </message>
    <message>
        <source>The handset holds the merged phone book; a sync again saves it in %1.</source>
        <extracomment>%1: the phone-book file that could not be saved after the send.</extracomment>
        <translation>El terminal contiene la agenda combinada; una nueva sincronización la guardará en %1.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>%1: the phone-book file the merged book was saved in.</extracomment>
        <translation>Se ha guardado %1</translation>
    </message>
    <message>
        <source>No earlier sync of this handset with %1 is known: the entries of both are kept, and nothing is deleted.</source>
        <extracomment>%1: the phone-book file synced with the handset.</extracomment>
        <translation>No se conoce ninguna sincronización anterior de este terminal con %1: se conservan las entradas de ambos y no se elimina nada.</translation>
    </message>
    <message>
        <source>%1 is as it was.</source>
        <extracomment>%1: the phone-book file synced with the handset, left as it was after a failed send.</extracomment>
        <translation>%1 sigue como estaba.</translation>
    </message>
    <message>
        <source>The next sync with this handset keeps the entries of both sides and deletes none.</source>
        <translation>La próxima sincronización con este terminal conservará las entradas de ambos lados y no eliminará ninguna.</translation>
    </message>
</context>
<context>
    <name>PhonebookPage</name>
    <message>
        <source>Name Edit</source>
        <translation>edición del nombre</translation>
    </message>
    <message>
        <source>Number Edit</source>
        <translation>edición del número</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>%1 is the step undone, &quot;New Entry&quot; say.</extracomment>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>%1 is the step redone, &quot;New Entry&quot; say.</extracomment>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>restauración</translation>
    </message>
    <message>
        <source>New Entry</source>
        <translation>nueva entrada</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>eliminación</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>ordenación</translation>
    </message>
    <message>
        <source>New Phonebook</source>
        <translation>nueva agenda</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>importación</translation>
    </message>
    <message>
        <source>Get Phonebook</source>
        <translation>recepción de la agenda</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>apertura</translation>
    </message>
    <message>
        <source>Send the phone book it had before (kept in %1) back to it?</source>
        <translation>¿Enviar de nuevo al terminal la agenda que tenía antes (guardada en %1)?</translation>
    </message>
    <message>
        <source>Open phone book</source>
        <translation>Abrir agenda</translation>
    </message>
    <message>
        <source>Save phone book</source>
        <translation>Guardar agenda</translation>
    </message>
    <message>
        <source>New phone book</source>
        <translation>Nueva agenda</translation>
    </message>
    <message>
        <source>Get the phone book from the handset</source>
        <translation>Recibir la agenda del terminal</translation>
    </message>
    <message>
        <source>Send the phone book to the handset</source>
        <translation>Enviar la agenda al terminal</translation>
    </message>
    <message>
        <source>Import or export contacts</source>
        <translation>Importar o exportar contactos</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Nueva entrada</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation>Anular selección</translation>
    </message>
    <message>
        <source>Delete selected entries</source>
        <translation>Eliminar las entradas seleccionadas</translation>
    </message>
    <message>
        <source>Orvak web site</source>
        <translation>Sitio web de Orvak</translation>
    </message>
    <message>
        <source>Save changes to current phonebook loaded?</source>
        <translation>¿Guardar los cambios en la agenda cargada?</translation>
    </message>
    <message>
        <source>The handset&apos;s phone book could not be kept before the send, so nothing was sent.</source>
        <translation>No se pudo guardar una copia de la agenda del terminal antes del envío, así que no se ha enviado nada.</translation>
    </message>
    <message>
        <source>The program did not close normally last time, and a phone book had changes that were not saved. Restore that phone book?</source>
        <translation>El programa no se cerró correctamente la última vez y había una agenda con cambios sin guardar. ¿Restaurar esa agenda?</translation>
    </message>
    <message>
        <source>Phone book entries</source>
        <translation>Entradas de la agenda</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n contacts to %1.</source>
        <translation>
            <numerusform>Se ha exportado %n contacto a %1.</numerusform>
            <numerusform>Se han exportado %n contactos a %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Guardado en %1.</translation>
    </message>
    <message numerus="yes">
        <source>Phone book sent: %n entries.</source>
        <translation>
            <numerusform>Agenda enviada: %n entrada.</numerusform>
            <numerusform>Agenda enviada: %n entradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>dialbook pull FILE.opbk</source>
        <translation>dialbook pull FILE.opbk</translation>
    </message>
    <message>
        <source>The phone book of this handset model (0x%1) is not supported in this window; use the dialbook command: %2</source>
        <translation>La agenda de este modelo de terminal (0x%1) no es compatible con esta ventana; use el comando dialbook: %2</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>sincronización</translation>
    </message>
    <message>
        <source>Sync the phone book with the handset</source>
        <translation>Sincronizar la agenda con el terminal</translation>
    </message>
    <message>
        <source>Select &amp;Duplicates</source>
        <translation>&amp;Seleccionar duplicadas</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate entries selected.</source>
        <translation>
            <numerusform>%n entrada duplicada seleccionada.</numerusform>
            <numerusform>%n entradas duplicadas seleccionadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>No duplicate entries found.</source>
        <translation>No se han encontrado entradas duplicadas.</translation>
    </message>
    <message>
        <source>The handset and this phone book are already in step: nothing was changed.</source>
        <translation>El terminal y esta agenda ya coinciden: no se ha cambiado nada.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries without a name or a number stay in this phone book and are not sent.</source>
        <translation>
            <numerusform>%n entrada sin nombre o sin número se queda en esta agenda y no se envía.</numerusform>
            <numerusform>%n entradas sin nombre o sin número se quedan en esta agenda y no se envían.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Phone book synced: the handset holds %n entries.</source>
        <translation>
            <numerusform>Agenda sincronizada: el terminal contiene %n entrada.</numerusform>
            <numerusform>Agenda sincronizada: el terminal contiene %n entradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The handset holds the synced phone book and the list shows it, but its file was not saved: save it to keep it.</source>
        <translation>El terminal contiene la agenda sincronizada y la lista la muestra, pero su archivo no se ha guardado: guárdela para conservarla.</translation>
    </message>
</context>
<context>
    <name>PhonebookSend</name>
    <message>
        <source>The phone book to send has no entries with both a name and a number.</source>
        <translation>La agenda que se va a enviar no tiene ninguna entrada con nombre y número.</translation>
    </message>
    <message>
        <source>This deletes all entries on the handset.</source>
        <translation>Esto elimina todas las entradas del terminal.</translation>
    </message>
    <message numerus="yes">
        <source>This deletes all %n entries on the handset.</source>
        <translation>
            <numerusform>Esto elimina %n entrada del terminal.</numerusform>
            <numerusform>Esto elimina las %n entradas del terminal.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
%2
Send it anyway?</source>
        <translation>%1
%2
¿Enviarla de todos modos?</translation>
    </message>
</context>
<context>
    <name>PhonebookSync</name>
    <message numerus="yes">
        <source>The merged phone book would hold %n entries (the handset&apos;s has %L1, the computer&apos;s %L2), but the handset holds at most 100. Nothing was sent or written.</source>
        <extracomment>%n: the entries the merge gives; %L1 and %L2: the entries of the two books merged.</extracomment>
        <translation>
            <numerusform>La agenda combinada tendría %n entrada (la del terminal tiene %L1; la del equipo, %L2), pero el terminal admite como máximo 100. No se ha enviado ni escrito nada.</numerusform>
            <numerusform>La agenda combinada tendría %n entradas (la del terminal tiene %L1; la del equipo, %L2), pero el terminal admite como máximo 100. No se ha enviado ni escrito nada.</numerusform>
        </translation>
    </message>
    <message>
        <source>added</source>
        <extracomment>A kind of change of a sync, the first word of its line.</extracomment>
        <translation>añadida</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modificada</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>eliminada</translation>
    </message>
    <message>
        <source>kept-over-delete</source>
        <translation>conservada</translation>
    </message>
    <message>
        <source>conflict</source>
        <translation>conflicto</translation>
    </message>
    <message>
        <source>both kept</source>
        <translation>se conservan ambas</translation>
    </message>
    <message>
        <source>the handset&apos;s taken</source>
        <translation>se usa la del terminal</translation>
    </message>
    <message>
        <source>the computer&apos;s taken</source>
        <translation>se usa la del equipo</translation>
    </message>
    <message>
        <source>handset: %1 | computer: %2 (%3)</source>
        <extracomment>A conflict: %1 the handset&apos;s version, %2 the computer&apos;s, %3 which one is taken.</extracomment>
        <translation>terminal: %1 | equipo: %2 (%3)</translation>
    </message>
    <message>
        <source>on the handset</source>
        <translation>en el terminal</translation>
    </message>
    <message>
        <source>on the computer</source>
        <translation>en el equipo</translation>
    </message>
    <message>
        <source>on both</source>
        <translation>en ambos</translation>
    </message>
    <message>
        <source>changed on the computer, deleted on the handset</source>
        <translation>modificada en el equipo, eliminada en el terminal</translation>
    </message>
    <message>
        <source>changed on the handset, deleted on the computer</source>
        <translation>modificada en el terminal, eliminada en el equipo</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <extracomment>A change: %1 where it was made, %2 the entry as it was, %3 as it is now.</extracomment>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%L1 added, %L2 changed, %L3 deleted, %L4 kept over a deletion, %L5 in conflict; %L6 of 100 entries.</source>
        <extracomment>The changes of a sync by kind, then the entries the handset will hold of the 100 it can.</extracomment>
        <translation>%L1 añadidas, %L2 modificadas, %L3 eliminadas, %L4 conservadas pese a su eliminación, %L5 en conflicto; %L6 de 100 entradas.</translation>
    </message>
</context>
<context>
    <name>PictureCanvas</name>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Drag the red frame, or move it with the arrow keys (Shift: faster); + and - zoom.</source>
        <translation>Arrastre el marco rojo o muévalo con las teclas de flecha (Mayús: más rápido); + y - para el zoom.</translation>
    </message>
</context>
<context>
    <name>PictureCommands</name>
    <message>
        <source>Wrote the handset picture to %1</source>
        <translation>Se ha escrito la imagen del terminal en %1</translation>
    </message>
    <message>
        <source>Sent the picture to the handset</source>
        <translation>Se ha enviado la imagen al terminal</translation>
    </message>
</context>
<context>
    <name>PicturePage</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Brightness and contrast</source>
        <translation>Brillo y contraste</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Balance de color</translation>
    </message>
    <message>
        <source>Send to phone</source>
        <translation>Enviar al teléfono</translation>
    </message>
    <message>
        <source>Orvak web site</source>
        <translation>Sitio web de Orvak</translation>
    </message>
    <message>
        <source>dialbook send-picture PICTURE</source>
        <translation>dialbook send-picture PICTURE</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Guardado en %1.</translation>
    </message>
    <message>
        <source>Picture sent.</source>
        <translation>Imagen enviada.</translation>
    </message>
    <message>
        <source>Pictures for this handset model (0x%1) are not supported in this window; use the dialbook command: %2</source>
        <translation>Las imágenes para este modelo de terminal (0x%1) no son compatibles con esta ventana; use el comando dialbook: %2</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SimSocketSource</name>
    <message>
        <source>socket path too long</source>
        <translation>ruta del socket demasiado larga</translation>
    </message>
    <message>
        <source>no handset answers (stale socket)</source>
        <translation>ningún terminal responde (socket obsoleto)</translation>
    </message>
    <message>
        <source>no greeting from the handset</source>
        <translation>el terminal no ha enviado ningún saludo</translation>
    </message>
    <message>
        <source>not a simulated handset</source>
        <translation>no es un terminal simulado</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Not Permitted</source>
        <translation>No permitido</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>No conectado</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About the Orvak Dialbook...</source>
        <extracomment>String 101</extracomment>
        <translation>&amp;Acerca de Orvak Dialbook...</translation>
    </message>
    <message>
        <source>Slide to adjust Red color of phone image.</source>
        <extracomment>String 102</extracomment>
        <translation>Deslice para ajustar el rojo de la imagen del teléfono.</translation>
    </message>
    <message>
        <source>Error: Could not send data to phone.</source>
        <extracomment>String 103
----------
String 57354</extracomment>
        <translation>Error: no se pudieron enviar los datos al teléfono.</translation>
    </message>
    <message>
        <source>Open a graphic file on your computer.</source>
        <extracomment>String 105</extracomment>
        <translation>Abrir un archivo de imagen de su equipo.</translation>
    </message>
    <message>
        <source>Save the Phone Graphic file.</source>
        <extracomment>String 106</extracomment>
        <translation>Guardar el archivo de imagen del teléfono.</translation>
    </message>
    <message>
        <source>Learn more about the<byte value="xd"/>
Orvak Dialbook.</source>
        <extracomment>String 107</extracomment>
        <translation>Más información sobre<byte value="xd"/>
Orvak Dialbook.</translation>
    </message>
    <message>
        <source>Zoom in on the picture.</source>
        <extracomment>String 108</extracomment>
        <translation>Acercar la imagen.</translation>
    </message>
    <message>
        <source>Zoom out on the picture.</source>
        <extracomment>String 109</extracomment>
        <translation>Alejar la imagen.</translation>
    </message>
    <message>
        <source>Rotate the picture to the Left.</source>
        <extracomment>String 110</extracomment>
        <translation>Girar la imagen a la izquierda.</translation>
    </message>
    <message>
        <source>Rotate the picture to the Right.</source>
        <extracomment>String 111</extracomment>
        <translation>Girar la imagen a la derecha.</translation>
    </message>
    <message>
        <source>Adjust Brightness and Contrast.</source>
        <extracomment>String 112</extracomment>
        <translation>Ajustar el brillo y el contraste.</translation>
    </message>
    <message>
        <source>Edit Red, Green and Blue Colors.</source>
        <extracomment>String 113</extracomment>
        <translation>Editar los colores rojo, verde y azul.</translation>
    </message>
    <message>
        <source>Download the selected
<byte value="xd"/>image to the phone.</source>
        <extracomment>String 114</extracomment>
        <translation>Enviar la imagen seleccionada
<byte value="xd"/>al teléfono.</translation>
    </message>
    <message>
        <source>Slide to adjust Green color of phone image.</source>
        <extracomment>String 115</extracomment>
        <translation>Deslice para ajustar el verde de la imagen del teléfono.</translation>
    </message>
    <message>
        <source>Slide to adjust Blue color of phone image.</source>
        <extracomment>String 117</extracomment>
        <translation>Deslice para ajustar el azul de la imagen del teléfono.</translation>
    </message>
    <message>
        <source>Could not start the Graphics Interface.  Exiting.</source>
        <extracomment>String 118</extracomment>
        <translation>No se pudo iniciar la interfaz gráfica. El programa se cerrará.</translation>
    </message>
    <message>
        <source>Starting Image Download...</source>
        <extracomment>String 132</extracomment>
        <translation>Iniciando el envío de la imagen...</translation>
    </message>
    <message>
        <source>Error: Could not retrieve image to download.</source>
        <extracomment>String 133</extracomment>
        <translation>Error: no se pudo obtener la imagen que enviar.</translation>
    </message>
    <message>
        <source>Loading Image file.  Please wait...</source>
        <extracomment>String 135</extracomment>
        <translation>Cargando el archivo de imagen. Espere, por favor...</translation>
    </message>
    <message>
        <source>Error: Can not write over currently opened image.  Please choose new image name or folder to save image to.</source>
        <extracomment>String 136</extracomment>
        <translation>Error: no se puede sobrescribir la imagen abierta. Elija otro nombre u otra carpeta para guardar la imagen.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Memory storage on handset is full.
Please delete one or more pictures or sound clips on handset.</source>
        <extracomment>String 137</extracomment>
        <translation>¡No se puede transferir! La memoria del terminal está llena.
Elimine una o varias imágenes o clips de sonido del terminal.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Handset in use.</source>
        <extracomment>String 138</extracomment>
        <translation>¡No se puede transferir! El terminal está en uso.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Incoming call on handset.</source>
        <extracomment>String 139</extracomment>
        <translation>¡No se puede transferir! Llamada entrante en el terminal.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Low battery detected on handset.</source>
        <extracomment>String 140</extracomment>
        <translation>¡No se puede transferir! Batería baja en el terminal.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Sound clip record/playback in progress on handset.</source>
        <extracomment>String 141</extracomment>
        <translation>¡No se puede transferir! Grabación/reproducción de clip de sonido en curso en el terminal.</translation>
    </message>
    <message>
        <source>Can&apos;t download!  Handset canceled the image download.</source>
        <extracomment>String 142</extracomment>
        <translation>¡No se puede transferir! El terminal canceló el envío de la imagen.</translation>
    </message>
    <message>
        <source>Press this TAB to open the Graphics Editor</source>
        <extracomment>String 144</extracomment>
        <translation>Pulse esta pestaña para abrir el editor de imágenes</translation>
    </message>
    <message>
        <source>Error: The file was too large and was rejected by the phone.</source>
        <extracomment>String 155</extracomment>
        <translation>Error: el archivo era demasiado grande y el teléfono lo rechazó.</translation>
    </message>
    <message>
        <source> No File Loaded</source>
        <extracomment>String 157</extracomment>
        <translation> Ningún archivo cargado</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)|*.bmp||</source>
        <extracomment>String 159</extracomment>
        <translation>Mapa de bits (*.bmp)|*.bmp||</translation>
    </message>
    <message>
        <source>Slide to adjust brightness of phone image.</source>
        <extracomment>String 162</extracomment>
        <translation>Deslice para ajustar el brillo de la imagen del teléfono.</translation>
    </message>
    <message>
        <source>Slide to adjust contrast of phone image.</source>
        <extracomment>String 163</extracomment>
        <translation>Deslice para ajustar el contraste de la imagen del teléfono.</translation>
    </message>
    <message>
        <source>Error: Could not read data from phone.</source>
        <extracomment>String 164</extracomment>
        <translation>Error: no se pudieron leer los datos del teléfono.</translation>
    </message>
    <message>
        <source>Canceling Phonebook Transfer...</source>
        <extracomment>String 165</extracomment>
        <translation>Cancelando la transferencia de la agenda...</translation>
    </message>
    <message>
        <source>Data transfer canceled.</source>
        <extracomment>String 167</extracomment>
        <translation>Transferencia de datos cancelada.</translation>
    </message>
    <message>
        <source>Receiving phonebook from handset...</source>
        <extracomment>String 169</extracomment>
        <translation>Recibiendo la agenda del terminal...</translation>
    </message>
    <message>
        <source>Sending phonebook records to phone...</source>
        <extracomment>String 170</extracomment>
        <translation>Enviando los registros de la agenda al teléfono...</translation>
    </message>
    <message>
        <source>Sending phonebook record:</source>
        <extracomment>String 172</extracomment>
        <translation>Enviando registro de la agenda:</translation>
    </message>
    <message>
        <source>Press this tab to access the Phonebook Editor</source>
        <extracomment>String 174</extracomment>
        <translation>Pulse esta pestaña para acceder al editor de la agenda</translation>
    </message>
    <message>
        <source>Press this tab to access the welcome dialog.</source>
        <extracomment>String 175</extracomment>
        <translation>Pulse esta pestaña para acceder a la pantalla de bienvenida.</translation>
    </message>
    <message>
        <source>Maximum phonebook records reached.  Please delete some records and try again.</source>
        <extracomment>String 182</extracomment>
        <translation>Se ha alcanzado el número máximo de registros de la agenda. Elimine algunos registros e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>String 184</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <extracomment>String 185</extracomment>
        <translation>Número de teléfono</translation>
    </message>
    <message>
        <source>Error: Bitmap does not exist.</source>
        <extracomment>String 188</extracomment>
        <translation>Error: el mapa de bits no existe.</translation>
    </message>
    <message>
        <source>Phonebook (*.opbk)|*.opbk||</source>
        <extracomment>String 191</extracomment>
        <translation>Agenda (*.opbk)|*.opbk||</translation>
    </message>
    <message>
        <source>Orvak Phonebook Files (*.opbk)|*.opbk|All Files (*.*)|*.*||</source>
        <extracomment>String 192</extracomment>
        <translation>Archivos de agenda Orvak (*.opbk)|*.opbk|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Error: Could not write to the file.</source>
        <extracomment>String 193</extracomment>
        <translation>Error: no se pudo escribir en el archivo.</translation>
    </message>
    <message>
        <source>Error: Could not read file.</source>
        <extracomment>String 194</extracomment>
        <translation>Error: no se pudo leer el archivo.</translation>
    </message>
    <message>
        <source>Warning: This will overwrite the phonebook on the handset.  Do you want to proceed?</source>
        <extracomment>String 195</extracomment>
        <translation>Advertencia: se sobrescribirá la agenda del terminal. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Error: No records to write.</source>
        <extracomment>String 199</extracomment>
        <translation>Error: no hay registros que escribir.</translation>
    </message>
    <message>
        <source>Error: Could not open file.</source>
        <extracomment>String 201</extracomment>
        <translation>Error: no se pudo abrir el archivo.</translation>
    </message>
    <message>
        <source>Error: Could not write to the file specified.</source>
        <extracomment>String 202</extracomment>
        <translation>Error: no se pudo escribir en el archivo indicado.</translation>
    </message>
    <message>
        <source>Error: Map index out of range</source>
        <extracomment>String 214</extracomment>
        <translation>Error: índice de asignación fuera de rango</translation>
    </message>
    <message>
        <source>Error: Variable index is out of range</source>
        <extracomment>String 217</extracomment>
        <translation>Error: índice de variable fuera de rango</translation>
    </message>
    <message>
        <source>Error: Index is already assigned.</source>
        <extracomment>String 218</extracomment>
        <translation>Error: el índice ya está asignado.</translation>
    </message>
    <message>
        <source>Error: Could not import file.</source>
        <extracomment>String 219</extracomment>
        <translation>Error: no se pudo importar el archivo.</translation>
    </message>
    <message>
        <source>Error: No columns selected for import.</source>
        <extracomment>String 221</extracomment>
        <translation>Error: no se ha seleccionado ninguna columna para importar.</translation>
    </message>
    <message>
        <source>Receiving handset information.</source>
        <extracomment>String 222</extracomment>
        <translation>Recibiendo información del terminal.</translation>
    </message>
    <message>
        <source>Error: Data returned from the handset is in error.</source>
        <extracomment>String 261</extracomment>
        <translation>Error: los datos devueltos por el terminal son erróneos.</translation>
    </message>
    <message>
        <source>Error:  Unable to complete data transfer.</source>
        <extracomment>String 262
----------
String 370</extracomment>
        <translation>Error: no se pudo completar la transferencia de datos.</translation>
    </message>
    <message>
        <source>Error: Could not read handset settings from handset.</source>
        <extracomment>String 263</extracomment>
        <translation>Error: no se pudo leer la configuración del terminal.</translation>
    </message>
    <message>
        <source>Sending image to phone...</source>
        <extracomment>String 264</extracomment>
        <translation>Enviando la imagen al teléfono...</translation>
    </message>
    <message>
        <source>Click this link to open the Orvak web site.</source>
        <extracomment>String 269</extracomment>
        <translation>Haga clic en este enlace para abrir el sitio web de Orvak.</translation>
    </message>
    <message>
        <source>Open a phonebook from disk.</source>
        <extracomment>String 270</extracomment>
        <translation>Abrir una agenda del disco.</translation>
    </message>
    <message>
        <source>Save the phonebook to disk.</source>
        <extracomment>String 271</extracomment>
        <translation>Guardar la agenda en el disco.</translation>
    </message>
    <message>
        <source>Create a new phonebook.</source>
        <extracomment>String 272</extracomment>
        <translation>Crear una agenda nueva.</translation>
    </message>
    <message>
        <source>Transfer the phonebook from the handset.</source>
        <extracomment>String 273</extracomment>
        <translation>Transferir la agenda desde el terminal.</translation>
    </message>
    <message>
        <source>Transfer the phonebook to the handset.</source>
        <extracomment>String 274</extracomment>
        <translation>Transferir la agenda al terminal.</translation>
    </message>
    <message>
        <source>Select all phonebook entries.</source>
        <extracomment>String 275</extracomment>
        <translation>Seleccionar todas las entradas de la agenda.</translation>
    </message>
    <message>
        <source>De-select all phonebook entries.</source>
        <extracomment>String 276</extracomment>
        <translation>Anular la selección de todas las entradas de la agenda.</translation>
    </message>
    <message>
        <source>Delete selected phonebook entries.</source>
        <extracomment>String 277</extracomment>
        <translation>Eliminar las entradas seleccionadas de la agenda.</translation>
    </message>
    <message>
        <source>Create a new phonebook entry.</source>
        <extracomment>String 278</extracomment>
        <translation>Crear una entrada nueva en la agenda.</translation>
    </message>
    <message>
        <source>Import/Export all or selected phonebook entries.</source>
        <extracomment>String 279</extracomment>
        <translation>Importar/exportar todas las entradas de la agenda o las seleccionadas.</translation>
    </message>
    <message>
        <source>Preparing to receive phonebook from phone...</source>
        <extracomment>String 321</extracomment>
        <translation>Preparando la recepción de la agenda del teléfono...</translation>
    </message>
    <message>
        <source>Transferring phonebook record:</source>
        <extracomment>String 322</extracomment>
        <translation>Transfiriendo registro de la agenda:</translation>
    </message>
    <message>
        <source>Version 2.0.1</source>
        <extracomment>String 324</extracomment>
        <translation>Versión 2.0.1</translation>
    </message>
    <message>
        <source>Loading file.  Please wait...</source>
        <extracomment>String 371</extracomment>
        <translation>Cargando el archivo. Espere, por favor...</translation>
    </message>
    <message>
        <source>Saving file.  Please wait...</source>
        <extracomment>String 372</extracomment>
        <translation>Guardando el archivo. Espere, por favor...</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <extracomment>String 373</extracomment>
        <translation>No conectado</translation>
    </message>
    <message>
        <source>Warning: some of the phonebook records contain empty names and/or phone numbers.  These records will not be transferred to the handset.  Do you want to continue with the phonebook transfer?</source>
        <extracomment>String 374</extracomment>
        <translation>Advertencia: algunos registros de la agenda tienen el nombre o el número de teléfono vacíos. Estos registros no se transferirán al terminal. ¿Desea continuar con la transferencia de la agenda?</translation>
    </message>
    <message>
        <source>Error: No memory left.</source>
        <extracomment>String 57345</extracomment>
        <translation>Error: no queda memoria.</translation>
    </message>
    <message>
        <source>Canceling Image Download...</source>
        <extracomment>String 57346</extracomment>
        <translation>Cancelando el envío de la imagen...</translation>
    </message>
    <message>
        <source>Requesting to send image to phone...</source>
        <extracomment>String 57348</extracomment>
        <translation>Solicitando el envío de la imagen al teléfono...</translation>
    </message>
    <message>
        <source>Error: Phone not found.</source>
        <extracomment>String 57350</extracomment>
        <translation>Error: no se encontró el teléfono.</translation>
    </message>
    <message>
        <source>Error: Phone reported image report size too large.</source>
        <extracomment>String 57351</extracomment>
        <translation>Error: el teléfono indicó un tamaño de informe de imagen demasiado grande.</translation>
    </message>
    <message>
        <source>Error: CreateEvent failed.</source>
        <extracomment>String 57352</extracomment>
        <translation>Error: falló CreateEvent.</translation>
    </message>
    <message>
        <source>The handset plugged in now is not the one this phone book was kept from, so it was not sent to it.</source>
        <extracomment>String 57400</extracomment>
        <translation>El terminal conectado ahora no es aquel del que se guardó esta agenda, por lo que no se le ha enviado.</translation>
    </message>
    <message>
        <source>All Graphic Files (*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz)|*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz|Bitmaps (*.bmp)|*.bmp|WebP Pictures (*.webp)|*.webp|SVG Drawings (*.svg;*.svgz)|*.svg;*.svgz|All Files (*.*)|*.*||</source>
        <extracomment>String 116</extracomment>
        <translation>Todos los archivos de imagen (*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz)|*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz|Mapas de bits (*.bmp)|*.bmp|Imágenes WebP (*.webp)|*.webp|Dibujos SVG (*.svg;*.svgz)|*.svg;*.svgz|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Error: Image file could not be loaded.</source>
        <extracomment>String 156</extracomment>
        <translation>Error: no se pudo cargar el archivo de imagen.</translation>
    </message>
    <message>
        <source>Error: Image failed to save.</source>
        <extracomment>String 160</extracomment>
        <translation>Error: no se pudo guardar la imagen.</translation>
    </message>
    <message>
        <source>Put the handset&apos;s phone book and this one together, showing the changes first.</source>
        <extracomment>String 57401</extracomment>
        <translation>Combinar la agenda del terminal con esta, mostrando antes los cambios.</translation>
    </message>
    <message>
        <source>The handset&apos;s phone book changed after it was received, so nothing was sent to it. Sync again.</source>
        <extracomment>String 57402</extracomment>
        <translation>La agenda del terminal cambió después de recibirla, así que no se le ha enviado nada. Vuelva a sincronizar.</translation>
    </message>
</context>
<context>
    <name>SyncPreviewDialog</name>
    <message>
        <source>Sync with the Handset</source>
        <translation>Sincronizar con el terminal</translation>
    </message>
    <message>
        <source>This is the first sync with this handset: its phone book and the computer&apos;s are merged.</source>
        <translation>Es la primera sincronización con este terminal: se combinan su agenda y la del equipo.</translation>
    </message>
    <message>
        <source>What changed on the handset and on the computer since the last sync:</source>
        <translation>Lo que ha cambiado en el terminal y en el equipo desde la última sincronización:</translation>
    </message>
    <message>
        <source>Changes to sync</source>
        <translation>Cambios que sincronizar</translation>
    </message>
    <message>
        <source>No entry was added, changed or deleted on either side.</source>
        <translation>No se ha añadido, modificado ni eliminado ninguna entrada en ninguno de los dos lados.</translation>
    </message>
    <message>
        <source>Space includes or leaves out the selected change. On a conflict, Left and Right choose the version to take, and F2 opens the list of versions.</source>
        <translation>La barra espaciadora incluye u omite el cambio seleccionado. En un conflicto, las flechas Izquierda y Derecha eligen la versión que se usa, y F2 abre la lista de versiones.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronizar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The handset would have to hold %L1 entries, but it holds at most 100. Leave out additions, or take one version of a conflict, to sync.</source>
        <extracomment>%1: the entries the merged phone book would hold, more than the handset&apos;s 100.</extracomment>
        <translation>El terminal tendría que contener %L1 entradas, pero admite como máximo 100. Para sincronizar, omita entradas añadidas o use una sola versión de un conflicto.</translation>
    </message>
    <message>
        <source>The handset will hold %L1 of 100 entries.</source>
        <extracomment>%1: the entries the handset will hold after the sync.</extracomment>
        <translation>El terminal tendrá %L1 de 100 entradas.</translation>
    </message>
</context>
<context>
    <name>SyncPreviewModel</name>
    <message>
        <source>Handset</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambas</translation>
    </message>
    <message>
        <source>%1 (left out)</source>
        <extracomment>A change of a sync that the person left out: %1 its kind (&quot;added&quot;).</extracomment>
        <translation>%1 (sin incluir)</translation>
    </message>
    <message>
        <source>%1 (duplicate)</source>
        <extracomment>A change whose entry the merged phone book would hold twice.</extracomment>
        <translation>%1 (duplicada)</translation>
    </message>
    <message>
        <source>Included</source>
        <translation>Incluido</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Sin incluir</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Incluir</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>The merged phone book also holds %1, with the same number.</source>
        <extracomment>%1: another entry of the merged phone book (&quot;Ana Lima 555 0101&quot;).</extracomment>
        <translation>La agenda combinada también contiene %1, con el mismo número.</translation>
    </message>
    <message>
        <source>The merged phone book also holds %1, under the same name.</source>
        <extracomment>%1: another entry of the merged phone book (&quot;Ana Lima 555 0101&quot;).</extracomment>
        <translation>La agenda combinada también contiene %1, con el mismo nombre.</translation>
    </message>
</context>
<context>
    <name>SyncSideDelegate</name>
    <message>
        <source>Version to take</source>
        <translation>Versión que usar</translation>
    </message>
</context>
<context>
    <name>TabPage</name>
    <message>
        <source>An Orvak handset is plugged in, but you may not open it yet.</source>
        <translation>Hay un terminal Orvak conectado, pero todavía no tiene permiso para abrirlo.</translation>
    </message>
    <message>
        <source>Unplug it and plug it in again, so that the udev rule %1 applies to it.</source>
        <translation>Desconéctelo y vuelva a conectarlo para que se le aplique la regla udev %1.</translation>
    </message>
    <message>
        <source>Install the orvak-dialbook package, whose udev rule %1 lets you open it, then unplug the handset and plug it in again.</source>
        <translation>Instale el paquete orvak-dialbook, cuya regla udev %1 le permite abrirlo; después, desconecte el terminal y vuelva a conectarlo.</translation>
    </message>
    <message>
        <source>To let you open it, install the udev rule from the source tree in a terminal:
%1</source>
        <translation>Para poder abrirlo, instale en una terminal la regla udev del árbol de fuentes:
%1</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Orvak web site</source>
        <translation>Sitio web de Orvak</translation>
    </message>
</context>
</TS>
