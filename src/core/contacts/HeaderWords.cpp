#include "core/contacts/HeaderWords.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

namespace {

using HeaderWords::Kind;

enum class Match {
    kWords,  // these words, in this order, anywhere in the header
    kWhole,  // only the whole header
};

struct Entry {
    const char* words;  // lower case, without accents, one space between words
    Kind kind;
    Match match = Match::kWords;
};

// What contact programs write, in English, German, French, Spanish, Italian, Dutch and
// Portuguese: Outlook's exports in each language, Google's (English whatever the language),
// phones' and the vCard reader's own columns.
constexpr std::array kTable = {
    // First names.
    Entry{"first name", Kind::kFirstName},
    Entry{"given name", Kind::kFirstName},
    Entry{"forename", Kind::kFirstName},
    Entry{"vorname", Kind::kFirstName},
    Entry{"vornamen", Kind::kFirstName},
    Entry{"prenom", Kind::kFirstName},
    Entry{"nombre", Kind::kFirstName},
    Entry{"nome", Kind::kFirstName},
    Entry{"primeiro nome", Kind::kFirstName},
    Entry{"voornaam", Kind::kFirstName},
    // Last names. French "Nom" alone is the family name, beside "Prénom".
    Entry{"last name", Kind::kLastName},
    Entry{"family name", Kind::kLastName},
    Entry{"surname", Kind::kLastName},
    Entry{"nachname", Kind::kLastName},
    Entry{"familienname", Kind::kLastName},
    Entry{"nom", Kind::kLastName},
    Entry{"nom de famille", Kind::kLastName},
    Entry{"apellido", Kind::kLastName},
    Entry{"apellidos", Kind::kLastName},
    Entry{"cognome", Kind::kLastName},
    Entry{"achternaam", Kind::kLastName},
    Entry{"apelido", Kind::kLastName},
    Entry{"sobrenome", Kind::kLastName},
    Entry{"ultimo nome", Kind::kLastName},
    // Names that are neither.
    Entry{"name", Kind::kName},
    Entry{"naam", Kind::kName},
    Entry{"full name", Kind::kName},
    Entry{"display name", Kind::kName},
    Entry{"nom complet", Kind::kName, Match::kWhole},
    // Numbers.
    Entry{"phone", Kind::kPhone},
    Entry{"telephone", Kind::kPhone},
    Entry{"tel", Kind::kPhone},
    Entry{"telefon", Kind::kPhone},
    Entry{"telefono", Kind::kPhone},
    Entry{"telefoon", Kind::kPhone},
    Entry{"telefone", Kind::kPhone},
    Entry{"telefoonnummer", Kind::kPhone},
    Entry{"autotelefon", Kind::kPhone},
    Entry{"haupttelefon", Kind::kPhone},
    Entry{"autotelefoon", Kind::kPhone},
    Entry{"hoofdtelefoon", Kind::kPhone},
    Entry{"radiotelephone", Kind::kPhone},
    Entry{"radiotelefono", Kind::kPhone},
    Entry{"radiotelefoon", Kind::kPhone},
    Entry{"radiotelefone", Kind::kPhone},
    Entry{"centralita", Kind::kPhone},
    Entry{"callback", Kind::kPhone, Match::kWhole},
    Entry{"isdn", Kind::kPhone, Match::kWhole},
    Entry{"particular", Kind::kPhone, Match::kWhole},   // Spanish Outlook's home number
    Entry{"particular 2", Kind::kPhone, Match::kWhole},
    Entry{"ufficio", Kind::kPhone, Match::kWhole},      // Italian Outlook's business number
    Entry{"ufficio 2", Kind::kPhone, Match::kWhole},
    Entry{"abitazione", Kind::kPhone, Match::kWhole},   // ... and home number
    Entry{"abitazione 2", Kind::kPhone, Match::kWhole},
    Entry{"mobile", Kind::kMobilePhone},
    Entry{"mobile phone", Kind::kMobilePhone},
    Entry{"cell", Kind::kMobilePhone},
    Entry{"cellular", Kind::kMobilePhone},
    Entry{"cellphone", Kind::kMobilePhone},
    Entry{"handy", Kind::kMobilePhone},
    Entry{"mobil", Kind::kMobilePhone},
    Entry{"mobiltelefon", Kind::kMobilePhone},
    Entry{"telephone mobile", Kind::kMobilePhone},
    Entry{"portable", Kind::kMobilePhone},
    Entry{"movil", Kind::kMobilePhone},
    Entry{"telefono movil", Kind::kMobilePhone},
    Entry{"cellulare", Kind::kMobilePhone},
    Entry{"mobiele", Kind::kMobilePhone},
    Entry{"mobiel", Kind::kMobilePhone},
    Entry{"mobiele telefoon", Kind::kMobilePhone},
    Entry{"telemovel", Kind::kMobilePhone},
    Entry{"celular", Kind::kMobilePhone},
    Entry{"gsm", Kind::kMobilePhone},
    Entry{"fax", Kind::kFax},
    Entry{"telefax", Kind::kFax},
    Entry{"telecopie", Kind::kFax},
    // The kind of a value beside it ("Phone 1 - Type", "Phone 1 - Label").
    Entry{"type", Kind::kPhoneKind},
    Entry{"label", Kind::kPhoneKind},
    Entry{"typ", Kind::kPhoneKind},
    Entry{"etiquette", Kind::kPhoneKind},
    Entry{"tipo", Kind::kPhoneKind},
    Entry{"etichetta", Kind::kPhoneKind},
    Entry{"soort", Kind::kPhoneKind},
    Entry{"rotulo", Kind::kPhoneKind},
    // Organisations.
    Entry{"company", Kind::kOrganisation},
    Entry{"organization", Kind::kOrganisation},
    Entry{"organisation", Kind::kOrganisation},
    Entry{"firma", Kind::kOrganisation},
    Entry{"unternehmen", Kind::kOrganisation},
    Entry{"societe", Kind::kOrganisation},
    Entry{"entreprise", Kind::kOrganisation},
    Entry{"empresa", Kind::kOrganisation},
    Entry{"organizacion", Kind::kOrganisation},
    Entry{"azienda", Kind::kOrganisation},
    Entry{"societa", Kind::kOrganisation},
    Entry{"organizzazione", Kind::kOrganisation},
    Entry{"bedrijf", Kind::kOrganisation},
    Entry{"organisatie", Kind::kOrganisation},
    Entry{"organizacao", Kind::kOrganisation},
    // Categories and groups.
    Entry{"categories", Kind::kCategories},
    Entry{"category", Kind::kCategories},
    Entry{"labels", Kind::kCategories, Match::kWhole},
    Entry{"group membership", Kind::kCategories, Match::kWhole},
    Entry{"kategorien", Kind::kCategories},
    Entry{"kategorie", Kind::kCategories},
    Entry{"categorias", Kind::kCategories},
    Entry{"categoria", Kind::kCategories},
    Entry{"categorie", Kind::kCategories},
    Entry{"categorieen", Kind::kCategories},
};

// When words of several kinds stand in one header, the longest phrase wins, then this order:
// "Phone Name" is a name, "Fax Phone" a fax, "Mobile Phone" a mobile, "Company Main Phone" a
// number.
constexpr std::array kPrecedence = {Kind::kFirstName, Kind::kLastName,     Kind::kName,
                                    Kind::kFax,       Kind::kMobilePhone,  Kind::kPhone,
                                    Kind::kOrganisation, Kind::kCategories};

// The header's words: lower case, accents left out, split at everything that is not a letter
// or a digit ("Téléphone (bureau)" -> téléphone, bureau -> telephone bureau).
QStringList Words(const QString& header)
{
    const QString decomposed = header.normalized(QString::NormalizationForm_D);
    QString plain;
    plain.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        plain += c.isLetterOrNumber() ? c.toLower() : QChar(u' ');
    }
    return plain.split(u' ', Qt::SkipEmptyParts);
}

