#pragma once

#include "BaseDataTransfer.h"

class HandsetInfoTransferBase : public BaseDataTransfer {};
