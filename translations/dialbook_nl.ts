<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About the Orvak Dialbook</source>
        <translation>Over Orvak Dialbook</translation>
    </message>
    <message>
        <source>Phone book and picture manager for Orvak handsets.</source>
        <translation>Beheer van telefoonboek en afbeeldingen voor Orvak-handsets.</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Your handset, on your computer</source>
        <translation>Uw handset op uw computer</translation>
    </message>
    <message>
        <source>Phone Book</source>
        <translation>Telefoonboek</translation>
    </message>
    <message>
        <source>Handset</source>
        <translation>Handset</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Afbeeldingen</translation>
    </message>
    <message>
        <source>On the handset</source>
        <translation>Op de handset</translation>
    </message>
    <message>
        <source>Visit the Orvak web site</source>
        <translation>Naar de website van Orvak</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Welkom</translation>
    </message>
    <message>
        <source>Keep your handset&apos;s phone book and pictures on your computer. Receive the phone book, edit it, save it, and send it back; frame a picture and download it to the handset.</source>
        <translation>Bewaar het telefoonboek en de afbeeldingen van uw handset op uw computer. Ontvang het telefoonboek, bewerk het, sla het op en verzend het terug; kader een afbeelding in en zet die over naar de handset.</translation>
    </message>
    <message>
        <source>Connect the handset with its USB cable. The status bar below shows its name once it is found. Press Help for how to set up a handset on Linux.</source>
        <translation>Sluit de handset aan met de USB-kabel. De statusbalk hieronder toont de naam zodra de handset is gevonden. Klik op Help om te lezen hoe u een handset onder Linux instelt.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>New Phonebook</source>
        <translation>Nieuw telefoonboek</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Ophalen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Zenden</translation>
    </message>
    <message>
        <source>I/E</source>
        <translation>I/E</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Selectie opheffen</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Selectie verwijderen</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sync</translation>
    </message>
</context>
<context>
    <name>BrightnessContrastDialog</name>
    <message>
        <source>Brightness/Contrast</source>
        <translation>Helderheid/contrast</translation>
    </message>
    <message>
        <source>&amp;Brightness</source>
        <translation>&amp;Helderheid</translation>
    </message>
    <message>
        <source>&amp;Contrast</source>
        <translation>&amp;Contrast</translation>
    </message>
</context>
<context>
    <name>CardDavClient</name>
    <message numerus="yes">
        <source>%n cards came without their data</source>
        <translation>
            <numerusform>%n kaart kwam zonder gegevens</numerusform>
            <numerusform>%n kaarten kwamen zonder gegevens</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CardDavFailure</name>
    <message>
        <source>The address %1 holds a password. Give the address without it, and the user name and the password apart.</source>
        <translation>Het adres %1 bevat een wachtwoord. Geef het adres op zonder wachtwoord, en de gebruikersnaam en het wachtwoord apart.</translation>
    </message>
    <message>
        <source>%1 is not the address of a server: it must begin with https:// or http://.</source>
        <translation>%1 is geen adres van een server: het moet beginnen met https:// of http://.</translation>
    </message>
    <message>
        <source>The certificate %1 could not be read: it is no PEM or DER certificate.</source>
        <translation>Het certificaat %1 kan niet worden gelezen: het is geen PEM- of DER-certificaat.</translation>
    </message>
    <message>
        <source>Could not reach %1: %2.</source>
        <translation>%1 kan niet worden bereikt: %2.</translation>
    </message>
    <message>
        <source>Could not connect to %1 within %2 seconds.</source>
        <translation>Kan binnen %2 seconden geen verbinding maken met %1.</translation>
    </message>
    <message>
        <source>The server at %1 did not answer within %2 seconds.</source>
        <translation>De server op %1 heeft niet binnen %2 seconden geantwoord.</translation>
    </message>
    <message>
        <source>The server at %1 sent the connection on to %2, which is not encrypted; it was not followed.</source>
        <translation>De server op %1 heeft de verbinding doorgestuurd naar het onversleutelde adres %2; die doorverwijzing is niet gevolgd.</translation>
    </message>
    <message>
        <source>The certificate of %1 was refused: %2.</source>
        <translation>Het certificaat van %1 is geweigerd: %2.</translation>
    </message>
    <message>
        <source>The server at %1 refused the user name or the password.</source>
        <translation>De server op %1 heeft de gebruikersnaam of het wachtwoord geweigerd.</translation>
    </message>
    <message>
        <source>There is nothing at %1 (the server answered 404 Not Found).</source>
        <translation>Op %1 is niets te vinden (de server antwoordde 404 Not Found).</translation>
    </message>
    <message>
        <source>The server at %1 answered %2 %3.</source>
        <translation>De server op %1 antwoordde %2 %3.</translation>
    </message>
    <message>
        <source>The answer of %1 is larger than %2 MB; nothing was read.</source>
        <translation>Het antwoord van %1 is groter dan %2 MB; er is niets gelezen.</translation>
    </message>
    <message>
        <source>The answer of %1 could not be read: %2.</source>
        <translation>Het antwoord van %1 kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2 address books; give the address of one of them.</source>
        <translation>%1 leidt naar %2 adresboeken; geef het adres van een ervan op.</translation>
    </message>
    <message>
        <source>Reading from %1 was cancelled.</source>
        <translation>Het lezen van %1 is geannuleerd.</translation>
    </message>
    <message>
        <source>The server at %1 sent the connection on to %2, another server, which asked for the password; it was not given.</source>
        <translation>De server op %1 stuurde de verbinding door naar %2, een andere server, die om het wachtwoord vroeg; het is niet gegeven.</translation>
    </message>
    <message>
        <source>%1 shows no address book: it is no CardDAV server, or it keeps none for this user.</source>
        <translation>%1 toont geen adresboek: het is geen CardDAV-server, of het heeft er geen voor deze gebruiker.</translation>
    </message>
</context>
<context>
    <name>ChangeMapDialog</name>
    <message>
        <source>“%1” is mapped from “%2”. Set that row to none first to map it here.</source>
        <translation>“%1” wordt al overgenomen uit “%2”. Hef daar eerst de koppeling op om het hier te koppelen.</translation>
    </message>
    <message>
        <source>Change Mapping</source>
        <translation>Koppeling wijzigen</translation>
    </message>
    <message>
        <source>Text Field: %1</source>
        <translation>Tekstveld: %1</translation>
    </message>
</context>
<context>
    <name>ChooseOperationPage</name>
    <message>
        <source>Import/Export</source>
        <translation>Importeren/exporteren</translation>
    </message>
    <message>
        <source>Select the operation to perform:</source>
        <translation>Selecteer de gewenste bewerking:</translation>
    </message>
    <message>
        <source>Import contacts from a comma delimited text file.</source>
        <translation>Contacten importeren uit een kommagescheiden tekstbestand.</translation>
    </message>
    <message>
        <source>Export contacts to a comma delimited text file.</source>
        <translation>Contacten exporteren naar een kommagescheiden tekstbestand.</translation>
    </message>
</context>
<context>
    <name>ColorBalanceDialog</name>
    <message>
        <source>Edit Color Settings</source>
        <translation>Kleurinstellingen bewerken</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rood</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Groen</translation>
    </message>
    <message>
        <source>B&amp;lue</source>
        <translation>B&amp;lauw</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;dialbook --help&apos;.</source>
        <translation>Zie &apos;dialbook --help&apos;.</translation>
    </message>
    <message>
        <source>devices takes no arguments</source>
        <translation>devices accepteert geen argumenten</translation>
    </message>
    <message>
        <source>info takes no arguments</source>
        <translation>info accepteert geen argumenten</translation>
    </message>
    <message>
        <source>pull takes one file</source>
        <translation>pull verwacht één bestand</translation>
    </message>
    <message>
        <source>push takes one file</source>
        <translation>push verwacht één bestand</translation>
    </message>
    <message>
        <source>show takes one file</source>
        <translation>show verwacht één bestand</translation>
    </message>
    <message>
        <source>picture takes a picture file and a PNG or BMP file</source>
        <translation>picture verwacht een afbeeldingsbestand en een PNG- of BMP-bestand</translation>
    </message>
    <message>
        <source>send-picture takes one file</source>
        <translation>send-picture verwacht één bestand</translation>
    </message>
    <message>
        <source>backups takes no arguments</source>
        <translation>backups accepteert geen argumenten</translation>
    </message>
    <message>
        <source>import takes a contacts file and a phone-book file</source>
        <translation>import verwacht een contactenbestand en een telefoonboekbestand</translation>
    </message>
    <message>
        <source>export takes a phone-book file and a contacts file</source>
        <translation>export verwacht een telefoonboekbestand en een contactenbestand</translation>
    </message>
    <message>
        <source>--international-prefix takes digits, such as 00 or 011</source>
        <translation>--international-prefix verwacht cijfers, zoals 00 of 011</translation>
    </message>
    <message>
        <source>--first takes a number of contacts, 1 or more</source>
        <translation>--first verwacht een aantal contacten, 1 of meer</translation>
    </message>
    <message>
        <source>--rotate takes left or right</source>
        <translation>--rotate verwacht left of right</translation>
    </message>
    <message>
        <source>--%1 takes a number of steps</source>
        <translation>--%1 verwacht een aantal stappen</translation>
    </message>
    <message>
        <source>--frame takes X,Y</source>
        <translation>--frame verwacht X,Y</translation>
    </message>
    <message>
        <source>--%1 takes a number from -100 to 100</source>
        <translation>--%1 verwacht een getal van -100 tot 100</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>geen opdracht opgegeven</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>onbekende opdracht %1</translation>
    </message>
    <message>
        <source>picture writes a .png or a .bmp file</source>
        <translation>picture schrijft een .png- of .bmp-bestand</translation>
    </message>
    <message>
        <source>sync takes one file</source>
        <translation>sync verwacht één bestand</translation>
    </message>
    <message>
        <source>--prefer takes computer or handset</source>
        <translation>--prefer verwacht computer of handset</translation>
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
        <translation>Gebruik: dialbook [--simulate] COMMAND [ARGS]

Communiceert met de eerste via USB gevonden Orvak-handset, of met een gesimuleerde.

