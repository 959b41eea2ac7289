#include "platform/host_lookup.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(host_lookup, numeric_and_local_names) {
    EXPECT_EQ(platform::first_ipv4_address("127.0.0.1"), "127.0.0.1");
    EXPECT_EQ(platform::first_ipv4_address("192.0.2.7"), "192.0.2.7");
    EXPECT_EQ(platform::first_ipv4_address("localhost"), "127.0.0.1");
}

TEST(host_lookup, failures_give_empty_text) {
    EXPECT_EQ(platform::first_ipv4_address("download.invalid"), "");  // RFC 2606: never resolves
    EXPECT_EQ(platform::first_ipv4_address("::1"), "");               // IPv6 only
    EXPECT_EQ(platform::first_ipv4_address("256.1.1.1"), "");
}

}  // namespace
