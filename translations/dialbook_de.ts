<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About the Orvak Dialbook</source>
        <translation>Über Orvak Dialbook</translation>
    </message>
    <message>
        <source>Phone book and picture manager for Orvak handsets.</source>
        <translation>Telefonbuch- und Bildverwaltung für Orvak-Mobilteile.</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Your handset, on your computer</source>
        <translation>Ihr Mobilteil auf Ihrem Computer</translation>
    </message>
    <message>
        <source>Phone Book</source>
        <translation>Telefonbuch</translation>
    </message>
    <message>
        <source>Handset</source>
        <translation>Mobilteil</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>On the handset</source>
        <translation>Auf dem Mobilteil</translation>
    </message>
    <message>
        <source>Visit the Orvak web site</source>
        <translation>Orvak-Website besuchen</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Keep your handset&apos;s phone book and pictures on your computer. Receive the phone book, edit it, save it, and send it back; frame a picture and download it to the handset.</source>
        <translation>Bewahren Sie Telefonbuch und Bilder Ihres Mobilteils auf Ihrem Computer auf. Empfangen Sie das Telefonbuch, bearbeiten und speichern Sie es und senden Sie es zurück; wählen Sie einen Bildausschnitt und übertragen Sie ihn auf das Mobilteil.</translation>
    </message>
    <message>
        <source>Connect the handset with its USB cable. The status bar below shows its name once it is found. Press Help for how to set up a handset on Linux.</source>
        <translation>Schließen Sie das Mobilteil mit seinem USB-Kabel an. Die Statusleiste unten zeigt seinen Namen, sobald es gefunden wurde. Unter Hilfe erfahren Sie, wie Sie ein Mobilteil unter Linux einrichten.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>New Phonebook</source>
        <translation>Neues Telefonbuch</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Holen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>I/E</source>
        <translation>I/E</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Auswahl aufheben</translation>
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
        <translation>Hell</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Abgl.</translation>
    </message>
</context>
<context>
    <name>BrightnessContrastDialog</name>
    <message>
        <source>Brightness/Contrast</source>
        <translation>Helligkeit/Kontrast</translation>
    </message>
    <message>
        <source>&amp;Brightness</source>
        <translation>&amp;Helligkeit</translation>
    </message>
    <message>
        <source>&amp;Contrast</source>
        <translation>&amp;Kontrast</translation>
    </message>
</context>
<context>
    <name>CardDavClient</name>
    <message numerus="yes">
        <source>%n cards came without their data</source>
        <translation>
            <numerusform>%n Karte kam ohne ihre Daten</numerusform>
            <numerusform>%n Karten kamen ohne ihre Daten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CardDavFailure</name>
    <message>
        <source>The address %1 holds a password. Give the address without it, and the user name and the password apart.</source>
        <translation>Die Adresse %1 enthält ein Passwort. Geben Sie die Adresse ohne Passwort an und Benutzername und Passwort getrennt davon.</translation>
    </message>
    <message>
        <source>%1 is not the address of a server: it must begin with https:// or http://.</source>
        <translation>%1 ist keine Serveradresse: Sie muss mit https:// oder http:// beginnen.</translation>
    </message>
    <message>
        <source>The certificate %1 could not be read: it is no PEM or DER certificate.</source>
        <translation>Das Zertifikat %1 konnte nicht gelesen werden: Es ist kein PEM- oder DER-Zertifikat.</translation>
    </message>
    <message>
        <source>Could not reach %1: %2.</source>
        <translation>%1 konnte nicht erreicht werden: %2.</translation>
    </message>
    <message>
        <source>Could not connect to %1 within %2 seconds.</source>
        <translation>Innerhalb von %2 Sekunden konnte keine Verbindung zu %1 hergestellt werden.</translation>
    </message>
    <message>
        <source>The server at %1 did not answer within %2 seconds.</source>
        <translation>Der Server unter %1 hat nicht innerhalb von %2 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>The server at %1 sent the connection on to %2, which is not encrypted; it was not followed.</source>
        <translation>Der Server unter %1 hat die Verbindung an die unverschlüsselte Adresse %2 weitergeleitet; dieser Weiterleitung wurde nicht gefolgt.</translation>
    </message>
    <message>
        <source>The certificate of %1 was refused: %2.</source>
        <translation>Das Zertifikat von %1 wurde abgelehnt: %2.</translation>
    </message>
    <message>
        <source>The server at %1 refused the user name or the password.</source>
        <translation>Der Server unter %1 hat den Benutzernamen oder das Passwort abgelehnt.</translation>
    </message>
    <message>
        <source>There is nothing at %1 (the server answered 404 Not Found).</source>
        <translation>Unter %1 gibt es nichts (der Server antwortete mit 404 Not Found).</translation>
    </message>
    <message>
        <source>The server at %1 answered %2 %3.</source>
        <translation>Der Server unter %1 antwortete mit %2 %3.</translation>
    </message>
    <message>
        <source>The answer of %1 is larger than %2 MB; nothing was read.</source>
        <translation>Die Antwort von %1 ist größer als %2 MB; es wurde nichts gelesen.</translation>
    </message>
    <message>
        <source>The answer of %1 could not be read: %2.</source>
        <translation>Die Antwort von %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2 address books; give the address of one of them.</source>
        <translation>%1 führt zu %2 Adressbüchern; geben Sie die Adresse eines davon an.</translation>
    </message>
    <message>
        <source>Reading from %1 was cancelled.</source>
        <translation>Das Lesen von %1 wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The server at %1 sent the connection on to %2, another server, which asked for the password; it was not given.</source>
        <translation>Der Server unter %1 hat die Verbindung an %2 weitergeleitet, einen anderen Server, der nach dem Passwort gefragt hat; es wurde ihm nicht gegeben.</translation>
    </message>
    <message>
        <source>%1 shows no address book: it is no CardDAV server, or it keeps none for this user.</source>
        <translation>%1 zeigt kein Adressbuch: Es ist kein CardDAV-Server, oder es hat keines für diesen Benutzer.</translation>
    </message>
</context>
<context>
    <name>ChangeMapDialog</name>
    <message>
        <source>“%1” is mapped from “%2”. Set that row to none first to map it here.</source>
        <translation>„%1“ wird bereits aus „%2“ übernommen. Heben Sie dort zuerst die Zuordnung auf, um es hier zuzuordnen.</translation>
    </message>
    <message>
        <source>Change Mapping</source>
        <translation>Zuordnung ändern</translation>
    </message>
    <message>
        <source>Text Field: %1</source>
        <translation>Textfeld: %1</translation>
    </message>
</context>
<context>
    <name>ChooseOperationPage</name>
    <message>
        <source>Import/Export</source>
        <translation>Import/Export</translation>
    </message>
    <message>
        <source>Select the operation to perform:</source>
        <translation>Wählen Sie den gewünschten Vorgang:</translation>
    </message>
    <message>
        <source>Import contacts from a comma delimited text file.</source>
        <translation>Kontakte aus einer kommagetrennten Textdatei importieren.</translation>
    </message>
    <message>
        <source>Export contacts to a comma delimited text file.</source>
        <translation>Kontakte in eine kommagetrennte Textdatei exportieren.</translation>
    </message>
</context>
<context>
    <name>ColorBalanceDialog</name>
    <message>
        <source>Edit Color Settings</source>
        <translation>Farbeinstellungen bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rot</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Grün</translation>
    </message>
    <message>
        <source>B&amp;lue</source>
        <translation>&amp;Blau</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;dialbook --help&apos;.</source>
        <translation>Siehe &apos;dialbook --help&apos;.</translation>
    </message>
    <message>
        <source>devices takes no arguments</source>
        <translation>devices erwartet keine Argumente</translation>
    </message>
    <message>
        <source>info takes no arguments</source>
        <translation>info erwartet keine Argumente</translation>
    </message>
    <message>
        <source>pull takes one file</source>
        <translation>pull erwartet eine Datei</translation>
    </message>
    <message>
        <source>push takes one file</source>
        <translation>push erwartet eine Datei</translation>
    </message>
    <message>
        <source>show takes one file</source>
        <translation>show erwartet eine Datei</translation>
    </message>
    <message>
        <source>picture takes a picture file and a PNG or BMP file</source>
        <translation>picture erwartet eine Bilddatei und eine PNG- oder BMP-Datei</translation>
    </message>
    <message>
        <source>send-picture takes one file</source>
        <translation>send-picture erwartet eine Datei</translation>
    </message>
    <message>
        <source>backups takes no arguments</source>
        <translation>backups erwartet keine Argumente</translation>
    </message>
    <message>
        <source>import takes a contacts file and a phone-book file</source>
        <translation>import erwartet eine Kontaktdatei und eine Telefonbuchdatei</translation>
    </message>
    <message>
        <source>export takes a phone-book file and a contacts file</source>
        <translation>export erwartet eine Telefonbuchdatei und eine Kontaktdatei</translation>
    </message>
    <message>
        <source>--international-prefix takes digits, such as 00 or 011</source>
        <translation>--international-prefix erwartet Ziffern, etwa 00 oder 011</translation>
    </message>
    <message>
        <source>--first takes a number of contacts, 1 or more</source>
        <translation>--first erwartet eine Anzahl von Kontakten, mindestens 1</translation>
    </message>
    <message>
        <source>--rotate takes left or right</source>
        <translation>--rotate erwartet left oder right</translation>
    </message>
    <message>
        <source>--%1 takes a number of steps</source>
        <translation>--%1 erwartet eine Anzahl von Schritten</translation>
    </message>
    <message>
        <source>--frame takes X,Y</source>
        <translation>--frame erwartet X,Y</translation>
    </message>
    <message>
        <source>--%1 takes a number from -100 to 100</source>
        <translation>--%1 erwartet eine Zahl von -100 bis 100</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>picture writes a .png or a .bmp file</source>
        <translation>picture schreibt eine .png- oder .bmp-Datei</translation>
    </message>
    <message>
        <source>sync takes one file</source>
        <translation>sync erwartet eine Datei</translation>
    </message>
    <message>
        <source>--prefer takes computer or handset</source>
        <translation>--prefer erwartet computer oder handset</translation>
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
        <translation>Aufruf: dialbook [--simulate] COMMAND [ARGS]

Spricht mit dem ersten über USB gefundenen Orvak-Mobilteil oder mit einem simulierten.

