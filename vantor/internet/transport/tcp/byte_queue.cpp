#include "vantor/internet/transport/tcp/byte_queue.hpp"

#include <algorithm>
#include <utility>

namespace vantor::internet::transport::tcp {

void byte_queue::append(std::string bytes) {
    if (bytes.empty()) {
        return;
    }
    size_ += bytes.size();
    blocks_.push_back(std::move(bytes));
}

char byte_queue::front() const {
    return blocks_.front()[offset_];
}

void byte_queue::pop_front(std::size_t count) {
    count = std::min(count, size_);
    size_ -= count;
    while (count > 0) {
        const std::size_t left = blocks_.front().size() - offset_;
        if (count < left) {
            offset_ += count;
            return;
        }
        count -= left;
        blocks_.pop_front();
        offset_ = 0;
    }
}

std::size_t byte_queue::find_first_of(std::string_view set, std::size_t from) const {
    std::size_t position = 0;  // queue position of the block's first byte
    std::size_t skip = offset_;
    for (const std::string& block : blocks_) {
        const std::string_view bytes = std::string_view(block).substr(skip);
        skip = 0;
        if (from < position + bytes.size()) {
            const std::size_t start = from > position ? from - position : 0;
            const std::size_t found = bytes.find_first_of(set, start);
            if (found != std::string_view::npos) {
                return position + found;
            }
        }
        position += bytes.size();
    }
    return npos;
}

std::string byte_queue::copy_front(std::size_t count) const {
    count = std::min(count, size_);
    std::string bytes;
    bytes.reserve(count);
    std::size_t skip = offset_;
    for (const std::string& block : blocks_) {
        if (bytes.size() == count) {
            break;
        }
        const std::string_view part = std::string_view(block).substr(skip);
        skip = 0;
        bytes.append(part.substr(0, count - bytes.size()));
    }
    return bytes;
}

std::string byte_queue::take_all() {
    std::string bytes;
    if (blocks_.size() == 1 && offset_ == 0) {
        bytes = std::move(blocks_.front());
    } else {
        bytes = copy_front(size_);
    }
    std::deque<std::string>().swap(blocks_);
    offset_ = 0;
    size_ = 0;
    return bytes;
}

}  // namespace vantor::internet::transport::tcp
