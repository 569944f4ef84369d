<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About the Orvak Dialbook</source>
        <translation>Acerca do Orvak Dialbook</translation>
    </message>
    <message>
        <source>Phone book and picture manager for Orvak handsets.</source>
        <translation>Gestor de lista telefónica e imagens para terminais Orvak.</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Your handset, on your computer</source>
        <translation>O seu terminal, no seu computador</translation>
    </message>
    <message>
        <source>Phone Book</source>
        <translation>Lista telef.</translation>
    </message>
    <message>
        <source>Handset</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>On the handset</source>
        <translation>No terminal</translation>
    </message>
    <message>
        <source>Visit the Orvak web site</source>
        <translation>Visite o site da Orvak</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Boas-vindas</translation>
    </message>
    <message>
        <source>Keep your handset&apos;s phone book and pictures on your computer. Receive the phone book, edit it, save it, and send it back; frame a picture and download it to the handset.</source>
        <translation>Guarde a lista telefónica e as imagens do seu terminal no computador. Receba a lista telefónica, edite-a, guarde-a e envie-a de volta; enquadre uma imagem e transfira-a para o terminal.</translation>
    </message>
    <message>
        <source>Connect the handset with its USB cable. The status bar below shows its name once it is found. Press Help for how to set up a handset on Linux.</source>
        <translation>Ligue o terminal com o respetivo cabo USB. A barra de estado abaixo mostra o nome dele assim que for encontrado. Prima Ajuda para saber como configurar um terminal no Linux.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
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
        <translation>Nova lista</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Receber</translation>
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
        <translation>Nova</translation>
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
        <translation>Esq.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Dir.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
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
        <translation>Brilho/contraste</translation>
    </message>
    <message>
        <source>&amp;Brightness</source>
        <translation>&amp;Brilho</translation>
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
            <numerusform>%n cartão chegou sem os seus dados</numerusform>
            <numerusform>%n cartões chegaram sem os seus dados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CardDavFailure</name>
    <message>
        <source>The address %1 holds a password. Give the address without it, and the user name and the password apart.</source>
        <translation>O endereço %1 contém uma palavra-passe. Indique o endereço sem ela e, à parte, o nome de utilizador e a palavra-passe.</translation>
    </message>
    <message>
        <source>%1 is not the address of a server: it must begin with https:// or http://.</source>
        <translation>%1 não é o endereço de um servidor: tem de começar por https:// ou http://.</translation>
    </message>
    <message>
        <source>The certificate %1 could not be read: it is no PEM or DER certificate.</source>
        <translation>Não foi possível ler o certificado %1: não é um certificado PEM nem DER.</translation>
    </message>
    <message>
        <source>Could not reach %1: %2.</source>
        <translation>Não foi possível contactar %1: %2.</translation>
    </message>
    <message>
        <source>Could not connect to %1 within %2 seconds.</source>
        <translation>Não foi possível ligar a %1 em %2 segundos.</translation>
    </message>
    <message>
        <source>The server at %1 did not answer within %2 seconds.</source>
        <translation>O servidor em %1 não respondeu em %2 segundos.</translation>
    </message>
    <message>
        <source>The server at %1 sent the connection on to %2, which is not encrypted; it was not followed.</source>
        <translation>O servidor em %1 reencaminhou a ligação para %2, que não usa cifragem; o reencaminhamento não foi seguido.</translation>
    </message>
    <message>
        <source>The certificate of %1 was refused: %2.</source>
        <translation>O certificado de %1 foi recusado: %2.</translation>
    </message>
    <message>
        <source>The server at %1 refused the user name or the password.</source>
        <translation>O servidor em %1 recusou o nome de utilizador ou a palavra-passe.</translation>
    </message>
    <message>
        <source>There is nothing at %1 (the server answered 404 Not Found).</source>
        <translation>Não há nada em %1 (o servidor respondeu 404 Not Found).</translation>
    </message>
    <message>
        <source>The server at %1 answered %2 %3.</source>
        <translation>O servidor em %1 respondeu %2 %3.</translation>
    </message>
    <message>
        <source>The answer of %1 is larger than %2 MB; nothing was read.</source>
        <translation>A resposta de %1 excede %2 MB; nada foi lido.</translation>
    </message>
    <message>
        <source>The answer of %1 could not be read: %2.</source>
        <translation>Não foi possível ler a resposta de %1: %2.</translation>
    </message>
    <message>
        <source>%1 leads to %2 address books; give the address of one of them.</source>
        <translation>%1 leva a %2 livros de endereços; indique o endereço de um deles.</translation>
    </message>
    <message>
        <source>Reading from %1 was cancelled.</source>
        <translation>A leitura de %1 foi cancelada.</translation>
    </message>
    <message>
        <source>The server at %1 sent the connection on to %2, another server, which asked for the password; it was not given.</source>
        <translation>O servidor em %1 reencaminhou a ligação para %2, outro servidor, que pediu a palavra-passe; não lhe foi dada.</translation>
    </message>
    <message>
        <source>%1 shows no address book: it is no CardDAV server, or it keeps none for this user.</source>
        <translation>%1 não mostra nenhum livro de endereços: não é um servidor CardDAV, ou não tem nenhum para este utilizador.</translation>
    </message>
</context>
<context>
    <name>ChangeMapDialog</name>
    <message>
        <source>“%1” is mapped from “%2”. Set that row to none first to map it here.</source>
        <translation>«%1» já está atribuído a partir de «%2». Retire primeiro a atribuição dessa linha para o atribuir aqui.</translation>
    </message>
    <message>
        <source>Change Mapping</source>
        <translation>Alterar atribuição</translation>
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
        <translation>Selecione a operação a efetuar:</translation>
    </message>
    <message>
        <source>Import contacts from a comma delimited text file.</source>
        <translation>Importar contactos de um ficheiro de texto delimitado por vírgulas.</translation>
    </message>
    <message>
        <source>Export contacts to a comma delimited text file.</source>
        <translation>Exportar contactos para um ficheiro de texto delimitado por vírgulas.</translation>
    </message>
</context>
<context>
    <name>ColorBalanceDialog</name>
    <message>
        <source>Edit Color Settings</source>
        <translation>Editar definições de cor</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Vermelho</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>V&amp;erde</translation>
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
        <translation>Experimente «dialbook --help».</translation>
    </message>
    <message>
        <source>devices takes no arguments</source>
        <translation>devices não aceita argumentos</translation>
    </message>
    <message>
        <source>info takes no arguments</source>
        <translation>info não aceita argumentos</translation>
    </message>
    <message>
        <source>pull takes one file</source>
        <translation>pull requer um ficheiro</translation>
    </message>
    <message>
        <source>push takes one file</source>
        <translation>push requer um ficheiro</translation>
    </message>
    <message>
        <source>show takes one file</source>
        <translation>show requer um ficheiro</translation>
    </message>
    <message>
        <source>picture takes a picture file and a PNG or BMP file</source>
        <translation>picture requer um ficheiro de imagem e um ficheiro PNG ou BMP</translation>
    </message>
    <message>
        <source>send-picture takes one file</source>
        <translation>send-picture requer um ficheiro</translation>
    </message>
    <message>
        <source>backups takes no arguments</source>
        <translation>backups não aceita argumentos</translation>
    </message>
    <message>
        <source>import takes a contacts file and a phone-book file</source>
        <translation>import requer um ficheiro de contactos e um ficheiro de lista telefónica</translation>
    </message>
    <message>
        <source>export takes a phone-book file and a contacts file</source>
        <translation>export requer um ficheiro de lista telefónica e um ficheiro de contactos</translation>
    </message>
    <message>
        <source>--international-prefix takes digits, such as 00 or 011</source>
        <translation>--international-prefix requer dígitos, como 00 ou 011</translation>
    </message>
    <message>
        <source>--first takes a number of contacts, 1 or more</source>
        <translation>--first requer um número de contactos, 1 ou mais</translation>
    </message>
    <message>
        <source>--rotate takes left or right</source>
        <translation>--rotate requer left ou right</translation>
    </message>
    <message>
        <source>--%1 takes a number of steps</source>
        <translation>--%1 requer um número de passos</translation>
    </message>
    <message>
        <source>--frame takes X,Y</source>
        <translation>--frame requer X,Y</translation>
    </message>
    <message>
        <source>--%1 takes a number from -100 to 100</source>
        <translation>--%1 requer um número de -100 a 100</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nenhum comando indicado</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>comando desconhecido %1</translation>
    </message>
    <message>
        <source>picture writes a .png or a .bmp file</source>
        <translation>picture escreve um ficheiro .png ou .bmp</translation>
    </message>
    <message>
        <source>sync takes one file</source>
        <translation>sync requer um ficheiro</translation>
    </message>
    <message>
        <source>--prefer takes computer or handset</source>
        <translation>--prefer requer computer ou handset</translation>
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
        <translation>Utilização: dialbook [--simulate] COMMAND [ARGS]

Comunica com o primeiro terminal Orvak encontrado por USB ou com um simulado.

