<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About the Orvak Dialbook</source>
        <translation>À propos d’Orvak Dialbook</translation>
    </message>
    <message>
        <source>Phone book and picture manager for Orvak handsets.</source>
        <translation>Gestionnaire de répertoire et d’images pour combinés Orvak.</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Your handset, on your computer</source>
        <translation>Votre combiné sur votre ordinateur</translation>
    </message>
    <message>
        <source>Phone Book</source>
        <translation>Répertoire</translation>
    </message>
    <message>
        <source>Handset</source>
        <translation>Combiné</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>On the handset</source>
        <translation>Sur le combiné</translation>
    </message>
    <message>
        <source>Visit the Orvak web site</source>
        <translation>Visitez le site web d’Orvak</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Keep your handset&apos;s phone book and pictures on your computer. Receive the phone book, edit it, save it, and send it back; frame a picture and download it to the handset.</source>
        <translation>Conservez le répertoire et les images de votre combiné sur votre ordinateur. Recevez le répertoire, modifiez-le, enregistrez-le et renvoyez-le ; cadrez une image et envoyez-la au combiné.</translation>
    </message>
    <message>
        <source>Connect the handset with its USB cable. The status bar below shows its name once it is found. Press Help for how to set up a handset on Linux.</source>
        <translation>Branchez le combiné avec son câble USB. La barre d’état ci-dessous affiche son nom dès qu’il est détecté. Cliquez sur Aide pour savoir comment configurer un combiné sous Linux.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>New Phonebook</source>
        <translation>Nouveau répertoire</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Obtenir</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>I/E</source>
        <translation>I/E</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Lumière</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Supprimer la sélection</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchro</translation>
    </message>
</context>
<context>
    <name>BrightnessContrastDialog</name>
    <message>
        <source>Brightness/Contrast</source>
        <translation>Luminosité/Contraste</translation>
    </message>
    <message>
        <source>&amp;Brightness</source>
        <translation>&amp;Luminosité</translation>
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
            <numerusform>%n fiche est arrivée sans ses données</numerusform>
            <numerusform>%n fiches sont arrivées sans leurs données</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CardDavFailure</name>
    <message>
        <source>The address %1 holds a password. Give the address without it, and the user name and the password apart.</source>
        <translation>L’adresse %1 contient un mot de passe. Indiquez l’adresse sans celui-ci, et le nom d’utilisateur et le mot de passe séparément.</translation>
    </message>
    <message>
        <source>%1 is not the address of a server: it must begin with https:// or http://.</source>
        <translation>%1 n’est pas l’adresse d’un serveur : elle doit commencer par https:// ou http://.</translation>
    </message>
    <message>
        <source>The certificate %1 could not be read: it is no PEM or DER certificate.</source>
        <translation>Le certificat %1 n’a pas pu être lu : ce n’est pas un certificat PEM ou DER.</translation>
    </message>
    <message>
        <source>Could not reach %1: %2.</source>
        <translation>Impossible de joindre %1 : %2.</translation>
    </message>
    <message>
        <source>Could not connect to %1 within %2 seconds.</source>
        <translation>Impossible de se connecter à %1 en moins de %2 secondes.</translation>
    </message>
    <message>
        <source>The server at %1 did not answer within %2 seconds.</source>
        <translation>Le serveur %1 n’a pas répondu en moins de %2 secondes.</translation>
    </message>
    <message>
        <source>The server at %1 sent the connection on to %2, which is not encrypted; it was not followed.</source>
        <translation>Le serveur %1 a redirigé la connexion vers %2, qui n’est pas chiffrée ; cette redirection n’a pas été suivie.</translation>
    </message>
    <message>
        <source>The certificate of %1 was refused: %2.</source>
        <translation>Le certificat de %1 a été refusé : %2.</translation>
    </message>
    <message>
        <source>The server at %1 refused the user name or the password.</source>
        <translation>Le serveur %1 a refusé le nom d’utilisateur ou le mot de passe.</translation>
    </message>
    <message>
        <source>There is nothing at %1 (the server answered 404 Not Found).</source>
        <translation>Il n’y a rien à l’adresse %1 (le serveur a répondu 404 Not Found).</translation>
    </message>
    <message>
        <source>The server at %1 answered %2 %3.</source>
        <translation>Le serveur %1 a répondu %2 %3.</translation>
    </message>
    <message>
        <source>The answer of %1 is larger than %2 MB; nothing was read.</source>
        <translation>La réponse de %1 dépasse %2 Mo ; rien n’a été lu.</translation>
    </message>
    <message>
        <source>The answer of %1 could not be read: %2.</source>
        <translation>La réponse de %1 n’a pas pu être lue : %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2 address books; give the address of one of them.</source>
        <translation>%1 mène à %2 carnets d’adresses ; indiquez l’adresse de l’un d’eux.</translation>
    </message>
    <message>
        <source>Reading from %1 was cancelled.</source>
        <translation>La lecture depuis %1 a été annulée.</translation>
    </message>
    <message>
        <source>The server at %1 sent the connection on to %2, another server, which asked for the password; it was not given.</source>
        <translation>Le serveur %1 a redirigé la connexion vers %2, un autre serveur, qui a demandé le mot de passe ; il ne lui a pas été donné.</translation>
    </message>
    <message>
        <source>%1 shows no address book: it is no CardDAV server, or it keeps none for this user.</source>
        <translation>%1 ne montre aucun carnet d’adresses : ce n’est pas un serveur CardDAV, ou il n’en a aucun pour cet utilisateur.</translation>
    </message>
</context>
<context>
    <name>ChangeMapDialog</name>
    <message>
        <source>“%1” is mapped from “%2”. Set that row to none first to map it here.</source>
        <translation>« %1 » est déjà associé à « %2 ». Désassociez d’abord cette ligne pour l’associer ici.</translation>
    </message>
    <message>
        <source>Change Mapping</source>
        <translation>Modifier l’association</translation>
    </message>
    <message>
        <source>Text Field: %1</source>
        <translation>Champ texte : %1</translation>
    </message>
</context>
<context>
    <name>ChooseOperationPage</name>
    <message>
        <source>Import/Export</source>
        <translation>Importer/Exporter</translation>
    </message>
    <message>
        <source>Select the operation to perform:</source>
        <translation>Choisissez l’opération à effectuer :</translation>
    </message>
    <message>
        <source>Import contacts from a comma delimited text file.</source>
        <translation>Importer des contacts depuis un fichier texte délimité par des virgules.</translation>
    </message>
    <message>
        <source>Export contacts to a comma delimited text file.</source>
        <translation>Exporter des contacts vers un fichier texte délimité par des virgules.</translation>
    </message>
</context>
<context>
    <name>ColorBalanceDialog</name>
    <message>
        <source>Edit Color Settings</source>
        <translation>Modifier les couleurs</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rouge</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Vert</translation>
    </message>
    <message>
        <source>B&amp;lue</source>
        <translation>&amp;Bleu</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;dialbook --help&apos;.</source>
        <translation>Essayez « dialbook --help ».</translation>
    </message>
    <message>
        <source>devices takes no arguments</source>
        <translation>devices n’accepte aucun argument</translation>
    </message>
    <message>
        <source>info takes no arguments</source>
        <translation>info n’accepte aucun argument</translation>
    </message>
    <message>
        <source>pull takes one file</source>
        <translation>pull attend un fichier</translation>
    </message>
    <message>
        <source>push takes one file</source>
        <translation>push attend un fichier</translation>
    </message>
    <message>
        <source>show takes one file</source>
        <translation>show attend un fichier</translation>
    </message>
    <message>
        <source>picture takes a picture file and a PNG or BMP file</source>
        <translation>picture attend un fichier image et un fichier PNG ou BMP</translation>
    </message>
    <message>
        <source>send-picture takes one file</source>
        <translation>send-picture attend un fichier</translation>
    </message>
    <message>
        <source>backups takes no arguments</source>
        <translation>backups n’accepte aucun argument</translation>
    </message>
    <message>
        <source>import takes a contacts file and a phone-book file</source>
        <translation>import attend un fichier de contacts et un fichier de répertoire</translation>
    </message>
    <message>
        <source>export takes a phone-book file and a contacts file</source>
        <translation>export attend un fichier de répertoire et un fichier de contacts</translation>
    </message>
    <message>
        <source>--international-prefix takes digits, such as 00 or 011</source>
        <translation>--international-prefix attend des chiffres, par exemple 00 ou 011</translation>
    </message>
    <message>
        <source>--first takes a number of contacts, 1 or more</source>
        <translation>--first attend un nombre de contacts, 1 ou plus</translation>
    </message>
    <message>
        <source>--rotate takes left or right</source>
        <translation>--rotate attend left ou right</translation>
    </message>
    <message>
        <source>--%1 takes a number of steps</source>
        <translation>--%1 attend un nombre de pas</translation>
    </message>
    <message>
        <source>--frame takes X,Y</source>
        <translation>--frame attend X,Y</translation>
    </message>
    <message>
        <source>--%1 takes a number from -100 to 100</source>
        <translation>--%1 attend un nombre de -100 à 100</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>commande inconnue %1</translation>
    </message>
    <message>
        <source>picture writes a .png or a .bmp file</source>
        <translation>picture écrit un fichier .png ou .bmp</translation>
    </message>
    <message>
        <source>sync takes one file</source>
        <translation>sync attend un fichier</translation>
    </message>
    <message>
        <source>--prefer takes computer or handset</source>
        <translation>--prefer attend computer ou handset</translation>
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
        <translation>Usage : dialbook [--simulate] COMMAND [ARGS]

Communique avec le premier combiné Orvak trouvé sur USB, ou avec un combiné simulé.

