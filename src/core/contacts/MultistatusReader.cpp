#include "core/contacts/MultistatusReader.h"

#include <QCoreApplication>

namespace {

constexpr QStringView kDav = u"DAV:";
constexpr QStringView kCardDav = u"urn:ietf:params:xml:ns:carddav";

// "HTTP/1.1 207 Multi-Status": 207; 0 when the line is not a status line.
int StatusCode(QStringView line)
{
    const QStringView t = line.trimmed();
    const qsizetype space = t.indexOf(u' ');
    if (space < 0)
        return 0;
    bool ok = false;
    const int code = t.mid(space + 1, 3).toInt(&ok);
    return ok ? code : 0;
}

bool Ok(int status)
{
    return status >= 200 && status < 300;
}

}  // namespace

bool MultistatusReader::Feed(QByteArray bytes)
{
    if (!m_error.isEmpty())
        return false;
    m_xml.addData(std::move(bytes));
    return Step();
}

bool MultistatusReader::Finish()
{
    if (!m_error.isEmpty())
        return false;
    if (!m_finished || !m_sawMultistatus) {
        m_error = m_xml.hasError() && m_xml.error() != QXmlStreamReader::PrematureEndOfDocumentError
                      ? m_xml.errorString()
                      : QCoreApplication::translate("MultistatusReader", "the answer ends before its multistatus does");
        return false;
    }
    return true;
}

bool MultistatusReader::Step()
{
    while (!m_xml.atEnd()) {
        switch (m_xml.readNext()) {
        case QXmlStreamReader::StartElement:
            ++m_depth;
            StartElement();
            break;
        case QXmlStreamReader::EndElement:
            EndElement();
            --m_depth;
            if (m_depth == 0)
                m_finished = true;
            break;
        case QXmlStreamReader::Characters:
            if (m_inHref || m_inStatus || m_property == Property::DisplayName || m_property == Property::Description ||
                m_property == Property::AddressData) {
                if (m_text.size() + m_xml.text().size() > kMaxText)
                    m_error = QCoreApplication::translate("MultistatusReader", "a value longer than %1 MB")
                                  .arg(kMaxText >> 20);
                else
                    m_text.append(m_xml.text());
            }
            break;
        default:
            break;
        }
        if (!m_error.isEmpty())
            return false;
    }
    if (m_xml.hasError() && m_xml.error() != QXmlStreamReader::PrematureEndOfDocumentError) {
        m_error = QCoreApplication::translate("MultistatusReader", "%1 (line %2)")
                      .arg(m_xml.errorString())
                      .arg(m_xml.lineNumber());
        return false;
    }
    return true;
}

void MultistatusReader::StartElement()
{
    const QStringView ns = m_xml.namespaceUri();
    const QStringView name = m_xml.name();
    if (m_depth == 1) {
        if (ns != kDav || name != u"multistatus")
            m_error = QCoreApplication::translate("MultistatusReader", "the answer is no multistatus but <%1>")
                          .arg(name.toString());
        m_sawMultistatus = true;
        return;
    }
    if (ns == kDav && name == u"response" && m_depth == 2) {
        m_responseDepth = m_depth;
        m_response = DavResponse();
        return;
    }
    if (m_responseDepth < 0)
        return;
    if (ns == kDav && name == u"propstat" && m_depth == m_responseDepth + 1) {
        m_propstatDepth = m_depth;
        m_pending = DavResponse();
        return;
    }
    if (ns == kDav && name == u"status" && (m_depth == m_responseDepth + 1 || m_depth == m_propstatDepth + 1)) {
        m_inStatus = true;
        m_text.clear();
        return;
    }
    if (ns == kDav && name == u"href") {
        // The response's own href, or one inside a property that holds addresses.
        if (m_depth == m_responseDepth + 1 || m_property == Property::Principal || m_property == Property::HomeSet) {
            m_inHref = true;
            m_text.clear();
        }
        return;
    }
    if (m_propstatDepth < 0)
        return;
    // A property: the child of <prop>, itself the child of <propstat>.
    if (m_property == Property::None && m_depth == m_propstatDepth + 2) {
        Property p = Property::None;
        if (ns == kDav && name == u"resourcetype")
            p = Property::ResourceType;
        else if (ns == kDav && name == u"displayname")
            p = Property::DisplayName;
        else if (ns == kDav && name == u"current-user-principal")
            p = Property::Principal;
        else if (ns == kCardDav && name == u"addressbook-description")
            p = Property::Description;
        else if (ns == kCardDav && name == u"addressbook-home-set")
            p = Property::HomeSet;
        else if (ns == kCardDav && name == u"address-data")
            p = Property::AddressData;
        if (p != Property::None) {
            m_property = p;
            m_propertyDepth = m_depth;
            m_text.clear();
        }
        return;
    }
    if (m_property == Property::ResourceType && m_depth == m_propertyDepth + 1) {
        if (ns == kDav && name == u"collection")
            m_pending.collection = true;
        else if (ns == kCardDav && name == u"addressbook")
            m_pending.addressBook = true;
    }
}

