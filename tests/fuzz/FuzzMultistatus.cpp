// A server's multistatus answers of any shape, as they arrive in pieces: the reader never
// fails on well-formed input read whole and in pieces alike, hands over the same responses
// both ways, and each response's cards go to the vCard reader as an import would send them.

#include "core/contacts/DelimitedFile.h"
#include "core/contacts/MultistatusReader.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

struct Seen {
    QString href;
    int status;
    bool addressBook;
    QByteArray addressData;
    bool operator==(const Seen&) const = default;
};

std::vector<Seen> Read(const QByteArray& bytes, qsizetype piece, bool& whole)
{
    std::vector<Seen> seen;
    MultistatusReader reader([&](DavResponse&& r) { seen.push_back({r.href, r.status, r.addressBook, r.addressData}); });
    bool fed = true;
    for (qsizetype at = 0; at < bytes.size() && fed; at += piece)
        fed = reader.Feed(bytes.sliced(at, std::min(piece, bytes.size() - at)));
    whole = fed && reader.Finish();
    return seen;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks the size of the pieces.
    const qsizetype piece = 1 + data[0] % 64;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    bool whole = false, inPieces = false;
    const std::vector<Seen> a = Read(bytes, bytes.size() + 1, whole);
    const std::vector<Seen> b = Read(bytes, piece, inPieces);
    if (whole != inPieces || (whole && a != b))
        __builtin_trap();
    QByteArray cards;
    for (const Seen& s : a)
        cards += s.addressData;
    DelimitedFile table;
    table.ReadBytes(cards, QStringLiteral("server"));
    return 0;
}