Commandes :
  devices          Liste chaque périphérique du fabricant du combiné : son chemin,
                   vendor:product en hexadécimal, les longueurs des rapports d’entrée et
                   de sortie, et s’il s’agit d’un combiné accepté. Les périphériques
                   impossibles à ouvrir sont listés avec la raison ; pour un combiné que
                   cet utilisateur n’a pas le droit d’ouvrir, la solution est aussi
                   indiquée (la règle udev). Renvoie 0 si un combiné accepté est présent,
                   sinon 1.
  info             Affiche le nom du combiné et son identité (12 chiffres hexadécimaux),
                   ou comment obtenir l’autorisation de l’ouvrir.
  pull FILE.opbk   Reçoit le répertoire du combiné et l’enregistre dans FILE.opbk.
  push FILE.opbk   Envoie le répertoire de FILE.opbk au combiné, en remplaçant celui qui
                   s’y trouve. Demande d’abord confirmation ; les entrées sans nom ou
                   sans numéro sont omises, après une seconde question. S’il ne reste
                   aucune entrée à envoyer, demande s’il faut supprimer toutes les
                   entrées du combiné (Non, sauf réponse o).
                   Le répertoire du combiné est d’abord conservé dans
                   My Phonebooks/Backups (les 20 plus récents de chaque combiné), sauf
                   avec --no-backup.
  sync BOOK.opbk [--prefer computer|handset] [--dry-run]
                   Synchronise le répertoire du combiné avec BOOK.opbk : ce qui a été
                   ajouté, modifié ou supprimé d’un côté depuis la dernière
                   synchronisation de ce combiné est reporté de l’autre. Affiche chaque
                   modification et sa provenance, puis demande une seule fois
                   confirmation avant d’envoyer le répertoire fusionné au combiné
                   (seulement si son répertoire diffère) et de l’enregistrer dans
                   BOOK.opbk. Une entrée modifiée différemment des deux côtés est un
                   conflit : la version de l’ordinateur est retenue, sauf avec
                   --prefer handset. La première synchronisation reprend les entrées
                   des deux répertoires, les entrées identiques une seule fois. Le
                   répertoire du combiné est d’abord conservé dans Backups, sauf avec
                   --no-backup. Si le répertoire fusionné devait contenir plus de 100
                   entrées, rien n’est envoyé ni écrit. --dry-run affiche les
                   modifications et s’arrête là.
  backups          Liste les répertoires conservés, du plus récent au plus ancien.
  show FILE.opbk   Affiche l’identité d’un fichier de répertoire et une ligne par
                   entrée : le nom, une tabulation, le numéro.
  picture IN OUT.png|OUT.bmp
                   Crée l’image pour le combiné à partir de IN (BMP, GIF, JPEG, PNG,
                   TIFF, WebP ou SVG) et l’enregistre en fichier PNG de 128 x 128 ou en
                   fichier BMP 16 bits du combiné. IN est ajusté au canevas de 426 x 300
                   de la page Images, cadré au milieu, sur fond blanc. Une image
                   endommagée est signalée sur stderr et sa partie lisible est utilisée.
  send-picture IN  Crée l’image pour le combiné à partir de IN et l’envoie au combiné.
  import CONTACTS BOOK.opbk [--map phone=COL,first=COL,last=COL] [--dry-run]
                   Ajoute à BOOK.opbk (créé s’il n’existe pas) les contacts d’un fichier
                   texte délimité (virgules, points-virgules ou tabulations ; UTF-8,
                   UTF-16 ou Windows-1252) ou d’un fichier vCard, comme le fait
                   l’importation de la page Répertoire. Affiche l’association utilisée,
                   puis le nombre d’entrées ajoutées, et sur stderr ce qui a été modifié
                   en chemin (numéros pris dans une autre colonne ou réécrits, contacts
                   sans nom omis, ...). COL est un texte d’en-tête ou un numéro de
                   colonne à partir de 1 ; none vide une cible ; les cibles non nommées
                   gardent la colonne devinée. Un numéro provient de la colonne phone,
                   ou si elle est vide des autres colonnes de téléphone du fichier,
                   mobiles en premier ; phone=COL1|COL2|... donne l’ordre complet.
                   Si plus de contacts sont demandés que BOOK.opbk ne peut en contenir
                   (100 entrées au total), rien n’est écrit. --dry-run affiche les
                   entrées et n’écrit rien.
    --international-prefix P   ce que devient un + initial (chiffres ; 00 par défaut)
    --category NAME  seulement les contacts de cette catégorie ou étiquette (répétable :
                     l’une d’elles)
    --first N        seulement les N premiers contacts (parmi ceux des catégories)
                   CONTACTS peut aussi être l’adresse http(s) d’un serveur CardDAV, ou
                   de l’un de ses carnets d’adresses, avec --user NAME : ses fiches sont
                   lues comme un fichier vCard. Un serveur qui a plusieurs carnets
                   d’adresses les liste ; indiquez celui à lire par son adresse.
  addressbooks URL --user NAME
                   Liste les carnets d’adresses d’un serveur CardDAV (Nextcloud, iCloud,
                   Fastmail, Radicale, ...), trouvés à partir de son adresse, avec leur
                   nombre de fiches et leur adresse.
  export BOOK.opbk OUT.csv|OUT.vcf
                   Écrit chaque entrée de BOOK.opbk en texte délimité par des virgules,
                   ou en vCard si OUT se termine par .vcf.

Options de serveur (addressbooks, et import depuis un serveur) :
  --user NAME      le nom d’utilisateur sur le serveur
  --password-file FILE   lit le mot de passe sur la première ligne de FILE, que seul
                   son propriétaire peut lire (chmod 600). Sans cette option, le mot
                   de passe est pris dans le trousseau de clés du bureau ou, à défaut,
                   demandé dans le terminal sans être affiché. Il n’est jamais accepté
                   sur la ligne de commande.
  --save-password  conserve dans le trousseau de clés le mot de passe saisi quand il
                   est demandé, une fois que le serveur l’a accepté
  --ca-file FILE   fait aussi confiance à ce certificat (PEM ou DER), pour un serveur
                   qui signe lui-même son certificat ; les autres certificats qui ne
                   peuvent pas être vérifiés sont refusés

Options d’image, appliquées dans cet ordre :
  --rotate left|right, --zoom-in N, --zoom-out N   autant de fois que voulu, dans l’ordre
  --frame X,Y      déplace le cadre de 128 x 128 en X,Y sur le canevas (sans en sortir)
  --brightness N, --contrast N, --red N, --green N, --blue N   de -100 à 100

Options :
  --simulate       Utilise un combiné simulé dans ce processus.
  --yes            Répond Oui aux questions de push et de sync, y compris pour
                   supprimer toutes les entrées du combiné avec un répertoire vide.
  -h, --help       Affiche cette aide.

Les transferts affichent une barre de progression dans un terminal ; Ctrl+C les annule
(« Transfert de données annulé. »). En cas d’échec, la raison est affichée et le code de
sortie est 1 ; les erreurs d’utilisation donnent 2. Les combinés simulés lancés avec
orvak-handset-sim sont trouvés comme les combinés USB.
</translation>
    </message>
    <message>
        <source>addressbooks takes the address of a CardDAV server</source>
        <translation>addressbooks attend l’adresse d’un serveur CardDAV</translation>
    </message>
    <message>
        <source>a password is never taken on the command line, where every user of this computer can read it; give --password-file FILE, or type it when asked</source>
        <translation>un mot de passe n’est jamais accepté sur la ligne de commande, où tout utilisateur de cet ordinateur peut le lire ; indiquez --password-file FILE, ou saisissez-le lorsqu’il est demandé</translation>
    </message>
    <message>
        <source>addressbooks takes an http:// or https:// address</source>
        <translation>addressbooks attend une adresse http:// ou https://</translation>
    </message>
    <message>
        <source>a server&apos;s address needs --user NAME</source>
        <translation>l’adresse d’un serveur nécessite --user NAME</translation>
    </message>
    <message>
        <source>--user, --password-file, --ca-file and --save-password are for an address on a server</source>
        <translation>--user, --password-file, --ca-file et --save-password ne s’appliquent qu’à une adresse sur un serveur</translation>
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
        <translation>--map attend phone=COL,first=COL,last=COL</translation>
    </message>
    <message>
        <source>--map: only phone takes several columns</source>
        <translation>--map : seul phone accepte plusieurs colonnes</translation>
    </message>
    <message>
        <source>--map: the file has no column &quot;%1&quot;</source>
        <translation>--map : le fichier n’a pas de colonne « %1 »</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Numéro de téléphone</translation>
    </message>
    <message>
        <source>Name, first part</source>
        <translation>Nom, première partie</translation>
    </message>
    <message>
        <source>Name, last part</source>
        <translation>Nom, dernière partie</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>column %1, %2; then %3</source>
        <translation>colonne %1, %2 ; puis %3</translation>
    </message>
    <message>
        <source>column %1, %2</source>
        <translation>colonne %1, %2</translation>
    </message>
    <message>
        <source>%1 holds no contacts to import; nothing was written.</source>
        <translation>%1 ne contient aucun contact à importer ; rien n’a été écrit.</translation>
    </message>
    <message>
        <source>no contact has the category %1; the file has no categories</source>
        <translation>aucun contact n’a la catégorie %1 ; le fichier n’a pas de catégories</translation>
    </message>
    <message>
        <source>no contact has the category %1; the file&apos;s categories: %2</source>
        <translation>aucun contact n’a la catégorie %1 ; catégories du fichier : %2</translation>
    </message>
    <message>
        <source>%1 is full (%2 entries); nothing was written.</source>
        <translation>%1 est plein (%2 entrées) ; rien n’a été écrit.</translation>
    </message>
    <message>
        <source>Choose which with --category NAME or --first N; nothing was written.</source>
        <translation>Choisissez lesquels avec --category NAME ou --first N ; rien n’a été écrit.</translation>
    </message>
    <message>
        <source>%1 contacts are asked for; the book has room for %2. Nothing was written.</source>
        <translation>%1 contacts sont demandés ; le répertoire a de la place pour %2. Rien n’a été écrit.</translation>
    </message>
    <message>
        <source>Would add 1 entry to %1 (nothing written)</source>
        <translation>1 entrée serait ajoutée à %1 (rien n’est écrit)</translation>
    </message>
    <message numerus="yes">
        <source>Would add %n entries to %1 (nothing written)</source>
        <translation>
            <numerusform>%n entrée serait ajoutée à %1 (rien n’est écrit)</numerusform>
            <numerusform>%n entrées seraient ajoutées à %1 (rien n’est écrit)</numerusform>
        </translation>
    </message>
    <message>
        <source>Added 1 entry to %1</source>
        <translation>1 entrée ajoutée à %1</translation>
    </message>
    <message numerus="yes">
        <source>Added %n entries to %1</source>
        <translation>
            <numerusform>%n entrée ajoutée à %1</numerusform>
            <numerusform>%n entrées ajoutées à %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote 1 entry to %1</source>
        <translation>1 entrée écrite dans %1</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1</source>
        <translation>
            <numerusform>%n entrée écrite dans %1</numerusform>
            <numerusform>%n entrées écrites dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book holds %1 contacts; the book has room for %2.</source>
        <translation>Le carnet d’adresses contient %1 contacts ; le répertoire a de la place pour %2.</translation>
    </message>
