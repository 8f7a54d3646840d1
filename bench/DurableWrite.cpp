#include "DurableWrite.h"

#include <cstdio>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace tivra::bench {

void durableWrite(const std::string& folder, const std::string& temporary, const std::string& target,
                  const std::string& bytes) {
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
        ::fsync(fd) != 0 || ::close(fd) != 0 || std::rename(temporary.c_str(), target.c_str()) != 0) {
        throw std::runtime_error("the floor's write failed");
    }
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir < 0 || ::fsync(dir) != 0 || ::close(dir) != 0) {
        throw std::runtime_error("the floor's folder flush failed");
    }
}

} // namespace tivra::bench
