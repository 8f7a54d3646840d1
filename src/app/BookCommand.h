#pragma once
// `tivra book`: one booking from the command line, with the same checks, lock and save
// as the window's "Boka"; --week A-B books the range as one booking, as "Flera veckor"
// stores it, refused as a whole when any of its weeks is taken.
#include "app/CommandMode.h"

namespace tivra {

const CommandMode& bookMode();

} // namespace tivra