</context>
<context>
    <name>ContactImport</name>
    <message>
        <source>1 character that the handset cannot store was left out of the imported names.</source>
        <translation>1 caractère que le combiné ne peut pas enregistrer a été omis des noms importés.</translation>
    </message>
    <message numerus="yes">
        <source>%n characters that the handset cannot store were left out of the imported names.</source>
        <translation>
            <numerusform>%n caractère que le combiné ne peut pas enregistrer a été omis des noms importés.</numerusform>
            <numerusform>%n caractères que le combiné ne peut pas enregistrer ont été omis des noms importés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1 opens a quoted field that never closes; the rest of the file was read as part of that field.</source>
        <translation>La ligne %1 ouvre un champ entre guillemets qui n’est jamais fermé ; le reste du fichier a été lu comme faisant partie de ce champ.</translation>
    </message>
    <message>
        <source>The file holds more than any phone book import can use; only its lines before line %1 were read.</source>
        <translation>Le fichier contient plus que ce qu’une importation de répertoire peut traiter ; seules ses lignes précédant la ligne %1 ont été lues.</translation>
    </message>
    <message>
        <source>1 number came from another column, as the mapped one was empty.</source>
        <translation>1 numéro a été pris dans une autre colonne, car la colonne associée était vide.</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers came from another column, as the mapped one was empty.</source>
        <translation>
            <numerusform>%n numéro a été pris dans une autre colonne, car la colonne associée était vide.</numerusform>
            <numerusform>%n numéros ont été pris dans une autre colonne, car la colonne associée était vide.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 number was rewritten to dial as written (a &quot;+&quot; made the international prefix, a &quot;(0)&quot; dropped, an extension made a pause).</source>
        <translation>1 numéro a été réécrit pour être composé tel qu’il est écrit (un « + » remplacé par l’indicatif international, un « (0) » supprimé, un numéro de poste remplacé par une pause).</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers were rewritten to dial as written (a &quot;+&quot; made the international prefix, a &quot;(0)&quot; dropped, an extension made a pause).</source>
        <translation>
            <numerusform>%n numéro a été réécrit pour être composé tel qu’il est écrit (un « + » remplacé par l’indicatif international, un « (0) » supprimé, un numéro de poste remplacé par une pause).</numerusform>
            <numerusform>%n numéros ont été réécrits pour être composés tels qu’ils sont écrits (un « + » remplacé par l’indicatif international, un « (0) » supprimé, un numéro de poste remplacé par une pause).</numerusform>
        </translation>
    </message>
    <message>
        <source>1 contact had no name and was left out.</source>
        <translation>1 contact sans nom a été omis.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts had no name and were left out.</source>
        <translation>
            <numerusform>%n contact sans nom a été omis.</numerusform>
            <numerusform>%n contacts sans nom ont été omis.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 contact was named after its organisation.</source>
        <translation>1 contact a reçu le nom de son organisation.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts were named after their organisation.</source>
        <translation>
            <numerusform>%n contact a reçu le nom de son organisation.</numerusform>
            <numerusform>%n contacts ont reçu le nom de leur organisation.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file holds 1 contact; the book has room for %1.</source>
        <translation>Le fichier contient 1 contact ; le répertoire a de la place pour %1.</translation>
    </message>
    <message>
        <source>The file holds %1 contacts; the book has room for %2.</source>
        <translation>Le fichier contient %1 contacts ; le répertoire a de la place pour %2.</translation>
    </message>
    <message>
        <source>Error: Could not read the import file.  Check that it is formatted correctly.</source>
        <translation>Erreur : impossible de lire le fichier d’importation. Vérifiez que son format est correct.</translation>
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
        <translation>ouverture impossible : %1</translation>
    </message>
    <message>
        <source>in %1 out %2</source>
        <extracomment>The lengths of the device&apos;s input and output reports, in bytes.</extracomment>
        <translation>entrée %1 sortie %2</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>accepté</translation>
    </message>
    <message>
        <source>not accepted: not a supported handset model</source>
        <translation>non accepté : modèle de combiné non pris en charge</translation>
    </message>
</context>
<context>
    <name>DialbookApp</name>
    <message>
        <source>Start with a simulated handset attached.</source>
        <translation>Démarrer avec un combiné simulé connecté.</translation>
    </message>
    <message>
        <source>DIR</source>
        <extracomment>The value of --screenshots in the help: a folder.</extracomment>
        <translation>DOSSIER</translation>
    </message>
    <message>
        <source>Save a picture of each tab into %1, then quit.</source>
        <translation>Enregistrer une image de chaque onglet dans %1, puis quitter.</translation>
    </message>
    <message>
        <source>A picture to open on the Pictures page.</source>
        <extracomment>The argument in the help: a picture file, which may be left out.</extracomment>
        <translation>Une image à ouvrir sur la page Images.</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[FICHIER]</translation>
    </message>
</context>
<context>
    <name>ExportPage</name>
    <message>
        <source>Export Contacts</source>
        <translation>Exporter des contacts</translation>
    </message>
    <message>
        <source>Export selected contact(s)</source>
        <translation>Exporter le ou les contacts sélectionnés</translation>
    </message>
    <message>
        <source>Export all contacts</source>
        <translation>Exporter tous les contacts</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Text File (%1)</source>
        <translation>Fichier texte (%1)</translation>
    </message>
    <message>
        <source>vCard File (%1)</source>
        <translation>Fichier vCard (%1)</translation>
    </message>
    <message>
        <source>No file specified.  Please enter a file name to export the data to.</source>
        <translation>Aucun fichier indiqué. Saisissez le nom du fichier vers lequel exporter les données.</translation>
    </message>
    <message>
        <source>File already exists.  Do you want to overwrite it?</source>
        <translation>Le fichier existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
