#pragma once
// `tivra cancel`: removes the first booking whose nine stored fields match the options,
// with the same lock, reload and save as the window's "Avboka". The options are read as
// `tivra book` reads them, so it finds what `book` stored: --week A-B matches a range.
#include "app/CommandMode.h"

namespace tivra {

const CommandMode& cancelMode();

} // namespace tivra
