#include "core/phonebook/PhonebookDuplicates.h"

namespace {

bool IsLeftOutOfDialling(char c)
{
    return c == ' ' || c == '-' || c == '.' || c == '(' || c == ')' || c == '/';
}

bool IsOuterSpace(char c)
{
    return c == ' ' || c == '\t';
}

// Windows-1252 lower case: ASCII, the Latin-1 block (but the multiplication sign), and the four
// letters Windows-1252 adds in 0x80-0x9F (Š Œ Ž Ÿ).
char LowerCp1252(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z')
        return static_cast<char>(u + ('a' - 'A'));
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7)
        return static_cast<char>(u + 0x20);
    switch (u) {
    case 0x8A: return static_cast<char>(0x9A);
    case 0x8C: return static_cast<char>(0x9C);
    case 0x8E: return static_cast<char>(0x9E);
    case 0x9F: return static_cast<char>(0xFF);
    default: return c;
    }
}

} // namespace

std::string PhonebookDuplicates::NumberKey(std::string_view number)
{
    std::string key;
    key.reserve(number.size());
    for (const char c : number) {
        if (!IsLeftOutOfDialling(c))
            key.push_back(c);
    }
    return key;
}

std::string PhonebookDuplicates::NameKey(std::string_view name)
{
    while (!name.empty() && IsOuterSpace(name.front()))
        name.remove_prefix(1);
    while (!name.empty() && IsOuterSpace(name.back()))
        name.remove_suffix(1);
    std::string key;
    key.reserve(name.size());
    for (const char c : name)
        key.push_back(LowerCp1252(c));
    return key;
}

std::vector<std::pair<std::size_t, std::size_t>> PhonebookDuplicates::Pairs(const std::vector<PhonebookEntry>& entries)
{
    std::vector<std::string> names;
    std::vector<std::string> numbers;
    names.reserve(entries.size());
    numbers.reserve(entries.size());
    for (const PhonebookEntry& e : entries) {
        names.push_back(NameKey(e.name));
        numbers.push_back(NumberKey(e.number));
    }
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        for (std::size_t j = i + 1; j < entries.size(); ++j) {
            const bool sameNumber = !numbers[i].empty() && numbers[i] == numbers[j];
            const bool sameName = !names[i].empty() && names[i] == names[j];
            if (sameNumber || sameName)
                pairs.emplace_back(i, j);
        }
    }
    return pairs;
}