Befehle:
  devices          Listet jedes Gerät des Mobilteilherstellers auf: Pfad, vendor:product
                   in Hex, Länge der Eingabe- und Ausgabereports und ob es ein
                   akzeptiertes Mobilteil ist. Geräte, die sich nicht öffnen lassen,
                   werden mit dem Grund aufgeführt; bei einem Mobilteil, das dieser
                   Benutzer nicht öffnen darf, wird auch die Abhilfe genannt (die
                   udev-Regel). Exit-Status 0, wenn ein akzeptiertes Mobilteil da ist,
                   sonst 1.
  info             Gibt den Namen des Mobilteils und seine Kennung (12 Hex-Ziffern) aus
                   oder wie man die Berechtigung zum Öffnen erhält.
  pull FILE.opbk   Empfängt das Telefonbuch des Mobilteils und speichert es in FILE.opbk.
  push FILE.opbk   Sendet das Telefonbuch in FILE.opbk an das Mobilteil und ersetzt das
                   dortige. Fragt vorher nach; Einträge ohne Name oder Nummer werden nach
                   einer zweiten Frage weggelassen. Bleibt kein Eintrag zum Senden
                   übrig, wird gefragt, ob alle Einträge auf dem Mobilteil gelöscht
                   werden sollen (Nein, außer bei j).
                   Das Telefonbuch des Mobilteils wird zuerst in My Phonebooks/Backups
                   gesichert (die 20 neuesten je Mobilteil), außer mit --no-backup.
  sync BOOK.opbk [--prefer computer|handset] [--dry-run]
                   Gleicht das Telefonbuch des Mobilteils mit BOOK.opbk ab: Was seit dem
                   letzten Abgleich dieses Mobilteils auf einer Seite hinzugefügt,
                   geändert oder gelöscht wurde, gelangt auf die andere. Gibt jede
                   Änderung und ihre Herkunft aus und fragt dann einmal nach, bevor das
                   zusammengeführte Telefonbuch an das Mobilteil gesendet (nur wenn sich
                   dessen Telefonbuch unterscheidet) und in BOOK.opbk gespeichert wird.
                   Ein auf beiden Seiten unterschiedlich geänderter Eintrag ist ein
                   Konflikt: Die Version des Computers wird übernommen, außer mit
                   --prefer handset. Der erste Abgleich übernimmt die Einträge beider
                   Telefonbücher, gleiche Einträge nur einmal. Das Telefonbuch des
                   Mobilteils wird zuerst im Ordner Backups gesichert, außer mit
                   --no-backup. Hätte das zusammengeführte Telefonbuch mehr als 100
                   Einträge, wird nichts gesendet oder geschrieben. --dry-run gibt die
                   Änderungen aus und hört dann auf.
  backups          Listet die gesicherten Telefonbücher auf, die neuesten zuerst.
  show FILE.opbk   Gibt die Kennung einer Telefonbuchdatei und eine Zeile je Eintrag aus:
                   den Namen, einen Tabulator, die Nummer.
  picture IN OUT.png|OUT.bmp
                   Erstellt das Mobilteilbild aus IN (BMP, GIF, JPEG, PNG, TIFF, WebP
                   oder SVG) und speichert es als PNG-Datei mit 128 x 128 Pixeln oder als
                   16-Bit-BMP-Datei des Mobilteils. IN wird in die 426 x 300 große
                   Arbeitsfläche der Bildseite eingepasst, mittig gerahmt, auf Weiß. Ein
                   beschädigtes Bild wird auf stderr gemeldet, und der lesbare Teil wird
                   verwendet.
  send-picture IN  Erstellt das Mobilteilbild aus IN und überträgt es auf das Mobilteil.
  import CONTACTS BOOK.opbk [--map phone=COL,first=COL,last=COL] [--dry-run]
                   Hängt die Kontakte einer Textdatei mit Trennzeichen (Kommas,
                   Semikolons oder Tabulatoren; UTF-8, UTF-16 oder Windows-1252) oder
                   einer vCard-Datei an BOOK.opbk an (wird bei Bedarf angelegt), wie es
                   der Import der Telefonbuchseite tut. Gibt die verwendete Zuordnung
                   aus, dann die Anzahl der hinzugefügten Einträge, und auf stderr, was
                   dabei geändert wurde (Nummern aus einer anderen Spalte übernommen oder
                   umgeschrieben, Kontakte ohne Namen weggelassen, ...). COL ist ein
                   Spaltentitel oder eine Spaltennummer ab 1; none hebt eine Zuordnung
                   auf; nicht genannte Ziele behalten die erkannte Spalte. Eine Nummer
                   stammt aus der phone-Spalte oder, wenn diese leer ist, aus den
                   anderen Telefonspalten der Datei, Mobilnummern zuerst;
                   phone=COL1|COL2|... legt die ganze Reihenfolge fest.
                   Werden mehr Kontakte verlangt, als in BOOK.opbk Platz haben (insgesamt
                   100 Einträge), wird nichts geschrieben. --dry-run gibt die Einträge
                   aus und schreibt nichts.
    --international-prefix P   was aus einem führenden + wird (Ziffern; Standard 00)
    --category NAME  nur Kontakte mit dieser Kategorie/Bezeichnung (mehrfach: eine davon)
    --first N        nur die ersten N Kontakte (von denen der Kategorien)
                   CONTACTS kann auch die http(s)-Adresse eines CardDAV-Servers oder
                   eines seiner Adressbücher sein, mit --user NAME: Die Karten werden
                   wie aus einer vCard-Datei gelesen. Ein Server mit mehreren
                   Adressbüchern listet diese auf; geben Sie das zu lesende über seine
                   Adresse an.
  addressbooks URL --user NAME
                   Listet die Adressbücher eines CardDAV-Servers (Nextcloud, iCloud,
                   Fastmail, Radicale, ...) auf, die über seine Adresse gefunden werden,
                   mit der Anzahl ihrer Karten und ihren Adressen.
  export BOOK.opbk OUT.csv|OUT.vcf
                   Schreibt jeden Eintrag von BOOK.opbk als kommagetrennten Text oder
                   als vCard, wenn OUT auf .vcf endet.

Serveroptionen (addressbooks und import von einem Server):
  --user NAME      der Benutzername auf dem Server
  --password-file FILE   liest das Passwort aus der ersten Zeile der Datei FILE, die nur
                   ihr Eigentümer lesen darf (chmod 600). Ohne diese Option kommt das
                   Passwort aus dem Schlüsselbund der Arbeitsumgebung, sonst wird es im
                   Terminal verdeckt abgefragt. Auf der Befehlszeile wird es nie
                   angenommen.
  --save-password  speichert das bei der Abfrage eingegebene Passwort im Schlüsselbund,
                   sobald der Server es angenommen hat
  --ca-file FILE   vertraut zusätzlich diesem Zertifikat (PEM oder DER), für einen
                   Server, der sein eigenes signiert; andere Zertifikate, die sich nicht
                   prüfen lassen, werden abgelehnt

Bildoptionen, in dieser Reihenfolge angewendet:
  --rotate left|right, --zoom-in N, --zoom-out N   beliebig oft, in angegebener Reihenfolge
  --frame X,Y      verschiebt den 128-x-128-Rahmen auf X,Y der Arbeitsfläche (bleibt darin)
  --brightness N, --contrast N, --red N, --green N, --blue N   von -100 bis 100

Optionen:
  --simulate       Mit einem in diesem Prozess simulierten Mobilteil arbeiten.
  --yes            Die Fragen von push und sync mit Ja beantworten, auch das Löschen
                   aller Einträge des Mobilteils, wenn das Telefonbuch keine enthält.
  -h, --help       Diese Hilfe anzeigen.

Übertragungen zeigen im Terminal einen Fortschrittsbalken; Strg+C bricht sie ab
(&quot;Datenübertragung abgebrochen.&quot;). Bei Fehlern wird der Grund ausgegeben und mit 1
beendet; Aufruffehler enden mit 2.
Mit orvak-handset-sim gestartete simulierte Mobilteile werden wie USB-Mobilteile gefunden.
</translation>
    </message>
    <message>
        <source>addressbooks takes the address of a CardDAV server</source>
        <translation>addressbooks erwartet die Adresse eines CardDAV-Servers</translation>
    </message>
    <message>
        <source>a password is never taken on the command line, where every user of this computer can read it; give --password-file FILE, or type it when asked</source>
        <translation>ein Passwort wird nie auf der Befehlszeile angenommen, wo jeder Benutzer dieses Computers es lesen kann; geben Sie --password-file FILE an oder tippen Sie es ein, wenn danach gefragt wird</translation>
    </message>
    <message>
        <source>addressbooks takes an http:// or https:// address</source>
        <translation>addressbooks erwartet eine http://- oder https://-Adresse</translation>
    </message>
    <message>
        <source>a server&apos;s address needs --user NAME</source>
        <translation>eine Serveradresse erfordert --user NAME</translation>
    </message>
    <message>
        <source>--user, --password-file, --ca-file and --save-password are for an address on a server</source>
        <translation>--user, --password-file, --ca-file und --save-password gelten nur für eine Adresse auf einem Server</translation>
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
        <translation>--map erwartet phone=COL,first=COL,last=COL</translation>
    </message>
    <message>
        <source>--map: only phone takes several columns</source>
        <translation>--map: nur phone nimmt mehrere Spalten an</translation>
    </message>
    <message>
        <source>--map: the file has no column &quot;%1&quot;</source>
        <translation>--map: Die Datei hat keine Spalte &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Telefonnummer</translation>
    </message>
    <message>
        <source>Name, first part</source>
        <translation>Name, erster Teil</translation>
    </message>
    <message>
        <source>Name, last part</source>
        <translation>Name, letzter Teil</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>column %1, %2; then %3</source>
        <translation>Spalte %1, %2; dann %3</translation>
    </message>
    <message>
        <source>column %1, %2</source>
        <translation>Spalte %1, %2</translation>
    </message>
    <message>
        <source>%1 holds no contacts to import; nothing was written.</source>
        <translation>%1 enthält keine zu importierenden Kontakte; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>no contact has the category %1; the file has no categories</source>
        <translation>kein Kontakt hat die Kategorie %1; die Datei enthält keine Kategorien</translation>
    </message>
    <message>
        <source>no contact has the category %1; the file&apos;s categories: %2</source>
        <translation>kein Kontakt hat die Kategorie %1; Kategorien der Datei: %2</translation>
    </message>
    <message>
        <source>%1 is full (%2 entries); nothing was written.</source>
        <translation>%1 ist voll (%2 Einträge); es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Choose which with --category NAME or --first N; nothing was written.</source>
        <translation>Wählen Sie die Kontakte mit --category NAME oder --first N aus; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 contacts are asked for; the book has room for %2. Nothing was written.</source>
        <translation>%1 Kontakte verlangt; im Telefonbuch ist Platz für %2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Would add 1 entry to %1 (nothing written)</source>
        <translation>Würde 1 Eintrag zu %1 hinzufügen (nichts geschrieben)</translation>
    </message>
    <message numerus="yes">
        <source>Would add %n entries to %1 (nothing written)</source>
        <translation>
            <numerusform>Würde %n Eintrag zu %1 hinzufügen (nichts geschrieben)</numerusform>
            <numerusform>Würde %n Einträge zu %1 hinzufügen (nichts geschrieben)</numerusform>
        </translation>
    </message>
    <message>
        <source>Added 1 entry to %1</source>
        <translation>1 Eintrag zu %1 hinzugefügt</translation>
    </message>
    <message numerus="yes">
        <source>Added %n entries to %1</source>
        <translation>
            <numerusform>%n Eintrag zu %1 hinzugefügt</numerusform>
            <numerusform>%n Einträge zu %1 hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote 1 entry to %1</source>
        <translation>1 Eintrag in %1 geschrieben</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1</source>
        <translation>
            <numerusform>%n Eintrag in %1 geschrieben</numerusform>
            <numerusform>%n Einträge in %1 geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book holds %1 contacts; the book has room for %2.</source>
        <translation>Das Adressbuch enthält %1 Kontakte; im Telefonbuch ist Platz für %2.</translation>
    </message>
