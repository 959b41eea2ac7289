#include "vantor/internet/transport/tcp/byte_queue.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

using vantor::internet::transport::tcp::byte_queue;

// Three blocks, the first partly taken: "cd" "ef\rg" "\nhi".
byte_queue three_blocks() {
    byte_queue queue;
    queue.append("abcd");
    queue.append("");
    queue.append("ef\rg");
    queue.append("\nhi");
    queue.pop_front(2);
    return queue;
}

TEST(byte_queue, bytes_leave_in_arrival_order_across_blocks) {
    byte_queue queue = three_blocks();
    EXPECT_EQ(queue.size(), 9u);
    EXPECT_EQ(queue.front(), 'c');
    EXPECT_EQ(queue.copy_front(5), "cdef\r");
    EXPECT_EQ(queue.copy_front(100), "cdef\rg\nhi");
    queue.pop_front(3);
    EXPECT_EQ(queue.front(), 'f');
    EXPECT_EQ(queue.to_string(), "f\rg\nhi");
    queue.pop_front(100);
    EXPECT_TRUE(queue.empty());
}

TEST(byte_queue, find_first_of_from_any_position) {
    const byte_queue queue = three_blocks();
    EXPECT_EQ(queue.find_first_of("\r\n", 0), 4u);
    EXPECT_EQ(queue.find_first_of("\r\n", 4), 4u);
    EXPECT_EQ(queue.find_first_of("\r\n", 5), 6u);
    EXPECT_EQ(queue.find_first_of("\r\n", 7), byte_queue::npos);
    EXPECT_EQ(queue.find_first_of("\r\n", 100), byte_queue::npos);
    EXPECT_EQ(byte_queue().find_first_of("\r\n", 0), byte_queue::npos);
}

TEST(byte_queue, take_all_empties_the_queue) {
    byte_queue queue = three_blocks();
    EXPECT_EQ(queue.take_all(), "cdef\rg\nhi");
    EXPECT_TRUE(queue.empty());
    queue.append("one block");
    EXPECT_EQ(queue.take_all(), "one block");
    EXPECT_EQ(queue.take_all(), "");
}

}  // namespace
