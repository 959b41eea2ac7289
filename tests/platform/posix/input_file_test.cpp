#include "platform/input_file.hpp"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "scratch_folder.hpp"

namespace {

using namespace std::string_literals;

TEST(input_file, reads_every_byte) {
    const scratch_folder folder;
    const struct {
        std::string bytes;
    } cases[] = {{""}, {"ab"}, {"abc"}, {"\xFF\xFE\0\0\r\n\x1A"s}, {std::string(3 << 20, '\x9C')}};
    for (const auto& [bytes] : cases) {
        platform::input_file file(folder.write("install.txt", bytes));
        ASSERT_TRUE(file.is_open());
        const auto read = file.read_whole();
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(*read, bytes);
    }
}

TEST(input_file, what_cannot_be_opened) {
    const scratch_folder folder;
    EXPECT_FALSE(platform::input_file((folder.path() / "missing.txt").string()).is_open());
    EXPECT_FALSE(platform::input_file(folder.path().string()).is_open());  // a folder

    // A FIFO without a writer would block a plain open for ever.
    const std::string fifo = (folder.path() / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(platform::input_file(fifo).is_open());

    platform::input_file missing((folder.path() / "missing.txt").string());
    EXPECT_FALSE(missing.read_whole().has_value());
}

TEST(input_file, file_cut_short_after_opening) {
    const scratch_folder folder;
    const std::string path = folder.write("install.txt", "0123456789");
    platform::input_file file(path);
    ASSERT_TRUE(file.is_open());
    ASSERT_EQ(::truncate(path.c_str(), 4), 0);
    EXPECT_EQ(file.read_whole(), "0123");
}

}  // namespace
