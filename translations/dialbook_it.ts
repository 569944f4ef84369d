<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About the Orvak Dialbook</source>
        <translation>Informazioni su Orvak Dialbook</translation>
    </message>
    <message>
        <source>Phone book and picture manager for Orvak handsets.</source>
        <translation>Gestione della rubrica e delle immagini per portatili Orvak.</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Your handset, on your computer</source>
        <translation>Il Suo portatile sul computer</translation>
    </message>
    <message>
        <source>Phone Book</source>
        <translation>Rubrica</translation>
    </message>
    <message>
        <source>Handset</source>
        <translation>Portatile</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>On the handset</source>
        <translation>Sul portatile</translation>
    </message>
    <message>
        <source>Visit the Orvak web site</source>
        <translation>Visiti il sito web di Orvak</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Benvenuto</translation>
    </message>
    <message>
        <source>Keep your handset&apos;s phone book and pictures on your computer. Receive the phone book, edit it, save it, and send it back; frame a picture and download it to the handset.</source>
        <translation>Conservi sul computer la rubrica e le immagini del portatile. Riceva la rubrica, la modifichi, la salvi e la rimandi al portatile; inquadri un’immagine e la invii al portatile.</translation>
    </message>
    <message>
        <source>Connect the handset with its USB cable. The status bar below shows its name once it is found. Press Help for how to set up a handset on Linux.</source>
        <translation>Colleghi il portatile con il cavo USB. Quando viene trovato, la barra di stato qui sotto ne mostra il nome. Prema Guida per sapere come configurare un portatile su Linux.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>New Phonebook</source>
        <translation>Nuova rubrica</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Ricevi</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>I/E</source>
        <translation>I/E</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuova</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Luce</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Elimina selezionate</translation>
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
        <translation>Luminosità/Contrasto</translation>
    </message>
    <message>
        <source>&amp;Brightness</source>
        <translation>&amp;Luminosità</translation>
    </message>
    <message>
        <source>&amp;Contrast</source>
        <translation>&amp;Contrasto</translation>
    </message>
</context>
<context>
    <name>CardDavClient</name>
    <message numerus="yes">
        <source>%n cards came without their data</source>
        <translation>
            <numerusform>%n contatto è arrivato senza i suoi dati</numerusform>
            <numerusform>%n contatti sono arrivati senza i loro dati</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CardDavFailure</name>
    <message>
        <source>The address %1 holds a password. Give the address without it, and the user name and the password apart.</source>
        <translation>L’indirizzo %1 contiene una password. Indichi l’indirizzo senza di essa, e il nome utente e la password a parte.</translation>
    </message>
    <message>
        <source>%1 is not the address of a server: it must begin with https:// or http://.</source>
        <translation>%1 non è l’indirizzo di un server: deve iniziare con https:// o http://.</translation>
    </message>
    <message>
        <source>The certificate %1 could not be read: it is no PEM or DER certificate.</source>
        <translation>Impossibile leggere il certificato %1: non è un certificato PEM o DER.</translation>
    </message>
    <message>
        <source>Could not reach %1: %2.</source>
        <translation>Impossibile raggiungere %1: %2.</translation>
    </message>
    <message>
        <source>Could not connect to %1 within %2 seconds.</source>
        <translation>Impossibile connettersi a %1 entro %2 secondi.</translation>
    </message>
    <message>
        <source>The server at %1 did not answer within %2 seconds.</source>
        <translation>Il server %1 non ha risposto entro %2 secondi.</translation>
    </message>
    <message>
        <source>The server at %1 sent the connection on to %2, which is not encrypted; it was not followed.</source>
        <translation>Il server %1 ha reindirizzato la connessione a %2, che non è cifrata; il reindirizzamento non è stato seguito.</translation>
    </message>
    <message>
        <source>The certificate of %1 was refused: %2.</source>
        <translation>Il certificato di %1 è stato rifiutato: %2.</translation>
    </message>
    <message>
        <source>The server at %1 refused the user name or the password.</source>
        <translation>Il server %1 ha rifiutato il nome utente o la password.</translation>
    </message>
    <message>
        <source>There is nothing at %1 (the server answered 404 Not Found).</source>
        <translation>Non c’è nulla all’indirizzo %1 (il server ha risposto 404 Not Found).</translation>
    </message>
    <message>
        <source>The server at %1 answered %2 %3.</source>
        <translation>Il server %1 ha risposto %2 %3.</translation>
    </message>
    <message>
        <source>The answer of %1 is larger than %2 MB; nothing was read.</source>
        <translation>La risposta di %1 supera i %2 MB; non è stato letto nulla.</translation>
    </message>
    <message>
        <source>The answer of %1 could not be read: %2.</source>
        <translation>Impossibile leggere la risposta di %1: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2 address books; give the address of one of them.</source>
        <translation>%1 porta a %2 rubriche; indichi l’indirizzo di una di esse.</translation>
    </message>
    <message>
        <source>Reading from %1 was cancelled.</source>
        <translation>La lettura da %1 è stata annullata.</translation>
    </message>
    <message>
        <source>The server at %1 sent the connection on to %2, another server, which asked for the password; it was not given.</source>
        <translation>Il server a %1 ha inoltrato la connessione a %2, un altro server, che ha chiesto la password; non gli è stata data.</translation>
    </message>
    <message>
        <source>%1 shows no address book: it is no CardDAV server, or it keeps none for this user.</source>
        <translation>%1 non mostra nessuna rubrica: non è un server CardDAV, oppure non ne ha per questo utente.</translation>
    </message>
</context>
<context>
    <name>ChangeMapDialog</name>
    <message>
        <source>“%1” is mapped from “%2”. Set that row to none first to map it here.</source>
        <translation>«%1» è già associato a «%2». Per associarlo qui, imposti prima quella riga su nessun campo.</translation>
    </message>
    <message>
        <source>Change Mapping</source>
        <translation>Modifica associazione</translation>
    </message>
    <message>
        <source>Text Field: %1</source>
        <translation>Campo di testo: %1</translation>
    </message>
</context>
<context>
    <name>ChooseOperationPage</name>
    <message>
        <source>Import/Export</source>
        <translation>Importa/Esporta</translation>
    </message>
    <message>
        <source>Select the operation to perform:</source>
        <translation>Selezioni l’operazione da eseguire:</translation>
    </message>
    <message>
        <source>Import contacts from a comma delimited text file.</source>
        <translation>Importa i contatti da un file di testo delimitato da virgole.</translation>
    </message>
    <message>
        <source>Export contacts to a comma delimited text file.</source>
        <translation>Esporta i contatti in un file di testo delimitato da virgole.</translation>
    </message>
</context>
<context>
    <name>ColorBalanceDialog</name>
    <message>
        <source>Edit Color Settings</source>
        <translation>Modifica impostazioni colore</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rosso</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Verde</translation>
    </message>
    <message>
        <source>B&amp;lue</source>
        <translation>&amp;Blu</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;dialbook --help&apos;.</source>
        <translation>Provi «dialbook --help».</translation>
    </message>
    <message>
        <source>devices takes no arguments</source>
        <translation>devices non accetta argomenti</translation>
    </message>
    <message>
        <source>info takes no arguments</source>
        <translation>info non accetta argomenti</translation>
    </message>
    <message>
        <source>pull takes one file</source>
        <translation>pull richiede un file</translation>
    </message>
    <message>
        <source>push takes one file</source>
        <translation>push richiede un file</translation>
    </message>
    <message>
        <source>show takes one file</source>
        <translation>show richiede un file</translation>
    </message>
    <message>
        <source>picture takes a picture file and a PNG or BMP file</source>
        <translation>picture richiede un file immagine e un file PNG o BMP</translation>
    </message>
    <message>
        <source>send-picture takes one file</source>
        <translation>send-picture richiede un file</translation>
    </message>
    <message>
        <source>backups takes no arguments</source>
        <translation>backups non accetta argomenti</translation>
    </message>
    <message>
        <source>import takes a contacts file and a phone-book file</source>
        <translation>import richiede un file di contatti e un file rubrica</translation>
    </message>
    <message>
        <source>export takes a phone-book file and a contacts file</source>
        <translation>export richiede un file rubrica e un file di contatti</translation>
    </message>
    <message>
        <source>--international-prefix takes digits, such as 00 or 011</source>
        <translation>--international-prefix richiede delle cifre, ad esempio 00 o 011</translation>
    </message>
    <message>
        <source>--first takes a number of contacts, 1 or more</source>
        <translation>--first richiede un numero di contatti, 1 o più</translation>
    </message>
    <message>
        <source>--rotate takes left or right</source>
        <translation>--rotate richiede left o right</translation>
    </message>
    <message>
        <source>--%1 takes a number of steps</source>
        <translation>--%1 richiede un numero di passi</translation>
    </message>
    <message>
        <source>--frame takes X,Y</source>
        <translation>--frame richiede X,Y</translation>
    </message>
    <message>
        <source>--%1 takes a number from -100 to 100</source>
        <translation>--%1 richiede un numero da -100 a 100</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nessun comando indicato</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>comando sconosciuto %1</translation>
    </message>
    <message>
        <source>picture writes a .png or a .bmp file</source>
        <translation>picture scrive un file .png o .bmp</translation>
    </message>
    <message>
        <source>sync takes one file</source>
        <translation>sync richiede un file</translation>
    </message>
    <message>
        <source>--prefer takes computer or handset</source>
        <translation>--prefer richiede computer o handset</translation>
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

Comunica con il primo portatile Orvak trovato su USB, o con un portatile simulato.

