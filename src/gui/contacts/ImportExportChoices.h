#pragma once

#include "core/contacts/ImportFieldMap.h"

#include <QString>

// What the import/export wizard collected once it ends with Finish.
struct ImportExportChoices {
    enum Operation { kImport = 0, kExport = 1 };
    enum Scope { kSelected = 0, kAll = 1 };

    int operation = kImport;
    int exportScope = kSelected;
    QString exportFile;
    QString importFile;
    ImportFieldMap map;
};
