#include "core/common/PasswordFile.h"

#include "core/common/ErrorText.h"
#include "core/common/ShellWord.h"
#include "core/common/UniqueFd.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstddef>
#include <span>

namespace {

// Any permission of the group's or the others' lets someone else read or change the password.
constexpr mode_t kGroupAndOthers = S_IRWXG | S_IRWXO;

// The command that makes `path` the user's alone, to paste as it is.
QString ChmodCommand(const QString& path)
{
    return QStringLiteral("chmod 600 ") + QString::fromStdString(ShellWord(QFile::encodeName(path).toStdString()));
}

QString CouldNotRead(const QString& shown, int error)
{
    return QCoreApplication::translate("PasswordFile", "\"%1\" could not be read: %2.")
        .arg(shown, QString::fromStdString(ErrorText(error)));
}

QString TooLarge(const QString& shown)
{
    return QCoreApplication::translate("PasswordFile",
                                       "\"%1\" is larger than %2 bytes; a password file holds the password on its "
                                       "first line.")
        .arg(shown)
        .arg(kMaxPasswordFileBytes);
}

// Reads all of `fd` into `bytes`, at most `bytes.size()`; the count read, or -1 with errno set.
ssize_t ReadAll(int fd, std::span<char> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(done);
}

}  // namespace

bool ReadPasswordFile(const QString& path, QString& password, QString& complaint)
{
    password.clear();
    complaint.clear();
    const QString shown = QDir::toNativeSeparators(path);
    // O_NONBLOCK: a named pipe given by mistake must not wait for a writer before it is refused.
    const UniqueFd fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat st {};
    if (!fd.IsValid() || ::fstat(fd.Get(), &st) != 0) {
        complaint = CouldNotRead(shown, errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        complaint = QCoreApplication::translate("PasswordFile",
                                                "\"%1\" is not a regular file. Give the password in a file of your "
                                                "own that only you may read (chmod 600).")
                        .arg(shown);
        return false;
    }
    if (st.st_uid != ::geteuid()) {
        complaint = QCoreApplication::translate("PasswordFile",
                                                "\"%1\" belongs to another user. Keep the password in a file of "
                                                "your own and make it yours alone with: chmod 600 FILE")
                        .arg(shown);
        return false;
    }
    if ((st.st_mode & kGroupAndOthers) != 0) {
        complaint = QCoreApplication::translate("PasswordFile",
                                                "\"%1\" may be read or changed by others than you, so its password "
                                                "is not used. Make it yours alone with: %2")
                        .arg(shown, ChmodCommand(path));
        return false;
    }
    if (st.st_size > kMaxPasswordFileBytes) {
        complaint = TooLarge(shown);
        return false;
    }

    // One byte more than the bound tells a file that grew since fstat.
    std::array<char, kMaxPasswordFileBytes + 1> bytes{};
    const ssize_t count = ReadAll(fd.Get(), bytes);
    if (count < 0) {
        complaint = CouldNotRead(shown, errno);
    } else if (count > kMaxPasswordFileBytes) {
        complaint = TooLarge(shown);
    } else {
        std::size_t end = 0;
        while (end < static_cast<std::size_t>(count) && bytes[end] != '\n')
            ++end;
        if (end > 0 && bytes[end - 1] == '\r')
            --end;
        QStringDecoder utf8(QStringDecoder::Utf8);
        QString line = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(end)));
        if (count == 0) {
            complaint = QCoreApplication::translate("PasswordFile",
                                                    "\"%1\" is empty; its first line should be the password.")
                            .arg(shown);
        } else if (end == 0) {
            complaint = QCoreApplication::translate("PasswordFile", "\"%1\" has no password on its first line.")
                            .arg(shown);
        } else if (utf8.hasError()) {
            complaint = QCoreApplication::translate("PasswordFile", "\"%1\": the first line is not UTF-8 text.")
                            .arg(shown);
        } else {
            password = std::move(line);
        }
    }
    // The copy the file left in memory goes now, not when the stack is reused.
    ::explicit_bzero(bytes.data(), bytes.size());
    return complaint.isEmpty();
}
