#include "core/phonebook/PhonebookBackups.h"

#include "core/phonebook/Phonebook.h"
#include "core/phonebook/PhonebookFile.h"
#include "core/phonebook/PhonebookTransfer.h"

#include "core/common/Cp1252.h"
#include "core/common/DocumentsFolder.h"
#include "core/common/PrivateFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace PhonebookBackups {

namespace {

const QString kFolderName = QStringLiteral("Backups");
const QString kSuffix = QStringLiteral(".opbk");
// "<name> 2026-12-08 17.05.09.opbk", and "<name> 2026-12-08 17.05.09 (2).opbk" within a second.
const QRegularExpression kBackupName(QStringLiteral(R"(^(.*) (\d{4}-\d\d-\d\d \d\d\.\d\d\.\d\d)(?: \((\d+)\))?\.opbk$)"));

// The handset's name as a file name: no slashes, no control characters, never empty.
QString FileSafe(const std::string& handsetName)
{
    QString name = Cp1252::ToUnicode(handsetName).trimmed();
    for (QChar& c : name)
        if (c == u'/' || c == u'\\' || c.unicode() < 0x20)
            c = u'_';
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("Handset");
    return name;
}

// By the time in the name, then by the number added within the same second.
bool NamedLater(const QString& a, const QString& b)
{
    const auto ma = kBackupName.match(a), mb = kBackupName.match(b);
    if (ma.captured(2) != mb.captured(2))
        return ma.captured(2) > mb.captured(2);
    return ma.captured(3).toInt() > mb.captured(3).toInt();
}

struct Backup {
    QString name;
    qint64 written;  // the file's modification time, in ms since the epoch
    // Written while the clock ran ahead of where it is now.
    bool ahead;
};

// The backups among `names` in `folder`, the last written first. Not by the times in their
// names, which are only what the local clock said: set back, it names every later backup before
// the ones it named while it ran ahead. The files' own times move with the clock just the same,
// so a backup dated after now was written while the clock ran ahead, and counts as older than
// any dated before now: each backup written since then replaces one of those first. Backups
// written within one tick of the clock go by their names.
std::vector<Backup> NewestWrittenFirst(const QDir& folder, const QStringList& names)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    std::vector<Backup> backups;
    for (const QString& name : names) {
        const qint64 written = QFileInfo(folder.filePath(name)).lastModified().toMSecsSinceEpoch();
        backups.push_back({name, written, written > now});
    }
    std::sort(backups.begin(), backups.end(), [](const Backup& a, const Backup& b) {
        if (a.ahead != b.ahead)
            return b.ahead;
        if (a.written != b.written)
            return a.written > b.written;
        return NamedLater(a.name, b.name);
    });
    return backups;
}

