#include "core/contacts/ImportFieldMap.h"

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

ImportFieldMap::Target ImportFieldMap::Classify(const QString& header)
{
    const QString h = header.toLower();
    const bool name = h.contains(QLatin1String("name"));
    if (h.contains(QLatin1String("first")) && name)
        return kFirstName;
    if (h.contains(QLatin1String("last")) && name)
        return kLastName;
    if (name)
        return kFirstName;
    // "Phone 1 - Type" or "Phone 1 - Label" beside "Phone 1 - Value": the kind of number, not one.
    if (h.contains(QLatin1String("phone")) && !h.contains(QLatin1String("type")) && !h.contains(QLatin1String("label")))
        return kPhoneNumber;
    return kNotImported;
}

ImportFieldMap ImportFieldMap::Guess(const QStringList& headers)
{
    ImportFieldMap map;
    for (qsizetype i = 0; i < headers.size() && i <= kMaxColumn; ++i) {
        const Target target = Classify(headers[i]);
        if (target != kNotImported)
            map.Assign(target, static_cast<int>(i));  // a later column of a kind taken stays out
    }
    return map;
}

QString ImportFieldMap::Label(int target)
{
    switch (target) {
    case kPhoneNumber: return QStringLiteral("Orvak Phone Number");
    case kFirstName: return QStringLiteral("Orvak Name (First)");
    case kLastName: return QStringLiteral("Orvak Name (Last)");
    default: return QStringLiteral(" ");
    }
}
