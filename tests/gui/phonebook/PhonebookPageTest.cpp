// The phone-book page, offscreen, with the simulated handset and scripted dialogs.

#include "support/PhonebookHelpers.h"
#include "support/ScriptedPrompts.h"
#include "support/SimFixture.h"

#include "gui/shell/PictureButton.h"
#include "gui/shell/PictureIds.h"
#include "core/common/StringTable.h"
#include "gui/phonebook/PhoneNumberEdit.h"
#include "gui/phonebook/PhonebookPage.h"
#include "core/phonebook/PhonebookBackups.h"
#include "core/phonebook/PhonebookFile.h"
#include "core/phonebook/PhonebookRecord.h"
#include "core/phonebook/PhonebookRecovery.h"
#include "core/phonebook/PhonebookSend.h"
#include "gui/contacts/ImportExportChoices.h"
#include "gui/phonebook/PhonebookHistory.h"
#include "gui/phonebook/SyncPreviewDialog.h"
#include "gui/phonebook/SyncPreviewModel.h"
#include "core/phonebook/SyncBases.h"
#include "core/transfer/ProtocolCodes.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>

namespace {

using Answer = UserPrompts::Answer;

// Types text, any characters at all, as a keyboard would.
void Type(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}
using Page = PhonebookPage;

// Runs `act` on the dialog of type T once it is the modal one (a progress window may come first).
template <typename T>
void WhenShown(std::function<void(T*)> act)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            act(dialog);
        }
    });
    poll->start(5);
}

class PhonebookPageTest : public SimFixture {
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        page = MakePage();
    }
    static std::unique_ptr<PhonebookPage> MakePage()
    {
        auto p = std::make_unique<PhonebookPage>();
        p->SetBackgroundBitmapId(picture::kPhonebookBackground);
        p->resize(638, 435 + StatusBar::PaneHeight());
        p->SetUpUi();
        p->show();
        return p;
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (int row = 0; row < page->Model().Count(); ++row)
            names.push_back(page->Model().Entry(row).name);
        return names;
    }
    void TearDown() override
    {
        page.reset();
        SimFixture::TearDown();
    }

    SimHandset& Handset(int contacts = 0, int pace = 0)
    {
        SimConfig c;
        c.pace = pace;
        SimHandset& h = StartHandset(c);
        for (int i = 0; i < contacts; ++i)
            h.AddContact("Contact " + std::to_string(i), "555" + std::to_string(1000 + i));
        std::uint16_t product = 0;
        HandsetLink::FindHandset(product, true);
        page->CheckHandset();
        return h;
    }

    bool Enabled(int id) const { return page->Button(id)->isEnabled(); }
    QString Name(int row) const { return page->Model().data(page->Model().index(row, 0), Qt::DisplayRole).toString(); }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    ScriptedPrompts prompts;
    QTemporaryDir dir;
    std::unique_ptr<PhonebookPage> page;
};

TEST_F(PhonebookPageTest, ButtonsInTheClosedSavedAndChangedStates)
{
    // Closed, no handset: Open and New Phonebook only.
    for (int id : {Page::kOpen, Page::kNewPhonebook})
        EXPECT_TRUE(Enabled(id)) << id;
    for (int id : {Page::kReceive, Page::kSend, Page::kSave, Page::kSelectAll, Page::kDeselectAll, Page::kDelete,
                   Page::kNewEntry, Page::kImportExport})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_FALSE(page->NameEdit()->isEnabled());

    Handset();
    EXPECT_TRUE(Enabled(Page::kReceive));
    EXPECT_FALSE(Enabled(Page::kSend));

    page->OnNewPhonebook();  // Saved
    EXPECT_TRUE(page->BookOpen());
    EXPECT_FALSE(page->Modified());
    for (int id : {Page::kSave, Page::kSelectAll, Page::kDeselectAll, Page::kDelete, Page::kNewEntry,
                   Page::kImportExport, Page::kSend, Page::kReceive})
        EXPECT_TRUE(Enabled(id)) << id;

    page->OnNewEntry();  // Changed
    EXPECT_TRUE(page->Modified());
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(PhonebookPageTest, NewEntriesUpToAHundred)
{
    page->OnNewPhonebook();
    for (int i = 0; i < 99; ++i)
        page->AddEntry("n", "1");
    page->OnNewEntry();
    ASSERT_EQ(page->Model().Count(), 100);
    EXPECT_EQ(page->SelectedRows(), QList<int>{99});
    EXPECT_TRUE(page->NameEdit()->isEnabled());
    EXPECT_TRUE(page->NameEdit()->text().isEmpty());
    EXPECT_TRUE(page->NameEdit()->hasFocus() || !QApplication::activeWindow());
    page->OnNewEntry();
    EXPECT_EQ(page->Model().Count(), 100);
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0], LoadString(Msg::MaxEntriesReached));
}

