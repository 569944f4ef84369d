#pragma once

#include "core/transfer/RecordTag.h"

#include "core/common/Msg.h"

#include <cstdint>
#include <span>
#include <vector>

class ProgressDisplay;

// The base of everything that talks to the handset: one method per command, each 0 or a
// message id. Exchanges run on the calling thread, inside the operation running there
// (HandsetSession); a command called outside any operation is an operation of its own.
class BaseDataTransfer {
public:
    BaseDataTransfer();
    virtual ~BaseDataTransfer();
    BaseDataTransfer(const BaseDataTransfer&) = delete;
    BaseDataTransfer& operator=(const BaseDataTransfer&) = delete;

    // Must be called before the first exchange.
    virtual void SetProgressDialog(ProgressDisplay* progress) { m_progress = progress; }
    // Never null: a transfer nobody gave a display to still runs; it just shows nothing.
    ProgressDisplay* ProgressDialog() const;

    // One exchange. Op 1 sends `data`; ops 2 and 3 fill `received`. `reply` gets the reply data
    // of a send. Each data report moves the progress display one step.
    Msg Execute(std::uint8_t op, std::uint8_t function, std::span<const std::uint8_t> parameters,
                std::span<const std::uint8_t> data, std::vector<std::uint8_t>* received,
                std::vector<std::uint8_t>* reply);

    // The commands, one each.
    Msg BeginDownload(std::uint8_t dataClass);
    Msg ReadCount(std::uint16_t& count, std::uint16_t& second, std::uint8_t dataClass);
    Msg ReadRecord(std::vector<std::uint8_t>& data, RecordTag tag);
    // The writes refuse a null data pointer with Msg::NothingToSend before any exchange. On success the
    // handset's 4-byte reply replaces `tag`; a reply of any other size is Msg::DataInError and leaves it.
    Msg WriteImageData(std::span<const std::uint8_t> data, RecordTag& tag);
    Msg WriteRecord(std::span<const std::uint8_t> data, RecordTag& tag);
    Msg WriteInfo(std::span<const std::uint8_t> data, RecordTag& tag);

private:
    Msg Write(std::uint8_t function, std::span<const std::uint8_t> data, RecordTag& tag, bool fullTag);

    ProgressDisplay* m_progress = nullptr;
    bool m_stepWhenInline = false;
};
