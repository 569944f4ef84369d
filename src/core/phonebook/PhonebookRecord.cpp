#include "core/phonebook/PhonebookRecord.h"

#include "core/phonebook/PhonebookLimits.h"

#include "core/transfer/NameField.h"
#include "core/transfer/PackedNumber.h"
#include "core/transfer/RecordLayouts.h"

#include <algorithm>
#include <string_view>

// A stored record is the sent record behind a 4-byte header tag: the offsets line up.
static_assert(readrecord::kName - readrecord::kHeaderTag == 4 && wirerecord::kName == 0);
static_assert(readrecord::kDigitCount - 4 == wirerecord::kDigitCount && readrecord::kDigits - 4 == wirerecord::kDigits);
static_assert(readrecord::kChoice1 - 4 == wirerecord::kChoice1 && readrecord::kChoice2 - 4 == wirerecord::kChoice2);
static_assert(readrecord::kSize - 4 == wirerecord::kSize);

bool PhonebookRecord::Decode(int position, std::span<const std::uint8_t> record, PhonebookEntry& entry)
{
    if (record.size() < readrecord::kSize)
        return false;
    PackedNumber number;
    number.count = record[readrecord::kDigitCount];
    std::copy_n(record.begin() + readrecord::kDigits, number.codes.size(), number.codes.begin());

    entry.headerTag = ReadEntryTag(record, readrecord::kHeaderTag);
    entry.name = ReadNameField(record.subspan(readrecord::kName, kNameFieldSize));
    entry.number = number.Unpack();
    entry.choice1 = ReadEntryTag(record, readrecord::kChoice1);
    entry.choice2 = ReadEntryTag(record, readrecord::kChoice2);
    entry.sourceIndex = static_cast<std::uint16_t>(position);
    return true;
}

void PhonebookRecord::EncodeBody(std::span<std::uint8_t> body, const PhonebookEntry& entry, const EntryTag& choice1,
                                 const EntryTag& choice2)
{
    WriteNameField(body.subspan(wirerecord::kName, kNameFieldSize), entry.name);
    const PackedNumber number = PackedNumber::Pack(std::string_view(entry.number).substr(0, MAX_NUMBER_LENGTH));
    body[wirerecord::kDigitCount] = number.count;
    std::copy(number.codes.begin(), number.codes.end(), body.begin() + wirerecord::kDigits);
    WriteEntryTag(body, wirerecord::kChoice1, choice1);
    WriteEntryTag(body, wirerecord::kChoice2, choice2);
}
