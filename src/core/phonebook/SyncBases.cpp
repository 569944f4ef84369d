#include "core/phonebook/SyncBases.h"

#include "core/phonebook/Phonebook.h"
#include "core/phonebook/PhonebookFile.h"

#include "core/common/Log.h"
#include "core/common/PrivateFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace SyncBases {

namespace {

QString HandsetFolder(const HandsetIdentity& handset)
{
    return Folder() + u'/' + QString::fromStdString(handset.ToHex());
}

// The same file by whatever path it is named: its canonical path, hashed so that any path
// gives a short, safe file name.
QString BookKey(const QString& bookPath)
{
    const QFileInfo info(bookPath);
    QString path = info.canonicalFilePath();
    if (path.isEmpty())
        path = info.absoluteFilePath();
    return QString::fromLatin1(QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(20));
}

}  // namespace

QString Folder()
{
    return ProgramStateFolder() + QStringLiteral("/sync");
}

QString PathFor(const HandsetIdentity& handset, const QString& bookPath)
{
    if (bookPath.isEmpty())
        return {};
    return HandsetFolder(handset) + u'/' + BookKey(bookPath) + QStringLiteral(".opbk");
}

bool Load(const HandsetIdentity& handset, const QString& bookPath, Phonebook& into)
{
    const QString path = PathFor(handset, bookPath);
    if (path.isEmpty() || !QFileInfo::exists(path))
        return false;
    FileFailure failure;
    if (PhonebookFile::Load(path, into, &failure) != Msg::Ok) {
        qCWarning(lcDialbook).noquote() << "sync base not read, taken as none:" << path << failure.Text();
        into.Clear();
        return false;
    }
    return true;
}

Msg Save(const Phonebook& book, const QString& bookPath, FileFailure* failure)
{
    const QString path = PathFor(book.Identity(), bookPath);
    if (path.isEmpty())
        return Msg::Ok;
    // Every folder of the program's state is the user's alone, not only the last one.
    const QString handsetFolder = HandsetFolder(book.Identity());
    if (!MakePrivateFolder(ProgramStateFolder()) || !MakePrivateFolder(Folder()) || !MakePrivateFolder(handsetFolder)) {
        if (failure)
            *failure = FileFailure::OfWrite(handsetFolder);
        return Msg::FileWriteFailed;
    }
    return PhonebookFile::Save(path, book, kPrivateFile, failure);
}

void Forget(const HandsetIdentity& handset)
{
    QDir(HandsetFolder(handset)).removeRecursively();
}

}  // namespace SyncBases
