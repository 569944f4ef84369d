#include "core/phonebook/PhonebookRecovery.h"

#include "core/phonebook/PhonebookFile.h"

#include "core/common/PrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace PhonebookRecovery {

QString Path()
{
    return ProgramStateFolder() + QStringLiteral("/recovery.opbk");
}

bool Exists()
{
    return QFileInfo(Path()).isFile();
}

Msg Write(const Phonebook& book)
{
    // The book is the user's own: nobody else may read it, nor even see that it is there.
    const QString path = Path();
    if (!MakePrivateFolder(QFileInfo(path).absolutePath()))
        return Msg::FileWriteFailed;
    return PhonebookFile::Save(path, book, kPrivateFile);
}

void Remove()
{
    QFile::remove(Path());
}

}  // namespace PhonebookRecovery