</context>
<context>
    <name>ContactImport</name>
    <message>
        <source>1 character that the handset cannot store was left out of the imported names.</source>
        <translation>1 Zeichen, das das Mobilteil nicht speichern kann, wurde aus den importierten Namen weggelassen.</translation>
    </message>
    <message numerus="yes">
        <source>%n characters that the handset cannot store were left out of the imported names.</source>
        <translation>
            <numerusform>%n Zeichen, das das Mobilteil nicht speichern kann, wurde aus den importierten Namen weggelassen.</numerusform>
            <numerusform>%n Zeichen, die das Mobilteil nicht speichern kann, wurden aus den importierten Namen weggelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1 opens a quoted field that never closes; the rest of the file was read as part of that field.</source>
        <translation>Zeile %1 öffnet ein Feld in Anführungszeichen, das nie geschlossen wird; der Rest der Datei wurde als Teil dieses Felds gelesen.</translation>
    </message>
    <message>
        <source>The file holds more than any phone book import can use; only its lines before line %1 were read.</source>
        <translation>Die Datei enthält mehr, als ein Telefonbuch-Import verwenden kann; nur ihre Zeilen vor Zeile %1 wurden gelesen.</translation>
    </message>
    <message>
        <source>1 number came from another column, as the mapped one was empty.</source>
        <translation>1 Nummer wurde aus einer anderen Spalte übernommen, da die zugeordnete leer war.</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers came from another column, as the mapped one was empty.</source>
        <translation>
            <numerusform>%n Nummer wurde aus einer anderen Spalte übernommen, da die zugeordnete leer war.</numerusform>
            <numerusform>%n Nummern wurden aus einer anderen Spalte übernommen, da die zugeordnete leer war.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 number was rewritten to dial as written (a &quot;+&quot; made the international prefix, a &quot;(0)&quot; dropped, an extension made a pause).</source>
        <translation>1 Nummer wurde so umgeschrieben, dass sie wie geschrieben gewählt wird (&quot;+&quot; als internationales Präfix, &quot;(0)&quot; entfernt, Durchwahl mit Pause).</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers were rewritten to dial as written (a &quot;+&quot; made the international prefix, a &quot;(0)&quot; dropped, an extension made a pause).</source>
        <translation>
            <numerusform>%n Nummer wurde so umgeschrieben, dass sie wie geschrieben gewählt wird (&quot;+&quot; als internationales Präfix, &quot;(0)&quot; entfernt, Durchwahl mit Pause).</numerusform>
            <numerusform>%n Nummern wurden so umgeschrieben, dass sie wie geschrieben gewählt werden (&quot;+&quot; als internationales Präfix, &quot;(0)&quot; entfernt, Durchwahl mit Pause).</numerusform>
        </translation>
    </message>
    <message>
        <source>1 contact had no name and was left out.</source>
        <translation>1 Kontakt hatte keinen Namen und wurde weggelassen.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts had no name and were left out.</source>
        <translation>
            <numerusform>%n Kontakt hatte keinen Namen und wurde weggelassen.</numerusform>
            <numerusform>%n Kontakte hatten keinen Namen und wurden weggelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 contact was named after its organisation.</source>
        <translation>1 Kontakt wurde nach seiner Organisation benannt.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts were named after their organisation.</source>
        <translation>
            <numerusform>%n Kontakt wurde nach seiner Organisation benannt.</numerusform>
            <numerusform>%n Kontakte wurden nach ihrer Organisation benannt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file holds 1 contact; the book has room for %1.</source>
        <translation>Die Datei enthält 1 Kontakt; im Telefonbuch ist Platz für %1.</translation>
    </message>
    <message>
        <source>The file holds %1 contacts; the book has room for %2.</source>
        <translation>Die Datei enthält %1 Kontakte; im Telefonbuch ist Platz für %2.</translation>
    </message>
    <message>
        <source>Error: Could not read the import file.  Check that it is formatted correctly.</source>
        <translation>Fehler: Die Importdatei konnte nicht gelesen werden. Prüfen Sie, ob sie richtig formatiert ist.</translation>
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
        <translation>kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>in %1 out %2</source>
        <extracomment>The lengths of the device&apos;s input and output reports, in bytes.</extracomment>
        <translation>ein %1 aus %2</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>akzeptiert</translation>
    </message>
    <message>
        <source>not accepted: not a supported handset model</source>
        <translation>nicht akzeptiert: kein unterstütztes Mobilteilmodell</translation>
    </message>
</context>
<context>
    <name>DialbookApp</name>
    <message>
        <source>Start with a simulated handset attached.</source>
        <translation>Mit einem angeschlossenen simulierten Mobilteil starten.</translation>
    </message>
    <message>
        <source>DIR</source>
        <extracomment>The value of --screenshots in the help: a folder.</extracomment>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>Save a picture of each tab into %1, then quit.</source>
        <translation>Ein Bild jeder Registerkarte in %1 speichern, dann beenden.</translation>
    </message>
    <message>
        <source>A picture to open on the Pictures page.</source>
        <extracomment>The argument in the help: a picture file, which may be left out.</extracomment>
        <translation>Ein Bild, das auf der Seite Bilder geöffnet wird.</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[DATEI]</translation>
    </message>
</context>
<context>
    <name>ExportPage</name>
    <message>
        <source>Export Contacts</source>
        <translation>Kontakte exportieren</translation>
    </message>
    <message>
        <source>Export selected contact(s)</source>
        <translation>Ausgewählte Kontakte exportieren</translation>
    </message>
    <message>
        <source>Export all contacts</source>
        <translation>Alle Kontakte exportieren</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Text File (%1)</source>
        <translation>Textdatei (%1)</translation>
    </message>
    <message>
        <source>vCard File (%1)</source>
        <translation>vCard-Datei (%1)</translation>
    </message>
    <message>
        <source>No file specified.  Please enter a file name to export the data to.</source>
        <translation>Keine Datei angegeben. Bitte geben Sie einen Dateinamen für den Export ein.</translation>
    </message>
    <message>
        <source>File already exists.  Do you want to overwrite it?</source>
        <translation>Die Datei ist bereits vorhanden. Möchten Sie sie überschreiben?</translation>
    </message>
