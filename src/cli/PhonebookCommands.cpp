#include "cli/PhonebookCommands.h"

#include "core/phonebook/PhonebookBackups.h"
#include "core/phonebook/PhonebookSend.h"
#include "core/phonebook/PhonebookSync.h"

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

#include <algorithm>
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

void PrintLine(std::FILE* stream, const QString& text)
{
    std::fprintf(stream, "%s\n", qPrintable(text));
}

// What a send did, as push and sync say it: the backup kept, or why nothing or only part of the
// book was sent, with the command that puts the kept book back. True when the send finished.
bool ReportSend(const CommandConsole& console, const PhonebookSend& send, Msg sent)
{
    if (sent == Msg::Cancelled && !send.Partial()) {
        ReportFailure(console, sent);
        PrintLine(console.err, QCoreApplication::translate(
                                   "PhonebookCommands", "Nothing was sent: the handset's phone book is as it was."));
        return false;
    }
    if (send.BackupFailed()) {
        PrintLine(console.err, QCoreApplication::translate("PhonebookCommands",
                                                           "The handset's phone book could not be kept before the "
                                                           "send, so nothing was sent."));
        ReportFailure(console, sent, send.BackupFailure());
        return false;
    }
    if (!send.Backup().isEmpty())
        PrintLine(console.out,
                  QCoreApplication::translate("PhonebookCommands", "Kept the handset's previous phone book in %1")
                      .arg(send.Backup()));
    if (sent == Msg::Ok)
        return true;
    ReportFailure(console, sent);
    if (send.Partial()) {
        PrintLine(console.err, send.PartialText());
        if (!send.Backup().isEmpty())
            PrintLine(console.err,
                      QCoreApplication::translate("PhonebookCommands", "To send its previous phone book back: %1")
                          .arg(QStringLiteral("dialbook push ") +
                               QString::fromStdString(ShellWord(send.Backup().toStdString()))));
    }
    return false;
}

void PrintSent(const CommandConsole& console, std::size_t count)
{
    const int n = static_cast<int>(count);
    QString sent = QCoreApplication::translate("PhonebookCommands", "Sent %n entries", nullptr, n);
    if (n == 1)
        sent = QCoreApplication::translate("PhonebookCommands", "Sent 1 entry");
    PrintLine(console.out, sent);
}

// The kind of each change, then what it was, in columns as wide as the widest kind.
void PrintPlan(const CommandConsole& console, const PhonebookSync& sync, const QString& path)
{
    const MergePlan& plan = sync.Plan();
    if (plan.firstSync)
        //: %1: the phone-book file synced with the handset.
        PrintLine(console.out, QCoreApplication::translate("PhonebookCommands",
                                                           "No earlier sync of this handset with %1 is known: the "
                                                           "entries of both are kept, and nothing is deleted.")
                                   .arg(path));
    qsizetype width = 0;
    for (const MergeKind kind : {MergeKind::Added, MergeKind::Changed, MergeKind::Deleted, MergeKind::KeptOverDelete,
                                 MergeKind::Conflict})
        width = std::max(width, PhonebookSync::KindText(kind).size());
    for (const MergeChange& change : plan.changes)
        PrintLine(console.out, PhonebookSync::KindText(change.kind).leftJustified(width + 2) +
                                   PhonebookSync::ChangeText(plan, change));
    const std::size_t merged = sync.Merged().Count();
    PrintLine(console.out, PhonebookSync::SummaryText(plan, merged));
    const int incomplete = static_cast<int>(sync.KeptOnComputer());
    if (incomplete > 0)
        PrintLine(console.out, QCoreApplication::translate(
                                   "PhonebookCommands",
                                   "%n entries without a name or a number stay in the computer's book and are not sent.",
                                   nullptr, incomplete));
}

int KeepBase(const CommandConsole& console, const PhonebookSync& sync)
{
    FileFailure failure;
    const Msg kept = sync.KeepBase(&failure);
    if (kept == Msg::Ok)
        return 0;
    ReportFailure(console, kept, failure);
    PrintLine(console.err, QCoreApplication::translate("PhonebookCommands",
                                                       "The merged phone book was not kept as the base of the next "
                                                       "sync."));
    return 1;
}

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
    if (!ReportSend(console, send, sent))
        return 1;
    PrintSent(console, send.Count());
    return 0;
}

