// The import/export wizard with scripted prompts, and the phone-book page acting on it.

#include "support/PhonebookHelpers.h"
#include "support/ScriptedPrompts.h"

#include "gui/contacts/ChangeMapDialog.h"
#include "gui/contacts/ChooseOperationPage.h"
#include "gui/contacts/ContactChoiceModel.h"
#include "gui/contacts/ExportPage.h"
#include "gui/contacts/ImportExportWizard.h"
#include "gui/contacts/ImportFilePage.h"
#include "gui/contacts/ImportMappingPage.h"
#include "gui/phonebook/PhonebookPage.h"
#include "gui/shell/PictureIds.h"

#include "core/common/StringTable.h"
#include "core/contacts/ContactImport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

using Answer = UserPrompts::Answer;
using W = ImportExportWizard;

class Wizard : public ::testing::Test {
protected:
    QString Write(const char* name, const QByteArray& bytes) { return WriteIn(dir, name, bytes); }
    QStringList Labels(const ImportExportWizard& w) const
    {
        QStringList labels;
        for (int i = 0; i < w.MappingPage()->List()->topLevelItemCount(); ++i)
            labels.append(w.MappingPage()->List()->topLevelItem(i)->text(1));
        return labels;
    }

    ScriptedPrompts prompts;
    QTemporaryDir dir;
};

TEST_F(Wizard, ImportPagesRefuseBadFilesAndGuessAfreshEachTime)
{
    ImportExportWizard w;
    w.show();
    ASSERT_EQ(w.currentId(), W::kChooseOperationPage);
    w.next();
    ASSERT_EQ(w.currentId(), W::kImportIntroPage);
    w.next();
    ASSERT_EQ(w.currentId(), W::kImportFilePage);

    // No name, a missing file, a file of 255 columns: each keeps the wizard here.
    w.next();
    w.FilePage()->SetFileName(dir.filePath(QStringLiteral("missing.csv")));
    w.next();
    QByteArray wide = "c0";
    for (int i = 1; i < 255; ++i)
        wide += ",c" + QByteArray::number(i);
    w.FilePage()->SetFileName(Write("wide.csv", wide + "\n"));
    w.next();
    // A folder by the name of a contacts file: the message names it and says why.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.csv")));
    w.FilePage()->SetFileName(dir.filePath(QStringLiteral("folder.csv")));
    w.next();
    EXPECT_EQ(w.currentId(), W::kImportFilePage);
    ASSERT_EQ(prompts.asked.size(), 4);
    EXPECT_EQ(prompts.asked[3], QStringLiteral("Error: Could not open file.\n\"%1\" is a folder, not a file.")
                                    .arg(dir.filePath(QStringLiteral("folder.csv"))));
    EXPECT_NE(prompts.asked[3], prompts.asked[1]);
    EXPECT_TRUE(prompts.asked[0].startsWith(QStringLiteral("No file specified.")));
    EXPECT_EQ(prompts.asked[1], QStringLiteral("Error: Could not open file.\n\"%1\": there is no such file.")
                                    .arg(dir.filePath(QStringLiteral("missing.csv"))));
    EXPECT_EQ(prompts.asked[2], CouldNotReadText() + QStringLiteral("\n\"%1\": the file has more columns than an "
                                                                    "import can take (254 at most).")
                                                         .arg(dir.filePath(QStringLiteral("wide.csv"))));

    w.FilePage()->SetFileName(Write("a.csv", "First Name,Last Name,Phone,Phone\n"));
    w.next();
    ASSERT_EQ(w.currentId(), W::kImportMappingPage);
    EXPECT_EQ(Labels(w), QStringList({"Orvak Name (First)", "Orvak Name (Last)", "Orvak Phone Number", " "}));

    // Change Map: without a row selected it says so; unchecking frees a target for another row.
    w.MappingPage()->OnChangeMap();
    EXPECT_EQ(prompts.asked.last(), QStringLiteral("No row selected."));
    w.MappingPage()->ChangeRow(2, -1);
    w.MappingPage()->ChangeRow(3, ImportFieldMap::kPhoneNumber);
    EXPECT_EQ(Labels(w), QStringList({"Orvak Name (First)", "Orvak Name (Last)", " ", "Orvak Phone Number"}));
    EXPECT_EQ(w.Choices().importOptions.map.Column(ImportFieldMap::kPhoneNumber), 3);

    // Back, another file, Next: a fresh guess.
    w.back();
    w.FilePage()->SetFileName(Write("b.csv", "\"name\",\"phone\"\n"));
    w.next();
    EXPECT_EQ(Labels(w), QStringList({"Orvak Name (First)", "Orvak Phone Number"}));
    const ImportExportChoices c = w.Choices();
    EXPECT_EQ(c.operation, ImportExportChoices::kImport);
    EXPECT_EQ(c.importOptions.map.Column(ImportFieldMap::kPhoneNumber), 1);
}

