#pragma once

#include <cstdint>

// Results of operations: 0 for success, otherwise the id of the string-table text the user
// is shown. The numbers are fixed; other programs and tests rely on them.
enum class Msg : std::uint32_t {
    Ok = 0,

    CouldNotSendToPhone = 103,

    // Refusals the handset gives in a reply report.
    RefusedMemoryFull = 137,
    RefusedHandsetInUse = 138,
    RefusedIncomingCall = 139,
    RefusedLowBattery = 140,
    RefusedSoundClipBusy = 141,
    RefusedHandsetCanceledImage = 142,
    RefusedFileTooLarge = 155,
    RefusedOther = 370,

    ImageNotLoaded = 156,
    ImageNotSaved = 160,
    ImageNotRetrieved = 133,
    LoadingImage = 135,
    CannotOverwriteOpenImage = 136,
    NoFileLoaded = 157,
    MyPictures = 130,
    SampleImages = 143,
    CancelingImageDownload = 57346,
    RequestingImageSend = 57348,
    BitmapMissing = 188,
    SendingImage = 264,
    ReadFailed = 164,
    Cancelled = 167,
    DataInError = 261,
    NothingToSend = 262,
    HandsetSettingsUnreadable = 263,

    CancelingPhonebookTransfer = 165,
    ReceivingPhonebook = 169,
    SendingPhonebook = 170,
    SendingPhonebookRecord = 172,
    MaxEntriesReached = 182,
    MyPhonebooks = 190,
    FileWriteFailed = 193,
    FileReadFailed = 194,
    ConfirmOverwriteHandset = 195,
    ReceivingHandsetInfo = 222,
    PreparingReceive = 321,
    TransferringRecord = 322,
    ConfirmSkipIncomplete = 374,

    NoRecordsToWrite = 199,
    CouldNotOpenFile = 201,
    CouldNotWriteExport = 202,
    MapIndexOutOfRange = 214,
    VariableIndexOutOfRange = 217,
    IndexAlreadyAssigned = 218,
    CouldNotImportFile = 219,
    NoColumnsSelected = 221,

    AppTitle = 57344,
    NoMemory = 57345,
    PhoneNotFound = 57350,
    ReportSizeTooLarge = 57351,
    CreateEventFailed = 57352,
    SendFailed = 57354,

    // Texts of this program's own, beyond the handset's designed ones.
    NotTheBackupsHandset = 57400,
    SyncButtonTip = 57401,
    HandsetBookChanged = 57402,
};

constexpr std::uint32_t ToId(Msg m) { return static_cast<std::uint32_t>(m); }
