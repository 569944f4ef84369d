#pragma once

#include "core/contacts/ContactImport.h"

#include <QString>

#include <memory>
#include <vector>

// What the import/export wizard collected once it ends with Finish.
struct ImportExportChoices {
    enum Operation { kImport = 0, kExport = 1 };
    enum Scope { kSelected = 0, kAll = 1 };

    int operation = kImport;
    int exportScope = kSelected;
    QString exportFile;
    QString importFile;
    ImportOptions importOptions;
    // The mapping page's reading of the file, and the contacts chosen from it. Without a
    // reading, Finish reads `importFile` itself and takes every contact.
    std::shared_ptr<const ContactList> contacts;
    std::vector<int> chosen;
};
