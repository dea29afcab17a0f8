// The 245 phrases of a play description, their length index, and the map
// from each ellipsis twin to the phrase it stands for.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "transcript/phrase_table.h"
#include "transcript/phrase_trie.h"

namespace yl::transcript {

constexpr int kDescriptionPhraseCount = 245;
constexpr PhraseCode kFirstTwin = 160;

// The description phrases in the order they are tried: decreasing length,
// equal lengths by ascending code, except that code 103 stands before 98.
std::span<const PhraseEntry> DescriptionPhrases();
const LengthIndex& DescriptionLengthIndex();
// The same phrases in tries: by their ends (final phrases also without their
// two closing blanks), and by their starts.
const PhraseTrie& DescriptionSuffixTrie();
const PhraseTrie& DescriptionPrefixTrie();

// The text of a description code; empty for a code that is none.
std::string_view DescriptionPhraseText(PhraseCode code);

// Codes 160 to 244 are their partners written with the ellipsis byte in
// place of every "..."; each behaves exactly as its partner.
inline constexpr std::array<PhraseCode, kDescriptionPhraseCount - kFirstTwin> kTwinPartners = {
    1,   2,   3,   4,   5,   6,   8,   9,   10,  11,  12,  13,  14,  15,  16,  17,  18,
    19,  20,  21,  22,  23,  24,  25,  26,  27,  28,  29,  31,  32,  33,  34,  35,  39,
    42,  44,  47,  48,  49,  50,  51,  52,  55,  58,  65,  67,  73,  78,  84,  85,  86,
    87,  91,  92,  93,  94,  95,  96,  97,  104, 105, 106, 107, 108, 109, 112, 116, 119,
    120, 121, 129, 130, 137, 139, 140, 145, 146, 147, 148, 149, 151, 152, 153, 159, 0};

// The code a description code behaves as: a twin's partner, else itself.
constexpr PhraseCode PartnerCode(PhraseCode code) {
  if (code < kFirstTwin || code >= kDescriptionPhraseCount) return code;
  return kTwinPartners[code - kFirstTwin];
}

// A final phrase closes the sentence (its last two bytes are blanks) and can
// only stand last in a description.
constexpr bool IsFinalPhrase(std::string_view phrase) {
  return phrase.size() >= 2 && phrase.ends_with("  ");
}

}  // namespace yl::transcript
