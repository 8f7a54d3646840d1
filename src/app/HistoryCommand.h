#pragma once
// `tivra history`: the change log's entries, one per line in UTF-8 with a header line,
// chosen by object, person, date and weeks; with --backup N the differences between the
// day backup of day N and the booking file now, in the same form.
#include "app/CommandMode.h"

namespace tivra {

const CommandMode& historyMode();

} // namespace tivra
