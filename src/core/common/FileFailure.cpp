#include "core/common/FileFailure.h"

#include "core/common/ErrorText.h"
#include "core/common/StringTable.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QImageReader>

#include <cerrno>
#include <utility>

FileFailure::FileFailure(QString path, Cause cause, Access access, QString detail)
    : m_path(std::move(path)), m_cause(cause), m_access(access), m_detail(std::move(detail))
{
}

FileFailure FileFailure::OfRead(const QString& path, const QFileDevice* file)
{
    // Taken before anything else here can change it.
    const int error = errno;
    const QFileInfo info(path);
    if (info.isDir())
        return {path, Cause::IsFolder};
    if (!info.exists())
        return {path, Cause::NotFound};
    if (!info.isReadable())
        return {path, Cause::PermissionDenied};
    // A pipe or a device is never read as a file.
    if (!info.isFile())
        return {path, Cause::System, Access::Read, tr("it is not a regular file")};
    if (info.size() == 0)
        return {path, Cause::Empty};
    QString reason = file ? file->errorString() : QString();
    if (reason.isEmpty() || reason == QLatin1String("Unknown error"))
        reason = QString::fromStdString(ErrorText(error != 0 ? error : EIO));
    return {path, Cause::System, Access::Read, reason};
}

FileFailure FileFailure::OfWrite(const QString& path, const QString& reason)
{
    const int error = errno;
    const QFileInfo info(path);
    if (info.isDir())
        return {path, Cause::IsFolder, Access::Write};
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists())
        return {path, Cause::FolderNotFound, Access::Write};
    if (!folder.isWritable() || (info.exists() && !info.isWritable()))
        return {path, Cause::PermissionDenied, Access::Write};
    QString why = reason;
    if (why.isEmpty() || why == QLatin1String("Unknown error"))
        why = QString::fromStdString(ErrorText(error != 0 ? error : EIO));
    return {path, Cause::System, Access::Write, why};
}

QString FileFailure::PictureFormats()
{
    // In the order shown, each with the names its decoder goes by.
    static const struct {
        const char* name;
        const char* key;
    } kFormats[] = {
        {"BMP", "bmp"}, {"GIF", "gif"}, {"JPEG", "jpeg"}, {"PNG", "png"},
        {"TIFF", "tiff"}, {"WebP", "webp"}, {"SVG", "svg"},
    };
    const QList<QByteArray> supported = QImageReader::supportedImageFormats();
    QStringList names;
    for (const auto& f : kFormats) {
        if (supported.contains(QByteArray(f.key)))
            names.append(QLatin1String(f.name));
    }
    return names.join(QStringLiteral(", "));
}

QString FileFailure::Text() const
{
    const QString path = QDir::toNativeSeparators(m_path);
    const bool writing = m_access == Access::Write;
    switch (m_cause) {
    case Cause::None: return QString();
    case Cause::NotFound: return tr("\"%1\": there is no such file.").arg(path);
    case Cause::FolderNotFound: return tr("\"%1\": the folder it would go in does not exist.").arg(path);
    case Cause::IsFolder: return tr("\"%1\" is a folder, not a file.").arg(path);
    case Cause::Empty: return tr("\"%1\": the file is empty.").arg(path);
    case Cause::NotPhonebookFile: return tr("\"%1\": this is not a phone-book file.").arg(path);
    case Cause::Truncated: return tr("\"%1\": the file is damaged: it is cut short.").arg(path);
    case Cause::Damaged: return tr("\"%1\": the file is damaged.").arg(path);
    case Cause::PermissionDenied:
        return writing ? tr("\"%1\": you are not permitted to write this file.").arg(path)
                       : tr("\"%1\": you are not permitted to read this file.").arg(path);
    case Cause::NotAPicture:
        return tr("\"%1\": this is not a picture in a format that can be opened (%2).").arg(path, PictureFormats());
    case Cause::UnsupportedFormat:
        return tr("\"%1\": pictures in the %2 format cannot be opened, only %3.").arg(path, m_detail, PictureFormats());
    case Cause::PictureDamaged:
        return tr("\"%1\": the picture is damaged; the part that could be read is used.").arg(path);
    case Cause::TooLarge: return tr("\"%1\": the picture is too large for this computer's memory.").arg(path);
    case Cause::NoColumns: return tr("\"%1\": the file has no line of column headings.").arg(path);
    case Cause::TooManyColumns:
        return tr("\"%1\": the file has more columns than an import can take (%2 at most).").arg(path, m_detail);
    case Cause::System:
        return writing ? tr("\"%1\" could not be written: %2.").arg(path, m_detail)
                       : tr("\"%1\" could not be read: %2.").arg(path, m_detail);
    }
    return QString();
}

QString FileFailure::Message(Msg m) const
{
    const QString message = LoadString(m);
    if (!IsSet())
        return message;
    return tr("%1\n%2").arg(message, Text());
}
