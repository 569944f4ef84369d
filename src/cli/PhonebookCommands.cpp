#include "cli/PhonebookCommands.h"

#include "core/phonebook/PhonebookBackups.h"
#include "core/phonebook/PhonebookSend.h"

#include "cli/CancelOnInterrupt.h"
#include "cli/DevicesCommand.h"
#include "cli/TerminalProgress.h"

#include "core/common/Cp1252.h"
#include "core/common/ShellWord.h"
#include "core/common/StringTable.h"
#include "core/phonebook/Phonebook.h"
#include "core/phonebook/PhonebookFile.h"
#include "core/phonebook/PhonebookTransfer.h"
#include "core/transfer/HandsetInfoTransfer.h"
#include "core/transfer/HandsetOperation.h"

#include <QCoreApplication>

#include <cstring>
#include <optional>

int ReportFailure(const CommandConsole& console, Msg m, const FileFailure& failure)
{
    std::fprintf(console.err, "%s\n", qPrintable(failure.Message(m)));
    // The commonest cause on Linux: the handset is there, but this user may not open it.
    if (m == Msg::PhoneNotFound)
        ExplainDeniedHandset(console.err);
    return 1;
}

namespace {

bool Ask(const CommandConsole& console, const QString& question)
{
    if (console.assumeYes)
        return true;
    if (!console.canAsk) {
        std::fprintf(console.err, "%s\n%s\n", qPrintable(question),
                     qPrintable(QCoreApplication::translate(
                         "PhonebookCommands", "Not asked, since the input is not a terminal: taken as No. Add --yes to answer Yes.")));
        return false;
    }
    //: The answers to a question on the terminal: yes, or No, in capitals as the answer that
    //: Enter alone gives.
    std::fprintf(console.err, "%s %s ", qPrintable(question),
                 qPrintable(QCoreApplication::translate("PhonebookCommands", "[y/N]")));
    std::fflush(console.err);
    char line[64] = {};
    if (!std::fgets(line, sizeof line, console.in))
        return false;
    // "y" always answers yes, so that scripts and habits work in every language.
    const QString answer = QString::fromLocal8Bit(line).trimmed();
    //: The letter that answers yes to "[y/N]", the first letter of the word "yes".
    const QString yes = QCoreApplication::translate("PhonebookCommands", "y");
    return answer.startsWith(u'y', Qt::CaseInsensitive) || (!yes.isEmpty() && answer.startsWith(yes, Qt::CaseInsensitive));
}

// A transfer with a progress bar and Ctrl+C as its Cancel button.
class TransferSession {
public:
    explicit TransferSession(const CommandConsole& console)
        : m_progress(console.err, console.showProgress), m_interrupt(m_progress.CancelEvent())
    {
    }
    ProgressDisplay* Progress() { return &m_progress; }
    void Finish() { m_progress.Finish(); }

private:
    TerminalProgress m_progress;
    CancelOnInterrupt m_interrupt;
};

}  // namespace

int RunInfoCommand(const CommandConsole& console)
{
    if (ExplainDeniedHandset(console.err))
        return 1;
    TransferSession session(console);
    HandsetInfoTransfer transfer;
    transfer.SetProgressDialog(session.Progress());
    HandsetInfo info;
    const Msg m = HandsetOperation::Run(*session.Progress(), [&] { return transfer.GetInfo(info); });
    session.Finish();
    if (m != Msg::Ok)
        return ReportFailure(console, m);
    std::fprintf(console.out, "%s\n%s\n",
                 qPrintable(QCoreApplication::translate("PhonebookCommands", "Name: %1").arg(Cp1252::ToUnicode(info.name))),
                 qPrintable(QCoreApplication::translate("PhonebookCommands", "Identity: %1")
                                .arg(QString::fromStdString(info.identity.ToHex()))));
    return 0;
}

int RunPullCommand(const CommandConsole& console, const QString& path)
{
    TransferSession session(console);
    Phonebook book;
    PhonebookTransfer transfer;
    transfer.SetProgressDialog(session.Progress());
    const Msg received = HandsetOperation::Run(*session.Progress(), [&] { return transfer.ReceivePhonebook(book); });
    session.Finish();
    if (received != Msg::Ok)
        return ReportFailure(console, received);
    FileFailure failure;
    if (const Msg saved = PhonebookFile::Save(path, book, std::nullopt, &failure); saved != Msg::Ok)
        return ReportFailure(console, saved, failure);
    const int entryCount = static_cast<int>(book.Count());
    std::fprintf(console.out, "%s\n",
                 qPrintable(entryCount == 1 ? QCoreApplication::translate("PhonebookCommands", "Received 1 entry into %1").arg(path)
                                          : QCoreApplication::translate("PhonebookCommands", "Received %n entries into %1",
                                                                        nullptr, entryCount)
                                                .arg(path)));
    return 0;
}