// The table's entries as words, made once.
const std::vector<QStringList>& Phrases()
{
    static const std::vector<QStringList> phrases = [] {
        std::vector<QStringList> out;
        for (const Entry& e : kTable)
            out.push_back(QString::fromLatin1(e.words).split(u' '));
        return out;
    }();
    return phrases;
}

bool ContainsPhrase(const QStringList& words, const QStringList& phrase)
{
    if (phrase.isEmpty() || phrase.size() > words.size())
        return false;
    for (qsizetype at = 0; at + phrase.size() <= words.size(); ++at)
        if (std::equal(phrase.begin(), phrase.end(), words.begin() + at))
            return true;
    return false;
}

bool IsNumberKind(Kind k)
{
    return k == Kind::kPhone || k == Kind::kMobilePhone || k == Kind::kFax;
}

bool IsNameKind(Kind k)
{
    return k == Kind::kFirstName || k == Kind::kLastName || k == Kind::kName;
}

// The rules the program started with, for English headers that no word above names
// ("Firstname", "Phone1", "Nickname").
Kind EnglishSubstrings(const QString& header)
{
    const QString h = header.toLower();
    const bool name = h.contains(QLatin1String("name"));
    if (h.contains(QLatin1String("first")) && name)
        return Kind::kFirstName;
    if (h.contains(QLatin1String("last")) && name)
        return Kind::kLastName;
    if (name)
        return Kind::kName;
    if (h.contains(QLatin1String("phone")))
        return h.contains(QLatin1String("type")) || h.contains(QLatin1String("label")) ? Kind::kPhoneKind
                                                                                      : Kind::kPhone;
    return Kind::kOther;
}

