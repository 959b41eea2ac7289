#include "vantor/internet/transport/tcp/base.hpp"

#include <algorithm>
#include <cstring>

#include "vantor/internet/transport/call_errors.hpp"

namespace vantor::internet::transport::tcp {

namespace sockets = platform::sockets;

namespace {

constexpr char cr = '\r';
constexpr char lf = '\n';

bool is_line_end(char byte) { return byte == cr || byte == lf; }

}  // namespace

void base::open(const address::base& peer) {
    std::uint16_t family = 0;
    std::memcpy(&family, peer.native(), sizeof family);
    const platform::status::code result =
        sockets::open(family, sockets::type_stream, 0, handle_);
    check(socket_errors, result);
}

void base::connect_to(const address::base& peer) {
    check(connect_errors, sockets::connect(handle_, peer.native(), peer.native_size()));
}

void base::write(std::string_view data) {
    write_buffer_.insert(write_buffer_.end(), data.begin(), data.end());
    flush();
}

void base::write_line(std::string_view line) {
    write_buffer_.insert(write_buffer_.end(), line.begin(), line.end());
    write_buffer_.push_back(cr);
    write_buffer_.push_back(lf);
    flush();
}

void base::read_line(std::string& line) {
    std::size_t scanned = 0;
    auto terminator = read_buffer_.end();
    for (;;) {
        terminator = std::find_if(read_buffer_.begin() + static_cast<std::ptrdiff_t>(scanned),
                                  read_buffer_.end(), is_line_end);
        if (terminator != read_buffer_.end()) {
            break;
        }
        scanned = read_buffer_.size();
        if (scanned >= line_limit) {
            throw transport::generic("Line too long");
        }
        fill();
    }
    const char end = *terminator;
    line.assign(read_buffer_.begin(), terminator);
    read_buffer_.erase(read_buffer_.begin(), terminator + 1);
    // The byte after the terminator decides whether it is half of a pair.
    if (read_buffer_.empty()) {
        fill();
    }
    if (!read_buffer_.empty() && is_line_end(read_buffer_.front()) &&
        read_buffer_.front() != end) {
        read_buffer_.pop_front();
    }
}

}  // namespace vantor::internet::transport::tcp
