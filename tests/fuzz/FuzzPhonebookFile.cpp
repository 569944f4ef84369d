// Phone-book files and handset records of any shape: a load either succeeds with a consistent
// book or fails with an empty one, and never reads past the bytes it was given.

#include "core/phonebook/Phonebook.h"
#include "core/phonebook/PhonebookFile.h"
#include "core/phonebook/PhonebookRecord.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    Phonebook book;
    const Msg m = PhonebookFile::LoadFromBytes(bytes, book);
    if (m != Msg::Ok && (book.Count() != 0 || !(book.Identity() == HandsetIdentity{})))
        __builtin_trap();
    for (std::size_t i = 0; i < book.Count(); ++i)
        if (book.Entry(i)->name.size() > 16 || book.Entry(i)->number.size() > 32)
            __builtin_trap();

    // The same bytes as one record from the handset, cut to every length up to a whole one.
    PhonebookEntry entry;
    const bool decoded = PhonebookRecord::Decode(0, bytes.first(std::min<std::size_t>(size, 45)), entry);
    if (decoded != (size >= 45))
        __builtin_trap();
    return 0;
}
