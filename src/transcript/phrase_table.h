// Phrase tables: fixed texts with their codes, tried in a fixed order, and
// the length index that says where in that order to start for a text of a
// given length.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace yl::transcript {

struct PhraseEntry {
  std::string_view text;
  std::int16_t code;
};

constexpr int kLengthIndexSize = 200;

// Entry n: the position (in the table's order) of the first phrase not
// longer than n, or -1 when every phrase is longer.
using LengthIndex = std::array<std::int16_t, kLengthIndexSize>;

constexpr LengthIndex BuildLengthIndex(std::span<const PhraseEntry> table) {
  LengthIndex index{};
  index.fill(-1);
  for (std::size_t p = 0; p < table.size(); ++p) {
    const std::size_t length = table[p].text.size();
    if (length >= index.size() || index[length] != -1) continue;
    for (std::size_t n = length; n < index.size() && index[n] == -1; ++n) {
      index[n] = static_cast<std::int16_t>(p);
    }
  }
  return index;
}

}  // namespace yl::transcript
