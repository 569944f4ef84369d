// The books kept before each send, and the recovery copy: which stay, and who may read them.

#include "support/PhonebookHelpers.h"
#include "support/RecordingProgress.h"
#include "support/SimFixture.h"

#include "core/phonebook/BookFolder.h"
#include "core/phonebook/PhonebookBackups.h"
#include "core/phonebook/PhonebookFile.h"
#include "core/phonebook/PhonebookRecovery.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

namespace {

// The permission bits, as `ls -l` shows them.
unsigned Mode(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// A backup's file name, which says more than a path when a check fails.
std::string Name(const QString& path)
{
    return QFileInfo(path).fileName().toStdString();
}

void SetWritten(const QString& path, const QDateTime& when)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
}

class PhonebookBackupsTest : public SimFixture {
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        QDir(PhonebookBackups::Folder()).removeRecursively();
        handset = &StartHandset();
        handset->AddContact("Ada", "5550001");
        FillBook(book, 2);
    }

    // What a send keeps first.
    QString Backup()
    {
        QString path;
        EXPECT_EQ(PhonebookBackups::Make(&progress, &path), Msg::Ok);
        return path;
    }

    SimHandset* handset = nullptr;
    RecordingProgress progress;
    Phonebook book;
};

TEST_F(PhonebookBackupsTest, AfterTheClockIsSetBackEachSendKeepsItsBackupAndTheFirstWrittenGo)
{
    // Twenty sends while the clock ran a year ahead: the names and the files' times say so.
    const QString folder = PhonebookBackups::Folder();
    const QDateTime ahead = QDateTime::currentDateTime().addYears(1);
    book.SetIdentity(HandsetIdentity::FromBytes(SimConfig{}.identity));
    QStringList future;
    for (int i = 0; i < PhonebookBackups::kKeptPerHandset; ++i) {
        const QDateTime when = ahead.addSecs(60 * i);
        future.append(PhonebookBackups::PathFor(folder, "Orvak Handset", when));
        ASSERT_EQ(PhonebookFile::Save(future.last(), book), Msg::Ok);
        SetWritten(future.last(), when);
    }

    // The clock is set right: the next send's backup is named before all of them, and stays.
    const QString first = Backup();
    ASSERT_TRUE(QFileInfo::exists(first)) << "the file the send reports";
    QStringList list = PhonebookBackups::List();
    ASSERT_EQ(list.size(), PhonebookBackups::kKeptPerHandset);
    EXPECT_EQ(Name(list.constFirst()), Name(first));
    EXPECT_FALSE(QFileInfo::exists(future[0])) << "the first written went";
    EXPECT_EQ(Name(list.constLast()), Name(future[1]));

    // So does the one before it at the next send: from now on the backups of the year ahead go.
    handset->AddContact("Bea", "5550002");
    const QString second = Backup();
    ASSERT_NE(second, first);
    list = PhonebookBackups::List();
    ASSERT_EQ(list.size(), PhonebookBackups::kKeptPerHandset);
    EXPECT_EQ(Name(list[0]), Name(second));
    EXPECT_EQ(Name(list[1]), Name(first));
    EXPECT_FALSE(QFileInfo::exists(future[1]));
    EXPECT_EQ(Name(list.constLast()), Name(future[2]));
    EXPECT_EQ(Name(list[2]), Name(future.constLast()));
}

TEST_F(PhonebookBackupsTest, BackupsAndTheRecoveryCopyAreTheUsersAloneTheUsersBooksAreNot)
{
    // Left by an earlier version, open to everyone's reading.
    const QString backups = PhonebookBackups::Folder();
    const QString state = QFileInfo(PhonebookRecovery::Path()).absolutePath();
    ASSERT_TRUE(QDir().mkpath(state));
    WriteAll(PhonebookRecovery::Path(), "old");
    for (const QString& folder : {backups, state})
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(PhonebookRecovery::Path()).constData(), 0644), 0);

    const QString kept = Backup();
    EXPECT_EQ(Mode(backups), 0700u);
    EXPECT_EQ(Mode(kept), 0600u);
    ASSERT_EQ(PhonebookRecovery::Write(book), Msg::Ok);
    EXPECT_EQ(Mode(state), 0700u);
    EXPECT_EQ(Mode(PhonebookRecovery::Path()), 0600u);
    Phonebook recovered;
    ASSERT_EQ(PhonebookFile::Load(PhonebookRecovery::Path(), recovered), Msg::Ok);
    EXPECT_EQ(recovered.Count(), 2u);

    // Made afresh, they are private from the start.
    QDir(backups).removeRecursively();
    QDir(state).removeRecursively();
    EXPECT_EQ(Mode(QFileInfo(Backup()).absolutePath()), 0700u);
    ASSERT_EQ(PhonebookRecovery::Write(book), Msg::Ok);
    EXPECT_EQ(Mode(state), 0700u);
    EXPECT_EQ(Mode(PhonebookRecovery::Path()), 0600u);

    // A book the user saves, and the folder it goes in, are as any other file the user makes.
    const QString books = DefaultBookFolder();
    QFile plain(books + QStringLiteral("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    ASSERT_TRUE(QDir(books).mkdir(QStringLiteral("plain folder")));
    ASSERT_EQ(PhonebookFile::Save(books + QStringLiteral("Mine.opbk"), book), Msg::Ok);
    EXPECT_EQ(Mode(books + QStringLiteral("Mine.opbk")), Mode(plain.fileName()));
    EXPECT_EQ(Mode(books), Mode(books + QStringLiteral("plain folder")));
    plain.remove();
    QDir(books).rmdir(QStringLiteral("plain folder"));
}

// Handsets that kept the maker's name share it, not their backups; and a send tried again (or
// cancelled before it cleared the handset) keeps no second copy of the same book, so that tries
// do not push the older books out.
TEST_F(PhonebookBackupsTest, EachHandsetKeepsItsOwnAndTriesDoNotPushTheOlderBooksOut)
{
    const QString folder = PhonebookBackups::Folder();
    Phonebook other;
    FillBook(other, 3);
    other.SetIdentity({0xCAFE, 0x42});
    const QDateTime earlier = QDateTime::currentDateTime().addDays(-1);
    QStringList others;
    for (int i = 0; i < PhonebookBackups::kKeptPerHandset; ++i) {
        others.append(PhonebookBackups::PathFor(folder, "Orvak Handset", earlier.addSecs(i)));
        ASSERT_EQ(PhonebookFile::Save(others.last(), other), Msg::Ok);
        SetWritten(others.last(), earlier.addSecs(i));
    }
    const QString first = Backup();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Backup(), first) << "the same book again";
    handset->AddContact("Bea", "5550002");
    const QString second = Backup();
    EXPECT_NE(second, first);
    for (int i = 0; i < 30; ++i) {
        handset->AddContact("More " + std::to_string(i), "555");
        Backup();
    }
    EXPECT_EQ(PhonebookBackups::List().size(), 2 * PhonebookBackups::kKeptPerHandset);
    for (const QString& path : others)
        EXPECT_TRUE(QFileInfo::exists(path)) << "the other handset's " << Name(path);
}

}  // namespace
