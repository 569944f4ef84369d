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

const char* const kNoFile = "No file specified.  Please enter the file name of the contacts to import.";
const char* const kNoSuchFile = "Error: File does not exist.";

void Warn(QWidget* owner, const char* text)
{
    UserPrompts::Current().Ask(owner, QString::fromLatin1(text), UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
}

}  // namespace

ImportFilePage::ImportFilePage(QWidget* parent) : QWizardPage(parent)
{
    setTitle(QStringLiteral("Import Contacts"));
    auto* layout = new QGridLayout(this);
    auto* label = new QLabel(QStringLiteral("Enter the filename of the contacts to import:"), this);
    m_file = new QLineEdit(this);
    label->setBuddy(m_file);
    auto* browse = new QPushButton(QStringLiteral("Browse..."), this);
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
        this, QString(), QStringLiteral("Text and CSV Files (*.txt *.csv);;vCard Files (*.vcf);;All Files (*)"));
    if (!name.isEmpty())
        SetFileName(name);
}

bool ImportFilePage::validatePage()
{
    if (FileName().isEmpty()) {
        Warn(this, kNoFile);
        return false;
    }
    if (!QFileInfo(FileName()).isFile()) {
        // Which file, and whether it is missing or a folder.
        UserPrompts::Current().Ask(this, QString::fromLatin1(kNoSuchFile) + u'\n' + FileFailure::OfRead(FileName()).Text(),
                                   UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
        return false;
    }
    // The mapping page reads the file as it comes up; a file it cannot read keeps the wizard here.
    auto* wizard = qobject_cast<ImportExportWizard*>(this->wizard());
    return !wizard || wizard->MappingPage()->LoadFile(FileName());
}
