#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <functional>

// One <response> of a WebDAV multistatus, with the properties a CardDAV client asks for. Only
// properties of a propstat whose status is 2xx are taken.
struct DavResponse {
    // As the server wrote it: a path, or a whole address.
    QString href;
    // The response's own status (a response without propstat), else 0.
    int status = 0;
    bool collection = false;
    bool addressBook = false;
    QString displayName;
    QString description;
    // current-user-principal
    QString principal;
    // addressbook-home-set
    QStringList homeSet;
    // address-data, as UTF-8; empty when the response has none.
    QByteArray addressData;
    bool hasAddressData = false;
};

// Reads a 207 multistatus as it arrives, in pieces of any size, and hands over each response
// when its end tag is read, so that an answer of thousands of cards is never held twice.
class MultistatusReader {
public:
    using ResponseHandler = std::function<void(DavResponse&&)>;

    explicit MultistatusReader(ResponseHandler onResponse) : m_onResponse(std::move(onResponse)) {}

    // False once the bytes so far are not well-formed XML (then Error() says why).
    bool Feed(QByteArray bytes);
    // After the last piece: true when the whole answer was one complete multistatus.
    bool Finish();
    const QString& Error() const { return m_error; }

    // The request bodies, each one small XML document.
    // PROPFIND for what leads to the address books: the principal, the home set, the type.
    static QByteArray DiscoveryRequest();
    // PROPFIND Depth 1 on a home: each collection's type, name and description.
    static QByteArray ListingRequest();
    // PROPFIND Depth 1 on an address book: one response per card, with nothing but its tag.
    static QByteArray CountRequest();
    // REPORT addressbook-query with no filter: every card with its data.
    static QByteArray CardsRequest();
    // REPORT addressbook-multiget: the cards at these addresses (hrefs as the server gave them).
    static QByteArray CardsByAddressRequest(const QStringList& hrefs);

    // A property's text longer than this ends the reading: no card, name or address is.
    static constexpr qsizetype kMaxText = qsizetype(16) << 20;

private:
    enum class Property { None, ResourceType, DisplayName, Description, Principal, HomeSet, AddressData };

    bool Step();
    void StartElement();
    void EndElement();

    QXmlStreamReader m_xml;
    ResponseHandler m_onResponse;
    QString m_error;
    bool m_sawMultistatus = false;
    bool m_finished = false;
    // Where the reader is: depth of elements, and what it gathers.
    int m_depth = 0;
    int m_responseDepth = -1;
    int m_propstatDepth = -1;
    bool m_inStatus = false;
    bool m_inHref = false;
    Property m_property = Property::None;
    int m_propertyDepth = -1;
    // The propstat's properties wait for its status before they count.
    DavResponse m_response;
    DavResponse m_pending;
    QString m_text;
};
