#pragma once

#include "core/transfer/BaseDataTransfer.h"

class ImageTransferBase : public BaseDataTransfer {};
