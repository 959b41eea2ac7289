#include "vantor/internet/call_errors.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "vantor/exception.hpp"
#include "vantor/format.hpp"
#include "vantor/internet/address/call_errors.hpp"
#include "vantor/internet/environment/call_errors.hpp"
#include "vantor/internet/transport/call_errors.hpp"

namespace {

using vantor::internet::call_errors;

// What one cell expects: the code path of the raised class, "fallback" for
// the call's generic class with the status message, "ignored" for none.
constexpr std::string_view ignored = "ignored";
constexpr std::string_view fallback = "fallback";

struct outcome {
    bool raised = false;
    std::string code_path;
    std::string message;
};

outcome run(const call_errors& table, platform::status::code code) {
    try {
        vantor::internet::check(table, code);
    } catch (const vantor::exception& error) {
        return {true, error.code_path(), error.message()};
    }
    return {};
}

void expect_cell(const call_errors& table, std::string_view fallback_path, int code,
                 std::string_view expected) {
    const std::string call(table.call);
    SCOPED_TRACE(vantor::format("%s() with code %i", call.c_str(), code));
    const outcome result = run(table, code);
    if (expected == ignored) {
        EXPECT_FALSE(result.raised) << result.code_path;
        return;
    }
    ASSERT_TRUE(result.raised);
    if (expected == fallback) {
        EXPECT_EQ(result.code_path, fallback_path);
        EXPECT_EQ(result.message, vantor::format("%s() returned status 0x%.8x", call.c_str(),
                                                 static_cast<unsigned>(code)));
    } else {
        EXPECT_EQ(result.code_path, expected);
        EXPECT_EQ(result.message, call + "() failed");
    }
}

TEST(call_errors, success_raises_nothing) {
    for (const call_errors* table :
         {&vantor::internet::environment::start_errors, &vantor::internet::environment::stop_errors,
          &vantor::internet::address::resolve_errors,
          &vantor::internet::address::reverse_lookup_errors,
          &vantor::internet::transport::socket_errors, &vantor::internet::transport::connect_errors,
          &vantor::internet::transport::recv_errors, &vantor::internet::transport::send_errors,
          &vantor::internet::transport::closesocket_errors,
          &vantor::internet::transport::setsockopt_errors}) {
        EXPECT_FALSE(run(*table, 0).raised) << table->call;
    }
}

TEST(call_errors, status_message_has_eight_hex_digits) {
    EXPECT_EQ(run(vantor::internet::transport::connect_errors, 10013).message,
              "connect() returned status 0x0000271d");
    EXPECT_EQ(run(vantor::internet::transport::recv_errors, -2).message,
              "recv() returned status 0xfffffffe");
}

constexpr std::string_view env_not_ready = "internet.environment.subsystem_not_ready";
constexpr std::string_view env_failed = "internet.environment.subsystem_failed";
constexpr std::string_view interrupted = "internet.transport.operation_interrupted";
constexpr std::string_view not_socket = "internet.transport.not_a_socket";
constexpr std::string_view in_use = "internet.transport.address_in_use";
constexpr std::string_view not_valid = "internet.transport.address_not_valid";
constexpr std::string_view failed = "internet.transport.connection_failed";
constexpr std::string_view aborted = "internet.transport.connection_failed.connection_aborted";
constexpr std::string_view closed = "internet.transport.connection_failed.connection_closed";
constexpr std::string_view refused = "internet.transport.connection_failed.connection_refused";
constexpr std::string_view reset = "internet.transport.connection_failed.connection_reset";
constexpr std::string_view timed_out = "internet.transport.connection_failed.connection_timed_out";
constexpr std::string_view net_unreach = "internet.transport.connection_failed.network_unreachable";
constexpr std::string_view host_unreach = "internet.transport.connection_failed.host_unreachable";
constexpr std::string_view other = fallback;

struct transport_row {
    int code;
    std::string_view socket, connect, recv, send, closesocket, setsockopt;
};

// The socket calls' table, one column per call; 10013 and 10022 stand for
// every code without a row.
constexpr transport_row transport_rows[] = {
    {10004, other, interrupted, interrupted, interrupted, other, other},
    {10038, other, not_socket, not_socket, not_socket, ignored, not_socket},
    {10048, other, in_use, other, other, other, other},
    {10049, other, not_valid, other, other, other, other},
    {10050, env_not_ready, env_not_ready, env_not_ready, env_not_ready, env_not_ready,
     env_not_ready},
    {10051, other, net_unreach, other, other, other, other},
    {10052, other, other, reset, reset, other, other},
    {10053, other, other, aborted, aborted, other, other},
    {10054, other, other, reset, reset, other, other},
    {10057, other, other, failed, failed, other, other},
    {10058, other, other, closed, closed, other, other},
    {10060, other, host_unreach, timed_out, timed_out, other, other},
    {10061, other, refused, other, other, other, other},
    {10065, other, host_unreach, other, other, other, other},
    {10093, env_failed, env_failed, env_failed, env_failed, env_failed, env_failed},
    {10013, other, other, other, other, other, other},
    {10022, other, other, other, other, other, other},
};

TEST(call_errors, transport_calls_cell_by_cell) {
    namespace transport = vantor::internet::transport;
    constexpr std::string_view generic = "internet.transport";
    for (const transport_row& row : transport_rows) {
        expect_cell(transport::socket_errors, generic, row.code, row.socket);
        expect_cell(transport::connect_errors, generic, row.code, row.connect);
        expect_cell(transport::recv_errors, generic, row.code, row.recv);
        expect_cell(transport::send_errors, generic, row.code, row.send);
        expect_cell(transport::closesocket_errors, generic, row.code, row.closesocket);
        expect_cell(transport::setsockopt_errors, generic, row.code, row.setsockopt);
    }
}

// Two calls' tables side by side.
struct pair_row {
    int code;
    std::string_view first, second;
};

template <std::size_t N>
void expect_pair(const pair_row (&rows)[N], const call_errors& first, const call_errors& second,
                 std::string_view fallback_path) {
    for (const pair_row& row : rows) {
        expect_cell(first, fallback_path, row.code, row.first);
        expect_cell(second, fallback_path, row.code, row.second);
    }
}

// WSAStartup and WSACleanup.
constexpr pair_row environment_rows[] = {
    {10091, env_not_ready, other}, {10092, "internet.environment.version_not_supported", other},
    {10050, other, env_failed},    {10093, other, ignored},
    {10067, other, other},
};

TEST(call_errors, start_and_stop_cell_by_cell) {
    namespace environment = vantor::internet::environment;
    expect_pair(environment_rows, environment::start_errors, environment::stop_errors,
                "internet.environment");
}

constexpr std::string_view host_not_found = "internet.address.host_not_found";

// getaddrinfo and getnameinfo.
constexpr pair_row lookup_rows[] = {
    {10093, env_not_ready, env_not_ready},
    {10109, "internet.address.service_not_found", other},
    {11001, host_not_found, host_not_found},
    {11004, host_not_found, host_not_found},
    {11002, other, other},
    {11003, other, other},
    {10047, other, other},
};

TEST(call_errors, resolution_and_reverse_lookup_cell_by_cell) {
    namespace address = vantor::internet::address;
    expect_pair(lookup_rows, address::resolve_errors, address::reverse_lookup_errors,
                "internet.address");
}

}  // namespace