</context>
<context>
    <name>FileFailure</name>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: there is no such file.</source>
        <translation>« %1 » : ce fichier n’existe pas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the folder it would go in does not exist.</source>
        <translation>« %1 » : le dossier qui doit le contenir n’existe pas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>« %1 » est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file is empty.</source>
        <translation>« %1 » : le fichier est vide.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: this is not a phone-book file.</source>
        <translation>« %1 » : ce n’est pas un fichier de répertoire.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file is damaged: it is cut short.</source>
        <translation>« %1 » : le fichier est endommagé : il est tronqué.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file is damaged.</source>
        <translation>« %1 » : le fichier est endommagé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: you are not permitted to write this file.</source>
        <translation>« %1 » : vous n’avez pas le droit d’écrire dans ce fichier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: you are not permitted to read this file.</source>
        <translation>« %1 » : vous n’avez pas le droit de lire ce fichier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: this is not a picture in a format that can be opened (%2).</source>
        <translation>« %1 » : ce n’est pas une image dans un format pouvant être ouvert (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: pictures in the %2 format cannot be opened, only %3.</source>
        <translation>« %1 » : les images au format %2 ne peuvent pas être ouvertes, seulement %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the picture is damaged; the part that could be read is used.</source>
        <translation>« %1 » : l’image est endommagée ; la partie lisible est utilisée.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the picture is too large for this computer&apos;s memory.</source>
        <translation>« %1 » : l’image est trop grande pour la mémoire de cet ordinateur.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2.</source>
        <translation>« %1 » n’a pas pu être écrit : %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2.</source>
        <translation>« %1 » n’a pas pu être lu : %2.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>it is larger than the %1 MB a contacts file may be</source>
        <translation>il dépasse les %1 Mo autorisés pour un fichier de contacts</translation>
    </message>
    <message>
        <source>a phone-book file holds at most %1 entries</source>
        <translation>un fichier de répertoire contient au plus %1 entrées</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file has no line of column headings.</source>
        <translation>« %1 » : le fichier n’a pas de ligne d’en-têtes de colonnes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file has more columns than an import can take (%2 at most).</source>
        <translation>« %1 » : le fichier compte plus de colonnes qu’une importation ne peut en prendre (%2 au maximum).</translation>
    </message>
</context>
<context>
    <name>HandsetAccessAdvice</name>
    <message>
        <source>An Orvak handset is plugged in, but this user may not open it.</source>
        <translation>Un combiné Orvak est branché, mais cet utilisateur n’a pas le droit d’y accéder.</translation>
    </message>
    <message>
        <source>Unplug the handset and plug it in again, so that the udev rule %1 applies to it.</source>
        <translation>Débranchez le combiné et rebranchez-le pour que la règle udev %1 s’y applique.</translation>
    </message>
    <message>
        <source>Install the orvak-dialbook package, whose udev rule %1 lets the person at the computer open it, then unplug the handset and plug it in again.</source>
        <translation>Installez le paquet orvak-dialbook, dont la règle udev %1 permet à la personne devant l’ordinateur d’y accéder, puis débranchez le combiné et rebranchez-le.</translation>
    </message>
    <message>
        <source>Install the udev rule from the source tree and have udev apply it:
%1</source>
        <translation>Installez la règle udev depuis l’arborescence des sources et faites-la appliquer par udev :
%1</translation>
    </message>
</context>
<context>
    <name>HandsetPreview</name>
    <message>
        <source>Handset preview</source>
        <translation>Aperçu du combiné</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Aide de %1</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
</context>
<context>
    <name>HidrawSource</name>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
</context>
<context>
    <name>ImportFieldMap</name>
    <message>
        <source>Orvak Phone Number</source>
        <translation>Numéro de téléphone Orvak</translation>
    </message>
    <message>
        <source>Orvak Name (First)</source>
        <translation>Nom Orvak (début)</translation>
    </message>
    <message>
        <source>Orvak Contact Name (First Part)</source>
        <translation>Nom du contact Orvak (première partie)</translation>
    </message>
    <message>
        <source>Orvak Name (Last)</source>
        <translation>Nom Orvak (fin)</translation>
    </message>
    <message>
        <source>Orvak Contact Name (Last Part)</source>
        <translation>Nom du contact Orvak (dernière partie)</translation>
    </message>
</context>
<context>
    <name>ImportFilePage</name>
    <message>
        <source>Import Contacts</source>
        <translation>Importer des contacts</translation>
    </message>
    <message>
        <source>Enter the filename of the contacts to import:</source>
        <translation>Saisissez le nom du fichier de contacts à importer :</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Text and CSV Files (%1)</source>
        <translation>Fichiers texte et CSV (%1)</translation>
    </message>
    <message>
        <source>vCard Files (%1)</source>
        <translation>Fichiers vCard (%1)</translation>
    </message>
    <message>
        <source>All Files (%1)</source>
        <translation>Tous les fichiers (%1)</translation>
    </message>
    <message>
        <source>No file specified.  Please enter the file name of the contacts to import.</source>
        <translation>Aucun fichier indiqué. Saisissez le nom du fichier de contacts à importer.</translation>
    </message>
    <message>
        <source>Import contacts &amp;from:</source>
        <translation>Importer des contacts &amp;depuis :</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>un fichier</translation>
    </message>
    <message>
        <source>an address book on a server (CardDAV)</source>
        <translation>un carnet d’adresses sur un serveur (CardDAV)</translation>
    </message>
    <message>
        <source>Import contacts from a file</source>
        <translation>Importer des contacts depuis un fichier</translation>
    </message>
    <message>
        <source>Import contacts from an address book on a server (CardDAV)</source>
        <translation>Importer des contacts depuis un carnet d’adresses sur un serveur (CardDAV)</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Browse for the file</source>
        <translation>Parcourir pour choisir le fichier</translation>
    </message>
</context>
<context>
    <name>ImportIntroPage</name>
    <message>
        <source>Import/Export</source>
        <translation>Importer/Exporter</translation>
    </message>
    <message>
        <source>&lt;ol&gt;&lt;li&gt;Export your contacts from your other contact manager (for example your e-mail program or your phone&apos;s account) to a comma-delimited text file (CSV) or a vCard file.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Next&lt;/b&gt; and locate that file.&lt;/li&gt;&lt;li&gt;Press &lt;b&gt;Next&lt;/b&gt; and check how the file&apos;s fields map to the phone book. Use &lt;b&gt;Change Map&lt;/b&gt; to adjust the mapping.&lt;/li&gt;&lt;/ol&gt;</source>
        <translation>&lt;ol&gt;&lt;li&gt;Exportez vos contacts depuis votre autre gestionnaire de contacts (par exemple votre messagerie ou le compte de votre téléphone) vers un fichier texte délimité par des virgules (CSV) ou un fichier vCard.&lt;/li&gt;&lt;li&gt;Cliquez sur &lt;b&gt;Suivant&lt;/b&gt; et sélectionnez ce fichier.&lt;/li&gt;&lt;li&gt;Cliquez sur &lt;b&gt;Suivant&lt;/b&gt; et vérifiez comment les champs du fichier sont associés au répertoire. Utilisez &lt;b&gt;Modifier l’association&lt;/b&gt; pour ajuster l’association.&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <source>Contacts kept on a server that speaks CardDAV (such as a calendar and contacts server of your own or your provider&apos;s) are read straight from it: choose the server on the next page.</source>
        <translation>Les contacts conservés sur un serveur compatible CardDAV (comme votre propre serveur d’agenda et de contacts ou celui de votre fournisseur) sont lus directement sur celui-ci : choisissez le serveur à la page suivante.</translation>
    </message>
</context>
<context>
    <name>ImportMappingPage</name>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>What a leading “+” is dialled as: 00 in most of the world, 011 in North America.</source>
        <translation>Indicatif composé à la place d’un « + » initial : 00 presque partout dans le monde, 011 en Amérique du Nord.</translation>
    </message>
    <message>
        <source>&amp;Prefix for “+”:</source>
        <translation>Pré&amp;fixe pour « + » :</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>C&amp;ategory:</source>
        <translation>C&amp;atégorie :</translation>
    </message>
    <message>
        <source>&amp;Select the First That Fit</source>
        <translation>&amp;Cocher les premiers qui tiennent</translation>
    </message>
    <message>
        <source>Contacts to import</source>
        <translation>Contacts à importer</translation>
    </message>
    <message>
        <source>No column is mapped to the phone number: the contacts are imported without numbers.</source>
        <translation>Aucune colonne n’est associée au numéro de téléphone : les contacts seront importés sans numéro.</translation>
    </message>
    <message>
        <source>Numbers are taken from %1.</source>
        <translation>Les numéros sont pris dans %1.</translation>
    </message>
    <message>
        <source>Numbers are taken from %1; where it is empty, from %2.</source>
        <translation>Les numéros sont pris dans %1 ; s’il est vide, dans %2.</translation>
    </message>
    <message>
        <source>Numbers are taken from %1; where it is empty, from the first of %2 that has one.</source>
        <translation>Les numéros sont pris dans %1 ; s’il est vide, dans le premier de %2 qui en contient un.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>The file holds 1 contact; it fits in the book.</source>
        <translation>Le fichier contient 1 contact ; il tient dans le répertoire.</translation>
    </message>
    <message>
        <source>The file holds %1 contacts; all of them fit in the book.</source>
        <translation>Le fichier contient %1 contacts ; ils tiennent tous dans le répertoire.</translation>
    </message>
    <message>
        <source>%1 chosen, room for %2.</source>
        <translation>Sélection : %1 ; place disponible : %2.</translation>
    </message>
    <message>
        <source>Only the file&apos;s lines before line %1 were read: the rest is more than an import can use.</source>
        <translation>Seules les lignes du fichier précédant la ligne %1 ont été lues : le reste dépasse ce qu’une importation peut traiter.</translation>
    </message>
    <message>
        <source>Uncheck some, or choose a category, to go on.</source>
        <translation>Pour continuer, décochez-en quelques-uns ou choisissez une catégorie.</translation>
    </message>
    <message>
        <source>All categories</source>
        <translation>Toutes les catégories</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importer des contacts</translation>
    </message>
    <message>
        <source>Import Field Mapping</source>
        <translation>Association des champs à importer</translation>
    </message>
    <message>
        <source>Field mapping</source>
        <translation>Association des champs</translation>
    </message>
    <message>
        <source>Import Text Field</source>
        <translation>Champ texte importé</translation>
    </message>
    <message>
        <source>Orvak Phonebook Field</source>
        <translation>Champ du répertoire Orvak</translation>
    </message>
    <message>
        <source>Change Map</source>
        <translation>Modifier l’association</translation>
    </message>
    <message>
        <source>No row selected.</source>
        <translation>Aucune ligne sélectionnée.</translation>
    </message>
    <message>
        <source>The address book holds %1 contacts; the book has room for %2.</source>
        <translation>Le carnet d’adresses contient %1 contacts ; le répertoire a de la place pour %2.</translation>
    </message>
    <message>
        <source>The address book holds 1 contact; it fits in the book.</source>
        <translation>Le carnet d’adresses contient 1 contact ; il tient dans le répertoire.</translation>
    </message>
    <message>
        <source>The address book holds %1 contacts; all of them fit in the book.</source>
        <translation>Le carnet d’adresses contient %1 contacts ; ils tiennent tous dans le répertoire.</translation>
    </message>
</context>
<context>
    <name>ImportServerPage</name>
    <message>
        <source>Import Contacts</source>
        <translation>Importer des contacts</translation>
    </message>
    <message>
        <source>Address Book on a Server</source>
        <translation>Carnet d’adresses sur un serveur</translation>
    </message>
    <message>
        <source>Give the address of the server that keeps your contacts (CardDAV), or of one of its address books, with your user name and password there. Find Address Books lists the address books it offers.</source>
        <translation>Indiquez l’adresse du serveur qui conserve vos contacts (CardDAV), ou celle de l’un de ses carnets d’adresses, avec votre nom d’utilisateur et votre mot de passe sur ce serveur. « Rechercher les carnets d’adresses » affiche la liste de ceux qu’il propose.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adresse du serveur</translation>
    </message>
    <message>
        <source>Server &amp;address:</source>
        <translation>&amp;Adresse du serveur :</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d’utilisateur</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Nom d’utilisateur :</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Left empty, the password kept in the keyring for this address and user is used.</source>
        <translation>Si ce champ est laissé vide, le mot de passe conservé dans le trousseau de clés pour cette adresse et cet utilisateur est utilisé.</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>&amp;Remember in the keyring</source>
        <translation>&amp;Conserver dans le trousseau de clés</translation>
    </message>
    <message>
        <source>Remember the password in the keyring</source>
        <translation>Conserver le mot de passe dans le trousseau de clés</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>&amp;Rechercher les carnets d’adresses</translation>
    </message>
    <message>
        <source>Find address books</source>
        <translation>Rechercher les carnets d’adresses</translation>
    </message>
    <message>
        <source>Address b&amp;ooks found:</source>
        <translation>Carnets d’a&amp;dresses trouvés :</translation>
    </message>
    <message>
        <source>Address books found</source>
        <translation>Carnets d’adresses trouvés</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Carnet d’adresses</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Fiches</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Enter the address of the server, such as %1.</source>
        <translation>Saisissez l’adresse du serveur, par exemple %1.</translation>
    </message>
    <message>
        <source>The password could not be read from the keyring: %1</source>
        <translation>Le mot de passe n’a pas pu être lu dans le trousseau de clés : %1</translation>
    </message>
    <message>
        <source>Looking for address books at %1...</source>
        <translation>Recherche des carnets d’adresses sur %1...</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Le mot de passe n’a pas pu être conservé dans le trousseau de clés : %1</translation>
    </message>
    <message>
        <source>Choose one of the address books found.</source>
        <translation>Choisissez l’un des carnets d’adresses trouvés.</translation>
    </message>
    <message>
        <source>Reading the address book %1...</source>
        <translation>Lecture du carnet d’adresses %1...</translation>
    </message>
    <message>
        <source>The address book “%1” holds no contacts.</source>
        <translation>Le carnet d’adresses « %1 » ne contient aucun contact.</translation>
    </message>
</context>
<context>
    <name>Keyring</name>
    <message>
        <source>The keyring did not answer in time.</source>
        <translation>Le trousseau de clés n’a pas répondu à temps.</translation>
    </message>
    <message>
        <source>No keyring is running, so passwords are neither looked up in it nor kept in it.</source>
        <translation>Aucun trousseau de clés n’est actif : les mots de passe n’y sont donc ni recherchés ni conservés.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;Welcome</source>
        <translation>&amp;Accueil</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>&amp;Images</translation>
    </message>
    <message>
        <source>Phone &amp;Book</source>
        <translation>&amp;Répertoire</translation>
    </message>
</context>
<context>
    <name>MultistatusReader</name>
    <message>
        <source>the answer ends before its multistatus does</source>
        <translation>la réponse se termine avant la fin de son élément multistatus</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (ligne %2)</translation>
    </message>
    <message>
        <source>the answer is no multistatus but &lt;%1&gt;</source>
        <translation>la réponse n’est pas un multistatus mais &lt;%1&gt;</translation>
    </message>
    <message>
        <source>a value longer than %1 MB</source>
        <translation>une valeur de plus de %1 Mo</translation>
    </message>
</context>
<context>
    <name>PasswordFile</name>
    <message>
        <source>&quot;%1&quot; could not be read: %2.</source>
        <translation>« %1 » n’a pas pu être lu : %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 bytes; a password file holds the password on its first line.</source>
        <translation>« %1 » dépasse %2 octets ; un fichier de mot de passe contient le mot de passe sur sa première ligne.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file. Give the password in a file of your own that only you may read (chmod 600).</source>
        <translation>« %1 » n’est pas un fichier ordinaire. Indiquez le mot de passe dans un fichier qui vous appartient et que vous seul pouvez lire (chmod 600).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to another user. Keep the password in a file of your own and make it yours alone with: chmod 600 FILE</source>
        <translation>« %1 » appartient à un autre utilisateur. Conservez le mot de passe dans un fichier qui vous appartient et réservez-le à vous seul avec : chmod 600 FILE</translation>
    </message>
    <message>
        <source>&quot;%1&quot; may be read or changed by others than you, so its password is not used. Make it yours alone with: %2</source>
        <translation>« %1 » peut être lu ou modifié par d’autres que vous ; son mot de passe n’est donc pas utilisé. Réservez-le à vous seul avec : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty; its first line should be the password.</source>
        <translation>« %1 » est vide ; sa première ligne doit contenir le mot de passe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no password on its first line.</source>
        <translation>« %1 » ne contient pas de mot de passe sur sa première ligne.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the first line is not UTF-8 text.</source>
        <translation>« %1 » : la première ligne n’est pas du texte UTF-8.</translation>
    </message>
</context>
<context>
    <name>PasswordSources</name>
    <message>
        <source>The password could not be looked up in the keyring: %1</source>
        <translation>Le mot de passe n’a pas pu être recherché dans le trousseau de clés : %1</translation>
    </message>
    <message>
        <source>There is no terminal to ask for the password on. Give it with --password-file FILE, a file that only you may read (chmod 600 FILE).</source>
        <translation>Aucun terminal ne permet de demander le mot de passe. Indiquez-le avec --password-file FILE, un fichier que vous seul pouvez lire (chmod 600 FILE).</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <extracomment>%1 is the user name, %2 the server as scheme://host.</extracomment>
        <translation>Mot de passe de %1 sur %2 : </translation>
    </message>
    <message>
        <source>No password was typed. To give it without typing, use --password-file FILE, a file that only you may read (chmod 600 FILE).</source>
        <translation>Aucun mot de passe n’a été saisi. Pour l’indiquer sans le saisir, utilisez --password-file FILE, un fichier que vous seul pouvez lire (chmod 600 FILE).</translation>
    </message>
    <message>
        <source>The password was not kept: no keyring is running. It is asked for again next time.</source>
        <translation>Le mot de passe n’a pas été conservé : aucun trousseau de clés n’est actif. Il sera de nouveau demandé la prochaine fois.</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Le mot de passe n’a pas pu être conservé dans le trousseau de clés : %1</translation>
    </message>
</context>
<context>
    <name>PhonebookBackups</name>
    <message>
        <source>The send did not finish: the handset now holds %1 of the %2 entries.</source>
        <translation>L’envoi n’est pas terminé : le combiné contient maintenant %1 des %2 entrées.</translation>
    </message>
    <message>
        <source>The send did not finish, and the handset did not say what it holds now: its phone book may have been emptied (%1 of the %2 entries had been sent).</source>
        <translation>L’envoi n’est pas terminé et le combiné n’a pas indiqué ce qu’il contient : son répertoire a peut-être été vidé (%1 des %2 entrées avaient été envoyées).</translation>
    </message>
</context>
<context>
    <name>PhonebookCommands</name>
    <message>
        <source>Not asked, since the input is not a terminal: taken as No. Add --yes to answer Yes.</source>
        <translation>Question non posée, car l’entrée n’est pas un terminal : réponse Non. Ajoutez --yes pour répondre Oui.</translation>
    </message>
    <message>
        <source>[y/N]</source>
        <extracomment>The answers to a question on the terminal: yes, or No, in capitals as the answer that Enter alone gives.</extracomment>
        <translation>[o/N]</translation>
    </message>
    <message>
        <source>y</source>
        <extracomment>The letter that answers yes to &quot;[y/N]&quot;, the first letter of the word &quot;yes&quot;.</extracomment>
        <translation>o</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nom : %1</translation>
    </message>
    <message>
        <source>Identity: %1</source>
        <translation>Identité : %1</translation>
    </message>
    <message>
        <source>Received 1 entry into %1</source>
        <translation>1 entrée reçue dans %1</translation>
    </message>
    <message numerus="yes">
        <source>Received %n entries into %1</source>
        <translation>
            <numerusform>%n entrée reçue dans %1</numerusform>
            <numerusform>%n entrées reçues dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was sent: the handset&apos;s phone book is as it was.</source>
        <translation>Rien n’a été envoyé : le répertoire du combiné est inchangé.</translation>
    </message>
    <message>
        <source>The handset&apos;s phone book could not be kept before the send, so nothing was sent.</source>
        <translation>Le répertoire du combiné n’a pas pu être conservé avant l’envoi ; rien n’a donc été envoyé.</translation>
    </message>
    <message>
        <source>Kept the handset&apos;s previous phone book in %1</source>
        <translation>Répertoire précédent du combiné conservé dans %1</translation>
    </message>
    <message>
        <source>To send its previous phone book back: %1</source>
        <translation>Pour renvoyer son répertoire précédent : %1</translation>
    </message>
    <message>
        <source>Sent 1 entry</source>
        <translation>1 entrée envoyée</translation>
    </message>
    <message numerus="yes">
        <source>Sent %n entries</source>
        <translation>
            <numerusform>%n entrée envoyée</numerusform>
            <numerusform>%n entrées envoyées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries without a name or a number stay in the computer&apos;s book and are not sent.</source>
        <translation>
            <numerusform>%n entrée sans nom ou sans numéro reste dans le répertoire de l’ordinateur et n’est pas envoyée.</numerusform>
            <numerusform>%n entrées sans nom ou sans numéro restent dans le répertoire de l’ordinateur et ne sont pas envoyées.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merged phone book was not kept as the base of the next sync.</source>
        <translation>Le répertoire fusionné n’a pas été conservé comme base de la prochaine synchronisation.</translation>
    </message>
    <message>
        <source>The handset and %1 are already in step: nothing sent, nothing written.</source>
        <extracomment>%1: the phone-book file synced with the handset.</extracomment>
        <translation>Le combiné et %1 sont déjà synchronisés : rien n’est envoyé, rien n’est écrit.</translation>
    </message>
    <message>
        <source>Nothing sent, nothing written (--dry-run).</source>
        <translation>Rien n’est envoyé, rien n’est écrit (--dry-run).</translation>
    </message>
    <message>
        <source>Send the merged phone book to the handset and save it in %1?</source>
        <extracomment>%1: the phone-book file synced with the handset.</extracomment>
        <translation>Envoyer le répertoire fusionné au combiné et l’enregistrer dans %1 ?</translation>
    </message>
    <message>
        <source>Send the merged phone book to the handset? %1 holds it already.</source>
        <extracomment>%1: the phone-book file synced with the handset, which holds the merged book already.</extracomment>
        <translation>Envoyer le répertoire fusionné au combiné ? %1 le contient déjà.</translation>
    </message>
    <message>
        <source>Save the merged phone book in %1? The handset holds it already.</source>
        <extracomment>%1: the phone-book file synced with the handset, which already holds the merged book.</extracomment>
        <translation>Enregistrer le répertoire fusionné dans %1 ? Le combiné le contient déjà.</translation>
    </message>
    <message>
        <source>The handset holds the merged phone book; a sync again saves it in %1.</source>
        <extracomment>%1: the phone-book file that could not be saved after the send.</extracomment>
        <translation>Le combiné contient le répertoire fusionné ; une nouvelle synchronisation l’enregistrera dans %1.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>%1: the phone-book file the merged book was saved in.</extracomment>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>No earlier sync of this handset with %1 is known: the entries of both are kept, and nothing is deleted.</source>
        <extracomment>%1: the phone-book file synced with the handset.</extracomment>
        <translation>Aucune synchronisation antérieure de ce combiné avec %1 n’est connue : les entrées des deux côtés sont conservées et rien n’est supprimé.</translation>
    </message>
    <message>
        <source>%1 is as it was.</source>
        <extracomment>%1: the phone-book file synced with the handset, left as it was after a failed send.</extracomment>
        <translation>%1 est resté tel quel.</translation>
    </message>
    <message>
        <source>The next sync with this handset keeps the entries of both sides and deletes none.</source>
        <translation>La prochaine synchronisation avec ce combiné conservera les entrées des deux côtés et n’en supprimera aucune.</translation>
    </message>
</context>
<context>
    <name>PhonebookPage</name>
    <message>
        <source>Name Edit</source>
        <translation>Modification du nom</translation>
    </message>
    <message>
        <source>Number Edit</source>
        <translation>Modification du numéro</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>%1 is the step undone, &quot;New Entry&quot; say.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>%1 is the step redone, &quot;New Entry&quot; say.</extracomment>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restauration</translation>
    </message>
    <message>
        <source>New Entry</source>
        <translation>Nouvelle entrée</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppression</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Tri</translation>
    </message>
    <message>
        <source>New Phonebook</source>
        <translation>Nouveau répertoire</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importation</translation>
    </message>
    <message>
        <source>Get Phonebook</source>
        <translation>Réception du répertoire</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouverture</translation>
    </message>
    <message>
        <source>Send the phone book it had before (kept in %1) back to it?</source>
        <translation>Renvoyer au combiné le répertoire qu’il contenait auparavant (conservé dans %1) ?</translation>
    </message>
    <message>
        <source>Open phone book</source>
        <translation>Ouvrir un répertoire</translation>
    </message>
    <message>
        <source>Save phone book</source>
        <translation>Enregistrer le répertoire</translation>
    </message>
    <message>
        <source>New phone book</source>
        <translation>Nouveau répertoire</translation>
    </message>
    <message>
        <source>Get the phone book from the handset</source>
        <translation>Recevoir le répertoire du combiné</translation>
    </message>
    <message>
        <source>Send the phone book to the handset</source>
        <translation>Envoyer le répertoire au combiné</translation>
    </message>
    <message>
        <source>Import or export contacts</source>
        <translation>Importer ou exporter des contacts</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Nouvelle entrée</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <source>Delete selected entries</source>
        <translation>Supprimer les entrées sélectionnées</translation>
    </message>
    <message>
        <source>Orvak web site</source>
        <translation>Site web d’Orvak</translation>
    </message>
    <message>
        <source>Save changes to current phonebook loaded?</source>
        <translation>Enregistrer les modifications du répertoire actuel ?</translation>
    </message>
    <message>
        <source>The handset&apos;s phone book could not be kept before the send, so nothing was sent.</source>
        <translation>Le répertoire du combiné n’a pas pu être conservé avant l’envoi ; rien n’a donc été envoyé.</translation>
    </message>
    <message>
        <source>The program did not close normally last time, and a phone book had changes that were not saved. Restore that phone book?</source>
        <translation>Le programme ne s’est pas fermé normalement la dernière fois, et un répertoire contenait des modifications non enregistrées. Restaurer ce répertoire ?</translation>
    </message>
    <message>
        <source>Phone book entries</source>
        <translation>Entrées du répertoire</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir %1</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n contacts to %1.</source>
        <translation>
            <numerusform>%n contact exporté vers %1.</numerusform>
            <numerusform>%n contacts exportés vers %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Enregistré dans %1.</translation>
    </message>
    <message numerus="yes">
        <source>Phone book sent: %n entries.</source>
        <translation>
            <numerusform>Répertoire envoyé : %n entrée.</numerusform>
            <numerusform>Répertoire envoyé : %n entrées.</numerusform>
        </translation>
    </message>
    <message>
        <source>dialbook pull FILE.opbk</source>
        <translation>dialbook pull FILE.opbk</translation>
    </message>
    <message>
        <source>The phone book of this handset model (0x%1) is not supported in this window; use the dialbook command: %2</source>
        <translation>Le répertoire de ce modèle de combiné (0x%1) n’est pas pris en charge dans cette fenêtre ; utilisez la commande dialbook : %2</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Sync the phone book with the handset</source>
        <translation>Synchroniser le répertoire avec le combiné</translation>
    </message>
    <message>
        <source>Select &amp;Duplicates</source>
        <translation>Sélectionner les &amp;doublons</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate entries selected.</source>
        <translation>
            <numerusform>%n entrée en double sélectionnée.</numerusform>
            <numerusform>%n entrées en double sélectionnées.</numerusform>
        </translation>
    </message>
    <message>
        <source>No duplicate entries found.</source>
        <translation>Aucune entrée en double trouvée.</translation>
    </message>
    <message>
        <source>The handset and this phone book are already in step: nothing was changed.</source>
        <translation>Le combiné et ce répertoire sont déjà synchronisés : rien n’a été modifié.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries without a name or a number stay in this phone book and are not sent.</source>
        <translation>
            <numerusform>%n entrée sans nom ou sans numéro reste dans ce répertoire et n’est pas envoyée.</numerusform>
            <numerusform>%n entrées sans nom ou sans numéro restent dans ce répertoire et ne sont pas envoyées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Phone book synced: the handset holds %n entries.</source>
        <translation>
            <numerusform>Répertoire synchronisé : le combiné contient %n entrée.</numerusform>
            <numerusform>Répertoire synchronisé : le combiné contient %n entrées.</numerusform>
        </translation>
    </message>
    <message>
        <source>The handset holds the synced phone book and the list shows it, but its file was not saved: save it to keep it.</source>
        <translation>Le combiné contient le répertoire synchronisé et la liste l’affiche, mais son fichier n’a pas été enregistré : enregistrez-le pour le conserver.</translation>
    </message>
</context>
<context>
    <name>PhonebookSend</name>
    <message>
        <source>The phone book to send has no entries with both a name and a number.</source>
        <translation>Le répertoire à envoyer ne contient aucune entrée ayant à la fois un nom et un numéro.</translation>
    </message>
    <message>
        <source>This deletes all entries on the handset.</source>
        <translation>Cela supprime toutes les entrées du combiné.</translation>
    </message>
    <message numerus="yes">
        <source>This deletes all %n entries on the handset.</source>
        <translation>
            <numerusform>Cela supprime %n entrée du combiné.</numerusform>
            <numerusform>Cela supprime les %n entrées du combiné.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
%2
Send it anyway?</source>
        <translation>%1
%2
L’envoyer quand même ?</translation>
    </message>
</context>
<context>
    <name>PhonebookSync</name>
    <message numerus="yes">
        <source>The merged phone book would hold %n entries (the handset&apos;s has %L1, the computer&apos;s %L2), but the handset holds at most 100. Nothing was sent or written.</source>
        <extracomment>%n: the entries the merge gives; %L1 and %L2: the entries of the two books merged.</extracomment>
        <translation>
            <numerusform>Le répertoire fusionné contiendrait %n entrée (celui du combiné en a %L1, celui de l’ordinateur %L2), mais le combiné en contient au plus 100. Rien n’a été envoyé ni écrit.</numerusform>
            <numerusform>Le répertoire fusionné contiendrait %n entrées (celui du combiné en a %L1, celui de l’ordinateur %L2), mais le combiné en contient au plus 100. Rien n’a été envoyé ni écrit.</numerusform>
        </translation>
    </message>
    <message>
        <source>added</source>
        <extracomment>A kind of change of a sync, the first word of its line.</extracomment>
        <translation>ajouté</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modifié</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>supprimé</translation>
    </message>
    <message>
        <source>kept-over-delete</source>
        <translation>conservé</translation>
    </message>
    <message>
        <source>conflict</source>
        <translation>conflit</translation>
    </message>
    <message>
        <source>both kept</source>
        <translation>les deux conservées</translation>
    </message>
    <message>
        <source>the handset&apos;s taken</source>
        <translation>version du combiné retenue</translation>
    </message>
    <message>
        <source>the computer&apos;s taken</source>
        <translation>version de l’ordinateur retenue</translation>
    </message>
    <message>
        <source>handset: %1 | computer: %2 (%3)</source>
        <extracomment>A conflict: %1 the handset&apos;s version, %2 the computer&apos;s, %3 which one is taken.</extracomment>
        <translation>combiné : %1 | ordinateur : %2 (%3)</translation>
    </message>
    <message>
        <source>on the handset</source>
        <translation>sur le combiné</translation>
    </message>
    <message>
        <source>on the computer</source>
        <translation>sur l’ordinateur</translation>
    </message>
    <message>
        <source>on both</source>
        <translation>des deux côtés</translation>
    </message>
    <message>
        <source>changed on the computer, deleted on the handset</source>
        <translation>modifié sur l’ordinateur, supprimé sur le combiné</translation>
    </message>
    <message>
        <source>changed on the handset, deleted on the computer</source>
        <translation>modifié sur le combiné, supprimé sur l’ordinateur</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <extracomment>A change: %1 where it was made, %2 the entry as it was, %3 as it is now.</extracomment>
        <translation>%1 : %2 -&gt; %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%L1 added, %L2 changed, %L3 deleted, %L4 kept over a deletion, %L5 in conflict; %L6 of 100 entries.</source>
        <extracomment>The changes of a sync by kind, then the entries the handset will hold of the 100 it can.</extracomment>
        <translation>Ajouts : %L1, modifications : %L2, suppressions : %L3, conservées malgré une suppression : %L4, conflits : %L5 ; %L6 entrées sur 100.</translation>
    </message>
</context>
<context>
    <name>PictureCanvas</name>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Drag the red frame, or move it with the arrow keys (Shift: faster); + and - zoom.</source>
        <translation>Faites glisser le cadre rouge ou déplacez-le avec les flèches (Maj : plus vite) ; + et - pour zoomer.</translation>
    </message>
</context>
<context>
    <name>PictureCommands</name>
    <message>
        <source>Wrote the handset picture to %1</source>
        <translation>Image du combiné écrite dans %1</translation>
    </message>
    <message>
        <source>Sent the picture to the handset</source>
        <translation>Image envoyée au combiné</translation>
    </message>
</context>
<context>
    <name>PicturePage</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Pivoter à gauche</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Pivoter à droite</translation>
    </message>
    <message>
        <source>Brightness and contrast</source>
        <translation>Luminosité et contraste</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Balance des couleurs</translation>
    </message>
    <message>
        <source>Send to phone</source>
        <translation>Envoyer au téléphone</translation>
    </message>
    <message>
        <source>Orvak web site</source>
        <translation>Site web d’Orvak</translation>
    </message>
    <message>
        <source>dialbook send-picture PICTURE</source>
        <translation>dialbook send-picture PICTURE</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Enregistré dans %1.</translation>
    </message>
    <message>
        <source>Picture sent.</source>
        <translation>Image envoyée.</translation>
    </message>
    <message>
        <source>Pictures for this handset model (0x%1) are not supported in this window; use the dialbook command: %2</source>
        <translation>Les images pour ce modèle de combiné (0x%1) ne sont pas prises en charge dans cette fenêtre ; utilisez la commande dialbook : %2</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SimSocketSource</name>
    <message>
        <source>socket path too long</source>
        <translation>chemin de socket trop long</translation>
    </message>
    <message>
        <source>no handset answers (stale socket)</source>
        <translation>aucun combiné ne répond (socket obsolète)</translation>
    </message>
    <message>
        <source>no greeting from the handset</source>
        <translation>aucun message d’accueil du combiné</translation>
    </message>
    <message>
        <source>not a simulated handset</source>
        <translation>ce n’est pas un combiné simulé</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Not Permitted</source>
        <translation>Non autorisé</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Non connecté</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About the Orvak Dialbook...</source>
        <extracomment>String 101</extracomment>
        <translation>À &amp;propos d’Orvak Dialbook...</translation>
    </message>
    <message>
        <source>Slide to adjust Red color of phone image.</source>
        <extracomment>String 102</extracomment>
        <translation>Faites glisser pour régler le rouge de l’image du téléphone.</translation>
    </message>
    <message>
        <source>Error: Could not send data to phone.</source>
        <extracomment>String 103
----------
String 57354</extracomment>
        <translation>Erreur : impossible d’envoyer les données au téléphone.</translation>
    </message>
    <message>
        <source>Open a graphic file on your computer.</source>
        <extracomment>String 105</extracomment>
        <translation>Ouvrir un fichier graphique de votre ordinateur.</translation>
    </message>
    <message>
        <source>Save the Phone Graphic file.</source>
        <extracomment>String 106</extracomment>
        <translation>Enregistrer le fichier graphique du téléphone.</translation>
    </message>
    <message>
        <source>Learn more about the<byte value="xd"/>
Orvak Dialbook.</source>
        <extracomment>String 107</extracomment>
        <translation>En savoir plus sur<byte value="xd"/>
Orvak Dialbook.</translation>
    </message>
    <message>
        <source>Zoom in on the picture.</source>
        <extracomment>String 108</extracomment>
        <translation>Agrandir l’image.</translation>
    </message>
    <message>
        <source>Zoom out on the picture.</source>
        <extracomment>String 109</extracomment>
        <translation>Réduire l’image.</translation>
    </message>
    <message>
        <source>Rotate the picture to the Left.</source>
        <extracomment>String 110</extracomment>
        <translation>Faire pivoter l’image vers la gauche.</translation>
    </message>
    <message>
        <source>Rotate the picture to the Right.</source>
        <extracomment>String 111</extracomment>
        <translation>Faire pivoter l’image vers la droite.</translation>
    </message>
    <message>
        <source>Adjust Brightness and Contrast.</source>
        <extracomment>String 112</extracomment>
        <translation>Régler la luminosité et le contraste.</translation>
    </message>
    <message>
        <source>Edit Red, Green and Blue Colors.</source>
        <extracomment>String 113</extracomment>
        <translation>Modifier les couleurs rouge, vert et bleu.</translation>
    </message>
    <message>
        <source>Download the selected
<byte value="xd"/>image to the phone.</source>
        <extracomment>String 114</extracomment>
        <translation>Envoyer l’image sélectionnée
<byte value="xd"/>au téléphone.</translation>
    </message>
    <message>
        <source>Slide to adjust Green color of phone image.</source>
        <extracomment>String 115</extracomment>
        <translation>Faites glisser pour régler le vert de l’image du téléphone.</translation>
    </message>
    <message>
        <source>Slide to adjust Blue color of phone image.</source>
        <extracomment>String 117</extracomment>
        <translation>Faites glisser pour régler le bleu de l’image du téléphone.</translation>
    </message>
    <message>
        <source>Could not start the Graphics Interface.  Exiting.</source>
        <extracomment>String 118</extracomment>
        <translation>Impossible de démarrer l’interface graphique. Fermeture du programme.</translation>
    </message>
    <message>
        <source>Starting Image Download...</source>
        <extracomment>String 132</extracomment>
        <translation>Début de l’envoi de l’image...</translation>
    </message>
    <message>
        <source>Error: Could not retrieve image to download.</source>
        <extracomment>String 133</extracomment>
        <translation>Erreur : impossible de récupérer l’image à envoyer.</translation>
    </message>
    <message>
        <source>Loading Image file.  Please wait...</source>
        <extracomment>String 135</extracomment>
        <translation>Chargement du fichier image. Veuillez patienter...</translation>
    </message>
    <message>
        <source>Error: Can not write over currently opened image.  Please choose new image name or folder to save image to.</source>
        <extracomment>String 136</extracomment>
        <translation>Erreur : impossible d’écraser l’image actuellement ouverte. Choisissez un autre nom ou un autre dossier pour enregistrer l’image.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Memory storage on handset is full.
Please delete one or more pictures or sound clips on handset.</source>
        <extracomment>String 137</extracomment>
        <translation>Envoi impossible ! La mémoire du combiné est pleine.
Supprimez une ou plusieurs images ou séquences sonores du combiné.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Handset in use.</source>
        <extracomment>String 138</extracomment>
        <translation>Envoi impossible ! Combiné en cours d’utilisation.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Incoming call on handset.</source>
        <extracomment>String 139</extracomment>
        <translation>Envoi impossible ! Appel entrant sur le combiné.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Low battery detected on handset.</source>
        <extracomment>String 140</extracomment>
        <translation>Envoi impossible ! Batterie du combiné faible.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Sound clip record/playback in progress on handset.</source>
        <extracomment>String 141</extracomment>
        <translation>Envoi impossible ! Enregistrement ou lecture d’une séquence sonore en cours sur le combiné.</translation>
    </message>
    <message>
        <source>Can&apos;t download!  Handset canceled the image download.</source>
        <extracomment>String 142</extracomment>
        <translation>Envoi impossible ! Le combiné a annulé l’envoi de l’image.</translation>
    </message>
    <message>
        <source>Press this TAB to open the Graphics Editor</source>
        <extracomment>String 144</extracomment>
        <translation>Cliquez sur cet onglet pour ouvrir l’éditeur graphique</translation>
    </message>
    <message>
        <source>Error: The file was too large and was rejected by the phone.</source>
        <extracomment>String 155</extracomment>
        <translation>Erreur : le fichier était trop volumineux et a été refusé par le téléphone.</translation>
    </message>
    <message>
        <source> No File Loaded</source>
        <extracomment>String 157</extracomment>
        <translation> Aucun fichier chargé</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)|*.bmp||</source>
        <extracomment>String 159</extracomment>
        <translation>Image bitmap (*.bmp)|*.bmp||</translation>
    </message>
    <message>
        <source>Slide to adjust brightness of phone image.</source>
        <extracomment>String 162</extracomment>
        <translation>Faites glisser pour régler la luminosité de l’image du téléphone.</translation>
    </message>
    <message>
        <source>Slide to adjust contrast of phone image.</source>
        <extracomment>String 163</extracomment>
        <translation>Faites glisser pour régler le contraste de l’image du téléphone.</translation>
    </message>
    <message>
        <source>Error: Could not read data from phone.</source>
        <extracomment>String 164</extracomment>
        <translation>Erreur : impossible de lire les données du téléphone.</translation>
    </message>
    <message>
        <source>Canceling Phonebook Transfer...</source>
        <extracomment>String 165</extracomment>
        <translation>Annulation du transfert du répertoire...</translation>
    </message>
    <message>
        <source>Data transfer canceled.</source>
        <extracomment>String 167</extracomment>
        <translation>Transfert de données annulé.</translation>
    </message>
    <message>
        <source>Receiving phonebook from handset...</source>
        <extracomment>String 169</extracomment>
        <translation>Réception du répertoire depuis le combiné...</translation>
    </message>
    <message>
        <source>Sending phonebook records to phone...</source>
        <extracomment>String 170</extracomment>
        <translation>Envoi des entrées du répertoire au téléphone...</translation>
    </message>
    <message>
        <source>Sending phonebook record:</source>
        <extracomment>String 172</extracomment>
        <translation>Envoi de l’entrée du répertoire :</translation>
    </message>
    <message>
        <source>Press this tab to access the Phonebook Editor</source>
        <extracomment>String 174</extracomment>
        <translation>Cliquez sur cet onglet pour accéder à l’éditeur de répertoire</translation>
    </message>
    <message>
        <source>Press this tab to access the welcome dialog.</source>
        <extracomment>String 175</extracomment>
        <translation>Cliquez sur cet onglet pour accéder à l’écran d’accueil.</translation>
    </message>
    <message>
        <source>Maximum phonebook records reached.  Please delete some records and try again.</source>
        <extracomment>String 182</extracomment>
        <translation>Nombre maximal d’entrées du répertoire atteint. Supprimez des entrées et réessayez.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>String 184</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <extracomment>String 185</extracomment>
        <translation>Numéro de téléphone</translation>
    </message>
    <message>
        <source>Error: Bitmap does not exist.</source>
        <extracomment>String 188</extracomment>
        <translation>Erreur : l’image bitmap n’existe pas.</translation>
    </message>
    <message>
        <source>Phonebook (*.opbk)|*.opbk||</source>
        <extracomment>String 191</extracomment>
        <translation>Répertoire (*.opbk)|*.opbk||</translation>
    </message>
    <message>
        <source>Orvak Phonebook Files (*.opbk)|*.opbk|All Files (*.*)|*.*||</source>
        <extracomment>String 192</extracomment>
        <translation>Fichiers de répertoire Orvak (*.opbk)|*.opbk|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Error: Could not write to the file.</source>
        <extracomment>String 193</extracomment>
        <translation>Erreur : impossible d’écrire dans le fichier.</translation>
    </message>
    <message>
        <source>Error: Could not read file.</source>
        <extracomment>String 194</extracomment>
        <translation>Erreur : impossible de lire le fichier.</translation>
    </message>
    <message>
        <source>Warning: This will overwrite the phonebook on the handset.  Do you want to proceed?</source>
        <extracomment>String 195</extracomment>
        <translation>Attention : cette opération va remplacer le répertoire du combiné. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Error: No records to write.</source>
        <extracomment>String 199</extracomment>
        <translation>Erreur : aucune entrée à écrire.</translation>
    </message>
    <message>
        <source>Error: Could not open file.</source>
        <extracomment>String 201</extracomment>
        <translation>Erreur : impossible d’ouvrir le fichier.</translation>
    </message>
    <message>
        <source>Error: Could not write to the file specified.</source>
        <extracomment>String 202</extracomment>
        <translation>Erreur : impossible d’écrire dans le fichier indiqué.</translation>
    </message>
    <message>
        <source>Error: Map index out of range</source>
        <extracomment>String 214</extracomment>
        <translation>Erreur : index d’association hors limites</translation>
    </message>
    <message>
        <source>Error: Variable index is out of range</source>
        <extracomment>String 217</extracomment>
        <translation>Erreur : index de variable hors limites</translation>
    </message>
    <message>
        <source>Error: Index is already assigned.</source>
        <extracomment>String 218</extracomment>
        <translation>Erreur : l’index est déjà attribué.</translation>
    </message>
    <message>
        <source>Error: Could not import file.</source>
        <extracomment>String 219</extracomment>
        <translation>Erreur : impossible d’importer le fichier.</translation>
    </message>
    <message>
        <source>Error: No columns selected for import.</source>
        <extracomment>String 221</extracomment>
        <translation>Erreur : aucune colonne sélectionnée pour l’importation.</translation>
    </message>
    <message>
        <source>Receiving handset information.</source>
        <extracomment>String 222</extracomment>
        <translation>Réception des informations du combiné.</translation>
    </message>
    <message>
        <source>Error: Data returned from the handset is in error.</source>
        <extracomment>String 261</extracomment>
        <translation>Erreur : les données renvoyées par le combiné sont erronées.</translation>
    </message>
    <message>
        <source>Error:  Unable to complete data transfer.</source>
        <extracomment>String 262
