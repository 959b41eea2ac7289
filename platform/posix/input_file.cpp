#include "platform/input_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

namespace {

int native(std::intptr_t handle) {
    return static_cast<int>(handle);
}

}  // namespace

// Only regular files are taken: a directory cannot be read as a log, and a
// FIFO would block the program until a writer came (O_NONBLOCK keeps the
// open itself from waiting; it means nothing for a regular file).
input_file::input_file(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return;
    }
    handle_ = fd;
}

input_file::~input_file() {
    if (is_open()) {
        ::close(native(handle_));
    }
}

// read() may return fewer bytes than asked for; it is repeated until the
// size is read or the file ends.
std::optional<std::string> input_file::read_whole() {
    if (!is_open()) {
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(native(handle_), &status) != 0 || status.st_size < 0) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(status.st_size), '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t count = ::read(native(handle_), bytes.data() + filled, bytes.size() - filled);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;
        }
        if (count == 0) {
            break;
        }
        filled += static_cast<std::size_t>(count);
    }
    bytes.resize(filled);
    return bytes;
}

}  // namespace platform