TEST_F(PhonebookPageTest, EditingTheSelectedRow)
{
    page->OnNewPhonebook();
    page->AddEntry("Bob", "1");
    page->AddEntry("Eve", "2");
    EXPECT_TRUE(page->Modified());
    // Fresh book for the rest: equal texts must not mark it changed.
    page->SelectRows({0});
    EXPECT_EQ(page->NameEdit()->text(), QStringLiteral("Bob"));
    QTest::keyClicks(page->NameEdit(), QStringLiteral("by"));
    EXPECT_EQ(Name(0), QStringLiteral("Bobby"));
    EXPECT_EQ(page->Model().Entry(0).name, "Bobby");

    // Two selected: both edits off, text kept. None: off and empty.
    page->SelectRows({0, 1});
    EXPECT_FALSE(page->NameEdit()->isEnabled());
    EXPECT_EQ(page->NameEdit()->text(), QStringLiteral("Bobby"));
    page->OnDeselectAll();
    EXPECT_FALSE(page->NumberEdit()->isEnabled());
    EXPECT_TRUE(page->NameEdit()->text().isEmpty());

    // The name edit writes what the handset cannot store in letters it can (Ł as L, Ω as O),
    // refuses what has no such letters (an emoji), and counts 16 characters.
    page->SelectRows({1});
    page->NameEdit()->clear();
    Type(page->NameEdit(), QStringLiteral(u"Zoë Łu Ω\U0001F600 12345678901234"));
    EXPECT_EQ(page->NameEdit()->text(), QStringLiteral(u"Zoë Lu O 1234567"));
    EXPECT_EQ(page->Model().Entry(1).name, std::string("Zo\xEB Lu O 1234567"));
    // A name pasted in Greek letters, with the cursor after its first word.
    page->NameEdit()->clear();
    page->NameEdit()->insert(QStringLiteral(u"Ελένη"));
    page->NameEdit()->setCursorPosition(0);
    page->NameEdit()->insert(QStringLiteral(u"Δρ "));
    EXPECT_EQ(page->NameEdit()->text(), QStringLiteral(u"Dr Elene"));
    EXPECT_EQ(page->NameEdit()->cursorPosition(), 3);
}

