#include "cli/DevicesCommand.h"

#include "core/common/StringTable.h"
#include "core/handset/HandsetAccessAdvice.h"
#include "core/handset/HandsetLink.h"
#include "core/handset/HandsetIds.h"

#include <QCoreApplication>

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
            // The path and the ids stay as they are, for scripts; the rest is said in the user's language.
            std::fprintf(out, "%s  %s  %s\n", d.path.c_str(), ids,
                         qPrintable(QCoreApplication::translate("DevicesCommand", "cannot open: %1")
                                        .arg(QString::fromStdString(d.error))));
            anyDenied = anyDenied || d.permissionDenied;
            continue;
        }
        //: The lengths of the device's input and output reports, in bytes.
        const QString lengths =
            QCoreApplication::translate("DevicesCommand", "in %1 out %2").arg(d.caps.inLen).arg(d.caps.outLen);
        std::fprintf(out, "%s  %s  %s  %s\n", d.path.c_str(), ids, qPrintable(lengths),
                     qPrintable(d.accepted ? QCoreApplication::translate("DevicesCommand", "accepted")
                                           : QCoreApplication::translate("DevicesCommand",
                                                                         "not accepted: not a supported handset model")));
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
