#include "core/phonebook/BookFolder.h"

#include "core/common/DocumentsFolder.h"

QString DefaultBookFolder()
{
    return ProgramDocumentsFolder(Msg::MyPhonebooks);
}
