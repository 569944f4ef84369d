#pragma once

#include "core/transfer/BaseDataTransfer.h"

class PhonebookTransferBase : public BaseDataTransfer {};
