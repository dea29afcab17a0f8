// The season: teams, schedule, games in order, and the files they go to.
#include "season.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace yl::sim {

namespace {

// Independent random streams of one seed.
constexpr std::uint64_t kTeamStream = 1;
constexpr std::uint64_t kGameStream = 2;
constexpr std::uint64_t kFormatStream = 3;

std::string RecordText(const TeamRecordCount& record) {
  std::string text = std::to_string(record.wins) + "-" + std::to_string(record.losses);
  if (record.ties > 0) text += "-" + std::to_string(record.ties);
  return text;
}

bool WriteFile(const std::filesystem::path& path, const void* bytes, std::size_t size,
               std::string& error) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
  out.close();
  if (!out) {
    error = "cannot write " + path.string();
    return false;
  }
  return true;
}

}  // namespace

std::vector<ScheduledGame> ScheduleFor(const SeasonOptions& options) {
  if (options.games > 0) return MakeGames(options.teams, options.games);
  const int weeks = options.weeks > 0
                        ? options.weeks
                        : (options.teams % 2 == 0 ? options.teams - 1 : options.teams);
  return MakeWeeks(options.teams, weeks);
}

SeasonResult PlaySeason(const SeasonOptions& options, const GameCallback& onGame) {
  SeasonResult season;
  Random teamRandom(DeriveSeed(options.seed, kTeamStream, 0));
  season.teams = MakeTeams(options.teams, teamRandom);
  season.records.resize(season.teams.size());
  season.players.resize(season.teams.size());
  const std::vector<ScheduledGame> schedule = ScheduleFor(options);
  int number = 0;
  for (const ScheduledGame& game : schedule) {
    ++number;
    const std::array<std::string, 2> records = {RecordText(season.records[game.visiting]),
                                                RecordText(season.records[game.home])};
    GameResult result = SimulateGame(season.teams, game, records, options.game,
                                     DeriveSeed(options.seed, kGameStream, number), season.players);
    if (onGame) onGame(number, season.teams, result);
    TeamRecordCount& visiting = season.records[game.visiting];
    TeamRecordCount& home = season.records[game.home];
    if (result.score[0] > result.score[1]) {
      ++visiting.wins;
      ++home.losses;
    } else if (result.score[0] < result.score[1]) {
      ++visiting.losses;
      ++home.wins;
    } else {
      ++visiting.ties;
      ++home.ties;
    }
    result.lines.clear();
    result.lines.shrink_to_fit();
    season.games.push_back(std::move(result));
  }
  return season;
}

std::string GameFileName(int number, const std::string& visiting, const std::string& home) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%03d", number);
  return std::string(digits) + "-" + visiting + "-at-" + home + ".txt";
}

std::string TranscriptBytes(const std::vector<std::string>& lines, EllipsisForm ellipsis,
                            LineEnd eol, Random& format) {
  std::string bytes;
  bool afterLoneReturn = false;
  for (const std::string& line : lines) {
    const bool byte =
        ellipsis == EllipsisForm::kByte || (ellipsis == EllipsisForm::kMixed && format.Percent(50));
    if (byte) {
      for (std::size_t i = 0; i < line.size(); ++i) {
        if (line.compare(i, 3, "...") == 0) {
          bytes += '\xC9';
          i += 2;
        } else {
          bytes += line[i];
        }
      }
    } else {
      bytes += line;
    }
    LineEnd end = eol;
    if (eol == LineEnd::kMixed) {
      // An empty line after a lone CR must not end in LF: the two would read
      // as one CR LF and the empty line would vanish.
      const int choice =
          line.empty() && afterLoneReturn ? format.Between(1, 2) : format.Between(0, 2);
      end = choice == 0 ? LineEnd::kLf : choice == 1 ? LineEnd::kCrLf : LineEnd::kCr;
    }
    bytes += end == LineEnd::kLf ? "\n" : end == LineEnd::kCrLf ? "\r\n" : "\r";
    afterLoneReturn = end == LineEnd::kCr;
  }
  return bytes;
}

bool WriteSeason(const SeasonOptions& options, std::string& error) {
  namespace fs = std::filesystem;
  const fs::path root(options.outDir);
  std::error_code code;
  fs::create_directories(root / "teams", code);
  if (!code) fs::create_directories(root / "games", code);
  if (code) {
    error = "cannot create the folders in " + options.outDir + ": " + code.message();
    return false;
  }
  bool ok = true;
  const SeasonResult season =
      PlaySeason(options, [&](int number, const std::vector<Team>& teams, const GameResult& game) {
        if (!ok) return;
        Random format(DeriveSeed(options.seed, kFormatStream, number));
        const std::string bytes =
            TranscriptBytes(game.lines, options.ellipsis, options.eol, format);
        const std::string name =
            GameFileName(number, teams[game.game.visiting].name, teams[game.game.home].name);
        ok = WriteFile(root / "games" / name, bytes.data(), bytes.size(), error);
      });
  if (!ok) return false;
  for (const Team& team : season.teams) {
    const auto bytes = EncodeTeamFile(team);
    if (!WriteFile(root / "teams" / (team.name + ".fbt"), bytes.data(), bytes.size(), error))
      return false;
  }
  const std::string truth = TruthJson(options, season);
  return WriteFile(root / "truth.json", truth.data(), truth.size(), error);
}

}  // namespace yl::sim
