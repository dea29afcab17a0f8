// The play description.
//
// A description is a chain of phrases and player tokens. Every token begins
// at a "#", so the line is cut at each "#" into segments; a segment holds a
// token and the phrase after it, and that phrase must end exactly where the
// segment ends. This is what lets a name contain phrase words: the token
// runs from its "#" to the start of the phrase that closes the segment.
#include "transcript/description.h"

#include <array>
#include <cstdint>

#include "league/league.h"
#include "run/error_log.h"
#include "transcript/description_phrases.h"
#include "transcript/reader.h"

namespace yl::transcript {

namespace {

constexpr std::size_t kBlanksOfFinal = 2;
// One code per segment, one player per token segment.
static_assert(kMaxDescriptionSegments <= kDescriptionSlots);

enum class Outcome { kRead, kNotUnderstood, kTokenWithoutHash };

struct Reading {
  std::string_view text;     // the described part of the line
  bool annotated = false;    // the line ends in an annotation, not read
  bool quoteInside = false;  // a double quote stands before the annotation
  // Segment starts, then the end; written by FindSegments before any is
  // read (not cleared first: a string operation, slow to start, per line).
  std::array<std::size_t, kMaxDescriptionSegments + 1> bounds;
  std::size_t segments = 0;
  DescriptionMemo* memo = nullptr;
};

// A line that ends in a double quote carries an annotation: nine bytes and
// two quoted texts. The description ends nine bytes before the third quote
// counted back from the last one. False when the line has too few quotes or
// nothing before its annotation.
bool CutAnnotation(Reading& reading) {
  const std::string_view line = reading.text;
  if (line.empty() || line.back() != '"') return true;
  std::size_t found = 0;
  std::size_t q = 0;
  for (std::size_t i = line.size() - 1; i-- > 0;) {
    if (line[i] == '"' && ++found == 3) {
      q = i;
      break;
    }
  }
  if (found < 3 || q <= kAnnotationGap) return false;
  reading.annotated = true;
  reading.quoteInside = line.substr(1, q - 1).find('"') != std::string_view::npos;
  reading.text = line.substr(0, q - kAnnotationGap);
  return true;
}

// Segment starts: 0, then every "#" after the first byte. False when the line
// holds more segments than a play can record.
bool FindSegments(Reading& reading) {
  const std::string_view text = reading.text;
  std::size_t last = 0;
  reading.bounds[0] = 0;
  for (std::size_t i = text.find('#', 1); i != std::string_view::npos; i = text.find('#', i + 1)) {
    if (last + 1 >= kMaxDescriptionSegments) return false;
    reading.bounds[++last] = i;
  }
  reading.bounds[last + 1] = text.size();
  reading.segments = last + 1;
  return true;
}

// The first candidate (in trial order) for a text of `length` bytes.
std::optional<std::size_t> FirstCandidate(std::size_t length) {
  return DescriptionLengthIndex().FirstNotLonger(length);
}

// A line has at most nine segments: the lists never fill up.
void Append(DescriptionText& description, PhraseCode code, TokenNumber token) {
  description.codes.push_back(code);
  if (token != kNoToken) description.tokens.push_back(token);
}

// The leading phrase of a line that does not begin with a token: the first
// candidate that is a prefix of the line. Its final blanks are required.
Outcome ReadLeadingPhrase(const Reading& reading, DescriptionText& description, std::size_t& at,
                          bool& complete) {
  const std::optional<std::size_t> first = FirstCandidate(reading.bounds[1]);
  if (!first) return Outcome::kNotUnderstood;
  const std::optional<std::size_t> c = DescriptionPrefixTrie().FirstPrefix(reading.text, *first);
  if (!c) return Outcome::kNotUnderstood;
  const PhraseEntry& entry = DescriptionPhrases()[*c];
  Append(description, entry.code, kNoToken);
  at = entry.text.size();
  complete = IsFinalPhrase(entry.text);
  return Outcome::kRead;
}

// The token from `at` to the phrase found at `s`. kRead when it names a
// player, who is then appended with the phrase's code; kNotUnderstood when
// it names nobody (a later candidate may still fit).
Outcome TakeToken(ParseContext& parse, const Reading& reading, const PhraseEntry& entry,
                  std::size_t phraseEnd, std::size_t s, DescriptionText& description,
                  std::size_t& at) {
  const std::string_view token = reading.text.substr(at, s - at);
  if (token.empty() || token[0] != '#') return Outcome::kTokenWithoutHash;
  if (token.size() > kMaxTokenLength) return Outcome::kNotUnderstood;
  const TokenNumber number = NoteToken(parse, token);
  if (number == kNoToken) return Outcome::kNotUnderstood;
  Append(description, entry.code, number);
  at = phraseEnd;
  return Outcome::kRead;
}

// Segment j: the token from `at` and the phrase that ends the segment.
// Candidates are tried longest first; a final phrase only in the last
// segment, where, unless the line is annotated, it may also end without its
// two closing blanks. The suffix trie yields the phrases that end the
// segment in that order.
Outcome ReadSegment(ParseContext& parse, const Reading& reading, std::size_t j,
                    DescriptionText& description, std::size_t& at, bool& complete) {
  const std::size_t begin = reading.bounds[j];
  const std::size_t end = reading.bounds[j + 1];
  const bool last = j + 1 == reading.segments;
  const std::optional<std::size_t> first = FirstCandidate(end - begin);
  if (!first) return Outcome::kNotUnderstood;
  const std::span<const PhraseEntry> phrases = DescriptionPhrases();
  PhraseTrie::Matches matches;
  const std::size_t count = DescriptionSuffixTrie().Suffixes(
      reading.text.substr(begin, end - begin), matches, reading.memo);
  for (std::size_t m = 0; m < count; ++m) {
    if (matches[m].position < *first) continue;  // longer than the segment as a whole phrase
    const PhraseEntry& entry = phrases[matches[m].position];
    const bool final = IsFinalPhrase(entry.text);
    if (final && !last) continue;
    if (matches[m].cut != 0 && reading.annotated) continue;
    const std::size_t length = entry.text.size() - (matches[m].cut != 0 ? kBlanksOfFinal : 0);
    const Outcome outcome = TakeToken(parse, reading, entry, end, end - length, description, at);
    if (outcome == Outcome::kNotUnderstood) continue;
    complete = final;
    return outcome;
  }
  return Outcome::kNotUnderstood;
}

// The last segment of an annotated line with a quote inside: the annotation
// may have been cut in the wrong place, so the phrase may also end before
// the segment does. Every start is tried, from the latest back.
Outcome ReadSlidingSegment(ParseContext& parse, const Reading& reading, std::size_t j,
                           DescriptionText& description, std::size_t& at, bool& complete) {
  const std::size_t begin = reading.bounds[j];
  const std::size_t end = reading.bounds[j + 1];
  const std::optional<std::size_t> first = FirstCandidate(end - begin);
  if (!first) return Outcome::kNotUnderstood;
  const std::span<const PhraseEntry> phrases = DescriptionPhrases();
  for (std::size_t c = *first; c < phrases.size(); ++c) {
    const PhraseEntry& entry = phrases[c];
    for (std::size_t s = end - entry.text.size();; --s) {
      if (MatchPhrase(reading.text.substr(s), entry.text, true, false)) {
        const Outcome outcome =
            TakeToken(parse, reading, entry, s + entry.text.size(), s, description, at);
        if (outcome != Outcome::kNotUnderstood) {
          complete = IsFinalPhrase(entry.text);
          return outcome;
        }
      }
      if (s == begin) break;
    }
  }
  return Outcome::kNotUnderstood;
}

Outcome ReadDescription(ParseContext& parse, Reading& reading, DescriptionText& description) {
  if (reading.text.size() > kMaxLine || !CutAnnotation(reading)) return Outcome::kNotUnderstood;
  if (reading.text.empty() || !FindSegments(reading)) return Outcome::kNotUnderstood;
  std::size_t at = 0;
  std::size_t j = 0;
  bool complete = false;
  if (reading.text[0] != '#') {
    const Outcome outcome = ReadLeadingPhrase(reading, description, at, complete);
    if (outcome != Outcome::kRead || complete) return outcome;
    j = 1;
  }
  for (; j < reading.segments; ++j) {
    const bool sliding = j + 1 == reading.segments && reading.quoteInside;
    const Outcome outcome = sliding
                                ? ReadSlidingSegment(parse, reading, j, description, at, complete)
                                : ReadSegment(parse, reading, j, description, at, complete);
    if (outcome != Outcome::kRead || complete) return outcome;
  }
  return Outcome::kNotUnderstood;  // no final phrase
}

}  // namespace

bool ParseDescription(ParseContext& parse, std::string_view line, CurrentPlay& play,
                      DescriptionMemo* memo) {
  Reading reading;
  reading.text = line;
  reading.memo = memo;
  const Outcome outcome = ReadDescription(parse, reading, play.description);
  if (outcome == Outcome::kRead) return true;
  const run::ErrorKind kind = outcome == Outcome::kTokenWithoutHash
                                  ? run::ErrorKind::kPlayerWithoutHash
                                  : run::ErrorKind::kPlayDescription;
  NoteNotUnderstood(parse, kind, reading.text);
  return false;
}

void NameDescriptionPlayers(DescriptionText& description, const CarriedParse& carried) {
  for (const TokenNumber token : description.tokens)
    description.players.push_back(carried.players[token]);
}

bool ParseDescription(ReadContext& context, std::string_view line, CurrentPlay& play) {
  ParseContext parse;
  const bool read = ParseDescription(parse, line, play);
  CarriedParse carried;
  CarryParse(context, parse, carried, MarksOf(parse));
  NameDescriptionPlayers(play.description, carried);
  return read;
}

}  // namespace yl::transcript