TEST_F(Wizard, ExportAsksBeforeReplacingAFileAndThePageExportsAndImportsBack)
{
    ImportExportWizard w;
    w.show();
    w.OperationPage()->SetOperation(ImportExportChoices::kExport);
    w.next();
    ASSERT_EQ(w.currentId(), W::kExportPage);
    EXPECT_FALSE(w.ExportOptionsPage()->validatePage());
    EXPECT_TRUE(prompts.asked.last().startsWith(QStringLiteral("No file specified.")));
    const QString out = Write("out.csv", "old");
    w.ExportOptionsPage()->SetFileName(out);
    prompts.answers = {Answer::No};
    EXPECT_FALSE(w.ExportOptionsPage()->validatePage());
    EXPECT_EQ(prompts.asked.last(), QStringLiteral("File already exists.  Do you want to overwrite it?"));
    prompts.answers = {Answer::Yes};
    EXPECT_TRUE(w.ExportOptionsPage()->validatePage());

    PhonebookPage page;
    page.SetBackgroundBitmapId(picture::kPhonebookBackground);
    page.SetUpUi();
    page.OnNewPhonebook();
    page.AddEntry("Ann", "111");
    page.AddEntry("Bo", "222");
    page.SelectRows({1});
    ImportExportChoices choices = w.Choices();
    ASSERT_EQ(choices.operation, ImportExportChoices::kExport);
    EXPECT_EQ(page.FinishImportExport(choices).result, Msg::Ok);
    EXPECT_EQ(ReadAll(out), QByteArray("\"name\",\"phone\"\r\n\"Bo\",\"222\"\r\n"));
    page.SelectRows({});
    EXPECT_EQ(page.FinishImportExport(choices).result, Msg::NoRecordsToWrite);
    EXPECT_EQ(prompts.asked.last(), LoadString(Msg::NoRecordsToWrite));

    // The export read back through the guess: one more entry, and the book changed.
    choices.exportScope = ImportExportChoices::kAll;
    ASSERT_EQ(page.FinishImportExport(choices).result, Msg::Ok);
    choices.operation = ImportExportChoices::kImport;
    choices.importFile = out;
    choices.importOptions.map = ImportFieldMap::Guess({"name", "phone"});
    ASSERT_EQ(page.FinishImportExport(choices).added, 2);
    ASSERT_EQ(page.Model().Count(), 4);
    EXPECT_EQ(page.Model().Entry(3).name, "Bo");
    EXPECT_TRUE(page.Modified());
}

