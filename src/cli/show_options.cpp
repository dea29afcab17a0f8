// The output options in words.
#include "cli/show_options.h"

#include "run/file_layer.h"
#include "run/output_files.h"

namespace yl::cli {

namespace {

std::string Layout(options::FileLayout layout) {
  return layout == options::FileLayout::kSeparateFiles ? "one file per game" : "one file";
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

std::string_view ModeName(options::ReportMode mode) {
  switch (mode) {
    case options::ReportMode::kPerPlay:
      return "per-play";
    case options::ReportMode::kCumulative:
      return "cumulative";
    case options::ReportMode::kLeague:
      return "league";
    case options::ReportMode::kGame:
      break;
  }
  return "game";
}

std::string_view EndingsName(options::LineEnds lineEnds) {
  switch (lineEnds) {
    case options::LineEnds::kMacintosh:
      return "mac (CR)";
    case options::LineEnds::kUnix:
      return "unix (LF)";
    case options::LineEnds::kWindows:
      break;
  }
  return "windows (CR LF)";
}

}  // namespace

std::string DescribeOptions(const options::OutputOptions& o, std::string_view prefixPath) {
  const std::string base = run::FolderOf(prefixPath) +
                           run::PlainPrefix(run::NameWithoutExtension(prefixPath), o.mode) +
                           std::string(run::ReportSuffix(o.mode));
  const std::string files =
      o.SeparateFiles() ? base + ".Vis@Hom, one per game (the teams' names)" : base;
  const std::string leaders =
      o.leadersCount < 0 ? "leader tables of every player"
                         : "leader tables of " + std::to_string(o.leadersCount) + " players";
  return Line("mode", ModeName(o.mode)) + Line("report files", files) +
         Line("game mode", Layout(o.gameLayout)) + Line("per-play mode", Layout(o.perPlayLayout)) +
         Line("cumulative", Parts({{o.cumulativePlayerTables, "player tables"},
                                   {o.cumulativeTeamTables, "team tables"}})) +
         Line("league", Parts({{o.leagueTeamTables, "team season reports, team tables"},
                               {o.leagueLeaders && o.leadersCount != 0, leaders}})) +
         Line("line endings", EndingsName(o.lineEnds));
}

}  // namespace yl::cli
