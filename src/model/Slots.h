#pragma once

#include "platform/RuntimeError.h"

#include <cstddef>

namespace av {

// The array index of slot n among slots numbered 1 to count; any other number is a subscript
// error, as it is for every numbered thing the files and screens hold.
inline std::size_t slotIndex(int n, int count, const char* what) {
    if (n < 1 || n > count)
        throw RuntimeError(RuntimeError::SubscriptOutOfRange, QString::fromLatin1(what));
    return std::size_t(n - 1);
}

} // namespace av