int RunPushCommand(const CommandConsole& console, const QString& path, bool keepBackup)
{
    Phonebook file;
    FileFailure failure;
    if (const Msg m = PhonebookFile::Load(path, file, &failure); m != Msg::Ok)
        return ReportFailure(console, m, failure);
    PhonebookSend send(file);
    QString question = LoadString(Msg::ConfirmOverwriteHandset);
    // A book with nothing to send only empties the handset's: the question says how much goes.
    // With --yes nobody reads it, so the handset is not asked.
    if (send.Count() == 0 && !console.assumeYes) {
        TransferSession counting(console);
        const std::optional<std::size_t> holds = PhonebookSend::ReadHandsetCount(*counting.Progress());
        counting.Finish();
        if (send.EmptiesHandset(holds))
            question = PhonebookSend::EmptySendQuestion(holds);
    }
    if (!Ask(console, question))
        return 1;
    // With nothing complete to send, the question before has said so already.
    if (send.Count() > 0 && send.LeavesOutIncomplete() && !Ask(console, LoadString(Msg::ConfirmSkipIncomplete)))
        return 1;

    TransferSession session(console);
    const Msg sent = send.Run(*session.Progress(), keepBackup);
    session.Finish();
    if (sent == Msg::Cancelled && !send.Partial()) {
        ReportFailure(console, sent);
        std::fprintf(console.err, "%s\n",
                     qPrintable(QCoreApplication::translate("PhonebookCommands",
                                                            "Nothing was sent: the handset's phone book is as it was.")));
        return 1;
    }
    if (send.BackupFailed()) {
        std::fprintf(console.err, "%s\n",
                     qPrintable(QCoreApplication::translate(
                         "PhonebookCommands", "The handset's phone book could not be kept before the send, so nothing was sent.")));
        return ReportFailure(console, sent, send.BackupFailure());
    }
    if (!send.Backup().isEmpty())
        std::fprintf(console.out, "%s\n",
                     qPrintable(QCoreApplication::translate("PhonebookCommands", "Kept the handset's previous phone book in %1")
                                    .arg(send.Backup())));
    if (sent != Msg::Ok) {
        ReportFailure(console, sent);
        if (send.Partial()) {
            std::fprintf(console.err, "%s\n", qPrintable(send.PartialText()));
            if (!send.Backup().isEmpty())
                std::fprintf(console.err, "%s\n",
                             qPrintable(QCoreApplication::translate("PhonebookCommands",
                                                                    "To send its previous phone book back: %1")
                                            .arg(QStringLiteral("dialbook push ") +
                                                 QString::fromStdString(ShellWord(send.Backup().toStdString())))));
        }
        return 1;
    }
    const int sentCount = static_cast<int>(send.Count());
    std::fprintf(console.out, "%s\n",
                 qPrintable(sentCount == 1 ? QCoreApplication::translate("PhonebookCommands", "Sent 1 entry")
                                           : QCoreApplication::translate("PhonebookCommands", "Sent %n entries", nullptr,
                                                                         sentCount)));
    return 0;
}

int RunBackupsCommand(const CommandConsole& console)
{
    for (const QString& path : PhonebookBackups::List())
        std::fprintf(console.out, "%s\n", qPrintable(path));
    return 0;
}

int RunShowCommand(const CommandConsole& console, const QString& path)
{
    Phonebook book;
    FileFailure failure;
    if (const Msg m = PhonebookFile::Load(path, book, &failure); m != Msg::Ok)
        return ReportFailure(console, m, failure);
    std::fprintf(console.out, "Identity: %s\n", book.Identity().ToHex().c_str());
    for (std::size_t i = 0; i < book.Count(); ++i) {
        const PhonebookEntry* e = book.Entry(i);
        std::fprintf(console.out, "%s\t%s\n", qPrintable(Cp1252::ToUnicode(e->name)),
                     qPrintable(Cp1252::ToUnicode(e->number)));
    }
    return 0;
}
