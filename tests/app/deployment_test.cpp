#include "app/deployment.hpp"

#include <gtest/gtest.h>

// The generated constants carry the values this build was configured with.
TEST(deployment, constants_come_from_the_build_configuration) {
    EXPECT_STREQ(app::deployment::support_mailbox, CONFIGURED_SUPPORT_MAILBOX);
    EXPECT_STREQ(app::deployment::relay_host, CONFIGURED_RELAY_HOST);
    EXPECT_EQ(app::deployment::relay_port, CONFIGURED_RELAY_PORT);
    EXPECT_STREQ(app::deployment::download_host, CONFIGURED_DOWNLOAD_HOST);
}