Comandi:
  devices          Elenca ogni dispositivo del produttore del portatile: percorso,
                   vendor:product in esadecimale, lunghezze dei report di ingresso e di
                   uscita, e se è un portatile accettato. I dispositivi che non si
                   possono aprire sono elencati con il motivo; per un portatile che
                   questo utente non può aprire, viene indicata anche la soluzione (la
                   regola udev). Termina con 0 se è presente un portatile accettato,
                   altrimenti con 1.
  info             Mostra il nome del portatile e la sua identità (12 cifre esadecimali),
                   o come ottenere l’autorizzazione per aprirlo.
  pull FILE.opbk   Riceve la rubrica del portatile e la salva in FILE.opbk.
  push FILE.opbk   Invia la rubrica di FILE.opbk al portatile, sostituendo quella
                   presente. Prima chiede conferma; le voci senza nome o senza numero
                   vengono escluse, dopo una seconda domanda. Se non resta alcuna voce
                   da inviare, chiede se eliminare tutte le voci del portatile (No, a
                   meno di rispondere s).
                   La rubrica del portatile viene prima salvata in My Phonebooks/Backups
                   (le 20 più recenti di ogni portatile), salvo con --no-backup.
  sync BOOK.opbk [--prefer computer|handset] [--dry-run]
                   Sincronizza la rubrica del portatile con BOOK.opbk: ciò che è stato
                   aggiunto, modificato o eliminato su uno dei due lati dall’ultima
                   sincronizzazione di questo portatile passa all’altro. Mostra ogni
                   modifica e da dove viene, poi chiede conferma una sola volta prima di
                   inviare la rubrica unificata al portatile (solo se la sua rubrica è
                   diversa) e di salvarla in BOOK.opbk. Una voce modificata in modo
                   diverso sui due lati è un conflitto: viene usata la versione del
                   computer, salvo con --prefer handset. La prima sincronizzazione
                   prende le voci di entrambe le rubriche, una sola volta quelle uguali.
                   La rubrica del portatile viene prima salvata in Backups, salvo con
                   --no-backup. Se la rubrica unificata superasse le 100 voci, non viene
                   inviato né scritto nulla. --dry-run mostra le modifiche e si ferma.
  backups          Elenca le rubriche salvate, dalla più recente.
  show FILE.opbk   Mostra l’identità di un file rubrica e una riga per ogni voce:
                   il nome, una tabulazione, il numero.
  picture IN OUT.png|OUT.bmp
                   Crea l’immagine per il portatile da IN (BMP, GIF, JPEG, PNG, TIFF,
                   WebP o SVG) e la salva come file PNG 128 x 128 o come file BMP a
                   16 bit del portatile. IN viene adattato all’area di 426 x 300 della
                   pagina Immagini, inquadrato al centro, su sfondo bianco. Un’immagine
                   danneggiata viene segnalata su stderr e se ne usa la parte leggibile.
  send-picture IN  Crea l’immagine per il portatile da IN e la invia al portatile.
  import CONTACTS BOOK.opbk [--map phone=COL,first=COL,last=COL] [--dry-run]
                   Aggiunge i contatti di un file di testo delimitato (virgole, punti e
                   virgola o tabulazioni; UTF-8, UTF-16 o Windows-1252) o di un file
                   vCard a BOOK.opbk, creato se manca, come fa l’importazione della
                   pagina Rubrica. Mostra l’associazione usata, poi quante voci ha
                   aggiunto, e su stderr cosa ha cambiato strada facendo (numeri presi
                   da un’altra colonna o riscritti, contatti senza nome esclusi, ...).
                   COL è un testo di intestazione o un numero di colonna a partire da 1;
                   none svuota una destinazione; le destinazioni non indicate mantengono
                   la colonna individuata. Un numero viene dalla colonna phone o, se è
                   vuota, dalle altre colonne telefoniche del file, prima quelle dei
                   cellulari; phone=COL1|COL2|... indica l’ordine completo.
                   Se si chiedono più contatti di quanti ne possa contenere BOOK.opbk
                   (100 voci in tutto), non viene scritto nulla. --dry-run mostra le voci
                   e non scrive nulla.
    --international-prefix P   cosa diventa un + iniziale (cifre; predefinito 00)
    --category NAME  solo i contatti con questa categoria o etichetta (ripetibile:
                     una qualsiasi)
    --first N        solo i primi N contatti (tra quelli delle categorie)
                   CONTACTS può essere anche l’indirizzo http(s) di un server CardDAV, o
                   di una delle sue rubriche, con --user NAME: le sue vCard vengono lette
                   come quelle di un file vCard. Un server con più rubriche le elenca;
                   indichi quella da leggere tramite il suo indirizzo.
  addressbooks URL --user NAME
                   Elenca le rubriche di un server CardDAV (Nextcloud, iCloud, Fastmail,
                   Radicale, ...), trovate a partire dal suo indirizzo, con il numero di
                   contatti e l’indirizzo di ciascuna.
  export BOOK.opbk OUT.csv|OUT.vcf
                   Scrive ogni voce di BOOK.opbk come testo delimitato da virgole, o come
                   vCard se OUT termina con .vcf.

Opzioni per i server (addressbooks, e import da un server):
  --user NAME      il nome utente sul server
  --password-file FILE   legge la password dalla prima riga di FILE, che solo il
                   proprietario può leggere (chmod 600). Senza questa opzione la
                   password viene presa dal portachiavi del desktop o, se non c’è,
                   chiesta nel terminale senza mostrarla. Non viene mai accettata
                   sulla riga di comando.
  --save-password  conserva nel portachiavi la password digitata quando richiesta, una
                   volta che il server l’ha accettata
  --ca-file FILE   considera attendibile anche questo certificato (PEM o DER), per un
                   server che firma da sé il proprio certificato; gli altri certificati
                   che non superano la verifica vengono rifiutati

Opzioni per le immagini, applicate in quest’ordine:
  --rotate left|right, --zoom-in N, --zoom-out N   quante volte si vuole, nell’ordine dato
  --frame X,Y      sposta la cornice 128 x 128 in X,Y nell’area (restando al suo interno)
  --brightness N, --contrast N, --red N, --green N, --blue N   da -100 a 100

Opzioni:
  --simulate       Usa un portatile simulato all’interno di questo processo.
  --yes            Risponde Sì alle domande di push e sync, anche all’eliminazione di
                   tutte le voci del portatile con una rubrica vuota.
  -h, --help       Mostra questa guida.

I trasferimenti mostrano una barra di avanzamento nel terminale; Ctrl+C li annulla
(«Trasferimento dati annullato.»). In caso di errore viene mostrato il motivo e il codice
di uscita è 1; gli errori di utilizzo danno 2. I portatili simulati avviati con
orvak-handset-sim vengono trovati come i portatili USB.
</translation>
    </message>
    <message>
        <source>addressbooks takes the address of a CardDAV server</source>
        <translation>addressbooks richiede l’indirizzo di un server CardDAV</translation>
    </message>
    <message>
        <source>a password is never taken on the command line, where every user of this computer can read it; give --password-file FILE, or type it when asked</source>
        <translation>una password non viene mai accettata sulla riga di comando, dove ogni utente di questo computer può leggerla; indichi --password-file FILE, oppure la digiti quando viene richiesta</translation>
    </message>
    <message>
        <source>addressbooks takes an http:// or https:// address</source>
        <translation>addressbooks richiede un indirizzo http:// o https://</translation>
    </message>
    <message>
        <source>a server&apos;s address needs --user NAME</source>
        <translation>l’indirizzo di un server richiede --user NAME</translation>
    </message>
    <message>
        <source>--user, --password-file, --ca-file and --save-password are for an address on a server</source>
        <translation>--user, --password-file, --ca-file e --save-password valgono solo per un indirizzo su un server</translation>
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
        <translation>--map richiede phone=COL,first=COL,last=COL</translation>
    </message>
    <message>
        <source>--map: only phone takes several columns</source>
        <translation>--map: solo phone accetta più colonne</translation>
    </message>
    <message>
        <source>--map: the file has no column &quot;%1&quot;</source>
        <translation>--map: il file non ha la colonna «%1»</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Numero di telefono</translation>
    </message>
    <message>
        <source>Name, first part</source>
        <translation>Nome, prima parte</translation>
    </message>
    <message>
        <source>Name, last part</source>
        <translation>Nome, ultima parte</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuna)</translation>
    </message>
    <message>
        <source>column %1, %2; then %3</source>
        <translation>colonna %1, %2; poi %3</translation>
    </message>
    <message>
        <source>column %1, %2</source>
        <translation>colonna %1, %2</translation>
    </message>
    <message>
        <source>%1 holds no contacts to import; nothing was written.</source>
        <translation>%1 non contiene contatti da importare; non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>no contact has the category %1; the file has no categories</source>
        <translation>nessun contatto ha la categoria %1; il file non ha categorie</translation>
    </message>
    <message>
        <source>no contact has the category %1; the file&apos;s categories: %2</source>
        <translation>nessun contatto ha la categoria %1; categorie del file: %2</translation>
    </message>
    <message>
        <source>%1 is full (%2 entries); nothing was written.</source>
        <translation>%1 è pieno (%2 voci); non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Choose which with --category NAME or --first N; nothing was written.</source>
        <translation>Scelga quali con --category NAME o --first N; non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1 contacts are asked for; the book has room for %2. Nothing was written.</source>
        <translation>Sono richiesti %1 contatti; la rubrica ha posto per %2. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Would add 1 entry to %1 (nothing written)</source>
        <translation>Verrebbe aggiunta 1 voce a %1 (non viene scritto nulla)</translation>
    </message>
    <message numerus="yes">
        <source>Would add %n entries to %1 (nothing written)</source>
        <translation>
            <numerusform>Verrebbe aggiunta %n voce a %1 (non viene scritto nulla)</numerusform>
            <numerusform>Verrebbero aggiunte %n voci a %1 (non viene scritto nulla)</numerusform>
        </translation>
    </message>
    <message>
        <source>Added 1 entry to %1</source>
        <translation>Aggiunta 1 voce a %1</translation>
    </message>
    <message numerus="yes">
        <source>Added %n entries to %1</source>
        <translation>
            <numerusform>Aggiunta %n voce a %1</numerusform>
            <numerusform>Aggiunte %n voci a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote 1 entry to %1</source>
        <translation>Scritta 1 voce in %1</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1</source>
        <translation>
            <numerusform>Scritta %n voce in %1</numerusform>
            <numerusform>Scritte %n voci in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book holds %1 contacts; the book has room for %2.</source>
        <translation>La rubrica sul server contiene %1 contatti; la rubrica ha posto per %2.</translation>
    </message>