void MultistatusReader::EndElement()
{
    if (m_inHref) {
        m_inHref = false;
        const QString href = m_text.trimmed();
        if (m_property == Property::Principal)
            m_pending.principal = href;
        else if (m_property == Property::HomeSet)
            m_pending.homeSet.append(href);
        else
            m_response.href = href;
        return;
    }
    if (m_inStatus) {
        m_inStatus = false;
        const int status = StatusCode(m_text);
        if (m_depth == m_responseDepth + 1)
            m_response.status = status;
        else
            m_pending.status = status;
        return;
    }
    if (m_property != Property::None && m_depth == m_propertyDepth) {
        switch (m_property) {
        case Property::DisplayName:
            m_pending.displayName = m_text.trimmed();
            break;
        case Property::Description:
            m_pending.description = m_text.trimmed();
            break;
        case Property::AddressData:
            m_pending.addressData = m_text.toUtf8();
            m_pending.hasAddressData = true;
            break;
        default:
            break;
        }
        m_property = Property::None;
        m_propertyDepth = -1;
        m_text.clear();
        return;
    }
    if (m_depth == m_propstatDepth) {
        m_propstatDepth = -1;
        // A propstat without a status is taken as found: some servers leave it out.
        if (m_pending.status == 0 || Ok(m_pending.status)) {
            DavResponse& r = m_response;
            r.collection |= m_pending.collection;
            r.addressBook |= m_pending.addressBook;
            if (!m_pending.displayName.isEmpty())
                r.displayName = m_pending.displayName;
            if (!m_pending.description.isEmpty())
                r.description = m_pending.description;
            if (!m_pending.principal.isEmpty())
                r.principal = m_pending.principal;
            r.homeSet += m_pending.homeSet;
            if (m_pending.hasAddressData) {
                r.addressData = std::move(m_pending.addressData);
                r.hasAddressData = true;
            }
        }
        m_pending = DavResponse();
        return;
    }
    if (m_depth == m_responseDepth) {
        m_responseDepth = -1;
        if (m_onResponse)
            m_onResponse(std::move(m_response));
        m_response = DavResponse();
    }
}

QByteArray MultistatusReader::DiscoveryRequest()
{
    return QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        "<d:propfind xmlns:d=\"DAV:\" xmlns:card=\"urn:ietf:params:xml:ns:carddav\">"
        "<d:prop><d:current-user-principal/><card:addressbook-home-set/><d:resourcetype/><d:displayname/></d:prop>"
        "</d:propfind>\n");
}

QByteArray MultistatusReader::ListingRequest()
{
    return QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        "<d:propfind xmlns:d=\"DAV:\" xmlns:card=\"urn:ietf:params:xml:ns:carddav\">"
        "<d:prop><d:resourcetype/><d:displayname/><card:addressbook-description/></d:prop>"
        "</d:propfind>\n");
}

QByteArray MultistatusReader::CountRequest()
{
    return QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        "<d:propfind xmlns:d=\"DAV:\"><d:prop><d:resourcetype/><d:getetag/></d:prop></d:propfind>\n");
}

QByteArray MultistatusReader::CardsRequest()
{
    // An empty filter matches every card.
    return QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        "<card:addressbook-query xmlns:d=\"DAV:\" xmlns:card=\"urn:ietf:params:xml:ns:carddav\">"
        "<d:prop><d:getetag/><card:address-data/></d:prop><card:filter/>"
        "</card:addressbook-query>\n");
}

QByteArray MultistatusReader::CardsByAddressRequest(const QStringList& hrefs)
{
    QByteArray body = QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        "<card:addressbook-multiget xmlns:d=\"DAV:\" xmlns:card=\"urn:ietf:params:xml:ns:carddav\">"
        "<d:prop><d:getetag/><card:address-data/></d:prop>");
    for (const QString& href : hrefs)
        body += "<d:href>" + href.toHtmlEscaped().toUtf8() + "</d:href>";
    body += "</card:addressbook-multiget>\n";
    return body;
}
