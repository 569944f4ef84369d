#include "cli/ServerCommands.h"

#include "cli/CancelOnInterrupt.h"
#include "cli/PasswordSources.h"

#include "core/common/Event.h"
#include "core/contacts/CardDavClient.h"
#include "core/contacts/DelimitedFile.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace {

QString Tr(const char* text, int n = -1)
{
    return QCoreApplication::translate("ServerCommands", text, nullptr, n);
}

// The client for `url` with a password from the file, the keyring or the prompt; nullopt after
// saying why there is none.
struct Session {
    PasswordRequest request;
    PasswordSource source = PasswordSource::None;
    QString password;
};

std::optional<Session> StartSession(const CommandConsole& console, const QString& url, const ServerOptions& options)
{
    Session s;
    s.request = {QUrl(url), options.user, options.passwordFile, options.savePassword};
    s.source = ObtainPassword(console, s.request, s.password);
    if (s.source == PasswordSource::None)
        return std::nullopt;
    return s;
}

void PrintFailure(const CommandConsole& console, const CardDavFailure& failure, PasswordSource source)
{
    std::fprintf(console.err, "dialbook: %s\n", qPrintable(failure.Message()));
    switch (failure.GetKind()) {
    case CardDavFailure::Kind::Certificate:
        std::fprintf(console.err, "%s\n",
                     qPrintable(Tr("To trust a certificate of your own, give it with --ca-file FILE.")));
        break;
    case CardDavFailure::Kind::WrongPassword:
        if (source == PasswordSource::Keyring)
            std::fprintf(console.err, "%s\n", qPrintable(Tr("The password came from the keyring.")));
        break;
    default:
        break;
    }
}

void PrintBooks(const std::vector<AddressBookInfo>& books, std::FILE* to)
{
    qsizetype nameWidth = 0;
    QStringList counts;
    qsizetype countWidth = 0;
    for (const AddressBookInfo& book : books) {
        nameWidth = std::max(nameWidth, book.name.size());
        counts.append(book.cards < 0 ? QString() : Tr("%n cards", book.cards));
        countWidth = std::max(countWidth, counts.last().size());
    }
    for (std::size_t i = 0; i < books.size(); ++i)
        std::fprintf(to, "%s  %s  %s\n", qPrintable(books[i].name.leftJustified(nameWidth)),
                     qPrintable(counts[static_cast<qsizetype>(i)].rightJustified(countWidth)),
                     qPrintable(books[i].url.toDisplayString(QUrl::RemovePassword)));
}

// Runs `work` on a client for the session, with Ctrl+C as its Cancel. A password from the
// keyring that the server refuses is asked for once on the terminal, when there is one.
template <typename Work>
bool WithClient(const CommandConsole& console, Session& session, const ServerOptions& options, Work&& work)
{
    for (;;) {
        CardDavClient client({session.request.server, options.user, session.password, options.caFile});
        Event cancel(Event::Mode::ManualReset);
        const CancelOnInterrupt interrupt(cancel);
        client.SetCancelCheck([] { return CancelOnInterrupt::Interrupted(); });
        if (work(client))
            return true;
        if (client.Failure().GetKind() != CardDavFailure::Kind::WrongPassword ||
            session.source != PasswordSource::Keyring || !console.canAsk)
            return false;
        session.source = ObtainPassword(console, session.request, session.password, true);
        if (session.source == PasswordSource::None)
            return false;
    }
}

}  // namespace

bool IsServerAddress(const QString& source)
{
    return source.startsWith(QLatin1String("https://"), Qt::CaseInsensitive) ||
           source.startsWith(QLatin1String("http://"), Qt::CaseInsensitive);
}

int RunAddressBooksCommand(const CommandConsole& console, const QString& url, const ServerOptions& options)
{
    std::optional<Session> session = StartSession(console, url, options);
    if (!session)
        return 1;
    bool found = false;
    WithClient(console, *session, options, [&](CardDavClient& client) {
        const auto books = client.FindAddressBooks(true);
        if (!books) {
            PrintFailure(console, client.Failure(), session->source);
            return false;
        }
        PrintBooks(*books, console.out);
        found = true;
        return true;
    });
    if (!found)
        return 1;
    KeepPasswordIfAsked(console, session->request, session->source, session->password);
    return 0;
}

bool ReadServerCards(const CommandConsole& console, const QString& url, const ServerOptions& options,
                     DelimitedFile& into)
{
    std::optional<Session> session = StartSession(console, url, options);
    if (!session)
        return false;
    const bool read = WithClient(console, *session, options, [&](CardDavClient& client) {
        std::vector<AddressBookInfo> found;
        if (client.ReadInto(into, nullptr, &found))
            return true;
        PrintFailure(console, client.Failure(), session->source);
        if (client.Failure().GetKind() == CardDavFailure::Kind::SeveralAddressBooks)
            PrintBooks(found, console.err);
        return false;
    });
    if (read)
        KeepPasswordIfAsked(console, session->request, session->source, session->password);
    return read;
}
