#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace vantor::internet::transport::tcp {

// A queue of bytes that appends at the back and removes from the front. It
// keeps the appended strings as blocks, so that neither end moves the bytes
// between them.
class byte_queue {
public:
    static constexpr std::size_t npos = std::string::npos;

    bool empty() const { return size_ == 0; }
    std::size_t size() const { return size_; }

    // Appends the bytes as one block.
    void append(std::string bytes);

    // The first byte; the queue must not be empty.
    char front() const;
    // Removes count bytes (at most size()) from the front.
    void pop_front(std::size_t count = 1);

    // Position of the first byte at or after from that is one of set, or npos.
    std::size_t find_first_of(std::string_view set, std::size_t from) const;
    // A copy of the first count bytes (at most size()).
    std::string copy_front(std::size_t count) const;
    // Every byte, in order; the queue is empty afterwards and has released
    // its memory.
    std::string take_all();
    // A copy of every byte, for looking.
    std::string to_string() const { return copy_front(size_); }

private:
    std::deque<std::string> blocks_;
    std::size_t offset_ = 0;  // bytes of the front block already removed
    std::size_t size_ = 0;
};

}  // namespace vantor::internet::transport::tcp