</context>
<context>
    <name>FileFailure</name>
    <message>
        <source>it is not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: there is no such file.</source>
        <translation>&quot;%1&quot;: Diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the folder it would go in does not exist.</source>
        <translation>&quot;%1&quot;: Der Zielordner ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>&quot;%1&quot; ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file is empty.</source>
        <translation>&quot;%1&quot;: Die Datei ist leer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: this is not a phone-book file.</source>
        <translation>&quot;%1&quot;: Dies ist keine Telefonbuchdatei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file is damaged: it is cut short.</source>
        <translation>&quot;%1&quot;: Die Datei ist beschädigt: Sie ist unvollständig.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file is damaged.</source>
        <translation>&quot;%1&quot;: Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: you are not permitted to write this file.</source>
        <translation>&quot;%1&quot;: Sie haben keine Berechtigung, diese Datei zu schreiben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: you are not permitted to read this file.</source>
        <translation>&quot;%1&quot;: Sie haben keine Berechtigung, diese Datei zu lesen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: this is not a picture in a format that can be opened (%2).</source>
        <translation>&quot;%1&quot;: Dies ist kein Bild in einem Format, das geöffnet werden kann (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: pictures in the %2 format cannot be opened, only %3.</source>
        <translation>&quot;%1&quot;: Bilder im Format %2 können nicht geöffnet werden, nur %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the picture is damaged; the part that could be read is used.</source>
        <translation>&quot;%1&quot;: Das Bild ist beschädigt; der lesbare Teil wird verwendet.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the picture is too large for this computer&apos;s memory.</source>
        <translation>&quot;%1&quot;: Das Bild ist zu groß für den Arbeitsspeicher dieses Computers.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2.</source>
        <translation>&quot;%1&quot; konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2.</source>
        <translation>&quot;%1&quot; konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>it is larger than the %1 MB a contacts file may be</source>
        <translation>größer als die für eine Kontaktdatei zulässigen %1 MB</translation>
    </message>
    <message>
        <source>a phone-book file holds at most %1 entries</source>
        <translation>eine Telefonbuchdatei enthält höchstens %1 Einträge</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file has no line of column headings.</source>
        <translation>&quot;%1&quot;: Die Datei hat keine Zeile mit Spaltenüberschriften.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file has more columns than an import can take (%2 at most).</source>
        <translation>&quot;%1&quot;: Die Datei hat mehr Spalten, als ein Import aufnehmen kann (höchstens %2).</translation>
    </message>
</context>
<context>
    <name>HandsetAccessAdvice</name>
    <message>
        <source>An Orvak handset is plugged in, but this user may not open it.</source>
        <translation>Ein Orvak-Mobilteil ist angeschlossen, aber dieser Benutzer darf nicht darauf zugreifen.</translation>
    </message>
    <message>
        <source>Unplug the handset and plug it in again, so that the udev rule %1 applies to it.</source>
        <translation>Trennen Sie das Mobilteil und schließen Sie es erneut an, damit die udev-Regel %1 dafür gilt.</translation>
    </message>
    <message>
        <source>Install the orvak-dialbook package, whose udev rule %1 lets the person at the computer open it, then unplug the handset and plug it in again.</source>
        <translation>Installieren Sie das Paket orvak-dialbook, dessen udev-Regel %1 der Person am Computer den Zugriff erlaubt, trennen Sie dann das Mobilteil und schließen Sie es erneut an.</translation>
    </message>
    <message>
        <source>Install the udev rule from the source tree and have udev apply it:
%1</source>
        <translation>Installieren Sie die udev-Regel aus dem Quellbaum und lassen Sie udev sie anwenden:
%1</translation>
    </message>
</context>
<context>
    <name>HandsetPreview</name>
    <message>
        <source>Handset preview</source>
        <translation>Mobilteil-Vorschau</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Hilfe zu %1</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
</context>
<context>
    <name>HidrawSource</name>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
</context>
<context>
    <name>ImportFieldMap</name>
    <message>
        <source>Orvak Phone Number</source>
        <translation>Orvak-Telefonnummer</translation>
    </message>
    <message>
        <source>Orvak Name (First)</source>
        <translation>Orvak-Name (Anfang)</translation>
    </message>
    <message>
        <source>Orvak Contact Name (First Part)</source>
        <translation>Orvak-Kontaktname (erster Teil)</translation>
    </message>
    <message>
        <source>Orvak Name (Last)</source>
        <translation>Orvak-Name (Ende)</translation>
    </message>
    <message>
        <source>Orvak Contact Name (Last Part)</source>
        <translation>Orvak-Kontaktname (letzter Teil)</translation>
    </message>
</context>
<context>
    <name>ImportFilePage</name>
    <message>
        <source>Import Contacts</source>
        <translation>Kontakte importieren</translation>
    </message>
    <message>
        <source>Enter the filename of the contacts to import:</source>
        <translation>Geben Sie den Dateinamen der zu importierenden Kontakte ein:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Text and CSV Files (%1)</source>
        <translation>Text- und CSV-Dateien (%1)</translation>
    </message>
    <message>
        <source>vCard Files (%1)</source>
        <translation>vCard-Dateien (%1)</translation>
    </message>
    <message>
        <source>All Files (%1)</source>
        <translation>Alle Dateien (%1)</translation>
    </message>
    <message>
        <source>No file specified.  Please enter the file name of the contacts to import.</source>
        <translation>Keine Datei angegeben. Bitte geben Sie den Dateinamen der zu importierenden Kontakte ein.</translation>
    </message>
    <message>
        <source>Import contacts &amp;from:</source>
        <translation>Kontakte importieren &amp;aus:</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>einer Datei</translation>
    </message>
    <message>
        <source>an address book on a server (CardDAV)</source>
        <translation>einem Adressbuch auf einem Server (CardDAV)</translation>
    </message>
    <message>
        <source>Import contacts from a file</source>
        <translation>Kontakte aus einer Datei importieren</translation>
    </message>
    <message>
        <source>Import contacts from an address book on a server (CardDAV)</source>
        <translation>Kontakte aus einem Adressbuch auf einem Server importieren (CardDAV)</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Browse for the file</source>
        <translation>Nach der Datei suchen</translation>
    </message>
</context>
<context>
    <name>ImportIntroPage</name>
    <message>
        <source>Import/Export</source>
        <translation>Import/Export</translation>
    </message>
    <message>
        <source>&lt;ol&gt;&lt;li&gt;Export your contacts from your other contact manager (for example your e-mail program or your phone&apos;s account) to a comma-delimited text file (CSV) or a vCard file.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Next&lt;/b&gt; and locate that file.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Next&lt;/b&gt; and check how the file&apos;s fields map to the phone book. Use &lt;b&gt;Change Map&lt;/b&gt; to adjust the mapping.&lt;/li&gt;&lt;/ol&gt;</source>
        <translation>&lt;ol&gt;&lt;li&gt;Exportieren Sie Ihre Kontakte aus Ihrer anderen Kontaktverwaltung (zum Beispiel Ihrem E-Mail-Programm oder dem Konto Ihres Telefons) in eine kommagetrennte Textdatei (CSV) oder eine vCard-Datei.&lt;/li&gt;&lt;li&gt;Klicken Sie auf &lt;b&gt;Weiter&lt;/b&gt; und wählen Sie diese Datei aus.&lt;/li&gt;&lt;li&gt;Klicken Sie auf &lt;b&gt;Weiter&lt;/b&gt; und prüfen Sie, wie die Felder der Datei dem Telefonbuch zugeordnet werden. Mit &lt;b&gt;Zuordnung ändern&lt;/b&gt; passen Sie die Zuordnung an.&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <source>Contacts kept on a server that speaks CardDAV (such as a calendar and contacts server of your own or your provider&apos;s) are read straight from it: choose the server on the next page.</source>
        <translation>Kontakte auf einem Server, der CardDAV spricht (etwa einem eigenen Kalender- und Kontaktserver oder dem Ihres Anbieters), werden direkt von dort gelesen: Wählen Sie den Server auf der nächsten Seite.</translation>
    </message>
</context>
<context>
    <name>ImportMappingPage</name>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>What a leading “+” is dialled as: 00 in most of the world, 011 in North America.</source>
        <translation>Was für ein führendes „+“ gewählt wird: 00 in den meisten Ländern, 011 in Nordamerika.</translation>
    </message>
    <message>
        <source>&amp;Prefix for “+”:</source>
        <translation>&amp;Präfix für „+“:</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>C&amp;ategory:</source>
        <translation>&amp;Kategorie:</translation>
    </message>
    <message>
        <source>&amp;Select the First That Fit</source>
        <translation>&amp;Erste passende auswählen</translation>
    </message>
    <message>
        <source>Contacts to import</source>
        <translation>Zu importierende Kontakte</translation>
    </message>
    <message>
        <source>No column is mapped to the phone number: the contacts are imported without numbers.</source>
        <translation>Der Telefonnummer ist keine Spalte zugeordnet: Die Kontakte werden ohne Nummern importiert.</translation>
    </message>
    <message>
        <source>Numbers are taken from %1.</source>
        <translation>Die Nummern werden aus %1 übernommen.</translation>
    </message>
    <message>
        <source>Numbers are taken from %1; where it is empty, from %2.</source>
        <translation>Die Nummern werden aus %1 übernommen; wo diese Spalte leer ist, aus %2.</translation>
    </message>
    <message>
        <source>Numbers are taken from %1; where it is empty, from the first of %2 that has one.</source>
        <translation>Die Nummern werden aus %1 übernommen; wo diese Spalte leer ist, aus der ersten von %2, die eine enthält.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>The file holds 1 contact; it fits in the book.</source>
        <translation>Die Datei enthält 1 Kontakt; er passt ins Telefonbuch.</translation>
    </message>
    <message>
        <source>The file holds %1 contacts; all of them fit in the book.</source>
        <translation>Die Datei enthält %1 Kontakte; alle passen ins Telefonbuch.</translation>
    </message>
    <message>
        <source>%1 chosen, room for %2.</source>
        <translation>%1 ausgewählt, Platz für %2.</translation>
    </message>
    <message>
        <source>Only the file&apos;s lines before line %1 were read: the rest is more than an import can use.</source>
        <translation>Nur die Zeilen der Datei vor Zeile %1 wurden gelesen: Der Rest ist mehr, als ein Import verwenden kann.</translation>
    </message>
    <message>
        <source>Uncheck some, or choose a category, to go on.</source>
        <translation>Entfernen Sie einige Häkchen oder wählen Sie eine Kategorie, um fortzufahren.</translation>
    </message>
    <message>
        <source>All categories</source>
        <translation>Alle Kategorien</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Kontakte importieren</translation>
    </message>
    <message>
        <source>Import Field Mapping</source>
        <translation>Feldzuordnung für den Import</translation>
    </message>
    <message>
        <source>Field mapping</source>
        <translation>Feldzuordnung</translation>
    </message>
    <message>
        <source>Import Text Field</source>
        <translation>Textfeld der Importdatei</translation>
    </message>
    <message>
        <source>Orvak Phonebook Field</source>
        <translation>Orvak-Telefonbuchfeld</translation>
    </message>
    <message>
        <source>Change Map</source>
        <translation>Zuordnung ändern</translation>
    </message>
    <message>
        <source>No row selected.</source>
        <translation>Keine Zeile ausgewählt.</translation>
    </message>
    <message>
        <source>The address book holds %1 contacts; the book has room for %2.</source>
        <translation>Das Adressbuch enthält %1 Kontakte; im Telefonbuch ist Platz für %2.</translation>
    </message>
    <message>
        <source>The address book holds 1 contact; it fits in the book.</source>
        <translation>Das Adressbuch enthält 1 Kontakt; er passt ins Telefonbuch.</translation>
    </message>
    <message>
        <source>The address book holds %1 contacts; all of them fit in the book.</source>
        <translation>Das Adressbuch enthält %1 Kontakte; alle passen ins Telefonbuch.</translation>
    </message>
</context>
<context>
    <name>ImportServerPage</name>
    <message>
        <source>Import Contacts</source>
        <translation>Kontakte importieren</translation>
    </message>
    <message>
        <source>Address Book on a Server</source>
        <translation>Adressbuch auf einem Server</translation>
    </message>
    <message>
        <source>Give the address of the server that keeps your contacts (CardDAV), or of one of its address books, with your user name and password there. Find Address Books lists the address books it offers.</source>
        <translation>Geben Sie die Adresse des Servers an, der Ihre Kontakte verwaltet (CardDAV), oder die eines seiner Adressbücher, dazu Ihren Benutzernamen und Ihr Passwort dort. „Adressbücher suchen“ listet die Adressbücher auf, die er anbietet.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>Server &amp;address:</source>
        <translation>Server&amp;adresse:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Left empty, the password kept in the keyring for this address and user is used.</source>
        <translation>Bleibt das Feld leer, wird das im Schlüsselbund für diese Adresse und diesen Benutzer gespeicherte Passwort verwendet.</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>&amp;Remember in the keyring</source>
        <translation>Im Schlüsselbund &amp;merken</translation>
    </message>
    <message>
        <source>Remember the password in the keyring</source>
        <translation>Passwort im Schlüsselbund merken</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>Adressbücher &amp;suchen</translation>
    </message>
    <message>
        <source>Find address books</source>
        <translation>Adressbücher suchen</translation>
    </message>
    <message>
        <source>Address b&amp;ooks found:</source>
        <translation>Gef&amp;undene Adressbücher:</translation>
    </message>
    <message>
        <source>Address books found</source>
        <translation>Gefundene Adressbücher</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Enter the address of the server, such as %1.</source>
        <translation>Geben Sie die Adresse des Servers ein, etwa %1.</translation>
    </message>
    <message>
        <source>The password could not be read from the keyring: %1</source>
        <translation>Das Passwort konnte nicht aus dem Schlüsselbund gelesen werden: %1</translation>
    </message>
    <message>
        <source>Looking for address books at %1...</source>
        <translation>Adressbücher unter %1 werden gesucht...</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Das Passwort konnte nicht im Schlüsselbund gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Choose one of the address books found.</source>
        <translation>Wählen Sie eines der gefundenen Adressbücher.</translation>
    </message>
    <message>
        <source>Reading the address book %1...</source>
        <translation>Adressbuch %1 wird gelesen...</translation>
    </message>
    <message>
        <source>The address book “%1” holds no contacts.</source>
        <translation>Das Adressbuch „%1“ enthält keine Kontakte.</translation>
    </message>
</context>
<context>
    <name>Keyring</name>
    <message>
        <source>The keyring did not answer in time.</source>
        <translation>Der Schlüsselbund hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>No keyring is running, so passwords are neither looked up in it nor kept in it.</source>
        <translation>Es läuft kein Schlüsselbund, daher werden Passwörter dort weder gesucht noch gespeichert.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Welcome</source>
        <translation>&amp;Willkommen</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>&amp;Bilder</translation>
    </message>
    <message>
        <source>Phone &amp;Book</source>
        <translation>&amp;Telefonbuch</translation>
    </message>
</context>
<context>
    <name>MultistatusReader</name>
    <message>
        <source>the answer ends before its multistatus does</source>
        <translation>die Antwort endet vor ihrem multistatus-Element</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (Zeile %2)</translation>
    </message>
    <message>
        <source>the answer is no multistatus but &lt;%1&gt;</source>
        <translation>die Antwort ist kein multistatus, sondern &lt;%1&gt;</translation>
    </message>
    <message>
        <source>a value longer than %1 MB</source>
        <translation>ein Wert länger als %1 MB</translation>
    </message>
</context>
<context>
    <name>PasswordFile</name>
    <message>
        <source>&quot;%1&quot; could not be read: %2.</source>
        <translation>&quot;%1&quot; konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 bytes; a password file holds the password on its first line.</source>
        <translation>&quot;%1&quot; ist größer als %2 Byte; eine Passwortdatei enthält das Passwort in ihrer ersten Zeile.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file. Give the password in a file of your own that only you may read (chmod 600).</source>
        <translation>&quot;%1&quot; ist keine reguläre Datei. Geben Sie das Passwort in einer eigenen Datei an, die nur Sie lesen dürfen (chmod 600).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to another user. Keep the password in a file of your own and make it yours alone with: chmod 600 FILE</source>
        <translation>&quot;%1&quot; gehört einem anderen Benutzer. Bewahren Sie das Passwort in einer eigenen Datei auf und machen Sie sie nur für Sie zugänglich mit: chmod 600 FILE</translation>
    </message>
    <message>
        <source>&quot;%1&quot; may be read or changed by others than you, so its password is not used. Make it yours alone with: %2</source>
        <translation>&quot;%1&quot; darf auch von anderen als Ihnen gelesen oder geändert werden, daher wird das Passwort darin nicht verwendet. Machen Sie die Datei nur für Sie zugänglich mit: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty; its first line should be the password.</source>
        <translation>&quot;%1&quot; ist leer; die erste Zeile sollte das Passwort sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no password on its first line.</source>
        <translation>&quot;%1&quot; enthält in der ersten Zeile kein Passwort.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the first line is not UTF-8 text.</source>
        <translation>&quot;%1&quot;: Die erste Zeile ist kein UTF-8-Text.</translation>
    </message>
</context>
<context>
    <name>PasswordSources</name>
    <message>
        <source>The password could not be looked up in the keyring: %1</source>
        <translation>Das Passwort konnte nicht im Schlüsselbund gesucht werden: %1</translation>
    </message>
    <message>
        <source>There is no terminal to ask for the password on. Give it with --password-file FILE, a file that only you may read (chmod 600 FILE).</source>
        <translation>Es gibt kein Terminal, in dem nach dem Passwort gefragt werden kann. Geben Sie es mit --password-file FILE an, einer Datei, die nur Sie lesen dürfen (chmod 600 FILE).</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <extracomment>%1 is the user name, %2 the server as scheme://host.</extracomment>
        <translation>Passwort für %1 auf %2: </translation>
    </message>
    <message>
        <source>No password was typed. To give it without typing, use --password-file FILE, a file that only you may read (chmod 600 FILE).</source>
        <translation>Es wurde kein Passwort eingegeben. Um es ohne Eintippen anzugeben, verwenden Sie --password-file FILE, eine Datei, die nur Sie lesen dürfen (chmod 600 FILE).</translation>
    </message>
    <message>
        <source>The password was not kept: no keyring is running. It is asked for again next time.</source>
        <translation>Das Passwort wurde nicht gespeichert: Es läuft kein Schlüsselbund. Beim nächsten Mal wird erneut danach gefragt.</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Das Passwort konnte nicht im Schlüsselbund gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>PhonebookBackups</name>
    <message>
        <source>The send did not finish: the handset now holds %1 of the %2 entries.</source>
        <translation>Das Senden wurde nicht abgeschlossen: Das Mobilteil enthält jetzt %1 der %2 Einträge.</translation>
    </message>
    <message>
        <source>The send did not finish, and the handset did not say what it holds now: its phone book may have been emptied (%1 of the %2 entries had been sent).</source>
        <translation>Das Senden wurde nicht abgeschlossen, und das Mobilteil hat nicht gemeldet, was es jetzt enthält: Sein Telefonbuch wurde möglicherweise geleert (%1 der %2 Einträge waren gesendet).</translation>
    </message>
</context>
<context>
    <name>PhonebookCommands</name>
    <message>
        <source>Not asked, since the input is not a terminal: taken as No. Add --yes to answer Yes.</source>
        <translation>Nicht gefragt, da die Eingabe kein Terminal ist: als Nein gewertet. Fügen Sie --yes hinzu, um mit Ja zu antworten.</translation>
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
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>Identity: %1</source>
        <translation>Kennung: %1</translation>
    </message>
    <message>
        <source>Received 1 entry into %1</source>
        <translation>1 Eintrag in %1 empfangen</translation>
    </message>
    <message numerus="yes">
        <source>Received %n entries into %1</source>
        <translation>
            <numerusform>%n Eintrag in %1 empfangen</numerusform>
            <numerusform>%n Einträge in %1 empfangen</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was sent: the handset&apos;s phone book is as it was.</source>
        <translation>Es wurde nichts gesendet: Das Telefonbuch des Mobilteils ist unverändert.</translation>
    </message>
    <message>
        <source>The handset&apos;s phone book could not be kept before the send, so nothing was sent.</source>
        <translation>Das Telefonbuch des Mobilteils konnte vor dem Senden nicht gesichert werden, daher wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Kept the handset&apos;s previous phone book in %1</source>
        <translation>Bisheriges Telefonbuch des Mobilteils in %1 gesichert</translation>
    </message>
    <message>
        <source>To send its previous phone book back: %1</source>
        <translation>Um das bisherige Telefonbuch zurückzusenden: %1</translation>
    </message>
    <message>
        <source>Sent 1 entry</source>
        <translation>1 Eintrag gesendet</translation>
    </message>
    <message numerus="yes">
        <source>Sent %n entries</source>
        <translation>
            <numerusform>%n Eintrag gesendet</numerusform>
            <numerusform>%n Einträge gesendet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries without a name or a number stay in the computer&apos;s book and are not sent.</source>
        <translation>
            <numerusform>%n Eintrag ohne Name oder Nummer bleibt im Telefonbuch des Computers und wird nicht gesendet.</numerusform>
            <numerusform>%n Einträge ohne Name oder Nummer bleiben im Telefonbuch des Computers und werden nicht gesendet.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merged phone book was not kept as the base of the next sync.</source>
        <translation>Das zusammengeführte Telefonbuch wurde nicht als Grundlage für den nächsten Abgleich gespeichert.</translation>
    </message>
    <message>
        <source>The handset and %1 are already in step: nothing sent, nothing written.</source>
        <extracomment>%1: the phone-book file synced with the handset.</extracomment>
        <translation>Das Mobilteil und %1 sind bereits auf demselben Stand: nichts gesendet, nichts geschrieben.</translation>
    </message>
    <message>
        <source>Nothing sent, nothing written (--dry-run).</source>
        <translation>Nichts gesendet, nichts geschrieben (--dry-run).</translation>
    </message>
    <message>
        <source>Send the merged phone book to the handset and save it in %1?</source>
        <extracomment>%1: the phone-book file synced with the handset.</extracomment>
        <translation>Das zusammengeführte Telefonbuch an das Mobilteil senden und in %1 speichern?</translation>
    </message>
    <message>
        <source>Send the merged phone book to the handset? %1 holds it already.</source>
        <extracomment>%1: the phone-book file synced with the handset, which holds the merged book already.</extracomment>
        <translation>Das zusammengeführte Telefonbuch an das Mobilteil senden? %1 enthält es bereits.</translation>
    </message>
    <message>
        <source>Save the merged phone book in %1? The handset holds it already.</source>
        <extracomment>%1: the phone-book file synced with the handset, which already holds the merged book.</extracomment>
        <translation>Das zusammengeführte Telefonbuch in %1 speichern? Das Mobilteil enthält es bereits.</translation>
    </message>
    <message>
        <source>The handset holds the merged phone book; a sync again saves it in %1.</source>
        <extracomment>%1: the phone-book file that could not be saved after the send.</extracomment>
        <translation>Das Mobilteil enthält das zusammengeführte Telefonbuch; ein erneuter Abgleich speichert es in %1.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>%1: the phone-book file the merged book was saved in.</extracomment>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>No earlier sync of this handset with %1 is known: the entries of both are kept, and nothing is deleted.</source>
        <extracomment>%1: the phone-book file synced with the handset.</extracomment>
        <translation>Kein früherer Abgleich dieses Mobilteils mit %1 ist bekannt: Die Einträge beider Seiten bleiben erhalten, und nichts wird gelöscht.</translation>
    </message>
    <message>
        <source>%1 is as it was.</source>
        <extracomment>%1: the phone-book file synced with the handset, left as it was after a failed send.</extracomment>
        <translation>%1 ist unverändert.</translation>
    </message>
    <message>
        <source>The next sync with this handset keeps the entries of both sides and deletes none.</source>
        <translation>Der nächste Abgleich mit diesem Mobilteil behält die Einträge beider Seiten und löscht keinen.</translation>
    </message>
</context>
<context>
    <name>PhonebookPage</name>
    <message>
        <source>Name Edit</source>
        <translation>Namensänderung</translation>
    </message>
    <message>
        <source>Number Edit</source>
        <translation>Nummernänderung</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>%1 is the step undone, &quot;New Entry&quot; say.</extracomment>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>%1 is the step redone, &quot;New Entry&quot; say.</extracomment>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellung</translation>
    </message>
    <message>
        <source>New Entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>New Phonebook</source>
        <translation>Neues Telefonbuch</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Get Phonebook</source>
        <translation>Telefonbuch abrufen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Send the phone book it had before (kept in %1) back to it?</source>
        <translation>Das vorherige Telefonbuch des Mobilteils (gesichert in %1) zurücksenden?</translation>
    </message>
    <message>
        <source>Open phone book</source>
        <translation>Telefonbuch öffnen</translation>
    </message>
    <message>
        <source>Save phone book</source>
        <translation>Telefonbuch speichern</translation>
    </message>
    <message>
        <source>New phone book</source>
        <translation>Neues Telefonbuch</translation>
    </message>
    <message>
        <source>Get the phone book from the handset</source>
        <translation>Telefonbuch vom Mobilteil abrufen</translation>
    </message>
    <message>
        <source>Send the phone book to the handset</source>
        <translation>Telefonbuch an das Mobilteil senden</translation>
    </message>
    <message>
        <source>Import or export contacts</source>
        <translation>Kontakte importieren oder exportieren</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>Delete selected entries</source>
        <translation>Ausgewählte Einträge löschen</translation>
    </message>
    <message>
        <source>Orvak web site</source>
        <translation>Orvak-Website</translation>
    </message>
    <message>
        <source>Save changes to current phonebook loaded?</source>
        <translation>Änderungen am geladenen Telefonbuch speichern?</translation>
    </message>
    <message>
        <source>The handset&apos;s phone book could not be kept before the send, so nothing was sent.</source>
        <translation>Das Telefonbuch des Mobilteils konnte vor dem Senden nicht gesichert werden, daher wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The program did not close normally last time, and a phone book had changes that were not saved. Restore that phone book?</source>
        <translation>Das Programm wurde beim letzten Mal nicht normal beendet, und ein Telefonbuch hatte ungespeicherte Änderungen. Dieses Telefonbuch wiederherstellen?</translation>
    </message>
    <message>
        <source>Phone book entries</source>
        <translation>Telefonbucheinträge</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n contacts to %1.</source>
        <translation>
            <numerusform>%n Kontakt nach %1 exportiert.</numerusform>
            <numerusform>%n Kontakte nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>In %1 gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>Phone book sent: %n entries.</source>
        <translation>
            <numerusform>Telefonbuch gesendet: %n Eintrag.</numerusform>
            <numerusform>Telefonbuch gesendet: %n Einträge.</numerusform>
        </translation>
    </message>
    <message>
        <source>dialbook pull FILE.opbk</source>
        <translation>dialbook pull FILE.opbk</translation>
    </message>
    <message>
        <source>The phone book of this handset model (0x%1) is not supported in this window; use the dialbook command: %2</source>
        <translation>Das Telefonbuch dieses Mobilteilmodells (0x%1) wird in diesem Fenster nicht unterstützt; verwenden Sie den Befehl dialbook: %2</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Abgleich</translation>
    </message>
    <message>
        <source>Sync the phone book with the handset</source>
        <translation>Telefonbuch mit dem Mobilteil abgleichen</translation>
    </message>
    <message>
        <source>Select &amp;Duplicates</source>
        <translation>&amp;Duplikate auswählen</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate entries selected.</source>
        <translation>
            <numerusform>%n doppelter Eintrag ausgewählt.</numerusform>
            <numerusform>%n doppelte Einträge ausgewählt.</numerusform>
        </translation>
    </message>
    <message>
        <source>No duplicate entries found.</source>
        <translation>Keine doppelten Einträge gefunden.</translation>
    </message>
    <message>
        <source>The handset and this phone book are already in step: nothing was changed.</source>
        <translation>Das Mobilteil und dieses Telefonbuch sind bereits auf demselben Stand: Es wurde nichts geändert.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries without a name or a number stay in this phone book and are not sent.</source>
        <translation>
            <numerusform>%n Eintrag ohne Name oder Nummer bleibt in diesem Telefonbuch und wird nicht gesendet.</numerusform>
            <numerusform>%n Einträge ohne Name oder Nummer bleiben in diesem Telefonbuch und werden nicht gesendet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Phone book synced: the handset holds %n entries.</source>
        <translation>
            <numerusform>Telefonbuch abgeglichen: Das Mobilteil enthält %n Eintrag.</numerusform>
            <numerusform>Telefonbuch abgeglichen: Das Mobilteil enthält %n Einträge.</numerusform>
        </translation>
    </message>
    <message>
        <source>The handset holds the synced phone book and the list shows it, but its file was not saved: save it to keep it.</source>
        <translation>Das Mobilteil enthält das abgeglichene Telefonbuch, und die Liste zeigt es an, aber seine Datei wurde nicht gespeichert: Speichern Sie es, um es zu behalten.</translation>
    </message>
</context>
<context>
    <name>PhonebookSend</name>
    <message>
        <source>The phone book to send has no entries with both a name and a number.</source>
        <translation>Das zu sendende Telefonbuch hat keine Einträge mit Name und Nummer.</translation>
    </message>
    <message>
        <source>This deletes all entries on the handset.</source>
        <translation>Dadurch werden alle Einträge auf dem Mobilteil gelöscht.</translation>
    </message>
    <message numerus="yes">
        <source>This deletes all %n entries on the handset.</source>
        <translation>
            <numerusform>Dadurch wird der einzige Eintrag auf dem Mobilteil gelöscht.</numerusform>
            <numerusform>Dadurch werden alle %n Einträge auf dem Mobilteil gelöscht.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
%2
Send it anyway?</source>
        <translation>%1
%2
Trotzdem senden?</translation>
    </message>
</context>
<context>
    <name>PhonebookSync</name>
    <message numerus="yes">
        <source>The merged phone book would hold %n entries (the handset&apos;s has %L1, the computer&apos;s %L2), but the handset holds at most 100. Nothing was sent or written.</source>
        <extracomment>%n: the entries the merge gives; %L1 and %L2: the entries of the two books merged.</extracomment>
        <translation>
            <numerusform>Das zusammengeführte Telefonbuch hätte %n Eintrag (das des Mobilteils hat %L1, das des Computers %L2), aber das Mobilteil fasst höchstens 100. Es wurde nichts gesendet oder geschrieben.</numerusform>
            <numerusform>Das zusammengeführte Telefonbuch hätte %n Einträge (das des Mobilteils hat %L1, das des Computers %L2), aber das Mobilteil fasst höchstens 100. Es wurde nichts gesendet oder geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>added</source>
        <extracomment>A kind of change of a sync, the first word of its line.</extracomment>
        <translation>hinzugefügt</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>gelöscht</translation>
    </message>
    <message>
        <source>kept-over-delete</source>
        <translation>behalten</translation>
    </message>
    <message>
        <source>conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message>
        <source>both kept</source>
        <translation>beide behalten</translation>
    </message>
    <message>
        <source>the handset&apos;s taken</source>
        <translation>Version des Mobilteils übernommen</translation>
    </message>
    <message>
        <source>the computer&apos;s taken</source>
        <translation>Version des Computers übernommen</translation>
    </message>
    <message>
        <source>handset: %1 | computer: %2 (%3)</source>
        <extracomment>A conflict: %1 the handset&apos;s version, %2 the computer&apos;s, %3 which one is taken.</extracomment>
        <translation>Mobilteil: %1 | Computer: %2 (%3)</translation>
    </message>
    <message>
        <source>on the handset</source>
        <translation>auf dem Mobilteil</translation>
    </message>
    <message>
        <source>on the computer</source>
        <translation>auf dem Computer</translation>
    </message>
    <message>
        <source>on both</source>
        <translation>auf beiden</translation>
    </message>
    <message>
        <source>changed on the computer, deleted on the handset</source>
        <translation>auf dem Computer geändert, auf dem Mobilteil gelöscht</translation>
    </message>
    <message>
        <source>changed on the handset, deleted on the computer</source>
        <translation>auf dem Mobilteil geändert, auf dem Computer gelöscht</translation>
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
        <translation>%L1 hinzugefügt, %L2 geändert, %L3 gelöscht, %L4 trotz Löschung behalten, %L5 im Konflikt; %L6 von 100 Einträgen.</translation>
    </message>
</context>
<context>
    <name>PictureCanvas</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Drag the red frame, or move it with the arrow keys (Shift: faster); + and - zoom.</source>
        <translation>Ziehen Sie den roten Rahmen oder verschieben Sie ihn mit den Pfeiltasten (Umschalt: schneller); + und - zoomen.</translation>
    </message>
</context>
<context>
    <name>PictureCommands</name>
    <message>
        <source>Wrote the handset picture to %1</source>
        <translation>Mobilteilbild in %1 geschrieben</translation>
    </message>
    <message>
        <source>Sent the picture to the handset</source>
        <translation>Bild an das Mobilteil gesendet</translation>
    </message>
</context>
<context>
    <name>PicturePage</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Brightness and contrast</source>
        <translation>Helligkeit und Kontrast</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Farbbalance</translation>
    </message>
    <message>
        <source>Send to phone</source>
        <translation>An das Telefon senden</translation>
    </message>
    <message>
        <source>Orvak web site</source>
        <translation>Orvak-Website</translation>
    </message>
    <message>
        <source>dialbook send-picture PICTURE</source>
        <translation>dialbook send-picture PICTURE</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>In %1 gespeichert.</translation>
    </message>
    <message>
        <source>Picture sent.</source>
        <translation>Bild gesendet.</translation>
    </message>
    <message>
        <source>Pictures for this handset model (0x%1) are not supported in this window; use the dialbook command: %2</source>
        <translation>Bilder für dieses Mobilteilmodell (0x%1) werden in diesem Fenster nicht unterstützt; verwenden Sie den Befehl dialbook: %2</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SimSocketSource</name>
    <message>
        <source>socket path too long</source>
        <translation>Socket-Pfad zu lang</translation>
    </message>
    <message>
        <source>no handset answers (stale socket)</source>
        <translation>kein Mobilteil antwortet (verwaister Socket)</translation>
    </message>
    <message>
        <source>no greeting from the handset</source>
        <translation>keine Begrüßung vom Mobilteil</translation>
    </message>
    <message>
        <source>not a simulated handset</source>
        <translation>kein simuliertes Mobilteil</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Not Permitted</source>
        <translation>Kein Zugriff</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Nicht verbunden</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About the Orvak Dialbook...</source>
        <extracomment>String 101</extracomment>
        <translation>&amp;Über Orvak Dialbook...</translation>
    </message>
    <message>
        <source>Slide to adjust Red color of phone image.</source>
        <extracomment>String 102</extracomment>
        <translation>Schieben, um den Rotanteil des Telefonbilds einzustellen.</translation>
    </message>
    <message>
        <source>Error: Could not send data to phone.</source>
        <extracomment>String 103
----------
String 57354</extracomment>
        <translation>Fehler: Die Daten konnten nicht an das Telefon gesendet werden.</translation>
    </message>
    <message>
        <source>Open a graphic file on your computer.</source>
        <extracomment>String 105</extracomment>
        <translation>Eine Grafikdatei auf Ihrem Computer öffnen.</translation>
    </message>
    <message>
        <source>Save the Phone Graphic file.</source>
        <extracomment>String 106</extracomment>
        <translation>Die Telefongrafikdatei speichern.</translation>
    </message>
    <message>
        <source>Learn more about the<byte value="xd"/>
Orvak Dialbook.</source>
        <extracomment>String 107</extracomment>
        <translation>Weitere Informationen zu<byte value="xd"/>
Orvak Dialbook.</translation>
    </message>
    <message>
        <source>Zoom in on the picture.</source>
        <extracomment>String 108</extracomment>
        <translation>Das Bild vergrößern.</translation>
    </message>
    <message>
        <source>Zoom out on the picture.</source>
        <extracomment>String 109</extracomment>
        <translation>Das Bild verkleinern.</translation>
    </message>
    <message>
        <source>Rotate the picture to the Left.</source>
        <extracomment>String 110</extracomment>
        <translation>Das Bild nach links drehen.</translation>
    </message>
    <message>
        <source>Rotate the picture to the Right.</source>
        <extracomment>String 111</extracomment>
        <translation>Das Bild nach rechts drehen.</translation>
    </message>
    <message>
        <source>Adjust Brightness and Contrast.</source>
        <extracomment>String 112</extracomment>
        <translation>Helligkeit und Kontrast anpassen.</translation>
    </message>
    <message>
        <source>Edit Red, Green and Blue Colors.</source>
        <extracomment>String 113</extracomment>
        <translation>Rot-, Grün- und Blauanteil bearbeiten.</translation>
    </message>
    <message>
        <source>Download the selected
<byte value="xd"/>image to the phone.</source>
        <extracomment>String 114</extracomment>
        <translation>Das ausgewählte
<byte value="xd"/>Bild an das Telefon senden.</translation>
    </message>
    <message>
        <source>Slide to adjust Green color of phone image.</source>
        <extracomment>String 115</extracomment>
        <translation>Schieben, um den Grünanteil des Telefonbilds einzustellen.</translation>
    </message>
    <message>
        <source>Slide to adjust Blue color of phone image.</source>
        <extracomment>String 117</extracomment>
        <translation>Schieben, um den Blauanteil des Telefonbilds einzustellen.</translation>
    </message>
    <message>
        <source>Could not start the Graphics Interface.  Exiting.</source>
        <extracomment>String 118</extracomment>
        <translation>Die Grafikschnittstelle konnte nicht gestartet werden. Das Programm wird beendet.</translation>
    </message>
    <message>
        <source>Starting Image Download...</source>
        <extracomment>String 132</extracomment>
        <translation>Bildübertragung wird gestartet...</translation>
    </message>
    <message>
        <source>Error: Could not retrieve image to download.</source>
        <extracomment>String 133</extracomment>
        <translation>Fehler: Das zu übertragende Bild konnte nicht abgerufen werden.</translation>
    </message>
    <message>
        <source>Loading Image file.  Please wait...</source>
        <extracomment>String 135</extracomment>
        <translation>Bilddatei wird geladen. Bitte warten...</translation>
    </message>
    <message>
        <source>Error: Can not write over currently opened image.  Please choose new image name or folder to save image to.</source>
        <extracomment>String 136</extracomment>
        <translation>Fehler: Das derzeit geöffnete Bild kann nicht überschrieben werden. Bitte wählen Sie zum Speichern einen neuen Bildnamen oder einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Memory storage on handset is full.
Please delete one or more pictures or sound clips on handset.</source>
        <extracomment>String 137</extracomment>
        <translation>Übertragung nicht möglich! Der Speicher des Mobilteils ist voll.
Bitte löschen Sie ein oder mehrere Bilder oder Tonclips auf dem Mobilteil.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Handset in use.</source>
        <extracomment>String 138</extracomment>
        <translation>Übertragung nicht möglich! Das Mobilteil ist in Gebrauch.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Incoming call on handset.</source>
        <extracomment>String 139</extracomment>
        <translation>Übertragung nicht möglich! Eingehender Anruf am Mobilteil.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Low battery detected on handset.</source>
        <extracomment>String 140</extracomment>
        <translation>Übertragung nicht möglich! Der Akku des Mobilteils ist schwach.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Sound clip record/playback in progress on handset.</source>
        <extracomment>String 141</extracomment>
        <translation>Übertragung nicht möglich! Am Mobilteil läuft eine Tonclip-Aufnahme/-Wiedergabe.</translation>
    </message>
    <message>
        <source>Can&apos;t download!  Handset canceled the image download.</source>
        <extracomment>String 142</extracomment>
        <translation>Übertragung nicht möglich! Das Mobilteil hat die Bildübertragung abgebrochen.</translation>
    </message>
    <message>
        <source>Press this TAB to open the Graphics Editor</source>
        <extracomment>String 144</extracomment>
        <translation>Auf diese Registerkarte klicken, um den Grafikeditor zu öffnen</translation>
    </message>
    <message>
        <source>Error: The file was too large and was rejected by the phone.</source>
        <extracomment>String 155</extracomment>
        <translation>Fehler: Die Datei war zu groß und wurde vom Telefon abgelehnt.</translation>
    </message>
    <message>
        <source> No File Loaded</source>
        <extracomment>String 157</extracomment>
        <translation> Keine Datei geladen</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)|*.bmp||</source>
        <extracomment>String 159</extracomment>
        <translation>Bitmap (*.bmp)|*.bmp||</translation>
    </message>
    <message>
        <source>Slide to adjust brightness of phone image.</source>
        <extracomment>String 162</extracomment>
        <translation>Schieben, um die Helligkeit des Telefonbilds einzustellen.</translation>
    </message>
    <message>
        <source>Slide to adjust contrast of phone image.</source>
        <extracomment>String 163</extracomment>
        <translation>Schieben, um den Kontrast des Telefonbilds einzustellen.</translation>
    </message>
    <message>
        <source>Error: Could not read data from phone.</source>
        <extracomment>String 164</extracomment>
        <translation>Fehler: Die Daten konnten nicht vom Telefon gelesen werden.</translation>
    </message>
    <message>
        <source>Canceling Phonebook Transfer...</source>
        <extracomment>String 165</extracomment>
        <translation>Telefonbuchübertragung wird abgebrochen...</translation>
    </message>
    <message>
        <source>Data transfer canceled.</source>
        <extracomment>String 167</extracomment>
        <translation>Datenübertragung abgebrochen.</translation>
    </message>
    <message>
        <source>Receiving phonebook from handset...</source>
        <extracomment>String 169</extracomment>
        <translation>Telefonbuch wird vom Mobilteil empfangen...</translation>
    </message>
    <message>
        <source>Sending phonebook records to phone...</source>
        <extracomment>String 170</extracomment>
        <translation>Telefonbucheinträge werden an das Telefon gesendet...</translation>
    </message>
    <message>
        <source>Sending phonebook record:</source>
        <extracomment>String 172</extracomment>
        <translation>Telefonbucheintrag wird gesendet:</translation>
    </message>
    <message>
        <source>Press this tab to access the Phonebook Editor</source>
        <extracomment>String 174</extracomment>
        <translation>Auf diese Registerkarte klicken, um den Telefonbuch-Editor aufzurufen</translation>
    </message>
    <message>
        <source>Press this tab to access the welcome dialog.</source>
        <extracomment>String 175</extracomment>
        <translation>Auf diese Registerkarte klicken, um die Begrüßungsseite aufzurufen.</translation>
    </message>
    <message>
        <source>Maximum phonebook records reached.  Please delete some records and try again.</source>
        <extracomment>String 182</extracomment>
        <translation>Die maximale Anzahl an Telefonbucheinträgen ist erreicht. Bitte löschen Sie einige Einträge und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>String 184</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <extracomment>String 185</extracomment>
        <translation>Telefonnummer</translation>
    </message>
    <message>
        <source>Error: Bitmap does not exist.</source>
        <extracomment>String 188</extracomment>
        <translation>Fehler: Die Bitmap ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>Phonebook (*.opbk)|*.opbk||</source>
        <extracomment>String 191</extracomment>
        <translation>Telefonbuch (*.opbk)|*.opbk||</translation>
    </message>
    <message>
        <source>Orvak Phonebook Files (*.opbk)|*.opbk|All Files (*.*)|*.*||</source>
        <extracomment>String 192</extracomment>
        <translation>Orvak-Telefonbuchdateien (*.opbk)|*.opbk|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Error: Could not write to the file.</source>
        <extracomment>String 193</extracomment>
        <translation>Fehler: In die Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Error: Could not read file.</source>
        <extracomment>String 194</extracomment>
        <translation>Fehler: Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Warning: This will overwrite the phonebook on the handset.  Do you want to proceed?</source>
        <extracomment>String 195</extracomment>
        <translation>Warnung: Dadurch wird das Telefonbuch auf dem Mobilteil überschrieben. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Error: No records to write.</source>
        <extracomment>String 199</extracomment>
        <translation>Fehler: Keine Einträge zum Schreiben vorhanden.</translation>
    </message>
    <message>
        <source>Error: Could not open file.</source>
        <extracomment>String 201</extracomment>
        <translation>Fehler: Die Datei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Error: Could not write to the file specified.</source>
        <extracomment>String 202</extracomment>
        <translation>Fehler: In die angegebene Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Error: Map index out of range</source>
        <extracomment>String 214</extracomment>
        <translation>Fehler: Zuordnungsindex außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Error: Variable index is out of range</source>
        <extracomment>String 217</extracomment>
        <translation>Fehler: Variablenindex außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Error: Index is already assigned.</source>
        <extracomment>String 218</extracomment>
        <translation>Fehler: Der Index ist bereits zugewiesen.</translation>
    </message>
    <message>
        <source>Error: Could not import file.</source>
        <extracomment>String 219</extracomment>
        <translation>Fehler: Die Datei konnte nicht importiert werden.</translation>
    </message>
    <message>
        <source>Error: No columns selected for import.</source>
        <extracomment>String 221</extracomment>
        <translation>Fehler: Keine Spalten für den Import ausgewählt.</translation>
    </message>
    <message>
        <source>Receiving handset information.</source>
        <extracomment>String 222</extracomment>
        <translation>Informationen vom Mobilteil werden empfangen.</translation>
    </message>
    <message>
        <source>Error: Data returned from the handset is in error.</source>
        <extracomment>String 261</extracomment>
        <translation>Fehler: Die vom Mobilteil zurückgegebenen Daten sind fehlerhaft.</translation>
    </message>
    <message>
        <source>Error:  Unable to complete data transfer.</source>
        <extracomment>String 262