Comandos:
  devices          Lista todos os dispositivos do fabricante do terminal: o caminho,
                   vendor:product em hex, os comprimentos dos relatórios de entrada e
                   saída e se é um terminal aceite. Os dispositivos que não podem ser
                   abertos são listados com o motivo; para um terminal que este
                   utilizador não pode abrir, é indicada também a solução (a regra
                   udev). Termina com 0 se houver um terminal aceite; caso contrário, 1.
  info             Mostra o nome do terminal e a sua identidade (12 dígitos hex), ou
                   como obter permissão para o abrir.
  pull FILE.opbk   Recebe a lista telefónica do terminal e guarda-a em FILE.opbk.
  push FILE.opbk   Envia a lista telefónica de FILE.opbk para o terminal, substituindo a
                   que lá está. Pergunta antes; as entradas sem nome ou sem número são
                   omitidas, após uma segunda pergunta. Se não restar nenhuma entrada
                   para enviar, pergunta se devem ser eliminadas todas as entradas do
                   terminal (Não, exceto com s). Antes, a lista do terminal é guardada
                   em My Phonebooks/Backups (as 20 mais recentes de cada terminal),
                   exceto com --no-backup.
  sync BOOK.opbk [--prefer computer|handset] [--dry-run]
                   Sincroniza a lista telefónica do terminal com BOOK.opbk: o que foi
                   adicionado, alterado ou eliminado em qualquer dos lados desde a
                   última sincronização deste terminal passa para o outro. Mostra cada
                   alteração e a sua origem; depois, pergunta uma vez antes de enviar a
                   lista combinada para o terminal (só se a lista dele for diferente) e
                   de a guardar em BOOK.opbk. Uma entrada alterada de forma diferente
                   nos dois lados é um conflito: é usada a versão do computador, exceto
                   com --prefer handset. A primeira sincronização junta as entradas das
                   duas listas, as iguais uma só vez. Antes, a lista do terminal é
                   guardada em Backups, exceto com --no-backup. Se a lista combinada
                   tiver mais de 100 entradas, nada é enviado nem escrito. --dry-run
                   mostra as alterações e termina.
  backups          Mostra as listas telefónicas guardadas, a mais recente primeiro.
  show FILE.opbk   Mostra a identidade de um ficheiro de lista telefónica e uma linha
                   por entrada: o nome, uma tabulação e o número.
  picture IN OUT.png|OUT.bmp
                   Converte IN (BMP, GIF, JPEG, PNG, TIFF, WebP ou SVG) em imagem para o
                   terminal e guarda-a como ficheiro PNG de 128 x 128 ou como ficheiro
                   BMP de 16 bits do terminal. IN é ajustado à tela de 426 x 300 da
                   página de imagens, enquadrado ao centro, sobre branco. Uma imagem
                   danificada é indicada em stderr e é utilizada a parte que foi
                   possível ler.
  send-picture IN  Converte IN em imagem para o terminal e transfere-a para este.
  import CONTACTS BOOK.opbk [--map phone=COL,first=COL,last=COL] [--dry-run]
                   Acrescenta os contactos de um ficheiro de texto delimitado (vírgulas,
                   pontos e vírgulas ou tabulações; UTF-8, UTF-16 ou Windows-1252) ou
                   de um ficheiro vCard a BOOK.opbk, criado se não existir, tal como a
                   importação da página da lista telefónica. Mostra a atribuição
                   utilizada, depois quantas entradas foram adicionadas e, em stderr,
                   o que foi alterado pelo caminho (números obtidos de outra coluna ou
                   reescritos, contactos sem nome omitidos...). COL é o texto de um
                   cabeçalho ou um número de coluna a partir de 1; none limpa um
                   destino; os destinos não indicados mantêm a coluna deduzida. Um
                   número vem da coluna phone ou, se estiver vazia, das outras colunas
                   de telefone do ficheiro, primeiro as de telemóvel; phone=COL1|COL2|...
                   indica a ordem completa. Se forem pedidos mais contactos do que os
                   que cabem em BOOK.opbk (100 entradas no total), nada é escrito.
                   --dry-run mostra as entradas e não escreve nada.
    --international-prefix P   em que se converte um + inicial (dígitos; predefinição 00)
    --category NAME  só contactos com esta categoria ou etiqueta (repetível: qualquer)
    --first N        só os N primeiros contactos (dos das categorias)
                   CONTACTS também pode ser o endereço http(s) de um servidor CardDAV, ou
                   de um dos seus livros de endereços, com --user NAME: os cartões são
                   lidos como um ficheiro vCard. Um servidor com vários livros de
                   endereços lista-os; indique pelo endereço aquele que deve ser lido.
  addressbooks URL --user NAME
                   Lista os livros de endereços de um servidor CardDAV (Nextcloud,
                   iCloud, Fastmail, Radicale...), encontrados a partir do endereço,
                   com o número de cartões e os endereços de cada um.
  export BOOK.opbk OUT.csv|OUT.vcf
                   Escreve todas as entradas de BOOK.opbk como texto delimitado por
                   vírgulas, ou como vCard se OUT terminar em .vcf.

Opções de servidor (addressbooks e import a partir de um servidor):
  --user NAME      o nome de utilizador no servidor
  --password-file FILE   lê a palavra-passe da primeira linha de FILE, que só o
                   proprietário pode ler (chmod 600). Sem esta opção, a palavra-passe
                   vem do porta-chaves do ambiente de trabalho ou, caso contrário, é
                   pedida no terminal sem ser mostrada. Nunca é aceite na linha de
                   comandos.
  --save-password  guarda no porta-chaves a palavra-passe escrita quando pedida,
                   depois de o servidor a aceitar
  --ca-file FILE   confia também neste certificado (PEM ou DER), para um servidor que
                   assina o seu próprio; os outros certificados que não forem
                   verificados são recusados

Opções de imagem, aplicadas por esta ordem:
  --rotate left|right, --zoom-in N, --zoom-out N   as vezes que quiser, pela ordem indicada
  --frame X,Y      move a moldura de 128 x 128 para X,Y na tela (sem sair dela)
  --brightness N, --contrast N, --red N, --green N, --blue N   de -100 a 100

Opções:
  --simulate       Trabalha com um terminal simulado dentro deste processo.
  --yes            Responde Sim às perguntas de push e sync, incluindo eliminar todas
                   as entradas do terminal com uma lista vazia.
  -h, --help       Mostra esta ajuda.

As transferências mostram uma barra de progresso num terminal; Ctrl+C cancela-as
(«Transferência de dados cancelada.»). As falhas indicam o motivo e terminam com 1; os
erros de utilização terminam com 2. Os terminais simulados iniciados com
orvak-handset-sim são encontrados como os terminais USB.
</translation>
    </message>
    <message>
        <source>addressbooks takes the address of a CardDAV server</source>
        <translation>addressbooks requer o endereço de um servidor CardDAV</translation>
    </message>
    <message>
        <source>a password is never taken on the command line, where every user of this computer can read it; give --password-file FILE, or type it when asked</source>
        <translation>nunca é aceite uma palavra-passe na linha de comandos, onde qualquer utilizador deste computador a pode ler; indique --password-file FILE ou escreva-a quando lhe for pedida</translation>
    </message>
    <message>
        <source>addressbooks takes an http:// or https:// address</source>
        <translation>addressbooks requer um endereço http:// ou https://</translation>
    </message>
    <message>
        <source>a server&apos;s address needs --user NAME</source>
        <translation>o endereço de um servidor requer --user NAME</translation>
    </message>
    <message>
        <source>--user, --password-file, --ca-file and --save-password are for an address on a server</source>
        <translation>--user, --password-file, --ca-file e --save-password só se aplicam ao endereço de um servidor</translation>
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
        <translation>--map requer phone=COL,first=COL,last=COL</translation>
    </message>
    <message>
        <source>--map: only phone takes several columns</source>
        <translation>--map: só phone aceita várias colunas</translation>
    </message>
    <message>
        <source>--map: the file has no column &quot;%1&quot;</source>
        <translation>--map: o ficheiro não tem nenhuma coluna «%1»</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Número de telefone</translation>
    </message>
    <message>
        <source>Name, first part</source>
        <translation>Nome, primeira parte</translation>
    </message>
    <message>
        <source>Name, last part</source>
        <translation>Nome, última parte</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhuma)</translation>
    </message>
    <message>
        <source>column %1, %2; then %3</source>
        <translation>coluna %1, %2; depois %3</translation>
    </message>
    <message>
        <source>column %1, %2</source>
        <translation>coluna %1, %2</translation>
    </message>
    <message>
        <source>%1 holds no contacts to import; nothing was written.</source>
        <translation>%1 não contém contactos para importar; nada foi escrito.</translation>
    </message>
    <message>
        <source>no contact has the category %1; the file has no categories</source>
        <translation>nenhum contacto tem a categoria %1; o ficheiro não tem categorias</translation>
    </message>
    <message>
        <source>no contact has the category %1; the file&apos;s categories: %2</source>
        <translation>nenhum contacto tem a categoria %1; categorias do ficheiro: %2</translation>
    </message>
    <message>
        <source>%1 is full (%2 entries); nothing was written.</source>
        <translation>%1 não tem espaço livre (%2 entradas); nada foi escrito.</translation>
    </message>
    <message>
        <source>Choose which with --category NAME or --first N; nothing was written.</source>
        <translation>Escolha quais com --category NAME ou --first N; nada foi escrito.</translation>
    </message>
    <message>
        <source>%1 contacts are asked for; the book has room for %2. Nothing was written.</source>
        <translation>São pedidos %1 contactos; a lista telefónica tem espaço para %2. Nada foi escrito.</translation>
    </message>
    <message>
        <source>Would add 1 entry to %1 (nothing written)</source>
        <translation>Seria adicionada 1 entrada a %1 (nada foi escrito)</translation>
    </message>
    <message numerus="yes">
        <source>Would add %n entries to %1 (nothing written)</source>
        <translation>
            <numerusform>Seria adicionada %n entrada a %1 (nada foi escrito)</numerusform>
            <numerusform>Seriam adicionadas %n entradas a %1 (nada foi escrito)</numerusform>
        </translation>
    </message>
    <message>
        <source>Added 1 entry to %1</source>
        <translation>Foi adicionada 1 entrada a %1</translation>
    </message>
    <message numerus="yes">
        <source>Added %n entries to %1</source>
        <translation>
            <numerusform>Foi adicionada %n entrada a %1</numerusform>
            <numerusform>Foram adicionadas %n entradas a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote 1 entry to %1</source>
        <translation>Foi escrita 1 entrada em %1</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1</source>
        <translation>
            <numerusform>Foi escrita %n entrada em %1</numerusform>
            <numerusform>Foram escritas %n entradas em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book holds %1 contacts; the book has room for %2.</source>
        <translation>O livro de endereços contém %1 contactos; a lista telefónica tem espaço para %2.</translation>
    </message>
