// Contacts as people have them, imported: the exports of Google Contacts and of Outlook in each
// of its languages, numbers written to be read rather than dialled, names in any script, and
// files with more contacts than the book has room for.

#include "core/contacts/ContactImport.h"
#include "core/contacts/ContactSelection.h"
#include "core/contacts/DelimitedFile.h"
#include "core/contacts/DialNumber.h"
#include "core/contacts/HeaderWords.h"
#include "core/contacts/ImportFieldMap.h"

#include "core/common/Cp1252.h"
#include "core/common/Transliteration.h"
#include "support/PhonebookHelpers.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <thread>

namespace {

using M = ImportFieldMap;

// Outlook's English export, every column in its order.
const QStringList kOutlookHeaders = {
    "Title", "First Name", "Middle Name", "Last Name", "Suffix", "Company", "Department", "Job Title",
    "Business Street", "Business Street 2", "Business Street 3", "Business City", "Business State",
    "Business Postal Code", "Business Country/Region", "Home Street", "Home Street 2", "Home Street 3", "Home City",
    "Home State", "Home Postal Code", "Home Country/Region", "Other Street", "Other Street 2", "Other Street 3",
    "Other City", "Other State", "Other Postal Code", "Other Country/Region", "Assistant's Phone", "Business Fax",
    "Business Phone", "Business Phone 2", "Callback", "Car Phone", "Company Main Phone", "Home Fax", "Home Phone",
    "Home Phone 2", "ISDN", "Mobile Phone", "Other Fax", "Other Phone", "Pager", "Primary Phone", "Radio Phone",
    "TTY/TDD Phone", "Telex", "Account", "Anniversary", "Assistant's Name", "Billing Information", "Birthday",
    "Business Address PO Box", "Categories", "Children", "Directory Server", "E-mail Address", "E-mail Type",
    "E-mail Display Name", "E-mail 2 Address", "E-mail 2 Type", "E-mail 2 Display Name", "E-mail 3 Address",
    "E-mail 3 Type", "E-mail 3 Display Name", "Gender", "Government ID Number", "Hobby", "Home Address PO Box",
    "Initials", "Internet Free Busy", "Keywords", "Language", "Location", "Manager's Name", "Mileage", "Notes",
    "Office Location", "Organizational ID Number", "Other Address PO Box", "Priority", "Private", "Profession",
    "Referred By", "Sensitivity", "Spouse", "User 1", "User 2", "User 3", "User 4", "Web Page"};

// Google Contacts' export.
const QStringList kGoogleHeaders = {
    "First Name", "Middle Name", "Last Name", "Phonetic First Name", "Phonetic Middle Name", "Phonetic Last Name",
    "Name Prefix", "Name Suffix", "Nickname", "File As", "Organization Name", "Organization Title",
    "Organization Department", "Birthday", "Notes", "Photo", "Labels", "E-mail 1 - Label", "E-mail 1 - Value",
    "Phone 1 - Label", "Phone 1 - Value", "Phone 2 - Label", "Phone 2 - Value"};

QByteArray Quoted(const QString& field)
{
    return '"' + QString(field).replace(u'"', QStringLiteral("\"\"")).toUtf8() + '"';
}

// A line with the given cells under their headers, the rest empty; Outlook quotes every field,
// Google only those that need it.
QByteArray Line(const QStringList& headers, const std::map<QString, QString>& cells, bool quoteAll)
{
    QByteArrayList fields;
    for (const QString& h : headers) {
        const auto found = cells.find(h);
        const QString value = found == cells.end() ? QString() : found->second;
        const bool quote = quoteAll || value.contains(u',') || value.contains(u'"') || value.contains(u'\n');
        fields.append(quote ? Quoted(value) : value.toUtf8());
    }
    return fields.join(',') + "\r\n";
}

QByteArray HeaderLine(const QStringList& headers, bool quoteAll)
{
    QByteArrayList fields;
    for (const QString& h : headers)
        fields.append(quoteAll ? Quoted(h) : h.toUtf8());
    return fields.join(',') + "\r\n";
}

// The header a column has, quotes left out (Outlook writes its headers in quotes).
QString Named(const QStringList& headers, int column)
{
    return column < 0 ? QStringLiteral("(none)") : QString(headers.value(column)).remove(u'"');
}

QStringList Entries(const ContactList& list)
{
    QStringList out;
    for (const ImportedContact& c : list.contacts)
        out.append(Cp1252::ToUnicode(c.name) + u'|' + Cp1252::ToUnicode(c.number));
    return out;
}

class ContactImport : public ::testing::Test {
protected:
    // Reads the file and its contacts under the guessed map, as the import does.
    ContactList ReadGuessed(const char* name, const QByteArray& bytes, const QString& prefix = QStringLiteral("00"))
    {
        const QString path = WriteIn(dir, name, bytes);
        EXPECT_TRUE(file.Read(path)) << file.LastError().toStdString();
        headers = file.Headers();
        ImportOptions options;
        options.map = M::Guess(headers, file.ColumnsWithValues());
        options.internationalPrefix = prefix;
        map = options.map;
        return ReadContacts(file, options);
    }

