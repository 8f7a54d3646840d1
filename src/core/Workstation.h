#pragma once
// Who is at this computer: the user's login name and the computer's name, as the change
// log records them beside each change.
#include <string>

namespace tivra {

struct Workstation {
    std::string user; // Windows-1252; "?" when the system does not say
    std::string host; // Windows-1252; "?" when the system does not say
};

// The user and computer this program runs as and on.
Workstation thisWorkstation();

} // namespace tivra
