#pragma once

#include "BaseDataTransfer.h"

class ImageTransferBase : public BaseDataTransfer {};
