// The texts between numbers a parser met lately (the lines of one game
// repeat a few dozen of them), found again by their first eight bytes
// before the text's end is searched for and the text looked up among the
// phrases.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "transcript/phrase_table.h"
#include "transcript/reader.h"
#include "transcript/whole_phrase.h"

namespace yl::transcript {

class TextGuide {
 public:
  struct Found {
    std::size_t end;  // where the text ends: a digit, or the line's end
    PhraseCode code;
  };

  // The whole text from `at` to the next digit (or the line's end) as a
  // phrase of the index: a kept text that stands at `at` and ends there, or
  // else the text looked up (and kept when it is eight bytes or more); none
  // when it is no phrase. The answer is always the index's own; the kept
  // texts (views into the lines they were met in, which must outlive the
  // guide) only save work.
  std::optional<Found> Find(const WholePhraseIndex& index, std::string_view line, std::size_t at) {
    const std::size_t room = line.size() - at;
    if (room >= 8) {
      const std::uint64_t head = WordAt(line.data() + at);
      Text* const set = &kept_[SetOf(head) * kWays];
      for (std::size_t w = 0; w < kWays; ++w) {
        if (StandsAt(set[w], line, at, head)) return Found{at + set[w].text.size(), set[w].code};
      }
      const std::size_t end = NextDigit(line, at);
      const std::optional<PhraseCode> code = index.Find(line, at, end);
      if (!code) return std::nullopt;
      if (end - at >= 8) {
        std::copy_backward(set, set + kWays - 1, set + kWays);
        set[0] = Text{line.substr(at, end - at), head, WordAt(line.data() + end - 8), *code};
      }
      return Found{end, *code};
    }
    const std::size_t end = NextDigit(line, at);
    const std::optional<PhraseCode> code = index.Find(line, at, end);
    if (!code) return std::nullopt;
    return Found{end, *code};
  }

 private:
  struct Text {
    std::string_view text;  // empty: no text kept
    std::uint64_t head = 0;
    std::uint64_t tail = 0;  // the last eight bytes
    PhraseCode code = 0;
  };
  static constexpr std::size_t kSets = 64;
  static constexpr std::size_t kWays = 2;

  static std::size_t SetOf(std::uint64_t head) {
    return static_cast<std::size_t>((head * 0x9E3779B97F4A7C15u) >> 58) % kSets;
  }
  // Whether `kept` stands at `at`, whose first eight bytes are `head`, and
  // ends there: a text holds no digit, so a number must begin where it ends.
  static bool StandsAt(const Text& kept, std::string_view line, std::size_t at,
                       std::uint64_t head) {
    const std::size_t length = kept.text.size();
    if (head != kept.head || length == 0 || length > line.size() - at) return false;
    const char* bytes = line.data() + at;
    if (WordAt(bytes + length - 8) != kept.tail) return false;
    for (std::size_t k = 8; k + 8 < length; k += 8) {
      if (WordAt(bytes + k) != WordAt(kept.text.data() + k)) return false;
    }
    return at + length == line.size() || IsDigit(line[at + length]);
  }

  std::array<Text, kSets * kWays> kept_{};
};

}  // namespace yl::transcript