TEST_F(PhonebookPageTest, UndoAndRedoCoverEveryKindOfStepAndTheChangedFlagFollows)
{
    using V = std::vector<std::string>;
    Phonebook two;
    FillBook(two, 2);
    ASSERT_EQ(PhonebookFile::Save(Path("two.opbk"), two), Msg::Ok);
    page->LoadOrReceive(Path("two.opbk"));
    ASSERT_EQ(Names(), (V{"Name 1", "Name 2"}));

    // The keys typed into one field are one step; typing the old text back leaves none.
    page->SelectRows({0});
    QTest::keyClicks(page->NameEdit(), QStringLiteral("xy"));
    EXPECT_TRUE(page->Modified());
    page->Undo();
    EXPECT_EQ(Names(), (V{"Name 1", "Name 2"}));
    EXPECT_EQ(page->NameEdit()->text(), QStringLiteral("Name 1"));
    EXPECT_FALSE(page->Modified()) << "back to the file as opened";
    page->Redo();
    EXPECT_EQ(Names()[0], "Name 1xy");
    EXPECT_EQ(page->NameEdit()->text(), QStringLiteral("Name 1xy"));
    QTest::keyClick(page->NameEdit(), Qt::Key_Backspace);
    QTest::keyClick(page->NameEdit(), Qt::Key_Backspace);
    EXPECT_FALSE(page->Modified());
    EXPECT_FALSE(page->History().CanRedo()) << "a new step drops the steps undone";

    // The page's Ctrl+Z and Ctrl+Shift+Z, not the field's own undo, even from inside the field.
    page->SelectRows({1});
    QTest::keyClicks(page->NumberEdit(), QStringLiteral("9"));
    page->SelectRows({0});
    QTest::keyClicks(page->NameEdit(), QStringLiteral("!"));
    page->window()->activateWindow();
    if (QTest::qWaitForWindowActive(page.get())) {
        QTest::keyClick(page->NameEdit(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(page->NameEdit(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(page->Model().Entry(1).number, "5550002");
        EXPECT_EQ(page->SelectedRows(), QList<int>{1}) << "an undone edit shows its row";
        QTest::keyClick(page->List(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(page->Model().Entry(1).number, "55500029");
        page->Undo();
    } else {
        page->Undo();
        page->Undo();
    }
    EXPECT_EQ(Names(), (V{"Name 1", "Name 2"}));
    EXPECT_FALSE(page->Modified());

    // New, Delete Selected, a sort and a whole import: a step each.
    page->OnNewEntry();
    page->OnSelectAll();
    page->OnDelete();
    EXPECT_EQ(page->Model().Count(), 0);
    page->Undo();
    EXPECT_EQ(Names(), (V{"Name 1", "Name 2", ""}));
    EXPECT_EQ(page->SelectedRows(), (QList<int>{0, 1, 2}));
    page->Undo();
    EXPECT_EQ(Names(), (V{"Name 1", "Name 2"}));
    EXPECT_FALSE(page->Modified());
    page->OnSort(PhonebookListModel::kNameColumn);
    EXPECT_EQ(Names(), (V{"Name 2", "Name 1"}));
    EXPECT_FALSE(page->Modified()) << "a sort alone changes nothing a file keeps";
    WriteAll(Path("in.csv"), "name,phone\nAnn,1\nBea,2\nCid,3\n");
    ImportExportChoices import;
    import.importFile = Path("in.csv");
    import.importOptions.map = ImportFieldMap::Guess({"name", "phone"});
    ASSERT_EQ(page->FinishImportExport(import).added, 3);
    EXPECT_TRUE(page->Modified());
    EXPECT_EQ(page->UndoButton()->toolTip(), QStringLiteral("Undo Import"));
    page->Undo();
    EXPECT_EQ(Names(), (V{"Name 2", "Name 1"}));
    page->Undo();
    EXPECT_EQ(Names(), (V{"Name 1", "Name 2"}));
    page->Redo();
    page->Redo();
    EXPECT_EQ(page->Model().Count(), 5);

    // Saved, then undone: changed against the file just written; redone: unchanged again.
    prompts.files = {Path("five.opbk")};
    ASSERT_EQ(page->SaveBook(), Msg::Ok);
    EXPECT_FALSE(page->Modified());
    page->Undo();
    EXPECT_TRUE(page->Modified());
    page->Redo();
    EXPECT_FALSE(page->Modified());

    // New Phonebook is one step that brings the saved book back, still unchanged, with its file.
    page->OnNewPhonebook();
    EXPECT_EQ(page->Model().Count(), 0);
    page->Undo();
    EXPECT_EQ(page->Model().Count(), 5);
    EXPECT_EQ(page->FilePath(), Path("five.opbk"));
    EXPECT_FALSE(page->Modified());
    // A Get too; a change to the received book and back is undone with the book.
    Handset(4);
    page->OnReceive();
    ASSERT_EQ(page->Model().Count(), 4);
    page->AddEntry("Extra", "1");
    page->Undo();
    EXPECT_FALSE(page->Modified()) << "as received";
    page->Undo();
    EXPECT_EQ(page->Model().Count(), 5);
    EXPECT_EQ(page->FilePath(), Path("five.opbk"));
    EXPECT_FALSE(page->Modified());
    page->Undo();
    EXPECT_TRUE(page->Modified()) << "before the save";
    EXPECT_TRUE(prompts.asked.isEmpty()) << prompts.asked.join(u'|').toStdString();
}

TEST_F(PhonebookPageTest, AKilledPageLeavesARecoveryCopyThatANewPageRestoresByteForByte)
{
    page->EnableRecovery();
    page->OnNewPhonebook();
    EXPECT_FALSE(PhonebookRecovery::Exists()) << "nothing to recover";
    page->AddEntry("Zed", "2");
    ASSERT_TRUE(PhonebookRecovery::Exists()) << "the first change is kept at once";
    page->AddEntry("Ann", "1");
    page->SelectRows({1});
    QTest::keyClicks(page->NameEdit(), QStringLiteral("ie"));  // within the second: kept later
    page->Undo();
    page->Redo();
    page.reset();  // no close, as after a crash

    const QByteArray kept = ReadAll(PhonebookRecovery::Path());
    page = MakePage();
    prompts.answers = {Answer::Yes};
    ASSERT_TRUE(page->OfferRecovery());
    EXPECT_EQ(prompts.asked, QStringList{Page::RestoreQuestion()});
    EXPECT_EQ(Names(), (std::vector<std::string>{"Zed", "Annie"})) << "in the order the window had";
    EXPECT_TRUE(page->Modified());
    EXPECT_TRUE(page->FilePath().isEmpty());
    prompts.files = {Path("restored.opbk")};
    ASSERT_EQ(page->SaveBook(), Msg::Ok);
    EXPECT_EQ(ReadAll(Path("restored.opbk")), kept);
    EXPECT_FALSE(PhonebookRecovery::Exists()) << "saved, nothing left to recover";

    // Changed again: kept again. No to the question on closing removes it.
    page->OnNewEntry();
    for (int i = 0; i < 100 && !PhonebookRecovery::Exists(); ++i)
        QTest::qWait(50);  // at most one copy a second
    EXPECT_TRUE(PhonebookRecovery::Exists());
    prompts.answers = {Answer::No};
    EXPECT_TRUE(page->OnClose());
    EXPECT_FALSE(PhonebookRecovery::Exists());

    // No to the offer deletes the copy; a broken copy is said and deleted.
    WriteAll(PhonebookRecovery::Path(), kept);
    page = MakePage();
    prompts.answers = {Answer::No};
    EXPECT_FALSE(page->OfferRecovery());
    EXPECT_FALSE(page->BookOpen());
    EXPECT_FALSE(PhonebookRecovery::Exists());
    WriteAll(PhonebookRecovery::Path(), kept.left(7));
    prompts.answers = {Answer::Yes};
    prompts.asked.clear();
    EXPECT_FALSE(page->OfferRecovery());
    EXPECT_EQ(prompts.asked.size(), 2) << "the question, then why it failed";
    EXPECT_FALSE(PhonebookRecovery::Exists());
}

TEST_F(PhonebookPageTest, ReselectingDoesNotMarkTheBookChanged)
{
    Phonebook book;
    FillBook(book, 3);
    ASSERT_EQ(PhonebookFile::Save(Path("three.opbk"), book), Msg::Ok);
    page->LoadOrReceive(Path("three.opbk"));
    EXPECT_FALSE(page->Modified());
    page->SelectRows({2});
    page->SelectRows({0});
    EXPECT_FALSE(page->Modified());
    page->OnDelete();
    EXPECT_TRUE(page->Modified());
    EXPECT_EQ(page->Model().Count(), 2);

    page->LoadOrReceive(Path("three.opbk"));
    page->OnDeselectAll();
    page->OnDelete();
    EXPECT_FALSE(page->Modified()) << "nothing selected, nothing deleted";
    page->OnSelectAll();
    EXPECT_EQ(page->SelectedRows().size(), 3);
    page->OnDelete();
    EXPECT_EQ(page->Model().Count(), 0);
}

TEST_F(PhonebookPageTest, SortingIsBytewiseAndEachColumnKeepsItsDirection)
{
    Phonebook book;
    book.Append(MakeEntry("bob", "3"));
    book.Append(MakeEntry("alice", "1"));
    book.Append(MakeEntry("Alice", "2"));
    ASSERT_EQ(PhonebookFile::Save(Path("s.opbk"), book), Msg::Ok);
    page->LoadOrReceive(Path("s.opbk"));
    EXPECT_EQ(QStringList({Name(0), Name(1), Name(2)}), QStringList({"Alice", "alice", "bob"}));
    EXPECT_EQ(page->SelectedRows(), QList<int>{0});
    EXPECT_EQ(page->NameEdit()->text(), QStringLiteral("Alice"));

    page->OnSort(1);  // first click after a load: descending
    EXPECT_EQ(page->Model().Entry(0).number, "3");
    page->OnSort(1);
    EXPECT_EQ(page->Model().Entry(0).number, "1");
    page->OnSort(0);  // the name column keeps its own direction: descending now
    EXPECT_EQ(Name(0), QStringLiteral("bob"));
    page->OnSort(5);
    EXPECT_EQ(Name(0), QStringLiteral("bob"));
}

// The list's menu and Ctrl+D select each entry that repeats one above it (the number as dialled,
// the name in any case), so that Delete Selected leaves one of each; undone as one step.
TEST_F(PhonebookPageTest, SelectDuplicatesLeavesTheFirstOfEachForDeleteSelected)
{
    page->OnNewPhonebook();
    page->AddEntry("Ann", "030 555-1234");
    page->AddEntry("Bob", "2");
    page->AddEntry("ann ", "9");
    page->AddEntry("Cid", "0305551234");
    page->AddEntry("", "");
    page->AddEntry("", "");
    QAction* select = page->SelectDuplicatesAction();
    EXPECT_TRUE(page->List()->actions().contains(select)) << "in the list's menu";
    EXPECT_EQ(select->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
    page->List()->setFocus();
    page->window()->activateWindow();
    if (QTest::qWaitForWindowActive(page.get()))
        QTest::keyClick(page->List(), Qt::Key_D, Qt::ControlModifier);
    else
        select->trigger();
    EXPECT_EQ(page->SelectedRows(), (QList<int>{2, 3}));
    EXPECT_EQ(page->StatusPane().PaneText(0), QStringLiteral("2 duplicate entries selected."));

    page->OnDelete();
    EXPECT_EQ(Names(), (std::vector<std::string>{"Ann", "Bob", "", ""}));
    select->trigger();
    EXPECT_TRUE(page->SelectedRows().isEmpty());
    EXPECT_EQ(page->StatusPane().PaneText(0), QStringLiteral("No duplicate entries found."));
    page->Undo();
    EXPECT_EQ(page->Model().Count(), 6);
}

TEST(PhoneNumberEdit, LetsThroughOnlyDialCharacters)
{
    PhoneNumberEdit edit;
    edit.setMaxLength(32);
    edit.show();
    QTest::keyClicks(&edit, QStringLiteral("555-1234"));
    EXPECT_EQ(edit.text(), QStringLiteral("5551234"));
    edit.clear();
    QTest::keyClicks(&edit, QStringLiteral("(0)pP*#"));
    EXPECT_EQ(edit.text(), QStringLiteral("0P*#"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), QStringLiteral("0P*"));
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.text(), QStringLiteral("P*"));

    // Ctrl+V does nothing; pasting through Shift+Insert is not filtered.
    QApplication::clipboard()->setText(QStringLiteral("(555) 12"));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("P*"));
    edit.paste();
    EXPECT_EQ(edit.text(), QStringLiteral("(555) 12P*"));

    edit.setText(QString(32, u'1'));
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClicks(&edit, QStringLiteral("2"));
    EXPECT_EQ(edit.text().size(), 32);
}

TEST_F(PhonebookPageTest, AYesWhoseSaveIsCancelledKeepsTheChanges)
{
    page->OnNewPhonebook();
    page->AddEntry("Keep", "1");
    prompts.answers = {Answer::Yes};
    prompts.files = {QString()};  // the save dialog is cancelled
    page->OnNewPhonebook();
    EXPECT_EQ(prompts.asked.value(0), Page::SaveChangesQuestion());
    EXPECT_EQ(page->Model().Count(), 1);
    EXPECT_TRUE(page->Modified());

    // Cancel to the question keeps it too; No throws the changes away.
    prompts.answers = {Answer::Cancel};
    page->OnNewPhonebook();
    EXPECT_EQ(page->Model().Count(), 1);
    prompts.answers = {Answer::No};
    page->OnNewPhonebook();
    EXPECT_EQ(page->Model().Count(), 0);
}

TEST_F(PhonebookPageTest, AFailedSaveLeavesTheBookChangedAndTheOldFileWhole)
{
    page->OnNewPhonebook();
    page->AddEntry("A", "1");
    prompts.files = {Path("book.opbk")};
    ASSERT_EQ(page->SaveBook(), Msg::Ok);
    EXPECT_FALSE(page->Modified());
    EXPECT_EQ(page->FilePath(), Path("book.opbk"));
    const QByteArray before = ReadAll(Path("book.opbk"));

    page->AddEntry("B", "2");
    prompts.files = {Path("missing/book.opbk")};
    EXPECT_EQ(page->SaveBook(), Msg::FileWriteFailed);
    EXPECT_TRUE(page->Modified());
    EXPECT_TRUE(page->BookOpen());
    EXPECT_EQ(page->Model().Count(), 2);
    EXPECT_EQ(prompts.asked.last(), LoadString(Msg::FileWriteFailed) + QStringLiteral("\n\"") + Path("missing/book.opbk") +
                                        QStringLiteral("\": the folder it would go in does not exist."));
    EXPECT_EQ(ReadAll(Path("book.opbk")), before);
    EXPECT_EQ(page->FilePath(), Path("book.opbk"));
}

TEST_F(PhonebookPageTest, ClosingWithChangesAsksYesOrNoAndAYesThatSavesNothingKeepsTheWindow)
{
    page->OnNewPhonebook();
    EXPECT_TRUE(page->OnClose());
    EXPECT_TRUE(prompts.asked.isEmpty()) << "nothing changed, nothing asked";
    page->AddEntry("A", "1");
    prompts.answers = {Answer::Yes};
    prompts.files = {QString()};  // the save dialog is cancelled
    EXPECT_FALSE(page->OnClose());
    EXPECT_EQ(prompts.asked, QStringList{Page::SaveChangesQuestion()});
    prompts.answers = {Answer::No};
    EXPECT_TRUE(page->OnClose());

    // The real question: Escape and the close button answer nothing; only Yes or No does.
    UserPrompts::Install(nullptr);
    bool stayed = false;
    QTimer::singleShot(0, [&stayed] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(box, &escape);
        box->close();
        stayed = box->isVisible();
        for (QAbstractButton* b : box->findChildren<QAbstractButton*>())
            if (b->text().remove(u'&') == QStringLiteral("Yes"))
                b->click();
    });
    const Answer answer = UserPrompts::Current().Ask(page.get(), Page::SaveChangesQuestion(),
                                                     UserPrompts::Buttons::YesNo, UserPrompts::Icon::Warning);
    UserPrompts::Install(&prompts);
    EXPECT_TRUE(stayed);
    EXPECT_EQ(answer, Answer::Yes);
}

TEST_F(PhonebookPageTest, ASendKeepsTheHandsetsBookAndOffersItBackWhenTheSendStops)
{
    QDir(PhonebookBackups::Folder()).removeRecursively();
    SimHandset& h = Handset(3);
    page->OnNewPhonebook();
    page->AddEntry("Mine", "1");
    page->AddEntry("Also mine", "2");
    h.SetWriteReply(std::vector<std::uint8_t>{1, 2});
    // Yes to the overwrite; then, once asked whether to send the kept book back, the handset
    // works again and the answer is Yes.
    prompts.answers = {Answer::Yes, Answer::Ok, Answer::Yes};
    prompts.onAsk = [&h](const QString& text) {
        if (text.contains(QStringLiteral("back to it?")))
            h.SetWriteReply(std::nullopt);
    };
    page->OnSend();
    ASSERT_EQ(prompts.asked.size(), 3) << prompts.asked.join(u'\n').toStdString();
    // The handset took the first record, though its answer was wrong: it says so itself.
    EXPECT_TRUE(prompts.asked[2].startsWith(PhonebookBackups::PartialSendText(1, 2)));
    Settle();
    ASSERT_EQ(h.Phonebook().size(), 3u) << "the kept book went back";
    PhonebookEntry first;
    ASSERT_TRUE(PhonebookRecord::Decode(0, h.Phonebook()[0], first));
    EXPECT_EQ(first.name, "Contact 0");
    EXPECT_EQ(PhonebookBackups::List().size(), 1);

    // A send that goes through leaves one more backup, of the book it replaced; none when the last
    // backup holds that very book.
    for (int changed : {0, 1}) {
        if (changed)
            h.AddContact("Added on the handset", "9");
        prompts.asked.clear();
        prompts.answers = {Answer::Yes};
        page->OnSend();
        Settle();
        EXPECT_EQ(h.Phonebook().size(), 2u);
        EXPECT_EQ(PhonebookBackups::List().size(), 1 + changed);
    }
}

// A sync from the window: the first finds the books alike and only keeps the base; the next
// shows each change, one of them left out and a conflict settled the handset's way; OK sends
// and saves, and one Undo takes the whole sync back in the list.
TEST_F(PhonebookPageTest, SyncPreviewLeavesAChangeOutTakesAConflictsSideAndIsOneUndoStep)
{
    QDir(SyncBases::Folder()).removeRecursively();
    SimHandset& h = Handset();
    LoadIntoHandset(h, {MakeEntry("Ana", "5550101"), MakeEntry("Bo", "5550102"), MakeEntry("Cy", "5550103")}, dir);
    page->OnReceive();
    prompts.files = {Path("book")};
    ASSERT_EQ(page->SaveBook(), Msg::Ok);
    ASSERT_TRUE(Enabled(Page::kSync));
    page->OnSync();
    const QString base = SyncBases::PathFor(page->Document().Identity(), page->FilePath());
    EXPECT_TRUE(QFileInfo::exists(base)) << "alike books still make the first base";
    EXPECT_TRUE(prompts.asked.isEmpty()) << prompts.asked.join(u'\n').toStdString();

    // On the handset: Ana's number changed, Cy's too, Dee added. Here: Cy's number changed
    // otherwise, Eve and Fay added.
    LoadIntoHandset(h, {MakeEntry("Ana", "5550111"), MakeEntry("Bo", "5550102"), MakeEntry("Cy", "5550133"),
                        MakeEntry("Dee", "5550104")}, dir);
    page->SelectRows({2});
    page->NumberEdit()->setText(QStringLiteral("5550144"));
    page->AddEntry("Eve", "5550105");
    page->AddEntry("Fay", "5550106");
    const std::vector<std::string> before = Names();
    const QByteArray savedBefore = ReadAll(Path("book.opbk"));

    int shown = 0;
    WhenShown<SyncPreviewDialog>([&shown](SyncPreviewDialog* preview) {
        SyncPreviewModel& model = preview->Model();
        shown = model.rowCount();
        for (int row = 0; row < model.rowCount(); ++row) {
            const MergeChange& change = model.Plan().changes[static_cast<std::size_t>(row)];
            if (change.kind == MergeKind::Added && change.computer && model.Plan().computer[*change.computer].name == "Fay")
                model.SetIncluded(row, false);
            if (change.kind == MergeKind::Conflict)
                model.SetSide(row, MergeSide::Handset);
        }
        preview->accept();
    });
    page->OnSync();
    Settle();
    EXPECT_EQ(shown, 5) << "Ana changed, Cy in conflict, Dee, Eve and Fay added";

    const std::vector<std::string> synced{"Ana  5550111", "Bo  5550102", "Cy  5550133", "Dee  5550104", "Eve  5550105"};
    std::vector<std::string> rows;
    for (int row = 0; row < page->Model().Count(); ++row)
        rows.push_back(page->Model().Entry(row).name + "  " + page->Model().Entry(row).number);
    // Fay, left out, stays here only, after the synced entries.
    std::vector<std::string> listed = synced;
    listed.push_back("Fay  5550106");
    EXPECT_EQ(rows, listed);
    std::vector<std::string> onHandset;
    for (const PhonebookEntry& e : HandsetEntries(h))
        onHandset.push_back(e.name + "  " + e.number);
    EXPECT_EQ(onHandset, synced);
    EXPECT_FALSE(page->Modified()) << "the book's file was saved";
    Phonebook file;
    ASSERT_EQ(PhonebookFile::Load(Path("book.opbk"), file), Msg::Ok);
    EXPECT_EQ(file.Count(), listed.size());
    EXPECT_NE(ReadAll(Path("book.opbk")), savedBefore);
    Phonebook kept;
    ASSERT_EQ(PhonebookFile::Load(base, kept), Msg::Ok);
    EXPECT_EQ(kept.Count(), synced.size());

    // One step back: the list as it was before the sync, changed against the saved file.
    page->Undo();
    EXPECT_EQ(Names(), before);
    EXPECT_EQ(page->Model().Entry(2).number, "5550144");
    EXPECT_TRUE(page->Modified());

    // Cancel in the preview changes nothing anywhere.
    LoadIntoHandset(h, {MakeEntry("Ana", "5550111")}, dir);
    WhenShown<SyncPreviewDialog>([](SyncPreviewDialog* preview) { preview->reject(); });
    page->OnSync();
    EXPECT_EQ(Names(), before);
    EXPECT_EQ(HandsetEntries(h).size(), 1u);

    // Send replaces the handset's book: the base no longer says what it holds, and goes.
    ASSERT_TRUE(QFileInfo::exists(base));
    prompts.answers = {Answer::Yes};
    page->OnSend();
    Settle();
    EXPECT_EQ(HandsetEntries(h).size(), before.size());
    EXPECT_FALSE(QFileInfo::exists(base));
}

// Cancel pressed at many moments of a send (the information read, the backup, the download):
// whenever it came before the download began, the handset keeps its whole book and nothing is
// offered back; after that, the send says what the handset holds.
TEST_F(PhonebookPageTest, CancelBeforeTheDownloadLeavesTheHandsetsBookWhole)
{
    SimHandset& h = Handset(20, 400);
    const auto original = h.Phonebook();
    page->OnNewPhonebook();
    for (int i = 0; i < 5; ++i)
        page->AddEntry("Mine " + std::to_string(i), "1");
    int before = 0;
    for (int ms : {10, 40, 70, 100, 400}) {
        h.ClearCommands();
        prompts.asked.clear();
        prompts.answers = {Answer::Yes, Answer::No};
        // With the page as context: a cancel still pending when the loop stops early dies with it.
        QTimer::singleShot(ms, page.get(), [this] { page->ProgressDialog().RequestCancel(true); });
        page->OnSend();
        Settle();
        bool downloadBegan = false;
        for (const SimCommandLog& cmd : h.Commands())
            downloadBegan = downloadBegan || (cmd.op == OP_CONTROL && cmd.function == FN_BEGIN_DOWNLOAD);
        if (downloadBegan) {
            // Either the send finished, or it stopped and offered the backup back.
            EXPECT_TRUE(h.Phonebook().size() == 5u || prompts.asked.size() == 2) << prompts.asked.size();
            break;
        }
        ++before;
        EXPECT_EQ(h.Phonebook(), original) << "cancelled after " << ms << " ms";
        EXPECT_EQ(prompts.asked.size(), 1) << "a cancel needs no word";
        EXPECT_TRUE(page->isEnabled());
    }
    EXPECT_GE(before, 3);
}

TEST_F(PhonebookPageTest, MoreThanAHundredEntriesAreRefusedBeforeAnythingIsSent)
{
    SimHandset& h = Handset(1);
    page->OnNewPhonebook();
    for (int i = 0; i < 101; ++i)
        page->AddEntry("n" + std::to_string(i), "1");
    h.ClearCommands();
    prompts.answers = {Answer::Yes};
    page->OnSend();
    EXPECT_EQ(prompts.asked.last(), LoadString(Msg::MaxEntriesReached));
    EXPECT_TRUE(h.Commands().empty());
    EXPECT_EQ(h.Phonebook().size(), 1u);
}

TEST_F(PhonebookPageTest, ReceiveEditSaveOpenSendAndReceiveAgain)
{
    SimHandset& h = Handset(3);
    page->OnReceive();
    ASSERT_TRUE(page->BookOpen());
    ASSERT_EQ(page->Model().Count(), 3);
    EXPECT_TRUE(page->FilePath().isEmpty());
    EXPECT_FALSE(page->Modified());

    page->SelectRows({0});
    page->NameEdit()->setText(QStringLiteral("Changed"));
    page->NumberEdit()->setText(QStringLiteral("123"));
    page->OnNewEntry();
    page->NameEdit()->setText(QStringLiteral("Added"));
    page->NumberEdit()->setText(QStringLiteral("999"));
    page->SelectRows({1});
    page->OnDelete();

    prompts.files = {Path("edited")};
    ASSERT_EQ(page->SaveBook(), Msg::Ok);
    EXPECT_EQ(page->FilePath(), Path("edited.opbk"));

    prompts.files = {Path("edited.opbk")};
    page->OnOpen();
    ASSERT_EQ(page->Model().Count(), 3);

    prompts.answers = {Answer::Yes};
    page->OnSend();
    EXPECT_EQ(prompts.asked.last(), LoadString(Msg::ConfirmOverwriteHandset));
    Settle();
    EXPECT_EQ(h.Phonebook().size(), 3u);

    page->OnReceive();
    QStringList names;
    for (int i = 0; i < page->Model().Count(); ++i)
        names.append(Name(i));
    EXPECT_EQ(names, QStringList({"Added", "Changed", "Contact 2"}));
    EXPECT_EQ(page->Model().Entry(1).number, "123");
}

TEST_F(PhonebookPageTest, SendAsksAboutIncompleteEntries)
{
    SimHandset& h = Handset(2);
    page->OnNewPhonebook();
    page->AddEntry("Full", "1");
    page->AddEntry("No number", "");
    prompts.answers = {Answer::Yes, Answer::No};
    page->OnSend();
    EXPECT_EQ(prompts.asked.last(), LoadString(Msg::ConfirmSkipIncomplete));
    Settle();
    EXPECT_EQ(h.Phonebook().size(), 2u) << "No: nothing went out";

    prompts.answers = {Answer::Yes, Answer::Yes};
    page->OnSend();
    Settle();
    EXPECT_EQ(h.Phonebook().size(), 1u);
    EXPECT_TRUE(page->Modified()) << "sending changes nothing on the page";
}

// A book of nothing to send (empty, or only entries without a number) would only wipe the
// handset: the question says how many entries go, No is its default, and No keeps them.
TEST_F(PhonebookPageTest, SendingNoEntriesSaysHowManyTheHandsetLosesAndNoKeepsThem)
{
    SimHandset& h = Handset(100);
    page->OnNewPhonebook();
    page->AddEntry("Ann", "");
    prompts.answers = {Answer::No};
    page->OnSend();
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0], PhonebookSend::EmptySendQuestion(std::size_t{100}));
    EXPECT_TRUE(prompts.asked[0].contains(QStringLiteral("This deletes all 100 entries on the handset.")))
        << prompts.asked[0].toStdString();
    EXPECT_EQ(prompts.buttons[0], UserPrompts::Buttons::YesNoDefaultNo);
    Settle();
    EXPECT_EQ(h.Phonebook().size(), 100u);
    EXPECT_TRUE(page->isEnabled());

    // Yes: the handset is empty, and the status bar says what went. Ann is left out without a
    // second question, since the first has said that no entry has both a name and a number.
    prompts.asked.clear();
    prompts.answers = {Answer::Yes};
    page->OnSend();
    Settle();
    EXPECT_EQ(prompts.asked.size(), 1);
    EXPECT_TRUE(h.Phonebook().empty());
    EXPECT_EQ(page->StatusPane().PaneText(0), QStringLiteral("Phone book sent: 0 entries."));

    // An empty handset loses nothing: the general question again.
    prompts.asked.clear();
    prompts.answers = {Answer::No};
    page->OnSend();
    EXPECT_EQ(prompts.asked, QStringList{LoadString(Msg::ConfirmOverwriteHandset)});

    // The real question: Escape answers No.
    UserPrompts::Install(nullptr);
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(box, &escape);
    });
    const Answer answer = UserPrompts::Current().Ask(page.get(), PhonebookSend::EmptySendQuestion(std::size_t{100}),
                                                     UserPrompts::Buttons::YesNoDefaultNo, UserPrompts::Icon::Warning);
    UserPrompts::Install(&prompts);
    EXPECT_EQ(answer, Answer::No);
}

