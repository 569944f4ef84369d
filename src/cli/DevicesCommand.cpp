#include "cli/DevicesCommand.h"

#include "core/common/StringTable.h"
#include "core/handset/HandsetAccessAdvice.h"
#include "core/handset/HandsetLink.h"
#include "core/handset/HandsetIds.h"

namespace {

void PrintAccessAdvice(std::FILE* out)
{
    std::fprintf(out, "%s\n", qPrintable(HandsetAccessAdvice::ForThisSystem().Text()));
}

}  // namespace

int RunDevicesCommand(std::FILE* out)
{
    const auto devices = HandsetLink::ListDevices(HANDSET_VENDOR_ID);
    bool anyAccepted = false;
    bool anyDenied = false;
    for (const DeviceListing& d : devices) {
        char ids[16];
        if (d.idsKnown)
            std::snprintf(ids, sizeof ids, "%04x:%04x", d.caps.vendorId, d.caps.productId);
        else
            std::snprintf(ids, sizeof ids, "????:????");
        if (!d.opened) {
            std::fprintf(out, "%s  %s  cannot open: %s\n", d.path.c_str(), ids, d.error.c_str());
            anyDenied = anyDenied || d.permissionDenied;
            continue;
        }
        std::fprintf(out, "%s  %s  in %d out %d  %s\n", d.path.c_str(), ids, d.caps.inLen, d.caps.outLen,
                     d.accepted ? "accepted" : "not accepted: not a supported handset model");
        anyAccepted = anyAccepted || d.accepted;
    }
    if (devices.empty())
        std::fprintf(out, "%s\n", qPrintable(LoadString(Msg::PhoneNotFound)));
    else if (!anyAccepted && anyDenied)
        PrintAccessAdvice(out);
    return anyAccepted ? 0 : 1;
}

bool ExplainDeniedHandset(std::FILE* out)
{
    std::uint16_t product = 0;
    if (HandsetLink::FindHandset(product, false) || HandsetLink::DeniedProductId() == 0)
        return false;
    PrintAccessAdvice(out);
    return true;
}