// The other backups in `folder` of the handset whose backup `kept` is: the same name, and the
// same identity (handsets left with the maker's name all share it), the last written first.
std::vector<Backup> OthersOfTheSameHandset(const QFileInfo& kept)
{
    const auto match = kBackupName.match(kept.fileName());
    if (!match.hasMatch())
        return {};
    Phonebook book;
    if (PhonebookFile::Load(kept.absoluteFilePath(), book) != Msg::Ok)
        return {};
    const HandsetIdentity identity = book.Identity();
    const QDir folder(kept.absolutePath());
    QStringList others;
    for (const QString& name : folder.entryList({QStringLiteral("*") + kSuffix}, QDir::Files)) {
        const auto m = kBackupName.match(name);
        if (!m.hasMatch() || m.captured(1) != match.captured(1) || name == kept.fileName())
            continue;
        Phonebook other;
        // One that cannot be read is nobody's to delete.
        if (PhonebookFile::Load(folder.filePath(name), other) == Msg::Ok && other.Identity() == identity)
            others.append(name);
    }
    return NewestWrittenFirst(folder, others);
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

QString Folder()
{
    const QString books = ProgramDocumentsFolder(Msg::MyPhonebooks);
    if (books.isEmpty())
        return {};
    // The books of the user's handsets, kept without asking: nobody else may read them.
    const QString folder = books + kFolderName;
    return MakePrivateFolder(folder) ? folder : QString();
}

QString PathFor(const QString& folder, const std::string& handsetName, const QDateTime& when)
{
    const QString stem = folder + u'/' + FileSafe(handsetName) + u' ' +
                         when.toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"));
    QString path = stem + kSuffix;
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = stem + QStringLiteral(" (%1)").arg(n) + kSuffix;
    return path;
}

Msg Make(ProgressDisplay* progress, QString* path, FileFailure* failure)
{
    Phonebook book;
    PhonebookTransfer transfer;
    transfer.SetProgressDialog(progress);
    if (const Msg m = transfer.ReceivePhonebook(book); m != Msg::Ok)
        return m;
    return Keep(book, transfer.HandsetName(), path, failure);
}

Msg Keep(const Phonebook& book, const std::string& handsetName, QString* path, FileFailure* failure)
{
    const QString folder = Folder();
    if (folder.isEmpty()) {
        if (failure)
            *failure = FileFailure::OfWrite(ProgramDocumentsFolder(Msg::MyPhonebooks) + kFolderName);
        return Msg::FileWriteFailed;
    }
    const QString file = PathFor(folder, handsetName, QDateTime::currentDateTime());
    if (const Msg m = PhonebookFile::Save(file, book, kPrivateFile, failure); m != Msg::Ok)
        return m;
    // The same book as the last backup (a send tried again, or cancelled before it cleared the
    // handset): that one serves, so that tries do not push the older books out.
    const std::vector<Backup> others = OthersOfTheSameHandset(QFileInfo(file));
    if (!others.empty()) {
        const QString last = QFileInfo(file).absoluteDir().filePath(others.front().name);
        if (Contents(last) == Contents(file)) {
            QFile::remove(file);
            if (path)
                *path = last;
            return Msg::Ok;
        }
    }
    if (path)
        *path = file;
    Prune(file);
    return Msg::Ok;
}

void Prune(const QString& path, int keep)
{
    const QFileInfo kept(path);
    if (!kBackupName.match(kept.fileName()).hasMatch())
        return;
    // Just written: the newest, whatever its name or its time say.
    if (kept.isFile())
        --keep;
    const std::vector<Backup> backups = OthersOfTheSameHandset(kept);
    for (std::size_t i = static_cast<std::size_t>(std::max(keep, 0)); i < backups.size(); ++i)
        QFile::remove(kept.absoluteDir().filePath(backups[i].name));
}

QStringList List()
{
    const QString books = ProgramDocumentsFolder(Msg::MyPhonebooks);
    const QDir folder(books + kFolderName);
    QStringList names;
    for (const QString& name : folder.entryList({QStringLiteral("*") + kSuffix}, QDir::Files))
        if (kBackupName.match(name).hasMatch())
            names.append(name);
    QStringList paths;
    for (const Backup& backup : NewestWrittenFirst(folder, names))
        paths.append(folder.filePath(backup.name));
    return paths;
}

QString PartialSendText(std::size_t sent, std::size_t total)
{
    return QCoreApplication::translate("PhonebookBackups",
                                       "The send did not finish: the handset now holds %1 of the %2 entries.")
        .arg(static_cast<qulonglong>(sent))
        .arg(static_cast<qulonglong>(total));
}

QString UnknownSendText(std::size_t sent, std::size_t total)
{
    return QCoreApplication::translate("PhonebookBackups",
                                       "The send did not finish, and the handset did not say what it holds now: its "
                                       "phone book may have been emptied (%1 of the %2 entries had been sent).")
        .arg(static_cast<qulonglong>(sent))
        .arg(static_cast<qulonglong>(total));
}

}  // namespace PhonebookBackups