TEST_F(Wizard, AFileOfMoreContactsThanFitIsAChoiceNotARefusal)
{
    // Google's export: labels beside values, several labels in one cell, the mobile number
    // sometimes only in the second phone column; 120 contacts for a book of 3.
    QByteArray csv = "First Name,Last Name,Labels,Phone 1 - Label,Phone 1 - Value,Phone 2 - Label,Phone 2 - Value\r\n";
    for (int i = 0; i < 120; ++i) {
        const QByteArray n = QByteArray::number(i);
        const QByteArray labels = i < 30 ? "* myContacts ::: Friends" : "* myContacts ::: Work";
        if (i % 10 == 0)
            csv += "Given" + n + ",Family" + n + "," + labels + ",,,Mobile,+44 7700 900" + n + "\r\n";
        else
            csv += "Given" + n + ",Family" + n + "," + labels + ",Mobile,+44 7700 900" + n + " ::: +44 20 7946 0958,,\r\n";
    }
    ImportExportWizard w(nullptr, 97);
    w.show();
    w.next();
    w.next();
    w.FilePage()->SetFileName(Write("google.csv", csv));
    w.next();
    ASSERT_EQ(w.currentId(), W::kImportMappingPage);
    ImportMappingPage* page = w.MappingPage();
    EXPECT_TRUE(page->NumberNote()->text().contains(QStringLiteral("Phone 1 - Value"))) << page->NumberNote()->text().toStdString();
    EXPECT_TRUE(page->NumberNote()->text().contains(QStringLiteral("Phone 2 - Value")));
    EXPECT_TRUE(page->CountText()->text().startsWith(QStringLiteral("The file holds 120 contacts; the book has room for 97.")))
        << page->CountText()->text().toStdString();
    EXPECT_FALSE(page->isComplete()) << "nothing is chosen for the user when not all fit";

    // The first that fit, then only the friends.
    page->OnChooseFirstThatFit();
    EXPECT_EQ(page->ContactModel()->Selection().ChosenCount(), 97);
    EXPECT_TRUE(page->isComplete());
    const int friends = page->CategoryBox()->findText(QStringLiteral("Friends"));
    ASSERT_GT(friends, 0);
    EXPECT_EQ(page->CategoryBox()->findText(QStringLiteral("* myContacts")), -1);
    page->CategoryBox()->setCurrentIndex(friends);
    EXPECT_EQ(page->ContactModel()->rowCount(), 30);
    EXPECT_EQ(page->ContactModel()->Selection().ChosenCount(), 30) << "the category is the choice";
    page->ContactModel()->ChooseNone();
    EXPECT_FALSE(page->isComplete());
    page->OnChooseFirstThatFit();
    EXPECT_EQ(page->ContactModel()->Selection().ChosenCount(), 30);
    // One unchecked by hand; a new prefix remakes the numbers and keeps the choice.
    page->ContactModel()->setData(page->ContactModel()->index(1), Qt::Unchecked, Qt::CheckStateRole);
    page->PrefixEdit()->setText(QStringLiteral("011"));
    EXPECT_EQ(page->ContactModel()->Selection().ChosenCount(), 29);

    PhonebookPage book;
    book.SetBackgroundBitmapId(picture::kPhonebookBackground);
    book.SetUpUi();
    book.OnNewPhonebook();
    for (const char* name : {"A", "B", "C"})
        book.AddEntry(name, "1");
    // Finish adds from the page's one reading: the file is not read again.
    ASSERT_TRUE(QFile::remove(w.FilePage()->FileName()));
    ASSERT_EQ(book.FinishImportExport(w.Choices()).added, 29);
    ASSERT_EQ(book.Model().Count(), 32);
    EXPECT_EQ(book.Model().Entry(3).name, "Given0 Family0");
    EXPECT_EQ(book.Model().Entry(3).number, "0114477009000") << "from the second column, + as 011";
    EXPECT_EQ(book.Model().Entry(4).name, "Given2 Family2");
    EXPECT_EQ(book.Model().Entry(4).number, "0114477009002") << "the first of the two values";
    EXPECT_TRUE(prompts.asked.last().contains(QStringLiteral("another column"))) << prompts.asked.last().toStdString();
    EXPECT_TRUE(prompts.asked.last().contains(QStringLiteral("rewritten")));

    // Change Map says why a target cannot be checked.
    ChangeMapDialog dialog(QStringLiteral("Phone 2 - Value"), nullptr);
    dialog.SetTaken(ImportFieldMap::kPhoneNumber, QStringLiteral("Phone 1 - Value"));
    EXPECT_FALSE(dialog.Box(ImportFieldMap::kPhoneNumber)->isEnabled());
    EXPECT_TRUE(dialog.TakenNote()->text().contains(QStringLiteral("Phone 1 - Value")));
    EXPECT_EQ(FirstSuffixOfFilter(QStringLiteral("vCard File (*.vcf)")), QStringLiteral("vcf"));
}

