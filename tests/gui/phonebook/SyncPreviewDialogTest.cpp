// The sync preview, offscreen, driven from the keyboard: what it shows, what Sync writes back
// into the plan, and what Cancel and a book too large for the handset leave alone.

#include "support/PhonebookHelpers.h"

#include "gui/phonebook/SyncPreviewDialog.h"
#include "gui/phonebook/SyncPreviewModel.h"

#include "core/phonebook/PhonebookMerge.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Book = std::vector<PhonebookEntry>;

// Since the last sync the handset changed Ben's number, the computer deleted Cleo and added Eve,
// and both changed Dan's number, each its own way.
MergePlan FourChanges()
{
    const Book base{MakeEntry("Ana", "5550101"), MakeEntry("Ben", "5550202"), MakeEntry("Cleo", "5550303"),
                    MakeEntry("Dan", "5550404")};
    const Book handset{MakeEntry("Ana", "5550101"), MakeEntry("Ben", "5550299"), MakeEntry("Cleo", "5550303"),
                       MakeEntry("Dan", "5550411")};
    const Book computer{MakeEntry("Ana", "5550101"), MakeEntry("Ben", "5550202"), MakeEntry("Dan", "5550422"),
                        MakeEntry("Eve", "5550505")};
    return PhonebookMerge::Plan(&base, handset, computer);
}

std::vector<std::pair<std::string, std::string>> NamesAndNumbers(const Book& book)
{
    std::vector<std::pair<std::string, std::string>> out;
    for (const PhonebookEntry& e : book)
        out.emplace_back(e.name, e.number);
    return out;
}

int RowOf(const MergePlan& plan, MergeKind kind)
{
    for (std::size_t i = 0; i < plan.changes.size(); ++i)
        if (plan.changes[i].kind == kind)
            return static_cast<int>(i);
    return -1;
}

void Press(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
    QCoreApplication::processEvents();
}

// Puts the list's current row on `row` with the arrow keys, as a person would.
void GoToRow(QTreeView* view, int row)
{
    view->setFocus();
    Press(Qt::Key_Home);
    for (int i = 0; i < row; ++i)
        Press(Qt::Key_Down);
    ASSERT_EQ(view->currentIndex().row(), row);
}

QString NameOf(QWidget* w)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name) : QString();
}

