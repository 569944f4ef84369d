#include "core/contacts/ImportFieldMap.h"

#include "core/contacts/HeaderWords.h"

#include <QCoreApplication>

#include <algorithm>

Msg ImportFieldMap::Assign(int target, int column)
{
    if (target < kPhoneNumber || target > kLastName)
        return Msg::MapIndexOutOfRange;
    if (column < 0 || column > kMaxColumn)
        return Msg::VariableIndexOutOfRange;
    auto& slot = m_columns[static_cast<std::size_t>(target)];
    if (slot != kNone)
        return Msg::IndexAlreadyAssigned;
    slot = static_cast<std::uint8_t>(column);
    return Msg::Ok;
}

Msg ImportFieldMap::Clear(int target)
{
    if (target < kPhoneNumber || target > kLastName)
        return Msg::MapIndexOutOfRange;
    m_columns[static_cast<std::size_t>(target)] = kNone;
    return Msg::Ok;
}

int ImportFieldMap::Column(int target) const
{
    if (target < kPhoneNumber || target > kLastName)
        return -1;
    const std::uint8_t c = m_columns[static_cast<std::size_t>(target)];
    return c == kNone ? -1 : c;
}

bool ImportFieldMap::Empty() const
{
    return m_columns[0] == kNone && m_columns[1] == kNone && m_columns[2] == kNone;
}

int ImportFieldMap::TargetOf(int column) const
{
    for (int t = kPhoneNumber; t <= kLastName; ++t)
        if (Column(t) == column)
            return t;
    return kNotImported;
}

namespace {

using HeaderWords::Kind;

// The labels of the targets, in one place: the mapping list, the Change Map dialog, the
// command line.
struct TargetLabels {
    const char* list;
    const char* choice;
    const char* commandLine;
};

constexpr std::array<TargetLabels, 3> kLabels = {{
    {QT_TRANSLATE_NOOP("ImportFieldMap", "Orvak Phone Number"), QT_TRANSLATE_NOOP("ImportFieldMap", "Orvak Phone Number"),
     "phone"},
    {QT_TRANSLATE_NOOP("ImportFieldMap", "Orvak Name (First)"),
     QT_TRANSLATE_NOOP("ImportFieldMap", "Orvak Contact Name (First Part)"), "first"},
    {QT_TRANSLATE_NOOP("ImportFieldMap", "Orvak Name (Last)"),
     QT_TRANSLATE_NOOP("ImportFieldMap", "Orvak Contact Name (Last Part)"), "last"},
}};

bool IsPhoneKind(Kind k)
{
    return k == Kind::kPhone || k == Kind::kMobilePhone;
}

int FirstOfKind(const QStringList& headers, Kind kind)
{
    for (qsizetype i = 0; i < headers.size() && i <= ImportFieldMap::kMaxColumn; ++i)
        if (HeaderWords::Classify(headers[i]) == kind)
            return static_cast<int>(i);
    return -1;
}

}  // namespace

ImportFieldMap::Target ImportFieldMap::Classify(const QString& header)
{
    switch (HeaderWords::Classify(header)) {
    case Kind::kFirstName:
    case Kind::kName: return kFirstName;
    case Kind::kLastName: return kLastName;
    case Kind::kPhone:
    case Kind::kMobilePhone: return kPhoneNumber;
    default: return kNotImported;
    }
}

ImportFieldMap ImportFieldMap::Guess(const QStringList& headers, const std::vector<bool>& withValues)
{
    const qsizetype count = std::min<qsizetype>(headers.size(), kMaxColumn + 1);
    std::vector<Kind> kinds;
    for (qsizetype i = 0; i < count; ++i)
        kinds.push_back(HeaderWords::Classify(headers[i]));
    const auto has = [&](qsizetype i) { return withValues.empty() || (i < qsizetype(withValues.size()) && withValues[i]); };
    const bool anyPhoneWithValues = [&] {
        for (qsizetype i = 0; i < count; ++i)
            if (IsPhoneKind(kinds[i]) && has(i))
                return true;
        return false;
    }();
    const bool splitName = std::find(kinds.begin(), kinds.end(), Kind::kFirstName) != kinds.end() &&
                           std::find(kinds.begin(), kinds.end(), Kind::kLastName) != kinds.end();

    // The number: the first phone column with values that is the contact's own, else the
    // first with values at all, else the first. Outlook writes "Assistant's Phone" first, empty
    // for nearly everyone and someone else's number for the rest.
    int phone = -1;
    for (int pass = 0; pass < 3 && phone < 0; ++pass) {
        for (qsizetype i = 0; i < count && phone < 0; ++i) {
            if (!IsPhoneKind(kinds[i]))
                continue;
            if ((pass == 0 && has(i) && !HeaderWords::IsSecondaryPhone(headers[i])) || (pass == 1 && has(i)) ||
                (pass == 2 && !anyPhoneWithValues))
                phone = static_cast<int>(i);
        }
    }
    ImportFieldMap map;
    if (phone >= 0)
        map.Assign(kPhoneNumber, phone);
    for (qsizetype i = 0; i < count; ++i) {
        const Kind k = kinds[i];
        const int column = static_cast<int>(i);
        if (k == Kind::kFirstName || (k == Kind::kName && !splitName))
            map.Assign(kFirstName, column);  // a later column of a kind taken stays out
        else if (k == Kind::kLastName)
            map.Assign(kLastName, column);
    }
    return map;
}

std::vector<int> ImportFieldMap::PhoneOrder(const QStringList& headers, int first)
{
    // Mobile numbers first, then the contact's other own numbers, then those that are rarely
    // theirs, each in file order.
    std::array<std::vector<int>, 3> ranks;
    for (qsizetype i = 0; i < headers.size(); ++i) {
        const int column = static_cast<int>(i);
        const Kind k = HeaderWords::Classify(headers[i]);
        if (column == first || !IsPhoneKind(k))
            continue;
        const bool secondary = HeaderWords::IsSecondaryPhone(headers[i]);
        ranks[secondary ? 2 : k == Kind::kMobilePhone ? 0 : 1].push_back(column);
    }
    std::vector<int> order;
    if (first >= 0)
        order.push_back(first);
    for (const std::vector<int>& rank : ranks)
        order.insert(order.end(), rank.begin(), rank.end());
    return order;
}

int ImportFieldMap::OrganisationColumn(const QStringList& headers)
{
    return FirstOfKind(headers, Kind::kOrganisation);
}

int ImportFieldMap::CategoryColumn(const QStringList& headers)
{
    return FirstOfKind(headers, Kind::kCategories);
}

QString ImportFieldMap::Label(int target)
{
    if (target < kPhoneNumber || target > kLastName)
        return QStringLiteral(" ");
    return QCoreApplication::translate("ImportFieldMap", kLabels[static_cast<std::size_t>(target)].list);
}

QString ImportFieldMap::ChoiceLabel(int target)
{
    if (target < kPhoneNumber || target > kLastName)
        return {};
    return QCoreApplication::translate("ImportFieldMap", kLabels[static_cast<std::size_t>(target)].choice);
}

QString ImportFieldMap::CommandLineName(int target)
{
    if (target < kPhoneNumber || target > kLastName)
        return {};
    return QString::fromLatin1(kLabels[static_cast<std::size_t>(target)].commandLine);
}
