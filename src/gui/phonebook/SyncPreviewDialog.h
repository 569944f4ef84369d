#pragma once

#include "core/phonebook/MergePlan.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTreeView;
class SyncPreviewModel;

// "Sync with the Handset": the changes a sync would make, for the person to look over before
// anything is sent. Each change can be left out (its check box, or Space), and a conflict's
// version chosen (Left and Right, or F2 for a list). Under the list, the entries the handset
// will hold; over 100, Sync is disabled and the count says why.
//
// The dialog works on a copy of the plan: Sync writes the choices (each change's `include` and
// `side`) back into the plan given, Cancel and Escape leave it as it was. The caller then
// applies the plan. A plan without changes is shown too, saying so; whether to show it is the
// caller's choice.
class SyncPreviewDialog : public QDialog {
    Q_OBJECT
public:
    // `plan` must outlive the dialog. `intro`: a line above the list (by default one that says
    // whether this is the first sync); `note`: a line under the count, left out when empty (for
    // example which entries stay on the computer).
    explicit SyncPreviewDialog(MergePlan& plan, QWidget* parent = nullptr, const QString& intro = {},
                               const QString& note = {});

    // The copy being edited, as a table.
    SyncPreviewModel& Model() const { return *m_model; }
    QTreeView* View() const { return m_view; }
    QLabel* CountLabel() const { return m_count; }
    QPushButton* SyncButton() const { return m_sync; }
    QPushButton* CancelButton() const { return m_cancel; }

    // Writes the choices back and closes, unless the result holds more than the handset does.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowCount(int count);

    MergePlan& m_target;
    MergePlan m_plan;
    SyncPreviewModel* m_model = nullptr;
    QTreeView* m_view = nullptr;
    QLabel* m_count = nullptr;
    QPushButton* m_sync = nullptr;
    QPushButton* m_cancel = nullptr;
};
