#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

class DelimitedFile;

// Turns a vCard file (versions 2.1, 3.0 and 4.0) into the columns the import wizard maps, one
// row per card: "Name" (the given and family names joined by a space, else the formatted name,
// else the organisation), "Phone" (the number to call: the one marked preferred, else the
// mobile number, else the first; never a fax or a pager, so a card of faxes alone has none),
// then the card's other numbers in columns named after their type ("Home Phone", "Work Phone",
// "Cell Phone", "Work Fax Phone", ...; a card's second number of a type goes to "Home Phone 2"),
// so that each number keeps its type. Apple's Contacts writes the type of some numbers in a
// label of their group ("item1.TEL" beside "item1.X-ABLabel:_$!<Mobile>!$_" or "...:Mum"),
// which then stands for the number's type. Phones name any types they like, so after
// kMaxTypedColumns such columns a number of a further type goes to "Other Phone" (the card's
// first such number does), where numbers without a type go too. "Organization" (the first part
// of ORG) and "Categories" (CATEGORIES as written) come with the first card that has them.
//
// Folded lines are unfolded, quoted-printable values decoded (soft line breaks included), and
// CHARSET= honoured; text without a charset is UTF-8 when it is valid UTF-8, else
// Windows-1252. Numbers may be plain or tel: addresses, whose extension follows the number as
// " ext. 102". Each line is looked at once, where it lies or unfolded into one buffer that is
// reused, and each card goes straight into the table, up to DelimitedFile::kMaxRows cards.
class VCardReader {
public:
    static const QString kNameHeader;
    static const QString kPhoneHeader;
    static const QString kOtherPhoneHeader;
    static const QString kOrganizationHeader;
    static const QString kCategoriesHeader;
    static constexpr int kMaxTypedColumns = 16;
    // A card keeps its first numbers, and its first group labels, up to this many each: more
    // than any phone stores for one contact, and more than the columns take already.
    static constexpr int kMaxCardNumbers = 100;
    // The CATEGORIES text of a card kept, at most (beyond it, further lines are left out).
    static constexpr qsizetype kMaxCategoryText = 4096;

    // Adds the cards of `bytes` to `into`, an empty table, as its columns and rows; false when
    // the bytes hold no card at all.
    bool Read(QByteArrayView bytes, DelimitedFile& into);

private:
    // A piece of a card's text.
    struct Piece {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    // A number, its column's label and its group ("item1"; empty when it has none).
    struct Phone {
        Piece number, label, group;
        bool preferred;
        bool mobile;
        // Not a fax or a pager.
        bool voice;
    };
    // The X-ABLabel of a group.
    struct GroupLabel {
        Piece group, label;
    };
    // What a card gives the table, gathered until its end.
    struct Card {
        // The line of its BEGIN.
        int line = 0;
        QByteArray given, family, formatted, organisation, categories;
        std::vector<Phone> phones;
        std::vector<GroupLabel> labels;
        // The pieces of phones and labels.
        QByteArray text;
    };
    // One property's parameters that matter here.
    struct Parameters {
        QByteArrayView charset;
        bool quotedPrintable = false;
        bool preferred = false;
        bool mobile = false;
        bool fax = false;
        bool pager = false;
    };

    // The next line, unfolded; false at the end of the bytes.
    bool NextLine(QByteArrayView& line);
    QByteArrayView NextPhysicalLine();
    // The parameters in `head` (the property's name and parameters); the phone's label goes to
    // m_label when `label` is set.
    Parameters ParseParameters(QByteArrayView head, bool label);
    // One type of a number; its word goes to m_label when `label` is set.
    void TakeType(QByteArrayView type, Parameters& p, bool label);
    // m_label as a column's name: "Home Fax" makes "Home Fax Phone", nothing "Other Phone".
    void FinishLabel();
    bool IsQuotedPrintable(QByteArrayView line);
    // The value as UTF-8, decoded; a view of the line or of a buffer of this reader.
    QByteArrayView DecodeValue(QByteArrayView value, const Parameters& p);
    void Take(QByteArrayView line, DelimitedFile& into);
    void StartCard();
    void EndCard(DelimitedFile& into);
    Piece Store(QByteArrayView text);
    QByteArrayView TextOf(Piece piece) const;
    // Gives the numbers of a group that has an X-ABLabel the label's type.
    void ApplyGroupLabels();
    int PhoneColumn(QByteArrayView label, DelimitedFile& into);
    int OtherColumn(DelimitedFile& into);
    // The count of numbers of `label` the card has given so far, this one included.
    int CountOf(QByteArrayView label);

    QByteArrayView m_bytes;
    qsizetype m_at = 0;
    // The physical lines read, and the line that the last logical line starts on.
    int m_physicalLines = 0;
    int m_lineStart = 0;
    // The table took no more cards.
    bool m_full = false;
    bool m_fileIsUtf8 = true;
    QByteArray m_line;
    QByteArray m_decoded;
    QByteArray m_converted;
    QByteArray m_label;
    QByteArray m_cell;
    QByteArray m_number;
    bool m_inCard = false;
    int m_cards = 0;
    Card m_card;
    QHash<QByteArray, int> m_columnOf;
    std::vector<std::pair<QByteArray, int>> m_seen;
    int m_typedColumns = 0;
    int m_otherColumn = -1;
    int m_organizationColumn = -1;
    int m_categoriesColumn = -1;
};
