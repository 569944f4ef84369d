#include "sim/SimHandset.h"

#include "core/common/ByteOrder.h"
#include "core/phonebook/PhonebookFile.h"
#include "core/phonebook/PhonebookFileLayout.h"
#include "core/phonebook/PhonebookRecord.h"
#include "core/transfer/NameField.h"
#include "core/transfer/ProtocolCodes.h"
#include "core/transfer/RecordLayouts.h"

#include <QFile>

#include <algorithm>
#include <cstring>

namespace {

// The largest picture payload the handset takes: the header and 128 x 128 words.
constexpr std::size_t kMaxPicturePayload = picturepayload::kPixels + 128 * 128 * 2;
constexpr std::size_t kMaxPhonebookRecords = 100;
// A record as the handset keeps it is the record it was sent, behind a 4-byte tag.
constexpr std::size_t kStoredTagSize = readrecord::kName;

// Refusal codes the handset answers with.
constexpr std::uint8_t kRefuseMemoryFull = 2;
constexpr std::uint8_t kRefuseTooLarge = 8;
constexpr std::uint8_t kRefuseUnknown = 1;

}  // namespace

SimHandset::SimHandset(SimConfig config) : m_config(std::move(config))
{
    m_pictures.SetFolder(m_config.pictureFolder);
}

SimConfig SimHandset::Config() const
{
    std::lock_guard lock(m_mutex);
    return m_config;
}

void SimHandset::SetFaults(const SimFaults& faults)
{
    std::lock_guard lock(m_mutex);
    m_config.faults = faults;
}

SimFaults SimHandset::Faults() const
{
    std::lock_guard lock(m_mutex);
    return m_config.faults;
}

bool SimHandset::LoadPhonebook(const std::string& path, std::string* error, bool keepIdentity)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + ": " + file.errorString().toStdString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    const std::span<const std::uint8_t> b(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                          static_cast<std::size_t>(bytes.size()));
    // The records are kept byte for byte, as the handset holds them.
    const std::optional<std::size_t> count = PhonebookFile::RecordCount(b);
    if (!count) {
        *error = path + ": not a phone-book file";
        return false;
    }
    std::lock_guard lock(m_mutex);
    if (!keepIdentity)
        std::copy_n(b.begin() + opbk::kIdentity, m_config.identity.size(), m_config.identity.begin());
    m_phonebook.clear();
    for (std::size_t i = 0; i < *count; ++i) {
        SimPhonebookRecord r;
        std::copy_n(b.begin() + opbk::kHeaderSize + i * r.size(), r.size(), r.begin());
        m_phonebook.push_back(r);
    }
    return true;
}

std::vector<SimPhonebookRecord> SimHandset::Phonebook() const
{
    std::lock_guard lock(m_mutex);
    return m_phonebook;
}

void SimHandset::AddContact(const std::string& name, const std::string& number)
{
    PhonebookEntry entry;
    entry.name = name;
    entry.number = number;
    std::vector<std::uint8_t> wire(wirerecord::kSize, 0);
    PhonebookRecord::EncodeBody(wire, entry, entry.choice1, entry.choice2);
    const std::array<std::uint8_t, params::kSize> p{0, 0, 0, 0, CLASS_PHONEBOOK, 0, 0, 0};
    CommitWrite(FN_WRITE_RECORD, p, wire);
}

std::string SimHandset::Name() const
{
    std::lock_guard lock(m_mutex);
    return m_config.name;
}

std::array<std::uint8_t, 6> SimHandset::Identity() const
{
    std::lock_guard lock(m_mutex);
    return m_config.identity;
}

std::size_t SimHandset::PictureCount() const
{
    std::lock_guard lock(m_mutex);
    return m_pictures.Count();
}

void SimHandset::SetReadData(std::uint8_t function, std::uint8_t dataClass, std::uint8_t index,
                             std::vector<std::uint8_t> data)
{
    std::lock_guard lock(m_mutex);
    m_readData[{function, dataClass, index}] = std::move(data);
}

void SimHandset::SetWriteReply(std::optional<std::vector<std::uint8_t>> reply)
{
    std::lock_guard lock(m_mutex);
    m_writeReply = std::move(reply);
}

std::vector<SimCommandLog> SimHandset::Commands() const
{
    std::lock_guard lock(m_mutex);
    return m_log;
}

void SimHandset::ClearCommands()
{
    std::lock_guard lock(m_mutex);
    m_log.clear();
}

std::size_t SimHandset::Log(std::uint8_t op, std::uint8_t function, std::span<const std::uint8_t> parameters)
{
    std::lock_guard lock(m_mutex);
    SimCommandLog entry;
    entry.op = op;
    entry.function = function;
    std::copy_n(parameters.begin(), std::min(parameters.size(), entry.parameters.size()), entry.parameters.begin());
    m_log.push_back(std::move(entry));
    return m_log.size() - 1;
}