</context>
<context>
    <name>ContactImport</name>
    <message>
        <source>1 character that the handset cannot store was left out of the imported names.</source>
        <translation>1 carattere che il portatile non può memorizzare è stato escluso dai nomi importati.</translation>
    </message>
    <message numerus="yes">
        <source>%n characters that the handset cannot store were left out of the imported names.</source>
        <translation>
            <numerusform>%n carattere che il portatile non può memorizzare è stato escluso dai nomi importati.</numerusform>
            <numerusform>%n caratteri che il portatile non può memorizzare sono stati esclusi dai nomi importati.</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1 opens a quoted field that never closes; the rest of the file was read as part of that field.</source>
        <translation>La riga %1 apre un campo tra virgolette che non viene mai chiuso; il resto del file è stato letto come parte di quel campo.</translation>
    </message>
    <message>
        <source>The file holds more than any phone book import can use; only its lines before line %1 were read.</source>
        <translation>Il file contiene più di quanto un’importazione nella rubrica possa usare; sono state lette solo le righe precedenti la riga %1.</translation>
    </message>
    <message>
        <source>1 number came from another column, as the mapped one was empty.</source>
        <translation>1 numero è stato preso da un’altra colonna, perché quella associata era vuota.</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers came from another column, as the mapped one was empty.</source>
        <translation>
            <numerusform>%n numero è stato preso da un’altra colonna, perché quella associata era vuota.</numerusform>
            <numerusform>%n numeri sono stati presi da un’altra colonna, perché quella associata era vuota.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 number was rewritten to dial as written (a &quot;+&quot; made the international prefix, a &quot;(0)&quot; dropped, an extension made a pause).</source>
        <translation>1 numero è stato riscritto per essere composto così come è scritto (un «+» sostituito dal prefisso internazionale, uno «(0)» rimosso, un interno sostituito da una pausa).</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers were rewritten to dial as written (a &quot;+&quot; made the international prefix, a &quot;(0)&quot; dropped, an extension made a pause).</source>
        <translation>
            <numerusform>%n numero è stato riscritto per essere composto così come è scritto (un «+» sostituito dal prefisso internazionale, uno «(0)» rimosso, un interno sostituito da una pausa).</numerusform>
            <numerusform>%n numeri sono stati riscritti per essere composti così come sono scritti (un «+» sostituito dal prefisso internazionale, uno «(0)» rimosso, un interno sostituito da una pausa).</numerusform>
        </translation>
    </message>
    <message>
        <source>1 contact had no name and was left out.</source>
        <translation>1 contatto senza nome è stato escluso.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts had no name and were left out.</source>
        <translation>
            <numerusform>%n contatto senza nome è stato escluso.</numerusform>
            <numerusform>%n contatti senza nome sono stati esclusi.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 contact was named after its organisation.</source>
        <translation>1 contatto ha preso il nome della sua organizzazione.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts were named after their organisation.</source>
        <translation>
            <numerusform>%n contatto ha preso il nome della sua organizzazione.</numerusform>
            <numerusform>%n contatti hanno preso il nome della loro organizzazione.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file holds 1 contact; the book has room for %1.</source>
        <translation>Il file contiene 1 contatto; la rubrica ha posto per %1.</translation>
    </message>
    <message>
        <source>The file holds %1 contacts; the book has room for %2.</source>
        <translation>Il file contiene %1 contatti; la rubrica ha posto per %2.</translation>
    </message>
    <message>
        <source>Error: Could not read the import file.  Check that it is formatted correctly.</source>
        <translation>Errore: impossibile leggere il file da importare. Verifichi che il formato sia corretto.</translation>
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
        <translation>impossibile aprire: %1</translation>
    </message>
    <message>
        <source>in %1 out %2</source>
        <extracomment>The lengths of the device&apos;s input and output reports, in bytes.</extracomment>
        <translation>ingresso %1 uscita %2</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>accettato</translation>
    </message>
    <message>
        <source>not accepted: not a supported handset model</source>
        <translation>non accettato: modello di portatile non supportato</translation>
    </message>
</context>
<context>
    <name>DialbookApp</name>
    <message>
        <source>Start with a simulated handset attached.</source>
        <translation>Avvia con un portatile simulato collegato.</translation>
    </message>
    <message>
        <source>DIR</source>
        <extracomment>The value of --screenshots in the help: a folder.</extracomment>
        <translation>CARTELLA</translation>
    </message>
    <message>
        <source>Save a picture of each tab into %1, then quit.</source>
        <translation>Salva un’immagine di ogni scheda in %1, poi esce.</translation>
    </message>
    <message>
        <source>A picture to open on the Pictures page.</source>
        <extracomment>The argument in the help: a picture file, which may be left out.</extracomment>
        <translation>Un’immagine da aprire nella pagina Immagini.</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[FILE]</translation>
    </message>
</context>
<context>
    <name>ExportPage</name>
    <message>
        <source>Export Contacts</source>
        <translation>Esporta contatti</translation>
    </message>
    <message>
        <source>Export selected contact(s)</source>
        <translation>Esporta i contatti selezionati</translation>
    </message>
    <message>
        <source>Export all contacts</source>
        <translation>Esporta tutti i contatti</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Nome file:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Text File (%1)</source>
        <translation>File di testo (%1)</translation>
    </message>
    <message>
        <source>vCard File (%1)</source>
        <translation>File vCard (%1)</translation>
    </message>
    <message>
        <source>No file specified.  Please enter a file name to export the data to.</source>
        <translation>Nessun file specificato. Inserisca il nome del file in cui esportare i dati.</translation>
    </message>
    <message>
        <source>File already exists.  Do you want to overwrite it?</source>
        <translation>Il file esiste già. Sovrascriverlo?</translation>
    </message>
