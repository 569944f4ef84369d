#include "core/contacts/VCardReader.h"

#include "core/contacts/ContactText.h"
#include "core/contacts/DelimitedFile.h"

#include "core/common/Cp1252.h"

#include <algorithm>
#include <limits>
#include <new>
#include <string_view>

const QString VCardReader::kNameHeader = QStringLiteral("Name");
const QString VCardReader::kPhoneHeader = QStringLiteral("Phone");
const QString VCardReader::kOtherPhoneHeader = QStringLiteral("Other Phone");
const QString VCardReader::kOrganizationHeader = QStringLiteral("Organization");
const QString VCardReader::kCategoriesHeader = QStringLiteral("Categories");

namespace {

constexpr int kNameColumn = 0;
constexpr int kPhoneColumn = 1;
constexpr char kQuote = '"';
constexpr char kOtherPhone[] = "Other Phone";
// Name, Phone, the typed columns, Other Phone, Organization and Categories.
constexpr int kMaxCellsPerCard = 2 + VCardReader::kMaxTypedColumns + 3;
static_assert(qint64(DelimitedFile::kMaxRows) * kMaxCellsPerCard <= DelimitedFile::kMaxCells,
              "the cards' rows bound their cells");

// Apple's own labels ("_$!<HomeFAX>!$_") that are more than one type or another word for
// one; any other of its labels is the type it names ("_$!<Main>!$_", "_$!<Pager>!$_").
constexpr std::pair<const char*, const char*> kAppleLabelTypes[] = {
    {"Mobile", "cell"}, {"HomeFAX", "home,fax"}, {"WorkFAX", "work,fax"}, {"OtherFAX", "fax"}};
constexpr char kAppleLabelStart[] = "_$!<";
constexpr char kAppleLabelEnd[] = ">!$_";

bool Is(QByteArrayView text, const char* word)
{
    return text.compare(word, Qt::CaseInsensitive) == 0;
}

// The first colon outside quotes, where the value starts; -1 when there is none.
qsizetype ValueColon(QByteArrayView line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == kQuote)
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return i;
    }
    return -1;
}

// Calls `take` with each piece of `text` between separators outside quotes.
template <typename Take>
void ForEachPart(QByteArrayView text, char separator, Take take)
{
    bool quoted = false;
    qsizetype from = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || (text[i] == separator && !quoted)) {
            take(text.sliced(from, i - from));
            from = i + 1;
        } else if (text[i] == kQuote) {
            quoted = !quoted;
        }
    }
}

int Hex(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

void DecodeQuotedPrintable(QByteArrayView in, QByteArray& out)
{
    out.resize(0);
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '=' && i + 2 < in.size() && Hex(in[i + 1]) >= 0 && Hex(in[i + 2]) >= 0) {
            out += static_cast<char>(Hex(in[i + 1]) * 16 + Hex(in[i + 2]));
            i += 2;
        } else {
            out += in[i];
        }
    }
}

// Appends the text without the escapes of 3.0 and 4.0 (commas, semicolons, backslashes and
// line breaks).
void AppendUnescaped(QByteArrayView text, QByteArray& out)
{
    qsizetype from = 0;
    while (true) {
        const qsizetype slash = text.indexOf('\\', from);
        if (slash < 0 || slash + 1 >= text.size()) {
            out.append(text.sliced(from));
            return;
        }
        out.append(text.sliced(from, slash - from));
        const char next = text[slash + 1];
        out += (next == 'n' || next == 'N') ? '\n' : next;
        from = slash + 2;
    }
}

void SetUnescaped(QByteArrayView text, QByteArray& out)
{
    out.resize(0);
    AppendUnescaped(text, out);
}

// The index-th of the components separated by semicolons that no backslash escapes.
QByteArrayView Component(QByteArrayView text, int index)
{
    int n = 0;
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;
        } else if (text[i] == ';') {
            if (n == index)
                return text.sliced(from, i - from);
            ++n;
            from = i + 1;
        }
    }
    return n == index ? text.sliced(from) : QByteArrayView();
}