----------
String 370</extracomment>
        <translation>Fehler: Die Datenübertragung konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>Error: Could not read handset settings from handset.</source>
        <extracomment>String 263</extracomment>
        <translation>Fehler: Die Einstellungen des Mobilteils konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Sending image to phone...</source>
        <extracomment>String 264</extracomment>
        <translation>Bild wird an das Telefon gesendet...</translation>
    </message>
    <message>
        <source>Click this link to open the Orvak web site.</source>
        <extracomment>String 269</extracomment>
        <translation>Klicken Sie auf diesen Link, um die Orvak-Website zu öffnen.</translation>
    </message>
    <message>
        <source>Open a phonebook from disk.</source>
        <extracomment>String 270</extracomment>
        <translation>Ein Telefonbuch vom Datenträger öffnen.</translation>
    </message>
    <message>
        <source>Save the phonebook to disk.</source>
        <extracomment>String 271</extracomment>
        <translation>Das Telefonbuch auf dem Datenträger speichern.</translation>
    </message>
    <message>
        <source>Create a new phonebook.</source>
        <extracomment>String 272</extracomment>
        <translation>Ein neues Telefonbuch erstellen.</translation>
    </message>
    <message>
        <source>Transfer the phonebook from the handset.</source>
        <extracomment>String 273</extracomment>
        <translation>Das Telefonbuch vom Mobilteil übertragen.</translation>
    </message>
    <message>
        <source>Transfer the phonebook to the handset.</source>
        <extracomment>String 274</extracomment>
        <translation>Das Telefonbuch auf das Mobilteil übertragen.</translation>
    </message>
    <message>
        <source>Select all phonebook entries.</source>
        <extracomment>String 275</extracomment>
        <translation>Alle Telefonbucheinträge auswählen.</translation>
    </message>
    <message>
        <source>De-select all phonebook entries.</source>
        <extracomment>String 276</extracomment>
        <translation>Auswahl aller Telefonbucheinträge aufheben.</translation>
    </message>
    <message>
        <source>Delete selected phonebook entries.</source>
        <extracomment>String 277</extracomment>
        <translation>Ausgewählte Telefonbucheinträge löschen.</translation>
    </message>
    <message>
        <source>Create a new phonebook entry.</source>
        <extracomment>String 278</extracomment>
        <translation>Einen neuen Telefonbucheintrag erstellen.</translation>
    </message>
    <message>
        <source>Import/Export all or selected phonebook entries.</source>
        <extracomment>String 279</extracomment>
        <translation>Alle oder ausgewählte Telefonbucheinträge importieren/exportieren.</translation>
    </message>
    <message>
        <source>Preparing to receive phonebook from phone...</source>
        <extracomment>String 321</extracomment>
        <translation>Empfang des Telefonbuchs vom Telefon wird vorbereitet...</translation>
    </message>
    <message>
        <source>Transferring phonebook record:</source>
        <extracomment>String 322</extracomment>
        <translation>Telefonbucheintrag wird übertragen:</translation>
    </message>
    <message>
        <source>Version 2.0.1</source>
        <extracomment>String 324</extracomment>
        <translation>Version 2.0.1</translation>
    </message>
    <message>
        <source>Loading file.  Please wait...</source>
        <extracomment>String 371</extracomment>
        <translation>Datei wird geladen. Bitte warten...</translation>
    </message>
    <message>
        <source>Saving file.  Please wait...</source>
        <extracomment>String 372</extracomment>
        <translation>Datei wird gespeichert. Bitte warten...</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <extracomment>String 373</extracomment>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Warning: some of the phonebook records contain empty names and/or phone numbers.  These records will not be transferred to the handset.  Do you want to continue with the phonebook transfer?</source>
        <extracomment>String 374</extracomment>
        <translation>Warnung: Einige Telefonbucheinträge enthalten leere Namen und/oder Telefonnummern. Diese Einträge werden nicht auf das Mobilteil übertragen. Möchten Sie mit der Telefonbuchübertragung fortfahren?</translation>
    </message>
    <message>
        <source>Error: No memory left.</source>
        <extracomment>String 57345</extracomment>
        <translation>Fehler: Kein Speicher mehr verfügbar.</translation>
    </message>
    <message>
        <source>Canceling Image Download...</source>
        <extracomment>String 57346</extracomment>
        <translation>Bildübertragung wird abgebrochen...</translation>
    </message>
    <message>
        <source>Requesting to send image to phone...</source>
        <extracomment>String 57348</extracomment>
        <translation>Senden des Bildes an das Telefon wird angefordert...</translation>
    </message>
    <message>
        <source>Error: Phone not found.</source>
        <extracomment>String 57350</extracomment>
        <translation>Fehler: Telefon nicht gefunden.</translation>
    </message>
    <message>
        <source>Error: Phone reported image report size too large.</source>
        <extracomment>String 57351</extracomment>
        <translation>Fehler: Das Telefon meldet eine zu große Report-Größe für das Bild.</translation>
    </message>
    <message>
        <source>Error: CreateEvent failed.</source>
        <extracomment>String 57352</extracomment>
        <translation>Fehler: CreateEvent fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The handset plugged in now is not the one this phone book was kept from, so it was not sent to it.</source>
        <extracomment>String 57400</extracomment>
        <translation>Das jetzt angeschlossene Mobilteil ist nicht das, von dem dieses Telefonbuch gesichert wurde; daher wurde es nicht dorthin gesendet.</translation>
    </message>
    <message>
        <source>All Graphic Files (*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz)|*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz|Bitmaps (*.bmp)|*.bmp|WebP Pictures (*.webp)|*.webp|SVG Drawings (*.svg;*.svgz)|*.svg;*.svgz|All Files (*.*)|*.*||</source>
        <extracomment>String 116</extracomment>
        <translation>Alle Grafikdateien (*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz)|*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz|Bitmaps (*.bmp)|*.bmp|WebP-Bilder (*.webp)|*.webp|SVG-Zeichnungen (*.svg;*.svgz)|*.svg;*.svgz|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Error: Image file could not be loaded.</source>
        <extracomment>String 156</extracomment>
        <translation>Fehler: Die Bilddatei konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Error: Image failed to save.</source>
        <extracomment>String 160</extracomment>
        <translation>Fehler: Das Bild konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Put the handset&apos;s phone book and this one together, showing the changes first.</source>
        <extracomment>String 57401</extracomment>
        <translation>Das Telefonbuch des Mobilteils mit diesem zusammenführen und vorher die Änderungen anzeigen.</translation>
    </message>
    <message>
        <source>The handset&apos;s phone book changed after it was received, so nothing was sent to it. Sync again.</source>
        <extracomment>String 57402</extracomment>
        <translation>Das Telefonbuch des Mobilteils hat sich nach dem Empfang geändert, daher wurde nichts an das Mobilteil gesendet. Gleichen Sie erneut ab.</translation>
    </message>
