#include "gui/contacts/ChooseOperationPage.h"

#include "gui/contacts/ImportExportChoices.h"
#include "gui/contacts/ImportExportWizard.h"

#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

ChooseOperationPage::ChooseOperationPage(QWidget* parent) : QWizardPage(parent)
{
    setTitle(tr("Import/Export"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Select the operation to perform:"), this));
    m_import = new QRadioButton(tr("Import contacts from a comma delimited text file."), this);
    m_export = new QRadioButton(tr("Export contacts to a comma delimited text file."), this);
    m_import->setChecked(true);
    layout->addWidget(m_import);
    layout->addWidget(m_export);
    layout->addStretch();
}

int ChooseOperationPage::Operation() const
{
    return m_export->isChecked() ? ImportExportChoices::kExport : ImportExportChoices::kImport;
}

void ChooseOperationPage::SetOperation(int operation)
{
    (operation == ImportExportChoices::kExport ? m_export : m_import)->setChecked(true);
}

int ChooseOperationPage::nextId() const
{
    return Operation() == ImportExportChoices::kExport ? ImportExportWizard::kExportPage : ImportExportWizard::kImportIntroPage;
}
