// The output options that steer a compile run: the report mode, the file
// layout, which tables, the number of leaders and the line ends. Stored, they
// are the 56 hexadecimal digits of a 28-byte record, which exists only in
// output_options.cpp.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yl::options {

enum class ReportMode : std::uint8_t {
  kGame,        // a report for every game
  kPerPlay,     // a game's reports after every play
  kCumulative,  // player and team tables of all the games together
  kLeague,      // team season reports, team tables and the league leaders
};

enum class FileLayout : std::uint8_t { kOneFile, kSeparateFiles };

enum class LineEnds : std::uint8_t { kMacintosh, kWindows, kUnix };

// A leaders count that lists every player.
constexpr std::int32_t kEveryPlayer = -1;

struct OutputOptions {
  ReportMode mode = ReportMode::kGame;
  // Each game mode keeps a layout of its own.
  FileLayout gameLayout = FileLayout::kOneFile;
  FileLayout perPlayLayout = FileLayout::kSeparateFiles;
  // What the cumulative report holds.
  bool cumulativePlayerTables = true;
  bool cumulativeTeamTables = true;
  // What the league report holds.
  bool leagueTeamTables = true;
  bool leagueLeaders = true;
  std::int32_t leadersCount = 20;  // players per leader table, or kEveryPlayer
  LineEnds lineEnds = LineEnds::kWindows;

  bool operator==(const OutputOptions&) const = default;

  // The season modes write their reports once, after the last game.
  bool SeasonMode() const { return mode == ReportMode::kCumulative || mode == ReportMode::kLeague; }
  // Whether every game of a game mode has a report file of its own.
  bool SeparateFiles() const {
    if (mode == ReportMode::kGame) return gameLayout == FileLayout::kSeparateFiles;
    if (mode == ReportMode::kPerPlay) return perPlayLayout == FileLayout::kSeparateFiles;
    return false;
  }
  // The league report's leader tables: wanted, and with room for a player.
  bool LeaderTables() const {
    return mode == ReportMode::kLeague && leagueLeaders && leadersCount != 0;
  }
};

// "\r", "\r\n" or "\n"; and the same twice, which ends a line and leaves an
// empty one.
std::string_view LineEnding(LineEnds lineEnds);
std::string_view DoubleLineEnding(LineEnds lineEnds);

// A value the front ends keep beside the options under its own key (a
// remembered folder, a window's size); no value removes the key. Values are
// one line of text.
struct StoredValue {
  std::string key;
  std::optional<std::string> value;
};

// Where the stored options live; front ends and tests provide it.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::optional<std::string> ReadOptions() = 0;
  // Both return false when the store could not be changed.
  virtual bool WriteOptions(std::string_view text) = 0;
  virtual bool DeleteOptions() = 0;

  // Other values of the same store. A store that keeps only the options
  // remembers nothing else.
  virtual std::optional<std::string> ReadValue(std::string_view /*key*/) { return std::nullopt; }
  // Changes all the keys at once; false when the store could not be changed.
  virtual bool WriteValues(const std::vector<StoredValue>& /*values*/) { return false; }
  // Why the last read found nothing or the last change was refused, in
  // words with the system's reason; "" when nothing went wrong.
  virtual std::string Problem() const { return {}; }
};

// How the stored text was read: its options were used, or why the defaults
// were (nothing stored; a text of the wrong length or of another version).
enum class LoadResult { kStored, kNone, kWrongLength, kWrongVersion };

struct LoadedOptions {
  OutputOptions options;
  LoadResult result = LoadResult::kNone;
};

// The options of a stored text (none: nothing stored). A text of the wrong
// form gives the defaults.
LoadedOptions DecodeOptionsText(const std::optional<std::string>& text);
// The 56 lower-case hexadecimal digits of the record, byte for byte what
// every earlier version wrote for the same choices (the record's reserved
// bytes are zero).
std::string EncodeOptionsText(const OutputOptions& options);

// Reads the stored options; the store is not changed (a front end that
// removes a value of the wrong form does so itself).
LoadedOptions LoadOptions(SettingsStore& store);
bool SaveOptions(SettingsStore& store, const OutputOptions& options);

}  // namespace yl::options
