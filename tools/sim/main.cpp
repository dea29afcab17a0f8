// yardledger-sim: simulates a season of football games and writes their
// transcripts, the teams' files and the truth of every game.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <map>
#include <string>

#include "run/version.h"
#include "season.h"

int main(int argc, char** argv) {
  using namespace yl::sim;
  SeasonOptions options;
  CLI::App app{
      "Simulates a season of football games: DIR/teams/<Team>.fbt,\n"
      "DIR/games/<NNN>-<Visitor>-at-<Home>.txt and DIR/truth.json.",
      "yardledger-sim"};
  app.get_formatter()->column_width(24);
  app.set_version_flag("--version", std::string("yardledger-sim ") + yl::run::kVersion);
  app.add_option("--out", options.outDir, "folder to write into (created when missing)")
      ->type_name("DIR")
      ->required();
  app.add_option("--seed", options.seed, "random seed; the same seed gives the same bytes")
      ->type_name("N");
  app.add_option("--teams", options.teams,
                 ("number of teams, 2 to " + std::to_string(MaxTeams()) + " (default 8)"))
      ->type_name("N")
      ->check(CLI::Range(2, MaxTeams()).description(""));
  CLI::Option* games =
      app.add_option("--games", options.games, "this many games of the round robin")
          ->type_name("N")
          ->check(CLI::Range(1, 99999).description(""));
  CLI::Option* weeks = app.add_option("--weeks", options.weeks,
                                      "this many weeks of the round robin (default: every\n"
                                      "team meets every other)")
                           ->type_name("N")
                           ->check(CLI::Range(1, 999).description(""));
  games->excludes(weeks);
  const std::map<std::string, EllipsisForm> ellipses = {{"dots", EllipsisForm::kDots},
                                                        {"byte", EllipsisForm::kByte},
                                                        {"mixed", EllipsisForm::kMixed}};
  const std::map<std::string, LineEnd> ends = {{"lf", LineEnd::kLf},
                                               {"crlf", LineEnd::kCrLf},
                                               {"cr", LineEnd::kCr},
                                               {"mixed", LineEnd::kMixed}};
  app.add_option("--ellipsis", options.ellipsis,
                 "dots, byte (the single byte 0xC9) or mixed, line by\nline")
      ->type_name("FORM")
      ->transform(CLI::CheckedTransformer(ellipses, CLI::ignore_case).description(""));
  app.add_option("--eol", options.eol, "line ends: lf, crlf, cr or mixed")
      ->type_name("EOL")
      ->transform(CLI::CheckedTransformer(ends, CLI::ignore_case).description(""));
  app.add_option("--overtime-rate", options.game.overtimeRate,
                 "chance that a game tied after a period is played\non (default 0.8)")
      ->type_name("P")
      ->check(CLI::Range(0.0, 1.0).description(""));
  app.add_option("--penalty-rate", options.game.penaltyRate,
                 "chance of a flag on a scrimmage down (default 0.06)")
      ->type_name("P")
      ->check(CLI::Range(0.0, 1.0).description(""));
  app.add_option("--fumble-rate", options.game.fumbleRate,
                 "chance that a ball carrier fumbles (default 0.02)")
      ->type_name("P")
      ->check(CLI::Range(0.0, 1.0).description(""));
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // --help and --version end with 0; any fault in the arguments is a usage
    // error, as in every program of the project.
    return app.exit(e) == 0 ? 0 : 2;
  }

  std::string error;
  if (!WriteSeason(options, error)) {
    std::fprintf(stderr, "yardledger-sim: %s\n", error.c_str());
    return 1;
  }
  std::printf("%zu games of %d teams written to %s\n", ScheduleFor(options).size(), options.teams,
              options.outDir.c_str());
  return 0;
}