void ShowActive(QDialog& dialog)
{
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

TEST(SyncPreviewDialog, LeavingOutAChangeAndChoosingAConflictsSideByKeyGiveTheBookSyncApplies)
{
    MergePlan plan = FourChanges();
    ASSERT_EQ(plan.changes.size(), 4u);
    const int added = RowOf(plan, MergeKind::Added);
    const int conflict = RowOf(plan, MergeKind::Conflict);
    ASSERT_GE(added, 0);
    ASSERT_GE(conflict, 0);
    ASSERT_EQ(plan.changes[static_cast<std::size_t>(conflict)].side, MergeSide::Computer);

    SyncPreviewDialog dialog(plan);
    ShowActive(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Sync with the Handset"));
    EXPECT_EQ(dialog.CountLabel()->text(), QStringLiteral("The handset will hold 4 of 100 entries."));
    const SyncPreviewModel& model = dialog.Model();
    const auto cell = [&](int row, int column) { return model.data(model.index(row, column), Qt::DisplayRole).toString(); };
    // The kind is written out, not only coloured.
    EXPECT_EQ(cell(added, SyncPreviewModel::kKindColumn), QStringLiteral("added"));
    EXPECT_TRUE(cell(added, SyncPreviewModel::kEntryColumn).contains(QStringLiteral("Eve")));
    EXPECT_EQ(cell(conflict, SyncPreviewModel::kTakeColumn), QStringLiteral("Computer"));
    EXPECT_TRUE(cell(added, SyncPreviewModel::kTakeColumn).isEmpty());
    EXPECT_FALSE(model.flags(model.index(added, SyncPreviewModel::kTakeColumn)) & Qt::ItemIsEditable);

    // Tab walks the list, then the buttons, each with a name, and back to the list.
    std::vector<QWidget*> stops{dialog.View()};
    dialog.View()->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 5; ++i) {
        Press(Qt::Key_Tab);
        if (QApplication::focusWidget() == dialog.View())
            break;
        stops.push_back(QApplication::focusWidget());
    }
    ASSERT_EQ(stops.size(), 3u);
    EXPECT_EQ(stops[1], dialog.SyncButton());
    EXPECT_EQ(stops[2], dialog.CancelButton());
    for (QWidget* w : stops)
        EXPECT_FALSE(NameOf(w).isEmpty()) << w->metaObject()->className();

    // Space leaves Eve out.
    GoToRow(dialog.View(), added);
    Press(Qt::Key_Space);
    EXPECT_EQ(model.data(model.index(added, SyncPreviewModel::kIncludeColumn), Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_EQ(cell(added, SyncPreviewModel::kKindColumn), QStringLiteral("added (left out)"));
    EXPECT_EQ(dialog.CountLabel()->text(), QStringLiteral("The handset will hold 3 of 100 entries."));

    // Right keeps both versions of Dan: one entry more, and each the other's duplicate by name.
    GoToRow(dialog.View(), conflict);
    Press(Qt::Key_Right);
    EXPECT_EQ(cell(conflict, SyncPreviewModel::kTakeColumn), QStringLiteral("Both"));
    EXPECT_EQ(dialog.CountLabel()->text(), QStringLiteral("The handset will hold 4 of 100 entries."));
    EXPECT_TRUE(model.IsDuplicate(conflict));
    EXPECT_TRUE(cell(conflict, SyncPreviewModel::kEntryColumn).contains(QStringLiteral("(duplicate)")));
    EXPECT_TRUE(model.data(model.index(conflict, 0), Qt::ToolTipRole).toString().contains(QStringLiteral("Dan")));

    // F2 opens the list of versions; Up twice and Return take the handset's, and Return closes
    // only the list, not the dialog.
    Press(Qt::Key_F2);
    auto* combo = qobject_cast<QComboBox*>(QApplication::focusWidget());
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(NameOf(combo).isEmpty());
    Press(Qt::Key_Up);
    Press(Qt::Key_Up);
    Press(Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(cell(conflict, SyncPreviewModel::kTakeColumn), QStringLiteral("Handset"));
    EXPECT_FALSE(model.IsDuplicate(conflict));
    EXPECT_EQ(dialog.CountLabel()->text(), QStringLiteral("The handset will hold 3 of 100 entries."));
    // Nothing reaches the caller's plan before Sync.
    EXPECT_TRUE(plan.changes[static_cast<std::size_t>(added)].include);
    EXPECT_EQ(plan.changes[static_cast<std::size_t>(conflict)].side, MergeSide::Computer);

    // Return in the list syncs.
    dialog.View()->setFocus();
    Press(Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(plan.changes[static_cast<std::size_t>(added)].include);
    EXPECT_EQ(plan.changes[static_cast<std::size_t>(conflict)].side, MergeSide::Handset);
    const std::vector<std::pair<std::string, std::string>> expected{
        {"Ana", "5550101"}, {"Ben", "5550299"}, {"Dan", "5550411"}};
    EXPECT_EQ(NamesAndNumbers(PhonebookMerge::Apply(plan)), expected);
}

TEST(SyncPreviewDialog, EscapeLeavesThePlanAsItWas)
{
    MergePlan plan = FourChanges();
    const MergePlan before = plan;
    SyncPreviewDialog dialog(plan);
    ShowActive(dialog);
    for (int row = 0; row < dialog.Model().rowCount(); ++row) {
        GoToRow(dialog.View(), row);
        Press(Qt::Key_Space);
        Press(Qt::Key_Left);
    }
    ASSERT_NE(NamesAndNumbers(PhonebookMerge::Apply(dialog.Model().Plan())),
              NamesAndNumbers(PhonebookMerge::Apply(before)));
    Press(Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    for (std::size_t i = 0; i < plan.changes.size(); ++i) {
        EXPECT_EQ(plan.changes[i].include, before.changes[i].include) << i;
        EXPECT_EQ(plan.changes[i].side, before.changes[i].side) << i;
    }
    EXPECT_EQ(NamesAndNumbers(PhonebookMerge::Apply(plan)), NamesAndNumbers(PhonebookMerge::Apply(before)));
}

TEST(SyncPreviewDialog, MoreThanAHundredEntriesDisableSyncUntilEnoughAreLeftOut)
{
    // A first sync of two books of 60 entries each with nothing in common: 120.
    Book handset;
    Book computer;
    for (int i = 0; i < 60; ++i) {
        handset.push_back(MakeEntry("Handset " + std::to_string(i), "555" + std::to_string(1000 + i)));
        computer.push_back(MakeEntry("Computer " + std::to_string(i), "555" + std::to_string(2000 + i)));
    }
    MergePlan plan = PhonebookMerge::Plan(nullptr, handset, computer);
    ASSERT_EQ(PhonebookMerge::Apply(plan).size(), 120u);

    SyncPreviewDialog dialog(plan);
    ShowActive(dialog);
    EXPECT_FALSE(dialog.SyncButton()->isEnabled());
    EXPECT_TRUE(dialog.CountLabel()->text().contains(QStringLiteral("120")));
    EXPECT_TRUE(dialog.CountLabel()->text().contains(QStringLiteral("at most 100")));
    EXPECT_NE(dialog.CountLabel()->palette().color(QPalette::WindowText), dialog.palette().color(QPalette::WindowText));
    // Return does not sync what the handset cannot hold.
    dialog.View()->setFocus();
    Press(Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());

    // Leaving out twenty of the computer's additions brings it to 100.
    int leftOut = 0;
    for (int row = 0; row < dialog.Model().rowCount() && leftOut < 20; ++row) {
        if (dialog.Model().Plan().changes[static_cast<std::size_t>(row)].computer) {
            GoToRow(dialog.View(), row);
            Press(Qt::Key_Space);
            ++leftOut;
        }
    }
    EXPECT_EQ(dialog.Model().ResultCount(), 100);
    EXPECT_TRUE(dialog.SyncButton()->isEnabled());
    EXPECT_EQ(dialog.CountLabel()->text(), QStringLiteral("The handset will hold 100 of 100 entries."));
    dialog.SyncButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(PhonebookMerge::Apply(plan).size(), 100u);
}

}  // namespace