    QTemporaryDir dir;
    DelimitedFile file;
    QStringList headers;
    ImportFieldMap map;
};

TEST_F(ContactImport, GoogleContactsWithSeveralNumbersInACellLabelsAndOrganisations)
{
    QByteArray csv = HeaderLine(kGoogleHeaders, false);
    // Two mobile numbers in one cell, as Google joins them.
    csv += Line(kGoogleHeaders,
                {{"First Name", "Anna"}, {"Last Name", "Berg"}, {"Labels", "* myContacts ::: Friends"},
                 {"E-mail 1 - Label", "* Other"}, {"E-mail 1 - Value", "anna@example.com"},
                 {"Phone 1 - Label", "Mobile"}, {"Phone 1 - Value", "+44 7700 900123 ::: +44 20 7946 0958"}},
                false);
    // The first number slot empty, the second holding it.
    csv += Line(kGoogleHeaders,
                {{"First Name", "Bo"}, {"Last Name", "Dahl"}, {"Labels", "* myContacts ::: Work ::: Friends"},
                 {"Phone 2 - Label", "Work"}, {"Phone 2 - Value", "555 0101"}},
                false);
    // A business without a person's name.
    csv += Line(kGoogleHeaders,
                {{"Organization Name", "Acme Ltd"}, {"Labels", "* myContacts ::: Work ::: * starred"},
                 {"Phone 1 - Label", "Work"}, {"Phone 1 - Value", "020 7946 0000"}},
                false);
    // Only an address: no name, nothing to name it after.
    csv += Line(kGoogleHeaders,
                {{"Labels", "* myContacts"}, {"E-mail 1 - Label", "* Other"}, {"E-mail 1 - Value", "x@example.com"}},
                false);
    const ContactList list = ReadGuessed("google.csv", csv);

    EXPECT_EQ(Named(headers, map.Column(M::kPhoneNumber)), QStringLiteral("Phone 1 - Value"));
    EXPECT_EQ(Named(headers, map.Column(M::kFirstName)), QStringLiteral("First Name"));
    EXPECT_EQ(Named(headers, map.Column(M::kLastName)), QStringLiteral("Last Name"));
    EXPECT_EQ(Entries(list), QStringList({"Anna Berg|00447700900123", "Bo Dahl|5550101", "Acme Ltd|02079460000"}));
    EXPECT_EQ(list.contacts[0].categories, QStringList({"Friends"}));
    EXPECT_EQ(list.contacts[1].categories, QStringList({"Work", "Friends"}));
    EXPECT_EQ(list.contacts[2].categories, QStringList({"Work"}));
    EXPECT_EQ(list.contacts[2].row, 2);
    EXPECT_EQ(list.categories, QStringList({"Friends", "Work"}));
    EXPECT_EQ(ImportNotes(list),
              QStringList({"1 number came from another column, as the mapped one was empty.",
                           "1 number was rewritten to dial as written (a \"+\" made the international prefix, a "
                           "\"(0)\" dropped, an extension made a pause).",
                           "1 contact had no name and was left out.",
                           "1 contact was named after its organisation."}));
    ContactList broken = list;
    broken.unclosedQuoteLine = 12;
    broken.stoppedAtLine = 100002;
    EXPECT_TRUE(ImportNotes(broken).front().startsWith("Line 12 opens a quoted field that never closes;"));
    EXPECT_TRUE(ImportNotes(broken).value(1).endsWith("only its lines before line 100002 were read."));

    // Google's older export: the whole name first, then its parts; groups in "Group Membership",
    // its own marked with "* ".
    const QStringList old = {"Name", "Given Name", "Additional Name", "Family Name", "Yomi Name", "Given Name Yomi",
                             "Name Prefix", "Name Suffix", "Nickname", "Group Membership", "Phone 1 - Type",
                             "Phone 1 - Value", "Organization 1 - Type", "Organization 1 - Name"};
    QByteArray older = HeaderLine(old, false);
    older += Line(old,
                  {{"Name", "Ann Lee"}, {"Given Name", "Ann"}, {"Family Name", "Lee"},
                   {"Group Membership", "* My Contacts ::: * Friends ::: Choir"}, {"Phone 1 - Type", "Mobile"},
                   {"Phone 1 - Value", "+46 70-123 45 67"}},
                  false);
    older += Line(old, {{"Organization 1 - Type", "Work"}, {"Organization 1 - Name", "Nordic AB"}}, false);
    const ContactList fromOld = ReadGuessed("old.csv", older);
    EXPECT_EQ(Entries(fromOld), QStringList({"Ann Lee|0046701234567", "Nordic AB|"}));
    EXPECT_EQ(fromOld.categories, QStringList({"Choir", "Friends"}));
}

TEST_F(ContactImport, OutlookTakesTheFirstPhoneColumnWithNumbersAndEveryContactGetsOne)
{
    const std::map<QString, QString> always = {{"Priority", "Normal"}, {"Private", "False"}, {"Sensitivity", "Normal"}};
    const auto with = [&](std::map<QString, QString> cells) {
        cells.insert(always.begin(), always.end());
        return Line(kOutlookHeaders, cells, true);
    };
    QByteArray csv = HeaderLine(kOutlookHeaders, true);
    csv += with({{"Title", "Mr."}, {"First Name", "John"}, {"Last Name", "Smith"}, {"Business Phone", "(555) 010-0101"},
                 {"Mobile Phone", "(555) 010-0199"}, {"Categories", "Friends;Work"}, {"Initials", "J.S."}});
    csv += with({{"First Name", "Maria"}, {"Last Name", "Garcia"}, {"Mobile Phone", "+1 555 010 0177"},
                 {"Categories", "Family"}});
    csv += with({{"Company", "Contoso Ltd"}, {"Company Main Phone", "555 010 0000"}, {"Business Fax", "555 010 0009"}});
    csv += with({{"First Name", "Ken"}, {"Home Fax", "555 010 0888"}, {"Home Phone", "555 010 0123"}});
    csv += with({{"First Name", "Ann"}, {"Assistant's Phone", "555 010 0300"}, {"Home Phone", "555 010 0301"}});
    const ContactList list = ReadGuessed("outlook.csv", csv);

    // "Assistant's Phone" comes first, empty for nearly everyone and someone else's number for
    // the rest: the contact's own numbers come before it, mobile first, and a fax never.
    EXPECT_EQ(Named(headers, map.Column(M::kPhoneNumber)), QStringLiteral("Business Phone"));
    EXPECT_EQ(Named(headers, M::Guess(headers).Column(M::kPhoneNumber)), QStringLiteral("Business Phone"))
        << "without the values, the headers alone";
    const std::vector<int> order = M::PhoneOrder(headers, map.Column(M::kPhoneNumber));
    ASSERT_GE(order.size(), 3u);
    EXPECT_EQ(Named(headers, order[1]), QStringLiteral("Mobile Phone"));
    const auto at = [&](const char* name) {
        return std::find_if(order.begin(), order.end(), [&](int c) { return Named(headers, c) == QLatin1String(name); }) -
               order.begin();
    };
    EXPECT_LT(at("Home Phone"), at("Assistant's Phone"));
    EXPECT_LT(at("Other Phone"), at("Company Main Phone"));
    for (int column : order) {
        EXPECT_FALSE(Named(headers, column).contains(QStringLiteral("Fax"))) << column;
        EXPECT_NE(Named(headers, column), QStringLiteral("Pager"));
    }
    // A vCard's pager column is no number to call either.
    EXPECT_EQ(M::PhoneOrder({"Name", "Phone", "Pager Phone", "Home Phone"}, 1), std::vector<int>({1, 3}));

    EXPECT_EQ(Entries(list), QStringList({"John Smith|5550100101", "Maria Garcia|0015550100177",
                                          "Contoso Ltd|5550100000", "Ken|5550100123", "Ann|5550100301"}));
    EXPECT_EQ(list.numbersFromOtherColumn, 4);
    EXPECT_EQ(list.numbersRewritten, 1);
    EXPECT_EQ(list.namesFromOrganisation, 1);
    EXPECT_EQ(list.namesLeftOut, 0);
    EXPECT_EQ(list.contacts[0].categories, QStringList({"Friends", "Work"}));
    EXPECT_EQ(list.categories, QStringList({"Family", "Friends", "Work"}));
}

TEST_F(ContactImport, NumbersDialAsWrittenAndTheChangesAreCounted)
{
    struct Case {
        const char16_t* cell;
        const char* digits;
        bool rewritten;
    };
    const Case cases[] = {
        {u"+49 (0)30 1234-567", "0049301234567", true},
        {u"+44(0)20 7946 0958", "00442079460958", true},
        {u"+49 89 12345678 ext. 12", "00498912345678P12", true},
        {u"555-0100 x23", "5550100P23", true},
        {u"555-0100 X 23", "5550100P23", true},
        {u"020 7946 0000 Ext:4", "02079460000P4", true},
        {u"020 7946 0000 extension 4", "02079460000P4", true},
        {u"0711 123456 Durchwahl 89", "0711123456P89", true},
        {u"0711 123456-DURCHWAHL: 89", "0711123456P89", true},
        {u"(555) 123-4567", "5551234567", false},
        {u"*67#P12p", "*67#P12", false},
        {u"  +44 7700 900123 ::: +44 20 7946 0958 ", "00447700900123", true},
        {u"030 (0) 1234", "03001234", false},
        {u"n/a", "", false},
        {u"+", "", false},
        {u"123456789012345678901234567890123456", "12345678901234567890123456789012", false},
        // As phones and web forms write them: in brackets, inside direction marks, full width.
        {u"(+44) 20 7946 0000", "00442079460000", true},
        {u"\u202a+49 30 1234\u202c", "0049301234", true},
        {u"\uff0b\uff14\uff19 30 1", "0049301", true},
        // Pauses and extensions as phones and vCards write them; digits that are not digits.
        {u"+1 555 0100;ext=12", "0015550100P12", true},
        {u"555 0100p12", "5550100P12", true},
        {u"555 0100w 12", "5550100P12", true},
        {u"\u2460\u2461\u2462", "", false},
        {u"555 \u00bd", "555", false},
        {u"\u0660\u0661\u0662", "012", false},
    };
    for (const Case& c : cases) {
        const DialNumber n = DialNumber::FromCell(QStringView(c.cell));
        EXPECT_EQ(n.digits, c.digits) << QString::fromUtf16(c.cell).toStdString();
        EXPECT_EQ(n.rewritten, c.rewritten) << QString::fromUtf16(c.cell).toStdString();
    }
    EXPECT_EQ(DialNumber::FromCell(u"+1 (555) 010-0199", u"011").digits, "01115550100199");

    // A spreadsheet kept by hand, read for a handset in North America.
    const ContactList list = ReadGuessed("numbers.csv",
                                         "Name,Telephone\r\n"
                                         "Berlin office,+49 (0)30 1234-567\r\n"
                                         "Munich desk,+49 89 12345678 ext. 12\r\n"
                                         "Front desk,(555) 010-0100 x 7\r\n"
                                         "Home,555 010 0123\r\n",
                                         QStringLiteral("011"));
    EXPECT_EQ(Entries(list), QStringList({"Berlin office|01149301234567", "Munich desk|011498912345678P12",
                                          "Front desk|5550100100P7", "Home|5550100123"}));
    EXPECT_EQ(list.numbersRewritten, 3);
    EXPECT_EQ(ImportNotes(list).value(0),
              QStringLiteral("3 numbers were rewritten to dial as written (a \"+\" made the international prefix, "
                             "a \"(0)\" dropped, an extension made a pause)."));
}

TEST_F(ContactImport, NamesInAnyScriptBecomeLettersTheHandsetStores)
{
    const ContactList list = ReadGuessed("names.csv",
                                         "First Name,Last Name,Company,Mobile Phone\r\n"
                                         "Jan,\xC5\x81ukasiewicz,,600 100 200\r\n"                        // Ł
                                         "\xCE\x9D\xCE\xAF\xCE\xBA\xCE\xBF\xCF\x82,\xCE\xA0\xCE\xB1\xCF\x80"
                                         "\xCF\x80\xCE\xAC\xCF\x82,,6971234567\r\n"                     // Νίκος Παππάς
                                         "\xE5\xB0\x8F\xE6\x98\x8E,\xE7\x8E\x8B,,13800138000\r\n"       // 小明 王
                                         "\xD0\x9E\xD0\xBB\xD1\x8C\xD0\xB3\xD0\xB0,\xD0\x9F\xD0\xB5\xD1\x82\xD1\x80"
                                         "\xD0\xBE\xD0\xB2\xD0\xB0,,9161234567\r\n"                     // Ольга Петрова
                                         "Zo\xC3\xAB,Mu\xC3\xB1oz-M\xC3\xBCller,,1\r\n"                  // Zoë Muñoz-Müller
                                         "\xC8\x98tefan,Erd\xC5\x91s,,2\r\n"                            // Ștefan Erdős
                                         ",,Acme GmbH,089 123\r\n"
                                         ",,,0171 555\r\n"
                                         ",Smith,,3\r\n"
                                         ",,,\r\n"
                                         "Ann-Kathrin,Rosenthal-Schneider,,4\r\n"
                                         "B\x07o,,,5\r\n");
    EXPECT_EQ(Entries(list), QStringList({"Jan Lukasiewicz|600100200", "Nikos Pappas|6971234567",
                                          "Xiao Ming Wang|13800138000", "Ol'ga Petrova|9161234567",
                                          QString::fromUtf8("Zo\u00eb Mu\u00f1oz-M\u00fcller|1"), "Stefan Erdos|2",
                                          "Acme GmbH|089123", "Smith|3", "Ann-Kathrin Rose|4", "Bo|5"}));
    EXPECT_EQ(list.namesFromOrganisation, 1);
    EXPECT_EQ(list.namesLeftOut, 1) << "the row of commas alone is no contact";
    EXPECT_EQ(list.droppedCharacters, 1) << "the bell";
    EXPECT_EQ(ImportNotes(list), QStringList({"1 contact had no name and was left out.",
                                              "1 contact was named after its organisation.",
                                              "1 character that the handset cannot store was left out of the imported names."}));

    // Each thread has its own transliterator.
    QString elsewhere;
    std::thread([&] { elsewhere = Transliteration::ToCp1252Letters(u"\u0141\u00f3d\u017a \u0394\u03c1"); }).join();
    EXPECT_EQ(elsewhere, QString::fromUtf8("L\u00f3dz Dr"));
    // What has no letters at all stays, for the caller to drop and count.
    EXPECT_EQ(Transliteration::ToCp1252Letters(u"Bo \U0001F600"), QString::fromUtf16(u"Bo \U0001F600"));
}

// The headers of Outlook's German export: the name's parts, the firm, the numbers and the
// categories, each found by its German words.
TEST_F(ContactImport, GermanOutlookHeaders)
{
    const QStringList h = {"Anrede", "Vorname", "Weitere Vornamen", "Nachname", "Suffix", "Firma", "Abteilung",
                           "Position", "Straße geschäftlich", "Ort geschäftlich", "Postleitzahl geschäftlich",
                           "Telefon Assistent", "Fax geschäftlich", "Telefon geschäftlich", "Telefon geschäftlich 2",
                           "Rückmeldung", "Autotelefon", "Telefon Firma", "Fax privat", "Telefon privat",
                           "Telefon privat 2", "ISDN", "Mobiltelefon", "Weiteres Fax", "Weiteres Telefon", "Pager",
                           "Haupttelefon", "Kategorien", "Name des Assistenten", "E-Mail-Adresse",
                           "E-Mail: Angezeigter Name", "Priorität", "Vertraulichkeit"};
    std::vector<bool> values(static_cast<std::size_t>(h.size()), true);
    values[static_cast<std::size_t>(h.indexOf("Telefon Assistent"))] = false;
    const M m = M::Guess(h, values);
    EXPECT_EQ(h.value(m.Column(M::kFirstName)), "Vorname");
    EXPECT_EQ(h.value(m.Column(M::kLastName)), "Nachname");
    EXPECT_EQ(h.value(m.Column(M::kPhoneNumber)), "Telefon geschäftlich");
    EXPECT_EQ(h.value(M::PhoneOrder(h, m.Column(M::kPhoneNumber)).at(1)), "Mobiltelefon");
    EXPECT_EQ(h.value(M::OrganisationColumn(h)), "Firma");
    EXPECT_EQ(h.value(M::CategoryColumn(h)), "Kategorien");
    EXPECT_EQ(HeaderWords::Classify("Telefon Firma"), HeaderWords::Kind::kPhone);
    EXPECT_EQ(HeaderWords::Classify("Fax privat"), HeaderWords::Kind::kFax);
    EXPECT_EQ(HeaderWords::Classify("Handy"), HeaderWords::Kind::kMobilePhone);
}

// French: "Nom" is the family name, and "Prénom" holds "nom" without being one.
TEST_F(ContactImport, FrenchOutlookHeaders)
{
    const QStringList h = {"Titre", "Prénom", "Deuxième prénom", "Nom", "Suffixe", "Société", "Service", "Titre",
                           "Rue (bureau)", "Ville (bureau)", "Téléphone de l'assistant(e)", "Télécopie (bureau)",
                           "Téléphone (bureau)", "Téléphone 2 (bureau)", "Rappel", "Téléphone (voiture)",
                           "Téléphone société", "Télécopie (domicile)", "Téléphone (domicile)", "RNIS",
                           "Tél. mobile", "Télécopie (autre)", "Téléphone (autre)", "Téléphone principal",
                           "Catégories", "Nom de l'assistant(e)", "Adresse de messagerie"};
    std::vector<bool> values(static_cast<std::size_t>(h.size()), true);
    values[static_cast<std::size_t>(h.indexOf("Téléphone de l'assistant(e)"))] = false;
    const M m = M::Guess(h, values);
    EXPECT_EQ(h.value(m.Column(M::kFirstName)), "Prénom");
    EXPECT_EQ(h.value(m.Column(M::kLastName)), "Nom");
    EXPECT_EQ(h.value(m.Column(M::kPhoneNumber)), "Téléphone (bureau)");
    EXPECT_EQ(h.value(M::PhoneOrder(h, m.Column(M::kPhoneNumber)).at(1)), "Tél. mobile");
    EXPECT_EQ(h.value(M::OrganisationColumn(h)), "Société");
    EXPECT_EQ(h.value(M::CategoryColumn(h)), "Catégories");
    EXPECT_EQ(HeaderWords::Classify("TÉLÉPHONE MOBILE"), HeaderWords::Kind::kMobilePhone);
    EXPECT_EQ(HeaderWords::Classify("Portable"), HeaderWords::Kind::kMobilePhone);
    EXPECT_EQ(HeaderWords::Classify("Téléphone 1 - Étiquette"), HeaderWords::Kind::kPhoneKind);
}

TEST_F(ContactImport, SpanishOutlookHeaders)
{
    const QStringList h = {"Tratamiento", "Nombre", "Segundo nombre", "Apellidos", "Sufijo", "Organización",
                           "Departamento", "Puesto", "Calle del trabajo", "Teléfono del asistente", "Fax del trabajo",
                           "Teléfono del trabajo", "Teléfono del trabajo 2", "Devolución de llamada",
                           "Teléfono del automóvil", "Número de centralita de la organización", "Fax particular",
                           "Particular", "Teléfono particular 2", "RDSI", "Móvil", "Otro fax", "Otro teléfono",
                           "Localizador", "Teléfono principal", "Categorías", "Nombre del asistente"};
    std::vector<bool> values(static_cast<std::size_t>(h.size()), true);
    values[static_cast<std::size_t>(h.indexOf("Teléfono del asistente"))] = false;
    const M m = M::Guess(h, values);
    EXPECT_EQ(h.value(m.Column(M::kFirstName)), "Nombre");
    EXPECT_EQ(h.value(m.Column(M::kLastName)), "Apellidos");
    EXPECT_EQ(h.value(m.Column(M::kPhoneNumber)), "Teléfono del trabajo");
    EXPECT_EQ(h.value(M::PhoneOrder(h, m.Column(M::kPhoneNumber)).at(1)), "Móvil");
    EXPECT_EQ(h.value(M::OrganisationColumn(h)), "Organización");
    EXPECT_EQ(h.value(M::CategoryColumn(h)), "Categorías");
    EXPECT_EQ(HeaderWords::Classify("Teléfono móvil"), HeaderWords::Kind::kMobilePhone);
    EXPECT_EQ(HeaderWords::Classify("Apellido"), HeaderWords::Kind::kLastName);
    EXPECT_EQ(HeaderWords::Classify("Empresa"), HeaderWords::Kind::kOrganisation);
}

// Italian: "Cognome" holds "nome" and is the family name.
TEST_F(ContactImport, ItalianOutlookHeaders)
{
    const QStringList h = {"Titolo", "Nome", "Secondo nome", "Cognome", "Titolo straniero", "Società", "Reparto",
                           "Posizione", "Via (uff.)", "Telefono assistente", "Fax (uff.)", "Ufficio", "Ufficio 2",
                           "Richiamata automatica", "Telefono auto", "Telefono principale società", "Fax (ab.)",
                           "Abitazione", "Abitazione 2", "ISDN", "Cellulare", "Altro fax", "Altro telefono",
                           "Cercapersone", "Telefono principale", "Categorie"};
    std::vector<bool> values(static_cast<std::size_t>(h.size()), true);
    values[static_cast<std::size_t>(h.indexOf("Telefono assistente"))] = false;
    const M m = M::Guess(h, values);
    EXPECT_EQ(h.value(m.Column(M::kFirstName)), "Nome");
    EXPECT_EQ(h.value(m.Column(M::kLastName)), "Cognome");
    EXPECT_EQ(h.value(m.Column(M::kPhoneNumber)), "Ufficio");
    EXPECT_EQ(h.value(M::PhoneOrder(h, m.Column(M::kPhoneNumber)).at(1)), "Cellulare");
    EXPECT_EQ(h.value(M::OrganisationColumn(h)), "Società");
    EXPECT_EQ(h.value(M::CategoryColumn(h)), "Categorie");
    EXPECT_EQ(HeaderWords::Classify("Azienda"), HeaderWords::Kind::kOrganisation);
    EXPECT_EQ(HeaderWords::Classify("Etichetta telefono"), HeaderWords::Kind::kPhoneKind);
}

TEST_F(ContactImport, DutchOutlookHeaders)
{
    const QStringList h = {"Aanspreektitel", "Voornaam", "Middelste naam", "Achternaam", "Achtervoegsel", "Bedrijf",
                           "Afdeling", "Functie", "Telefoon assistent", "Fax op werk", "Telefoon op werk",
                           "Telefoon op werk 2", "Terugbellen", "Autotelefoon", "Hoofdtelefoon bedrijf", "Fax thuis",
                           "Telefoon thuis", "Telefoon thuis 2", "ISDN", "Mobiele telefoon", "Andere fax",
                           "Ander telefoonnummer", "Pager", "Hoofdtelefoon", "Categorieën"};
    std::vector<bool> values(static_cast<std::size_t>(h.size()), true);
    values[static_cast<std::size_t>(h.indexOf("Telefoon assistent"))] = false;
    const M m = M::Guess(h, values);
    EXPECT_EQ(h.value(m.Column(M::kFirstName)), "Voornaam");
    EXPECT_EQ(h.value(m.Column(M::kLastName)), "Achternaam");
    EXPECT_EQ(h.value(m.Column(M::kPhoneNumber)), "Telefoon op werk");
    EXPECT_EQ(h.value(M::PhoneOrder(h, m.Column(M::kPhoneNumber)).at(1)), "Mobiele telefoon");
    EXPECT_EQ(h.value(M::OrganisationColumn(h)), "Bedrijf");
    EXPECT_EQ(h.value(M::CategoryColumn(h)), "Categorieën");
    EXPECT_EQ(HeaderWords::Classify("Organisatie"), HeaderWords::Kind::kOrganisation);
    EXPECT_EQ(HeaderWords::Classify("Telefoon 1 - Soort"), HeaderWords::Kind::kPhoneKind);
}

// Portuguese as Brazil's Outlook writes it, and Portugal's words beside.
TEST_F(ContactImport, PortugueseOutlookHeaders)
{
    const QStringList h = {"Tratamento", "Nome", "Segundo Nome", "Sobrenome", "Sufixo", "Empresa", "Departamento",
                           "Cargo", "Telefone do assistente", "Fax comercial", "Telefone comercial",
                           "Telefone comercial 2", "Retorno de chamada", "Telefone do carro",
                           "Telefone principal da empresa", "Fax residencial", "Telefone residencial",
                           "Telefone residencial 2", "ISDN", "Telefone celular", "Outro fax", "Outro telefone",
                           "Pager", "Telefone principal", "Categorias", "Nome do assistente"};
    std::vector<bool> values(static_cast<std::size_t>(h.size()), true);
    values[static_cast<std::size_t>(h.indexOf("Telefone do assistente"))] = false;
    const M m = M::Guess(h, values);
    EXPECT_EQ(h.value(m.Column(M::kFirstName)), "Nome");
    EXPECT_EQ(h.value(m.Column(M::kLastName)), "Sobrenome");
    EXPECT_EQ(h.value(m.Column(M::kPhoneNumber)), "Telefone comercial");
    EXPECT_EQ(h.value(M::PhoneOrder(h, m.Column(M::kPhoneNumber)).at(1)), "Telefone celular");
    EXPECT_EQ(h.value(M::OrganisationColumn(h)), "Empresa");
    EXPECT_EQ(h.value(M::CategoryColumn(h)), "Categorias");
    const M pt = M::Guess({"Primeiro Nome", "Apelido", "Telemóvel", "Telefone"});
    EXPECT_EQ(pt.Column(M::kFirstName), 0);
    EXPECT_EQ(pt.Column(M::kLastName), 1);
    EXPECT_EQ(pt.Column(M::kPhoneNumber), 2);
}

TEST_F(ContactImport, WhatFitsIsChosenByCategoryOrByHandAndAddedAsChosen)
{
    QByteArray csv = "Name,Phone,Labels\n";
    for (int i = 0; i < 150; ++i)
        csv += "Person " + QByteArray::number(i) + ",555" + QByteArray::number(1000 + i) + "," +
               (i % 2 ? "Work" : "* myContacts ::: Friends ::: Choir") + "\n";
    const ContactList list = ReadGuessed("many.csv", csv);
    ASSERT_EQ(list.contacts.size(), 150u);
    EXPECT_EQ(list.categories, QStringList({"Choir", "Friends", "Work"}));

    ContactSelection s;
    s.Reset(list, 97);
    EXPECT_EQ(s.ChosenCount(), 0) << "too many: the user chooses";
    EXPECT_FALSE(s.Fits());
    s.SetCategory("Friends");
    EXPECT_TRUE(s.Shown(0));
    EXPECT_FALSE(s.Shown(1));
    s.ChooseFirstThatFit();
    EXPECT_EQ(s.ChosenCount(), 75);
    EXPECT_TRUE(s.Fits());
    s.SetCategory(QString());
    s.SetChosen(1, true);
    s.SetChosen(1, true);
    EXPECT_EQ(s.ChosenCount(), 76);
    s.ChooseFirstThatFit();
    EXPECT_EQ(s.ChosenCount(), 97);
    s.SetChosen(97, true);
    EXPECT_FALSE(s.Fits());
    s.SetChosen(0, false);
    const std::vector<int> chosen = s.ChosenIndices();
    ASSERT_EQ(chosen.size(), 97u);
    EXPECT_EQ(chosen.front(), 1);
    EXPECT_EQ(chosen.back(), 97);

    QStringList added;
    const ImportOutcome o = AddContacts(list, chosen, 3, [&](const std::string& name, const std::string&) {
        added.append(QString::fromStdString(name));
    });
    EXPECT_EQ(o.result, Msg::Ok);
    EXPECT_EQ(o.added, 97);
    EXPECT_EQ(added.front(), "Person 1");
    const ImportOutcome refused = AddContacts(list, chosen, 4, [](const std::string&, const std::string&) {});
    EXPECT_EQ(refused.result, Msg::MaxEntriesReached);
    EXPECT_EQ(refused.asked, 97);
    EXPECT_EQ(refused.room, 96);

    // Few enough: all chosen from the start.
    ContactList three;
    three.contacts.resize(3);
    s.Reset(three, 5);
    EXPECT_EQ(s.ChosenCount(), 3);
    EXPECT_TRUE(s.Fits());
    s.ChooseNone();
    EXPECT_FALSE(s.Fits());
}

}  // namespace