// Words of the number columns that are someone else's or the company's, in the same languages.
constexpr std::array kSecondaryWords = {
    "assistant",  "assistent", "assistente", "asistente",  "callback",   "ruckmeldung", "rappel",
    "devolucion", "richiamata", "terugbellen", "retorno",  "car",        "auto",        "autotelefon",
    "autotelefoon", "voiture", "automovil",   "carro",     "company",    "firma",       "societe",
    "empresa",    "azienda",   "bedrijf",     "radio",     "radiotelephone", "radiotelefon", "telex",
    "tty",        "tdd",       "isdn",
};

// Pagers take no call; their numbers are never dialled, as a fax's are not.
constexpr std::array kPagerWords = {"pager", "piepser", "funkruf", "buscapersonas", "cercapersone", "pieper", "beeper",
                                    "semafoon"};

}  // namespace

namespace HeaderWords {

bool IsPager(const QString& header)
{
    const QStringList words = Words(header);
    return std::any_of(kPagerWords.begin(), kPagerWords.end(),
                       [&](const char* w) { return words.contains(QLatin1String(w)); });
}

bool IsSecondaryPhone(const QString& header)
{
    const QStringList words = Words(header);
    return std::any_of(kSecondaryWords.begin(), kSecondaryWords.end(),
                       [&](const char* w) { return words.contains(QLatin1String(w)); });
}


// What the words say, before a pager's number is set apart.
Kind ClassifyWords(const QString& header);

Kind Classify(const QString& header)
{
    const Kind kind = ClassifyWords(header);
    if ((kind == Kind::kPhone || kind == Kind::kMobilePhone) && IsPager(header))
        return Kind::kFax;
    return kind;
}

Kind ClassifyWords(const QString& header)
{
    const QStringList words = Words(header);
    const QString whole = words.join(u' ');
    for (const Entry& e : kTable)
        if (whole == QLatin1String(e.words))
            return e.kind;

    struct Found {
        Kind kind;
        qsizetype length;
    };
    std::vector<Found> found;
    const std::vector<QStringList>& phrases = Phrases();
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        if (kTable[i].match == Match::kWords && ContainsPhrase(words, phrases[i]))
            found.push_back({kTable[i].kind, phrases[i].size()});
    }
    const auto any = [&](auto test) {
        return std::any_of(found.begin(), found.end(), [&](const Found& f) { return test(f.kind); });
    };
    const bool number = any(IsNumberKind);
    // "Phone 1 - Type" names what the number beside it is; "E-mail 1 - Type" is not about one.
    if (any([](Kind k) { return k == Kind::kPhoneKind; }))
        return number ? Kind::kPhoneKind : Kind::kOther;
    // "Organization 1 - Name", "Nom de la société": the organisation's name, not a person's.
    if (!number && any([](Kind k) { return k == Kind::kOrganisation; }) && any(IsNameKind))
        return Kind::kOrganisation;
    if (!found.empty()) {
        const auto best = std::min_element(found.begin(), found.end(), [](const Found& a, const Found& b) {
            if (a.length != b.length)
                return a.length > b.length;
            return std::find(kPrecedence.begin(), kPrecedence.end(), a.kind) <
                   std::find(kPrecedence.begin(), kPrecedence.end(), b.kind);
        });
        return best->kind;
    }
    return EnglishSubstrings(header);
}

}  // namespace HeaderWords
