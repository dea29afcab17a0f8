// What the simulator's tests share: reading written transcripts back into
// lines and play blocks, the team-box number readers, the test's own copy of
// the format's phrase texts with a tokenizer over them, and a sample season
// written into a temporary folder with its truth.json read back.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "season.h"
#include "support/temp_dir.h"

namespace yl::simtest {

using nlohmann::json;

// Lines split at CR, LF or CR LF; empty lines are kept.
std::vector<std::string> SplitLines(std::string_view bytes);

// "..." for every ellipsis byte.
std::string SpellOutEllipses(std::string_view line);

// The team box's number readers: an integer ends at the first byte after its
// digits, a "-" anywhere before makes it negative; a decimal skips anything
// before its full stop and ends at the first byte after its fraction.
int ReadBoxInteger(std::string_view line, std::size_t& position);
double ReadBoxReal(std::string_view line, std::size_t& position);

// Texts to cut lines into, longest first, kept by their first byte.
class PhraseSet {
 public:
  explicit PhraseSet(std::vector<std::string> texts);
  const std::vector<std::string>& StartingWith(char c) const {
    return byFirst_[static_cast<unsigned char>(c)];
  }

 private:
  std::vector<std::vector<std::string>> byFirst_;
};

// The format's texts, both spellings of every ellipsis.
const PhraseSet& HeaderPhrases();
const PhraseSet& DescriptionPhrases();
const PhraseSet& GainsPhrases();
PhraseSet ExtrasPhrases(std::string_view home, std::string_view visiting);

struct Piece {
  enum class Kind { kPhrase, kNumber, kToken };
  Kind kind;
  std::string text;
};

// Cuts the line into phrases (longest first), numbers and "#NN-Name" tokens;
// false when some part of it is none of these.
bool Tokenize(std::string_view line, const PhraseSet& phrases, bool numbers, bool tokens,
              std::vector<Piece>& pieces);

struct PlayBlock {
  std::string header;
  std::string description;
  std::string gains;  // empty: the play has no gains line
  std::vector<std::string> extras;
};

struct Transcript {
  std::string firstLine;
  std::vector<PlayBlock> plays;
  std::vector<std::string> box;  // the lines after "The game is over.", empty ones left out
  bool wellFormed = false;       // it ended with "The game is over."
};

// Play blocks from the lines of a transcript, the ellipsis bytes spelled out
// as "..." when asked.
Transcript ReadTranscript(const std::vector<std::string>& lines, bool spellOut = true);

// A season written by the simulator into a fresh folder, with its truth.
struct SampleSeason {
  test::TempDir dir;
  sim::SeasonOptions options;
  json truth;  // truth.json as read back
  std::string Path(std::string_view relative) const {
    return dir.path() + "/" + std::string(relative);
  }
  std::vector<std::string> Lines(const json& game) const;
};

std::unique_ptr<SampleSeason> WriteSampleSeason(sim::SeasonOptions options);

}  // namespace yl::simtest