----------
String 370</extracomment>
        <translation>Erreur : impossible de terminer le transfert de données.</translation>
    </message>
    <message>
        <source>Error: Could not read handset settings from handset.</source>
        <extracomment>String 263</extracomment>
        <translation>Erreur : impossible de lire les paramètres du combiné.</translation>
    </message>
    <message>
        <source>Sending image to phone...</source>
        <extracomment>String 264</extracomment>
        <translation>Envoi de l’image au téléphone...</translation>
    </message>
    <message>
        <source>Click this link to open the Orvak web site.</source>
        <extracomment>String 269</extracomment>
        <translation>Cliquez sur ce lien pour ouvrir le site web d’Orvak.</translation>
    </message>
    <message>
        <source>Open a phonebook from disk.</source>
        <extracomment>String 270</extracomment>
        <translation>Ouvrir un répertoire enregistré sur le disque.</translation>
    </message>
    <message>
        <source>Save the phonebook to disk.</source>
        <extracomment>String 271</extracomment>
        <translation>Enregistrer le répertoire sur le disque.</translation>
    </message>
    <message>
        <source>Create a new phonebook.</source>
        <extracomment>String 272</extracomment>
        <translation>Créer un nouveau répertoire.</translation>
    </message>
    <message>
        <source>Transfer the phonebook from the handset.</source>
        <extracomment>String 273</extracomment>
        <translation>Transférer le répertoire depuis le combiné.</translation>
    </message>
    <message>
        <source>Transfer the phonebook to the handset.</source>
        <extracomment>String 274</extracomment>
        <translation>Transférer le répertoire vers le combiné.</translation>
    </message>
    <message>
        <source>Select all phonebook entries.</source>
        <extracomment>String 275</extracomment>
        <translation>Sélectionner toutes les entrées du répertoire.</translation>
    </message>
    <message>
        <source>De-select all phonebook entries.</source>
        <extracomment>String 276</extracomment>
        <translation>Désélectionner toutes les entrées du répertoire.</translation>
    </message>
    <message>
        <source>Delete selected phonebook entries.</source>
        <extracomment>String 277</extracomment>
        <translation>Supprimer les entrées sélectionnées du répertoire.</translation>
    </message>
    <message>
        <source>Create a new phonebook entry.</source>
        <extracomment>String 278</extracomment>
        <translation>Créer une nouvelle entrée dans le répertoire.</translation>
    </message>
    <message>
        <source>Import/Export all or selected phonebook entries.</source>
        <extracomment>String 279</extracomment>
        <translation>Importer/exporter toutes les entrées du répertoire ou la sélection.</translation>
    </message>
    <message>
        <source>Preparing to receive phonebook from phone...</source>
        <extracomment>String 321</extracomment>
        <translation>Préparation de la réception du répertoire depuis le téléphone...</translation>
    </message>
    <message>
        <source>Transferring phonebook record:</source>
        <extracomment>String 322</extracomment>
        <translation>Transfert de l’entrée du répertoire :</translation>
    </message>
    <message>
        <source>Version 2.0.1</source>
        <extracomment>String 324</extracomment>
        <translation>Version 2.0.1</translation>
    </message>
    <message>
        <source>Loading file.  Please wait...</source>
        <extracomment>String 371</extracomment>
        <translation>Chargement du fichier. Veuillez patienter...</translation>
    </message>
    <message>
        <source>Saving file.  Please wait...</source>
        <extracomment>String 372</extracomment>
        <translation>Enregistrement du fichier. Veuillez patienter...</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <extracomment>String 373</extracomment>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Warning: some of the phonebook records contain empty names and/or phone numbers.  These records will not be transferred to the handset.  Do you want to continue with the phonebook transfer?</source>
        <extracomment>String 374</extracomment>
        <translation>Attention : certaines entrées du répertoire n’ont pas de nom ou de numéro de téléphone. Elles ne seront pas transférées vers le combiné. Voulez-vous poursuivre le transfert du répertoire ?</translation>
    </message>
    <message>
        <source>Error: No memory left.</source>
        <extracomment>String 57345</extracomment>
        <translation>Erreur : mémoire insuffisante.</translation>
    </message>
    <message>
        <source>Canceling Image Download...</source>
        <extracomment>String 57346</extracomment>
        <translation>Annulation de l’envoi de l’image...</translation>
    </message>
    <message>
        <source>Requesting to send image to phone...</source>
        <extracomment>String 57348</extracomment>
        <translation>Demande d’envoi de l’image au téléphone...</translation>
    </message>
    <message>
        <source>Error: Phone not found.</source>
        <extracomment>String 57350</extracomment>
        <translation>Erreur : téléphone introuvable.</translation>
    </message>
    <message>
        <source>Error: Phone reported image report size too large.</source>
        <extracomment>String 57351</extracomment>
        <translation>Erreur : le téléphone a signalé une taille de rapport d’image trop grande.</translation>
    </message>
    <message>
        <source>Error: CreateEvent failed.</source>
        <extracomment>String 57352</extracomment>
        <translation>Erreur : échec de CreateEvent.</translation>
    </message>
    <message>
        <source>The handset plugged in now is not the one this phone book was kept from, so it was not sent to it.</source>
        <extracomment>String 57400</extracomment>
        <translation>Le combiné branché n’est pas celui dont provient ce répertoire ; celui-ci ne lui a donc pas été envoyé.</translation>
    </message>
    <message>
        <source>All Graphic Files (*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz)|*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz|Bitmaps (*.bmp)|*.bmp|WebP Pictures (*.webp)|*.webp|SVG Drawings (*.svg;*.svgz)|*.svg;*.svgz|All Files (*.*)|*.*||</source>
        <extracomment>String 116</extracomment>
        <translation>Tous les fichiers graphiques (*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz)|*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz|Images bitmap (*.bmp)|*.bmp|Images WebP (*.webp)|*.webp|Dessins SVG (*.svg;*.svgz)|*.svg;*.svgz|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Error: Image file could not be loaded.</source>
        <extracomment>String 156</extracomment>
        <translation>Erreur : impossible de charger le fichier image.</translation>
    </message>
    <message>
        <source>Error: Image failed to save.</source>
        <extracomment>String 160</extracomment>
        <translation>Erreur : échec de l’enregistrement de l’image.</translation>
    </message>
    <message>
        <source>Put the handset&apos;s phone book and this one together, showing the changes first.</source>
        <extracomment>String 57401</extracomment>
        <translation>Fusionner le répertoire du combiné avec celui-ci, en affichant d’abord les modifications.</translation>
    </message>
    <message>
        <source>The handset&apos;s phone book changed after it was received, so nothing was sent to it. Sync again.</source>
        <extracomment>String 57402</extracomment>
        <translation>Le répertoire du combiné a changé après sa réception ; rien ne lui a donc été envoyé. Synchronisez à nouveau.</translation>
    </message>
