#include "core/phonebook/PhonebookBackups.h"

#include "core/phonebook/PhonebookTransfer.h"

#include "core/common/Cp1252.h"
#include "core/common/DocumentsFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

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

// Newest first: by the time in the name, then by the number added within the same second.
bool Newer(const QString& a, const QString& b)
{
    const auto ma = kBackupName.match(a), mb = kBackupName.match(b);
    if (ma.captured(2) != mb.captured(2))
        return ma.captured(2) > mb.captured(2);
    return ma.captured(3).toInt() > mb.captured(3).toInt();
}

}  // namespace

QString Folder()
{
    const QString books = ProgramDocumentsFolder(Msg::MyPhonebooks);
    if (books.isEmpty())
        return {};
    const QString folder = books + kFolderName;
    return QDir().mkpath(folder) ? folder : QString();
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

Msg Make(ProgressDisplay* progress, QString* path)
{
    PhonebookTransfer book;
    book.SetProgressDialog(progress);
    if (const Msg m = book.ReceivePhonebook(); m != Msg::Ok)
        return m;
    const QString folder = Folder();
    if (folder.isEmpty())
        return Msg::FileWriteFailed;
    const QString file = PathFor(folder, book.HandsetName(), QDateTime::currentDateTime());
    if (const Msg m = book.SaveToFile(file); m != Msg::Ok)
        return m;
    if (path)
        *path = file;
    Prune(file);
    return Msg::Ok;
}

void Prune(const QString& path, int keep)
{
    const QFileInfo kept(path);
    const auto match = kBackupName.match(kept.fileName());
    if (!match.hasMatch())
        return;
    const QString handset = match.captured(1);
    QStringList same;
    for (const QString& name : QDir(kept.absolutePath()).entryList({QStringLiteral("*") + kSuffix}, QDir::Files)) {
        const auto m = kBackupName.match(name);
        if (m.hasMatch() && m.captured(1) == handset)
            same.append(name);
    }
    std::sort(same.begin(), same.end(), Newer);
    for (qsizetype i = keep; i < same.size(); ++i)
        QFile::remove(kept.absolutePath() + u'/' + same[i]);
}

QStringList List()
{
    const QString books = ProgramDocumentsFolder(Msg::MyPhonebooks);
    const QDir folder(books + kFolderName);
    QStringList names;
    for (const QString& name : folder.entryList({QStringLiteral("*") + kSuffix}, QDir::Files))
        if (kBackupName.match(name).hasMatch())
            names.append(name);
    std::sort(names.begin(), names.end(), Newer);
    QStringList paths;
    for (const QString& name : names)
        paths.append(folder.filePath(name));
    return paths;
}

QString PartialSendText(std::size_t sent, std::size_t total)
{
    return QStringLiteral("The send did not finish: the handset now holds %1 of the %2 entries.")
        .arg(static_cast<qulonglong>(sent))
        .arg(static_cast<qulonglong>(total));
}

}  // namespace PhonebookBackups
