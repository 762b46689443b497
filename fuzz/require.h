// The fuzz targets trap on a violated invariant, so libFuzzer reports it as a crash with the
// input that caused it.
#pragma once

inline void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}
