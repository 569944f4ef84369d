#pragma once

#include "core/phonebook/Phonebook.h"

class SimHandset;

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <string>
#include <vector>
#include <utility>

inline PhonebookEntry MakeEntry(std::string name, std::string number)
{
    PhonebookEntry e;
    e.name = std::move(name);
    e.number = std::move(number);
    return e;
}

// A book of n entries named "Name 1" ... with numbers "5550001" ...
inline void FillBook(Phonebook& book, int n)
{
    for (int i = 1; i <= n; ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "555%04d", i);
        book.Append(MakeEntry("Name " + std::to_string(i), number));
    }
}

QByteArray ReadAll(const QString& path);
void WriteAll(const QString& path, const QByteArray& bytes);
// Writes `bytes` as `name` in `dir`; the file's path.
QString WriteIn(const QTemporaryDir& dir, const char* name, const QByteArray& bytes);

// The simulated handset holds `entries`, as if edited on it (by way of a file in `dir`); its
// identity stays.
void LoadIntoHandset(SimHandset& handset, const std::vector<PhonebookEntry>& entries, const QTemporaryDir& dir);
// What the simulated handset holds, decoded.
std::vector<PhonebookEntry> HandsetEntries(const SimHandset& handset);
// The entry named `name`; a failure of the test when there is none.
const PhonebookEntry& Named(const std::vector<PhonebookEntry>& entries, const std::string& name);