</context>
<context>
    <name>ContactImport</name>
    <message>
        <source>1 character that the handset cannot store was left out of the imported names.</source>
        <translation>Foi omitido dos nomes importados 1 carácter que o terminal não consegue guardar.</translation>
    </message>
    <message numerus="yes">
        <source>%n characters that the handset cannot store were left out of the imported names.</source>
        <translation>
            <numerusform>Foi omitido dos nomes importados %n carácter que o terminal não consegue guardar.</numerusform>
            <numerusform>Foram omitidos dos nomes importados %n caracteres que o terminal não consegue guardar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1 opens a quoted field that never closes; the rest of the file was read as part of that field.</source>
        <translation>A linha %1 abre um campo entre aspas que nunca é fechado; o resto do ficheiro foi lido como parte desse campo.</translation>
    </message>
    <message>
        <source>The file holds more than any phone book import can use; only its lines before line %1 were read.</source>
        <translation>O ficheiro contém mais do que qualquer importação de lista telefónica pode utilizar; só foram lidas as linhas anteriores à linha %1.</translation>
    </message>
    <message>
        <source>1 number came from another column, as the mapped one was empty.</source>
        <translation>1 número foi obtido de outra coluna, porque a atribuída estava vazia.</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers came from another column, as the mapped one was empty.</source>
        <translation>
            <numerusform>%n número foi obtido de outra coluna, porque a atribuída estava vazia.</numerusform>
            <numerusform>%n números foram obtidos de outra coluna, porque a atribuída estava vazia.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 number was rewritten to dial as written (a &quot;+&quot; made the international prefix, a &quot;(0)&quot; dropped, an extension made a pause).</source>
        <translation>1 número foi reescrito para ser marcado tal como está escrito (um «+» passa a ser o prefixo internacional, um «(0)» é removido, uma extensão passa a ser uma pausa).</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers were rewritten to dial as written (a &quot;+&quot; made the international prefix, a &quot;(0)&quot; dropped, an extension made a pause).</source>
        <translation>
            <numerusform>%n número foi reescrito para ser marcado tal como está escrito (um «+» passa a ser o prefixo internacional, um «(0)» é removido, uma extensão passa a ser uma pausa).</numerusform>
            <numerusform>%n números foram reescritos para serem marcados tal como estão escritos (um «+» passa a ser o prefixo internacional, um «(0)» é removido, uma extensão passa a ser uma pausa).</numerusform>
        </translation>
    </message>
    <message>
        <source>1 contact had no name and was left out.</source>
        <translation>1 contacto não tinha nome e foi omitido.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts had no name and were left out.</source>
        <translation>
            <numerusform>%n contacto não tinha nome e foi omitido.</numerusform>
            <numerusform>%n contactos não tinham nome e foram omitidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 contact was named after its organisation.</source>
        <translation>1 contacto recebeu o nome da sua organização.</translation>
    </message>
    <message numerus="yes">
        <source>%n contacts were named after their organisation.</source>
        <translation>
            <numerusform>%n contacto recebeu o nome da sua organização.</numerusform>
            <numerusform>%n contactos receberam o nome da respetiva organização.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file holds 1 contact; the book has room for %1.</source>
        <translation>O ficheiro contém 1 contacto; a lista telefónica tem espaço para %1.</translation>
    </message>
    <message>
        <source>The file holds %1 contacts; the book has room for %2.</source>
        <translation>O ficheiro contém %1 contactos; a lista telefónica tem espaço para %2.</translation>
    </message>
    <message>
        <source>Error: Could not read the import file.  Check that it is formatted correctly.</source>
        <translation>Erro: não foi possível ler o ficheiro de importação. Verifique se tem o formato correto.</translation>
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
        <translation>não é possível abrir: %1</translation>
    </message>
    <message>
        <source>in %1 out %2</source>
        <extracomment>The lengths of the device&apos;s input and output reports, in bytes.</extracomment>
        <translation>entrada %1 saída %2</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>aceite</translation>
    </message>
    <message>
        <source>not accepted: not a supported handset model</source>
        <translation>não aceite: não é um modelo de terminal suportado</translation>
    </message>
</context>
<context>
    <name>DialbookApp</name>
    <message>
        <source>Start with a simulated handset attached.</source>
        <translation>Iniciar com um terminal simulado ligado.</translation>
    </message>
    <message>
        <source>DIR</source>
        <extracomment>The value of --screenshots in the help: a folder.</extracomment>
        <translation>PASTA</translation>
    </message>
    <message>
        <source>Save a picture of each tab into %1, then quit.</source>
        <translation>Guardar uma imagem de cada separador em %1 e sair.</translation>
    </message>
    <message>
        <source>A picture to open on the Pictures page.</source>
        <extracomment>The argument in the help: a picture file, which may be left out.</extracomment>
        <translation>Uma imagem a abrir na página Imagens.</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[FICHEIRO]</translation>
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
        <translation>Exportar os contactos selecionados</translation>
    </message>
    <message>
        <source>Export all contacts</source>
        <translation>Exportar todos os contactos</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Nome do ficheiro:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Text File (%1)</source>
        <translation>Ficheiro de texto (%1)</translation>
    </message>
    <message>
        <source>vCard File (%1)</source>
        <translation>Ficheiro vCard (%1)</translation>
    </message>
    <message>
        <source>No file specified.  Please enter a file name to export the data to.</source>
        <translation>Nenhum ficheiro especificado. Introduza o nome do ficheiro para o qual exportar os dados.</translation>
    </message>
    <message>
        <source>File already exists.  Do you want to overwrite it?</source>
        <translation>O ficheiro já existe. Pretende substituí-lo?</translation>
    </message>