</context>
<context>
    <name>SyncPreviewDialog</name>
    <message>
        <source>Sync with the Handset</source>
        <translation>Synchronisation avec le combiné</translation>
    </message>
    <message>
        <source>This is the first sync with this handset: its phone book and the computer&apos;s are merged.</source>
        <translation>C’est la première synchronisation avec ce combiné : son répertoire et celui de l’ordinateur sont fusionnés.</translation>
    </message>
    <message>
        <source>What changed on the handset and on the computer since the last sync:</source>
        <translation>Ce qui a changé sur le combiné et sur l’ordinateur depuis la dernière synchronisation :</translation>
    </message>
    <message>
        <source>Changes to sync</source>
        <translation>Modifications à synchroniser</translation>
    </message>
    <message>
        <source>No entry was added, changed or deleted on either side.</source>
        <translation>Aucune entrée n’a été ajoutée, modifiée ou supprimée, ni d’un côté ni de l’autre.</translation>
    </message>
    <message>
        <source>Space includes or leaves out the selected change. On a conflict, Left and Right choose the version to take, and F2 opens the list of versions.</source>
        <translation>La barre d’espace inclut ou exclut la modification sélectionnée. Pour un conflit, les flèches gauche et droite choisissent la version à retenir, et F2 ouvre la liste des versions.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchroniser</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The handset would have to hold %L1 entries, but it holds at most 100. Leave out additions, or take one version of a conflict, to sync.</source>
        <extracomment>%1: the entries the merged phone book would hold, more than the handset&apos;s 100.</extracomment>
        <translation>Le combiné devrait contenir %L1 entrées, mais il en contient au plus 100. Pour synchroniser, excluez des ajouts ou retenez une seule version d’un conflit.</translation>
    </message>
    <message>
        <source>The handset will hold %L1 of 100 entries.</source>
        <extracomment>%1: the entries the handset will hold after the sync.</extracomment>
        <translation>Le combiné contiendra %L1 entrées sur 100.</translation>
    </message>