Opdrachten:
  devices          Toont elk apparaat van de handsetfabrikant: het pad, vendor:product in
                   hex, de lengte van de invoer- en uitvoerreports en of het een
                   geaccepteerde handset is. Apparaten die niet kunnen worden geopend,
                   worden met de reden vermeld; voor een handset die deze gebruiker niet
                   mag openen, wordt ook de oplossing genoemd (de udev-regel). Eindigt
                   met 0 als er een geaccepteerde handset is, anders met 1.
  info             Toont de naam van de handset en de identiteit (12 hexcijfers), of hoe
                   u toestemming krijgt om hem te openen.
  pull FILE.opbk   Ontvangt het telefoonboek van de handset en slaat het op in FILE.opbk.
  push FILE.opbk   Verzendt het telefoonboek in FILE.opbk naar de handset en vervangt het
                   telefoonboek daar. Vraagt eerst om bevestiging; vermeldingen zonder
                   naam of nummer worden na een tweede vraag weggelaten. Als er geen
                   vermelding overblijft om te verzenden, wordt gevraagd of alle
                   vermeldingen op de handset moeten worden verwijderd (Nee, tenzij j).
                   Het telefoonboek van de handset wordt eerst bewaard in
                   My Phonebooks/Backups (de 20 nieuwste van elke handset), tenzij
                   --no-backup is opgegeven.
  sync BOOK.opbk [--prefer computer|handset] [--dry-run]
                   Synchroniseert het telefoonboek van de handset met BOOK.opbk: wat
                   sinds de laatste synchronisatie van deze handset aan een van beide
                   kanten is toegevoegd, gewijzigd of verwijderd, komt ook aan de andere
                   kant. Toont elke wijziging en waar die vandaan komt, en vraagt dan één
                   keer om bevestiging voordat het samengevoegde telefoonboek naar de
                   handset wordt verzonden (alleen als het telefoonboek daar afwijkt) en
                   in BOOK.opbk wordt opgeslagen. Een vermelding die aan beide kanten
                   verschillend is gewijzigd, is een conflict: de versie van de computer
                   wordt gekozen, tenzij --prefer handset is opgegeven. De eerste
                   synchronisatie neemt de vermeldingen van beide telefoonboeken over,
                   gelijke vermeldingen één keer. Het telefoonboek van de handset wordt
                   eerst bewaard in Backups, tenzij --no-backup is opgegeven. Als het
                   samengevoegde telefoonboek meer dan 100 vermeldingen zou bevatten,
                   wordt er niets verzonden of geschreven. --dry-run toont de wijzigingen
                   en stopt dan.
  backups          Toont de bewaarde telefoonboeken, nieuwste eerst.
  show FILE.opbk   Toont de identiteit van een telefoonboekbestand en één regel per
                   vermelding: de naam, een tab, het nummer.
  picture IN OUT.png|OUT.bmp
                   Maakt de handsetafbeelding van IN (BMP, GIF, JPEG, PNG, TIFF, WebP of
                   SVG) en slaat die op als PNG-bestand van 128 x 128, of als 16-bits
                   BMP-bestand van de handset. IN wordt ingepast in het canvas van
                   426 x 300 van de afbeeldingspagina, in het midden omkaderd, op wit.
                   Een beschadigde afbeelding wordt gemeld op stderr en het leesbare deel
                   wordt gebruikt.
  send-picture IN  Maakt de handsetafbeelding van IN en zet die over naar de handset.
  import CONTACTS BOOK.opbk [--map phone=COL,first=COL,last=COL] [--dry-run]
                   Voegt de contacten van een tekstbestand met scheidingstekens (komma&apos;s,
                   puntkomma&apos;s of tabs; UTF-8, UTF-16 of Windows-1252) of een
                   vCard-bestand toe aan BOOK.opbk (aangemaakt als het ontbreekt), zoals
                   de import op de telefoonboekpagina doet. Toont de gebruikte koppeling,
                   daarna hoeveel vermeldingen zijn toegevoegd, en op stderr wat er
                   onderweg is gewijzigd (nummers uit een andere kolom overgenomen of
                   herschreven, contacten zonder naam weggelaten, ...). COL is een
                   kolomkop of een kolomnummer vanaf 1; none wist een doel; niet genoemde
                   doelen houden de geraden kolom. Een nummer komt uit de phone-kolom,
                   of als die leeg is uit de andere telefoonkolommen van het bestand,
                   mobiele eerst; phone=COL1|COL2|... geeft de volledige volgorde.
                   Als er meer contacten worden gevraagd dan BOOK.opbk kan bevatten (100
                   vermeldingen in totaal), wordt er niets geschreven. --dry-run toont de
                   vermeldingen en schrijft niets.
    --international-prefix P   waarin een + aan het begin verandert (cijfers; standaard 00)
    --category NAME  alleen contacten met deze categorie of label (herhaalbaar: een ervan)
    --first N        alleen de eerste N contacten (van die uit de categorieën)
                   CONTACTS kan ook het http(s)-adres zijn van een CardDAV-server, of
                   van een van zijn adresboeken, met --user NAME: de kaarten worden
                   gelezen zoals een vCard-bestand. Een server met meerdere adresboeken
                   somt ze op; geef het te lezen adresboek op met zijn adres.
  addressbooks URL --user NAME
                   Toont de adresboeken van een CardDAV-server (Nextcloud, iCloud,
                   Fastmail, Radicale, ...), gevonden vanaf zijn adres, met het aantal
                   kaarten en het adres van elk adresboek.
  export BOOK.opbk OUT.csv|OUT.vcf
                   Schrijft elke vermelding van BOOK.opbk als kommagescheiden tekst, of
                   als vCard als OUT eindigt op .vcf.

Serveropties (addressbooks, en import vanaf een server):
  --user NAME      de gebruikersnaam op de server
  --password-file FILE   leest het wachtwoord uit de eerste regel van FILE, een bestand
                   dat alleen de eigenaar mag lezen (chmod 600). Zonder deze optie komt
                   het wachtwoord uit de sleutelbos van de desktop, anders wordt erom
                   gevraagd in de terminal zonder het te tonen. Het wordt nooit op de
                   opdrachtregel aangenomen.
  --save-password  bewaart het wachtwoord dat op de vraag is getypt in de sleutelbos,
                   zodra de server het heeft geaccepteerd
  --ca-file FILE   vertrouwt ook dit certificaat (PEM of DER), voor een server die zijn
                   eigen certificaat ondertekent; andere certificaten die niet kunnen
                   worden geverifieerd, worden geweigerd

Afbeeldingsopties, in deze volgorde toegepast:
  --rotate left|right, --zoom-in N, --zoom-out N   zo vaak als gewenst, in deze volgorde
  --frame X,Y      verplaatst het kader van 128 x 128 naar X,Y op het canvas (blijft erin)
  --brightness N, --contrast N, --red N, --green N, --blue N   van -100 tot 100

Opties:
  --simulate       Werken met een handset die binnen dit proces wordt gesimuleerd.
  --yes            Ja antwoorden op de vragen van push en sync, ook op het verwijderen
                   van alle vermeldingen van de handset als het telefoonboek er geen
                   bevat.
  -h, --help       Deze help tonen.

Overdrachten tonen een voortgangsbalk in een terminal; Ctrl+C annuleert ze
(&quot;Gegevensoverdracht geannuleerd.&quot;). Bij fouten wordt de reden getoond en is de
afsluitcode 1; gebruiksfouten geven afsluitcode 2.
Gesimuleerde handsets gestart met orvak-handset-sim worden gevonden zoals USB-handsets.
</translation>
    </message>
    <message>
        <source>addressbooks takes the address of a CardDAV server</source>
        <translation>addressbooks verwacht het adres van een CardDAV-server</translation>
    </message>
    <message>
        <source>a password is never taken on the command line, where every user of this computer can read it; give --password-file FILE, or type it when asked</source>
        <translation>een wachtwoord wordt nooit op de opdrachtregel aangenomen, waar elke gebruiker van deze computer het kan lezen; geef --password-file FILE op, of typ het wanneer erom wordt gevraagd</translation>
    </message>
    <message>
        <source>addressbooks takes an http:// or https:// address</source>
        <translation>addressbooks verwacht een http://- of https://-adres</translation>
    </message>
    <message>
        <source>a server&apos;s address needs --user NAME</source>
        <translation>een serveradres vereist --user NAME</translation>
    </message>
    <message>
        <source>--user, --password-file, --ca-file and --save-password are for an address on a server</source>
        <translation>--user, --password-file, --ca-file en --save-password zijn alleen bedoeld voor een adres op een server</translation>
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
        <translation>--map verwacht phone=COL,first=COL,last=COL</translation>
    </message>
    <message>
        <source>--map: only phone takes several columns</source>
        <translation>--map: alleen phone accepteert meerdere kolommen</translation>
    </message>
    <message>
        <source>--map: the file has no column &quot;%1&quot;</source>
        <translation>--map: het bestand heeft geen kolom &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Telefoonnummer</translation>
    </message>
    <message>
        <source>Name, first part</source>
        <translation>Naam, eerste deel</translation>
    </message>
    <message>
        <source>Name, last part</source>
        <translation>Naam, laatste deel</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(geen)</translation>
    </message>
    <message>
        <source>column %1, %2; then %3</source>
        <translation>kolom %1, %2; daarna %3</translation>
    </message>
    <message>
        <source>column %1, %2</source>
        <translation>kolom %1, %2</translation>
    </message>
    <message>
        <source>%1 holds no contacts to import; nothing was written.</source>
        <translation>%1 bevat geen contacten om te importeren; er is niets geschreven.</translation>
    </message>
    <message>
        <source>no contact has the category %1; the file has no categories</source>
        <translation>geen enkel contact heeft de categorie %1; het bestand heeft geen categorieën</translation>
    </message>
    <message>
        <source>no contact has the category %1; the file&apos;s categories: %2</source>
        <translation>geen enkel contact heeft de categorie %1; categorieën in het bestand: %2</translation>
    </message>
    <message>
        <source>%1 is full (%2 entries); nothing was written.</source>
        <translation>%1 is vol (%2 vermeldingen); er is niets geschreven.</translation>
    </message>
    <message>
        <source>Choose which with --category NAME or --first N; nothing was written.</source>
        <translation>Kies welke met --category NAME of --first N; er is niets geschreven.</translation>
    </message>
    <message>
        <source>%1 contacts are asked for; the book has room for %2. Nothing was written.</source>
        <translation>Er zijn %1 contacten gevraagd; het telefoonboek heeft ruimte voor %2. Er is niets geschreven.</translation>
    </message>
    <message>
        <source>Would add 1 entry to %1 (nothing written)</source>
        <translation>Zou 1 vermelding toevoegen aan %1 (niets geschreven)</translation>
    </message>
    <message numerus="yes">
        <source>Would add %n entries to %1 (nothing written)</source>
        <translation>
            <numerusform>Zou %n vermelding toevoegen aan %1 (niets geschreven)</numerusform>
            <numerusform>Zou %n vermeldingen toevoegen aan %1 (niets geschreven)</numerusform>
        </translation>
    </message>
    <message>
        <source>Added 1 entry to %1</source>
        <translation>1 vermelding toegevoegd aan %1</translation>
    </message>
    <message numerus="yes">
        <source>Added %n entries to %1</source>
        <translation>
            <numerusform>%n vermelding toegevoegd aan %1</numerusform>
            <numerusform>%n vermeldingen toegevoegd aan %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote 1 entry to %1</source>
        <translation>1 vermelding geschreven naar %1</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1</source>
        <translation>
            <numerusform>%n vermelding geschreven naar %1</numerusform>
            <numerusform>%n vermeldingen geschreven naar %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book holds %1 contacts; the book has room for %2.</source>
        <translation>Het adresboek bevat %1 contacten; het telefoonboek heeft ruimte voor %2.</translation>
    </message>
