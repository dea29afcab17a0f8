// The program's version, shown by both front ends.
#pragma once

namespace yl::run {
inline constexpr const char* kVersion = "1.2.8";
}
