#pragma once

#include "core/transfer/HandsetIdentity.h"
#include "core/phonebook/PhonebookEntry.h"
#include "core/phonebook/PhonebookTransferBase.h"

#include <QFileDevice>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A phone book: an ordered list of entries and the identity of the handset it came from. It
// also moves itself between the handset and the program, and to and from "opbk" files.
class PhonebookTransfer : public PhonebookTransferBase {
public:
    std::size_t Count() const { return m_entries.size(); }
    // False when i is out of range.
    bool CopyEntry(std::size_t i, PhonebookEntry& out) const;
    PhonebookEntry* Entry(std::size_t i);
    void Append(std::unique_ptr<PhonebookEntry> entry);
    bool Remove(std::size_t i);
    // Every entry and the identity.
    void Clear();

    void ClearIdentity() { m_identity = {}; }
    void SetIdentity(const HandsetIdentity& identity) { m_identity = identity; }
    const HandsetIdentity& Identity() const { return m_identity; }

    // Fills `entry` from a 45-byte phone-book record. False (and `entry` untouched) when the
    // record is shorter than that.
    static bool DecodeRecord(int position, std::span<const std::uint8_t> record, PhonebookEntry& entry);

    // Replaces the contents with the handset's phone book; empty again on any failure.
    Msg ReceivePhonebook();
    // Writes the entries to the handset after clearing its phone book. Leaves the entries
    // unchanged.
    Msg SendPhonebook();
    // After a send: whether the handset's phone book had been cleared, and how many entries
    // reached it since. A send that stops after the clear leaves the handset with only those.
    bool HandsetCleared() const { return m_handsetCleared; }
    std::size_t EntriesSent() const { return m_entriesSent; }
    // The name of the handset of the last receive (8-bit text).
    const std::string& HandsetName() const { return m_handsetName; }

    // Msg::Ok, Msg::NoMemory or Msg::FileWriteFailed. The file is replaced as a whole or not at all,
    // with `permissions` when given (see WriteFileAtomically).
    Msg SaveToFile(const QString& path, std::optional<QFileDevice::Permissions> permissions = std::nullopt) const;
    // Msg::Ok, Msg::NoMemory or Msg::FileReadFailed. Cleared first, so a failed load leaves an empty phone book.
    Msg LoadFromFile(const QString& path);
    // The same from the file's bytes.
    Msg LoadFromBytes(std::span<const std::uint8_t> bytes);

    // Fills the part a sent record and a stored record share (name, number, choices): the 41
    // bytes of a record for the handset, or bytes 4..44 of a record as files keep them.
    static void EncodeRecordBody(std::span<std::uint8_t> body, const PhonebookEntry& entry, const EntryTag& choice1,
                                 const EntryTag& choice2);

private:
    Msg FailReceive(Msg result);

    std::vector<std::unique_ptr<PhonebookEntry>> m_entries;
    HandsetIdentity m_identity;
    std::string m_handsetName;
    bool m_handsetCleared = false;
    std::size_t m_entriesSent = 0;
};
