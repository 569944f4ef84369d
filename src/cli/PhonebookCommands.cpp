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
        std::fprintf(console.err, "%s\nNot asked, since the input is not a terminal: taken as No. Add --yes to answer Yes.\n",
                     qPrintable(question));
        return false;
    }
    std::fprintf(console.err, "%s [y/N] ", qPrintable(question));
    std::fflush(console.err);
    char line[64] = {};
    if (!std::fgets(line, sizeof line, console.in))
        return false;
    return line[0] == 'y' || line[0] == 'Y';
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
    std::fprintf(console.out, "Name: %s\nIdentity: %s\n", qPrintable(Cp1252::ToUnicode(info.name)),
                 info.identity.ToHex().c_str());
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
    std::fprintf(console.out, "Received %zu entries into %s\n", book.Count(), qPrintable(path));
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
    if (send.LeavesOutIncomplete() && !Ask(console, LoadString(Msg::ConfirmSkipIncomplete)))
        return 1;

    TransferSession session(console);
    const Msg sent = send.Run(*session.Progress(), keepBackup);
    session.Finish();
    if (sent == Msg::Cancelled && !send.Partial()) {
        ReportFailure(console, sent);
        std::fprintf(console.err, "Nothing was sent: the handset's phone book is as it was.\n");
        return 1;
    }
    if (send.BackupFailed()) {
        std::fprintf(console.err, "The handset's phone book could not be kept before the send, so nothing was sent.\n");
        return ReportFailure(console, sent, send.BackupFailure());
    }
    if (!send.Backup().isEmpty())
        std::fprintf(console.out, "Kept the handset's previous phone book in %s\n", qPrintable(send.Backup()));
    if (sent != Msg::Ok) {
        ReportFailure(console, sent);
        if (send.Partial()) {
            std::fprintf(console.err, "%s\n", qPrintable(send.PartialText()));
            if (!send.Backup().isEmpty())
                std::fprintf(console.err, "To send its previous phone book back: dialbook push %s\n",
                             ShellWord(send.Backup().toStdString()).c_str());
        }
        return 1;
    }
    std::fprintf(console.out, "Sent %zu entries\n", send.Count());
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
