#include "vantor/internet/address/base.hpp"

#include <cstring>

namespace vantor::internet::address {
namespace {

// Sizes first, then the raw bytes: <0, 0 or >0.
int compare(const base& left, const base& right) {
    const std::int32_t left_size = left.native_size();
    const std::int32_t right_size = right.native_size();
    if (left_size != right_size) {
        return left_size < right_size ? -1 : 1;
    }
    if (left_size <= 0) {
        return 0;
    }
    return std::memcmp(left.native(), right.native(), static_cast<std::size_t>(left_size));
}

}  // namespace

bool base::operator==(const base& other) const {
    return compare(*this, other) == 0;
}

bool base::operator!=(const base& other) const {
    return compare(*this, other) != 0;
}

bool base::operator<(const base& other) const {
    return compare(*this, other) < 0;
}

}  // namespace vantor::internet::address
