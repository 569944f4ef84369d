// Importing the 5000 cards of an address book from a local Radicale, against curl fetching the
// same REPORT in the same run; and the memory the import takes, against the answer's size.

#include "core/contacts/CardDavClient.h"
#include "core/contacts/ContactImport.h"
#include "core/contacts/DelimitedFile.h"
#include "core/contacts/MultistatusReader.h"

#include "BenchSupport.h"
#include "MedianMs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

constexpr int kCards = 5000;
constexpr int kRounds = 5;
const QString kUser = QStringLiteral("ana");
const QString kPassword = QStringLiteral("bench-password");

void Save(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// An address book as a phone or a mail program fills one: names, two or three numbers, mail,
// an organisation, categories; written straight into Radicale's store, which it reads as its own.
void WriteStore(const QString& root)
{
    const QString book = root + QStringLiteral("/collection-root/ana/big");
    QDir().mkpath(book);
    Save(root + QStringLiteral("/collection-root/ana/.Radicale.props"), "{}");
    Save(book + QStringLiteral("/.Radicale.props"), R"({"D:displayname": "Big", "tag": "VADDRESSBOOK"})");
    for (int i = 0; i < kCards; ++i) {
        const QByteArray n = QByteArray::number(i);
        QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:card-" + n + "\r\nN:Family" + n + ";Given" + n +
                          ";;;\r\nFN:Given" + n + " Family" + n + "\r\nTEL;TYPE=CELL:+44 7700 9" +
                          QByteArray::number(10000 + i) + "\r\nTEL;TYPE=HOME:020 7946 " +
                          QByteArray::number(1000 + i % 9000) + "\r\n";
        if (i % 3 == 0)
            card += "TEL;TYPE=WORK,FAX:020 7946 0000\r\n";
        card += "EMAIL;TYPE=INTERNET:given" + n + "@example.org\r\nORG:Company " + QByteArray::number(i % 97) +
                "\r\nCATEGORIES:" + (i % 2 ? "Family" : "Work") + ",myContacts\r\nEND:VCARD\r\n";
        Save(book + QStringLiteral("/card-%1.vcf").arg(i), card);
    }
}

quint16 FreePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// The cards imported as the import command does: read, mapped, made entries.
int Import(const QUrl& book)
{
    CardDavClient client({book, kUser, kPassword, {}});
    DelimitedFile table;
    if (!client.ReadInto(table)) {
        std::fprintf(stderr, "%s\n", qPrintable(client.Failure().Message()));
        return 0;
    }
    ImportOptions options;
    options.map = ImportFieldMap::Guess(table.Headers(), table.ColumnsWithValues());
    return static_cast<int>(ReadContacts(table, options).contacts.size());
}

// curl's fetch of the same REPORT, its answer kept in memory as a client would and dropped.
qint64 Curl(const QUrl& book)
{
    QProcess curl;
    curl.start(QStringLiteral("curl"), {QStringLiteral("-s"), QStringLiteral("-u"), kUser + u':' + kPassword,
                                        QStringLiteral("-X"), QStringLiteral("REPORT"), QStringLiteral("-H"),
                                        QStringLiteral("Depth: 1"), QStringLiteral("-H"),
                                        QStringLiteral("Content-Type: application/xml; charset=utf-8"),
                                        QStringLiteral("--data-binary"),
                                        QString::fromUtf8(MultistatusReader::CardsRequest()), book.toString()});
    curl.waitForFinished(120000);
    return curl.readAllStandardOutput().size();
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    // The child jobs: one import, or the same process doing nothing, for their peak memory.
    if (args.size() == 3 && args[1] == u"--import") {
        Import(QUrl(args[2]));
        PrintPeakMb();
        return 0;
    }
    if (args.size() == 3 && args[1] == u"--idle") {
        // The same network, TLS library and authentication set up, for an answer of nothing.
        CardDavClient client({QUrl(args[2]), kUser, kPassword, {}});
        client.ReadCards(QUrl(args[2]).resolved(QUrl(QStringLiteral("../missing/"))));
        PrintPeakMb();
        return 0;
    }
    if (QStandardPaths::findExecutable(QStringLiteral("radicale")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("curl")).isEmpty()) {
        std::printf("radicale or curl is missing (scripts/install-deps installs both); nothing measured\n");
        return 0;
    }
    QTemporaryDir folder;
    WriteStore(folder.filePath(QStringLiteral("store")));
    Save(folder.filePath(QStringLiteral("users")), (kUser + u':' + kPassword + u'\n').toUtf8());
    const quint16 port = FreePort();
    Save(folder.filePath(QStringLiteral("config")),
         QStringLiteral("[server]\nhosts = 127.0.0.1:%1\n[auth]\ntype = htpasswd\nhtpasswd_filename = %2\n"
                        "htpasswd_encryption = plain\ndelay = 0\n[rights]\ntype = owner_only\n[storage]\n"
                        "filesystem_folder = %3\n[logging]\nlevel = warning\n")
             .arg(port)
             .arg(folder.filePath(QStringLiteral("users")), folder.filePath(QStringLiteral("store")))
             .toUtf8());
    QProcess radicale;
    radicale.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    radicale.start(QStringLiteral("radicale"), {QStringLiteral("--config"), folder.filePath(QStringLiteral("config"))});
    for (int i = 0; i < 100; ++i) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        if (probe.waitForConnected(100))
            break;
        QThread::msleep(100);
    }
    const QUrl book(QStringLiteral("http://127.0.0.1:%1/ana/big/").arg(port));
    // Radicale builds its caches on the first read; neither side should pay for that.
    const qint64 answerBytes = Curl(book);
    const int imported = Import(book);

    const auto [curlMs, importMs] = MedianPairMs(kRounds, [&] { Curl(book); }, [&] { Import(book); });
    std::printf("Address book of %d cards on a local Radicale, REPORT answer %.1f MB, %d contacts imported\n",
                kCards, answerBytes / 1048576.0, imported);
    std::printf("  curl fetching the REPORT           %8.0f ms\n", curlMs);
    std::printf("  import (read, vCard, contacts)     %8.0f ms   ratio %.2f   (goal <= 1.3)\n", importMs,
                importMs / curlMs);

    const double idleMb = ChildPeakMb(QStringLiteral("--idle"), book.toString());
    const double importMb = ChildPeakMb(QStringLiteral("--import"), book.toString());
    const double answerMb = answerBytes / 1048576.0;
    std::printf("  peak memory of the import          %8.1f MB   (%.1f MB beside a process that reads nothing)\n",
                importMb, importMb - idleMb);
    std::printf("  ratio to the answer's size         %8.2f          (goal <= 4)\n", (importMb - idleMb) / answerMb);
    radicale.terminate();
    radicale.waitForFinished(5000);
    return 0;
}
