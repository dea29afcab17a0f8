// The output options in words, as `yardledger-cli --show-options` prints them.
#pragma once

#include <string>
#include <string_view>

#include "options/output_options.h"

namespace yl::cli {

// One line per choice: the mode, the report files the prefix path gives,
// the layout of each game mode, the parts of the cumulative and league
// reports, and the line endings.
std::string DescribeOptions(const options::OutputOptions& options, std::string_view prefixPath);

}  // namespace yl::cli
