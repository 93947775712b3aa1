// Truth values of the class library: bytes, 0 false and 255 true; any
// non-zero byte counts as true.
#pragma once

#include <cstdint>

using KvBool = uint8_t;

constexpr KvBool KvFalse = 0;
constexpr KvBool KvTrue = 255;

constexpr KvBool ToKvBool(bool value) { return value ? KvTrue : KvFalse; }
