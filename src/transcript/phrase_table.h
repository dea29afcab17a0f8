// Phrase tables: fixed texts with their codes, tried in a fixed order, and
// the length index that says where in that order to start for a text of a
// given length.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace yl::transcript {

// A phrase's code: its place in its table kept by code. Every table has
// fewer than 256 phrases.
using PhraseCode = std::uint8_t;

struct PhraseEntry {
  std::string_view text;
  PhraseCode code;
};

constexpr std::size_t kLengthIndexSize = 200;

// For a text of n bytes: the position (in the table's order) of the first
// phrase not longer than n.
class LengthIndex {
 public:
  constexpr explicit LengthIndex(std::span<const PhraseEntry> table) {
    first_.fill(kNone);
    for (std::size_t p = 0; p < table.size(); ++p) {
      const std::size_t length = table[p].text.size();
      if (length >= first_.size() || first_[length] != kNone) continue;
      for (std::size_t n = length; n < first_.size() && first_[n] == kNone; ++n)
        first_[n] = static_cast<std::uint8_t>(p);
    }
  }

  // None when every phrase is longer, or n is beyond the index.
  constexpr std::optional<std::size_t> FirstNotLonger(std::size_t n) const {
    if (n >= first_.size() || first_[n] == kNone) return std::nullopt;
    return first_[n];
  }

 private:
  static constexpr std::uint8_t kNone = 0xFF;
  std::array<std::uint8_t, kLengthIndexSize> first_{};
};

}  // namespace yl::transcript
