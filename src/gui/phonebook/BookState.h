#pragma once

#include "core/phonebook/PhonebookEntry.h"
#include "core/transfer/HandsetIdentity.h"

#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// What the phone-book document holds at one moment, kept by an undo step to bring it back.
struct BookState {
    std::vector<PhonebookEntry> entries;
    QList<int> selectedRows;
    std::array<std::uint8_t, 2> sortDescending{};
    // The book as a whole: only New Phonebook, Open, Get and a restore change these (and a
    // replaced book its identity).
    bool bookOpen = false;
    QString filePath;
    HandsetIdentity identity;
};
