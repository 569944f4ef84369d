// Files that cannot be read or written, and damaged pictures: the window's engine and `dialbook`
// say the same sentence, naming the file and what is wrong with it.

#include "cli/ContactCommands.h"
#include "cli/PhonebookCommands.h"
#include "cli/PictureCommands.h"
#include "core/common/FileFailure.h"
#include "core/common/StringTable.h"
#include "core/common/UniqueFd.h"
#include "core/phonebook/Phonebook.h"
#include "core/phonebook/PhonebookFile.h"
#include "core/picture/ImageEditor.h"
#include "core/picture/ImageLoadRequest.h"
#include "core/picture/ImageLoadWorker.h"
#include "support/Captured.h"
#include "support/PhonebookHelpers.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace {

class FileFailures : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void Write(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    // A photo as a camera would have it: smooth colours over the whole frame.
    static QByteArray Photo(const char* format)
    {
        QImage photo(640, 480, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        photo.save(&buffer, format, 90);
        return bytes;
    }

    QTemporaryDir dir;
};

// What the process itself writes to its standard error meanwhile (libpng and libtiff write
// there past Qt).
class StandardError {
public:
    StandardError()
    {
        std::fflush(stderr);
        m_saved.Reset(::dup(STDERR_FILENO));
        ::dup2(::fileno(m_file.File()), STDERR_FILENO);
    }
    ~StandardError() { Restore(); }
    std::string Text()
    {
        Restore();
        return m_file.Text();
    }

private:
    void Restore()
    {
        if (!m_saved.IsValid())
            return;
        std::fflush(stderr);
        ::dup2(m_saved.Get(), STDERR_FILENO);
        m_saved.Reset();
    }
    Captured m_file;
    UniqueFd m_saved;
};

TEST_F(FileFailures, EveryBadPhonebookFileIsNamedWithWhatIsWrongWithIt)
{
    Phonebook book;
    book.SetIdentity({0x01020304, 0x0506});
    FillBook(book, 6);
    ASSERT_EQ(PhonebookFile::Save(Path("good.opbk"), book), Msg::Ok);
    QFile good(Path("good.opbk"));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray bytes = good.readAll();

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.opbk")));
    Write(Path("empty.opbk"), QByteArray());
    // A photo someone renamed, as a file manager lets them.
    Write(Path("photo.opbk"), Photo("JPEG"));
    // A copy that stopped halfway: the header still counts six entries.
    Write(Path("cut.opbk"), bytes.left(bytes.size() - 100));
    Write(Path("locked.opbk"), bytes);
    QFile::setPermissions(Path("locked.opbk"), QFileDevice::WriteOwner);
    // Root reads any file, whatever its permissions say.
    const bool canLock = ::geteuid() != 0;

    const struct {
        const char* name;
        FileFailure::Cause cause;
        const char* says;
    } cases[] = {
        {"missing.opbk", FileFailure::Cause::NotFound, "there is no such file."},
        {"folder.opbk", FileFailure::Cause::IsFolder, "is a folder, not a file."},
        {"empty.opbk", FileFailure::Cause::Empty, "the file is empty."},
        {"photo.opbk", FileFailure::Cause::NotPhonebookFile, "this is not a phone-book file."},
        {"cut.opbk", FileFailure::Cause::Truncated, "the file is damaged: it is cut short."},
        {"locked.opbk", FileFailure::Cause::PermissionDenied, "you are not permitted to read this file."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.cause == FileFailure::Cause::PermissionDenied && !canLock)
            continue;
        const QString path = Path(c.name);
        const std::string named = "\"" + path.toStdString() + "\"";
        const std::string expected = LoadString(Msg::FileReadFailed).toStdString() + "\n" + named;

        Phonebook into;
        FileFailure failure;
        EXPECT_EQ(PhonebookFile::Load(path, into, &failure), Msg::FileReadFailed);
        EXPECT_EQ(into.Count(), 0u);
        EXPECT_EQ(failure.GetCause(), c.cause);
        const std::string message = failure.Message(Msg::FileReadFailed).toStdString();
        EXPECT_EQ(message.rfind(expected, 0), 0u) << message;
        EXPECT_NE(message.find(c.says), std::string::npos) << message;

        // `dialbook show` and `dialbook push` say the same, word for word.
        for (const bool push : {false, true}) {
            Captured out, err;
            CommandConsole console;
            console.out = out.File();
            console.err = err.File();
            console.assumeYes = true;
            EXPECT_EQ(push ? RunPushCommand(console, path) : RunShowCommand(console, path), 1);
            EXPECT_EQ(err.Text(), message + "\n");
            EXPECT_TRUE(out.Text().empty());
        }
    }

    // Writing: into a folder that is not there, and over a folder.
    FileFailure failure;
    EXPECT_EQ(PhonebookFile::Save(Path("gone/book.opbk"), book, std::nullopt, &failure), Msg::FileWriteFailed);
    EXPECT_EQ(failure.Message(Msg::FileWriteFailed),
              QStringLiteral("Error: Could not write to the file.\n\"%1\": the folder it would go in does not exist.")
                  .arg(Path("gone/book.opbk")));
    Captured out, err;
    CommandConsole console;
    console.out = out.File();
    console.err = err.File();
    EXPECT_EQ(RunExportCommand(console, Path("good.opbk"), Path("folder.opbk")), 1);
    EXPECT_EQ(err.Text(), LoadString(Msg::CouldNotOpenFile).toStdString() + "\n\"" + Path("folder.opbk").toStdString() +
                              "\" is a folder, not a file.\n");
    // The good file is still read as it was.
    Phonebook back;
    EXPECT_EQ(PhonebookFile::Load(Path("good.opbk"), back), Msg::Ok);
    EXPECT_EQ(back.Count(), 6u);
}

TEST_F(FileFailures, PicturesThatCannotBeOpenedOrAreDamagedAreSaid)
{
    const QByteArray jpeg = Photo("JPEG");
    const QByteArray png = Photo("PNG");
    Write(Path("empty.jpg"), QByteArray());
    Write(Path("notes.png"), "Shopping: milk, bread\n");
    // An iPhone photo (HEIC) given a .jpg name: its first box says what it is.
    Write(Path("iphone.jpg"), QByteArray("\0\0\0\x18" "ftypheic\0\0\0\0mif1heic" "\0\0\0\x08" "free", 32));
    // Cut off halfway, as an interrupted download or a full card leaves them.
    Write(Path("cut.jpg"), jpeg.left(jpeg.size() / 2));
    Write(Path("cut.png"), png.left(png.size() / 2));

    const auto load = [](const QString& path, ImageEditor& editor) {
        ImageLoadRequest request;
        request.path = path;
        request.canvas = &editor;
        ImageLoadWorker::Run(request);
        return std::make_pair(request.result, request.failure);
    };
    const auto run = [](const QString& in, const QString& out, std::string& errText, std::string& rawStderr) {
        Captured o, e;
        CommandConsole console;
        console.out = o.File();
        console.err = e.File();
        StandardError raw;
        const int rc = RunPictureCommand(console, in, out, {});
        rawStderr = raw.Text();
        errText = e.Text();
        return rc;
    };

    const struct {
        const char* name;
        FileFailure::Cause cause;
        const char* says;
    } unusable[] = {
        {"empty.jpg", FileFailure::Cause::Empty, "the file is empty."},
        {"notes.png", FileFailure::Cause::NotAPicture, "this is not a picture in a format that can be opened (BMP, GIF, JPEG, PNG"},
        {"iphone.jpg", FileFailure::Cause::UnsupportedFormat, "pictures in the HEIC format cannot be opened, only BMP, GIF, JPEG"},
        // Qt reads no part of a PNG that is cut short.
        {"cut.png", FileFailure::Cause::Damaged, "the file is damaged."},
        {"missing.gif", FileFailure::Cause::NotFound, "there is no such file."},
    };
    for (const auto& c : unusable) {
        SCOPED_TRACE(c.name);
        const QString path = Path(c.name);
        ImageEditor editor;
        const auto [result, failure] = load(path, editor);
        EXPECT_NE(result, ImageEditor::kLoaded);
        EXPECT_FALSE(editor.HasImage());
        EXPECT_EQ(failure.GetCause(), c.cause);
        const std::string message = failure.Message(Msg::ImageNotLoaded).toStdString();
        EXPECT_EQ(message.rfind("Error: Image file could not be loaded.\n\"" + path.toStdString() + "\": " + c.says, 0), 0u)
            << message;

        std::string err, raw;
        EXPECT_EQ(run(path, Path("out.bmp"), err, raw), 1);
        EXPECT_EQ(err, message + "\n");
        EXPECT_EQ(raw, "");
    }
    EXPECT_FALSE(QFile::exists(Path("out.bmp")));

    // A JPEG cut short opens with what could be read, and is said to be damaged; libjpeg's own
    // words reach nobody.
    ImageEditor editor;
    const auto [result, failure] = load(Path("cut.jpg"), editor);
    EXPECT_EQ(result, ImageEditor::kLoaded);
    EXPECT_TRUE(editor.HasImage());
    EXPECT_EQ(editor.PictureSize(), QSize(640, 480));
    EXPECT_EQ(failure.GetCause(), FileFailure::Cause::PictureDamaged);
    const std::string damaged =
        "\"" + Path("cut.jpg").toStdString() + "\": the picture is damaged; the part that could be read is used.\n";
    EXPECT_EQ(failure.Text().toStdString() + "\n", damaged);

    std::string err, raw;
    EXPECT_EQ(run(Path("cut.jpg"), Path("cut.bmp"), err, raw), 0);
    EXPECT_EQ(err, damaged);
    EXPECT_EQ(raw, "");
    EXPECT_EQ(QImage(Path("cut.bmp")).size(), QSize(128, 128));

    // A whole picture says nothing.
    Write(Path("whole.jpg"), jpeg);
    EXPECT_EQ(run(Path("whole.jpg"), Path("whole.bmp"), err, raw), 0);
    EXPECT_EQ(err, "");
}

}  // namespace
