#pragma once

#include "core/common/Msg.h"

#include <QCoreApplication>
#include <QString>

class QFileDevice;

// Why a file could not be read or written, or what is wrong with one that was read: the detail
// that goes under an operation's Msg, so that the user learns which file and what to do about it.
// Operations keep returning their Msg; those that touch files fill one of these beside it.
class FileFailure {
    Q_DECLARE_TR_FUNCTIONS(FileFailure)

public:
    enum class Cause {
        None,
        NotFound,
        FolderNotFound,    // a file to write, whose folder is missing
        IsFolder,
        Empty,
        NotPhonebookFile,
        Truncated,         // cut short: its header promises more than it holds
        Damaged,           // not usable as it is, for another reason than being cut short
        PermissionDenied,
        NotAPicture,
        UnsupportedFormat, // a picture, in a format no decoder here reads; the detail names it
        PictureDamaged,    // decoded with errors; what could be read is used
        TooLarge,          // a picture larger than this computer's memory holds
        NoColumns,         // a contacts file without a line of column headings
        TooManyColumns,    // a contacts file of more columns than an import maps; the detail is the most
        System,            // the system's own reason, in the detail
    };
    enum class Access { Read, Write };

    FileFailure() = default;
    FileFailure(QString path, Cause cause, Access access = Access::Read, QString detail = {});

    // Why `path` could not be opened or read: what the file system says about the path first (a
    // folder, missing, empty, not readable), else `file`'s error text, else the system's.
    static FileFailure OfRead(const QString& path, const QFileDevice* file = nullptr);
    // Why `path` could not be written, `reason` being what the writing said (QSaveFile's text).
    static FileFailure OfWrite(const QString& path, const QString& reason = {});

    bool IsSet() const { return m_cause != Cause::None; }
    Cause GetCause() const { return m_cause; }
    const QString& Path() const { return m_path; }
    const QString& Detail() const { return m_detail; }

    // One sentence naming the file and the cause.
    QString Text() const;
    // The table's text for `m`, then this sentence on a line of its own when there is one.
    QString Message(Msg m) const;

    // The picture formats this program opens, by their usual names ("BMP, GIF, JPEG, ...").
    static QString PictureFormats();

private:
    QString m_path;
    Cause m_cause = Cause::None;
    Access m_access = Access::Read;
    QString m_detail;
};