// The number of a TEL value, plain or a tel: address; a view of the value or of `out`. A tel:
// address's extension follows its number as people write one ("+1-555-555-5555 ext. 102"),
// which the import dials after a pause; its other parameters (phone-context, isub) are no part
// of what is dialled.
QByteArrayView NumberOf(QByteArrayView value, QByteArray& out)
{
    value = value.trimmed();
    if (value.size() < 4 || !Is(value.first(4), "tel:"))
        return value;
    value = value.sliced(4);
    const qsizetype semicolon = value.indexOf(';');
    if (semicolon < 0)
        return value;
    const QByteArrayView number = value.first(semicolon).trimmed();
    QByteArrayView extension;
    ForEachPart(value.sliced(semicolon + 1), ';', [&](QByteArrayView parameter) {
        const qsizetype eq = parameter.indexOf('=');
        if (eq > 0 && extension.isEmpty() && Is(parameter.first(eq).trimmed(), "ext"))
            extension = parameter.sliced(eq + 1).trimmed();
    });
    if (number.isEmpty() || extension.isEmpty())
        return number;
    out.resize(0);
    out.append(number);
    out.append(" ext. ");
    out.append(extension);
    return out;
}

bool IsAscii(QByteArrayView text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

QByteArray Cp1252ToUtf8(QByteArrayView bytes)
{
    return Cp1252::ToUnicode(std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size()))).toUtf8();
}

std::uint32_t Offset(qsizetype n)
{
    if (n > std::numeric_limits<std::uint32_t>::max())
        throw std::bad_alloc();
    return static_cast<std::uint32_t>(n);
}

}  // namespace

QByteArrayView VCardReader::NextPhysicalLine()
{
    const char* const data = m_bytes.data();
    const qsizetype size = m_bytes.size();
    const qsizetype start = m_at;
    ++m_physicalLines;
    qsizetype end = start;
    while (end < size && data[end] != '\n' && data[end] != '\r')
        ++end;
    m_at = end;
    if (m_at < size) {
        if (data[m_at] == '\r' && m_at + 1 < size && data[m_at + 1] == '\n')
            ++m_at;
        ++m_at;
    }
    return m_bytes.sliced(start, end - start);
}

bool VCardReader::NextLine(QByteArrayView& line)
{
    if (m_at >= m_bytes.size())
        return false;
    line = NextPhysicalLine();
    m_lineStart = m_physicalLines;
    bool copied = false;
    int quotedPrintable = -1;  // not known until a line ends with "="
    while (m_at < m_bytes.size()) {
        // A quoted-printable value goes on past a line that ends with "=" (a soft break);
        // any line goes on on a line that starts with a space or a tab (folding).
        bool softBreak = false;
        if (line.endsWith('=')) {
            if (quotedPrintable < 0)
                quotedPrintable = IsQuotedPrintable(line) ? 1 : 0;
            softBreak = quotedPrintable == 1;
        }
        const char next = m_bytes[m_at];
        if (!softBreak && next != ' ' && next != '\t')
            break;
        QByteArrayView more = NextPhysicalLine();
        if (!copied) {
            m_line.resize(0);
            m_line.append(line);
            copied = true;
        }
        if (softBreak)
            m_line.chop(1);
        else
            more = more.sliced(1);
        m_line.append(more);
        line = m_line;
    }
    return true;
}

void VCardReader::TakeType(QByteArrayView type, Parameters& p, bool label)
{
    type = type.trimmed();
    if (type.isEmpty())
        return;
    if (Is(type, "quoted-printable")) {
        p.quotedPrintable = true;
        return;
    }
    if (Is(type, "pref")) {
        p.preferred = true;
        return;
    }
    p.mobile = p.mobile || Is(type, "cell") || Is(type, "mobile");
    p.fax = p.fax || Is(type, "fax");
    p.pager = p.pager || Is(type, "pager");
    if (!label || Is(type, "voice") || Is(type, "internet"))
        return;
    // "HOME,VOICE" and "home" alike make "Home Phone".
    if (!m_label.isEmpty())
        m_label += ' ';
    const qsizetype word = m_label.size();
    for (const char c : type)
        m_label += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (m_label[word] >= 'a' && m_label[word] <= 'z')
        m_label[word] = static_cast<char>(m_label[word] - 'a' + 'A');
}

void VCardReader::FinishLabel()
{
    m_label += m_label.isEmpty() ? QByteArrayView(kOtherPhone) : QByteArrayView(" Phone");
    if (!m_fileIsUtf8 && !ContactText::IsUtf8(m_label))
        m_label = Cp1252ToUtf8(m_label);
}