</context>
<context>
    <name>FileFailure</name>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: there is no such file.</source>
        <translation>«%1»: il file non esiste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the folder it would go in does not exist.</source>
        <translation>«%1»: la cartella che dovrebbe contenerlo non esiste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>«%1» è una cartella, non un file.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file is empty.</source>
        <translation>«%1»: il file è vuoto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: this is not a phone-book file.</source>
        <translation>«%1»: non è un file rubrica.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file is damaged: it is cut short.</source>
        <translation>«%1»: il file è danneggiato: è troncato.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file is damaged.</source>
        <translation>«%1»: il file è danneggiato.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: you are not permitted to write this file.</source>
        <translation>«%1»: non ha l’autorizzazione per scrivere questo file.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: you are not permitted to read this file.</source>
        <translation>«%1»: non ha l’autorizzazione per leggere questo file.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: this is not a picture in a format that can be opened (%2).</source>
        <translation>«%1»: non è un’immagine in un formato che si possa aprire (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: pictures in the %2 format cannot be opened, only %3.</source>
        <translation>«%1»: le immagini in formato %2 non si possono aprire, solo %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the picture is damaged; the part that could be read is used.</source>
        <translation>«%1»: l’immagine è danneggiata; viene usata la parte leggibile.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the picture is too large for this computer&apos;s memory.</source>
        <translation>«%1»: l’immagine è troppo grande per la memoria di questo computer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2.</source>
        <translation>Impossibile scrivere «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2.</source>
        <translation>Impossibile leggere «%1»: %2.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>it is larger than the %1 MB a contacts file may be</source>
        <translation>supera i %1 MB consentiti per un file di contatti</translation>
    </message>
    <message>
        <source>a phone-book file holds at most %1 entries</source>
        <translation>un file rubrica contiene al massimo %1 voci</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file has no line of column headings.</source>
        <translation>«%1»: il file non ha una riga di intestazioni di colonna.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file has more columns than an import can take (%2 at most).</source>
        <translation>«%1»: il file ha più colonne di quante un’importazione possa accettare (al massimo %2).</translation>
    </message>
</context>
<context>
    <name>HandsetAccessAdvice</name>
    <message>
        <source>An Orvak handset is plugged in, but this user may not open it.</source>
        <translation>È collegato un portatile Orvak, ma questo utente non può accedervi.</translation>
    </message>
    <message>
        <source>Unplug the handset and plug it in again, so that the udev rule %1 applies to it.</source>
        <translation>Scolleghi il portatile e lo ricolleghi, in modo che gli venga applicata la regola udev %1.</translation>
    </message>
    <message>
        <source>Install the orvak-dialbook package, whose udev rule %1 lets the person at the computer open it, then unplug the handset and plug it in again.</source>
        <translation>Installi il pacchetto orvak-dialbook, la cui regola udev %1 consente a chi usa il computer di accedervi, quindi scolleghi il portatile e lo ricolleghi.</translation>
    </message>
    <message>
        <source>Install the udev rule from the source tree and have udev apply it:
%1</source>
        <translation>Installi la regola udev dall’albero dei sorgenti e la faccia applicare da udev:
%1</translation>
    </message>
</context>
<context>
    <name>HandsetPreview</name>
    <message>
        <source>Handset preview</source>
        <translation>Anteprima del portatile</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Guida di %1</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Informazioni...</translation>
    </message>
</context>
<context>
    <name>HidrawSource</name>
    <message>
        <source>permission denied</source>
        <translation>permesso negato</translation>
    </message>
</context>
<context>
    <name>ImportFieldMap</name>
    <message>
        <source>Orvak Phone Number</source>
        <translation>Numero di telefono Orvak</translation>
    </message>
    <message>
        <source>Orvak Name (First)</source>
        <translation>Nome Orvak (prima parte)</translation>
    </message>
    <message>
        <source>Orvak Contact Name (First Part)</source>
        <translation>Nome contatto Orvak (prima parte)</translation>
    </message>
    <message>
        <source>Orvak Name (Last)</source>
        <translation>Nome Orvak (ultima parte)</translation>
    </message>
    <message>
        <source>Orvak Contact Name (Last Part)</source>
        <translation>Nome contatto Orvak (ultima parte)</translation>
    </message>
</context>
<context>
    <name>ImportFilePage</name>
    <message>
        <source>Import Contacts</source>
        <translation>Importa contatti</translation>
    </message>
    <message>
        <source>Enter the filename of the contacts to import:</source>
        <translation>Inserisca il nome del file dei contatti da importare:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Text and CSV Files (%1)</source>
        <translation>File di testo e CSV (%1)</translation>
    </message>
    <message>
        <source>vCard Files (%1)</source>
        <translation>File vCard (%1)</translation>
    </message>
    <message>
        <source>All Files (%1)</source>
        <translation>Tutti i file (%1)</translation>
    </message>
    <message>
        <source>No file specified.  Please enter the file name of the contacts to import.</source>
        <translation>Nessun file specificato. Inserisca il nome del file dei contatti da importare.</translation>
    </message>
    <message>
        <source>Import contacts &amp;from:</source>
        <translation>Importa contatti &amp;da:</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>un file</translation>
    </message>
    <message>
        <source>an address book on a server (CardDAV)</source>
        <translation>una rubrica su un server (CardDAV)</translation>
    </message>
    <message>
        <source>Import contacts from a file</source>
        <translation>Importa contatti da un file</translation>
    </message>
    <message>
        <source>Import contacts from an address book on a server (CardDAV)</source>
        <translation>Importa contatti da una rubrica su un server (CardDAV)</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Browse for the file</source>
        <translation>Sfoglia per scegliere il file</translation>
    </message>
</context>
<context>
    <name>ImportIntroPage</name>
    <message>
        <source>Import/Export</source>
        <translation>Importa/Esporta</translation>
    </message>
    <message>
        <source>&lt;ol&gt;&lt;li&gt;Export your contacts from your other contact manager (for example your e-mail program or your phone&apos;s account) to a comma-delimited text file (CSV) or a vCard file.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Next&lt;/b&gt; and locate that file.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Next&lt;/b&gt; and check how the file&apos;s fields map to the phone book. Use &lt;b&gt;Change Map&lt;/b&gt; to adjust the mapping.&lt;/li&gt;&lt;/ol&gt;</source>
        <translation>&lt;ol&gt;&lt;li&gt;Esporti i contatti dall’altro programma di gestione dei contatti (ad esempio il programma di posta elettronica o l’account del telefono) in un file di testo delimitato da virgole (CSV) o in un file vCard.&lt;/li&gt;&lt;li&gt;Prema &lt;b&gt;Avanti&lt;/b&gt; e selezioni quel file.&lt;/li&gt;&lt;li&gt;Prema &lt;b&gt;Avanti&lt;/b&gt; e controlli come i campi del file vengono associati alla rubrica. Usi &lt;b&gt;Modifica associazione&lt;/b&gt; per regolare l’associazione.&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <source>Contacts kept on a server that speaks CardDAV (such as a calendar and contacts server of your own or your provider&apos;s) are read straight from it: choose the server on the next page.</source>
        <translation>I contatti conservati su un server che supporta CardDAV (ad esempio un server di calendario e contatti proprio o del suo fornitore) vengono letti direttamente da esso: scelga il server nella pagina successiva.</translation>
    </message>
</context>
<context>
    <name>ImportMappingPage</name>
    <message>
        <source>Reading %1...</source>
        <translation>Lettura di %1...</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>What a leading “+” is dialled as: 00 in most of the world, 011 in North America.</source>
        <translation>Prefisso composto al posto di un «+» iniziale: 00 in quasi tutto il mondo, 011 in Nord America.</translation>
    </message>
    <message>
        <source>&amp;Prefix for “+”:</source>
        <translation>&amp;Prefisso per «+»:</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <source>C&amp;ategory:</source>
        <translation>Ca&amp;tegoria:</translation>
    </message>
    <message>
        <source>&amp;Select the First That Fit</source>
        <translation>&amp;Seleziona i primi che rientrano</translation>
    </message>
    <message>
        <source>Contacts to import</source>
        <translation>Contatti da importare</translation>
    </message>
    <message>
        <source>No column is mapped to the phone number: the contacts are imported without numbers.</source>
        <translation>Nessuna colonna è associata al numero di telefono: i contatti verranno importati senza numero.</translation>
    </message>
    <message>
        <source>Numbers are taken from %1.</source>
        <translation>I numeri vengono presi da %1.</translation>
    </message>
    <message>
        <source>Numbers are taken from %1; where it is empty, from %2.</source>
        <translation>I numeri vengono presi da %1; se è vuoto, da %2.</translation>
    </message>
    <message>
        <source>Numbers are taken from %1; where it is empty, from the first of %2 that has one.</source>
        <translation>I numeri vengono presi da %1; se è vuoto, dal primo tra %2 che ne contiene uno.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>The file holds 1 contact; it fits in the book.</source>
        <translation>Il file contiene 1 contatto; c’è posto nella rubrica.</translation>
    </message>
    <message>
        <source>The file holds %1 contacts; all of them fit in the book.</source>
        <translation>Il file contiene %1 contatti; c’è posto per tutti nella rubrica.</translation>
    </message>
    <message>
        <source>%1 chosen, room for %2.</source>
        <translation>Selezionati: %1; posti liberi: %2.</translation>
    </message>
    <message>
        <source>Only the file&apos;s lines before line %1 were read: the rest is more than an import can use.</source>
        <translation>Sono state lette solo le righe del file precedenti la riga %1: il resto supera quanto un’importazione può gestire.</translation>
    </message>
    <message>
        <source>Uncheck some, or choose a category, to go on.</source>
        <translation>Per continuare, ne deselezioni alcuni o scelga una categoria.</translation>
    </message>
    <message>
        <source>All categories</source>
        <translation>Tutte le categorie</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importa contatti</translation>
    </message>
    <message>
        <source>Import Field Mapping</source>
        <translation>Associazione dei campi da importare</translation>
    </message>
    <message>
        <source>Field mapping</source>
        <translation>Associazione dei campi</translation>
    </message>
    <message>
        <source>Import Text Field</source>
        <translation>Campo di testo importato</translation>
    </message>
    <message>
        <source>Orvak Phonebook Field</source>
        <translation>Campo della rubrica Orvak</translation>
    </message>
    <message>
        <source>Change Map</source>
        <translation>Modifica associazione</translation>
    </message>
    <message>
        <source>No row selected.</source>
        <translation>Nessuna riga selezionata.</translation>
    </message>
    <message>
        <source>The address book holds %1 contacts; the book has room for %2.</source>
        <translation>La rubrica sul server contiene %1 contatti; la rubrica ha posto per %2.</translation>
    </message>
    <message>
        <source>The address book holds 1 contact; it fits in the book.</source>
        <translation>La rubrica sul server contiene 1 contatto; c’è posto nella rubrica.</translation>
    </message>
    <message>
        <source>The address book holds %1 contacts; all of them fit in the book.</source>
        <translation>La rubrica sul server contiene %1 contatti; c’è posto per tutti nella rubrica.</translation>
    </message>
</context>
<context>
    <name>ImportServerPage</name>
    <message>
        <source>Import Contacts</source>
        <translation>Importa contatti</translation>
    </message>
    <message>
        <source>Address Book on a Server</source>
        <translation>Rubrica su un server</translation>
    </message>
    <message>
        <source>Give the address of the server that keeps your contacts (CardDAV), or of one of its address books, with your user name and password there. Find Address Books lists the address books it offers.</source>
        <translation>Indichi l’indirizzo del server che conserva i suoi contatti (CardDAV), o di una delle sue rubriche, con il nome utente e la password che usa su quel server. «Cerca rubriche» elenca le rubriche che il server offre.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Indirizzo del server</translation>
    </message>
    <message>
        <source>Server &amp;address:</source>
        <translation>In&amp;dirizzo del server:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Nome utente:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Left empty, the password kept in the keyring for this address and user is used.</source>
        <translation>Se il campo resta vuoto, viene usata la password conservata nel portachiavi per questo indirizzo e questo utente.</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>&amp;Remember in the keyring</source>
        <translation>&amp;Ricorda nel portachiavi</translation>
    </message>
    <message>
        <source>Remember the password in the keyring</source>
        <translation>Ricorda la password nel portachiavi</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>&amp;Cerca rubriche</translation>
    </message>
    <message>
        <source>Find address books</source>
        <translation>Cerca rubriche</translation>
    </message>
    <message>
        <source>Address b&amp;ooks found:</source>
        <translation>Rubriche &amp;trovate:</translation>
    </message>
    <message>
        <source>Address books found</source>
        <translation>Rubriche trovate</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Rubrica</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>Enter the address of the server, such as %1.</source>
        <translation>Inserisca l’indirizzo del server, ad esempio %1.</translation>
    </message>
    <message>
        <source>The password could not be read from the keyring: %1</source>
        <translation>Impossibile leggere la password dal portachiavi: %1</translation>
    </message>
    <message>
        <source>Looking for address books at %1...</source>
        <translation>Ricerca delle rubriche su %1...</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Impossibile conservare la password nel portachiavi: %1</translation>
    </message>
    <message>
        <source>Choose one of the address books found.</source>
        <translation>Scelga una delle rubriche trovate.</translation>
    </message>
    <message>
        <source>Reading the address book %1...</source>
        <translation>Lettura della rubrica %1...</translation>
    </message>
    <message>
        <source>The address book “%1” holds no contacts.</source>
        <translation>La rubrica «%1» non contiene contatti.</translation>
    </message>
</context>
<context>
    <name>Keyring</name>
    <message>
        <source>The keyring did not answer in time.</source>
        <translation>Il portachiavi non ha risposto in tempo.</translation>
    </message>
    <message>
        <source>No keyring is running, so passwords are neither looked up in it nor kept in it.</source>
        <translation>Nessun portachiavi è in esecuzione, quindi le password non vengono né cercate né conservate in un portachiavi.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>&amp;Welcome</source>
        <translation>&amp;Benvenuto</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>&amp;Immagini</translation>
    </message>
    <message>
        <source>Phone &amp;Book</source>
        <translation>&amp;Rubrica</translation>
    </message>
</context>
<context>
    <name>MultistatusReader</name>
    <message>
        <source>the answer ends before its multistatus does</source>
        <translation>la risposta termina prima della fine del suo multistatus</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (riga %2)</translation>
    </message>
    <message>
        <source>the answer is no multistatus but &lt;%1&gt;</source>
        <translation>la risposta non è un multistatus ma &lt;%1&gt;</translation>
    </message>
    <message>
        <source>a value longer than %1 MB</source>
        <translation>un valore più lungo di %1 MB</translation>
    </message>
</context>
<context>
    <name>PasswordFile</name>
    <message>
        <source>&quot;%1&quot; could not be read: %2.</source>
        <translation>Impossibile leggere «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 bytes; a password file holds the password on its first line.</source>
        <translation>«%1» supera i %2 byte; un file di password contiene la password nella prima riga.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file. Give the password in a file of your own that only you may read (chmod 600).</source>
        <translation>«%1» non è un file normale. Indichi la password in un file di sua proprietà, leggibile solo dal proprietario (chmod 600).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to another user. Keep the password in a file of your own and make it yours alone with: chmod 600 FILE</source>
        <translation>«%1» appartiene a un altro utente. Conservi la password in un file di sua proprietà e lo renda privato con: chmod 600 FILE</translation>
    </message>
    <message>
        <source>&quot;%1&quot; may be read or changed by others than you, so its password is not used. Make it yours alone with: %2</source>
        <translation>«%1» può essere letto o modificato da altri utenti, quindi la sua password non viene usata. Lo renda privato con: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty; its first line should be the password.</source>
        <translation>«%1» è vuoto; la prima riga dovrebbe contenere la password.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no password on its first line.</source>
        <translation>«%1» non contiene una password nella prima riga.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the first line is not UTF-8 text.</source>
        <translation>«%1»: la prima riga non è testo UTF-8.</translation>
    </message>
</context>
<context>
    <name>PasswordSources</name>
    <message>
        <source>The password could not be looked up in the keyring: %1</source>
        <translation>Impossibile cercare la password nel portachiavi: %1</translation>
    </message>
    <message>
        <source>There is no terminal to ask for the password on. Give it with --password-file FILE, a file that only you may read (chmod 600 FILE).</source>
        <translation>Non c’è un terminale su cui chiedere la password. La indichi con --password-file FILE, un file leggibile solo dal proprietario (chmod 600 FILE).</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <extracomment>%1 is the user name, %2 the server as scheme://host.</extracomment>
        <translation>Password di %1 su %2: </translation>
    </message>
    <message>
        <source>No password was typed. To give it without typing, use --password-file FILE, a file that only you may read (chmod 600 FILE).</source>
        <translation>Non è stata digitata alcuna password. Per indicarla senza digitarla, usi --password-file FILE, un file leggibile solo dal proprietario (chmod 600 FILE).</translation>
    </message>
    <message>
        <source>The password was not kept: no keyring is running. It is asked for again next time.</source>
        <translation>La password non è stata conservata: nessun portachiavi è in esecuzione. Verrà richiesta di nuovo la prossima volta.</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Impossibile conservare la password nel portachiavi: %1</translation>
    </message>
</context>
<context>
    <name>PhonebookBackups</name>
    <message>
        <source>The send did not finish: the handset now holds %1 of the %2 entries.</source>
        <translation>L’invio non è stato completato: ora il portatile contiene %1 delle %2 voci.</translation>
    </message>
    <message>
        <source>The send did not finish, and the handset did not say what it holds now: its phone book may have been emptied (%1 of the %2 entries had been sent).</source>
        <translation>L’invio non è stato completato e il portatile non ha indicato cosa contiene ora: la sua rubrica potrebbe essere stata svuotata (erano state inviate %1 delle %2 voci).</translation>
    </message>
</context>
<context>
    <name>PhonebookCommands</name>
    <message>
        <source>Not asked, since the input is not a terminal: taken as No. Add --yes to answer Yes.</source>
        <translation>Domanda non posta perché l’input non è un terminale: risposta No. Aggiunga --yes per rispondere Sì.</translation>
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
        <translation>Nome: %1</translation>
    </message>
    <message>
        <source>Identity: %1</source>
        <translation>Identità: %1</translation>
    </message>
    <message>
        <source>Received 1 entry into %1</source>
        <translation>Ricevuta 1 voce in %1</translation>
    </message>
    <message numerus="yes">
        <source>Received %n entries into %1</source>
        <translation>
            <numerusform>Ricevuta %n voce in %1</numerusform>
            <numerusform>Ricevute %n voci in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was sent: the handset&apos;s phone book is as it was.</source>
        <translation>Non è stato inviato nulla: la rubrica del portatile è rimasta invariata.</translation>
    </message>
    <message>
        <source>The handset&apos;s phone book could not be kept before the send, so nothing was sent.</source>
        <translation>Non è stato possibile salvare la rubrica del portatile prima dell’invio, quindi non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>Kept the handset&apos;s previous phone book in %1</source>
        <translation>Rubrica precedente del portatile salvata in %1</translation>
    </message>
    <message>
        <source>To send its previous phone book back: %1</source>
        <translation>Per rimandare la rubrica precedente: %1</translation>
    </message>
    <message>
        <source>Sent 1 entry</source>
        <translation>Inviata 1 voce</translation>
    </message>
    <message numerus="yes">
        <source>Sent %n entries</source>
        <translation>
            <numerusform>Inviata %n voce</numerusform>
            <numerusform>Inviate %n voci</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries without a name or a number stay in the computer&apos;s book and are not sent.</source>
        <translation>
            <numerusform>%n voce senza nome o senza numero resta nella rubrica del computer e non viene inviata.</numerusform>
            <numerusform>%n voci senza nome o senza numero restano nella rubrica del computer e non vengono inviate.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merged phone book was not kept as the base of the next sync.</source>
        <translation>La rubrica unificata non è stata salvata come base della prossima sincronizzazione.</translation>
    </message>
    <message>
        <source>The handset and %1 are already in step: nothing sent, nothing written.</source>
        <extracomment>%1: the phone-book file synced with the handset.</extracomment>
        <translation>Il portatile e %1 sono già allineati: non è stato inviato né scritto nulla.</translation>
    </message>
    <message>
        <source>Nothing sent, nothing written (--dry-run).</source>
        <translation>Non è stato inviato né scritto nulla (--dry-run).</translation>
    </message>
    <message>
        <source>Send the merged phone book to the handset and save it in %1?</source>
        <extracomment>%1: the phone-book file synced with the handset.</extracomment>
        <translation>Inviare la rubrica unificata al portatile e salvarla in %1?</translation>
    </message>
    <message>
        <source>Send the merged phone book to the handset? %1 holds it already.</source>
        <extracomment>%1: the phone-book file synced with the handset, which holds the merged book already.</extracomment>
        <translation>Inviare la rubrica unificata al portatile? %1 la contiene già.</translation>
    </message>
    <message>
        <source>Save the merged phone book in %1? The handset holds it already.</source>
        <extracomment>%1: the phone-book file synced with the handset, which already holds the merged book.</extracomment>
        <translation>Salvare la rubrica unificata in %1? Il portatile la contiene già.</translation>
    </message>
    <message>
        <source>The handset holds the merged phone book; a sync again saves it in %1.</source>
        <extracomment>%1: the phone-book file that could not be saved after the send.</extracomment>
        <translation>Il portatile contiene la rubrica unificata; una nuova sincronizzazione la salverà in %1.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>%1: the phone-book file the merged book was saved in.</extracomment>
        <translation>File salvato: %1</translation>
    </message>
    <message>
        <source>No earlier sync of this handset with %1 is known: the entries of both are kept, and nothing is deleted.</source>
        <extracomment>%1: the phone-book file synced with the handset.</extracomment>
        <translation>Non è nota alcuna sincronizzazione precedente di questo portatile con %1: le voci di entrambi vengono mantenute e non viene eliminato nulla.</translation>
    </message>
    <message>
        <source>%1 is as it was.</source>
        <extracomment>%1: the phone-book file synced with the handset, left as it was after a failed send.</extracomment>
        <translation>%1 è rimasto com’era.</translation>
    </message>
    <message>
        <source>The next sync with this handset keeps the entries of both sides and deletes none.</source>
        <translation>La prossima sincronizzazione con questo portatile manterrà le voci di entrambi i lati e non ne eliminerà nessuna.</translation>
    </message>
</context>
<context>
    <name>PhonebookPage</name>
    <message>
        <source>Name Edit</source>
        <translation>Modifica nome</translation>
    </message>
    <message>
        <source>Number Edit</source>
        <translation>Modifica numero</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>%1 is the step undone, &quot;New Entry&quot; say.</extracomment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>%1 is the step redone, &quot;New Entry&quot; say.</extracomment>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristino</translation>
    </message>
    <message>
        <source>New Entry</source>
        <translation>Nuova voce</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminazione</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordinamento</translation>
    </message>
    <message>
        <source>New Phonebook</source>
        <translation>Nuova rubrica</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importazione</translation>
    </message>
    <message>
        <source>Get Phonebook</source>
        <translation>Ricezione rubrica</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apertura</translation>
    </message>
    <message>
        <source>Send the phone book it had before (kept in %1) back to it?</source>
        <translation>Rimandare al portatile la rubrica che conteneva prima (salvata in %1)?</translation>
    </message>
    <message>
        <source>Open phone book</source>
        <translation>Apri rubrica</translation>
    </message>
    <message>
        <source>Save phone book</source>
        <translation>Salva rubrica</translation>
    </message>
    <message>
        <source>New phone book</source>
        <translation>Nuova rubrica</translation>
    </message>
    <message>
        <source>Get the phone book from the handset</source>
        <translation>Ricevi la rubrica dal portatile</translation>
    </message>
    <message>
        <source>Send the phone book to the handset</source>
        <translation>Invia la rubrica al portatile</translation>
    </message>
    <message>
        <source>Import or export contacts</source>
        <translation>Importa o esporta contatti</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Nuova voce</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <source>Delete selected entries</source>
        <translation>Elimina le voci selezionate</translation>
    </message>
    <message>
        <source>Orvak web site</source>
        <translation>Sito web di Orvak</translation>
    </message>
    <message>
        <source>Save changes to current phonebook loaded?</source>
        <translation>Salvare le modifiche alla rubrica caricata?</translation>
    </message>
    <message>
        <source>The handset&apos;s phone book could not be kept before the send, so nothing was sent.</source>
        <translation>Non è stato possibile salvare la rubrica del portatile prima dell’invio, quindi non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>The program did not close normally last time, and a phone book had changes that were not saved. Restore that phone book?</source>
        <translation>L’ultima volta il programma non è stato chiuso correttamente e una rubrica conteneva modifiche non salvate. Ripristinare quella rubrica?</translation>
    </message>
    <message>
        <source>Phone book entries</source>
        <translation>Voci della rubrica</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annulla %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ripeti %1</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n contacts to %1.</source>
        <translation>
            <numerusform>Esportato %n contatto in %1.</numerusform>
            <numerusform>Esportati %n contatti in %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Salvato in %1.</translation>
    </message>
    <message numerus="yes">
        <source>Phone book sent: %n entries.</source>
        <translation>
            <numerusform>Rubrica inviata: %n voce.</numerusform>
            <numerusform>Rubrica inviata: %n voci.</numerusform>
        </translation>
    </message>
    <message>
        <source>dialbook pull FILE.opbk</source>
        <translation>dialbook pull FILE.opbk</translation>
    </message>
    <message>
        <source>The phone book of this handset model (0x%1) is not supported in this window; use the dialbook command: %2</source>
        <translation>La rubrica di questo modello di portatile (0x%1) non è supportata in questa finestra; usi il comando dialbook: %2</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronizzazione</translation>
    </message>
    <message>
        <source>Sync the phone book with the handset</source>
        <translation>Sincronizza la rubrica con il portatile</translation>
    </message>
    <message>
        <source>Select &amp;Duplicates</source>
        <translation>Seleziona &amp;duplicati</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate entries selected.</source>
        <translation>
            <numerusform>%n voce duplicata selezionata.</numerusform>
            <numerusform>%n voci duplicate selezionate.</numerusform>
        </translation>
    </message>
    <message>
        <source>No duplicate entries found.</source>
        <translation>Nessuna voce duplicata trovata.</translation>
    </message>
    <message>
        <source>The handset and this phone book are already in step: nothing was changed.</source>
        <translation>Il portatile e questa rubrica sono già allineati: non è stato modificato nulla.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries without a name or a number stay in this phone book and are not sent.</source>
        <translation>
            <numerusform>%n voce senza nome o numero resta in questa rubrica e non viene inviata.</numerusform>
            <numerusform>%n voci senza nome o numero restano in questa rubrica e non vengono inviate.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Phone book synced: the handset holds %n entries.</source>
        <translation>
            <numerusform>Rubrica sincronizzata: il portatile contiene %n voce.</numerusform>
            <numerusform>Rubrica sincronizzata: il portatile contiene %n voci.</numerusform>
        </translation>
    </message>
    <message>
        <source>The handset holds the synced phone book and the list shows it, but its file was not saved: save it to keep it.</source>
        <translation>Il portatile contiene la rubrica sincronizzata e l’elenco la mostra, ma il suo file non è stato salvato: la salvi per conservarla.</translation>
    </message>
</context>
<context>
    <name>PhonebookSend</name>
    <message>
        <source>The phone book to send has no entries with both a name and a number.</source>
        <translation>La rubrica da inviare non ha voci con sia un nome sia un numero.</translation>
    </message>
    <message>
        <source>This deletes all entries on the handset.</source>
        <translation>Verranno eliminate tutte le voci del portatile.</translation>
    </message>
    <message numerus="yes">
        <source>This deletes all %n entries on the handset.</source>
        <translation>
            <numerusform>Verrà eliminata %n voce del portatile.</numerusform>
            <numerusform>Verranno eliminate tutte le %n voci del portatile.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
%2
Send it anyway?</source>
        <translation>%1
%2
Inviarla comunque?</translation>
    </message>
</context>
<context>
    <name>PhonebookSync</name>
    <message numerus="yes">
        <source>The merged phone book would hold %n entries (the handset&apos;s has %L1, the computer&apos;s %L2), but the handset holds at most 100. Nothing was sent or written.</source>
        <extracomment>%n: the entries the merge gives; %L1 and %L2: the entries of the two books merged.</extracomment>
        <translation>
            <numerusform>La rubrica unificata conterrebbe %n voce (quella del portatile ne ha %L1, quella del computer %L2), ma il portatile ne può contenere al massimo 100. Non è stato inviato né scritto nulla.</numerusform>
            <numerusform>La rubrica unificata conterrebbe %n voci (quella del portatile ne ha %L1, quella del computer %L2), ma il portatile ne può contenere al massimo 100. Non è stato inviato né scritto nulla.</numerusform>
        </translation>
    </message>
    <message>
        <source>added</source>
        <extracomment>A kind of change of a sync, the first word of its line.</extracomment>
        <translation>aggiunta</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modificata</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>eliminata</translation>
    </message>
    <message>
        <source>kept-over-delete</source>
        <translation>mantenuta</translation>
    </message>
    <message>
        <source>conflict</source>
        <translation>conflitto</translation>
    </message>
    <message>
        <source>both kept</source>
        <translation>mantenute entrambe</translation>
    </message>
    <message>
        <source>the handset&apos;s taken</source>
        <translation>usata quella del portatile</translation>
    </message>
    <message>
        <source>the computer&apos;s taken</source>
        <translation>usata quella del computer</translation>
    </message>
    <message>
        <source>handset: %1 | computer: %2 (%3)</source>
        <extracomment>A conflict: %1 the handset&apos;s version, %2 the computer&apos;s, %3 which one is taken.</extracomment>
        <translation>portatile: %1 | computer: %2 (%3)</translation>
    </message>
    <message>
        <source>on the handset</source>
        <translation>sul portatile</translation>
    </message>
    <message>
        <source>on the computer</source>
        <translation>sul computer</translation>
    </message>
    <message>
        <source>on both</source>
        <translation>su entrambi</translation>
    </message>
    <message>
        <source>changed on the computer, deleted on the handset</source>
        <translation>modificata sul computer, eliminata sul portatile</translation>
    </message>
    <message>
        <source>changed on the handset, deleted on the computer</source>
        <translation>modificata sul portatile, eliminata sul computer</translation>
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
        <translation>%L1 aggiunte, %L2 modificate, %L3 eliminate, %L4 mantenute nonostante l’eliminazione, %L5 in conflitto; %L6 voci su 100.</translation>
    </message>
</context>
<context>
    <name>PictureCanvas</name>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Drag the red frame, or move it with the arrow keys (Shift: faster); + and - zoom.</source>
        <translation>Trascini la cornice rossa o la sposti con i tasti freccia (Maiusc: più veloce); + e - per lo zoom.</translation>
    </message>
</context>
<context>
    <name>PictureCommands</name>
    <message>
        <source>Wrote the handset picture to %1</source>
        <translation>Immagine per il portatile scritta in %1</translation>
    </message>
    <message>
        <source>Sent the picture to the handset</source>
        <translation>Immagine inviata al portatile</translation>
    </message>
</context>
<context>
    <name>PicturePage</name>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Aumenta zoom</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Riduci zoom</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Brightness and contrast</source>
        <translation>Luminosità e contrasto</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Bilanciamento colore</translation>
    </message>
    <message>
        <source>Send to phone</source>
        <translation>Invia al telefono</translation>
    </message>
    <message>
        <source>Orvak web site</source>
        <translation>Sito web di Orvak</translation>
    </message>
    <message>
        <source>dialbook send-picture PICTURE</source>
        <translation>dialbook send-picture PICTURE</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Salvato in %1.</translation>
    </message>
    <message>
        <source>Picture sent.</source>
        <translation>Immagine inviata.</translation>
    </message>
    <message>
        <source>Pictures for this handset model (0x%1) are not supported in this window; use the dialbook command: %2</source>
        <translation>Le immagini per questo modello di portatile (0x%1) non sono supportate in questa finestra; usi il comando dialbook: %2</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>SimSocketSource</name>
    <message>
        <source>socket path too long</source>
        <translation>percorso del socket troppo lungo</translation>
    </message>
    <message>
        <source>no handset answers (stale socket)</source>
        <translation>nessun portatile risponde (socket obsoleto)</translation>
    </message>
    <message>
        <source>no greeting from the handset</source>
        <translation>nessun saluto dal portatile</translation>
    </message>
    <message>
        <source>not a simulated handset</source>
        <translation>non è un portatile simulato</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Not Permitted</source>
        <translation>Non consentito</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connesso</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Non connesso</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About the Orvak Dialbook...</source>
        <extracomment>String 101</extracomment>
        <translation>&amp;Informazioni su Orvak Dialbook...</translation>
    </message>
    <message>
        <source>Slide to adjust Red color of phone image.</source>
        <extracomment>String 102</extracomment>
        <translation>Trascini per regolare il rosso dell’immagine del telefono.</translation>
    </message>
    <message>
        <source>Error: Could not send data to phone.</source>
        <extracomment>String 103
----------
String 57354</extracomment>
        <translation>Errore: impossibile inviare i dati al telefono.</translation>
    </message>
    <message>
        <source>Open a graphic file on your computer.</source>
        <extracomment>String 105</extracomment>
        <translation>Apre un file grafico presente sul computer.</translation>
    </message>
    <message>
        <source>Save the Phone Graphic file.</source>
        <extracomment>String 106</extracomment>
        <translation>Salva il file grafico del telefono.</translation>
    </message>
    <message>
        <source>Learn more about the<byte value="xd"/>
Orvak Dialbook.</source>
        <extracomment>String 107</extracomment>
        <translation>Ulteriori informazioni su<byte value="xd"/>
Orvak Dialbook.</translation>
    </message>
    <message>
        <source>Zoom in on the picture.</source>
        <extracomment>String 108</extracomment>
        <translation>Ingrandisce l’immagine.</translation>
    </message>
    <message>
        <source>Zoom out on the picture.</source>
        <extracomment>String 109</extracomment>
        <translation>Riduce l’immagine.</translation>
    </message>
    <message>
        <source>Rotate the picture to the Left.</source>
        <extracomment>String 110</extracomment>
        <translation>Ruota l’immagine verso sinistra.</translation>
    </message>
    <message>
        <source>Rotate the picture to the Right.</source>
        <extracomment>String 111</extracomment>
        <translation>Ruota l’immagine verso destra.</translation>
    </message>
    <message>
        <source>Adjust Brightness and Contrast.</source>
        <extracomment>String 112</extracomment>
        <translation>Regola luminosità e contrasto.</translation>
    </message>
    <message>
        <source>Edit Red, Green and Blue Colors.</source>
        <extracomment>String 113</extracomment>
        <translation>Modifica i colori rosso, verde e blu.</translation>
    </message>
    <message>
        <source>Download the selected
<byte value="xd"/>image to the phone.</source>
        <extracomment>String 114</extracomment>
        <translation>Invia l’immagine selezionata
<byte value="xd"/>al telefono.</translation>
    </message>
    <message>
        <source>Slide to adjust Green color of phone image.</source>
        <extracomment>String 115</extracomment>
        <translation>Trascini per regolare il verde dell’immagine del telefono.</translation>
    </message>
    <message>
        <source>Slide to adjust Blue color of phone image.</source>
        <extracomment>String 117</extracomment>
        <translation>Trascini per regolare il blu dell’immagine del telefono.</translation>
    </message>
    <message>
        <source>Could not start the Graphics Interface.  Exiting.</source>
        <extracomment>String 118</extracomment>
        <translation>Impossibile avviare l’interfaccia grafica. Chiusura del programma.</translation>
    </message>
    <message>
        <source>Starting Image Download...</source>
        <extracomment>String 132</extracomment>
        <translation>Avvio dell’invio dell’immagine...</translation>
    </message>
    <message>
        <source>Error: Could not retrieve image to download.</source>
        <extracomment>String 133</extracomment>
        <translation>Errore: impossibile recuperare l’immagine da inviare.</translation>
    </message>
    <message>
        <source>Loading Image file.  Please wait...</source>
        <extracomment>String 135</extracomment>
        <translation>Caricamento del file immagine. Attendere...</translation>
    </message>
    <message>
        <source>Error: Can not write over currently opened image.  Please choose new image name or folder to save image to.</source>
        <extracomment>String 136</extracomment>
        <translation>Errore: impossibile sovrascrivere l’immagine attualmente aperta. Scelga un altro nome o un’altra cartella in cui salvare l’immagine.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Memory storage on handset is full.
Please delete one or more pictures or sound clips on handset.</source>
        <extracomment>String 137</extracomment>
        <translation>Invio impossibile! La memoria del portatile è piena.
Elimini una o più immagini o clip audio dal portatile.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Handset in use.</source>
        <extracomment>String 138</extracomment>
        <translation>Invio impossibile! Portatile in uso.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Incoming call on handset.</source>
        <extracomment>String 139</extracomment>
        <translation>Invio impossibile! Chiamata in arrivo sul portatile.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Low battery detected on handset.</source>
        <extracomment>String 140</extracomment>
        <translation>Invio impossibile! Batteria del portatile scarica.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Sound clip record/playback in progress on handset.</source>
        <extracomment>String 141</extracomment>
        <translation>Invio impossibile! Registrazione o riproduzione di una clip audio in corso sul portatile.</translation>
    </message>
    <message>
        <source>Can&apos;t download!  Handset canceled the image download.</source>
        <extracomment>String 142</extracomment>
        <translation>Invio impossibile! Il portatile ha annullato l’invio dell’immagine.</translation>
    </message>
    <message>
        <source>Press this TAB to open the Graphics Editor</source>
        <extracomment>String 144</extracomment>
        <translation>Faccia clic su questa scheda per aprire l’editor grafico</translation>
    </message>
    <message>
        <source>Error: The file was too large and was rejected by the phone.</source>
        <extracomment>String 155</extracomment>
        <translation>Errore: il file era troppo grande ed è stato rifiutato dal telefono.</translation>
    </message>
    <message>
        <source> No File Loaded</source>
        <extracomment>String 157</extracomment>
        <translation> Nessun file caricato</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)|*.bmp||</source>
        <extracomment>String 159</extracomment>
        <translation>Immagine bitmap (*.bmp)|*.bmp||</translation>
    </message>
    <message>
        <source>Slide to adjust brightness of phone image.</source>
        <extracomment>String 162</extracomment>
        <translation>Trascini per regolare la luminosità dell’immagine del telefono.</translation>
    </message>
    <message>
        <source>Slide to adjust contrast of phone image.</source>
        <extracomment>String 163</extracomment>
        <translation>Trascini per regolare il contrasto dell’immagine del telefono.</translation>
    </message>
    <message>
        <source>Error: Could not read data from phone.</source>
        <extracomment>String 164</extracomment>
        <translation>Errore: impossibile leggere i dati dal telefono.</translation>
    </message>
    <message>
        <source>Canceling Phonebook Transfer...</source>
        <extracomment>String 165</extracomment>
        <translation>Annullamento del trasferimento della rubrica...</translation>
    </message>
    <message>
        <source>Data transfer canceled.</source>
        <extracomment>String 167</extracomment>
        <translation>Trasferimento dati annullato.</translation>
    </message>
    <message>
        <source>Receiving phonebook from handset...</source>
        <extracomment>String 169</extracomment>
        <translation>Ricezione della rubrica dal portatile...</translation>
    </message>
    <message>
        <source>Sending phonebook records to phone...</source>
        <extracomment>String 170</extracomment>
        <translation>Invio delle voci della rubrica al telefono...</translation>
    </message>
    <message>
        <source>Sending phonebook record:</source>
        <extracomment>String 172</extracomment>
        <translation>Invio della voce della rubrica:</translation>
    </message>
    <message>
        <source>Press this tab to access the Phonebook Editor</source>
        <extracomment>String 174</extracomment>
        <translation>Faccia clic su questa scheda per accedere all’editor della rubrica</translation>
    </message>
    <message>
        <source>Press this tab to access the welcome dialog.</source>
        <extracomment>String 175</extracomment>
        <translation>Faccia clic su questa scheda per accedere alla finestra di benvenuto.</translation>
    </message>
    <message>
        <source>Maximum phonebook records reached.  Please delete some records and try again.</source>
        <extracomment>String 182</extracomment>
        <translation>Numero massimo di voci della rubrica raggiunto. Elimini alcune voci e riprovi.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>String 184</extracomment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <extracomment>String 185</extracomment>
        <translation>Numero di telefono</translation>
    </message>
    <message>
        <source>Error: Bitmap does not exist.</source>
        <extracomment>String 188</extracomment>
        <translation>Errore: l’immagine bitmap non esiste.</translation>
    </message>
    <message>
        <source>Phonebook (*.opbk)|*.opbk||</source>
        <extracomment>String 191</extracomment>
        <translation>Rubrica (*.opbk)|*.opbk||</translation>
    </message>
    <message>
        <source>Orvak Phonebook Files (*.opbk)|*.opbk|All Files (*.*)|*.*||</source>
        <extracomment>String 192</extracomment>
        <translation>File rubrica Orvak (*.opbk)|*.opbk|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Error: Could not write to the file.</source>
        <extracomment>String 193</extracomment>
        <translation>Errore: impossibile scrivere nel file.</translation>
    </message>
    <message>
        <source>Error: Could not read file.</source>
        <extracomment>String 194</extracomment>
        <translation>Errore: impossibile leggere il file.</translation>
    </message>
    <message>
        <source>Warning: This will overwrite the phonebook on the handset.  Do you want to proceed?</source>
        <extracomment>String 195</extracomment>
        <translation>Attenzione: questa operazione sovrascriverà la rubrica del portatile. Continuare?</translation>
    </message>
    <message>
        <source>Error: No records to write.</source>
        <extracomment>String 199</extracomment>
        <translation>Errore: nessuna voce da scrivere.</translation>
    </message>
    <message>
        <source>Error: Could not open file.</source>
        <extracomment>String 201</extracomment>
        <translation>Errore: impossibile aprire il file.</translation>
    </message>
    <message>
        <source>Error: Could not write to the file specified.</source>
        <extracomment>String 202</extracomment>
        <translation>Errore: impossibile scrivere nel file specificato.</translation>
    </message>
    <message>
        <source>Error: Map index out of range</source>
        <extracomment>String 214</extracomment>
        <translation>Errore: indice di associazione fuori intervallo</translation>
    </message>
    <message>
        <source>Error: Variable index is out of range</source>
        <extracomment>String 217</extracomment>
        <translation>Errore: indice di variabile fuori intervallo</translation>
    </message>
    <message>
        <source>Error: Index is already assigned.</source>
        <extracomment>String 218</extracomment>
        <translation>Errore: l’indice è già assegnato.</translation>
    </message>
    <message>
        <source>Error: Could not import file.</source>
        <extracomment>String 219</extracomment>
        <translation>Errore: impossibile importare il file.</translation>
    </message>
    <message>
        <source>Error: No columns selected for import.</source>
        <extracomment>String 221</extracomment>
        <translation>Errore: nessuna colonna selezionata per l’importazione.</translation>
    </message>
    <message>
        <source>Receiving handset information.</source>
        <extracomment>String 222</extracomment>
        <translation>Ricezione delle informazioni dal portatile.</translation>
    </message>
    <message>
        <source>Error: Data returned from the handset is in error.</source>
        <extracomment>String 261</extracomment>
        <translation>Errore: i dati restituiti dal portatile sono errati.</translation>
    </message>
    <message>
        <source>Error:  Unable to complete data transfer.</source>
        <extracomment>String 262
