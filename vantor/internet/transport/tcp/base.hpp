#pragma once

#include <cstddef>
#include <string>

#include "vantor/internet/address/base.hpp"
#include "vantor/internet/transport/base.hpp"
#include "vantor/internet/transport/errors.hpp"
#include "vantor/internet/transport/tcp/byte_queue.hpp"

namespace vantor::internet::transport::tcp {

// Base of the TCP transports: a stream socket with a byte queue on each
// side and line-oriented reading and writing. Its nested error classes are
// the TCP connection errors (tcp::base::connection_refused and so on).
// Subclasses move the bytes: flush sends the whole write queue, fill
// receives once into the read queue.
class base : public transport::base, public connection_errors {
public:
    base() = default;
    ~base() override = default;

    // Creates a stream socket of the family that peer's raw address names.
    void open(const address::base& peer) override;
    // Connects to peer's raw address; bounded only by the system.
    void connect_to(const address::base& peer);

    // Queue the bytes (write_line adds CR LF) and flush at once.
    void write(std::string data);
    void write_line(std::string line);

    // The longest line read_line waits for: far beyond any line a real
    // peer sends, it keeps a peer that never ends its line from filling
    // memory.
    static constexpr std::size_t line_limit = 1 << 20;

    // Replaces line with the next line of the read queue, filling it as often
    // as needed. CR, LF, CR LF and LF CR each end one line; CR CR and LF LF
    // end two. Bytes after the line stay queued. Raises transport::generic
    // with "Line too long" when line_limit bytes arrived without a line end;
    // they stay queued.
    void read_line(std::string& line);

    virtual void flush() = 0;
    virtual void fill() = 0;

    // The queued bytes, for looking only.
    const byte_queue& write_buffer() const { return write_buffer_; }
    const byte_queue& read_buffer() const { return read_buffer_; }

protected:
    // Declared in this order so that the read queue is released first.
    byte_queue write_buffer_;
    byte_queue read_buffer_;
};

}  // namespace vantor::internet::transport::tcp
