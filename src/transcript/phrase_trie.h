// A trie over a phrase table in trial order. One walk over a text finds the
// phrases it begins with (a prefix trie) or ends with (a suffix trie), so a
// parser need not try the table's phrases one after another.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "transcript/phrase_table.h"

namespace yl::transcript {

class PhraseTrie {
 public:
  enum class Direction : std::uint8_t { kPrefix, kSuffix };

  struct Match {
    std::uint16_t position;  // in the table's trial order
    std::uint8_t cut;        // 1: the phrase without its closing blanks
  };
  // Enough for every table here; the constructor refuses a table whose
  // phrases nest deeper.
  static constexpr std::size_t kMaxMatches = 32;
  using Matches = std::array<Match, kMaxMatches>;

  // With cutBlanks > 0, a phrase that ends in that many blanks is also
  // entered without them, as its cut form. Letter case counts.
  PhraseTrie(std::span<const PhraseEntry> table, Direction direction, std::size_t cutBlanks = 0);

  // The first position in trial order, from `start` on, whose phrase the
  // text begins with; none when none does. A prefix trie's question.
  std::optional<std::size_t> FirstPrefix(std::string_view text, std::size_t start) const;

  // What suffix walks over texts with a common ending learnt, kept by the
  // thread that asks so that the walk over the next such text starts where
  // the last one stood. Which trie it serves is its own business: it
  // forgets all when asked by another.
  class SuffixMemo {
   private:
    friend class PhraseTrie;
    // Texts whose last eight bytes agree share a set of four slots, the
    // latest kept first.
    static constexpr std::size_t kSets = 256;
    static constexpr std::size_t kWays = 4;
    static constexpr std::size_t kLongest = 56;  // the bytes of a walk kept
    static constexpr std::size_t kShortest = 8;  // the bytes a set is found by
    static constexpr std::size_t kMatches = 6;
    // A walk's state: its node, the bytes it had read (the text's last
    // `read`, the first eight of them also as `head`) and the matches it
    // had met on the way.
    struct Slot {
      std::uint64_t head = 0;
      std::uint32_t node = 0;
      std::uint8_t read = 0;  // 0: empty
      std::uint8_t count = 0;
      std::array<Match, kMatches> matches{};
      std::array<char, kLongest> bytes{};
    };
    // The first slot of the text's set.
    Slot* SetOf(std::string_view text);
    // The slot whose bytes the text ends with, if any.
    static const Slot* Find(Slot* set, std::string_view text);
    const PhraseTrie* trie_ = nullptr;
    std::vector<Slot> slots_;  // made clear by the first walk, for its trie
  };

  // Every phrase (and cut form) the text ends with, ordered by position and
  // then the whole phrase before its cut form. A suffix trie's question;
  // `memo`, when given, only saves work.
  std::size_t Suffixes(std::string_view text, Matches& matches, SuffixMemo* memo = nullptr) const;

 private:
  // A node stands for the text from the root to it; the bytes on the way
  // in from its parent are its label, kept as they stand in the text, so
  // that a chain of nodes without a branch or a phrase is one memcmp.
  struct Node {
    std::uint32_t labelOffset = 0;
    std::uint32_t firstEdge = 0;
    std::uint32_t firstMatch = 0;
    std::uint16_t labelLength = 0;
    std::uint16_t edgeCount = 0;
    std::uint16_t matchCount = 0;
  };
  struct Edge {
    unsigned char byte;  // the first byte of the child's label in walk order
    std::uint32_t node;
  };

  // The child of node n whose label starts (in walk order) with `byte`, or -1.
  std::int64_t Child(std::uint32_t n, unsigned char byte) const;
  bool LabelMatches(const Node& node, std::string_view text, std::size_t at) const;

  Direction direction_;
  std::array<std::int32_t, 256> rootChildren_{};
  std::vector<Node> nodes_;
  std::vector<Edge> edges_;
  std::vector<Match> matches_;
  std::string labels_;
};

}  // namespace yl::transcript
