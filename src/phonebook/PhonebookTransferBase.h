#pragma once

#include "transfer/BaseDataTransfer.h"

class PhonebookTransferBase : public BaseDataTransfer {};
