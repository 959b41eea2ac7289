#include "vantor/exception.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <string_view>

#include "vantor/coding/translate/errors.hpp"
#include "vantor/internet/address/errors.hpp"
#include "vantor/internet/environment/errors.hpp"
#include "vantor/internet/smtp/errors.hpp"
#include "vantor/internet/transport/errors.hpp"
#include "vantor/internet/transport/tcp/base.hpp"
#include "vantor/unicode/errors.hpp"
#include "vantor/variant/variant.hpp"

namespace {

namespace environment = vantor::internet::environment;
namespace address = vantor::internet::address;
namespace transport = vantor::internet::transport;
namespace smtp = vantor::internet::smtp;
namespace unicode = vantor::unicode;
namespace translate = vantor::coding::translate;
using tcp = vantor::internet::transport::tcp::base;

template <class Handler, class Error>
bool caught_by() {
    try {
        throw Error("probe");
    } catch (const Handler&) {
        return true;
    } catch (...) {
        return false;
    }
}

struct error_case {
    std::string_view code_path;
    std::function<void(const std::string&)> raise;
    bool caught_by_family;
    bool caught_by_environment;
    bool caught_by_transport;
};

// Family is the generic class whose handler must catch the error.
template <class Error, class Family>
error_case make_case(std::string_view code_path) {
    return {code_path, [](const std::string& message) { throw Error(message); },
            caught_by<Family, Error>(), caught_by<environment::generic, Error>(),
            caught_by<transport::generic, Error>()};
}

// clang-format off
const error_case error_cases[] = {
    make_case<environment::generic, environment::generic>("internet.environment"),
    make_case<environment::subsystem_not_ready, environment::generic>("internet.environment.subsystem_not_ready"),
    make_case<environment::version_not_supported, environment::generic>("internet.environment.version_not_supported"),
    make_case<environment::subsystem_failed, environment::generic>("internet.environment.subsystem_failed"),
    make_case<address::generic, address::generic>("internet.address"),
    make_case<address::invalid_address_format, address::generic>("internet.address.invalid_address_format"),
    make_case<address::host_not_found, address::generic>("internet.address.host_not_found"),
    make_case<address::service_not_found, address::generic>("internet.address.service_not_found"),
    make_case<transport::generic, transport::generic>("internet.transport"),
    make_case<transport::operation_interrupted, transport::generic>("internet.transport.operation_interrupted"),
    make_case<transport::not_a_socket, transport::generic>("internet.transport.not_a_socket"),
    make_case<transport::address_in_use, transport::generic>("internet.transport.address_in_use"),
    make_case<transport::address_not_valid, transport::generic>("internet.transport.address_not_valid"),
    make_case<tcp::connection_failed, transport::generic>("internet.transport.connection_failed"),
    make_case<tcp::connection_aborted, tcp::connection_failed>("internet.transport.connection_failed.connection_aborted"),
    make_case<tcp::connection_closed, tcp::connection_failed>("internet.transport.connection_failed.connection_closed"),
    make_case<tcp::connection_refused, tcp::connection_failed>("internet.transport.connection_failed.connection_refused"),
    make_case<tcp::connection_reset, tcp::connection_failed>("internet.transport.connection_failed.connection_reset"),
    make_case<tcp::connection_timed_out, tcp::connection_failed>("internet.transport.connection_failed.connection_timed_out"),
    make_case<tcp::network_unreachable, tcp::connection_failed>("internet.transport.connection_failed.network_unreachable"),
    make_case<tcp::host_unreachable, tcp::connection_failed>("internet.transport.connection_failed.host_unreachable"),
    make_case<smtp::generic, smtp::generic>("smtp"),
    make_case<smtp::temporary_failure, smtp::generic>("smtp.temporary_failure"),
    make_case<smtp::permanent_failure, smtp::generic>("smtp.permanent_failure"),
    make_case<smtp::unreliable_delivery, smtp::generic>("smtp.unreliable_delivery"),
    make_case<unicode::generic, unicode::generic>("unicode"),
    make_case<unicode::out_of_memory, unicode::generic>("unicode.out_of_memory"),
    make_case<unicode::invalid_codepage, unicode::generic>("unicode.invalid_codepage"),
    make_case<unicode::unmappable_character, unicode::generic>("unicode.unmappable_character"),
    make_case<translate::generic, translate::generic>("translate"),
    make_case<translate::invalid_codeword, translate::generic>("translate.invalid_codeword"),
    make_case<vantor::variant::generic, vantor::variant::generic>("variant"),
};
// clang-format on

void PrintTo(const error_case& c, std::ostream* os) {
    *os << c.code_path;
}

class error_class : public testing::TestWithParam<error_case> {};

TEST_P(error_class, carries_code_path_message_and_what_text) {
    const auto& param = GetParam();
    try {
        param.raise("WSAStartup() failed");
        FAIL() << "nothing was thrown";
    } catch (const vantor::exception& error) {
        EXPECT_EQ(error.code_path(), param.code_path);
        EXPECT_STREQ(error.message(), "WSAStartup() failed");
        EXPECT_EQ(std::string(error.what()),
                  std::string(param.code_path) + "[WSAStartup() failed]");
    }
}

TEST_P(error_class, is_caught_by_its_family_and_as_a_standard_exception) {
    const auto& param = GetParam();
    EXPECT_TRUE(param.caught_by_family);
    try {
        param.raise("");
    } catch (const std::exception& error) {
        EXPECT_EQ(std::string(error.what()), std::string(param.code_path) + "[]");
    }
}

TEST_P(error_class, transport_errors_are_not_environment_errors) {
    const auto& param = GetParam();
    const bool transport_family = param.code_path.starts_with("internet.transport");
    EXPECT_EQ(param.caught_by_transport, transport_family);
    if (transport_family) {
        EXPECT_FALSE(param.caught_by_environment);
    }
    if (param.code_path.starts_with("internet.environment")) {
        EXPECT_TRUE(param.caught_by_environment);
    }
}

std::string case_name(const testing::TestParamInfo<error_case>& info) {
    std::string name(info.param.code_path);
    for (auto& c : name) {
        if (c == '.') {
            c = '_';
        }
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(every_class, error_class, testing::ValuesIn(error_cases), case_name);

TEST(exception, base_class_has_empty_code_path) {
    const vantor::exception error("plain");
    EXPECT_STREQ(error.code_path(), "");
    EXPECT_STREQ(error.what(), "[plain]");
}

TEST(exception, what_twice_does_not_append) {
    const smtp::permanent_failure error("550 no such user");
    const std::string first = error.what();
    EXPECT_EQ(first, "smtp.permanent_failure[550 no such user]");
    EXPECT_EQ(std::string(error.what()), first);
}

TEST(exception, copy_keeps_all_three_texts) {
    const tcp::connection_reset original("recv() failed");
    const std::string original_what = original.what();
    const tcp::connection_reset copy(original);
    EXPECT_STREQ(copy.message(), "recv() failed");
    EXPECT_STREQ(copy.code_path(), "internet.transport.connection_failed.connection_reset");
    EXPECT_EQ(std::string(copy.what()), original_what);
}

TEST(exception, message_is_copied_from_the_argument) {
    std::string text = "connect() failed";
    const tcp::connection_refused error(text);
    text = "changed";
    EXPECT_STREQ(error.message(), "connect() failed");
}

}  // namespace