----------
String 370</extracomment>
        <translation>Errore: impossibile completare il trasferimento dati.</translation>
    </message>
    <message>
        <source>Error: Could not read handset settings from handset.</source>
        <extracomment>String 263</extracomment>
        <translation>Errore: impossibile leggere le impostazioni dal portatile.</translation>
    </message>
    <message>
        <source>Sending image to phone...</source>
        <extracomment>String 264</extracomment>
        <translation>Invio dell’immagine al telefono...</translation>
    </message>
    <message>
        <source>Click this link to open the Orvak web site.</source>
        <extracomment>String 269</extracomment>
        <translation>Faccia clic su questo collegamento per aprire il sito web di Orvak.</translation>
    </message>
    <message>
        <source>Open a phonebook from disk.</source>
        <extracomment>String 270</extracomment>
        <translation>Apre una rubrica dal disco.</translation>
    </message>
    <message>
        <source>Save the phonebook to disk.</source>
        <extracomment>String 271</extracomment>
        <translation>Salva la rubrica su disco.</translation>
    </message>
    <message>
        <source>Create a new phonebook.</source>
        <extracomment>String 272</extracomment>
        <translation>Crea una nuova rubrica.</translation>
    </message>
    <message>
        <source>Transfer the phonebook from the handset.</source>
        <extracomment>String 273</extracomment>
        <translation>Trasferisce la rubrica dal portatile.</translation>
    </message>
    <message>
        <source>Transfer the phonebook to the handset.</source>
        <extracomment>String 274</extracomment>
        <translation>Trasferisce la rubrica al portatile.</translation>
    </message>
    <message>
        <source>Select all phonebook entries.</source>
        <extracomment>String 275</extracomment>
        <translation>Seleziona tutte le voci della rubrica.</translation>
    </message>
    <message>
        <source>De-select all phonebook entries.</source>
        <extracomment>String 276</extracomment>
        <translation>Deseleziona tutte le voci della rubrica.</translation>
    </message>
    <message>
        <source>Delete selected phonebook entries.</source>
        <extracomment>String 277</extracomment>
        <translation>Elimina le voci selezionate della rubrica.</translation>
    </message>
    <message>
        <source>Create a new phonebook entry.</source>
        <extracomment>String 278</extracomment>
        <translation>Crea una nuova voce della rubrica.</translation>
    </message>
    <message>
        <source>Import/Export all or selected phonebook entries.</source>
        <extracomment>String 279</extracomment>
        <translation>Importa/esporta tutte le voci della rubrica o quelle selezionate.</translation>
    </message>
    <message>
        <source>Preparing to receive phonebook from phone...</source>
        <extracomment>String 321</extracomment>
        <translation>Preparazione alla ricezione della rubrica dal telefono...</translation>
    </message>
    <message>
        <source>Transferring phonebook record:</source>
        <extracomment>String 322</extracomment>
        <translation>Trasferimento della voce della rubrica:</translation>
    </message>
    <message>
        <source>Version 2.0.1</source>
        <extracomment>String 324</extracomment>
        <translation>Versione 2.0.1</translation>
    </message>
    <message>
        <source>Loading file.  Please wait...</source>
        <extracomment>String 371</extracomment>
        <translation>Caricamento del file. Attendere...</translation>
    </message>
    <message>
        <source>Saving file.  Please wait...</source>
        <extracomment>String 372</extracomment>
        <translation>Salvataggio del file. Attendere...</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <extracomment>String 373</extracomment>
        <translation>Non connesso</translation>
    </message>
    <message>
        <source>Warning: some of the phonebook records contain empty names and/or phone numbers.  These records will not be transferred to the handset.  Do you want to continue with the phonebook transfer?</source>
        <extracomment>String 374</extracomment>
        <translation>Attenzione: alcune voci della rubrica non hanno nome e/o numero di telefono. Queste voci non verranno trasferite al portatile. Continuare il trasferimento della rubrica?</translation>
    </message>
    <message>
        <source>Error: No memory left.</source>
        <extracomment>String 57345</extracomment>
        <translation>Errore: memoria esaurita.</translation>
    </message>
    <message>
        <source>Canceling Image Download...</source>
        <extracomment>String 57346</extracomment>
        <translation>Annullamento dell’invio dell’immagine...</translation>
    </message>
    <message>
        <source>Requesting to send image to phone...</source>
        <extracomment>String 57348</extracomment>
        <translation>Richiesta di invio dell’immagine al telefono...</translation>
    </message>
    <message>
        <source>Error: Phone not found.</source>
        <extracomment>String 57350</extracomment>
        <translation>Errore: telefono non trovato.</translation>
    </message>
    <message>
        <source>Error: Phone reported image report size too large.</source>
        <extracomment>String 57351</extracomment>
        <translation>Errore: il telefono ha segnalato una dimensione del report immagine troppo grande.</translation>
    </message>
    <message>
        <source>Error: CreateEvent failed.</source>
        <extracomment>String 57352</extracomment>
        <translation>Errore: CreateEvent non riuscito.</translation>
    </message>
    <message>
        <source>The handset plugged in now is not the one this phone book was kept from, so it was not sent to it.</source>
        <extracomment>String 57400</extracomment>
        <translation>Il portatile collegato ora non è quello da cui proviene questa rubrica, che quindi non gli è stata inviata.</translation>
    </message>
    <message>
        <source>All Graphic Files (*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz)|*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz|Bitmaps (*.bmp)|*.bmp|WebP Pictures (*.webp)|*.webp|SVG Drawings (*.svg;*.svgz)|*.svg;*.svgz|All Files (*.*)|*.*||</source>
        <extracomment>String 116</extracomment>
        <translation>Tutti i file grafici (*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz)|*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz|Immagini bitmap (*.bmp)|*.bmp|Immagini WebP (*.webp)|*.webp|Disegni SVG (*.svg;*.svgz)|*.svg;*.svgz|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Error: Image file could not be loaded.</source>
        <extracomment>String 156</extracomment>
        <translation>Errore: impossibile caricare il file immagine.</translation>
    </message>
    <message>
        <source>Error: Image failed to save.</source>
        <extracomment>String 160</extracomment>
        <translation>Errore: impossibile salvare l’immagine.</translation>
    </message>
    <message>
        <source>Put the handset&apos;s phone book and this one together, showing the changes first.</source>
        <extracomment>String 57401</extracomment>
        <translation>Unisce la rubrica del portatile e questa, mostrando prima le modifiche.</translation>
    </message>
    <message>
        <source>The handset&apos;s phone book changed after it was received, so nothing was sent to it. Sync again.</source>
        <extracomment>String 57402</extracomment>
        <translation>La rubrica del portatile è cambiata dopo essere stata ricevuta, quindi non gli è stato inviato nulla. Sincronizzi di nuovo.</translation>
    </message>
