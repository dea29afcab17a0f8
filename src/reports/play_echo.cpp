// The echo of a play.
#include "reports/play_echo.h"

#include <string>

#include "transcript/description_phrases.h"
#include "transcript/extras_phrases.h"
#include "transcript/gains_phrases.h"
#include "transcript/header_phrases.h"

namespace yl::reports {

using namespace transcript;

namespace {

void WritePlayer(ReportOutput& out, const league::PlayerRecord* player) {
  if (player == nullptr) return;
  WriteString(out, "#");
  WriteString(out, std::to_string(player->number));
  WriteString(out, "-");
  WriteString(out, player->name);
}

}  // namespace

void EchoPlay(ReportOutput& out, const ExtrasTable& extras, const CurrentPlay& play) {
  const std::string_view end = out.lineEnd;
  const HeaderText& header = play.header;
  if (!header.codes.empty()) {
    WriteString(out, end);
    for (std::size_t i = 0; i < header.codes.size(); ++i) {
      WriteString(out, HeaderPhraseText(header.codes[i]));
      if (i >= header.numbers.size()) continue;
      const int number = header.numbers[i];
      // The clock's seconds are written with two digits, as a clock shows them.
      const bool seconds = header.codes[i] == kClockCode;
      if (seconds && number >= 0 && number < 10) WriteString(out, "0");
      WriteString(out, std::to_string(number));
    }
    WriteString(out, end);
  }
  const DescriptionText& description = play.description;
  if (!description.codes.empty()) {
    WriteString(out, end);
    const bool phraseFirst = description.codes.size() > description.players.size();
    for (std::size_t i = 0; i < description.codes.size(); ++i) {
      const league::PlayerRecord* player =
          i < description.players.size() ? description.players[i] : nullptr;
      if (!phraseFirst) WritePlayer(out, player);
      WriteString(out, DescriptionPhraseText(description.codes[i]));
      if (phraseFirst) WritePlayer(out, player);
    }
    WriteString(out, end);
  }
  const GainsText& gains = play.gains;
  if (!gains.codes.empty()) {
    for (std::size_t i = 0; i < gains.codes.size(); ++i) {
      const transcript::PhraseCode code = gains.codes[i];
      if (code < kGainsPhraseCount) WriteString(out, kGainsPhrases[code].text);
      // A number of 0 is not written.
      if (i < gains.numbers.size() && gains.numbers[i] != 0)
        WriteString(out, std::to_string(gains.numbers[i]));
    }
    WriteString(out, end);
  }
  const ExtrasText& extrasRead = play.extras;
  if (!extrasRead.codes.empty()) {
    WriteString(out, end);
    for (std::size_t i = 0; i < extrasRead.codes.size(); ++i) {
      const transcript::PhraseCode code = extrasRead.codes[i];
      if (code >= kExtrasPhraseCount) continue;
      const std::string_view phrase = extras.TextOfCode(code);
      WriteString(out, phrase);
      const ExtrasArgument argument = kExtrasPhrases[code].argument;
      if (argument == ExtrasArgument::kPlayer) WritePlayer(out, extrasRead.values[i].player);
      if (argument == ExtrasArgument::kNumber)
        WriteString(out, std::to_string(extrasRead.values[i].number));
      if (!phrase.empty() && phrase.back() == '.') WriteString(out, end);
    }
  }
  WriteString(out, end);
}

}  // namespace yl::reports
