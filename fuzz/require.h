#pragma once
// What a fuzz target asserts: a broken promise stops the fuzzer there, with
// the input that broke it.

inline void require(bool condition)
{
    if (!condition) __builtin_trap();
}
