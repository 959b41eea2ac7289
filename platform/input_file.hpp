#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// A file opened for reading, shared with other readers but not with
// writers, for sequential reading; closed when the object ends.
class input_file {
public:
    // Opens an existing file; is_open() tells whether that worked (missing,
    // locked by a writer, no access or not a file: it did not).
    explicit input_file(const std::string& path);
    ~input_file();

    input_file(const input_file&) = delete;
    input_file& operator=(const input_file&) = delete;

    bool is_open() const { return handle_ != closed; }

    // Asks the file's size and reads that many bytes: the bytes actually
    // read, fewer when the file ended early; nothing when the read fails or
    // the file is not open.
    std::optional<std::string> read_whole();

private:
    // The backend's handle value; -1 is the closed value of both backends
    // (INVALID_HANDLE_VALUE, a failed open()).
    static constexpr std::intptr_t closed = -1;

    std::intptr_t handle_ = closed;
};

}  // namespace platform
