#pragma once

#include "core/common/FileFailure.h"
#include "core/common/Msg.h"

#include <QFileDevice>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

class Phonebook;

// The phone-book file, "opbk": a header with the book's identity and entry count, then one
// record per entry as the handset sends them (PhonebookFileLayout.h has the layout).
class PhonebookFile {
public:
    // Msg::Ok, Msg::NoMemory or Msg::FileWriteFailed. The file is replaced as a whole or not at
    // all, with `permissions` when given (see WriteFileAtomically). On a failed write `failure`,
    // when given, says why.
    static Msg Save(const QString& path, const Phonebook& book,
                    std::optional<QFileDevice::Permissions> permissions = std::nullopt,
                    FileFailure* failure = nullptr);
    // Msg::Ok, Msg::NoMemory or Msg::FileReadFailed. `into` is cleared first, so a failed load
    // leaves it empty with no identity. On Msg::FileReadFailed `failure`, when given, says why.
    static Msg Load(const QString& path, Phonebook& into, FileFailure* failure = nullptr);
    // The same from the file's bytes.
    static Msg LoadFromBytes(std::span<const std::uint8_t> bytes, Phonebook& into);

    // How many records the file in `bytes` holds, or nothing when the bytes are not a phone-book
    // file: what a load accepts, for those that take the records as they are.
    static std::optional<std::size_t> RecordCount(std::span<const std::uint8_t> bytes);
    // What is wrong with `bytes` as a phone-book file: Cause::None when a load accepts them.
    static FileFailure::Cause Flaw(std::span<const std::uint8_t> bytes);
};
