#include "vantor/internet/address/ip4.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <optional>

#include "vantor/internet/address/errors.hpp"
#include "vantor/internet/environment/errors.hpp"
#include "vantor/internet/environment/scope.hpp"

namespace {

namespace address = vantor::internet::address;
namespace sockets = platform::sockets;

class ip4 : public ::testing::Test {
protected:
    vantor::internet::environment::scope scope_;
};

std::array<std::uint8_t, 16> bytes_of(const address::base& peer) {
    std::array<std::uint8_t, 16> bytes{};
    std::memcpy(bytes.data(), peer.native(), bytes.size());
    return bytes;
}

TEST_F(ip4, numeric_host_gives_that_address_and_the_given_port) {
    const address::ip4 peer("127.0.0.1", 25);
    const auto bytes = bytes_of(peer);
    EXPECT_EQ(peer.native_size(), 16);
    std::uint16_t family = 0;
    std::memcpy(&family, bytes.data(), 2);
    EXPECT_EQ(family, sockets::family_inet);
    EXPECT_EQ(bytes[2], 0);
    EXPECT_EQ(bytes[3], 25);
    EXPECT_EQ((std::array<std::uint8_t, 4>{bytes[4], bytes[5], bytes[6], bytes[7]}),
              (std::array<std::uint8_t, 4>{127, 0, 0, 1}));
    EXPECT_EQ(peer.port(), 25);
    EXPECT_EQ(address::ip4("10.1.2.3", 0xabcd).port(), 0xabcd);
}

TEST_F(ip4, localhost_takes_the_first_ipv4_entry) {
    const address::ip4 peer("localhost", 587);
    EXPECT_EQ(bytes_of(peer)[4], 127);
    EXPECT_EQ(peer.port(), 587);
    EXPECT_EQ(peer.name(sockets::lookup_numeric_host), "127.0.0.1");
}

TEST_F(ip4, ipv6_only_host_fails_the_walk) {
    try {
        address::ip4("::1", 25);
        FAIL() << "an IPv6 address was taken";
    } catch (const address::host_not_found&) {
        FAIL() << "not the walk's error";
    } catch (const address::generic& error) {
        EXPECT_STREQ(error.code_path(), "internet.address");
        EXPECT_STREQ(error.message(), "GetAddrInfoA() walk failed");
    }
}

TEST_F(ip4, unknown_host_is_host_not_found) {
    try {
        address::ip4("no-such-host.invalid", 25);
        FAIL() << "resolved a name under .invalid";
    } catch (const address::host_not_found& error) {
        EXPECT_STREQ(error.what(), "internet.address.host_not_found[GetAddrInfoA() failed]");
    }
}

TEST_F(ip4, reverse_lookup_falls_back_to_the_numeric_form) {
    // 192.0.2.0/24 is reserved for documentation: no name is known, and a
    // required name fails, so the second attempt gives the numbers.
    const address::ip4 peer("192.0.2.7", 25);
    EXPECT_EQ(peer.name(sockets::lookup_name_required), "192.0.2.7");
}

TEST_F(ip4, assign_takes_exactly_sixteen_bytes) {
    address::ip4 peer("127.0.0.1", 25);
    const address::ip4 other("10.0.0.1", 80);
    peer.assign(other.native(), 16);
    EXPECT_TRUE(peer == other);
    try {
        peer.assign(other.native(), 15);
        FAIL() << "a short address was taken";
    } catch (const address::invalid_address_format& error) {
        EXPECT_STREQ(error.message(), "Size mismatch");
    }
    EXPECT_TRUE(peer == other);
}

TEST_F(ip4, comparisons_order_by_port_before_address) {
    const address::ip4 low_port("10.0.0.9", 25);
    const address::ip4 high_port("10.0.0.1", 26);
    const address::ip4 same("10.0.0.9", 25);
    const address::base& a = low_port;
    const address::base& b = high_port;
    EXPECT_TRUE(a == same);
    EXPECT_FALSE(a != same);
    EXPECT_FALSE(a == b);
    EXPECT_TRUE(a != b);
    EXPECT_TRUE(a < b);
    EXPECT_FALSE(b < a);
    EXPECT_FALSE(a < same);
    // Port bytes are big-endian: 256 orders after 255.
    EXPECT_TRUE(address::ip4("10.0.0.1", 255) < address::ip4("10.0.0.1", 256));
}

TEST_F(ip4, stays_valid_after_its_scope_ended) {
    std::optional<address::ip4> kept;
    {
        vantor::internet::environment::scope inner;
        kept.emplace("127.0.0.1", 25);
    }
    EXPECT_EQ(kept->port(), 25);
}

}  // namespace
