#include "core/phonebook/SyncBases.h"

#include "core/phonebook/Phonebook.h"
#include "core/phonebook/PhonebookFile.h"

#include "core/common/Log.h"
#include "core/common/PrivateFolder.h"

#include <QFileInfo>

namespace SyncBases {

QString Folder()
{
    return ProgramStateFolder() + QStringLiteral("/sync");
}

QString PathFor(const HandsetIdentity& handset)
{
    return Folder() + u'/' + QString::fromStdString(handset.ToHex()) + QStringLiteral(".opbk");
}

bool Load(const HandsetIdentity& handset, Phonebook& into)
{
    const QString path = PathFor(handset);
    if (!QFileInfo::exists(path))
        return false;
    FileFailure failure;
    if (PhonebookFile::Load(path, into, &failure) != Msg::Ok) {
        qCWarning(lcDialbook) << "sync base not read, taken as none:" << path << failure.Text();
        into.Clear();
        return false;
    }
    return true;
}

Msg Save(const Phonebook& book, FileFailure* failure)
{
    const QString path = PathFor(book.Identity());
    // Both folders are the user's alone, not only the last one.
    if (!MakePrivateFolder(ProgramStateFolder()) || !MakePrivateFolder(Folder())) {
        if (failure)
            *failure = FileFailure::OfWrite(Folder());
        return Msg::FileWriteFailed;
    }
    return PhonebookFile::Save(path, book, kPrivateFile, failure);
}

}  // namespace SyncBases
