#include "support/CardDavServer.h"

#include <QStringList>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

using Kind = CardDavServer::Kind;

const QByteArray kPropfindBody = R"(<?xml version="1.0" encoding="utf-8"?>
<D:propfind xmlns:D="DAV:"><D:prop><D:resourcetype/><D:getetag/></D:prop></D:propfind>
)";

const QList<QPair<QByteArray, QByteArray>> kPropfindHeaders = {
    {"Depth", "1"}, {"Content-Type", "application/xml; charset=utf-8"}};

QByteArray Card(const char* uid, const char* family, const char* given, const char* tel)
{
    return QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nUID:%1\r\nN:%2;%3;;;\r\nFN:%3 %2\r\n"
                          "TEL;TYPE=CELL:%4\r\nEND:VCARD\r\n")
        .arg(QLatin1String(uid), QLatin1String(family), QLatin1String(given), QLatin1String(tel))
        .toUtf8();
}

// The hrefs of a multistatus answer, whatever prefixes the server gives the DAV namespace.
QStringList Hrefs(const QByteArray& multistatus)
{
    QStringList hrefs;
    QXmlStreamReader xml(multistatus);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"href"
            && xml.namespaceUri() == u"DAV:")
            hrefs << xml.readElementText();
    }
    return hrefs;
}

class CardDavServerTest : public ::testing::TestWithParam<Kind> {
protected:
    void SetUp() override
    {
        if (!CardDavServer::IsInstalled(GetParam()))
            GTEST_SKIP() << CardDavServer::ProgramName(GetParam()).toStdString()
                         << " is not installed (scripts/install-deps installs it)";
        ASSERT_TRUE(m_server.Start(GetParam())) << m_server.Log().toStdString();
    }

    CardDavServer m_server;
};

TEST_P(CardDavServerTest, AddressBookListsTheCardsPutIntoIt)
{
    ASSERT_TRUE(m_server.AddAddressBook(QStringLiteral("friends")));
    ASSERT_TRUE(m_server.PutCard(QStringLiteral("friends"), QStringLiteral("ana-1"),
                                 Card("ana-1", "Lindqvist", "Maja", "+46 70 123 45 67")));
    ASSERT_TRUE(m_server.PutCard(QStringLiteral("friends"), QStringLiteral("ana-2"),
                                 Card("ana-2", "Ørsted", "Jonas", "030 1234567")));

    const QUrl book = m_server.BookUrl(QStringLiteral("friends"));
    const CardDavServer::Reply listing = m_server.Send("PROPFIND", book, kPropfindBody, kPropfindHeaders,
                                                       m_server.User(), m_server.Password());
    ASSERT_EQ(listing.status, 207) << listing.body.toStdString();
    const QStringList hrefs = Hrefs(listing.body);
    EXPECT_TRUE(hrefs.contains(book.path())) << hrefs.join(u' ').toStdString();
    EXPECT_TRUE(hrefs.contains(book.path() + QStringLiteral("ana-1.vcf"))) << hrefs.join(u' ').toStdString();
    EXPECT_TRUE(hrefs.contains(book.path() + QStringLiteral("ana-2.vcf"))) << hrefs.join(u' ').toStdString();
    EXPECT_EQ(hrefs.size(), 3);

    // A server that went away answers nothing at all.
    m_server.Stop();
    EXPECT_EQ(m_server.Send("PROPFIND", book, kPropfindBody, kPropfindHeaders, m_server.User(),
                            m_server.Password())
                  .status,
              0);
}

TEST_P(CardDavServerTest, WrongOrMissingPasswordIsRefused)
{
    ASSERT_TRUE(m_server.AddAddressBook(QStringLiteral("friends")));
    const QUrl book = m_server.BookUrl(QStringLiteral("friends"));
    EXPECT_EQ(m_server.Send("PROPFIND", book, kPropfindBody, kPropfindHeaders, m_server.User(),
                            QStringLiteral("wrong"))
                  .status,
              401);
    EXPECT_EQ(m_server.Send("PROPFIND", book, kPropfindBody, kPropfindHeaders).status, 401);
    EXPECT_EQ(m_server.Send("PROPFIND", book, kPropfindBody, kPropfindHeaders, m_server.User(),
                            m_server.Password())
                  .status,
              207);
}

INSTANTIATE_TEST_SUITE_P(Servers, CardDavServerTest, ::testing::Values(Kind::Radicale, Kind::Xandikos),
                         [](const ::testing::TestParamInfo<Kind>& info) {
                             return CardDavServer::ProgramName(info.param).toStdString();
                         });

} // namespace
