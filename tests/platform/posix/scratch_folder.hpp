#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include <stdlib.h>

// A fresh folder under the system's temporary folder, removed with all it
// holds when the object ends.
class scratch_folder {
public:
    scratch_folder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "reporter-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~scratch_folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    scratch_folder(const scratch_folder&) = delete;
    scratch_folder& operator=(const scratch_folder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes bytes into a file of the folder and gives its path.
    std::string write(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path file = path_ / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }

private:
    std::filesystem::path path_;
};