// The page's Import/Export with the real wizard: the export takes the selected entries when
// there are any, else all of them; a book with nothing to write keeps the wizard open on
// Finish, with the reason.
TEST_F(Wizard, TheExportFollowsTheSelectionAndNothingToWriteKeepsTheWizardOpen)
{
    PhonebookPage page;
    page.SetBackgroundBitmapId(picture::kPhonebookBackground);
    page.SetUpUi();
    page.OnNewPhonebook();
    const QString out = dir.filePath(QStringLiteral("contacts.csv"));

    struct Seen {
        int scope = -1;
        bool selectedOffered = true;
        bool openAfterFinish = false;
    };
    // Drives the wizard the page opens: Export, the file, Finish; then Cancel if it stayed.
    const auto exportThroughTheWizard = [&] {
        Seen seen;
        QTimer::singleShot(0, [&] {
            auto* w = qobject_cast<ImportExportWizard*>(QApplication::activeModalWidget());
            ASSERT_NE(w, nullptr);
            w->OperationPage()->SetOperation(ImportExportChoices::kExport);
            w->next();
            ASSERT_EQ(w->currentId(), W::kExportPage);
            seen.scope = w->ExportOptionsPage()->Scope();
            for (QRadioButton* r : w->ExportOptionsPage()->findChildren<QRadioButton*>())
                if (r->text().contains(QStringLiteral("selected")))
                    seen.selectedOffered = r->isEnabled();
            w->ExportOptionsPage()->SetFileName(out);
            prompts.answers = {Answer::Yes};  // replace the file of the run before
            w->button(QWizard::FinishButton)->click();
            seen.openAfterFinish = w->isVisible();
            if (seen.openAfterFinish)
                w->reject();
        });
        page.OnImportExport();
        return seen;
    };

    // An empty book: "all", and Finish says there is nothing to write but keeps the wizard.
    Seen seen = exportThroughTheWizard();
    EXPECT_EQ(seen.scope, ImportExportChoices::kAll);
    EXPECT_FALSE(seen.selectedOffered);
    EXPECT_TRUE(seen.openAfterFinish);
    EXPECT_EQ(prompts.asked.last(), LoadString(Msg::NoRecordsToWrite));
    EXPECT_FALSE(QFile::exists(out));

    // Entries, none selected: all of them go.
    page.AddEntry("Ann", "111");
    page.AddEntry("Bo", "222");
    page.SelectRows({});
    seen = exportThroughTheWizard();
    EXPECT_EQ(seen.scope, ImportExportChoices::kAll);
    EXPECT_FALSE(seen.openAfterFinish);
    EXPECT_EQ(ReadAll(out), QByteArray("\"name\",\"phone\"\r\n\"Ann\",\"111\"\r\n\"Bo\",\"222\"\r\n"));

    // One selected: that one.
    page.SelectRows({1});
    seen = exportThroughTheWizard();
    EXPECT_EQ(seen.scope, ImportExportChoices::kSelected);
    EXPECT_TRUE(seen.selectedOffered);
    EXPECT_FALSE(seen.openAfterFinish);
    EXPECT_EQ(ReadAll(out), QByteArray("\"name\",\"phone\"\r\n\"Bo\",\"222\"\r\n"));
}

}  // namespace