</context>
<context>
    <name>ContactImport</name>
    <message>
        <source>1 character that the handset cannot store was left out of the imported names.</source>
        <translation>1 teken dat de handset niet kan opslaan, is weggelaten uit de geïmporteerde namen.</translation>
    </message>
    <message numerus="yes">
        <source>%n characters that the handset cannot store were left out of the imported names.</source>
        <translation>
            <numerusform>%n teken dat de handset niet kan opslaan, is weggelaten uit de geïmporteerde namen.</numerusform>
            <numerusform>%n tekens die de handset niet kan opslaan, zijn weggelaten uit de geïmporteerde namen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1 opens a quoted field that never closes; the rest of the file was read as part of that field.</source>
        <translation>Regel %1 opent een veld tussen aanhalingstekens dat nooit wordt gesloten; de rest van het bestand is gelezen als deel van dat veld.</translation>
    </message>
    <message>
        <source>The file holds more than any phone book import can use; only its lines before line %1 were read.</source>
        <translation>Het bestand bevat meer dan een import in het telefoonboek kan gebruiken; alleen de regels vóór regel %1 zijn gelezen.</translation>
    </message>
    <message>
        <source>1 number came from another column, as the mapped one was empty.</source>
        <translation>1 nummer is uit een andere kolom overgenomen, omdat de gekoppelde kolom leeg was.</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers came from another column, as the mapped one was empty.</source>
        <translation>
            <numerusform>%n nummer is uit een andere kolom overgenomen, omdat de gekoppelde kolom leeg was.</numerusform>
            <numerusform>%n nummers zijn uit een andere kolom overgenomen, omdat de gekoppelde kolom leeg was.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 number was rewritten to dial as written (a &quot;+&quot; made the international prefix, a &quot;(0)&quot; dropped, an extension made a pause).</source>
        <translation>1 nummer is herschreven om te kiezen zoals geschreven (een &quot;+&quot; werd het internationale voorvoegsel, een &quot;(0)&quot; weggelaten, een toestelnummer werd een pauze).</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers were rewritten to dial as written (a &quot;+&quot; made the international prefix, a &quot;(0)&quot; dropped, an extension made a pause).</source>
        <translation>
            <numerusform>%n nummer is herschreven om te kiezen zoals geschreven (een &quot;+&quot; werd het internationale voorvoegsel, een &quot;(0)&quot; weggelaten, een toestelnummer werd een pauze).</numerusform>
            <numerusform>%n nummers zijn herschreven om te kiezen zoals geschreven (een &quot;+&quot; werd het internationale voorvoegsel, een &quot;(0)&quot; weggelaten, een toestelnummer werd een pauze).</numerusform>
        </translation>
    </message>
    <message>
        <source>1 contact had no name and was left out.</source>
        <translation>1 contact had geen naam en is weggelaten.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts had no name and were left out.</source>
        <translation>
            <numerusform>%n contact had geen naam en is weggelaten.</numerusform>
            <numerusform>%n contacten hadden geen naam en zijn weggelaten.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 contact was named after its organisation.</source>
        <translation>1 contact is genoemd naar de organisatie.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts were named after their organisation.</source>
        <translation>
            <numerusform>%n contact is genoemd naar de organisatie.</numerusform>
            <numerusform>%n contacten zijn genoemd naar hun organisatie.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file holds 1 contact; the book has room for %1.</source>
        <translation>Het bestand bevat 1 contact; het telefoonboek heeft ruimte voor %1.</translation>
    </message>
    <message>
        <source>The file holds %1 contacts; the book has room for %2.</source>
        <translation>Het bestand bevat %1 contacten; het telefoonboek heeft ruimte voor %2.</translation>
    </message>
    <message>
        <source>Error: Could not read the import file.  Check that it is formatted correctly.</source>
        <translation>Fout: kan het importbestand niet lezen. Controleer of het juist is opgemaakt.</translation>
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
        <translation>kan niet openen: %1</translation>
    </message>
    <message>
        <source>in %1 out %2</source>
        <extracomment>The lengths of the device&apos;s input and output reports, in bytes.</extracomment>
        <translation>in %1 uit %2</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>geaccepteerd</translation>
    </message>
    <message>
        <source>not accepted: not a supported handset model</source>
        <translation>niet geaccepteerd: geen ondersteund handsetmodel</translation>
    </message>
</context>
<context>
    <name>DialbookApp</name>
    <message>
        <source>Start with a simulated handset attached.</source>
        <translation>Starten met een gesimuleerde handset aangesloten.</translation>
    </message>
    <message>
        <source>DIR</source>
        <extracomment>The value of --screenshots in the help: a folder.</extracomment>
        <translation>MAP</translation>
    </message>
    <message>
        <source>Save a picture of each tab into %1, then quit.</source>
        <translation>Een afbeelding van elk tabblad opslaan in %1 en daarna afsluiten.</translation>
    </message>
    <message>
        <source>A picture to open on the Pictures page.</source>
        <extracomment>The argument in the help: a picture file, which may be left out.</extracomment>
        <translation>Een afbeelding om te openen op de pagina Afbeeldingen.</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[BESTAND]</translation>
    </message>
</context>
<context>
    <name>ExportPage</name>
    <message>
        <source>Export Contacts</source>
        <translation>Contacten exporteren</translation>
    </message>
    <message>
        <source>Export selected contact(s)</source>
        <translation>Geselecteerde contact(en) exporteren</translation>
    </message>
    <message>
        <source>Export all contacts</source>
        <translation>Alle contacten exporteren</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Bestandsnaam:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Bladeren...</translation>
    </message>
    <message>
        <source>Text File (%1)</source>
        <translation>Tekstbestand (%1)</translation>
    </message>
    <message>
        <source>vCard File (%1)</source>
        <translation>vCard-bestand (%1)</translation>
    </message>
    <message>
        <source>No file specified.  Please enter a file name to export the data to.</source>
        <translation>Geen bestand opgegeven. Voer een bestandsnaam in om de gegevens naar te exporteren.</translation>
    </message>
    <message>
        <source>File already exists.  Do you want to overwrite it?</source>
        <translation>Het bestand bestaat al. Wilt u het overschrijven?</translation>
    </message>