</context>
<context>
    <name>SyncPreviewDialog</name>
    <message>
        <source>Sync with the Handset</source>
        <translation>Sincronizza con il portatile</translation>
    </message>
    <message>
        <source>This is the first sync with this handset: its phone book and the computer&apos;s are merged.</source>
        <translation>Questa è la prima sincronizzazione con questo portatile: la sua rubrica e quella del computer vengono unite.</translation>
    </message>
    <message>
        <source>What changed on the handset and on the computer since the last sync:</source>
        <translation>Modifiche sul portatile e sul computer dall’ultima sincronizzazione:</translation>
    </message>
    <message>
        <source>Changes to sync</source>
        <translation>Modifiche da sincronizzare</translation>
    </message>
    <message>
        <source>No entry was added, changed or deleted on either side.</source>
        <translation>Nessuna voce è stata aggiunta, modificata o eliminata su nessuno dei due lati.</translation>
    </message>
    <message>
        <source>Space includes or leaves out the selected change. On a conflict, Left and Right choose the version to take, and F2 opens the list of versions.</source>
        <translation>La barra spaziatrice include o esclude la modifica selezionata. In caso di conflitto, i tasti freccia Sinistra e Destra scelgono la versione da usare e F2 apre l’elenco delle versioni.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronizza</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The handset would have to hold %L1 entries, but it holds at most 100. Leave out additions, or take one version of a conflict, to sync.</source>
        <extracomment>%1: the entries the merged phone book would hold, more than the handset&apos;s 100.</extracomment>
        <translation>Il portatile dovrebbe contenere %L1 voci, ma ne può contenere al massimo 100. Per sincronizzare, escluda alcune aggiunte o usi una sola versione di un conflitto.</translation>
    </message>
    <message>
        <source>The handset will hold %L1 of 100 entries.</source>
        <extracomment>%1: the entries the handset will hold after the sync.</extracomment>
        <translation>Il portatile conterrà %L1 voci su 100.</translation>
    </message>