// Send, Save and Export say they are done in pane 0 for a while, then pane 0 shows the open
// file again; no dialog.
TEST_F(PhonebookPageTest, SendSaveAndExportAreConfirmedInTheStatusBarForAWhile)
{
    const int usual = StatusBar::MessageDuration();
    StatusBar::SetMessageDuration(60 * 1000);
    SimHandset& h = Handset(2);
    page->OnReceive();
    page->AddEntry("Added", "3");
    prompts.files = {Path("book")};
    ASSERT_EQ(page->SaveBook(), Msg::Ok);
    EXPECT_EQ(page->StatusPane().PaneText(0), QStringLiteral("Saved to book.opbk."));
    EXPECT_TRUE(page->StatusPane().ShowingMessage());

    prompts.answers = {Answer::Yes};
    page->OnSend();
    Settle();
    EXPECT_EQ(h.Phonebook().size(), 3u);
    EXPECT_EQ(page->StatusPane().PaneText(0), QStringLiteral("Phone book sent: 3 entries."));

    ImportExportChoices choices;
    choices.operation = ImportExportChoices::kExport;
    choices.exportScope = ImportExportChoices::kAll;
    choices.exportFile = Path("contacts.csv");
    ASSERT_EQ(page->FinishImportExport(choices).result, Msg::Ok);
    EXPECT_EQ(page->StatusPane().PaneText(0), QStringLiteral("Exported 3 contacts to contacts.csv."));
    EXPECT_EQ(prompts.asked.size(), 1) << "only the question before the send";

    // Once its time is up, the path of the open book is back.
    StatusBar::SetMessageDuration(20);
    page->StatusPane().ShowMessage(QStringLiteral("Short"));
    EXPECT_TRUE(QTest::qWaitFor([this] { return !page->StatusPane().ShowingMessage(); }, 5000));
    EXPECT_TRUE(page->StatusPane().PaneText(0).endsWith(QStringLiteral("book.opbk")))
        << page->StatusPane().PaneText(0).toStdString();
    StatusBar::SetMessageDuration(usual);
}