VCardReader::Parameters VCardReader::ParseParameters(QByteArrayView head, bool label)
{
    Parameters p;
    if (label)
        m_label.resize(0);
    bool name = true;
    ForEachPart(head, ';', [&](QByteArrayView param) {
        if (std::exchange(name, false))
            return;
        param = param.trimmed();
        const qsizetype eq = param.indexOf('=');
        // 2.1 writes a type alone: "TEL;HOME;VOICE:...".
        const QByteArrayView key = eq < 0 ? QByteArrayView("TYPE") : param.first(eq).trimmed();
        QByteArrayView value = eq < 0 ? param : param.sliced(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(kQuote) && value.endsWith(kQuote))
            value = value.sliced(1, value.size() - 2);
        if (Is(key, "ENCODING")) {
            p.quotedPrintable = Is(value, "QUOTED-PRINTABLE");
        } else if (Is(key, "CHARSET")) {
            p.charset = value;
        } else if (Is(key, "PREF")) {
            p.preferred = true;  // 4.0: PREF=1 ... 100
        } else if (Is(key, "TYPE")) {
            qsizetype from = 0;
            for (qsizetype comma; (comma = value.indexOf(',', from)) >= 0; from = comma + 1)
                TakeType(value.sliced(from, comma - from), p, label);
            TakeType(value.sliced(from), p, label);
        }
    });
    if (label)
        FinishLabel();
    return p;
}

bool VCardReader::IsQuotedPrintable(QByteArrayView line)
{
    const qsizetype colon = ValueColon(line);
    return colon >= 0 && ParseParameters(line.first(colon), false).quotedPrintable;
}

QByteArrayView VCardReader::DecodeValue(QByteArrayView value, const Parameters& p)
{
    QByteArrayView raw = value;
    if (p.quotedPrintable) {
        DecodeQuotedPrintable(value, m_decoded);
        raw = m_decoded;
    }
    if (IsAscii(raw))
        return raw;
    // In a file that is UTF-8 throughout, an unencoded value is UTF-8 whatever its CHARSET
    // says: servers that turn a 2.1 card into UTF-8 keep the old CHARSET beside it.
    if (m_fileIsUtf8 && !p.quotedPrintable)
        return raw;
    if (Is(p.charset, "iso-8859-1") || Is(p.charset, "latin1") || Is(p.charset, "us-ascii")) {
        m_converted = QString::fromLatin1(raw).toUtf8();
        return m_converted;
    }
    if (Is(p.charset, "windows-1252") || Is(p.charset, "cp1252")) {
        m_converted = Cp1252ToUtf8(raw);
        return m_converted;
    }
    // Any other charset, or none: a piece of a UTF-8 file is UTF-8 as it is; decoded bytes are
    // when they are valid.
    if ((m_fileIsUtf8 && !p.quotedPrintable) || ContactText::IsUtf8(raw))
        return raw;
    m_converted = Cp1252ToUtf8(raw);
    return m_converted;
}

void VCardReader::StartCard()
{
    m_inCard = true;
    m_card.given.resize(0);
    m_card.family.resize(0);
    m_card.formatted.resize(0);
    m_card.organisation.resize(0);
    m_card.categories.resize(0);
    m_card.phones.clear();
    m_card.labels.clear();
    m_card.text.resize(0);
    m_card.line = m_lineStart;
}

VCardReader::Piece VCardReader::Store(QByteArrayView text)
{
    // The card's numbers, labels and groups share one buffer, which the next card reuses.
    QByteArray& store = m_card.text;
    const std::uint32_t at = Offset(store.size() + text.size()) - static_cast<std::uint32_t>(text.size());
    store.append(text);
    return {at, static_cast<std::uint32_t>(text.size())};
}

QByteArrayView VCardReader::TextOf(Piece piece) const
{
    return QByteArrayView(m_card.text).sliced(piece.offset, piece.length);
}

