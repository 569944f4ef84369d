#pragma once

#include "core/common/Msg.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

// Which column of a contacts file goes to which part of a phone-book entry: one byte per
// target, the column's index (0 ... 254) or 255 for none.
class ImportFieldMap {
public:
    enum Target { kPhoneNumber = 0, kFirstName = 1, kLastName = 2, kNotImported = 3 };
    static constexpr std::uint8_t kNone = 255;
    static constexpr int kMaxColumn = 254;

    void Reset() { m_columns.fill(kNone); }
    // Msg::MapIndexOutOfRange, Msg::VariableIndexOutOfRange or Msg::IndexAlreadyAssigned when it
    // cannot be done.
    Msg Assign(int target, int column);
    Msg Clear(int target);
    // The column of a target, or -1.
    int Column(int target) const;
    bool Empty() const;
    // The target a column holds, or kNotImported.
    int TargetOf(int column) const;

    // The target a column's header suggests (HeaderWords::Classify): a first or last name, a
    // name that is neither (the first part), a number or mobile number (the phone number).
    static Target Classify(const QString& header);
    // The guessed map of a file's headers: each header classified in file order, the first
    // column of each kind winning, except that a file with both a first-name and a last-name
    // column takes those two for the name (Google's older export puts the whole name first,
    // then the given and the family name). With `withValues` (one flag per column), a phone
    // column empty in every row is not taken while another phone column has values.
    static ImportFieldMap Guess(const QStringList& headers, const std::vector<bool>& withValues = {});
    // The order numbers are looked for in: `first` (when not -1), then the file's other
    // phone-number columns, mobile ones first, then the rest in file order. Never a column
    // that names a number's type or label, nor a fax.
    static std::vector<int> PhoneOrder(const QStringList& headers, int first);
    // The column holding a contact's organisation (a name for a row without one), or -1.
    static int OrganisationColumn(const QStringList& headers);
    // The column holding a contact's categories or labels, or -1.
    static int CategoryColumn(const QStringList& headers);
    // The label of a target in the mapping list ("Orvak Phone Number"), in the Change Map
    // dialog ("Orvak Contact Name (First Part)") and on the command line ("phone").
    static QString Label(int target);
    static QString ChoiceLabel(int target);
    static QString CommandLineName(int target);

private:
    std::array<std::uint8_t, 3> m_columns{kNone, kNone, kNone};
};
