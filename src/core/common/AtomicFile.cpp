#include "core/common/AtomicFile.h"

#include <QSaveFile>

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error,
                         std::optional<QFileDevice::Permissions> permissions)
{
    QSaveFile file(path);
    const auto fail = [&] {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    };
    // Unbuffered: a buffered QSaveFile flushes inside commit() and does not notice a short write
    // (a full disk, a file size limit), so it would rename a cut-off file into place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail();
    // Set on the new file before anything is in it, so the bytes are never readable more widely;
    // the file it replaces, however wide its permissions, hands none of them on.
    if (permissions && !file.setPermissions(*permissions))
        return fail();
    if (file.write(bytes) != bytes.size())
        return fail();
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