</context>
<context>
    <name>FileFailure</name>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um ficheiro normal</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: there is no such file.</source>
        <translation>«%1»: o ficheiro não existe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the folder it would go in does not exist.</source>
        <translation>«%1»: a pasta onde ficaria não existe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file.</source>
        <translation>«%1» é uma pasta, não um ficheiro.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file is empty.</source>
        <translation>«%1»: o ficheiro está vazio.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: this is not a phone-book file.</source>
        <translation>«%1»: não é um ficheiro de lista telefónica.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file is damaged: it is cut short.</source>
        <translation>«%1»: o ficheiro está danificado: está incompleto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file is damaged.</source>
        <translation>«%1»: o ficheiro está danificado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: you are not permitted to write this file.</source>
        <translation>«%1»: não tem permissão para escrever neste ficheiro.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: you are not permitted to read this file.</source>
        <translation>«%1»: não tem permissão para ler este ficheiro.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: this is not a picture in a format that can be opened (%2).</source>
        <translation>«%1»: não é uma imagem num formato que possa ser aberto (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: pictures in the %2 format cannot be opened, only %3.</source>
        <translation>«%1»: as imagens no formato %2 não podem ser abertas, apenas %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the picture is damaged; the part that could be read is used.</source>
        <translation>«%1»: a imagem está danificada; é utilizada a parte que foi possível ler.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the picture is too large for this computer&apos;s memory.</source>
        <translation>«%1»: a imagem é demasiado grande para a memória deste computador.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2.</source>
        <translation>Não foi possível escrever «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2.</source>
        <translation>Não foi possível ler «%1»: %2.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>it is larger than the %1 MB a contacts file may be</source>
        <translation>excede os %1 MB permitidos para um ficheiro de contactos</translation>
    </message>
    <message>
        <source>a phone-book file holds at most %1 entries</source>
        <translation>um ficheiro de lista telefónica contém no máximo %1 entradas</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file has no line of column headings.</source>
        <translation>«%1»: o ficheiro não tem uma linha de cabeçalhos de coluna.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file has more columns than an import can take (%2 at most).</source>
        <translation>«%1»: o ficheiro tem mais colunas do que uma importação aceita (%2 no máximo).</translation>
    </message>
</context>
<context>
    <name>HandsetAccessAdvice</name>
    <message>
        <source>An Orvak handset is plugged in, but this user may not open it.</source>
        <translation>Está ligado um terminal Orvak, mas este utilizador não tem permissão para o abrir.</translation>
    </message>
    <message>
        <source>Unplug the handset and plug it in again, so that the udev rule %1 applies to it.</source>
        <translation>Desligue o terminal e volte a ligá-lo para que a regra udev %1 lhe seja aplicada.</translation>
    </message>
    <message>
        <source>Install the orvak-dialbook package, whose udev rule %1 lets the person at the computer open it, then unplug the handset and plug it in again.</source>
        <translation>Instale o pacote orvak-dialbook, cuja regra udev %1 permite que a pessoa ao computador o abra; depois, desligue o terminal e volte a ligá-lo.</translation>
    </message>
    <message>
        <source>Install the udev rule from the source tree and have udev apply it:
%1</source>
        <translation>Instale a regra udev da árvore de código-fonte e faça com que o udev a aplique:
%1</translation>
    </message>
</context>
<context>
    <name>HandsetPreview</name>
    <message>
        <source>Handset preview</source>
        <translation>Pré-visualização do terminal</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Ajuda do %1</translation>
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
        <translation>permissão negada</translation>
    </message>
</context>
<context>
    <name>ImportFieldMap</name>
    <message>
        <source>Orvak Phone Number</source>
        <translation>Número de telefone Orvak</translation>
    </message>
    <message>
        <source>Orvak Name (First)</source>
        <translation>Nome Orvak (primeira parte)</translation>
    </message>
    <message>
        <source>Orvak Contact Name (First Part)</source>
        <translation>Nome do contacto Orvak (primeira parte)</translation>
    </message>
    <message>
        <source>Orvak Name (Last)</source>
        <translation>Nome Orvak (última parte)</translation>
    </message>
    <message>
        <source>Orvak Contact Name (Last Part)</source>
        <translation>Nome do contacto Orvak (última parte)</translation>
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
        <translation>Introduza o nome do ficheiro de contactos a importar:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Text and CSV Files (%1)</source>
        <translation>Ficheiros de texto e CSV (%1)</translation>
    </message>
    <message>
        <source>vCard Files (%1)</source>
        <translation>Ficheiros vCard (%1)</translation>
    </message>
    <message>
        <source>All Files (%1)</source>
        <translation>Todos os ficheiros (%1)</translation>
    </message>
    <message>
        <source>No file specified.  Please enter the file name of the contacts to import.</source>
        <translation>Nenhum ficheiro especificado. Introduza o nome do ficheiro de contactos a importar.</translation>
    </message>
    <message>
        <source>Import contacts &amp;from:</source>
        <translation>Importar contactos &amp;de:</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>um ficheiro</translation>
    </message>
    <message>
        <source>an address book on a server (CardDAV)</source>
        <translation>um livro de endereços num servidor (CardDAV)</translation>
    </message>
    <message>
        <source>Import contacts from a file</source>
        <translation>Importar contactos de um ficheiro</translation>
    </message>
    <message>
        <source>Import contacts from an address book on a server (CardDAV)</source>
        <translation>Importar contactos de um livro de endereços num servidor (CardDAV)</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome do ficheiro</translation>
    </message>
    <message>
        <source>Browse for the file</source>
        <translation>Procurar o ficheiro</translation>
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
        <translation>&lt;ol&gt;&lt;li&gt;Exporte os seus contactos do seu outro gestor de contactos (por exemplo, o programa de correio eletrónico ou a conta do telefone) para um ficheiro de texto delimitado por vírgulas (CSV) ou um ficheiro vCard.&lt;/li&gt;&lt;li&gt;Prima &lt;b&gt;Seguinte&lt;/b&gt; e localize esse ficheiro.&lt;/li&gt;&lt;li&gt;Prima &lt;b&gt;Seguinte&lt;/b&gt; e verifique como os campos do ficheiro são atribuídos à lista telefónica. Utilize &lt;b&gt;Alterar atribuição&lt;/b&gt; para ajustar a atribuição.&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <source>Contacts kept on a server that speaks CardDAV (such as a calendar and contacts server of your own or your provider&apos;s) are read straight from it: choose the server on the next page.</source>
        <translation>Os contactos guardados num servidor compatível com CardDAV (como um servidor de calendário e contactos próprio ou do seu fornecedor) são lidos diretamente desse servidor: escolha o servidor na página seguinte.</translation>
    </message>
</context>
<context>
    <name>ImportMappingPage</name>
    <message>
        <source>Reading %1...</source>
        <translation>A ler %1...</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>What a leading “+” is dialled as: 00 in most of the world, 011 in North America.</source>
        <translation>Como é marcado um «+» inicial: 00 na maior parte do mundo, 011 na América do Norte.</translation>
    </message>
    <message>
        <source>&amp;Prefix for “+”:</source>
        <translation>&amp;Prefixo para «+»:</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>C&amp;ategory:</source>
        <translation>&amp;Categoria:</translation>
    </message>
    <message>
        <source>&amp;Select the First That Fit</source>
        <translation>&amp;Marcar os primeiros que couberem</translation>
    </message>
    <message>
        <source>Contacts to import</source>
        <translation>Contactos a importar</translation>
    </message>
    <message>
        <source>No column is mapped to the phone number: the contacts are imported without numbers.</source>
        <translation>Nenhuma coluna está atribuída ao número de telefone: os contactos são importados sem números.</translation>
    </message>
    <message>
        <source>Numbers are taken from %1.</source>
        <translation>Os números são retirados de %1.</translation>
    </message>
    <message>
        <source>Numbers are taken from %1; where it is empty, from %2.</source>
        <translation>Os números são retirados de %1 e, onde estiver vazia, de %2.</translation>
    </message>
    <message>
        <source>Numbers are taken from %1; where it is empty, from the first of %2 that has one.</source>
        <translation>Os números são retirados de %1 e, onde estiver vazia, da primeira de %2 que tenha um.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>The file holds 1 contact; it fits in the book.</source>
        <translation>O ficheiro contém 1 contacto; cabe na lista telefónica.</translation>
    </message>
    <message>
        <source>The file holds %1 contacts; all of them fit in the book.</source>
        <translation>O ficheiro contém %1 contactos; cabem todos na lista telefónica.</translation>
    </message>
    <message>
        <source>%1 chosen, room for %2.</source>
        <translation>%1 escolhidos, espaço para %2.</translation>
    </message>
    <message>
        <source>Only the file&apos;s lines before line %1 were read: the rest is more than an import can use.</source>
        <translation>Só foram lidas as linhas do ficheiro anteriores à linha %1: o resto excede o que uma importação pode utilizar.</translation>
    </message>
    <message>
        <source>Uncheck some, or choose a category, to go on.</source>
        <translation>Desmarque alguns ou escolha uma categoria para continuar.</translation>
    </message>
    <message>
        <source>All categories</source>
        <translation>Todas as categorias</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importar contactos</translation>
    </message>
    <message>
        <source>Import Field Mapping</source>
        <translation>Atribuição de campos de importação</translation>
    </message>
    <message>
        <source>Field mapping</source>
        <translation>Atribuição de campos</translation>
    </message>
    <message>
        <source>Import Text Field</source>
        <translation>Campo de texto importado</translation>
    </message>
    <message>
        <source>Orvak Phonebook Field</source>
        <translation>Campo da lista telefónica Orvak</translation>
    </message>
    <message>
        <source>Change Map</source>
        <translation>Alterar atribuição</translation>
    </message>
    <message>
        <source>No row selected.</source>
        <translation>Nenhuma linha selecionada.</translation>
    </message>
    <message>
        <source>The address book holds %1 contacts; the book has room for %2.</source>
        <translation>O livro de endereços contém %1 contactos; a lista telefónica tem espaço para %2.</translation>
    </message>
    <message>
        <source>The address book holds 1 contact; it fits in the book.</source>
        <translation>O livro de endereços contém 1 contacto; cabe na lista telefónica.</translation>
    </message>
    <message>
        <source>The address book holds %1 contacts; all of them fit in the book.</source>
        <translation>O livro de endereços contém %1 contactos; cabem todos na lista telefónica.</translation>
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
        <translation>Livro de endereços num servidor</translation>
    </message>
    <message>
        <source>Give the address of the server that keeps your contacts (CardDAV), or of one of its address books, with your user name and password there. Find Address Books lists the address books it offers.</source>
        <translation>Indique o endereço do servidor que guarda os seus contactos (CardDAV), ou o de um dos seus livros de endereços, com o seu nome de utilizador e a sua palavra-passe nesse servidor. «Procurar livros de endereços» lista os livros de endereços que o servidor oferece.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Endereço do servidor</translation>
    </message>
    <message>
        <source>Server &amp;address:</source>
        <translation>&amp;Endereço do servidor:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome de utilizador</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome de &amp;utilizador:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>Left empty, the password kept in the keyring for this address and user is used.</source>
        <translation>Se ficar vazio, é utilizada a palavra-passe guardada no porta-chaves para este endereço e utilizador.</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Palavra-passe:</translation>
    </message>
    <message>
        <source>&amp;Remember in the keyring</source>
        <translation>&amp;Memorizar no porta-chaves</translation>
    </message>
    <message>
        <source>Remember the password in the keyring</source>
        <translation>Memorizar a palavra-passe no porta-chaves</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>Pro&amp;curar livros de endereços</translation>
    </message>
    <message>
        <source>Find address books</source>
        <translation>Procurar livros de endereços</translation>
    </message>
    <message>
        <source>Address b&amp;ooks found:</source>
        <translation>&amp;Livros de endereços encontrados:</translation>
    </message>
    <message>
        <source>Address books found</source>
        <translation>Livros de endereços encontrados</translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation>Livro de endereços</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartões</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>Enter the address of the server, such as %1.</source>
        <translation>Introduza o endereço do servidor, como %1.</translation>
    </message>
    <message>
        <source>The password could not be read from the keyring: %1</source>
        <translation>Não foi possível ler a palavra-passe do porta-chaves: %1</translation>
    </message>
    <message>
        <source>Looking for address books at %1...</source>
        <translation>A procurar livros de endereços em %1...</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Não foi possível guardar a palavra-passe no porta-chaves: %1</translation>
    </message>
    <message>
        <source>Choose one of the address books found.</source>
        <translation>Escolha um dos livros de endereços encontrados.</translation>
    </message>
    <message>
        <source>Reading the address book %1...</source>
        <translation>A ler o livro de endereços %1...</translation>
    </message>
    <message>
        <source>The address book “%1” holds no contacts.</source>
        <translation>O livro de endereços «%1» não contém contactos.</translation>
    </message>
</context>
<context>
    <name>Keyring</name>
    <message>
        <source>The keyring did not answer in time.</source>
        <translation>O porta-chaves não respondeu a tempo.</translation>
    </message>
    <message>
        <source>No keyring is running, so passwords are neither looked up in it nor kept in it.</source>
        <translation>Não há nenhum porta-chaves em execução, pelo que as palavras-passe não são procuradas nem guardadas nele.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>&amp;Welcome</source>
        <translation>&amp;Boas-vindas</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>&amp;Imagens</translation>
    </message>
    <message>
        <source>Phone &amp;Book</source>
        <translation>&amp;Lista telefónica</translation>
    </message>
</context>
<context>
    <name>MultistatusReader</name>
    <message>
        <source>the answer ends before its multistatus does</source>
        <translation>a resposta termina antes do respetivo multistatus</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (linha %2)</translation>
    </message>
    <message>
        <source>the answer is no multistatus but &lt;%1&gt;</source>
        <translation>a resposta não é um multistatus, mas sim &lt;%1&gt;</translation>
    </message>
    <message>
        <source>a value longer than %1 MB</source>
        <translation>um valor com mais de %1 MB</translation>
    </message>
</context>
<context>
    <name>PasswordFile</name>
    <message>
        <source>&quot;%1&quot; could not be read: %2.</source>
        <translation>Não foi possível ler «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 bytes; a password file holds the password on its first line.</source>
        <translation>«%1» excede %2 bytes; um ficheiro de palavra-passe contém a palavra-passe na primeira linha.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file. Give the password in a file of your own that only you may read (chmod 600).</source>
        <translation>«%1» não é um ficheiro normal. Indique a palavra-passe num ficheiro próprio que mais ninguém possa ler (chmod 600).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to another user. Keep the password in a file of your own and make it yours alone with: chmod 600 FILE</source>
        <translation>«%1» pertence a outro utilizador. Guarde a palavra-passe num ficheiro próprio e torne-o exclusivamente seu com: chmod 600 FILE</translation>
    </message>
    <message>
        <source>&quot;%1&quot; may be read or changed by others than you, so its password is not used. Make it yours alone with: %2</source>
        <translation>«%1» pode ser lido ou alterado por outros utilizadores, pelo que a palavra-passe nele contida não é utilizada. Torne-o exclusivamente seu com: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty; its first line should be the password.</source>
        <translation>«%1» está vazio; a primeira linha deveria ser a palavra-passe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no password on its first line.</source>
        <translation>«%1» não tem nenhuma palavra-passe na primeira linha.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the first line is not UTF-8 text.</source>
        <translation>«%1»: a primeira linha não é texto UTF-8.</translation>
    </message>
</context>
<context>
    <name>PasswordSources</name>
    <message>
        <source>The password could not be looked up in the keyring: %1</source>
        <translation>Não foi possível procurar a palavra-passe no porta-chaves: %1</translation>
    </message>
    <message>
        <source>There is no terminal to ask for the password on. Give it with --password-file FILE, a file that only you may read (chmod 600 FILE).</source>
        <translation>Não há nenhum terminal onde pedir a palavra-passe. Indique-a com --password-file FILE, um ficheiro que mais ninguém possa ler (chmod 600 FILE).</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <extracomment>%1 is the user name, %2 the server as scheme://host.</extracomment>
        <translation>Palavra-passe de %1 em %2: </translation>
    </message>
    <message>
        <source>No password was typed. To give it without typing, use --password-file FILE, a file that only you may read (chmod 600 FILE).</source>
        <translation>Não foi escrita nenhuma palavra-passe. Para a indicar sem a escrever, utilize --password-file FILE, um ficheiro que mais ninguém possa ler (chmod 600 FILE).</translation>
    </message>
    <message>
        <source>The password was not kept: no keyring is running. It is asked for again next time.</source>
        <translation>A palavra-passe não foi guardada: não há nenhum porta-chaves em execução. Será pedida novamente da próxima vez.</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring: %1</source>
        <translation>Não foi possível guardar a palavra-passe no porta-chaves: %1</translation>
    </message>
</context>
<context>
    <name>PhonebookBackups</name>
    <message>
        <source>The send did not finish: the handset now holds %1 of the %2 entries.</source>
        <translation>O envio não terminou: o terminal contém agora %1 das %2 entradas.</translation>
    </message>
    <message>
        <source>The send did not finish, and the handset did not say what it holds now: its phone book may have been emptied (%1 of the %2 entries had been sent).</source>
        <translation>O envio não terminou e o terminal não indicou o que contém agora: a lista telefónica pode ter sido esvaziada (tinham sido enviadas %1 das %2 entradas).</translation>
    </message>
</context>
<context>
    <name>PhonebookCommands</name>
    <message>
        <source>Not asked, since the input is not a terminal: taken as No. Add --yes to answer Yes.</source>
        <translation>Não foi perguntado, porque a entrada padrão não é um terminal: considera-se Não. Acrescente --yes para responder Sim.</translation>
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
        <translation>Identidade: %1</translation>
    </message>
    <message>
        <source>Received 1 entry into %1</source>
        <translation>Foi recebida 1 entrada em %1</translation>
    </message>
    <message numerus="yes">
        <source>Received %n entries into %1</source>
        <translation>
            <numerusform>Foi recebida %n entrada em %1</numerusform>
            <numerusform>Foram recebidas %n entradas em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was sent: the handset&apos;s phone book is as it was.</source>
        <translation>Nada foi enviado: a lista telefónica do terminal mantém-se como estava.</translation>
    </message>
    <message>
        <source>The handset&apos;s phone book could not be kept before the send, so nothing was sent.</source>
        <translation>Não foi possível guardar uma cópia da lista telefónica do terminal antes do envio, pelo que nada foi enviado.</translation>
    </message>
    <message>
        <source>Kept the handset&apos;s previous phone book in %1</source>
        <translation>A lista telefónica anterior do terminal foi guardada em %1</translation>
    </message>
    <message>
        <source>To send its previous phone book back: %1</source>
        <translation>Para lhe enviar de volta a lista telefónica anterior: %1</translation>
    </message>
    <message>
        <source>Sent 1 entry</source>
        <translation>Foi enviada 1 entrada</translation>
    </message>
    <message numerus="yes">
        <source>Sent %n entries</source>
        <translation>
            <numerusform>Foi enviada %n entrada</numerusform>
            <numerusform>Foram enviadas %n entradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries without a name or a number stay in the computer&apos;s book and are not sent.</source>
        <translation>
            <numerusform>%n entrada sem nome ou sem número fica na lista telefónica do computador e não é enviada.</numerusform>
            <numerusform>%n entradas sem nome ou sem número ficam na lista telefónica do computador e não são enviadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The merged phone book was not kept as the base of the next sync.</source>
        <translation>A lista telefónica combinada não foi guardada como base da próxima sincronização.</translation>
    </message>
    <message>
        <source>The handset and %1 are already in step: nothing sent, nothing written.</source>
        <extracomment>%1: the phone-book file synced with the handset.</extracomment>
        <translation>O terminal e %1 já coincidem: nada foi enviado nem escrito.</translation>
    </message>
    <message>
        <source>Nothing sent, nothing written (--dry-run).</source>
        <translation>Nada foi enviado nem escrito (--dry-run).</translation>
    </message>
    <message>
        <source>Send the merged phone book to the handset and save it in %1?</source>
        <extracomment>%1: the phone-book file synced with the handset.</extracomment>
        <translation>Enviar a lista telefónica combinada para o terminal e guardá-la em %1?</translation>
    </message>
    <message>
        <source>Send the merged phone book to the handset? %1 holds it already.</source>
        <extracomment>%1: the phone-book file synced with the handset, which holds the merged book already.</extracomment>
        <translation>Enviar a lista telefónica combinada para o terminal? %1 já a contém.</translation>
    </message>
    <message>
        <source>Save the merged phone book in %1? The handset holds it already.</source>
        <extracomment>%1: the phone-book file synced with the handset, which already holds the merged book.</extracomment>
        <translation>Guardar a lista telefónica combinada em %1? O terminal já a contém.</translation>
    </message>
    <message>
        <source>The handset holds the merged phone book; a sync again saves it in %1.</source>
        <extracomment>%1: the phone-book file that could not be saved after the send.</extracomment>
        <translation>O terminal contém a lista telefónica combinada; uma nova sincronização guarda-a em %1.</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>%1: the phone-book file the merged book was saved in.</extracomment>
        <translation>Ficheiro guardado: %1</translation>
    </message>
    <message>
        <source>No earlier sync of this handset with %1 is known: the entries of both are kept, and nothing is deleted.</source>
        <extracomment>%1: the phone-book file synced with the handset.</extracomment>
        <translation>Não se conhece nenhuma sincronização anterior deste terminal com %1: as entradas de ambos são mantidas e nada é eliminado.</translation>
    </message>
    <message>
        <source>%1 is as it was.</source>
        <extracomment>%1: the phone-book file synced with the handset, left as it was after a failed send.</extracomment>
        <translation>%1 ficou como estava.</translation>
    </message>
    <message>
        <source>The next sync with this handset keeps the entries of both sides and deletes none.</source>
        <translation>A próxima sincronização com este terminal manterá as entradas de ambos os lados e não eliminará nenhuma.</translation>
    </message>
</context>
<context>
    <name>PhonebookPage</name>
    <message>
        <source>Name Edit</source>
        <translation>edição do nome</translation>
    </message>
    <message>
        <source>Number Edit</source>
        <translation>edição do número</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>%1 is the step undone, &quot;New Entry&quot; say.</extracomment>
        <translation>Anular</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>%1 is the step redone, &quot;New Entry&quot; say.</extracomment>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>restauro</translation>
    </message>
    <message>
        <source>New Entry</source>
        <translation>nova entrada</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>eliminação</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>ordenação</translation>
    </message>
    <message>
        <source>New Phonebook</source>
        <translation>nova lista telefónica</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>importação</translation>
    </message>
    <message>
        <source>Get Phonebook</source>
        <translation>receção da lista telefónica</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>abertura</translation>
    </message>
    <message>
        <source>Send the phone book it had before (kept in %1) back to it?</source>
        <translation>Enviar de novo para o terminal a lista telefónica que tinha antes (guardada em %1)?</translation>
    </message>
    <message>
        <source>Open phone book</source>
        <translation>Abrir lista telefónica</translation>
    </message>
    <message>
        <source>Save phone book</source>
        <translation>Guardar lista telefónica</translation>
    </message>
    <message>
        <source>New phone book</source>
        <translation>Nova lista telefónica</translation>
    </message>
    <message>
        <source>Get the phone book from the handset</source>
        <translation>Receber a lista telefónica do terminal</translation>
    </message>
    <message>
        <source>Send the phone book to the handset</source>
        <translation>Enviar a lista telefónica para o terminal</translation>
    </message>
    <message>
        <source>Import or export contacts</source>
        <translation>Importar ou exportar contactos</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Nova entrada</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Deselect all</source>
        <translation>Anular seleção</translation>
    </message>
    <message>
        <source>Delete selected entries</source>
        <translation>Eliminar as entradas selecionadas</translation>
    </message>
    <message>
        <source>Orvak web site</source>
        <translation>Site da Orvak</translation>
    </message>
    <message>
        <source>Save changes to current phonebook loaded?</source>
        <translation>Guardar as alterações na lista telefónica carregada?</translation>
    </message>
    <message>
        <source>The handset&apos;s phone book could not be kept before the send, so nothing was sent.</source>
        <translation>Não foi possível guardar uma cópia da lista telefónica do terminal antes do envio, pelo que nada foi enviado.</translation>
    </message>
    <message>
        <source>The program did not close normally last time, and a phone book had changes that were not saved. Restore that phone book?</source>
        <translation>O programa não foi fechado corretamente da última vez e uma lista telefónica tinha alterações não guardadas. Restaurar essa lista telefónica?</translation>
    </message>
    <message>
        <source>Phone book entries</source>
        <translation>Entradas da lista telefónica</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Anular %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Refazer %1</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n contacts to %1.</source>
        <translation>
            <numerusform>Foi exportado %n contacto para %1.</numerusform>
            <numerusform>Foram exportados %n contactos para %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Guardado em %1.</translation>
    </message>
    <message numerus="yes">
        <source>Phone book sent: %n entries.</source>
        <translation>
            <numerusform>Lista telefónica enviada: %n entrada.</numerusform>
            <numerusform>Lista telefónica enviada: %n entradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>dialbook pull FILE.opbk</source>
        <translation>dialbook pull FILE.opbk</translation>
    </message>
    <message>
        <source>The phone book of this handset model (0x%1) is not supported in this window; use the dialbook command: %2</source>
        <translation>A lista telefónica deste modelo de terminal (0x%1) não é suportada nesta janela; utilize o comando dialbook: %2</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>sincronização</translation>
    </message>
    <message>
        <source>Sync the phone book with the handset</source>
        <translation>Sincronizar a lista telefónica com o terminal</translation>
    </message>
    <message>
        <source>Select &amp;Duplicates</source>
        <translation>Selecionar &amp;duplicadas</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate entries selected.</source>
        <translation>
            <numerusform>%n entrada duplicada selecionada.</numerusform>
            <numerusform>%n entradas duplicadas selecionadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>No duplicate entries found.</source>
        <translation>Não foram encontradas entradas duplicadas.</translation>
    </message>
    <message>
        <source>The handset and this phone book are already in step: nothing was changed.</source>
        <translation>O terminal e esta lista telefónica já coincidem: nada foi alterado.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries without a name or a number stay in this phone book and are not sent.</source>
        <translation>
            <numerusform>%n entrada sem nome ou sem número permanece nesta lista telefónica e não é enviada.</numerusform>
            <numerusform>%n entradas sem nome ou sem número permanecem nesta lista telefónica e não são enviadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Phone book synced: the handset holds %n entries.</source>
        <translation>
            <numerusform>Lista telefónica sincronizada: o terminal contém %n entrada.</numerusform>
            <numerusform>Lista telefónica sincronizada: o terminal contém %n entradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The handset holds the synced phone book and the list shows it, but its file was not saved: save it to keep it.</source>
        <translation>O terminal contém a lista telefónica sincronizada, que é apresentada na janela, mas o ficheiro não foi guardado: guarde-a para a manter.</translation>
    </message>
</context>
<context>
    <name>PhonebookSend</name>
    <message>
        <source>The phone book to send has no entries with both a name and a number.</source>
        <translation>A lista telefónica a enviar não tem nenhuma entrada com nome e número.</translation>
    </message>
    <message>
        <source>This deletes all entries on the handset.</source>
        <translation>Esta operação elimina todas as entradas do terminal.</translation>
    </message>
    <message numerus="yes">
        <source>This deletes all %n entries on the handset.</source>
        <translation>
            <numerusform>Esta operação elimina %n entrada do terminal.</numerusform>
            <numerusform>Esta operação elimina as %n entradas do terminal.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
%2
Send it anyway?</source>
        <translation>%1
%2
Enviar mesmo assim?</translation>
    </message>
</context>
<context>
    <name>PhonebookSync</name>
    <message numerus="yes">
        <source>The merged phone book would hold %n entries (the handset&apos;s has %L1, the computer&apos;s %L2), but the handset holds at most 100. Nothing was sent or written.</source>
        <extracomment>%n: the entries the merge gives; %L1 and %L2: the entries of the two books merged.</extracomment>
        <translation>
            <numerusform>A lista telefónica combinada teria %n entrada (a do terminal tem %L1 e a do computador %L2), mas o terminal comporta no máximo 100. Nada foi enviado nem escrito.</numerusform>
            <numerusform>A lista telefónica combinada teria %n entradas (a do terminal tem %L1 e a do computador %L2), mas o terminal comporta no máximo 100. Nada foi enviado nem escrito.</numerusform>
        </translation>
    </message>
    <message>
        <source>added</source>
        <extracomment>A kind of change of a sync, the first word of its line.</extracomment>
        <translation>adicionada</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>alterada</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>eliminada</translation>
    </message>
    <message>
        <source>kept-over-delete</source>
        <translation>mantida</translation>
    </message>
    <message>
        <source>conflict</source>
        <translation>conflito</translation>
    </message>
    <message>
        <source>both kept</source>
        <translation>ambas mantidas</translation>
    </message>
    <message>
        <source>the handset&apos;s taken</source>
        <translation>usada a do terminal</translation>
    </message>
    <message>
        <source>the computer&apos;s taken</source>
        <translation>usada a do computador</translation>
    </message>
    <message>
        <source>handset: %1 | computer: %2 (%3)</source>
        <extracomment>A conflict: %1 the handset&apos;s version, %2 the computer&apos;s, %3 which one is taken.</extracomment>
        <translation>terminal: %1 | computador: %2 (%3)</translation>
    </message>
    <message>
        <source>on the handset</source>
        <translation>no terminal</translation>
    </message>
    <message>
        <source>on the computer</source>
        <translation>no computador</translation>
    </message>
    <message>
        <source>on both</source>
        <translation>em ambos</translation>
    </message>
    <message>
        <source>changed on the computer, deleted on the handset</source>
        <translation>alterada no computador, eliminada no terminal</translation>
    </message>
    <message>
        <source>changed on the handset, deleted on the computer</source>
        <translation>alterada no terminal, eliminada no computador</translation>
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
        <translation>%L1 adicionadas, %L2 alteradas, %L3 eliminadas, %L4 mantidas apesar da eliminação, %L5 em conflito; %L6 de 100 entradas.</translation>
    </message>
</context>
<context>
    <name>PictureCanvas</name>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Drag the red frame, or move it with the arrow keys (Shift: faster); + and - zoom.</source>
        <translation>Arraste a moldura vermelha ou mova-a com as teclas de seta (Shift: mais rápido); + e - para o zoom.</translation>
    </message>
</context>
<context>
    <name>PictureCommands</name>
    <message>
        <source>Wrote the handset picture to %1</source>
        <translation>A imagem do terminal foi escrita em %1</translation>
    </message>
    <message>
        <source>Sent the picture to the handset</source>
        <translation>A imagem foi enviada para o terminal</translation>
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
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Rodar para a esquerda</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Rodar para a direita</translation>
    </message>
    <message>
        <source>Brightness and contrast</source>
        <translation>Brilho e contraste</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Equilíbrio de cores</translation>
    </message>
    <message>
        <source>Send to phone</source>
        <translation>Enviar para o telefone</translation>
    </message>
    <message>
        <source>Orvak web site</source>
        <translation>Site da Orvak</translation>
    </message>
    <message>
        <source>dialbook send-picture PICTURE</source>
        <translation>dialbook send-picture PICTURE</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Guardado em %1.</translation>
    </message>
    <message>
        <source>Picture sent.</source>
        <translation>Imagem enviada.</translation>
    </message>
    <message>
        <source>Pictures for this handset model (0x%1) are not supported in this window; use the dialbook command: %2</source>
        <translation>As imagens para este modelo de terminal (0x%1) não são suportadas nesta janela; utilize o comando dialbook: %2</translation>
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
        <translation>caminho do socket demasiado longo</translation>
    </message>
    <message>
        <source>no handset answers (stale socket)</source>
        <translation>nenhum terminal responde (socket obsoleto)</translation>
    </message>
    <message>
        <source>no greeting from the handset</source>
        <translation>o terminal não enviou nenhuma saudação</translation>
    </message>
    <message>
        <source>not a simulated handset</source>
        <translation>não é um terminal simulado</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Not Permitted</source>
        <translation>Não permitido</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Não ligado</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About the Orvak Dialbook...</source>
        <extracomment>String 101</extracomment>
        <translation>&amp;Acerca do Orvak Dialbook...</translation>
    </message>
    <message>
        <source>Slide to adjust Red color of phone image.</source>
        <extracomment>String 102</extracomment>
        <translation>Deslize para ajustar o vermelho da imagem do telefone.</translation>
    </message>
    <message>
        <source>Error: Could not send data to phone.</source>
        <extracomment>String 103
----------
String 57354</extracomment>
        <translation>Erro: não foi possível enviar dados para o telefone.</translation>
    </message>
    <message>
        <source>Open a graphic file on your computer.</source>
        <extracomment>String 105</extracomment>
        <translation>Abrir um ficheiro de imagem do computador.</translation>
    </message>
    <message>
        <source>Save the Phone Graphic file.</source>
        <extracomment>String 106</extracomment>
        <translation>Guardar o ficheiro de imagem do telefone.</translation>
    </message>
    <message>
        <source>Learn more about the<byte value="xd"/>
Orvak Dialbook.</source>
        <extracomment>String 107</extracomment>
        <translation>Saiba mais sobre o<byte value="xd"/>
Orvak Dialbook.</translation>
    </message>
    <message>
        <source>Zoom in on the picture.</source>
        <extracomment>String 108</extracomment>
        <translation>Ampliar a imagem.</translation>
    </message>
    <message>
        <source>Zoom out on the picture.</source>
        <extracomment>String 109</extracomment>
        <translation>Reduzir a imagem.</translation>
    </message>
    <message>
        <source>Rotate the picture to the Left.</source>
        <extracomment>String 110</extracomment>
        <translation>Rodar a imagem para a esquerda.</translation>
    </message>
    <message>
        <source>Rotate the picture to the Right.</source>
        <extracomment>String 111</extracomment>
        <translation>Rodar a imagem para a direita.</translation>
    </message>
    <message>
        <source>Adjust Brightness and Contrast.</source>
        <extracomment>String 112</extracomment>
        <translation>Ajustar o brilho e o contraste.</translation>
    </message>
    <message>
        <source>Edit Red, Green and Blue Colors.</source>
        <extracomment>String 113</extracomment>
        <translation>Editar as cores vermelho, verde e azul.</translation>
    </message>
    <message>
        <source>Download the selected
<byte value="xd"/>image to the phone.</source>
        <extracomment>String 114</extracomment>
        <translation>Transferir a imagem selecionada
<byte value="xd"/>para o telefone.</translation>
    </message>
    <message>
        <source>Slide to adjust Green color of phone image.</source>
        <extracomment>String 115</extracomment>
        <translation>Deslize para ajustar o verde da imagem do telefone.</translation>
    </message>
    <message>
        <source>Slide to adjust Blue color of phone image.</source>
        <extracomment>String 117</extracomment>
        <translation>Deslize para ajustar o azul da imagem do telefone.</translation>
    </message>
    <message>
        <source>Could not start the Graphics Interface.  Exiting.</source>
        <extracomment>String 118</extracomment>
        <translation>Não foi possível iniciar a interface gráfica. O programa vai terminar.</translation>
    </message>
    <message>
        <source>Starting Image Download...</source>
        <extracomment>String 132</extracomment>
        <translation>A iniciar a transferência da imagem...</translation>
    </message>
    <message>
        <source>Error: Could not retrieve image to download.</source>
        <extracomment>String 133</extracomment>
        <translation>Erro: não foi possível obter a imagem a transferir.</translation>
    </message>
    <message>
        <source>Loading Image file.  Please wait...</source>
        <extracomment>String 135</extracomment>
        <translation>A carregar o ficheiro de imagem. Aguarde...</translation>
    </message>
    <message>
        <source>Error: Can not write over currently opened image.  Please choose new image name or folder to save image to.</source>
        <extracomment>String 136</extracomment>
        <translation>Erro: não é possível substituir a imagem aberta. Escolha outro nome ou outra pasta para guardar a imagem.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Memory storage on handset is full.
Please delete one or more pictures or sound clips on handset.</source>
        <extracomment>String 137</extracomment>
        <translation>Não é possível transferir! A memória do terminal está cheia.
Elimine uma ou mais imagens ou clipes de som do terminal.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Handset in use.</source>
        <extracomment>String 138</extracomment>
        <translation>Não é possível transferir! Terminal em utilização.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Incoming call on handset.</source>
        <extracomment>String 139</extracomment>
        <translation>Não é possível transferir! Chamada recebida no terminal.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Low battery detected on handset.</source>
        <extracomment>String 140</extracomment>
        <translation>Não é possível transferir! Bateria fraca no terminal.</translation>
    </message>
    <message>
        <source>Can&apos;t download! Sound clip record/playback in progress on handset.</source>
        <extracomment>String 141</extracomment>
        <translation>Não é possível transferir! Gravação/reprodução de clipe de som em curso no terminal.</translation>
    </message>
    <message>
        <source>Can&apos;t download!  Handset canceled the image download.</source>
        <extracomment>String 142</extracomment>
        <translation>Não é possível transferir! O terminal cancelou a transferência da imagem.</translation>
    </message>
    <message>
        <source>Press this TAB to open the Graphics Editor</source>
        <extracomment>String 144</extracomment>
        <translation>Prima este separador para abrir o editor de imagens</translation>
    </message>
    <message>
        <source>Error: The file was too large and was rejected by the phone.</source>
        <extracomment>String 155</extracomment>
        <translation>Erro: o ficheiro era demasiado grande e foi rejeitado pelo telefone.</translation>
    </message>
    <message>
        <source> No File Loaded</source>
        <extracomment>String 157</extracomment>
        <translation> Nenhum ficheiro carregado</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)|*.bmp||</source>
        <extracomment>String 159</extracomment>
        <translation>Mapa de bits (*.bmp)|*.bmp||</translation>
    </message>
    <message>
        <source>Slide to adjust brightness of phone image.</source>
        <extracomment>String 162</extracomment>
        <translation>Deslize para ajustar o brilho da imagem do telefone.</translation>
    </message>
    <message>
        <source>Slide to adjust contrast of phone image.</source>
        <extracomment>String 163</extracomment>
        <translation>Deslize para ajustar o contraste da imagem do telefone.</translation>
    </message>
    <message>
        <source>Error: Could not read data from phone.</source>
        <extracomment>String 164</extracomment>
        <translation>Erro: não foi possível ler dados do telefone.</translation>
    </message>
    <message>
        <source>Canceling Phonebook Transfer...</source>
        <extracomment>String 165</extracomment>
        <translation>A cancelar a transferência da lista telefónica...</translation>
    </message>
    <message>
        <source>Data transfer canceled.</source>
        <extracomment>String 167</extracomment>
        <translation>Transferência de dados cancelada.</translation>
    </message>
    <message>
        <source>Receiving phonebook from handset...</source>
        <extracomment>String 169</extracomment>
        <translation>A receber a lista telefónica do terminal...</translation>
    </message>
    <message>
        <source>Sending phonebook records to phone...</source>
        <extracomment>String 170</extracomment>
        <translation>A enviar registos da lista telefónica para o telefone...</translation>
    </message>
    <message>
        <source>Sending phonebook record:</source>
        <extracomment>String 172</extracomment>
        <translation>A enviar registo da lista telefónica:</translation>
    </message>
    <message>
        <source>Press this tab to access the Phonebook Editor</source>
        <extracomment>String 174</extracomment>
        <translation>Prima este separador para aceder ao editor da lista telefónica</translation>
    </message>
    <message>
        <source>Press this tab to access the welcome dialog.</source>
        <extracomment>String 175</extracomment>
        <translation>Prima este separador para aceder ao ecrã de boas-vindas.</translation>
    </message>
    <message>
        <source>Maximum phonebook records reached.  Please delete some records and try again.</source>
        <extracomment>String 182</extracomment>
        <translation>Foi atingido o número máximo de registos da lista telefónica. Elimine alguns registos e tente novamente.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>String 184</extracomment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <extracomment>String 185</extracomment>
        <translation>Número de telefone</translation>
    </message>
    <message>
        <source>Error: Bitmap does not exist.</source>
        <extracomment>String 188</extracomment>
        <translation>Erro: o mapa de bits não existe.</translation>
    </message>
    <message>
        <source>Phonebook (*.opbk)|*.opbk||</source>
        <extracomment>String 191</extracomment>
        <translation>Lista telefónica (*.opbk)|*.opbk||</translation>
    </message>
    <message>
        <source>Orvak Phonebook Files (*.opbk)|*.opbk|All Files (*.*)|*.*||</source>
        <extracomment>String 192</extracomment>
        <translation>Ficheiros de lista telefónica Orvak (*.opbk)|*.opbk|Todos os ficheiros (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Error: Could not write to the file.</source>
        <extracomment>String 193</extracomment>
        <translation>Erro: não foi possível escrever no ficheiro.</translation>
    </message>
    <message>
        <source>Error: Could not read file.</source>
        <extracomment>String 194</extracomment>
        <translation>Erro: não foi possível ler o ficheiro.</translation>
    </message>
    <message>
        <source>Warning: This will overwrite the phonebook on the handset.  Do you want to proceed?</source>
        <extracomment>String 195</extracomment>
        <translation>Aviso: esta operação substitui a lista telefónica do terminal. Pretende continuar?</translation>
    </message>
    <message>
        <source>Error: No records to write.</source>
        <extracomment>String 199</extracomment>
        <translation>Erro: não há registos para escrever.</translation>
    </message>
    <message>
        <source>Error: Could not open file.</source>
        <extracomment>String 201</extracomment>
        <translation>Erro: não foi possível abrir o ficheiro.</translation>
    </message>
    <message>
        <source>Error: Could not write to the file specified.</source>
        <extracomment>String 202</extracomment>
        <translation>Erro: não foi possível escrever no ficheiro especificado.</translation>
    </message>
    <message>
        <source>Error: Map index out of range</source>
        <extracomment>String 214</extracomment>
        <translation>Erro: índice de mapeamento fora do intervalo</translation>
    </message>
    <message>
        <source>Error: Variable index is out of range</source>
        <extracomment>String 217</extracomment>
        <translation>Erro: índice de variável fora do intervalo</translation>
    </message>
    <message>
        <source>Error: Index is already assigned.</source>
        <extracomment>String 218</extracomment>
        <translation>Erro: o índice já está atribuído.</translation>
    </message>
    <message>
        <source>Error: Could not import file.</source>
        <extracomment>String 219</extracomment>
        <translation>Erro: não foi possível importar o ficheiro.</translation>
    </message>
    <message>
        <source>Error: No columns selected for import.</source>
        <extracomment>String 221</extracomment>
        <translation>Erro: nenhuma coluna selecionada para importação.</translation>
    </message>
    <message>
        <source>Receiving handset information.</source>
        <extracomment>String 222</extracomment>
        <translation>A receber informações do terminal.</translation>
    </message>
    <message>
        <source>Error: Data returned from the handset is in error.</source>
        <extracomment>String 261</extracomment>
        <translation>Erro: os dados devolvidos pelo terminal contêm erros.</translation>
    </message>
    <message>
        <source>Error:  Unable to complete data transfer.</source>
        <extracomment>String 262
----------
String 370</extracomment>
        <translation>Erro: não foi possível concluir a transferência de dados.</translation>
    </message>
    <message>
        <source>Error: Could not read handset settings from handset.</source>
        <extracomment>String 263</extracomment>
        <translation>Erro: não foi possível ler as definições do terminal.</translation>
    </message>
    <message>
        <source>Sending image to phone...</source>
        <extracomment>String 264</extracomment>
        <translation>A enviar a imagem para o telefone...</translation>
    </message>
    <message>
        <source>Click this link to open the Orvak web site.</source>
        <extracomment>String 269</extracomment>
        <translation>Clique nesta ligação para abrir o site da Orvak.</translation>
    </message>
    <message>
        <source>Open a phonebook from disk.</source>
        <extracomment>String 270</extracomment>
        <translation>Abrir uma lista telefónica do disco.</translation>
    </message>
    <message>
        <source>Save the phonebook to disk.</source>
        <extracomment>String 271</extracomment>
        <translation>Guardar a lista telefónica no disco.</translation>
    </message>
    <message>
        <source>Create a new phonebook.</source>
        <extracomment>String 272</extracomment>
        <translation>Criar uma nova lista telefónica.</translation>
    </message>
    <message>
        <source>Transfer the phonebook from the handset.</source>
        <extracomment>String 273</extracomment>
        <translation>Transferir a lista telefónica do terminal.</translation>
    </message>
    <message>
        <source>Transfer the phonebook to the handset.</source>
        <extracomment>String 274</extracomment>
        <translation>Transferir a lista telefónica para o terminal.</translation>
    </message>
    <message>
        <source>Select all phonebook entries.</source>
        <extracomment>String 275</extracomment>
        <translation>Selecionar todas as entradas da lista telefónica.</translation>
    </message>
    <message>
        <source>De-select all phonebook entries.</source>
        <extracomment>String 276</extracomment>
        <translation>Anular a seleção de todas as entradas da lista telefónica.</translation>
    </message>
    <message>
        <source>Delete selected phonebook entries.</source>
        <extracomment>String 277</extracomment>
        <translation>Eliminar as entradas selecionadas da lista telefónica.</translation>
    </message>
    <message>
        <source>Create a new phonebook entry.</source>
        <extracomment>String 278</extracomment>
        <translation>Criar uma nova entrada na lista telefónica.</translation>
    </message>
    <message>
        <source>Import/Export all or selected phonebook entries.</source>
        <extracomment>String 279</extracomment>
        <translation>Importar/exportar todas as entradas da lista telefónica ou as selecionadas.</translation>
    </message>
    <message>
        <source>Preparing to receive phonebook from phone...</source>
        <extracomment>String 321</extracomment>
        <translation>A preparar a receção da lista telefónica do telefone...</translation>
    </message>
    <message>
        <source>Transferring phonebook record:</source>
        <extracomment>String 322</extracomment>
        <translation>A transferir registo da lista telefónica:</translation>
    </message>
    <message>
        <source>Version 2.0.1</source>
        <extracomment>String 324</extracomment>
        <translation>Versão 2.0.1</translation>
    </message>
    <message>
        <source>Loading file.  Please wait...</source>
        <extracomment>String 371</extracomment>
        <translation>A carregar o ficheiro. Aguarde...</translation>
    </message>
    <message>
        <source>Saving file.  Please wait...</source>
        <extracomment>String 372</extracomment>
        <translation>A guardar o ficheiro. Aguarde...</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <extracomment>String 373</extracomment>
        <translation>Não ligado</translation>
    </message>
    <message>
        <source>Warning: some of the phonebook records contain empty names and/or phone numbers.  These records will not be transferred to the handset.  Do you want to continue with the phonebook transfer?</source>
        <extracomment>String 374</extracomment>
        <translation>Aviso: alguns registos da lista telefónica têm o nome e/ou o número de telefone vazios. Estes registos não serão transferidos para o terminal. Pretende continuar com a transferência da lista telefónica?</translation>
    </message>
    <message>
        <source>Error: No memory left.</source>
        <extracomment>String 57345</extracomment>
        <translation>Erro: memória esgotada.</translation>
    </message>
    <message>
        <source>Canceling Image Download...</source>
        <extracomment>String 57346</extracomment>
        <translation>A cancelar a transferência da imagem...</translation>
    </message>
    <message>
        <source>Requesting to send image to phone...</source>
        <extracomment>String 57348</extracomment>
        <translation>A pedir o envio da imagem para o telefone...</translation>
    </message>
    <message>
        <source>Error: Phone not found.</source>
        <extracomment>String 57350</extracomment>
        <translation>Erro: telefone não encontrado.</translation>
    </message>
    <message>
        <source>Error: Phone reported image report size too large.</source>
        <extracomment>String 57351</extracomment>
        <translation>Erro: o telefone indicou um tamanho de relatório de imagem demasiado grande.</translation>
    </message>
    <message>
        <source>Error: CreateEvent failed.</source>
        <extracomment>String 57352</extracomment>
        <translation>Erro: CreateEvent falhou.</translation>
    </message>
    <message>
        <source>The handset plugged in now is not the one this phone book was kept from, so it was not sent to it.</source>
        <extracomment>String 57400</extracomment>
        <translation>O terminal agora ligado não é aquele de que provém esta lista telefónica, pelo que esta não lhe foi enviada.</translation>
    </message>
    <message>
        <source>All Graphic Files (*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz)|*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz|Bitmaps (*.bmp)|*.bmp|WebP Pictures (*.webp)|*.webp|SVG Drawings (*.svg;*.svgz)|*.svg;*.svgz|All Files (*.*)|*.*||</source>
        <extracomment>String 116</extracomment>
        <translation>Todos os ficheiros de imagem (*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz)|*.bmp;*.gif;*.jpg;*.tif;*.png;*.webp;*.svg;*.svgz|Mapas de bits (*.bmp)|*.bmp|Imagens WebP (*.webp)|*.webp|Desenhos SVG (*.svg;*.svgz)|*.svg;*.svgz|Todos os ficheiros (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Error: Image file could not be loaded.</source>
        <extracomment>String 156</extracomment>
        <translation>Erro: não foi possível carregar o ficheiro de imagem.</translation>
    </message>
    <message>
        <source>Error: Image failed to save.</source>
        <extracomment>String 160</extracomment>
        <translation>Erro: não foi possível guardar a imagem.</translation>
    </message>
    <message>
        <source>Put the handset&apos;s phone book and this one together, showing the changes first.</source>
        <extracomment>String 57401</extracomment>
        <translation>Juntar a lista telefónica do terminal e esta, mostrando primeiro as alterações.</translation>
    </message>
    <message>
        <source>The handset&apos;s phone book changed after it was received, so nothing was sent to it. Sync again.</source>
        <extracomment>String 57402</extracomment>
        <translation>A lista telefónica do terminal mudou depois de ter sido recebida, pelo que nada lhe foi enviado. Sincronize novamente.</translation>
    </message>
</context>
<context>
    <name>SyncPreviewDialog</name>
    <message>
        <source>Sync with the Handset</source>
        <translation>Sincronizar com o terminal</translation>
    </message>
    <message>
        <source>This is the first sync with this handset: its phone book and the computer&apos;s are merged.</source>
        <translation>Esta é a primeira sincronização com este terminal: a lista telefónica dele e a do computador são combinadas.</translation>
    </message>
    <message>
        <source>What changed on the handset and on the computer since the last sync:</source>
        <translation>O que mudou no terminal e no computador desde a última sincronização:</translation>
    </message>
    <message>
        <source>Changes to sync</source>
        <translation>Alterações a sincronizar</translation>
    </message>
    <message>
        <source>No entry was added, changed or deleted on either side.</source>
        <translation>Nenhuma entrada foi adicionada, alterada ou eliminada em nenhum dos lados.</translation>
    </message>
    <message>
        <source>Space includes or leaves out the selected change. On a conflict, Left and Right choose the version to take, and F2 opens the list of versions.</source>
        <translation>A tecla Espaço inclui ou exclui a alteração selecionada. Num conflito, as setas Esquerda e Direita escolhem a versão a usar e F2 abre a lista de versões.</translation>
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
        <translation>O terminal teria de conter %L1 entradas, mas comporta no máximo 100. Para sincronizar, exclua adições ou use uma só versão de um conflito.</translation>
    </message>
    <message>
        <source>The handset will hold %L1 of 100 entries.</source>
        <extracomment>%1: the entries the handset will hold after the sync.</extracomment>
        <translation>O terminal ficará com %L1 de 100 entradas.</translation>
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
        <translation>Computador</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambas</translation>
    </message>
    <message>
        <source>%1 (left out)</source>
        <extracomment>A change of a sync that the person left out: %1 its kind (&quot;added&quot;).</extracomment>
        <translation>%1 (excluída)</translation>
    </message>
    <message>
        <source>%1 (duplicate)</source>
        <extracomment>A change whose entry the merged phone book would hold twice.</extracomment>
        <translation>%1 (duplicada)</translation>
    </message>
    <message>
        <source>Included</source>
        <translation>Incluída</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Excluída</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Incluir</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alteração</translation>
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
        <translation>A lista telefónica combinada também contém %1, com o mesmo número.</translation>
    </message>
    <message>
        <source>The merged phone book also holds %1, under the same name.</source>
        <extracomment>%1: another entry of the merged phone book (&quot;Ana Lima 555 0101&quot;).</extracomment>
        <translation>A lista telefónica combinada também contém %1, com o mesmo nome.</translation>
    </message>
</context>
<context>
    <name>SyncSideDelegate</name>
    <message>
        <source>Version to take</source>
        <translation>Versão a usar</translation>
    </message>
</context>
<context>
    <name>TabPage</name>
    <message>
        <source>An Orvak handset is plugged in, but you may not open it yet.</source>
        <translation>Está ligado um terminal Orvak, mas ainda não tem permissão para o abrir.</translation>
    </message>
    <message>
        <source>Unplug it and plug it in again, so that the udev rule %1 applies to it.</source>
        <translation>Desligue-o e volte a ligá-lo para que a regra udev %1 lhe seja aplicada.</translation>
    </message>
    <message>
        <source>Install the orvak-dialbook package, whose udev rule %1 lets you open it, then unplug the handset and plug it in again.</source>
        <translation>Instale o pacote orvak-dialbook, cuja regra udev %1 lhe permite abri-lo; depois, desligue o terminal e volte a ligá-lo.</translation>
    </message>
    <message>
        <source>To let you open it, install the udev rule from the source tree in a terminal:
%1</source>
        <translation>Para o poder abrir, instale numa consola a regra udev da árvore de código-fonte:
%1</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Orvak web site</source>
        <translation>Site da Orvak</translation>
    </message>
</context>
</TS>
