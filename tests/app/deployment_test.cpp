#include "app/deployment.hpp"

#include <gtest/gtest.h>

#include "app/download_lookup.hpp"

// This test program is built with a deployment of its own (see
// CMakeLists.txt): the constants arrive as configured, and the download
// lookup asks for the configured host.
TEST(deployment, constants_come_from_the_build_configuration) {
    EXPECT_STREQ(app::deployment::support_mailbox, "help-desk@example.org");
    EXPECT_STREQ(app::deployment::relay_host, "relay.invalid");
    EXPECT_EQ(app::deployment::relay_port, 2526);
    EXPECT_STREQ(app::deployment::download_host, "localhost");
}

TEST(deployment, download_lookup_resolves_the_download_host) {
    EXPECT_EQ(app::lookup_download_ip(), "127.0.0.1");
}
