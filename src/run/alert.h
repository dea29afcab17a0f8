// The fatal alert: one path for every condition that ends the program.
#pragma once

#include <string>
#include <string_view>

#include "run/platform.h"

namespace yl::run {

// Texts carry one hidden leading character ("pTeam File FSRead() Error").
std::string AlertMessage(std::string_view text1, std::string_view text2);

// Shows text1 and, when given, two blanks and text2 (each without its first
// character), then ends the program with status 1.
[[noreturn]] void ErrorAlert(Platform& platform, std::string_view text1,
                             std::string_view text2 = {});

}  // namespace yl::run
