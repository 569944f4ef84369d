#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;

// Changes the target of one column of a contacts file: phone number, first or last part of
// the name, or (nothing checked) not imported. A target another column holds cannot be
// checked here, and the dialog says which column holds it.
class ChangeMapDialog : public QDialog {
    Q_OBJECT
public:
    ChangeMapDialog(const QString& header, QWidget* parent);

    // Before showing: `target` is held by the column named `holder`.
    void SetTaken(int target, const QString& holder);
    void SetChecked(int target, bool checked);
    // The checked target, or -1 when none is.
    int CheckedTarget() const;
    QCheckBox* Box(int target) const { return m_boxes[static_cast<std::size_t>(target)]; }
    QLabel* TakenNote() const { return m_takenNote; }

private:
    void OnToggled(int target, bool checked);

    std::array<QCheckBox*, 3> m_boxes{};
    QLabel* m_takenNote = nullptr;
};