</context>
<context>
    <name>SyncPreviewModel</name>
    <message>
        <source>Handset</source>
        <translation>Combiné</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Les deux</translation>
    </message>
    <message>
        <source>%1 (left out)</source>
        <extracomment>A change of a sync that the person left out: %1 its kind (&quot;added&quot;).</extracomment>
        <translation>%1 (exclu)</translation>
    </message>
    <message>
        <source>%1 (duplicate)</source>
        <extracomment>A change whose entry the merged phone book would hold twice.</extracomment>
        <translation>%1 (doublon)</translation>
    </message>
    <message>
        <source>Included</source>
        <translation>Inclus</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Exclu</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Inclure</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Retenir</translation>
    </message>
    <message>
        <source>The merged phone book also holds %1, with the same number.</source>
        <extracomment>%1: another entry of the merged phone book (&quot;Ana Lima 555 0101&quot;).</extracomment>
        <translation>Le répertoire fusionné contient aussi %1, avec le même numéro.</translation>
    </message>
    <message>
        <source>The merged phone book also holds %1, under the same name.</source>
        <extracomment>%1: another entry of the merged phone book (&quot;Ana Lima 555 0101&quot;).</extracomment>
        <translation>Le répertoire fusionné contient aussi %1, sous le même nom.</translation>
    </message>
