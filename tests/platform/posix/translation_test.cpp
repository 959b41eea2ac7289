#include "platform/posix/translation.hpp"

#include <gtest/gtest.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <cerrno>

#include "platform/sockets.hpp"

namespace {

namespace posix = platform::posix;
namespace sockets = platform::sockets;

struct code_case {
    int native;
    int windows;
};

TEST(translation, errno_to_windows_sockets_codes) {
    constexpr code_case cases[] = {
        {EINTR, 10004},
        {EACCES, 10013},
        {EPERM, 10013},
        {EFAULT, 10014},
        {EINVAL, 10022},
        {EMFILE, 10024},
        {ENFILE, 10024},
        {EINPROGRESS, 10036},
        {EALREADY, 10037},
        {EBADF, 10038},
        {ENOTSOCK, 10038},
        {EDESTADDRREQ, 10039},
        {EMSGSIZE, 10040},
        {EPROTOTYPE, 10041},
        {ENOPROTOOPT, 10042},
        {EPROTONOSUPPORT, 10043},
        {ESOCKTNOSUPPORT, 10044},
        {EOPNOTSUPP, 10045},
        {EAFNOSUPPORT, 10047},
        {EADDRINUSE, 10048},
        {EADDRNOTAVAIL, 10049},
        {ENETDOWN, 10050},
        {ENETUNREACH, 10051},
        {ENETRESET, 10052},
        {ECONNABORTED, 10053},
        {ECONNRESET, 10054},
        {EPIPE, 10054},
        {ENOBUFS, 10055},
        {ENOMEM, 10055},
        {EISCONN, 10056},
        {ENOTCONN, 10057},
        {ESHUTDOWN, 10058},
        {ETIMEDOUT, 10060},
        {EAGAIN, 10060},
        {ECONNREFUSED, 10061},
        {EHOSTDOWN, 10064},
        {EHOSTUNREACH, 10065},
        // Without a row the native value passes through.
        {EIO, EIO},
        {ENOENT, ENOENT},
    };
    for (const code_case& entry : cases) {
        EXPECT_EQ(posix::translate_errno(entry.native), entry.windows) << "errno " << entry.native;
    }
}

TEST(translation, lookup_results_to_windows_sockets_codes) {
    constexpr code_case cases[] = {
        {0, 0},
        {EAI_NONAME, 11001},
        {EAI_AGAIN, 11002},
        {EAI_FAIL, 11003},
        {EAI_NODATA, 11004},
        {EAI_ADDRFAMILY, 11004},
        {EAI_SERVICE, 10109},
        {EAI_FAMILY, 10047},
        {EAI_SOCKTYPE, 10044},
        {EAI_BADFLAGS, 10022},
        {EAI_OVERFLOW, 10014},
        {EAI_MEMORY, 8},
        {-999, -999},
    };
    for (const code_case& entry : cases) {
        EXPECT_EQ(posix::translate_lookup_error(entry.native, 0), entry.windows)
            << "result " << entry.native;
    }
    EXPECT_EQ(posix::translate_lookup_error(EAI_SYSTEM, ECONNREFUSED), 10061);
}

TEST(translation, lookup_flags_bit_by_bit) {
    EXPECT_EQ(posix::translate_lookup_flags(0x01), NI_NOFQDN);
    EXPECT_EQ(posix::translate_lookup_flags(0x02), NI_NUMERICHOST);
    EXPECT_EQ(posix::translate_lookup_flags(0x04), NI_NAMEREQD);
    EXPECT_EQ(posix::translate_lookup_flags(0x08), NI_NUMERICSERV);
    EXPECT_EQ(posix::translate_lookup_flags(0x10), NI_DGRAM);
    EXPECT_EQ(posix::translate_lookup_flags(0x06), NI_NUMERICHOST | NI_NAMEREQD);
    EXPECT_EQ(posix::translate_lookup_flags(0x100), 0);
}

TEST(translation, socket_options) {
    const posix::native_option timeout = posix::translate_option(0xffff, 0x1006);
    EXPECT_TRUE(timeout.found);
    EXPECT_EQ(timeout.level, SOL_SOCKET);
    EXPECT_EQ(timeout.name, SO_RCVTIMEO);
    EXPECT_TRUE(timeout.timeout);
    const posix::native_option send_timeout = posix::translate_option(0xffff, 0x1005);
    EXPECT_EQ(send_timeout.name, SO_SNDTIMEO);
    EXPECT_TRUE(send_timeout.timeout);
    const posix::native_option no_delay = posix::translate_option(6, 1);
    EXPECT_EQ(no_delay.level, IPPROTO_TCP);
    EXPECT_EQ(no_delay.name, TCP_NODELAY);
    EXPECT_FALSE(no_delay.timeout);
    EXPECT_EQ(posix::translate_option(0xffff, 0x0008).name, SO_KEEPALIVE);
    EXPECT_EQ(posix::translate_option(0xffff, 0x1001).name, SO_SNDBUF);
    EXPECT_EQ(posix::translate_option(0xffff, 0x1002).name, SO_RCVBUF);
    EXPECT_FALSE(posix::translate_option(SOL_SOCKET, SO_RCVTIMEO).found);
}

}  // namespace
