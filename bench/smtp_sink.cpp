// A mail relay for benchmarks that only counts what it receives, so that a
// client can never be slowed by it: it answers every command at once, reads
// the data in large blocks and writes nothing but the counts (and, when
// asked, the last mail's data) anywhere.
//
//   smtp_sink <port> [<file for the data of each mail>]
//
// Serves one connection after another on 127.0.0.1 until it is killed; after
// each mail it prints "<bytes of data> bytes" on standard output.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

void reply(int peer, std::string_view text) {
    (void)!::write(peer, text.data(), text.size());
}

// Reads the data after DATA up to the end line CR LF "." CR LF; gives the
// byte count without the end line and writes the bytes to the file.
long long read_data(int peer, std::vector<char>& buffer, std::string& pending, std::FILE* keep) {
    constexpr std::string_view end = "\r\n.\r\n";
    long long count = 0;
    std::string tail = "\r\n";  // the data starts on a fresh line
    tail.append(pending);
    pending.clear();
    for (;;) {
        if (const std::size_t stop = tail.find(end); stop != std::string::npos) {
            const std::size_t data_end = stop + 2;
            if (keep != nullptr) {
                std::fwrite(tail.data() + 2, 1, data_end - 2, keep);
            }
            count += static_cast<long long>(data_end - 2);
            pending = tail.substr(stop + end.size());
            return count;
        }
        // Keep the last bytes that could start the end line.
        if (tail.size() > end.size() + 2) {
            const std::size_t done = tail.size() - end.size();
            if (keep != nullptr) {
                std::fwrite(tail.data() + 2, 1, done - 2, keep);
            }
            count += static_cast<long long>(done - 2);
            tail.erase(0, done - 2);
        }
        const ssize_t got = ::read(peer, buffer.data(), buffer.size());
        if (got <= 0) {
            return count;
        }
        tail.append(buffer.data(), static_cast<std::size_t>(got));
    }
}

void serve(int peer, const char* keep_path) {
    std::vector<char> buffer(1 << 20);
    std::string pending;
    reply(peer, "220 sink ready\r\n");
    for (;;) {
        std::size_t line_end;
        while ((line_end = pending.find("\r\n")) == std::string::npos) {
            const ssize_t got = ::read(peer, buffer.data(), buffer.size());
            if (got <= 0) {
                return;
            }
            pending.append(buffer.data(), static_cast<std::size_t>(got));
        }
        const std::string command = pending.substr(0, line_end);
        pending.erase(0, line_end + 2);
        if (command == "QUIT") {
            reply(peer, "221 bye\r\n");
            return;
        }
        if (command != "DATA") {
            reply(peer, "250 ok\r\n");
            continue;
        }
        reply(peer, "354 go ahead\r\n");
        std::FILE* keep = keep_path != nullptr ? std::fopen(keep_path, "wb") : nullptr;
        const long long count = read_data(peer, buffer, pending, keep);
        if (keep != nullptr) {
            std::fclose(keep);
        }
        reply(peer, "250 ok\r\n");
        std::printf("%lld bytes\n", count);
        std::fflush(stdout);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: smtp_sink <port> [<data file>]\n");
        return 2;
    }
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    const int on = 1;
    ::setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(std::atoi(argv[1])));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener, 8) != 0) {
        std::perror("smtp_sink");
        return 1;
    }
    for (;;) {
        const int peer = ::accept(listener, nullptr, nullptr);
        if (peer < 0) {
            continue;
        }
        serve(peer, argc > 2 ? argv[2] : nullptr);
        ::close(peer);
    }
}
