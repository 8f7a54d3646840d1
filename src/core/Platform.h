#pragma once
#include "core/Clock.h"
#include "core/Disk.h"
#include "core/Messages.h"

namespace tivra {

// The platform services the logic uses, passed together.
struct Platform {
    Disk& disk;
    Clock& clock;
    Messages& messages;
};

} // namespace tivra