</context>
<context>
    <name>SyncPreviewModel</name>
    <message>
        <source>Handset</source>
        <translation>Portatile</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Entrambe</translation>
    </message>
    <message>
        <source>%1 (left out)</source>
        <extracomment>A change of a sync that the person left out: %1 its kind (&quot;added&quot;).</extracomment>
        <translation>%1 (esclusa)</translation>
    </message>
    <message>
        <source>%1 (duplicate)</source>
        <extracomment>A change whose entry the merged phone book would hold twice.</extracomment>
        <translation>%1 (duplicata)</translation>
    </message>
    <message>
        <source>Included</source>
        <translation>Inclusa</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Esclusa</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Includi</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Voce</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Da usare</translation>
    </message>
    <message>
        <source>The merged phone book also holds %1, with the same number.</source>
        <extracomment>%1: another entry of the merged phone book (&quot;Ana Lima 555 0101&quot;).</extracomment>
        <translation>La rubrica unificata contiene anche %1, con lo stesso numero.</translation>
    </message>
    <message>
        <source>The merged phone book also holds %1, under the same name.</source>
        <extracomment>%1: another entry of the merged phone book (&quot;Ana Lima 555 0101&quot;).</extracomment>
        <translation>La rubrica unificata contiene anche %1, con lo stesso nome.</translation>
    </message>
