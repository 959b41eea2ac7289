#include "app/download_lookup.hpp"

#include "app/deployment.hpp"
#include "platform/host_lookup.hpp"

namespace app {

std::string lookup_download_ip() {
    return platform::first_ipv4_address(deployment::download_host);
}

}  // namespace app
