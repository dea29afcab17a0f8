// The output options in words.
#include "cli/show_options.h"

#include "run/file_layer.h"
#include "run/output_files.h"

namespace yl::cli {

namespace {

std::string Layout(bool separate) {
  return separate ? "one file per game" : "one file";
}

std::string Parts(std::initializer_list<std::pair<bool, std::string>> parts) {
  std::string text;
  for (const auto& [shown, name] : parts) {
    if (!shown) continue;
    if (!text.empty()) text += ", ";
    text += name;
  }
  return text.empty() ? "nothing" : text;
}

std::string Line(std::string_view label, std::string_view value) {
  std::string line = "  " + std::string(label);
  line.resize(18, ' ');
  return line + std::string(value) + "\n";
}

}  // namespace

std::string DescribeOptions(const options::OutputOptions& o, std::string_view prefixPath) {
  // The same precedence as the report suffix when more than one is set.
  const std::string mode = o.gameStats         ? "game"
                           : o.cumulativeStats ? "cumulative"
                           : o.leagueStats     ? "league"
                           : o.perPlayStats    ? "per-play"
                                               : "game";
  const bool gameLike = mode == "game" || mode == "per-play";
  const bool separate = mode == "per-play" ? o.perPlaySeparateFiles != 0 : o.separateFiles != 0;
  const std::string base = run::FolderOf(prefixPath) +
                           run::NameWithoutExtension(prefixPath).substr(0, run::kMaxPrefix) +
                           std::string(run::ReportSuffix(o));
  const std::string files =
      gameLike && separate ? base + ".Vis@Hom, one per game (the teams' names)" : base;
  const std::string leaders =
      o.leadersCount < 0 ? "leader tables of every player"
                         : "leader tables of " + std::to_string(o.leadersCount) + " players";
  const std::string endings = o.fileFormat == options::kMacintosh ? "mac (CR)"
                              : o.fileFormat == options::kUnix    ? "unix (LF)"
                                                                  : "windows (CR LF)";
  return Line("mode", mode) + Line("report files", files) +
         Line("game mode", Layout(o.separateFiles != 0)) +
         Line("per-play mode", Layout(o.perPlaySeparateFiles != 0)) +
         Line("cumulative", Parts({{o.cumulativePlayerStats != 0, "player tables"},
                                   {o.cumulativeTeamStats != 0, "team tables"}})) +
         Line("league", Parts({{o.leagueTeamStats != 0, "team season reports, team tables"},
                               {o.leagueLeaders != 0 && o.leadersCount != 0, leaders}})) +
         Line("line endings", endings);
}

}  // namespace yl::cli