</context>
<context>
    <name>SyncSideDelegate</name>
    <message>
        <source>Version to take</source>
        <translation>Version à retenir</translation>
    </message>
</context>
<context>
    <name>TabPage</name>
    <message>
        <source>An Orvak handset is plugged in, but you may not open it yet.</source>
        <translation>Un combiné Orvak est branché, mais vous n’avez pas encore le droit d’y accéder.</translation>
    </message>
    <message>
        <source>Unplug it and plug it in again, so that the udev rule %1 applies to it.</source>
        <translation>Débranchez-le et rebranchez-le pour que la règle udev %1 s’y applique.</translation>
    </message>
    <message>
        <source>Install the orvak-dialbook package, whose udev rule %1 lets you open it, then unplug the handset and plug it in again.</source>
        <translation>Installez le paquet orvak-dialbook, dont la règle udev %1 vous permet d’y accéder, puis débranchez le combiné et rebranchez-le.</translation>
    </message>
    <message>
        <source>To let you open it, install the udev rule from the source tree in a terminal:
%1</source>
        <translation>Pour pouvoir y accéder, installez la règle udev depuis l’arborescence des sources dans un terminal :
%1</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Orvak web site</source>
        <translation>Site web d’Orvak</translation>
    </message>
</context>
</TS>