int RunSyncCommand(const CommandConsole& console, const QString& path, const SyncRequest& request)
{
    Phonebook file;
    FileFailure failure;
    if (const Msg m = PhonebookFile::Load(path, file, &failure); m != Msg::Ok)
        return ReportFailure(console, m, failure);
    PhonebookSync sync(file, path, request.prefer);
    {
        TransferSession session(console);
        const Msg received = sync.Receive(*session.Progress());
        session.Finish();
        if (received != Msg::Ok)
            return ReportFailure(console, received);
    }
    if (sync.TooMany()) {
        PrintLine(console.err, sync.TooManyText());
        return 1;
    }
    PrintPlan(console, sync, path);

    if (sync.InStep()) {
        //: %1: the phone-book file synced with the handset.
        PrintLine(console.out, QCoreApplication::translate(
                                   "PhonebookCommands",
                                   "The handset and %1 are already in step: nothing sent, nothing written.")
                                   .arg(path));
        // A first sync that finds the books alike still keeps them as the base: without it, an
        // entry later deleted on one side would come back from the other in the next sync's union.
        if (request.dryRun || sync.BaseCurrent())
            return 0;
        return KeepBase(console, sync);
    }
    if (request.dryRun) {
        PrintLine(console.out,
                  QCoreApplication::translate("PhonebookCommands", "Nothing sent, nothing written (--dry-run)."));
        return 0;
    }

    //: %1: the phone-book file synced with the handset.
    QString question = QCoreApplication::translate("PhonebookCommands",
                                                   "Send the merged phone book to the handset and save it in %1?");
    if (!sync.ComputerChanges())
        //: %1: the phone-book file synced with the handset, which holds the merged book already.
        question = QCoreApplication::translate("PhonebookCommands",
                                               "Send the merged phone book to the handset? %1 holds it already.");
    else if (!sync.SendNeeded())
        //: %1: the phone-book file synced with the handset, which already holds the merged book.
        question = QCoreApplication::translate(
            "PhonebookCommands", "Save the merged phone book in %1? The handset holds it already.");
    if (!Ask(console, question.arg(path)))
        return 1;

    //: %1: the phone-book file synced with the handset, left as it was after a failed send.
    const QString leftAlone = QCoreApplication::translate("PhonebookCommands", "%1 is as it was.").arg(path);
    if (sync.SendNeeded()) {
        TransferSession session(console);
        const Msg sent = sync.Send(*session.Progress(), request.keepBackup, !console.assumeYes);
        session.Finish();
        const PhonebookSend* send = sync.LastSend();
        if (!send) {
            if (sent != Msg::Ok)
                return ReportFailure(console, sent);
        } else if (!ReportSend(console, *send, sent)) {
            PrintLine(console.err, leftAlone);
            if (send->Partial())
                PrintLine(console.err, QCoreApplication::translate(
                                           "PhonebookCommands",
                                           "The next sync with this handset keeps the entries of both sides and "
                                           "deletes none."));
            return 1;
        } else {
            PrintSent(console, send->Count());
        }
    }
    if (sync.ComputerChanges()) {
        if (const Msg saved = PhonebookFile::Save(path, sync.ComputerResult(), std::nullopt, &failure);
            saved != Msg::Ok) {
            ReportFailure(console, saved, failure);
            if (sync.SendNeeded())
                //: %1: the phone-book file that could not be saved after the send.
                PrintLine(console.err, QCoreApplication::translate(
                                           "PhonebookCommands",
                                           "The handset holds the merged phone book; a sync again saves it in %1.")
                                           .arg(path));
            return 1;
        }
        //: %1: the phone-book file the merged book was saved in.
        PrintLine(console.out, QCoreApplication::translate("PhonebookCommands", "Saved %1").arg(path));
    }
    return KeepBase(console, sync);
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
