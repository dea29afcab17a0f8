// The order in which a phrase table is tried: longest phrases first, so that
// a phrase never loses to one of its own prefixes; equal lengths by a rank
// (normally the code). Computed at compile time from a table kept by code.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "transcript/phrase_table.h"

namespace yl::transcript {

template <std::size_t N, typename Rank>
constexpr std::array<PhraseEntry, N> SortByTrialOrder(std::array<PhraseEntry, N> table, Rank rank) {
  std::sort(table.begin(), table.end(), [&](const PhraseEntry& a, const PhraseEntry& b) {
    if (a.text.size() != b.text.size()) return a.text.size() > b.text.size();
    return rank(a.code) < rank(b.code);
  });
  return table;
}

// True when entry i of the table has code i.
template <std::size_t N>
constexpr bool IndexedByCode(const std::array<PhraseEntry, N>& table) {
  for (std::size_t i = 0; i < N; ++i) {
    if (std::size_t{table[i].code} != i) return false;
  }
  return true;
}

}  // namespace yl::transcript
