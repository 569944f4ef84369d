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
#include <QRadioButton>

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
    m_sourceLabel = new QLabel(tr("Import contacts &from:"), this);
    m_fromFile = new QRadioButton(tr("a file"), this);
    m_fromServer = new QRadioButton(tr("an address book on a server (CardDAV)"), this);
    m_fromFile->setAccessibleName(tr("Import contacts from a file"));
    m_fromServer->setAccessibleName(tr("Import contacts from an address book on a server (CardDAV)"));
    m_fromFile->setChecked(true);
    m_fileLabel = new QLabel(tr("Enter the filename of the contacts to import:"), this);
    m_file = new QLineEdit(this);
    m_file->setAccessibleName(tr("File name"));
    m_fileLabel->setBuddy(m_file);
    m_browse = new QPushButton(tr("Browse..."), this);
    m_browse->setAccessibleName(tr("Browse for the file"));
    connect(m_browse, &QPushButton::clicked, this, &ImportFilePage::OnBrowse);
    connect(m_fromFile, &QRadioButton::toggled, this, &ImportFilePage::ShowSource);
    layout->addWidget(m_sourceLabel, 0, 0, 1, 2);
    layout->addWidget(m_fromFile, 1, 0, 1, 2);
    layout->addWidget(m_fromServer, 2, 0, 1, 2);
    layout->setRowMinimumHeight(3, m_fileLabel->sizeHint().height());
    layout->addWidget(m_fileLabel, 4, 0, 1, 2);
    layout->addWidget(m_file, 5, 0);
    layout->addWidget(m_browse, 5, 1);
    layout->setRowStretch(6, 1);
    ShowSource();
}

bool ImportFilePage::FromServer() const
{
    return m_fromServer->isChecked();
}

void ImportFilePage::SetFromServer(bool server)
{
    (server ? m_fromServer : m_fromFile)->setChecked(true);
}

void ImportFilePage::ShowSource()
{
    const bool file = !FromServer();
    m_fileLabel->setEnabled(file);
    m_file->setEnabled(file);
    m_browse->setEnabled(file);
    // Alt and the label's letter lands on the choice made, where the arrow keys change it.
    m_sourceLabel->setBuddy(file ? m_fromFile : m_fromServer);
}

int ImportFilePage::nextId() const
{
    return FromServer() ? ImportExportWizard::kImportServerPage : ImportExportWizard::kImportMappingPage;
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
    // The server's page asks for what it needs itself.
    if (FromServer())
        return true;
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
