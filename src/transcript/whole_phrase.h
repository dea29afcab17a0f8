// Finding the phrase a whole text is, when the text's ends are known (the
// text between two numbers, say): phrases of the text's length only, each
// compared by its first, second and last eight bytes as three words.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "transcript/phrase_table.h"

namespace yl::transcript {

class WholePhraseIndex {
 public:
  // `table`: the phrases in trial order, so that the first of several with
  // one text wins, as it does in a scan.
  explicit WholePhraseIndex(std::span<const PhraseEntry> table) {
    for (std::size_t length = 1; length < kLongest; ++length) {
      first_[length] = static_cast<std::uint16_t>(phrases_.size());
      for (const PhraseEntry& entry : table) {
        if (entry.text.size() == length)
          phrases_.push_back({Words(entry.text.data(), length, length), entry.text, entry.code});
      }
    }
    first_[kLongest] = static_cast<std::uint16_t>(phrases_.size());
  }

  // The phrase that is the whole of line[at, end).
  std::optional<PhraseCode> Find(std::string_view line, std::size_t at, std::size_t end) const {
    const std::size_t length = end - at;
    if (length == 0 || length >= kLongest) return std::nullopt;
    const Key key = Words(line.data() + at, length, line.size() - at);
    for (std::size_t i = first_[length]; i < first_[length + 1]; ++i) {
      const Phrase& phrase = phrases_[i];
      if (phrase.key.head != key.head || phrase.key.middle != key.middle ||
          phrase.key.tail != key.tail)
        continue;
      // Texts up to 24 bytes are covered by the three words; the bytes of a
      // longer one between its second and its last word are compared a word
      // at a time.
      if (length <= 24 || SameWords(phrase.text.data(), line.data() + at, length))
        return phrase.code;
    }
    return std::nullopt;
  }

 private:
  static constexpr std::size_t kLongest = 128;
  struct Key {
    std::uint64_t head;
    std::uint64_t middle;  // bytes 8 to 15 of a text longer than 16 bytes; else 0
    std::uint64_t tail;
  };
  struct Phrase {
    Key key;
    std::string_view text;
    PhraseCode code;
  };

  // Whether the bytes from 16 to `length` - 8 agree.
  static bool SameWords(const char* a, const char* b, std::size_t length) {
    for (std::size_t at = 16; at + 8 < length; at += 8) {
      std::uint64_t x;
      std::uint64_t y;
      std::memcpy(&x, a + at, 8);
      std::memcpy(&y, b + at, 8);
      if (x != y) return false;
    }
    return true;
  }

  // The words of the `length` bytes at `text`; a text shorter than eight
  // bytes, zero-filled. `room`: the bytes readable from `text` on.
  static Key Words(const char* text, std::size_t length, std::size_t room) {
    Key key{0, 0, 0};
    if (length >= 8) {
      std::memcpy(&key.head, text, 8);
      if (length > 16) std::memcpy(&key.middle, text + 8, 8);
      std::memcpy(&key.tail, text + length - 8, 8);
      return key;
    }
    if (room >= 8) {
      std::memcpy(&key.head, text, 8);
      if constexpr (std::endian::native == std::endian::little) {
        key.head &= (std::uint64_t{1} << (8 * length)) - 1;
      } else {
        key.head &= ~((std::uint64_t{1} << (8 * (8 - length))) - 1);
      }
    } else {
      std::memcpy(&key.head, text, length);
    }
    key.tail = key.head;
    return key;
  }

  std::array<std::uint16_t, kLongest + 1> first_{};
  std::vector<Phrase> phrases_;
};

}  // namespace yl::transcript
