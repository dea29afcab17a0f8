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
  if (play.headerCount > 0) {
    WriteString(out, end);
    for (int i = 0; i < play.headerCount; ++i) {
      const std::int16_t code = play.headerCodes[i];
      WriteString(out, HeaderPhraseText(code));
      if (i >= play.headerNumberCount) continue;
      const int number = play.headerNumbers[i];
      // The clock's seconds are written with two digits, as a clock shows them.
      const bool seconds = play.headerCodes[i] == kClockCode;
      if (seconds && number >= 0 && number < 10) WriteString(out, "0");
      WriteString(out, std::to_string(number));
    }
    WriteString(out, end);
  }
  if (play.descCount > 0) {
    WriteString(out, end);
    const bool phraseFirst = play.descCount > play.descPlayerCount;
    for (int i = 0; i < play.descCount; ++i) {
      const league::PlayerRecord* player = i < play.descPlayerCount ? play.descPlayers[i] : nullptr;
      if (!phraseFirst) WritePlayer(out, player);
      WriteString(out, DescriptionPhraseText(play.descCodes[i]));
      if (phraseFirst) WritePlayer(out, player);
    }
    WriteString(out, end);
  }
  if (play.gainsCount > 0) {
    for (int i = 0; i < play.gainsCount; ++i) {
      const std::int16_t code = play.gainsCodes[i];
      if (code >= 0 && code < kGainsPhraseCount) WriteString(out, kGainsPhrases[code].text);
      if (i < kGainsSlots && play.gainsNumbers[i] != 0)
        WriteString(out, std::to_string(play.gainsNumbers[i]));
    }
    WriteString(out, end);
  }
  if (play.extrasCount > 0) {
    WriteString(out, end);
    for (int i = 0; i < play.extrasCount; ++i) {
      const int code = play.extrasCodes[i];
      if (code < 0 || code >= kExtrasPhraseCount) continue;
      const std::string_view phrase = extras.TextOfCode(code);
      WriteString(out, phrase);
      const ExtrasArgument argument = kExtrasPhrases[static_cast<std::size_t>(code)].argument;
      if (argument == ExtrasArgument::kPlayer) WritePlayer(out, play.extrasValues[i].player);
      if (argument == ExtrasArgument::kNumber)
        WriteString(out, std::to_string(play.extrasValues[i].number));
      if (!phrase.empty() && phrase.back() == '.') WriteString(out, end);
    }
  }
  WriteString(out, end);
}

}  // namespace yl::reports