</context>
<context>
    <name>SyncSideDelegate</name>
    <message>
        <source>Version to take</source>
        <translation>Versione da usare</translation>
    </message>
</context>
<context>
    <name>TabPage</name>
    <message>
        <source>An Orvak handset is plugged in, but you may not open it yet.</source>
        <translation>È collegato un portatile Orvak, ma non ha ancora l’autorizzazione per accedervi.</translation>
    </message>
    <message>
        <source>Unplug it and plug it in again, so that the udev rule %1 applies to it.</source>
        <translation>Lo scolleghi e lo ricolleghi, in modo che gli venga applicata la regola udev %1.</translation>
    </message>
    <message>
        <source>Install the orvak-dialbook package, whose udev rule %1 lets you open it, then unplug the handset and plug it in again.</source>
        <translation>Installi il pacchetto orvak-dialbook, la cui regola udev %1 consente di accedervi, quindi scolleghi il portatile e lo ricolleghi.</translation>
    </message>
    <message>
        <source>To let you open it, install the udev rule from the source tree in a terminal:
%1</source>
        <translation>Per potervi accedere, installi la regola udev dall’albero dei sorgenti in un terminale:
%1</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Orvak web site</source>
        <translation>Sito web di Orvak</translation>
    </message>
</context>
</TS>