</context>
<context>
    <name>SyncPreviewDialog</name>
    <message>
        <source>Sync with the Handset</source>
        <translation>Abgleich mit dem Mobilteil</translation>
    </message>
    <message>
        <source>This is the first sync with this handset: its phone book and the computer&apos;s are merged.</source>
        <translation>Dies ist der erste Abgleich mit diesem Mobilteil: Sein Telefonbuch und das des Computers werden zusammengeführt.</translation>
    </message>
    <message>
        <source>What changed on the handset and on the computer since the last sync:</source>
        <translation>Was sich seit dem letzten Abgleich auf dem Mobilteil und auf dem Computer geändert hat:</translation>
    </message>
    <message>
        <source>Changes to sync</source>
        <translation>Abzugleichende Änderungen</translation>
    </message>
    <message>
        <source>No entry was added, changed or deleted on either side.</source>
        <translation>Auf keiner Seite wurde ein Eintrag hinzugefügt, geändert oder gelöscht.</translation>
    </message>
    <message>
        <source>Space includes or leaves out the selected change. On a conflict, Left and Right choose the version to take, and F2 opens the list of versions.</source>
        <translation>Die Leertaste nimmt die ausgewählte Änderung auf oder lässt sie weg. Bei einem Konflikt wählen die Pfeiltasten links und rechts die zu übernehmende Version, und F2 öffnet die Liste der Versionen.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Abgleichen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The handset would have to hold %L1 entries, but it holds at most 100. Leave out additions, or take one version of a conflict, to sync.</source>
        <extracomment>%1: the entries the merged phone book would hold, more than the handset&apos;s 100.</extracomment>
        <translation>Das Mobilteil müsste %L1 Einträge enthalten, fasst aber höchstens 100. Lassen Sie Hinzufügungen weg oder übernehmen Sie bei einem Konflikt eine Version, um abzugleichen.</translation>
    </message>
    <message>
        <source>The handset will hold %L1 of 100 entries.</source>
        <extracomment>%1: the entries the handset will hold after the sync.</extracomment>
        <translation>Das Mobilteil wird %L1 von 100 Einträgen enthalten.</translation>
    </message>
