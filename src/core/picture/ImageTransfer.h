#pragma once

#include "core/picture/ImageTransferBase.h"

#include <string>

class ImageHandle;

// Downloads one picture to the handset: its 5-6-5 pixels, then a record that names it with the
// tag the handset returned for them.
class ImageTransfer : public ImageTransferBase {
public:
    // Msg::BitmapMissing without a picture, Msg::NoMemory when it has no pixels, else what the handset and the link
    // say. A refused or failed data write sends no name record.
    Msg SendImage(ImageHandle* picture, const std::string& name);
};
