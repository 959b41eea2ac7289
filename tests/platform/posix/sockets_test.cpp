#include "platform/sockets.hpp"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/time.h>

namespace {

namespace sockets = platform::sockets;
namespace status = platform::status;

TEST(sockets, starts_and_stops_are_counted) {
    sockets::start_record record;
    EXPECT_EQ(sockets::stop(), status::wsa_notinitialised);
    ASSERT_EQ(sockets::start(0x0101, record), status::success);
    EXPECT_EQ(record.version, 0x0101);
    ASSERT_EQ(sockets::start(0x0202, record), status::success);
    EXPECT_EQ(sockets::stop(), status::success);
    EXPECT_EQ(sockets::stop(), status::success);
    EXPECT_EQ(sockets::stop(), status::wsa_notinitialised);
    EXPECT_EQ(sockets::start(0x0100, record), status::wsa_vernotsupported);
    EXPECT_EQ(sockets::stop(), status::wsa_notinitialised);
}

TEST(sockets, calls_without_a_start_are_not_initialised) {
    sockets::handle socket = 0;
    EXPECT_EQ(sockets::open(sockets::family_inet, sockets::type_stream, 0, socket),
              status::wsa_notinitialised);
    EXPECT_EQ(socket, sockets::invalid_handle);
    std::vector<sockets::resolved_address> entries;
    EXPECT_EQ(sockets::resolve("127.0.0.1", entries), status::wsa_notinitialised);
    EXPECT_TRUE(entries.empty());
    std::string name;
    const sockets::inet_address address{};
    EXPECT_EQ(sockets::host_name(reinterpret_cast<const std::byte*>(&address), 16, 0, name),
              status::wsa_notinitialised);
    std::int32_t count = 0;
    char byte = 0;
    EXPECT_EQ(sockets::send(3, &byte, 1, count), status::wsa_notinitialised);
    EXPECT_EQ(sockets::receive(3, &byte, 1, count), status::wsa_notinitialised);
    EXPECT_EQ(sockets::close(sockets::invalid_handle), status::wsa_notinitialised);
}

TEST(sockets, receive_time_out_in_milliseconds_becomes_a_timeval) {
    sockets::start_record record;
    ASSERT_EQ(sockets::start(0x0101, record), status::success);
    sockets::handle socket = sockets::invalid_handle;
    ASSERT_EQ(sockets::open(sockets::family_inet, sockets::type_stream, 0, socket),
              status::success);
    EXPECT_EQ(sockets::set_option(socket, 0xffff, 0x1006, 30000), status::success);
    timeval time{};
    socklen_t size = sizeof time;
    ASSERT_EQ(::getsockopt(static_cast<int>(socket), SOL_SOCKET, SO_RCVTIMEO, &time, &size), 0);
    EXPECT_EQ(time.tv_sec, 30);
    EXPECT_EQ(time.tv_usec, 0);
    EXPECT_EQ(sockets::set_option(socket, 0xffff, 0x1006, 1500), status::success);
    ASSERT_EQ(::getsockopt(static_cast<int>(socket), SOL_SOCKET, SO_RCVTIMEO, &time, &size), 0);
    EXPECT_EQ(time.tv_sec, 1);
    EXPECT_EQ(time.tv_usec, 500000);
    EXPECT_EQ(sockets::close(socket), status::success);
    EXPECT_EQ(sockets::close(socket), status::wsa_enotsock);
    EXPECT_EQ(sockets::stop(), status::success);
}

}  // namespace
