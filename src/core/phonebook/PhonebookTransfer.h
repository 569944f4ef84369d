#pragma once

#include "core/transfer/BaseDataTransfer.h"
#include "core/transfer/HandsetIdentity.h"

#include <cstddef>
#include <string>

class Phonebook;

// Moves a phone book between the handset and the program: the handset's book received into a
// Phonebook, or a Phonebook sent to replace the handset's.
class PhonebookTransfer : public BaseDataTransfer {
public:
    // Replaces the contents of `into` with the handset's phone book and identity; `into` is
    // empty, with no identity, again on any failure.
    Msg ReceivePhonebook(Phonebook& into);
    // Writes the entries of `book` to the handset after clearing its phone book.
    Msg SendPhonebook(const Phonebook& book);
    // After a send: whether the handset's phone book was (or may have been) cleared, and how
    // many entries reached it since. A send that stops after the clear leaves the handset with
    // only those, and maybe the one under way when it stopped.
    bool HandsetCleared() const { return m_handsetCleared; }
    std::size_t EntriesSent() const { return m_entriesSent; }
    // The name of the handset of the last receive (8-bit text).
    const std::string& HandsetName() const { return m_handsetName; }
    // The identity of the handset the last send went to, once it was read.
    const HandsetIdentity& SentTo() const { return m_sentTo; }

private:
    std::string m_handsetName;
    HandsetIdentity m_sentTo;
    bool m_handsetCleared = false;
    std::size_t m_entriesSent = 0;
};
