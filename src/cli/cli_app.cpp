// yardledger-cli.
#include "cli/cli_app.h"

#include <sys/stat.h>
#include <unistd.h>
#include <CLI/CLI.hpp>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "cli/cli_platform.h"
#include "compile/compile_driver.h"
#include "compile/compile_run.h"
#include "options/settings_store.h"
#include "run/alert.h"
#include "run/file_layer.h"
#include "run/version.h"

namespace yl::cli {

namespace {

// A file the run will read: it must exist, be a file and open for reading.
const CLI::Validator kReadableFile(
    [](std::string& path) -> std::string {
      struct stat info;
      if (::stat(path.c_str(), &info) != 0) return "no such file: " + path;
      if (S_ISDIR(info.st_mode)) return "is a folder, not a file: " + path;
      std::ifstream in(path, std::ios::binary);
      if (!in) return "cannot be read: " + path;
      return std::string();
    },
    "FILE");

// The report folder must exist before the run starts.
const CLI::Validator kPrefixInFolder(
    [](std::string& path) -> std::string {
      const std::string folder = run::FolderOf(path);
      if (run::NameOf(path).empty()) return "names a folder, not a file name: " + path;
      struct stat info;
      if (::stat(folder.empty() ? "." : folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return "no such folder for the reports: " + folder;
      return std::string();
    },
    "PATH");

// A settings store that has no file (no home folder): nothing is stored.
class NoSettingsStore : public options::SettingsStore {
 public:
  std::optional<std::string> ReadOptions() override { return std::nullopt; }
  bool WriteOptions(std::string_view) override { return false; }
  bool DeleteOptions() override { return true; }
};

// The stored options of a run not asked to store them: read, never written,
// so that not even an invalid value is deleted from the user's file.
class ReadOnlyStore : public options::SettingsStore {
 public:
  explicit ReadOnlyStore(options::SettingsStore& store) : store_(store) {}
  std::optional<std::string> ReadOptions() override { return store_.ReadOptions(); }
  bool WriteOptions(std::string_view) override { return false; }
  bool DeleteOptions() override { return true; }

 private:
  options::SettingsStore& store_;
};

}  // namespace

options::OutputOptions ApplyRequest(const CliRequest& r, options::OutputOptions o) {
  const bool modeGiven = r.mode.has_value() || r.perPlay;
  if (r.mode) {
    o.gameStats = *r.mode == "game";
    o.cumulativeStats = *r.mode == "cumulative";
    o.leagueStats = *r.mode == "league";
    o.perPlayStats = 0;
  }
  if (r.perPlay) {
    o.perPlayStats = 1;
    o.gameStats = 0;
    o.cumulativeStats = 0;
    o.leagueStats = 0;
  }
  // A mode given here means one file unless separate files are asked for;
  // otherwise the stored layout stands.
  if (r.separateFiles || modeGiven) {
    const std::uint8_t separate = r.separateFiles ? 1 : 0;
    if (r.perPlay) {
      o.perPlaySeparateFiles = separate;
      o.perPlayOneFile = 1 - separate;
    } else {
      o.separateFiles = separate;
      o.oneFile = 1 - separate;
    }
  }
  if (r.format) {
    o.fileFormat = *r.format == "mac"    ? options::kMacintosh
                   : *r.format == "unix" ? options::kUnix
                                         : options::kWindows;
  }
  if (r.leaders) o.leadersCount = *r.leaders;
  if (r.noPlayerStats) o.cumulativePlayerStats = 0;
  if (r.noTeamStats) {
    o.cumulativeTeamStats = 0;
    o.leagueTeamStats = 0;
  }
  if (r.noLeaders) o.leagueLeaders = 0;
  return o;
}

int RunCli(int argc, char** argv) {
  CliRequest r;
  CLI::App app("Compiles football game transcripts into statistics reports.", "yardledger-cli");
  app.set_version_flag("--version", std::string("yardledger-cli ") + run::kVersion);
  app.add_option("-o,--prefix", r.prefix,
                 "name reports after PATH's file name (extension dropped) and write them in "
                 "PATH's folder; default ./Yardledger")
      ->type_name("PATH")
      ->check(kPrefixInFolder);
  // One file per -t, so that the transcripts after it are not taken as teams.
  app.add_option("-t,--team", r.teams, "a team file (*.fbt); repeatable; read in the order given")
      ->type_name("FILE")
      ->allow_extra_args(false)
      ->check(kReadableFile);
  app.add_option("-m,--mode", r.mode, "game | cumulative | league")
      ->type_name("MODE")
      ->check(CLI::IsMember({"game", "cumulative", "league"}));
  app.add_flag("--separate-files", r.separateFiles,
               "game mode: one report file per game (default: one file)");
  app.add_option("--format", r.format,
                 "mac | windows | unix (line endings of reports and the error log)")
      ->type_name("F")
      ->check(CLI::IsMember({"mac", "windows", "unix"}));
  app.add_option("--leaders", r.leaders, "players per leader table; -1 lists every player")
      ->type_name("N")
      ->check(CLI::Range(-1, 32767));
  app.add_flag("--no-player-stats", r.noPlayerStats,
               "leave the player stats out of cumulative reports");
  app.add_flag("--no-team-stats", r.noTeamStats,
               "leave the team stats out of cumulative or league reports");
  app.add_flag("--no-leaders", r.noLeaders, "leave the leader tables out of league reports");
  app.add_flag("--per-play", r.perPlay, "the per-play report mode");
  app.add_option("--error-log", r.errorLog,
                 "where the error log goes when it has entries, numbered (PATH.1, ...) when "
                 "taken; default: ErrorLog in the report folder")
      ->type_name("PATH");
  app.add_flag("--save-options", r.saveOptions,
               "also store the options given as the stored options");
  app.add_flag("-q,--quiet", r.quiet, "no progress display");
  app.add_option("TRANSCRIPT", r.transcripts, "game transcripts, compiled in the order given")
      ->required()
      ->check(kReadableFile);

  try {
    app.parse(argc, argv);
    if (r.perPlay && r.mode && *r.mode != "game")
      throw CLI::ValidationError("--per-play",
                                 "the per-play mode is a game mode; not with -m " + *r.mode);
    // The log must never take the place of what the run reads.
    for (const std::vector<std::string>* inputs : {&r.transcripts, &r.teams}) {
      for (const std::string& input : *inputs) {
        std::error_code error;
        if (!r.errorLog.empty() && std::filesystem::equivalent(r.errorLog, input, error))
          throw CLI::ValidationError("--error-log", "is an input file of the run: " + input);
      }
    }
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return 2;
  }

  const std::string settingsPath = options::DefaultSettingsPath();
  options::IniSettingsStore iniStore(settingsPath);
  NoSettingsStore noStore;
  options::SettingsStore& store =
      settingsPath.empty() ? static_cast<options::SettingsStore&>(noStore) : iniStore;
  ReadOnlyStore readOnly(store);
  options::OutputOptions stored;
  options::LoadOptions(r.saveOptions ? store : readOnly, stored);
  options::OutputOptions chosen = ApplyRequest(r, stored);
  if (r.saveOptions && !options::SaveOptions(store, chosen)) {
    std::fprintf(stderr, "yardledger-cli: could not store the options in %s\n",
                 settingsPath.empty() ? "(no settings folder)" : settingsPath.c_str());
    return 1;
  }

  const run::PrefixReply reply = run::MakePrefixReply(r.prefix);
  CliPlatform platform(r.errorLog, run::FolderOf(r.prefix),
                       !r.quiet && ::isatty(STDERR_FILENO) != 0);
  compile::CompileRun compile(platform, chosen);
  std::vector<run::TransRecord> transcripts;
  for (const std::string& path : r.transcripts)
    transcripts.push_back(run::MakeInputFileRecord(path));
  std::vector<run::TeamFileRecord> teams;
  for (const std::string& path : r.teams)
    teams.push_back(run::MakeInputFileRecord(path));

  SignalStop signals;
  platform.SetStopFlag(&compile.control.stopRequested);
  try {
    compile::CompileStats(compile, transcripts, teams, reply);
  } catch (const run::FatalAlert& alert) {
    platform.ShowAlert(alert.Message());
    compile::AbandonRun(compile);
    return 1;
  }
  platform.SetStopFlag(nullptr);
  if (const int signal = SignalStop::Received(); signal != 0) {
    // Stopped by the user: nothing of the run stays, also when the signal
    // came after the last pause of the run, or entries were still logged.
    for (const std::string& path : compile.reportFiles)
      ::unlink(path.c_str());
    if (compile.errorLog.created) ::unlink(compile.errorLog.spec.path.c_str());
    std::fprintf(stderr, "yardledger-cli: stopped by %s; the run's files are deleted\n",
                 signal == SIGINT ? "SIGINT" : "SIGTERM");
    return 128 + signal;
  }

  for (const std::string& path : compile.reportFiles)
    std::printf("%s\n", path.c_str());
  // The list is the run's answer: losing it is a failure.
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
    const int error = errno;
    std::fprintf(stderr, "yardledger-cli: could not write the list of report files: %s\n",
                 std::strerror(error));
    return 1;
  }
  const run::ErrorLog& log = compile.errorLog;
  std::fprintf(stderr, "%d game%s compiled, %d rejected, %d line%s not understood",
               compile.gamesCompiled, compile.gamesCompiled == 1 ? "" : "s", compile.gamesRejected,
               log.entries, log.entries == 1 ? "" : "s");
  if (log.entries > 0 && !log.declined && !log.spec.path.empty())
    std::fprintf(stderr, " \xe2\x80\x94 see %s", log.spec.path.c_str());
  std::fputc('\n', stderr);
  return 0;
}

}  // namespace yl::cli