</context>
<context>
    <name>SyncPreviewModel</name>
    <message>
        <source>Handset</source>
        <translation>Mobilteil</translation>
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
        <translation>%1 (weggelassen)</translation>
    </message>
    <message>
        <source>%1 (duplicate)</source>
        <extracomment>A change whose entry the merged phone book would hold twice.</extracomment>
        <translation>%1 (doppelt)</translation>
    </message>
    <message>
        <source>Included</source>
        <translation>Aufgenommen</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Weggelassen</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>The merged phone book also holds %1, with the same number.</source>
        <extracomment>%1: another entry of the merged phone book (&quot;Ana Lima 555 0101&quot;).</extracomment>
        <translation>Das zusammengeführte Telefonbuch enthält auch %1, mit derselben Nummer.</translation>
    </message>
    <message>
        <source>The merged phone book also holds %1, under the same name.</source>
        <extracomment>%1: another entry of the merged phone book (&quot;Ana Lima 555 0101&quot;).</extracomment>
        <translation>Das zusammengeführte Telefonbuch enthält auch %1, unter demselben Namen.</translation>
    </message>
</context>
<context>
    <name>SyncSideDelegate</name>
    <message>
        <source>Version to take</source>
        <translation>Zu übernehmende Version</translation>
    </message>
</context>
<context>
    <name>TabPage</name>
    <message>
        <source>An Orvak handset is plugged in, but you may not open it yet.</source>
        <translation>Ein Orvak-Mobilteil ist angeschlossen, aber Sie dürfen noch nicht darauf zugreifen.</translation>
    </message>
    <message>
        <source>Unplug it and plug it in again, so that the udev rule %1 applies to it.</source>
        <translation>Trennen Sie es und schließen Sie es erneut an, damit die udev-Regel %1 dafür gilt.</translation>
    </message>
    <message>
        <source>Install the orvak-dialbook package, whose udev rule %1 lets you open it, then unplug the handset and plug it in again.</source>
        <translation>Installieren Sie das Paket orvak-dialbook, dessen udev-Regel %1 Ihnen den Zugriff erlaubt, trennen Sie dann das Mobilteil und schließen Sie es erneut an.</translation>
    </message>
    <message>
        <source>To let you open it, install the udev rule from the source tree in a terminal:
%1</source>
        <translation>Damit Sie darauf zugreifen können, installieren Sie die udev-Regel aus dem Quellbaum in einem Terminal:
%1</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Orvak web site</source>
        <translation>Orvak-Website</translation>
    </message>
</context>
</TS>
