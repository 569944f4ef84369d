// `dialbook addressbooks` and `dialbook import` from a CardDAV server, against a real Radicale.

#include "cli/CommandLine.h"
#include "core/common/Cp1252.h"
#include "core/phonebook/PhonebookFile.h"
#include "support/Captured.h"
#include "support/CardDavServer.h"
#include "support/PhonebookHelpers.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kCards = QStringLiteral(DIALBOOK_TEST_DATA "/server-cards.vcf");

class ServerCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!CardDavServer::IsInstalled(CardDavServer::Kind::Radicale))
            GTEST_SKIP() << "radicale is not installed (scripts/install-deps installs it)";
        ASSERT_TRUE(m_server.Start(CardDavServer::Kind::Radicale)) << m_server.Log().toStdString();
        for (const char* book : {"Family", "Work"})
            ASSERT_TRUE(m_server.AddAddressBook(QLatin1String(book)));
        ASSERT_TRUE(m_server.PutCardsOfFile(QStringLiteral("Family"), kCards));
        ASSERT_TRUE(m_server.PutCardsOfFile(QStringLiteral("Work"), kCards,
                                            {QStringLiteral("maja-lindqvist"), QStringLiteral("jonas-orsted")}));
        m_passwordFile = PasswordFile("password", m_server.Password());
    }

    QString PasswordFile(const char* name, const QString& password)
    {
        const QString path = m_dir.filePath(QLatin1String(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(password.toUtf8() + "\n");
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return path;
    }

    int Run(QStringList arguments)
    {
        arguments.prepend(QStringLiteral("dialbook"));
        const ParsedCommandLine parsed = ParseCommandLine(arguments);
        if (parsed.exitStatus >= 0) {
            m_usage = parsed.error;
            return parsed.exitStatus;
        }
        CommandConsole c;
        c.out = out.File();
        c.err = err.File();
        return RunCommandLine(parsed.line, c);
    }

    QString Book(const char* name) const { return m_server.BookUrl(QLatin1String(name)).toString(); }

    CardDavServer m_server;
    QTemporaryDir m_dir;
    QString m_passwordFile;
    std::string m_usage;
    Captured out, err;
};

TEST_F(ServerCommands, ListsTheAddressBooksAndImportsOneAsItsFileWouldBe)
{
    const QString base = m_server.BaseUrl().toString();
    ASSERT_EQ(Run({"addressbooks", base, "--user", "ana", "--password-file", m_passwordFile}), 0) << err.Text();
    const std::string listing = out.Text();
    EXPECT_NE(listing.find("Family  8 cards  " + Book("Family").toStdString()), std::string::npos) << listing;
    EXPECT_NE(listing.find("Work    2 cards  " + Book("Work").toStdString()), std::string::npos) << listing;

    // From the server's address there are two to choose from: none is read, both are named.
    const QString fromServer = m_dir.filePath(QStringLiteral("server.opbk"));
    EXPECT_EQ(Run({"import", base, fromServer, "--user", "ana", "--password-file", m_passwordFile}), 1);
    EXPECT_NE(err.Text().find("leads to 2 address books"), std::string::npos) << err.Text();
    EXPECT_NE(err.Text().find(Book("Work").toStdString()), std::string::npos) << err.Text();
    EXPECT_FALSE(QFile::exists(fromServer));

    // One address book, a category: the same entries as the same cards imported from a file.
    const QString fromFile = m_dir.filePath(QStringLiteral("file.opbk"));
    ASSERT_EQ(Run({"import", kCards, fromFile, "--category", "family"}), 0) << err.Text();
    ASSERT_EQ(Run({"import", Book("Family"), fromServer, "--user", "ana", "--password-file", m_passwordFile,
                   "--category", "family"}),
              0)
        << err.Text();
    Phonebook server, file;
    ASSERT_EQ(PhonebookFile::Load(fromServer, server), Msg::Ok);
    ASSERT_EQ(PhonebookFile::Load(fromFile, file), Msg::Ok);
    ASSERT_EQ(server.Count(), 3u);
    auto sorted = [](const Phonebook& book) {
        std::vector<std::pair<std::string, std::string>> entries;
        for (std::size_t i = 0; i < book.Count(); ++i)
            entries.emplace_back(book.Entry(i)->name, book.Entry(i)->number);
        std::sort(entries.begin(), entries.end());
        return entries;
    };
    EXPECT_EQ(sorted(server), sorted(file));
}

TEST_F(ServerCommands, NoPasswordOnTheCommandLineAndAWrongOneWritesNothing)
{
    const QString book = m_dir.filePath(QStringLiteral("book.opbk"));
    EXPECT_EQ(Run({"import", Book("Family"), book, "--user", "ana", "--password", "secret"}), kExitUsage);
    EXPECT_NE(m_usage.find("never taken on the command line"), std::string::npos) << m_usage;
    EXPECT_EQ(Run({"addressbooks", Book("Family")}), kExitUsage);
    EXPECT_NE(m_usage.find("--user NAME"), std::string::npos) << m_usage;
    EXPECT_EQ(Run({"import", kCards, book, "--user", "ana"}), kExitUsage);

    EXPECT_EQ(Run({"import", Book("Family"), book, "--user", "ana", "--password-file",
                   PasswordFile("wrong", QStringLiteral("not-it"))}),
              1);
    EXPECT_NE(err.Text().find("refused the user name or the password"), std::string::npos) << err.Text();
    EXPECT_EQ(err.Text().find("not-it"), std::string::npos) << "the password is never shown";
    EXPECT_FALSE(QFile::exists(book));

    // A password file others may read is refused before anything is sent.
    const QString open = PasswordFile("open", m_server.Password());
    QFile::setPermissions(open, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
    EXPECT_EQ(Run({"import", Book("Family"), book, "--user", "ana", "--password-file", open}), 1);
    EXPECT_NE(err.Text().find("chmod 600"), std::string::npos) << err.Text();
    EXPECT_FALSE(QFile::exists(book));
}

}  // namespace
