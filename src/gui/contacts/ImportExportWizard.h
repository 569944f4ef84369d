#pragma once

#include "gui/contacts/ImportExportChoices.h"

#include "core/phonebook/PhonebookLimits.h"

#include <QWizard>

class ChooseOperationPage;
class ExportPage;
class ImportFilePage;
class ImportIntroPage;
class ImportMappingPage;
class ImportServerPage;

// Imports contacts from a comma-delimited or vCard file, or from an address book on a CardDAV
// server, into the open phone book, or exports the phone book's contacts to a file. The wizard only collects the choices; the phone-book page
// acts on them after Finish.
class ImportExportWizard : public QWizard {
    Q_OBJECT
public:
    enum PageId {
        kChooseOperationPage,
        kExportPage,
        kImportIntroPage,
        kImportFilePage,
        kImportMappingPage,
        kImportServerPage
    };

    // `room`: the entries the open book can still take.
    explicit ImportExportWizard(QWidget* parent = nullptr, int room = static_cast<int>(MAX_PHONEBOOK_ENTRIES));

    ImportExportChoices Choices() const;
    // The entries an export would write: those selected and all of them.
    void SetExportCounts(int selected, int all);

    ChooseOperationPage* OperationPage() const { return m_operation; }
    ExportPage* ExportOptionsPage() const { return m_export; }
    ImportFilePage* FilePage() const { return m_file; }
    ImportServerPage* ServerPage() const { return m_server; }
    ImportMappingPage* MappingPage() const { return m_mapping; }

private:
    static constexpr int kMinimumWidth = 620;
    static constexpr int kMinimumHeight = 720;

    ChooseOperationPage* m_operation;
    ExportPage* m_export;
    ImportIntroPage* m_intro;
    ImportFilePage* m_file;
    ImportServerPage* m_server;
    ImportMappingPage* m_mapping;
};
