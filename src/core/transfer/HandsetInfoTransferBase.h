#pragma once

#include "core/transfer/BaseDataTransfer.h"

class HandsetInfoTransferBase : public BaseDataTransfer {};