void VCardReader::Take(QByteArrayView line, DelimitedFile& into)
{
    const qsizetype colon = ValueColon(line);
    if (colon < 0)
        return;
    const QByteArrayView head = line.first(colon);
    const QByteArrayView value = line.sliced(colon + 1);
    const qsizetype semicolon = head.indexOf(';');
    QByteArrayView name = (semicolon < 0 ? head : head.first(semicolon)).trimmed();
    QByteArrayView group;
    if (const qsizetype dot = name.lastIndexOf('.'); dot >= 0) {
        group = name.first(dot);
        name = name.sliced(dot + 1);
    }

    if (Is(name, "BEGIN")) {
        if (Is(value.trimmed(), "VCARD")) {
            if (m_inCard)
                EndCard(into);  // a card without its END
            StartCard();
        }
        return;
    }
    if (!m_inCard)
        return;
    if (Is(name, "END")) {
        EndCard(into);
        return;
    }
    const bool tel = Is(name, "TEL");
    const bool groupLabel = !group.isEmpty() && Is(name, "X-ABLABEL");
    if (!tel && !groupLabel && !Is(name, "N") && !Is(name, "FN") && !Is(name, "ORG") && !Is(name, "CATEGORIES"))
        return;
    if ((tel && m_card.phones.size() >= std::size_t{kMaxCardNumbers}) ||
        (groupLabel && m_card.labels.size() >= std::size_t{kMaxCardNumbers}))
        return;
    const Parameters p = ParseParameters(head, tel);
    const QByteArrayView text = DecodeValue(value, p);
    if (Is(name, "N")) {
        SetUnescaped(Component(text, 0), m_card.family);
        SetUnescaped(Component(text, 1), m_card.given);
    } else if (Is(name, "FN")) {
        SetUnescaped(text, m_card.formatted);
    } else if (Is(name, "ORG")) {
        SetUnescaped(Component(text, 0), m_card.organisation);
    } else if (Is(name, "CATEGORIES")) {
        // A card may list its categories on more than one line; more than a few thousand
        // characters of them is no list anyone chooses from.
        if (m_card.categories.size() < kMaxCategoryText) {
            if (!m_card.categories.isEmpty() && !text.trimmed().isEmpty())
                m_card.categories += ',';
            AppendUnescaped(text.trimmed(), m_card.categories);
        }
    } else if (groupLabel) {
        m_cell.resize(0);
        AppendUnescaped(text.trimmed(), m_cell);
        if (!m_cell.isEmpty())
            m_card.labels.push_back({Store(group), Store(m_cell)});
    } else {
        m_cell.resize(0);
        AppendUnescaped(text, m_cell);
        const QByteArrayView number = NumberOf(m_cell, m_number);
        if (number.isEmpty())
            return;
        m_card.phones.push_back({Store(number), Store(m_label), Store(group), p.preferred, p.mobile, !p.fax && !p.pager});
    }
}

void VCardReader::ApplyGroupLabels()
{
    for (Phone& phone : m_card.phones) {
        if (phone.group.length == 0)
            continue;
        const auto found = std::find_if(m_card.labels.begin(), m_card.labels.end(), [&](const GroupLabel& l) {
            return TextOf(l.group).compare(TextOf(phone.group), Qt::CaseInsensitive) == 0;
        });
        if (found == m_card.labels.end())
            continue;
        QByteArrayView label = TextOf(found->label);
        Parameters p;
        m_label.resize(0);
        if (label.size() >= 8 && label.startsWith(kAppleLabelStart) && label.endsWith(kAppleLabelEnd)) {
            label = label.sliced(4, label.size() - 8);
            const auto known = std::find_if(std::begin(kAppleLabelTypes), std::end(kAppleLabelTypes),
                                            [&](const auto& apple) { return Is(label, apple.first); });
            if (known == std::end(kAppleLabelTypes))
                TakeType(label, p, true);
            else
                ForEachPart(QByteArrayView(known->second), ',', [&](QByteArrayView type) { TakeType(type, p, true); });
        } else {
            // The user's own label names the column as it is written; one that says "Fax" is
            // still a fax.
            TakeType(label, p, false);
            m_label.append(label);
        }
        FinishLabel();
        phone.label = Store(m_label);
        phone.mobile = phone.mobile || p.mobile;
        phone.voice = phone.voice && !p.fax && !p.pager;
    }
}

int VCardReader::OtherColumn(DelimitedFile& into)
{
    if (m_otherColumn < 0)
        m_otherColumn = into.AddColumn(kOtherPhoneHeader.toUtf8());
    return m_otherColumn;
}

