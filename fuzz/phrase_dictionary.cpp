// Writes every phrase of the transcript tables as a libFuzzer dictionary,
// so that the fuzzers can splice whole phrases instead of guessing them
// byte by byte. The extras texts are those of a game of Eagles at Bears.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "league/league.h"
#include "run/platform.h"
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

class SilentPlatform : public yl::run::Platform {
 public:
  void ShowAlert(std::string_view) override {}
  [[noreturn]] void Terminate(int status) override { std::exit(status); }
  bool AskSaveFile(std::string_view, std::string_view, yl::run::SaveFileReply&) override {
    return false;
  }
  void StartProgress(std::string_view, int) override {}
  void StepProgress(int, int, std::string_view) override {}
  void EndProgress() override {}
  void YieldHook() override {}
};

}  // namespace

int main() {
  using namespace yl::transcript;
  for (const PhraseEntry& entry : HeaderPhrases())
    WriteEntry(entry.text);
  for (const PhraseEntry& entry : DescriptionPhrases())
    WriteEntry(entry.text);
  for (const PhraseEntry& entry : kGainsPhrases)
    WriteEntry(entry.text);
  SilentPlatform platform;
  yl::league::League league(platform);
  ExtrasTable extras;
  PrepareExtrasPhrases(extras, *yl::league::FindOrCreateTeam(league, "Bears"),
                       *yl::league::FindOrCreateTeam(league, "Eagles"));
  for (int code = 0; code < kExtrasPhraseCount; ++code)
    WriteEntry(extras.TextOfCode(code));
  for (const std::string_view extra : {"The game is over.", "#23-Morgan", " vs ", " (3-2)"})
    WriteEntry(extra);
  return 0;
}
