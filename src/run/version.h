// The program's version, shown by every program of the project; the build
// defines it from the project's version (CMakeLists.txt).
#pragma once

namespace yl::run {
inline constexpr const char* kVersion = YL_VERSION;
}
