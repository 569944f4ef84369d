#include "support/PhonebookHelpers.h"

#include "core/phonebook/PhonebookFile.h"
#include "core/phonebook/PhonebookRecord.h"
#include "sim/SimHandset.h"

#include <QFile>

#include <gtest/gtest.h>

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QString WriteIn(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    WriteAll(path, bytes);
    return path;
}

void LoadIntoHandset(SimHandset& handset, const std::vector<PhonebookEntry>& entries, const QTemporaryDir& dir)
{
    Phonebook book;
    for (const PhonebookEntry& e : entries)
        book.Append(e);
    const QString path = dir.filePath(QStringLiteral("handset.opbk"));
    ASSERT_EQ(PhonebookFile::Save(path, book), Msg::Ok);
    std::string error;
    ASSERT_TRUE(handset.LoadPhonebook(path.toStdString(), &error, true)) << error;
}

std::vector<PhonebookEntry> HandsetEntries(const SimHandset& handset)
{
    std::vector<PhonebookEntry> entries;
    const auto records = handset.Phonebook();
    for (std::size_t i = 0; i < records.size(); ++i) {
        PhonebookEntry e;
        PhonebookRecord::Decode(static_cast<int>(i), records[i], e);
        entries.push_back(e);
    }
    return entries;
}

const PhonebookEntry& Named(const std::vector<PhonebookEntry>& entries, const std::string& name)
{
    static const PhonebookEntry none;
    for (const PhonebookEntry& e : entries)
        if (e.name == name)
            return e;
    ADD_FAILURE() << "no entry " << name;
    return none;
}
