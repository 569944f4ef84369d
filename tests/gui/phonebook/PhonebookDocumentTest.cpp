// The phone-book document on its own, with no window: what the page shows and the sync replaces.

#include "support/PhonebookHelpers.h"

#include "core/phonebook/PhonebookFile.h"
#include "core/phonebook/PhonebookRecovery.h"
#include "gui/phonebook/PhonebookDocument.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

Names NamesOf(const Phonebook& book)
{
    Names names;
    for (std::size_t i = 0; i < book.Count(); ++i)
        names.push_back(book.Entry(i)->name);
    return names;
}

HandsetIdentity Handset(std::uint32_t serial)
{
    return {serial, 0x1234};
}

// Open a file, edit it, undo and redo, save; replace the whole book as the sync does, save it
// to its file and undo that; the changed flag and the recovery copy follow every step.
TEST(PhonebookDocument, OpenEditSaveAndReplaceTheBookAsOneStep)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.opbk"));
    Phonebook file;
    file.Append(MakeEntry("Zed", "3"));
    file.Append(MakeEntry("Ann", "1"));
    file.SetIdentity(Handset(1));
    ASSERT_EQ(PhonebookFile::Save(path, file), Msg::Ok);

    PhonebookDocument doc;
    QSignalSpy modified(&doc, &PhonebookDocument::modifiedChanged);
    doc.EnableRecovery();
    ASSERT_EQ(doc.Open(path), Msg::Ok);
    EXPECT_EQ(NamesOf(doc.Book()), (Names{"Ann", "Zed"})) << "sorted by name";
    EXPECT_EQ(doc.FilePath(), path);
    EXPECT_EQ(doc.SelectedRows(), QList<int>{0});
    EXPECT_FALSE(doc.Modified());
    EXPECT_FALSE(PhonebookRecovery::Exists());

    // Keys typed into one field merge into one step; the first change is kept at once.
    doc.SelectRows({1});
    doc.EditField(1, PhonebookListModel::kNameColumn, "Ze");
    doc.EditField(1, PhonebookListModel::kNameColumn, "Zoe");
    EXPECT_TRUE(doc.Modified());
    EXPECT_TRUE(PhonebookRecovery::Exists());
    doc.Undo();
    EXPECT_EQ(NamesOf(doc.Book()), (Names{"Ann", "Zed"}));
    EXPECT_FALSE(doc.Modified());
    EXPECT_FALSE(PhonebookRecovery::Exists()) << "unchanged again, nothing to recover";
    doc.Redo();
    EXPECT_EQ(doc.SelectedRows(), QList<int>{1}) << "the step shows its row";
    ASSERT_EQ(doc.Save(), Msg::Ok);
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(modified.count(), 4);

    Phonebook merged;
    merged.Append(MakeEntry("Bea", "2"));
    merged.Append(MakeEntry("Ann", "1"));
    merged.Append(MakeEntry("Zoe", "3"));
    merged.SetIdentity(Handset(2));
    doc.ReplaceBook(merged, QStringLiteral("Sync"));
    EXPECT_EQ(doc.History().UndoText(), QStringLiteral("Sync"));
    EXPECT_EQ(NamesOf(doc.Book()), (Names{"Bea", "Ann", "Zoe"})) << "in the merged order";
    EXPECT_EQ(doc.Identity(), Handset(2));
    EXPECT_TRUE(doc.Modified());
    ASSERT_EQ(doc.Save(), Msg::Ok);
    Phonebook saved;
    ASSERT_EQ(PhonebookFile::Load(path, saved), Msg::Ok);
    EXPECT_EQ(NamesOf(saved), (Names{"Bea", "Ann", "Zoe"}));
    EXPECT_EQ(saved.Identity(), Handset(2));

    doc.Undo();
    EXPECT_EQ(NamesOf(doc.Book()), (Names{"Ann", "Zoe"}));
    EXPECT_EQ(doc.Identity(), Handset(1));
    EXPECT_EQ(doc.FilePath(), path);
    EXPECT_TRUE(doc.Modified()) << "the file holds the replaced book";
    doc.Redo();
    EXPECT_FALSE(doc.Modified());
    doc.EndRecovery();
    EXPECT_FALSE(PhonebookRecovery::Exists());
}

// With no book open, a replaced book is a new one with no file; a document dropped with changes
// leaves its copy, which another restores as one step.
TEST(PhonebookDocument, AReplacedBookWithNoFileIsKeptAndRestored)
{
    Phonebook merged;
    FillBook(merged, 3);
    {
        PhonebookDocument doc;
        doc.EnableRecovery();
        doc.ReplaceBook(merged, QStringLiteral("Sync"));
        EXPECT_TRUE(doc.BookOpen());
        EXPECT_TRUE(doc.FilePath().isEmpty());
        EXPECT_TRUE(doc.Modified()) << "never saved";
        EXPECT_EQ(doc.Save(), Msg::Ok) << "no file: nothing written";
        doc.SelectRows({2});
        doc.DeleteSelected();
        doc.Undo();
        doc.Undo();
        EXPECT_FALSE(doc.BookOpen());
        doc.Redo();
    }  // no close, as after a crash: the last change is kept

    PhonebookDocument again;
    ASSERT_EQ(again.RestoreRecovery(), Msg::Ok);
    EXPECT_EQ(NamesOf(again.Book()), NamesOf(merged));
    EXPECT_TRUE(again.Modified());
    again.Undo();
    EXPECT_FALSE(again.BookOpen());
    PhonebookDocument::DiscardRecovery();
    EXPECT_FALSE(PhonebookDocument::RecoveryExists());
}

}  // namespace
