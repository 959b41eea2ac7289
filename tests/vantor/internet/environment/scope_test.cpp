#include "vantor/internet/environment/scope.hpp"

#include <gtest/gtest.h>

#include "platform/sockets.hpp"
#include "tests/support/wine.hpp"
#include "vantor/internet/address/ip4.hpp"
#include "vantor/internet/environment/errors.hpp"

namespace {

namespace environment = vantor::internet::environment;
namespace sockets = platform::sockets;

// Whether the subsystem is started, seen through a call that needs it.
bool subsystem_started() {
    sockets::handle socket = sockets::invalid_handle;
    if (sockets::open(sockets::family_inet, sockets::type_stream, 0, socket) !=
        platform::status::success) {
        return false;
    }
    sockets::close(socket);
    return true;
}

TEST(scope, starts_for_its_lifetime) {
    EXPECT_FALSE(subsystem_started());
    {
        environment::scope scope;
        EXPECT_TRUE(subsystem_started());
    }
    EXPECT_FALSE(subsystem_started());
}

TEST(scope, nested_scopes_are_counted) {
    environment::scope outer;
    { environment::scope inner; }
    EXPECT_TRUE(subsystem_started());
}

TEST(scope, destroyed_after_the_subsystem_was_stopped_raises_nothing) {
    {
        environment::scope scope;
        scope.stop();
        EXPECT_FALSE(subsystem_started());
        // The destructor stops once more: WSANOTINITIALISED, tolerated.
    }
    EXPECT_FALSE(subsystem_started());
}

TEST(scope, stop_without_a_start_is_tolerated) {
    environment::scope scope;
    scope.stop();
    EXPECT_NO_THROW(scope.stop());
}

TEST(scope, resolving_without_a_scope_is_subsystem_not_ready) {
    if (const auto why = test_support::lacked_by_wine("start check in getaddrinfo")) {
        GTEST_SKIP() << *why;
    }
    try {
        vantor::internet::address::ip4("127.0.0.1", 25);
        FAIL() << "resolved without a scope";
    } catch (const environment::subsystem_not_ready& error) {
        EXPECT_STREQ(error.message(), "GetAddrInfoA() failed");
    }
}

}  // namespace
