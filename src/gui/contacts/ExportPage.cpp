#include "gui/contacts/ExportPage.h"

#include "gui/contacts/ImportExportChoices.h"
#include "gui/shell/UserPrompts.h"

#include "core/common/StringTable.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {


}  // namespace

ExportPage::ExportPage(QWidget* parent) : QWizardPage(parent)
{
    setTitle(tr("Export Contacts"));
    auto* layout = new QGridLayout(this);
    m_selected = new QRadioButton(tr("Export selected contact(s)"), this);
    m_all = new QRadioButton(tr("Export all contacts"), this);
    m_selected->setChecked(true);
    layout->addWidget(m_selected, 0, 0, 1, 2);
    layout->addWidget(m_all, 1, 0, 1, 2);
    auto* label = new QLabel(tr("File name:"), this);
    m_file = new QLineEdit(this);
    label->setBuddy(m_file);
    auto* browse = new QPushButton(tr("Browse..."), this);
    connect(browse, &QPushButton::clicked, this, &ExportPage::OnBrowse);
    layout->addWidget(label, 2, 0, 1, 2);
    layout->addWidget(m_file, 3, 0);
    layout->addWidget(browse, 3, 1);
    layout->setRowStretch(4, 1);
    setFinalPage(true);
}

int ExportPage::Scope() const
{
    return m_all->isChecked() ? ImportExportChoices::kAll : ImportExportChoices::kSelected;
}

void ExportPage::SetScope(int scope)
{
    (scope == ImportExportChoices::kAll ? m_all : m_selected)->setChecked(true);
}

void ExportPage::SetCounts(int selected, int all)
{
    m_selectedCount = selected;
    m_allCount = all;
    m_selected->setEnabled(selected != 0);
    SetScope(selected != 0 ? ImportExportChoices::kSelected : ImportExportChoices::kAll);
}

QString ExportPage::FileName() const
{
    return m_file->text().trimmed();
}

void ExportPage::SetFileName(const QString& name)
{
    m_file->setText(name);
}

void ExportPage::OnBrowse()
{
    // No overwrite question here: Finish asks it.
    const QString name = UserPrompts::Current().SaveFileName(
        this, FileName(),
        tr("Text File (%1)").arg(QStringLiteral("*.txt *.csv")) + QStringLiteral(";;") +
            tr("vCard File (%1)").arg(QStringLiteral("*.vcf")),
        QStringLiteral("txt"), false);
    if (!name.isEmpty())
        SetFileName(name);
}

bool ExportPage::validatePage()
{
    auto& prompts = UserPrompts::Current();
    // The export would write nothing: the wizard stays open, so another choice can be made.
    if ((Scope() == ImportExportChoices::kAll ? m_allCount : m_selectedCount) == 0) {
        prompts.Ask(this, LoadString(Msg::NoRecordsToWrite), UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
        return false;
    }
    if (FileName().isEmpty()) {
        prompts.Ask(this, tr("No file specified.  Please enter a file name to export the data to."), UserPrompts::Buttons::Ok,
                    UserPrompts::Icon::Warning);
        return false;
    }
    if (QFileInfo::exists(FileName()))
        return prompts.Ask(this, tr("File already exists.  Do you want to overwrite it?"), UserPrompts::Buttons::YesNo,
                           UserPrompts::Icon::Warning) == UserPrompts::Answer::Yes;
    return true;
}
