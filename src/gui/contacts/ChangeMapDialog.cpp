#include "gui/contacts/ChangeMapDialog.h"

#include "core/contacts/ImportFieldMap.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

ChangeMapDialog::ChangeMapDialog(const QString& header, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Change Mapping"));
    auto* layout = new QVBoxLayout(this);
    auto* field = new QLabel(tr("Text Field: %1").arg(header), this);
    field->setTextFormat(Qt::PlainText);
    layout->addWidget(field);
    for (int t = ImportFieldMap::kPhoneNumber; t <= ImportFieldMap::kLastName; ++t) {
        auto* box = new QCheckBox(ImportFieldMap::ChoiceLabel(t), this);
        m_boxes[static_cast<std::size_t>(t)] = box;
        layout->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this, t](bool on) { OnToggled(t, on); });
    }
    m_takenNote = new QLabel(this);
    m_takenNote->setWordWrap(true);
    m_takenNote->setTextFormat(Qt::PlainText);
    m_takenNote->hide();
    layout->addWidget(m_takenNote);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void ChangeMapDialog::SetTaken(int target, const QString& holder)
{
    QCheckBox* box = m_boxes[static_cast<std::size_t>(target)];
    box->setEnabled(false);
    const QString why = tr("\u201c%1\u201d is mapped from \u201c%2\u201d. Set that row to none first to map it here.")
                            .arg(ImportFieldMap::ChoiceLabel(target), holder);
    box->setToolTip(why);
    m_takenNote->setText(m_takenNote->text().isEmpty() ? why : m_takenNote->text() + u'\n' + why);
    m_takenNote->show();
}

void ChangeMapDialog::SetChecked(int target, bool checked)
{
    m_boxes[static_cast<std::size_t>(target)]->setChecked(checked);
}

int ChangeMapDialog::CheckedTarget() const
{
    for (int t = 0; t < 3; ++t)
        if (m_boxes[static_cast<std::size_t>(t)]->isChecked())
            return t;
    return -1;
}

// At most one box: checking one clears the others; all may be left clear.
void ChangeMapDialog::OnToggled(int target, bool checked)
{
    if (!checked)
        return;
    for (int t = 0; t < 3; ++t)
        if (t != target)
            m_boxes[static_cast<std::size_t>(t)]->setChecked(false);
}