void SimHandset::CompleteLog(std::size_t index, std::span<const std::uint8_t> data)
{
    std::lock_guard lock(m_mutex);
    if (index < m_log.size()) {
        m_log[index].data.assign(data.begin(), data.end());
        m_log[index].completed = true;
    }
}

SimHandset::Answer SimHandset::Read(std::uint8_t function, std::span<const std::uint8_t> p)
{
    std::lock_guard lock(m_mutex);
    const std::uint8_t cls = p[params::kClass];
    const std::uint8_t index = p[params::kIndex];
    Answer a;
    if (auto it = m_readData.find({function, cls, index}); it != m_readData.end()) {
        a.data = it->second;
        return a;
    }
    switch (function) {
    case FN_READ_RECORD:
        if (cls == CLASS_HANDSET_INFO && index == 0) {
            a.data.assign(inforeply::kSize, 0);
            WriteNameField(std::span(a.data).subspan(inforeply::kName, kNameFieldSize), m_config.name);
            std::copy(m_config.identity.begin(), m_config.identity.end(), a.data.begin() + inforeply::kIdentity32);
        } else if (cls == CLASS_PHONEBOOK && index < m_phonebook.size()) {
            a.data.assign(m_phonebook[index].begin(), m_phonebook[index].end());
        } else {
            a.refusal = kRefuseUnknown;
        }
        break;
    case FN_READ_COUNT:
        a.data.assign(4, 0);
        if (cls == CLASS_PHONEBOOK)
            PutLe16(a.data, 0, static_cast<std::uint16_t>(m_phonebook.size()));
        else if (cls == CLASS_IMAGE)
            PutLe16(a.data, 0, static_cast<std::uint16_t>(m_pictures.Count()));
        break;
    case FN_BEGIN_DOWNLOAD:
        if (cls == CLASS_PHONEBOOK)
            m_phonebook.clear();
        break;
    case FN_ABORT:
        break;
    default:
        a.refusal = kRefuseUnknown;
        break;
    }
    return a;
}

SimHandset::Answer SimHandset::BeginWrite(std::uint8_t function, std::span<const std::uint8_t> p)
{
    std::lock_guard lock(m_mutex);
    const std::uint32_t length = GetLe32(p, params::kLength);
    const std::uint8_t cls = p[params::kClass];
    Answer a;
    std::uint8_t index = 0;
    switch (function) {
    case FN_WRITE_IMAGE:
        if (length > kMaxPicturePayload)
            a.refusal = kRefuseTooLarge;
        else if (m_pictures.Count() >= static_cast<std::size_t>(std::max(0, m_config.pictureCapacity)))
            a.refusal = kRefuseMemoryFull;
        index = static_cast<std::uint8_t>(m_pictures.Count());
        break;
    case FN_WRITE_RECORD:
        if (cls == CLASS_PHONEBOOK && m_phonebook.size() >= kMaxPhonebookRecords)
            a.refusal = kRefuseMemoryFull;
        index = static_cast<std::uint8_t>(cls == CLASS_PHONEBOOK ? m_phonebook.size() : p[params::kIndex]);
        break;
    case FN_WRITE_INFO:
        index = p[params::kIndex];
        break;
    default:
        a.refusal = kRefuseUnknown;
        break;
    }
    // The reply is the tag of what the data becomes: class, index, word.
    a.data = {cls, index, p[params::kWord], p[params::kWord + 1]};
    if (m_writeReply)
        a.data = *m_writeReply;
    return a;
}

void SimHandset::CommitWrite(std::uint8_t function, std::span<const std::uint8_t> p, std::span<const std::uint8_t> data)
{
    std::lock_guard lock(m_mutex);
    const std::uint8_t cls = p[params::kClass];
    switch (function) {
    case FN_WRITE_IMAGE:
        m_pictures.Add(data);
        break;
    case FN_WRITE_RECORD:
        if (cls == CLASS_PHONEBOOK && data.size() >= wirerecord::kSize) {
            SimPhonebookRecord r{};
            r[0] = CLASS_PHONEBOOK;
            r[1] = static_cast<std::uint8_t>(m_phonebook.size());
            std::copy_n(data.begin(), wirerecord::kSize, r.begin() + kStoredTagSize);
            m_phonebook.push_back(r);
        } else if (cls == CLASS_IMAGE_NAME && data.size() >= imagename::kSize) {
            m_pictures.Name(data[imagename::kTag + 1], ReadNameField(data.subspan(imagename::kName, kNameFieldSize)));
        }
        break;
    case FN_WRITE_INFO:
        if (data.size() >= infowrite::kSize) {
            m_config.name = ReadNameField(data.subspan(infowrite::kName, kNameFieldSize));
            std::copy_n(data.begin() + infowrite::kIdentity32, m_config.identity.size(), m_config.identity.begin());
        }
        break;
    default:
        break;
    }
}
