#include "gui/contacts/ImportExportWizard.h"

#include "gui/contacts/ChooseOperationPage.h"
#include "gui/contacts/ExportPage.h"
#include "gui/contacts/ImportFilePage.h"
#include "gui/contacts/ImportIntroPage.h"
#include "gui/contacts/ImportMappingPage.h"
#include "gui/contacts/ImportServerPage.h"

ImportExportWizard::ImportExportWizard(QWidget* parent, int room)
    : QWizard(parent),
      m_operation(new ChooseOperationPage(this)),
      m_export(new ExportPage(this)),
      m_intro(new ImportIntroPage(this)),
      m_file(new ImportFilePage(this)),
      m_server(new ImportServerPage(this)),
      m_mapping(new ImportMappingPage(this))
{
    setWindowTitle(QString());
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage);
    setPage(kChooseOperationPage, m_operation);
    setPage(kExportPage, m_export);
    setPage(kImportIntroPage, m_intro);
    setPage(kImportFilePage, m_file);
    setPage(kImportServerPage, m_server);
    setPage(kImportMappingPage, m_mapping);
    setStartId(kChooseOperationPage);
    m_mapping->SetRoom(room);
    // Room for the mapping and the list of contacts under it.
    resize(sizeHint().expandedTo(QSize(kMinimumWidth, kMinimumHeight)));
}

ImportExportChoices ImportExportWizard::Choices() const
{
    ImportExportChoices c;
    c.operation = m_operation->Operation();
    c.exportScope = m_export->Scope();
    c.exportFile = m_export->FileName();
    // The server's cards are in the mapping page's reading; no file is to be read for them.
    c.importFile = m_file->FromServer() ? QString() : m_file->FileName();
    c.importOptions = m_mapping->Options();
    c.contacts = m_mapping->Contacts();
    c.chosen = m_mapping->Chosen();
    return c;
}

void ImportExportWizard::SetExportCounts(int selected, int all)
{
    m_export->SetCounts(selected, all);
}
