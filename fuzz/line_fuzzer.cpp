// Fuzz target: the line readers one at a time, without the game loop around
// them. The first byte of an input picks the reader; the rest, up to its
// first line end (a line never holds one), is the line:
//   0 first line, 1 play header, 2 description (and its meaning),
//   3 gains line, 4 extras line (teams Eagles and Bears).
// Selectors 5 and 6 take the whole rest, line ends included: 5 cuts it into
// lines and tests each for a play header and the game's end, 6 reads it as
// the team box.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "league/league.h"
#include "options/output_options.h"
#include "run/error_log.h"
#include "transcript/description.h"
#include "transcript/extras.h"
#include "transcript/gains.h"
#include "transcript/game_reader.h"
#include "transcript/header.h"
#include "transcript/meaning.h"
#include "transcript/reader.h"
#include "transcript/team_box.h"

namespace {

std::string_view FirstLine(std::string_view text) {
  return text.substr(0, text.find_first_of("\r\n"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace yl;
  using namespace yl::transcript;
  if (size == 0) return 0;
  const int selector = data[0] % 7;
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  // A heap copy of exactly the line's bytes, so that the sanitizer sees a
  // read past its end (a string would hide it behind its terminator).
  const std::string_view cut = FirstLine(rest);
  const std::vector<char> bytes(cut.begin(), cut.end());
  const std::string_view line(bytes.data(), bytes.size());

  fuzz::FuzzPlatform platform;
  options::OutputOptions options;
  options.lineEnds = options::LineEnds::kUnix;
  league::League league;
  run::FileSystem files;
  run::ErrorLog log(platform, files, options.lineEnds);
  run::InitErrorLog(log);
  GameState game;
  ReadContext context{league, game.players, log, "Line"};
  game.home = league::FindOrCreateTeam(league, "Bears");
  game.visiting = league::FindOrCreateTeam(league, "Eagles");
  ExtrasTable extras;
  PrepareExtrasPhrases(extras, *game.home, *game.visiting);
  CurrentPlay play;
  play.groupAtSnap = game.possessionLabel;

  switch (selector) {
    case 0: {
      std::string visiting;
      std::string home;
      ParseFirstLine(line, visiting, home);
      break;
    }
    case 1:
      if (ParseHeader(context, line, play)) play.situation = ResolveHeader(play.header);
      break;
    case 2:
      if (ParseDescription(context, line, play)) ResolveDescription(game, play);
      break;
    case 3:
      if (ParseGains(context, line, play)) ResolveGains(play.gains, play.gain);
      break;
    case 4:
      if (ParseExtras(context, extras, line, play))
        ResolveExtras(context, *game.home, *game.visiting, play);
      break;
    case 5: {
      game.text.text.assign(rest.begin(), rest.end());
      LineState current;
      do {
        ReadLine(game.text, current);
        IsPlayHeader(current.line);
        IsGameOver(current.line);
      } while (!current.atEnd);
      break;
    }
    default: {
      game.text.text.assign(rest.begin(), rest.end());
      ReadTeamBox(game.text, *game.home, *game.visiting);
      break;
    }
  }
  return 0;
}
