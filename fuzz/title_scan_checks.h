// What every title scan must give, whatever the bytes: a terminated title inside its buffer
// that was copied, byte for byte, from the image it was given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "require.h"

// Runs `scan` over `data` with a title buffer of every interesting size and checks the
// title. The image is copied into a buffer of exactly `size` bytes so the sanitizer sees any
// read past it.
template <typename Scan> void CheckTitleScan(const uint8_t* data, size_t size, Scan scan)
{
    for (int titleSize : {1, 2, 16, 256}) {
        char title[257];
        std::memset(title, 'x', sizeof title);
        scan(data, int(size), title, titleSize);
        const void* nul = std::memchr(title, 0, size_t(titleSize));
        Require(nul != nullptr);
        const size_t length = size_t(static_cast<const char*>(nul) - title);
        Require(title[titleSize] == 'x');  // nothing written past the buffer
        if (length > 0) {
            bool found = false;
            for (size_t at = 0; !found && at + length <= size; ++at)
                found = std::memcmp(data + at, title, length) == 0;
            Require(found);
        }
    }
}
