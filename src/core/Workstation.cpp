#include "core/Workstation.h"

#include "core/Text1252.h"

#include <string_view>

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#endif

namespace tivra {
namespace {

// A name the system gave, as a stored text: a character Windows-1252 cannot hold makes
// the name unreadable rather than wrong.
std::string storedName(std::string_view utf8) {
    std::optional<std::string> text = fromUtf8(utf8);
    return text && !text->empty() ? *text : std::string("?");
}

#ifdef _WIN32
std::string environmentName(const wchar_t* variable) {
    wchar_t value[256] = {};
    DWORD length = GetEnvironmentVariableW(variable, value, 256);
    if (length == 0 || length >= 256) {
        return "?";
    }
    char utf8[1024] = {};
    int bytes =
        WideCharToMultiByte(CP_UTF8, 0, value, static_cast<int>(length), utf8, sizeof utf8, nullptr, nullptr);
    return storedName(std::string_view(utf8, bytes > 0 ? static_cast<std::size_t>(bytes) : 0));
}
#endif

} // namespace

Workstation thisWorkstation() {
#ifdef _WIN32
    return {environmentName(L"USERNAME"), environmentName(L"COMPUTERNAME")};
#else
    Workstation here;
    // The account, not $USER: a shell may set that to anything.
    struct passwd entry {};
    struct passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(::geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr) {
        here.user = storedName(found->pw_name);
    } else {
        const char* user = std::getenv("USER");
        here.user = storedName(user != nullptr ? user : "");
    }
    char host[256] = {};
    here.host = ::gethostname(host, sizeof host - 1) == 0 ? storedName(host) : std::string("?");
    return here;
#endif
}

} // namespace tivra
