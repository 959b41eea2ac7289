#include "vantor/internet/transport/tcp/base.hpp"

#include <cstring>
#include <string_view>
#include <utility>

#include "vantor/internet/transport/call_errors.hpp"

namespace vantor::internet::transport::tcp {

namespace sockets = platform::sockets;

namespace {

constexpr char cr = '\r';
constexpr char lf = '\n';

constexpr std::string_view line_ends = "\r\n";

bool is_line_end(char byte) {
    return byte == cr || byte == lf;
}

}  // namespace

void base::open(const address::base& peer) {
    std::uint16_t family = 0;
    std::memcpy(&family, peer.native(), sizeof family);
    const platform::status::code result = sockets::open(family, sockets::type_stream, 0, handle_);
    check(socket_errors, result);
}

void base::connect_to(const address::base& peer) {
    check(connect_errors, sockets::connect(handle_, peer.native(), peer.native_size()));
}

void base::write(std::string data) {
    write_buffer_.append(std::move(data));
    flush();
}

void base::write_line(std::string line) {
    line += cr;
    line += lf;
    write_buffer_.append(std::move(line));
    flush();
}

void base::read_line(std::string& line) {
    std::size_t scanned = 0;
    std::size_t terminator = byte_queue::npos;
    for (;;) {
        terminator = read_buffer_.find_first_of(line_ends, scanned);
        if (terminator != byte_queue::npos) {
            break;
        }
        scanned = read_buffer_.size();
        if (scanned >= line_limit) {
            throw transport::generic("Line too long");
        }
        fill();
    }
    line = read_buffer_.copy_front(terminator);
    read_buffer_.pop_front(terminator);
    const char end = read_buffer_.front();
    read_buffer_.pop_front();
    // The byte after the terminator decides whether it is half of a pair.
    if (read_buffer_.empty()) {
        fill();
    }
    if (!read_buffer_.empty() && is_line_end(read_buffer_.front()) && read_buffer_.front() != end) {
        read_buffer_.pop_front();
    }
}

}  // namespace vantor::internet::transport::tcp
