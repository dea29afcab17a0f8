// Writes every phrase of the transcript tables as a libFuzzer dictionary,
// so that the fuzzers can splice whole phrases instead of guessing them
// byte by byte. The extras texts are those of a game of Eagles at Bears.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "league/league.h"
#include "transcript/description_phrases.h"
#include "transcript/extras.h"
#include "transcript/gains_phrases.h"
#include "transcript/header_phrases.h"

namespace {

void WriteEntry(std::string_view text) {
  std::putchar('"');
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '"' || byte == '\\')
      std::printf("\\%c", c);
    else if (byte < 32 || byte > 126)
      std::printf("\\x%02X", byte);
    else
      std::putchar(c);
  }
  std::puts("\"");
}

}  // namespace

int main() {
  using namespace yl::transcript;
  for (const PhraseEntry& entry : HeaderPhrases())
    WriteEntry(entry.text);
  for (const PhraseEntry& entry : DescriptionPhrases())
    WriteEntry(entry.text);
  for (const PhraseEntry& entry : kGainsPhrases)
    WriteEntry(entry.text);
  yl::league::League league;
  ExtrasTable extras;
  PrepareExtrasPhrases(extras, *yl::league::FindOrCreateTeam(league, "Bears"),
                       *yl::league::FindOrCreateTeam(league, "Eagles"));
  for (PhraseCode code = 0; code < kExtrasPhraseCount; ++code)
    WriteEntry(extras.TextOfCode(code));
  for (const std::string_view extra : {"The game is over.", "#23-Morgan", " vs ", " (3-2)"})
    WriteEntry(extra);
  return 0;
}
