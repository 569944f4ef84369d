#pragma once

#include "core/transfer/HandsetInfo.h"
#include "core/transfer/HandsetInfoTransferBase.h"

// Reads and writes the handset's name and identity. Leaves the progress display's texts and
// range alone.
class HandsetInfoTransfer : public HandsetInfoTransferBase {
public:
    // Msg::HandsetSettingsUnreadable when the handset's answer is not exactly the 26-byte
    // record; `info` then stays as it was.
    Msg GetInfo(HandsetInfo& info);
    // Msg::CouldNotSendToPhone without a record. On success the record's tag becomes the
    // handset's answer.
    Msg SetInfo(HandsetInfo* info);
};
