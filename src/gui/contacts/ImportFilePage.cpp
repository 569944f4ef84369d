#include "gui/contacts/ImportFilePage.h"

#include "gui/contacts/ImportExportWizard.h"
#include "gui/contacts/ImportMappingPage.h"
#include "gui/shell/UserPrompts.h"

#include "core/common/FileFailure.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

void Warn(QWidget* owner, const QString& text)
{
    UserPrompts::Current().Ask(owner, text, UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
}

}  // namespace

ImportFilePage::ImportFilePage(QWidget* parent) : QWizardPage(parent)
{
    setTitle(tr("Import Contacts"));
    auto* layout = new QGridLayout(this);
    auto* label = new QLabel(tr("Enter the filename of the contacts to import:"), this);
    m_file = new QLineEdit(this);
    label->setBuddy(m_file);
    auto* browse = new QPushButton(tr("Browse..."), this);
    connect(browse, &QPushButton::clicked, this, &ImportFilePage::OnBrowse);
    layout->addWidget(label, 0, 0, 1, 2);
    layout->addWidget(m_file, 1, 0);
    layout->addWidget(browse, 1, 1);
    layout->setRowStretch(2, 1);
}

QString ImportFilePage::FileName() const
{
    return m_file->text().trimmed();
}

void ImportFilePage::SetFileName(const QString& name)
{
    m_file->setText(name);
}

void ImportFilePage::OnBrowse()
{
    const QString name = UserPrompts::Current().OpenFileName(
        this, QString(), tr("Text and CSV Files (%1)").arg(QStringLiteral("*.txt *.csv")) + QStringLiteral(";;") +
                  tr("vCard Files (%1)").arg(QStringLiteral("*.vcf")) + QStringLiteral(";;") +
                  tr("All Files (%1)").arg(QStringLiteral("*")));
    if (!name.isEmpty())
        SetFileName(name);
}

bool ImportFilePage::validatePage()
{
    if (FileName().isEmpty()) {
        Warn(this, tr("No file specified.  Please enter the file name of the contacts to import."));
        return false;
    }
    if (!QFileInfo(FileName()).isFile()) {
        // Which file, and whether it is missing or a folder: "does not exist" would be wrong for
        // a folder.
        Warn(this, FileFailure::OfRead(FileName()).Message(Msg::CouldNotOpenFile));
        return false;
    }
    // The mapping page reads the file as it comes up; a file it cannot read keeps the wizard here.
    auto* wizard = qobject_cast<ImportExportWizard*>(this->wizard());
    return !wizard || wizard->MappingPage()->LoadFile(FileName());
}