</context>
<context>
    <name>FileFailure</name>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: there is no such file.</source>
        <translation>&quot;%1&quot;: dit bestand bestaat niet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the folder it would go in does not exist.</source>
        <translation>&quot;%1&quot;: de map waarin het zou komen, bestaat niet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>&quot;%1&quot; is een map, geen bestand.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file is empty.</source>
        <translation>&quot;%1&quot;: het bestand is leeg.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: this is not a phone-book file.</source>
        <translation>&quot;%1&quot;: dit is geen telefoonboekbestand.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file is damaged: it is cut short.</source>
        <translation>&quot;%1&quot;: het bestand is beschadigd: het is afgekapt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file is damaged.</source>
        <translation>&quot;%1&quot;: het bestand is beschadigd.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: you are not permitted to write this file.</source>
        <translation>&quot;%1&quot;: u hebt geen toestemming om dit bestand te schrijven.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: you are not permitted to read this file.</source>
        <translation>&quot;%1&quot;: u hebt geen toestemming om dit bestand te lezen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: this is not a picture in a format that can be opened (%2).</source>
        <translation>&quot;%1&quot;: dit is geen afbeelding in een indeling die kan worden geopend (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: pictures in the %2 format cannot be opened, only %3.</source>
        <translation>&quot;%1&quot;: afbeeldingen in de indeling %2 kunnen niet worden geopend, alleen %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the picture is damaged; the part that could be read is used.</source>
        <translation>&quot;%1&quot;: de afbeelding is beschadigd; het leesbare deel wordt gebruikt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the picture is too large for this computer&apos;s memory.</source>
        <translation>&quot;%1&quot;: de afbeelding is te groot voor het geheugen van deze computer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2.</source>
        <translation>&quot;%1&quot; kan niet worden geschreven: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2.</source>
        <translation>&quot;%1&quot; kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>it is larger than the %1 MB a contacts file may be</source>
        <translation>het is groter dan de %1 MB die een contactenbestand mag zijn</translation>
    </message>
    <message>
        <source>a phone-book file holds at most %1 entries</source>
        <translation>een telefoonboekbestand bevat maximaal %1 vermeldingen</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file has no line of column headings.</source>
        <translation>&quot;%1&quot;: het bestand heeft geen regel met kolomkoppen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file has more columns than an import can take (%2 at most).</source>
        <translation>&quot;%1&quot;: het bestand heeft meer kolommen dan een import aankan (hoogstens %2).</translation>
    </message>
</context>
<context>
    <name>HandsetAccessAdvice</name>
    <message>
        <source>An Orvak handset is plugged in, but this user may not open it.</source>
        <translation>Er is een Orvak-handset aangesloten, maar deze gebruiker heeft er geen toegang toe.</translation>
    </message>
    <message>
        <source>Unplug the handset and plug it in again, so that the udev rule %1 applies to it.</source>
        <translation>Koppel de handset los en sluit hem opnieuw aan, zodat de udev-regel %1 erop van toepassing is.</translation>
    </message>
    <message>
        <source>Install the orvak-dialbook package, whose udev rule %1 lets the person at the computer open it, then unplug the handset and plug it in again.</source>
        <translation>Installeer het pakket orvak-dialbook, waarvan de udev-regel %1 de persoon achter de computer toegang geeft, en koppel de handset daarna los en sluit hem opnieuw aan.</translation>
    </message>
    <message>
        <source>Install the udev rule from the source tree and have udev apply it:
%1</source>
        <translation>Installeer de udev-regel uit de broncode en laat udev hem toepassen:
%1</translation>
    </message>
</context>
<context>
    <name>HandsetPreview</name>
    <message>
        <source>Handset preview</source>
        <translation>Voorbeeld op handset</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Help voor %1</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Over...</translation>
    </message>
</context>
<context>
    <name>HidrawSource</name>
    <message>
        <source>permission denied</source>
        <translation>toegang geweigerd</translation>
    </message>
</context>
<context>
    <name>ImportFieldMap</name>
    <message>
        <source>Orvak Phone Number</source>
        <translation>Orvak-telefoonnummer</translation>
    </message>
    <message>
        <source>Orvak Name (First)</source>
        <translation>Orvak-naam (eerste deel)</translation>
    </message>
    <message>
        <source>Orvak Contact Name (First Part)</source>
        <translation>Orvak-contactnaam (eerste deel)</translation>
    </message>
    <message>
        <source>Orvak Name (Last)</source>
        <translation>Orvak-naam (laatste deel)</translation>
    </message>
    <message>
        <source>Orvak Contact Name (Last Part)</source>
        <translation>Orvak-contactnaam (laatste deel)</translation>
    </message>
</context>
<context>
    <name>ImportFilePage</name>
    <message>
        <source>Import Contacts</source>
        <translation>Contacten importeren</translation>
    </message>
    <message>
        <source>Enter the filename of the contacts to import:</source>
        <translation>Voer de bestandsnaam in van de te importeren contacten:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Bladeren...</translation>
    </message>
    <message>
        <source>Text and CSV Files (%1)</source>
        <translation>Tekst- en CSV-bestanden (%1)</translation>
    </message>
    <message>
        <source>vCard Files (%1)</source>
        <translation>vCard-bestanden (%1)</translation>
    </message>
    <message>
        <source>All Files (%1)</source>
        <translation>Alle bestanden (%1)</translation>
    </message>
    <message>
        <source>No file specified.  Please enter the file name of the contacts to import.</source>
        <translation>Geen bestand opgegeven. Voer de bestandsnaam in van de te importeren contacten.</translation>
    </message>
    <message>
        <source>Import contacts &amp;from:</source>
        <translation>Contacten importeren &amp;uit:</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>een bestand</translation>
    </message>
    <message>
        <source>an address book on a server (CardDAV)</source>
        <translation>een adresboek op een server (CardDAV)</translation>
    </message>
    <message>
        <source>Import contacts from a file</source>
        <translation>Contacten importeren uit een bestand</translation>
    </message>
    <message>
        <source>Import contacts from an address book on a server (CardDAV)</source>
        <translation>Contacten importeren uit een adresboek op een server (CardDAV)</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>Browse for the file</source>
        <translation>Naar het bestand bladeren</translation>
    </message>
</context>
<context>
    <name>ImportIntroPage</name>
    <message>
        <source>Import/Export</source>
        <translation>Importeren/exporteren</translation>
    </message>
    <message>
        <source>&lt;ol&gt;&lt;li&gt;Export your contacts from your other contact manager (for example your e-mail program or your phone&apos;s account) to a comma-delimited text file (CSV) or a vCard file.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Next&lt;/b&gt; and locate that file.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Next&lt;/b&gt; and check how the file&apos;s fields map to the phone book. Use &lt;b&gt;Change Map&lt;/b&gt; to adjust the mapping.&lt;/li&gt;&lt;/ol&gt;</source>
        <translation>&lt;ol&gt;&lt;li&gt;Exporteer uw contacten uit uw andere contactbeheer (bijvoorbeeld uw e-mailprogramma of het account van uw telefoon) naar een kommagescheiden tekstbestand (CSV) of een vCard-bestand.&lt;/li&gt;&lt;li&gt;Klik op &lt;b&gt;Volgende&lt;/b&gt; en zoek dat bestand.&lt;/li&gt;&lt;li&gt;Klik op &lt;b&gt;Volgende&lt;/b&gt; en controleer hoe de velden van het bestand aan het telefoonboek worden gekoppeld. Gebruik &lt;b&gt;Koppeling wijzigen&lt;/b&gt; om de koppeling aan te passen.&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <source>Contacts kept on a server that speaks CardDAV (such as a calendar and contacts server of your own or your provider&apos;s) are read straight from it: choose the server on the next page.</source>
        <translation>Contacten op een server die CardDAV spreekt (zoals een eigen agenda- en contactenserver of die van uw provider), worden er rechtstreeks van gelezen: kies de server op de volgende pagina.</translation>
    </message>
</context>
<context>
    <name>ImportMappingPage</name>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wordt gelezen...</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>What a leading “+” is dialled as: 00 in most of the world, 011 in North America.</source>
        <translation>Wat voor een “+” aan het begin wordt gekozen: 00 in de meeste landen, 011 in Noord-Amerika.</translation>
    </message>
    <message>
        <source>&amp;Prefix for “+”:</source>
        <translation>&amp;Voorvoegsel voor “+”:</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacten</translation>
    </message>
    <message>
        <source>C&amp;ategory:</source>
        <translation>&amp;Categorie:</translation>
    </message>
    <message>
        <source>&amp;Select the First That Fit</source>
        <translation>Eerste passende &amp;selecteren</translation>
    </message>
    <message>
        <source>Contacts to import</source>
        <translation>Te importeren contacten</translation>
    </message>
    <message>
        <source>No column is mapped to the phone number: the contacts are imported without numbers.</source>
        <translation>Er is geen kolom aan het telefoonnummer gekoppeld: de contacten worden zonder nummers geïmporteerd.</translation>
    </message>
    <message>
        <source>Numbers are taken from %1.</source>
        <translation>Nummers worden overgenomen uit %1.</translation>
    </message>
    <message>
        <source>Numbers are taken from %1; where it is empty, from %2.</source>
        <translation>Nummers worden overgenomen uit %1; waar die leeg is, uit %2.</translation>
    </message>
    <message>
        <source>Numbers are taken from %1; where it is empty, from the first of %2 that has one.</source>
        <translation>Nummers worden overgenomen uit %1; waar die leeg is, uit de eerste van %2 die er een bevat.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>The file holds 1 contact; it fits in the book.</source>
        <translation>Het bestand bevat 1 contact; het past in het telefoonboek.</translation>
    </message>
    <message>
        <source>The file holds %1 contacts; all of them fit in the book.</source>
        <translation>Het bestand bevat %1 contacten; ze passen allemaal in het telefoonboek.</translation>
    </message>
    <message>
        <source>%1 chosen, room for %2.</source>
        <translation>%1 gekozen, ruimte voor %2.</translation>
    </message>
    <message>
        <source>Only the file&apos;s lines before line %1 were read: the rest is more than an import can use.</source>
        <translation>Alleen de regels van het bestand vóór regel %1 zijn gelezen: de rest is meer dan een import kan gebruiken.</translation>
    </message>
    <message>
        <source>Uncheck some, or choose a category, to go on.</source>
        <translation>Vink er enkele uit of kies een categorie om verder te gaan.</translation>
    </message>
    <message>
        <source>All categories</source>
        <translation>Alle categorieën</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Contacten importeren</translation>
    </message>
    <message>
        <source>Import Field Mapping</source>
        <translation>Veldkoppeling voor import</translation>
    </message>
    <message>
        <source>Field mapping</source>
        <translation>Veldkoppeling</translation>
    </message>
    <message>
        <source>Import Text Field</source>
        <translation>Tekstveld uit import</translation>
    </message>
    <message>
        <source>Orvak Phonebook Field</source>
        <translation>Veld in Orvak-telefoonboek</translation>
    </message>
    <message>
        <source>Change Map</source>
        <translation>Koppeling wijzigen</translation>
    </message>
    <message>
        <source>No row selected.</source>
        <translation>Geen rij geselecteerd.</translation>
    </message>
    <message>
        <source>The address book holds %1 contacts; the book has room for %2.</source>
        <translation>Het adresboek bevat %1 contacten; het telefoonboek heeft ruimte voor %2.</translation>
    </message>
    <message>
        <source>The address book holds 1 contact; it fits in the book.</source>
        <translation>Het adresboek bevat 1 contact; het past in het telefoonboek.</translation>
    </message>
    <message>
        <source>The address book holds %1 contacts; all of them fit in the book.</source>
        <translation>Het adresboek bevat %1 contacten; ze passen allemaal in het telefoonboek.</translation>
    </message>
</context>
<context>
    <name>ImportServerPage</name>
    <message>
        <source>Import Contacts</source>
        <translation>Contacten importeren</translation>
    </message>
    <message>
        <source>Address Book on a Server</source>
        <translation>Adresboek op een server</translation>
    </message>
    <message>
        <source>Give the address of the server that keeps your contacts (CardDAV), or of one of its address books, with your user name and password there. Find Address Books lists the address books it offers.</source>
        <translation>Geef het adres op van de server waarop uw contacten staan (CardDAV), of van een van zijn adresboeken, met uw gebruikersnaam en wachtwoord daar. “Adresboeken zoeken” toont de adresboeken die de server aanbiedt.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradres</translation>
    </message>
    <message>
        <source>Server &amp;address:</source>
        <translation>Server&amp;adres:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Gebruikersnaam</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Gebruikersnaam:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Left empty, the password kept in the keyring for this address and user is used.</source>
        <translation>Als dit veld leeg blijft, wordt het wachtwoord gebruikt dat voor dit adres en deze gebruiker in de sleutelbos is bewaard.</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>&amp;Remember in the keyring</source>
        <translation>O&amp;nthouden in de sleutelbos</translation>
    </message>
    <message>
        <source>Remember the password in the keyring</source>
        <translation>Het wachtwoord onthouden in de sleutelbos</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>Adresboeken &amp;zoeken</translation>
    </message>
    <message>
        <source>Find address books</source>
        <translation>Adresboeken zoeken</translation>
    </message>
    <message>
        <source>Address b&amp;ooks found:</source>
        <translation>Gevonden adres&amp;boeken:</translation>
    </message>
    <message>
        <source>Address books found</source>
        <translation>Gevonden adresboeken</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Adresboek</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Kaarten</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>Enter the address of the server, such as %1.</source>
        <translation>Voer het adres van de server in, zoals %1.</translation>
    </message>
    <message>
        <source>The password could not be read from the keyring: %1</source>
        <translation>Het wachtwoord kan niet uit de sleutelbos worden gelezen: %1</translation>
    </message>
    <message>
        <source>Looking for address books at %1...</source>
        <translation>Adresboeken zoeken op %1...</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Het wachtwoord kan niet in de sleutelbos worden bewaard: %1</translation>
    </message>
    <message>
        <source>Choose one of the address books found.</source>
        <translation>Kies een van de gevonden adresboeken.</translation>
    </message>
    <message>
        <source>Reading the address book %1...</source>
        <translation>Adresboek %1 wordt gelezen...</translation>
    </message>
    <message>
        <source>The address book “%1” holds no contacts.</source>
        <translation>Het adresboek “%1” bevat geen contacten.</translation>
    </message>
</context>
<context>
    <name>Keyring</name>
    <message>
        <source>The keyring did not answer in time.</source>
        <translation>De sleutelbos heeft niet op tijd geantwoord.</translation>
    </message>
    <message>
        <source>No keyring is running, so passwords are neither looked up in it nor kept in it.</source>
        <translation>Er draait geen sleutelbos, dus wachtwoorden worden er niet in opgezocht en ook niet in bewaard.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;Welcome</source>
        <translation>&amp;Welkom</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>&amp;Afbeeldingen</translation>
    </message>
    <message>
        <source>Phone &amp;Book</source>
        <translation>&amp;Telefoonboek</translation>
    </message>
</context>
<context>
    <name>MultistatusReader</name>
    <message>
        <source>the answer ends before its multistatus does</source>
        <translation>het antwoord eindigt vóór het multistatus-element</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (regel %2)</translation>
    </message>
    <message>
        <source>the answer is no multistatus but &lt;%1&gt;</source>
        <translation>het antwoord is geen multistatus maar &lt;%1&gt;</translation>
    </message>
    <message>
        <source>a value longer than %1 MB</source>
        <translation>een waarde langer dan %1 MB</translation>
    </message>
</context>
<context>
    <name>PasswordFile</name>
    <message>
        <source>&quot;%1&quot; could not be read: %2.</source>
        <translation>&quot;%1&quot; kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 bytes; a password file holds the password on its first line.</source>
        <translation>&quot;%1&quot; is groter dan %2 bytes; een wachtwoordbestand bevat het wachtwoord op de eerste regel.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file. Give the password in a file of your own that only you may read (chmod 600).</source>
        <translation>&quot;%1&quot; is geen gewoon bestand. Geef het wachtwoord op in een eigen bestand dat alleen u mag lezen (chmod 600).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to another user. Keep the password in a file of your own and make it yours alone with: chmod 600 FILE</source>
        <translation>&quot;%1&quot; is van een andere gebruiker. Bewaar het wachtwoord in een eigen bestand en maak het alleen voor u toegankelijk met: chmod 600 FILE</translation>
    </message>
    <message>
        <source>&quot;%1&quot; may be read or changed by others than you, so its password is not used. Make it yours alone with: %2</source>
        <translation>&quot;%1&quot; mag door anderen dan u worden gelezen of gewijzigd, dus het wachtwoord erin wordt niet gebruikt. Maak het bestand alleen voor u toegankelijk met: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty; its first line should be the password.</source>
        <translation>&quot;%1&quot; is leeg; de eerste regel moet het wachtwoord zijn.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no password on its first line.</source>
        <translation>&quot;%1&quot; bevat geen wachtwoord op de eerste regel.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the first line is not UTF-8 text.</source>
        <translation>&quot;%1&quot;: de eerste regel is geen UTF-8-tekst.</translation>
    </message>
</context>
<context>
    <name>PasswordSources</name>
    <message>
        <source>The password could not be looked up in the keyring: %1</source>
        <translation>Het wachtwoord kan niet in de sleutelbos worden opgezocht: %1</translation>
    </message>
    <message>
        <source>There is no terminal to ask for the password on. Give it with --password-file FILE, a file that only you may read (chmod 600 FILE).</source>
        <translation>Er is geen terminal om het wachtwoord in te vragen. Geef het op met --password-file FILE, een bestand dat alleen u mag lezen (chmod 600 FILE).</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <extracomment>%1 is the user name, %2 the server as scheme://host.</extracomment>
        <translation>Wachtwoord voor %1 op %2: </translation>
    </message>
    <message>
        <source>No password was typed. To give it without typing, use --password-file FILE, a file that only you may read (chmod 600 FILE).</source>
        <translation>Er is geen wachtwoord getypt. Gebruik --password-file FILE, een bestand dat alleen u mag lezen (chmod 600 FILE), om het op te geven zonder te typen.</translation>
    </message>
    <message>
        <source>The password was not kept: no keyring is running. It is asked for again next time.</source>
        <translation>Het wachtwoord is niet bewaard: er draait geen sleutelbos. Er wordt de volgende keer opnieuw om gevraagd.</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Het wachtwoord kan niet in de sleutelbos worden bewaard: %1</translation>
    </message>
</context>
<context>
    <name>PhonebookBackups</name>
    <message>
        <source>The send did not finish: the handset now holds %1 of the %2 entries.</source>
        <translation>Het verzenden is niet voltooid: de handset bevat nu %1 van de %2 vermeldingen.</translation>
    </message>
    <message>
        <source>The send did not finish, and the handset did not say what it holds now: its phone book may have been emptied (%1 of the %2 entries had been sent).</source>
        <translation>Het verzenden is niet voltooid en de handset heeft niet gemeld wat hij nu bevat: het telefoonboek is mogelijk leeggemaakt (%1 van de %2 vermeldingen waren verzonden).</translation>
    </message>
</context>
<context>
    <name>PhonebookCommands</name>
    <message>
        <source>Not asked, since the input is not a terminal: taken as No. Add --yes to answer Yes.</source>
        <translation>Niet gevraagd, omdat de invoer geen terminal is: opgevat als Nee. Voeg --yes toe om Ja te antwoorden.</translation>
    </message>
    <message>
        <source>[y/N]</source>
        <extracomment>The answers to a question on the terminal: yes, or No, in capitals as the answer that Enter alone gives.</extracomment>
        <translation>[j/N]</translation>
    </message>
    <message>
        <source>y</source>
        <extracomment>The letter that answers yes to &quot;[y/N]&quot;, the first letter of the word &quot;yes&quot;.</extracomment>
        <translation>j</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Naam: %1</translation>
    </message>
    <message>
        <source>Identity: %1</source>
        <translation>Identiteit: %1</translation>
    </message>
    <message>
        <source>Received 1 entry into %1</source>
        <translation>1 vermelding ontvangen in %1</translation>
    </message>
    <message numerus="yes">
        <source>Received %n entries into %1</source>
        <translation>
            <numerusform>%n vermelding ontvangen in %1</numerusform>
            <numerusform>%n vermeldingen ontvangen in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was sent: the handset&apos;s phone book is as it was.</source>
        <translation>Er is niets verzonden: het telefoonboek van de handset is ongewijzigd.</translation>
    </message>
    <message>
        <source>The handset&apos;s phone book could not be kept before the send, so nothing was sent.</source>
        <translation>Het telefoonboek van de handset kon vóór het verzenden niet worden bewaard, dus er is niets verzonden.</translation>
    </message>
    <message>
        <source>Kept the handset&apos;s previous phone book in %1</source>
        <translation>Vorig telefoonboek van de handset bewaard in %1</translation>
    </message>
    <message>
        <source>To send its previous phone book back: %1</source>
        <translation>Om het vorige telefoonboek terug te sturen: %1</translation>
    </message>
    <message>
        <source>Sent 1 entry</source>
        <translation>1 vermelding verzonden</translation>
    </message>
    <message numerus="yes">
        <source>Sent %n entries</source>
        <translation>
            <numerusform>%n vermelding verzonden</numerusform>
            <numerusform>%n vermeldingen verzonden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries without a name or a number stay in the computer&apos;s book and are not sent.</source>
        <translation>
            <numerusform>%n vermelding zonder naam of nummer blijft in het telefoonboek van de computer en wordt niet verzonden.</numerusform>
            <numerusform>%n vermeldingen zonder naam of nummer blijven in het telefoonboek van de computer en worden niet verzonden.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merged phone book was not kept as the base of the next sync.</source>
        <translation>Het samengevoegde telefoonboek is niet bewaard als basis voor de volgende synchronisatie.</translation>
    </message>
    <message>
        <source>The handset and %1 are already in step: nothing sent, nothing written.</source>
        <extracomment>%1: the phone-book file synced with the handset.</extracomment>
        <translation>De handset en %1 zijn al gelijk: niets verzonden, niets geschreven.</translation>
    </message>
    <message>
        <source>Nothing sent, nothing written (--dry-run).</source>
        <translation>Niets verzonden, niets geschreven (--dry-run).</translation>
    </message>
    <message>
        <source>Send the merged phone book to the handset and save it in %1?</source>
        <extracomment>%1: the phone-book file synced with the handset.</extracomment>
        <translation>Het samengevoegde telefoonboek naar de handset verzenden en opslaan in %1?</translation>
    </message>
    <message>
        <source>Send the merged phone book to the handset? %1 holds it already.</source>
        <extracomment>%1: the phone-book file synced with the handset, which holds the merged book already.</extracomment>
        <translation>Het samengevoegde telefoonboek naar de handset verzenden? %1 bevat het al.</translation>
    </message>
    <message>
        <source>Save the merged phone book in %1? The handset holds it already.</source>
        <extracomment>%1: the phone-book file synced with the handset, which already holds the merged book.</extracomment>
        <translation>Het samengevoegde telefoonboek opslaan in %1? De handset bevat het al.</translation>
    </message>
    <message>
        <source>The handset holds the merged phone book; a sync again saves it in %1.</source>
        <extracomment>%1: the phone-book file that could not be saved after the send.</extracomment>
        <translation>De handset bevat het samengevoegde telefoonboek; een nieuwe synchronisatie slaat het op in %1.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>%1: the phone-book file the merged book was saved in.</extracomment>
        <translation>%1 opgeslagen</translation>
    </message>
    <message>
        <source>No earlier sync of this handset with %1 is known: the entries of both are kept, and nothing is deleted.</source>
        <extracomment>%1: the phone-book file synced with the handset.</extracomment>
        <translation>Er is geen eerdere synchronisatie van deze handset met %1 bekend: de vermeldingen van beide kanten blijven behouden en er wordt niets verwijderd.</translation>
    </message>
    <message>
        <source>%1 is as it was.</source>
        <extracomment>%1: the phone-book file synced with the handset, left as it was after a failed send.</extracomment>
        <translation>%1 is ongewijzigd.</translation>
    </message>
    <message>
        <source>The next sync with this handset keeps the entries of both sides and deletes none.</source>
        <translation>De volgende synchronisatie met deze handset behoudt de vermeldingen van beide kanten en verwijdert er geen.</translation>
    </message>
</context>
<context>
    <name>PhonebookPage</name>
    <message>
        <source>Name Edit</source>
        <translation>naamwijziging</translation>
    </message>
    <message>
        <source>Number Edit</source>
        <translation>nummerwijziging</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>%1 is the step undone, &quot;New Entry&quot; say.</extracomment>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>%1 is the step redone, &quot;New Entry&quot; say.</extracomment>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>herstel</translation>
    </message>
    <message>
        <source>New Entry</source>
        <translation>nieuwe vermelding</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>verwijderen</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>sorteren</translation>
    </message>
    <message>
        <source>New Phonebook</source>
        <translation>nieuw telefoonboek</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>importeren</translation>
    </message>
    <message>
        <source>Get Phonebook</source>
        <translation>telefoonboek ophalen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>openen</translation>
    </message>
    <message>
        <source>Send the phone book it had before (kept in %1) back to it?</source>
        <translation>Het telefoonboek dat de handset eerder had (bewaard in %1) terugsturen?</translation>
    </message>
    <message>
        <source>Open phone book</source>
        <translation>Telefoonboek openen</translation>
    </message>
    <message>
        <source>Save phone book</source>
        <translation>Telefoonboek opslaan</translation>
    </message>
    <message>
        <source>New phone book</source>
        <translation>Nieuw telefoonboek</translation>
    </message>
    <message>
        <source>Get the phone book from the handset</source>
        <translation>Telefoonboek ophalen van de handset</translation>
    </message>
    <message>
        <source>Send the phone book to the handset</source>
        <translation>Telefoonboek verzenden naar de handset</translation>
    </message>
    <message>
        <source>Import or export contacts</source>
        <translation>Contacten importeren of exporteren</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Nieuwe vermelding</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation>Selectie opheffen</translation>
    </message>
    <message>
        <source>Delete selected entries</source>
        <translation>Geselecteerde vermeldingen verwijderen</translation>
    </message>
    <message>
        <source>Orvak web site</source>
        <translation>Website van Orvak</translation>
    </message>
    <message>
        <source>Save changes to current phonebook loaded?</source>
        <translation>Wijzigingen in het geladen telefoonboek opslaan?</translation>
    </message>
    <message>
        <source>The handset&apos;s phone book could not be kept before the send, so nothing was sent.</source>
        <translation>Het telefoonboek van de handset kon vóór het verzenden niet worden bewaard, dus er is niets verzonden.</translation>
    </message>
    <message>
        <source>The program did not close normally last time, and a phone book had changes that were not saved. Restore that phone book?</source>
        <translation>Het programma is de vorige keer niet normaal afgesloten en een telefoonboek had niet-opgeslagen wijzigingen. Dat telefoonboek herstellen?</translation>
    </message>
    <message>
        <source>Phone book entries</source>
        <translation>Telefoonboekvermeldingen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>%1 ongedaan maken</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>%1 opnieuw uitvoeren</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n contacts to %1.</source>
        <translation>
            <numerusform>%n contact geëxporteerd naar %1.</numerusform>
            <numerusform>%n contacten geëxporteerd naar %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Opgeslagen in %1.</translation>
    </message>
    <message numerus="yes">
        <source>Phone book sent: %n entries.</source>
        <translation>
            <numerusform>Telefoonboek verzonden: %n vermelding.</numerusform>
            <numerusform>Telefoonboek verzonden: %n vermeldingen.</numerusform>
        </translation>
    </message>
    <message>
        <source>dialbook pull FILE.opbk</source>
        <translation>dialbook pull FILE.opbk</translation>
    </message>
    <message>
        <source>The phone book of this handset model (0x%1) is not supported in this window; use the dialbook command: %2</source>
        <translation>Het telefoonboek van dit handsetmodel (0x%1) wordt in dit venster niet ondersteund; gebruik de opdracht dialbook: %2</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>synchronisatie</translation>
    </message>
    <message>
        <source>Sync the phone book with the handset</source>
        <translation>Telefoonboek synchroniseren met de handset</translation>
    </message>
    <message>
        <source>Select &amp;Duplicates</source>
        <translation>&amp;Dubbele vermeldingen selecteren</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate entries selected.</source>
        <translation>
            <numerusform>%n dubbele vermelding geselecteerd.</numerusform>
            <numerusform>%n dubbele vermeldingen geselecteerd.</numerusform>
        </translation>
    </message>
    <message>
        <source>No duplicate entries found.</source>
        <translation>Geen dubbele vermeldingen gevonden.</translation>
    </message>
    <message>
        <source>The handset and this phone book are already in step: nothing was changed.</source>
        <translation>De handset en dit telefoonboek zijn al gelijk: er is niets gewijzigd.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries without a name or a number stay in this phone book and are not sent.</source>
        <translation>
            <numerusform>%n vermelding zonder naam of nummer blijft in dit telefoonboek en wordt niet verzonden.</numerusform>
            <numerusform>%n vermeldingen zonder naam of nummer blijven in dit telefoonboek en worden niet verzonden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Phone book synced: the handset holds %n entries.</source>
        <translation>
            <numerusform>Telefoonboek gesynchroniseerd: de handset bevat %n vermelding.</numerusform>
            <numerusform>Telefoonboek gesynchroniseerd: de handset bevat %n vermeldingen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The handset holds the synced phone book and the list shows it, but its file was not saved: save it to keep it.</source>
        <translation>De handset bevat het gesynchroniseerde telefoonboek en de lijst toont het, maar het bestand is niet opgeslagen: sla het op om het te bewaren.</translation>
    </message>
</context>
<context>
    <name>PhonebookSend</name>
    <message>
        <source>The phone book to send has no entries with both a name and a number.</source>
        <translation>Het te verzenden telefoonboek heeft geen vermeldingen met zowel een naam als een nummer.</translation>
    </message>
    <message>
        <source>This deletes all entries on the handset.</source>
        <translation>Hiermee worden alle vermeldingen op de handset verwijderd.</translation>
    </message>
    <message numerus="yes">
        <source>This deletes all %n entries on the handset.</source>
        <translation>
            <numerusform>Hiermee wordt de %n vermelding op de handset verwijderd.</numerusform>
            <numerusform>Hiermee worden alle %n vermeldingen op de handset verwijderd.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
%2
Send it anyway?</source>
        <translation>%1
%2
Toch verzenden?</translation>
    </message>
</context>
<context>
    <name>PhonebookSync</name>
    <message numerus="yes">
        <source>The merged phone book would hold %n entries (the handset&apos;s has %L1, the computer&apos;s %L2), but the handset holds at most 100. Nothing was sent or written.</source>
        <extracomment>%n: the entries the merge gives; %L1 and %L2: the entries of the two books merged.</extracomment>
        <translation>
            <numerusform>Het samengevoegde telefoonboek zou %n vermelding bevatten (dat van de handset heeft er %L1, dat van de computer %L2), maar de handset kan er maximaal 100 bevatten. Er is niets verzonden of geschreven.</numerusform>
            <numerusform>Het samengevoegde telefoonboek zou %n vermeldingen bevatten (dat van de handset heeft er %L1, dat van de computer %L2), maar de handset kan er maximaal 100 bevatten. Er is niets verzonden of geschreven.</numerusform>
        </translation>
    </message>
    <message>
        <source>added</source>
        <extracomment>A kind of change of a sync, the first word of its line.</extracomment>
        <translation>toegevoegd</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>gewijzigd</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>verwijderd</translation>
    </message>
    <message>
        <source>kept-over-delete</source>
        <translation>behouden</translation>
    </message>
    <message>
        <source>conflict</source>
        <translation>conflict</translation>
    </message>
    <message>
        <source>both kept</source>
        <translation>beide behouden</translation>
    </message>
    <message>
        <source>the handset&apos;s taken</source>
        <translation>versie van de handset gekozen</translation>
    </message>
    <message>
        <source>the computer&apos;s taken</source>
        <translation>versie van de computer gekozen</translation>
    </message>
    <message>
        <source>handset: %1 | computer: %2 (%3)</source>
        <extracomment>A conflict: %1 the handset&apos;s version, %2 the computer&apos;s, %3 which one is taken.</extracomment>
        <translation>handset: %1 | computer: %2 (%3)</translation>
    </message>
    <message>
        <source>on the handset</source>
        <translation>op de handset</translation>
    </message>
    <message>
        <source>on the computer</source>
        <translation>op de computer</translation>
    </message>
    <message>
        <source>on both</source>
        <translation>op beide</translation>
    </message>
    <message>
        <source>changed on the computer, deleted on the handset</source>
        <translation>gewijzigd op de computer, verwijderd op de handset</translation>
    </message>
    <message>
        <source>changed on the handset, deleted on the computer</source>
        <translation>gewijzigd op de handset, verwijderd op de computer</translation>
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
        <translation>%L1 toegevoegd, %L2 gewijzigd, %L3 verwijderd, %L4 behouden ondanks verwijdering, %L5 in conflict; %L6 van 100 vermeldingen.</translation>
    </message>
</context>
<context>
    <name>PictureCanvas</name>
    <message>
        <source>Picture</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>Drag the red frame, or move it with the arrow keys (Shift: faster); + and - zoom.</source>
        <translation>Sleep het rode kader of verplaats het met de pijltoetsen (Shift: sneller); + en - zoomen.</translation>
    </message>
</context>
<context>
    <name>PictureCommands</name>
    <message>
        <source>Wrote the handset picture to %1</source>
        <translation>Handsetafbeelding geschreven naar %1</translation>
    </message>
    <message>
        <source>Sent the picture to the handset</source>
        <translation>Afbeelding naar de handset verzonden</translation>
    </message>
</context>
<context>
    <name>PicturePage</name>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Linksom draaien</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Rechtsom draaien</translation>
    </message>
    <message>
        <source>Brightness and contrast</source>
        <translation>Helderheid en contrast</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Kleurbalans</translation>
    </message>
    <message>
        <source>Send to phone</source>
        <translation>Naar telefoon verzenden</translation>
    </message>
    <message>
        <source>Orvak web site</source>
        <translation>Website van Orvak</translation>
    </message>
    <message>
        <source>dialbook send-picture PICTURE</source>
        <translation>dialbook send-picture PICTURE</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Opgeslagen in %1.</translation>
    </message>
    <message>
        <source>Picture sent.</source>
        <translation>Afbeelding verzonden.</translation>
    </message>
    <message>
        <source>Pictures for this handset model (0x%1) are not supported in this window; use the dialbook command: %2</source>
        <translation>Afbeeldingen voor dit handsetmodel (0x%1) worden in dit venster niet ondersteund; gebruik de opdracht dialbook: %2</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>SimSocketSource</name>
    <message>
        <source>socket path too long</source>
        <translation>socketpad te lang</translation>
    </message>
    <message>
        <source>no handset answers (stale socket)</source>
        <translation>geen handset antwoordt (verouderde socket)</translation>
    </message>
    <message>
        <source>no greeting from the handset</source>
        <translation>geen begroeting van de handset</translation>
    </message>
    <message>
        <source>not a simulated handset</source>
        <translation>geen gesimuleerde handset</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Not Permitted</source>
        <translation>Geen toegang</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbonden</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Niet verbonden</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About the Orvak Dialbook...</source>
        <extracomment>String 101</extracomment>
        <translation>&amp;Over Orvak Dialbook...</translation>
    </message>
    <message>
        <source>Slide to adjust Red color of phone image.</source>
        <extracomment>String 102</extracomment>
        <translation>Schuif om de roodwaarde van de telefoonafbeelding aan te passen.</translation>
    </message>
    <message>
        <source>Error: Could not send data to phone.</source>
        <extracomment>String 103
----------
String 57354</extracomment>
        <translation>Fout: kan geen gegevens naar de telefoon verzenden.</translation>
    </message>
    <message>
        <source>Open a graphic file on your computer.</source>
        <extracomment>String 105</extracomment>
        <translation>Een afbeeldingsbestand op uw computer openen.</translation>
    </message>
    <message>
        <source>Save the Phone Graphic file.</source>
        <extracomment>String 106</extracomment>
        <translation>Het telefoonafbeeldingsbestand opslaan.</translation>
    </message>
    <message>
        <source>Learn more about the<byte value="xd"/>
Orvak Dialbook.</source>
        <extracomment>String 107</extracomment>
        <translation>Meer informatie over<byte value="xd"/>
Orvak Dialbook.</translation>
    </message>
    <message>
        <source>Zoom in on the picture.</source>
        <extracomment>String 108</extracomment>
        <translation>Inzoomen op de afbeelding.</translation>
    </message>
    <message>
        <source>Zoom out on the picture.</source>
        <extracomment>String 109</extracomment>
        <translation>Uitzoomen op de afbeelding.</translation>
    </message>
    <message>
        <source>Rotate the picture to the Left.</source>
        <extracomment>String 110</extracomment>
        <translation>De afbeelding naar links draaien.</translation>
    </message>
    <message>
        <source>Rotate the picture to the Right.</source>
        <extracomment>String 111</extracomment>
        <translation>De afbeelding naar rechts draaien.</translation>
    </message>
    <message>
        <source>Adjust Brightness and Contrast.</source>
        <extracomment>String 112</extracomment>
        <translation>Helderheid en contrast aanpassen.</translation>
    </message>
    <message>
        <source>Edit Red, Green and Blue Colors.</source>
        <extracomment>String 113</extracomment>
        <translation>Rood, groen en blauw bewerken.</translation>
    </message>
    <message>
        <source>Download the selected
<byte value="xd"/>image to the phone.</source>
        <extracomment>String 114</extracomment>
        <translation>De geselecteerde
<byte value="xd"/>afbeelding naar de telefoon sturen.</translation>
    </message>
    <message>
        <source>Slide to adjust Green color of phone image.</source>
        <extracomment>String 115</extracomment>
        <translation>Schuif om de groenwaarde van de telefoonafbeelding aan te passen.</translation>
    </message>
    <message>
        <source>Slide to adjust Blue color of phone image.</source>
        <extracomment>String 117</extracomment>
        <translation>Schuif om de blauwwaarde van de telefoonafbeelding aan te passen.</translation>
    </message>
    <message>
        <source>Could not start the Graphics Interface.  Exiting.</source>
        <extracomment>String 118</extracomment>
        <translation>Kan de grafische interface niet starten. Het programma wordt afgesloten.</translation>
    </message>
    <message>
        <source>Starting Image Download...</source>
        <extracomment>String 132</extracomment>
        <translation>Overdracht van afbeelding starten...</translation>
    </message>
    <message>
        <source>Error: Could not retrieve image to download.</source>
        <extracomment>String 133</extracomment>
        <translation>Fout: kan de over te zetten afbeelding niet ophalen.</translation>
    </message>
    <message>
        <source>Loading Image file.  Please wait...</source>
        <extracomment>String 135</extracomment>
        <translation>Afbeeldingsbestand laden. Even geduld...</translation>
    </message>
    <message>
        <source>Error: Can not write over currently opened image.  Please choose new image name or folder to save image to.</source>
        <extracomment>String 136</extracomment>
        <translation>Fout: kan de geopende afbeelding niet overschrijven. Kies een nieuwe naam of een andere map om de afbeelding in op te slaan.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Memory storage on handset is full.
Please delete one or more pictures or sound clips on handset.</source>
        <extracomment>String 137</extracomment>
        <translation>Overzetten niet mogelijk! Het geheugen van de handset is vol.
Verwijder een of meer afbeeldingen of geluidsfragmenten op de handset.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Handset in use.</source>
        <extracomment>String 138</extracomment>
        <translation>Overzetten niet mogelijk! De handset is in gebruik.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Incoming call on handset.</source>
        <extracomment>String 139</extracomment>
        <translation>Overzetten niet mogelijk! Inkomende oproep op de handset.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Low battery detected on handset.</source>
        <extracomment>String 140</extracomment>
        <translation>Overzetten niet mogelijk! De batterij van de handset is bijna leeg.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Sound clip record/playback in progress on handset.</source>
        <extracomment>String 141</extracomment>
        <translation>Overzetten niet mogelijk! Op de handset wordt een geluidsfragment opgenomen/afgespeeld.</translation>
    </message>
    <message>
        <source>Can&apos;t download!  Handset canceled the image download.</source>
        <extracomment>String 142</extracomment>
        <translation>Overzetten niet mogelijk! De handset heeft de overdracht van de afbeelding geannuleerd.</translation>
    </message>
    <message>
        <source>Press this TAB to open the Graphics Editor</source>
        <extracomment>String 144</extracomment>
        <translation>Klik op dit tabblad om de afbeeldingseditor te openen</translation>
    </message>
    <message>
        <source>Error: The file was too large and was rejected by the phone.</source>
        <extracomment>String 155</extracomment>
        <translation>Fout: het bestand was te groot en is door de telefoon geweigerd.</translation>
    </message>
    <message>
        <source> No File Loaded</source>
        <extracomment>String 157</extracomment>
        <translation> Geen bestand geladen</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)|*.bmp||</source>
        <extracomment>String 159</extracomment>
        <translation>Bitmap (*.bmp)|*.bmp||</translation>
    </message>
    <message>
        <source>Slide to adjust brightness of phone image.</source>
        <extracomment>String 162</extracomment>
        <translation>Schuif om de helderheid van de telefoonafbeelding aan te passen.</translation>
    </message>
    <message>
        <source>Slide to adjust contrast of phone image.</source>
        <extracomment>String 163</extracomment>
        <translation>Schuif om het contrast van de telefoonafbeelding aan te passen.</translation>
    </message>
    <message>
        <source>Error: Could not read data from phone.</source>
        <extracomment>String 164</extracomment>
        <translation>Fout: kan geen gegevens van de telefoon lezen.</translation>
    </message>
    <message>
        <source>Canceling Phonebook Transfer...</source>
        <extracomment>String 165</extracomment>
        <translation>Overdracht van telefoonboek annuleren...</translation>
    </message>
    <message>
        <source>Data transfer canceled.</source>
        <extracomment>String 167</extracomment>
        <translation>Gegevensoverdracht geannuleerd.</translation>
    </message>
    <message>
        <source>Receiving phonebook from handset...</source>
        <extracomment>String 169</extracomment>
        <translation>Telefoonboek ontvangen van handset...</translation>
    </message>
    <message>
        <source>Sending phonebook records to phone...</source>
        <extracomment>String 170</extracomment>
        <translation>Telefoonboekvermeldingen naar telefoon verzenden...</translation>
    </message>
    <message>
        <source>Sending phonebook record:</source>
        <extracomment>String 172</extracomment>
        <translation>Telefoonboekvermelding verzenden:</translation>
    </message>
    <message>
        <source>Press this tab to access the Phonebook Editor</source>
        <extracomment>String 174</extracomment>
        <translation>Klik op dit tabblad om de telefoonboekeditor te openen</translation>
    </message>
    <message>
        <source>Press this tab to access the welcome dialog.</source>
        <extracomment>String 175</extracomment>
        <translation>Klik op dit tabblad om het welkomstvenster te openen.</translation>
    </message>
    <message>
        <source>Maximum phonebook records reached.  Please delete some records and try again.</source>
        <extracomment>String 182</extracomment>
        <translation>Maximumaantal telefoonboekvermeldingen bereikt. Verwijder enkele vermeldingen en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>String 184</extracomment>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <extracomment>String 185</extracomment>
        <translation>Telefoonnummer</translation>
    </message>
    <message>
        <source>Error: Bitmap does not exist.</source>
        <extracomment>String 188</extracomment>
        <translation>Fout: de bitmap bestaat niet.</translation>
    </message>
    <message>
        <source>Phonebook (*.opbk)|*.opbk||</source>
        <extracomment>String 191</extracomment>
        <translation>Telefoonboek (*.opbk)|*.opbk||</translation>
    </message>
    <message>
        <source>Orvak Phonebook Files (*.opbk)|*.opbk|All Files (*.*)|*.*||</source>
        <extracomment>String 192</extracomment>
        <translation>Orvak-telefoonboekbestanden (*.opbk)|*.opbk|Alle bestanden (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Error: Could not write to the file.</source>
        <extracomment>String 193</extracomment>
        <translation>Fout: kan niet naar het bestand schrijven.</translation>
    </message>
    <message>
        <source>Error: Could not read file.</source>
        <extracomment>String 194</extracomment>
        <translation>Fout: kan het bestand niet lezen.</translation>
    </message>
    <message>
        <source>Warning: This will overwrite the phonebook on the handset.  Do you want to proceed?</source>
        <extracomment>String 195</extracomment>
        <translation>Waarschuwing: hiermee wordt het telefoonboek op de handset overschreven. Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>Error: No records to write.</source>
        <extracomment>String 199</extracomment>
        <translation>Fout: geen vermeldingen om te schrijven.</translation>
    </message>
    <message>
        <source>Error: Could not open file.</source>
        <extracomment>String 201</extracomment>
        <translation>Fout: kan het bestand niet openen.</translation>
    </message>
    <message>
        <source>Error: Could not write to the file specified.</source>
        <extracomment>String 202</extracomment>
        <translation>Fout: kan niet naar het opgegeven bestand schrijven.</translation>
    </message>
    <message>
        <source>Error: Map index out of range</source>
        <extracomment>String 214</extracomment>
        <translation>Fout: koppelingsindex buiten bereik</translation>
    </message>
    <message>
        <source>Error: Variable index is out of range</source>
        <extracomment>String 217</extracomment>
        <translation>Fout: variabele-index buiten bereik</translation>
    </message>
    <message>
        <source>Error: Index is already assigned.</source>
        <extracomment>String 218</extracomment>
        <translation>Fout: de index is al toegewezen.</translation>
    </message>
    <message>
        <source>Error: Could not import file.</source>
        <extracomment>String 219</extracomment>
        <translation>Fout: kan het bestand niet importeren.</translation>
    </message>
    <message>
        <source>Error: No columns selected for import.</source>
        <extracomment>String 221</extracomment>
        <translation>Fout: geen kolommen geselecteerd voor import.</translation>
    </message>
    <message>
        <source>Receiving handset information.</source>
        <extracomment>String 222</extracomment>
        <translation>Handsetgegevens ontvangen.</translation>
    </message>
    <message>
        <source>Error: Data returned from the handset is in error.</source>
        <extracomment>String 261</extracomment>
        <translation>Fout: de gegevens van de handset zijn onjuist.</translation>
    </message>
    <message>
        <source>Error:  Unable to complete data transfer.</source>
        <extracomment>String 262
----------
String 370</extracomment>
        <translation>Fout: kan de gegevensoverdracht niet voltooien.</translation>
    </message>
    <message>
        <source>Error: Could not read handset settings from handset.</source>
        <extracomment>String 263</extracomment>
        <translation>Fout: kan de instellingen van de handset niet lezen.</translation>
    </message>
    <message>
        <source>Sending image to phone...</source>
        <extracomment>String 264</extracomment>
        <translation>Afbeelding naar telefoon verzenden...</translation>
    </message>
    <message>
        <source>Click this link to open the Orvak web site.</source>
        <extracomment>String 269</extracomment>
        <translation>Klik op deze koppeling om de website van Orvak te openen.</translation>
    </message>
    <message>
        <source>Open a phonebook from disk.</source>
        <extracomment>String 270</extracomment>
        <translation>Een telefoonboek van schijf openen.</translation>
    </message>
    <message>
        <source>Save the phonebook to disk.</source>
        <extracomment>String 271</extracomment>
        <translation>Het telefoonboek op schijf opslaan.</translation>
    </message>
    <message>
        <source>Create a new phonebook.</source>
        <extracomment>String 272</extracomment>
        <translation>Een nieuw telefoonboek maken.</translation>
    </message>
    <message>
        <source>Transfer the phonebook from the handset.</source>
        <extracomment>String 273</extracomment>
        <translation>Het telefoonboek van de handset overzetten.</translation>
    </message>
    <message>
        <source>Transfer the phonebook to the handset.</source>
        <extracomment>String 274</extracomment>
        <translation>Het telefoonboek naar de handset overzetten.</translation>
    </message>
    <message>
        <source>Select all phonebook entries.</source>
        <extracomment>String 275</extracomment>
        <translation>Alle telefoonboekvermeldingen selecteren.</translation>
    </message>
    <message>
        <source>De-select all phonebook entries.</source>
        <extracomment>String 276</extracomment>
        <translation>Selectie van alle telefoonboekvermeldingen opheffen.</translation>
    </message>
    <message>
        <source>Delete selected phonebook entries.</source>
        <extracomment>String 277</extracomment>
        <translation>Geselecteerde telefoonboekvermeldingen verwijderen.</translation>
    </message>
    <message>
        <source>Create a new phonebook entry.</source>
        <extracomment>String 278</extracomment>
        <translation>Een nieuwe telefoonboekvermelding maken.</translation>
    </message>
    <message>
        <source>Import/Export all or selected phonebook entries.</source>
        <extracomment>String 279</extracomment>
        <translation>Alle of geselecteerde telefoonboekvermeldingen importeren/exporteren.</translation>
    </message>
    <message>
        <source>Preparing to receive phonebook from phone...</source>
        <extracomment>String 321</extracomment>
        <translation>Ontvangen van telefoonboek van telefoon voorbereiden...</translation>
    </message>
    <message>
        <source>Transferring phonebook record:</source>
        <extracomment>String 322</extracomment>
        <translation>Telefoonboekvermelding overzetten:</translation>
    </message>
    <message>
        <source>Version 2.0.1</source>
        <extracomment>String 324</extracomment>
        <translation>Versie 2.0.1</translation>
    </message>
    <message>
        <source>Loading file.  Please wait...</source>
        <extracomment>String 371</extracomment>
        <translation>Bestand laden. Even geduld...</translation>
    </message>
    <message>
        <source>Saving file.  Please wait...</source>
        <extracomment>String 372</extracomment>
        <translation>Bestand opslaan. Even geduld...</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <extracomment>String 373</extracomment>
        <translation>Niet verbonden</translation>
    </message>
    <message>
        <source>Warning: some of the phonebook records contain empty names and/or phone numbers.  These records will not be transferred to the handset.  Do you want to continue with the phonebook transfer?</source>
        <extracomment>String 374</extracomment>
        <translation>Waarschuwing: sommige telefoonboekvermeldingen bevatten lege namen en/of telefoonnummers. Deze vermeldingen worden niet naar de handset overgezet. Wilt u doorgaan met de overdracht van het telefoonboek?</translation>
    </message>
    <message>
        <source>Error: No memory left.</source>
        <extracomment>String 57345</extracomment>
        <translation>Fout: geen geheugen meer beschikbaar.</translation>
    </message>
    <message>
        <source>Canceling Image Download...</source>
        <extracomment>String 57346</extracomment>
        <translation>Overdracht van afbeelding annuleren...</translation>
    </message>
    <message>
        <source>Requesting to send image to phone...</source>
        <extracomment>String 57348</extracomment>
        <translation>Verzoek om afbeelding naar telefoon te verzenden...</translation>
    </message>
    <message>
        <source>Error: Phone not found.</source>
        <extracomment>String 57350</extracomment>
        <translation>Fout: telefoon niet gevonden.</translation>
    </message>
    <message>
        <source>Error: Phone reported image report size too large.</source>
        <extracomment>String 57351</extracomment>
        <translation>Fout: de telefoon meldt een te grote reportgrootte voor de afbeelding.</translation>
    </message>
    <message>
        <source>Error: CreateEvent failed.</source>
        <extracomment>String 57352</extracomment>
        <translation>Fout: CreateEvent mislukt.</translation>
    </message>
    <message>
        <source>The handset plugged in now is not the one this phone book was kept from, so it was not sent to it.</source>
        <extracomment>String 57400</extracomment>
        <translation>De nu aangesloten handset is niet de handset waarvan dit telefoonboek is bewaard, dus het is er niet naartoe verzonden.</translation>
    </message>
    <message>
        <source>All Graphic Files (*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz)|*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz|Bitmaps (*.bmp)|*.bmp|WebP Pictures (*.webp)|*.webp|SVG Drawings (*.svg;*.svgz)|*.svg;*.svgz|All Files (*.*)|*.*||</source>
        <extracomment>String 116</extracomment>
        <translation>Alle afbeeldingsbestanden (*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz)|*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz|Bitmaps (*.bmp)|*.bmp|WebP-afbeeldingen (*.webp)|*.webp|SVG-tekeningen (*.svg;*.svgz)|*.svg;*.svgz|Alle bestanden (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Error: Image file could not be loaded.</source>
        <extracomment>String 156</extracomment>
        <translation>Fout: kan het afbeeldingsbestand niet laden.</translation>
    </message>
    <message>
        <source>Error: Image failed to save.</source>
        <extracomment>String 160</extracomment>
        <translation>Fout: kan de afbeelding niet opslaan.</translation>
    </message>
    <message>
        <source>Put the handset&apos;s phone book and this one together, showing the changes first.</source>
        <extracomment>String 57401</extracomment>
        <translation>Het telefoonboek van de handset met dit telefoonboek samenvoegen en eerst de wijzigingen tonen.</translation>
    </message>
    <message>
        <source>The handset&apos;s phone book changed after it was received, so nothing was sent to it. Sync again.</source>
        <extracomment>String 57402</extracomment>
        <translation>Het telefoonboek van de handset is na het ontvangen gewijzigd, dus er is niets naar verzonden. Synchroniseer opnieuw.</translation>
    </message>
</context>
<context>
    <name>SyncPreviewDialog</name>
    <message>
        <source>Sync with the Handset</source>
        <translation>Synchroniseren met de handset</translation>
    </message>
    <message>
        <source>This is the first sync with this handset: its phone book and the computer&apos;s are merged.</source>
        <translation>Dit is de eerste synchronisatie met deze handset: het telefoonboek van de handset en dat van de computer worden samengevoegd.</translation>
    </message>
    <message>
        <source>What changed on the handset and on the computer since the last sync:</source>
        <translation>Wat er sinds de laatste synchronisatie op de handset en op de computer is gewijzigd:</translation>
    </message>
    <message>
        <source>Changes to sync</source>
        <translation>Te synchroniseren wijzigingen</translation>
    </message>
    <message>
        <source>No entry was added, changed or deleted on either side.</source>
        <translation>Aan geen van beide kanten is een vermelding toegevoegd, gewijzigd of verwijderd.</translation>
    </message>
    <message>
        <source>Space includes or leaves out the selected change. On a conflict, Left and Right choose the version to take, and F2 opens the list of versions.</source>
        <translation>Met de spatiebalk neemt u de geselecteerde wijziging op of laat u die weg. Bij een conflict kiest u met Pijl-links en Pijl-rechts de versie die u wilt gebruiken, en F2 opent de lijst met versies.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchroniseren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>The handset would have to hold %L1 entries, but it holds at most 100. Leave out additions, or take one version of a conflict, to sync.</source>
        <extracomment>%1: the entries the merged phone book would hold, more than the handset&apos;s 100.</extracomment>
        <translation>De handset zou %L1 vermeldingen moeten bevatten, maar kan er maximaal 100 bevatten. Laat toevoegingen weg of kies bij een conflict één versie om te kunnen synchroniseren.</translation>
    </message>
    <message>
        <source>The handset will hold %L1 of 100 entries.</source>
        <extracomment>%1: the entries the handset will hold after the sync.</extracomment>
        <translation>De handset zal %L1 van de 100 vermeldingen bevatten.</translation>
    </message>
</context>
<context>
    <name>SyncPreviewModel</name>
    <message>
        <source>Handset</source>
        <translation>Handset</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>%1 (left out)</source>
        <extracomment>A change of a sync that the person left out: %1 its kind (&quot;added&quot;).</extracomment>
        <translation>%1 (weggelaten)</translation>
    </message>
    <message>
        <source>%1 (duplicate)</source>
        <extracomment>A change whose entry the merged phone book would hold twice.</extracomment>
        <translation>%1 (dubbel)</translation>
    </message>
    <message>
        <source>Included</source>
        <translation>Opgenomen</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Weggelaten</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Opnemen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wijziging</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Vermelding</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Kiezen</translation>
    </message>
    <message>
        <source>The merged phone book also holds %1, with the same number.</source>
        <extracomment>%1: another entry of the merged phone book (&quot;Ana Lima 555 0101&quot;).</extracomment>
        <translation>Het samengevoegde telefoonboek bevat ook %1, met hetzelfde nummer.</translation>
    </message>
    <message>
        <source>The merged phone book also holds %1, under the same name.</source>
        <extracomment>%1: another entry of the merged phone book (&quot;Ana Lima 555 0101&quot;).</extracomment>
        <translation>Het samengevoegde telefoonboek bevat ook %1, onder dezelfde naam.</translation>
    </message>
</context>
<context>
    <name>SyncSideDelegate</name>
    <message>
        <source>Version to take</source>
        <translation>Te kiezen versie</translation>
    </message>
</context>
<context>
    <name>TabPage</name>
    <message>
        <source>An Orvak handset is plugged in, but you may not open it yet.</source>
        <translation>Er is een Orvak-handset aangesloten, maar u hebt er nog geen toegang toe.</translation>
    </message>
    <message>
        <source>Unplug it and plug it in again, so that the udev rule %1 applies to it.</source>
        <translation>Koppel de handset los en sluit hem opnieuw aan, zodat de udev-regel %1 erop van toepassing is.</translation>
    </message>
    <message>
        <source>Install the orvak-dialbook package, whose udev rule %1 lets you open it, then unplug the handset and plug it in again.</source>
        <translation>Installeer het pakket orvak-dialbook, waarvan de udev-regel %1 u toegang geeft, en koppel de handset daarna los en sluit hem opnieuw aan.</translation>
    </message>
    <message>
        <source>To let you open it, install the udev rule from the source tree in a terminal:
%1</source>
        <translation>Installeer in een terminal de udev-regel uit de broncode om er toegang toe te krijgen:
%1</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Orvak web site</source>
        <translation>Website van Orvak</translation>
    </message>
</context>
</TS>