TEST_F(PhonebookPageTest, CancelledReceiveEndsSilentlyWithNoBook)
{
    SimHandset& h = Handset(0, 200);
    for (int i = 0; i < 60; ++i)
        h.AddContact("C" + std::to_string(i), "1");
    page->OnNewPhonebook();
    QTimer::singleShot(150, [this] { page->ProgressDialog().RequestCancel(false); });
    page->OnReceive();
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_FALSE(page->BookOpen());
    EXPECT_EQ(page->Model().Count(), 0);
    EXPECT_FALSE(Enabled(Page::kSave));
}

TEST_F(PhonebookPageTest, NoSupportedHandsetMeansNoReceiveAtAll)
{
    page->OnNewPhonebook();
    page->AddEntry("Stay", "1");
    page->LoadOrReceive(QString());
    EXPECT_EQ(page->Model().Count(), 1) << "not even cleared";
}

TEST_F(PhonebookPageTest, AFailedInformationReadEmptiesTheNameButKeepsTheHandsetReady)
{
    SimHandset& h = Handset();
    h.SetReadData(FN_READ_RECORD, CLASS_HANDSET_INFO, 0, std::vector<std::uint8_t>(10, 0));
    page->StatusPane().SetHandsetName(QStringLiteral("Before"));
    page->OnHandsetChanged();
    EXPECT_TRUE(StatusBar::HandsetName().isEmpty());
    EXPECT_TRUE(page->HandsetReady());
    EXPECT_TRUE(Enabled(Page::kReceive));
}

}  // namespace
