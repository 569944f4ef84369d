#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;

// Changes the target of one column of a contacts file: phone number, first or last part of
// the name, or (nothing checked) not imported. Targets that other columns hold are disabled.
class ChangeMapDialog : public QDialog {
    Q_OBJECT
public:
    ChangeMapDialog(const QString& header, QWidget* parent);

    // Before showing: a target another column holds cannot be chosen here.
    void SetEnabled(int target, bool enabled);
    void SetChecked(int target, bool checked);
    // The checked target, or -1 when none is.
    int CheckedTarget() const;
    QCheckBox* Box(int target) const { return m_boxes[static_cast<std::size_t>(target)]; }

private:
    void OnToggled(int target, bool checked);

    std::array<QCheckBox*, 3> m_boxes{};
};