int VCardReader::CountOf(QByteArrayView label)
{
    // Only labels that have a column come here, so the list stays short.
    for (auto& [seen, count] : m_seen)
        if (QByteArrayView(seen) == label)
            return ++count;
    m_seen.emplace_back(label.toByteArray(), 1);
    return 1;
}

int VCardReader::PhoneColumn(QByteArrayView label, DelimitedFile& into)
{
    const bool other = label == QByteArrayView(kOtherPhone);
    const QByteArray key = QByteArray::fromRawData(label.data(), label.size());
    if (!other && !m_columnOf.contains(key) && m_typedColumns >= kMaxTypedColumns)
        return OtherColumn(into);
    const int n = CountOf(label);
    if (n == 1 && other)
        return OtherColumn(into);
    const QByteArray name = n == 1 ? key : label.toByteArray() + ' ' + QByteArray::number(n);
    if (const auto found = m_columnOf.constFind(name); found != m_columnOf.constEnd())
        return *found;
    if (m_typedColumns >= kMaxTypedColumns)
        return OtherColumn(into);
    const int column = into.AddColumn(name);
    ++m_typedColumns;
    m_columnOf.insert(QByteArray(name.data(), name.size()), column);
    return column;
}

void VCardReader::EndCard(DelimitedFile& into)
{
    m_inCard = false;
    if (!into.StartRow(m_card.line)) {
        m_full = true;
        return;
    }
    ++m_cards;
    ApplyGroupLabels();
    const Card& c = m_card;
    const QByteArrayView given = QByteArrayView(c.given).trimmed();
    const QByteArrayView family = QByteArrayView(c.family).trimmed();
    const QByteArrayView organisation = QByteArrayView(c.organisation).trimmed();
    m_cell.resize(0);
    if (!given.isEmpty() || !family.isEmpty()) {
        m_cell.append(given);
        if (!given.isEmpty() && !family.isEmpty())
            m_cell += ' ';
        m_cell.append(family);
    } else if (const QByteArrayView formatted = QByteArrayView(c.formatted).trimmed(); !formatted.isEmpty()) {
        m_cell.append(formatted);
    } else {
        m_cell.append(organisation);
    }
    into.AddCell(kNameColumn, m_cell);

    // The main number is one to call: the preferred, else the mobile, else the first. A fax
    // marked preferred is the one to send faxes to, and a pager takes no calls.
    const auto phones = c.phones.begin(), end = c.phones.end();
    auto main = std::find_if(phones, end, [](const Phone& p) { return p.voice && p.preferred; });
    if (main == end)
        main = std::find_if(phones, end, [](const Phone& p) { return p.voice && p.mobile; });
    if (main == end)
        main = std::find_if(phones, end, [](const Phone& p) { return p.voice; });
    if (main != end)
        into.AddCell(kPhoneColumn, TextOf(main->number));
    m_seen.clear();
    for (auto p = phones; p != end; ++p)
        if (p != main)
            into.AddCell(PhoneColumn(TextOf(p->label), into), TextOf(p->number));

    if (!organisation.isEmpty()) {
        if (m_organizationColumn < 0)
            m_organizationColumn = into.AddColumn(kOrganizationHeader.toUtf8());
        into.AddCell(m_organizationColumn, organisation);
    }
    if (const QByteArrayView categories = QByteArrayView(c.categories).trimmed(); !categories.isEmpty()) {
        if (m_categoriesColumn < 0)
            m_categoriesColumn = into.AddColumn(kCategoriesHeader.toUtf8());
        into.AddCell(m_categoriesColumn, categories);
    }
}

bool VCardReader::Read(QByteArrayView bytes, DelimitedFile& into)
{
    m_bytes = ContactText::WithoutBom(bytes);
    m_at = 0;
    m_physicalLines = m_lineStart = 0;
    m_full = false;
    m_fileIsUtf8 = ContactText::IsUtf8(m_bytes);
    m_inCard = false;
    m_cards = 0;
    m_columnOf.clear();
    m_typedColumns = 0;
    m_otherColumn = m_organizationColumn = m_categoriesColumn = -1;
    into.AddColumn(kNameHeader.toUtf8());
    into.AddColumn(kPhoneHeader.toUtf8());

    QByteArrayView line;
    while (!m_full && NextLine(line))
        Take(line, into);
    if (m_inCard && !m_full)
        EndCard(into);
    return m_cards > 0;
}
