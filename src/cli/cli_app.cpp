// yardledger-cli.
#include "cli/cli_app.h"

#include <sys/stat.h>
#include <unistd.h>
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "cli/cli_platform.h"
#include "cli/show_options.h"
#include "compile/compile_driver.h"
#include "compile/compile_run.h"
#include "compile/read_ahead.h"
#include "options/settings_store.h"
#include "run/errors.h"
#include "run/file_layer.h"
#include "run/input_folders.h"
#include "run/staged_folder.h"
#include "run/version.h"

namespace yl::cli {

namespace {

// A file the run will read, or a folder of them: it must exist and be
// readable. A team file among the transcripts gets a hint where it goes.
CLI::Validator ReadableInput(bool transcripts) {
  return CLI::Validator(
      [transcripts](std::string& path) -> std::string {
        struct stat info;
        if (::stat(path.c_str(), &info) != 0) return "no such file or folder: " + path;
        if (transcripts && !S_ISDIR(info.st_mode) && run::HasExtension(path, ".fbt"))
          return path +
                 " is a team file: team files go after -t (one per -t, or their "
                 "folder: -t DIR)";
        if (S_ISDIR(info.st_mode)) return std::string();
        std::ifstream in(path, std::ios::binary);
        if (!in) return "cannot be read: " + path;
        return std::string();
      },
      "");
}

// "no such folder for the WHAT: FOLDER" unless the folder exists ("" is the
// working folder); "" when it does.
std::string MissingFolder(const std::string& folder, std::string_view what) {
  struct stat info;
  if (::stat(folder.empty() ? "." : folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return {};
  return "no such folder for the " + std::string(what) + ": " + folder;
}

// The report folder must exist before the run starts.
const CLI::Validator kPrefixInFolder(
    [](std::string& path) -> std::string {
      const std::string folder = run::FolderOf(path);
      const std::string name = run::NameOf(path);
      if (path.empty()) return "is empty: give a prefix such as out/Week3";
      if (name == "." || name == "..")
        return "names a folder, not a prefix: " + path + " (write " + folder + "Name for " +
               folder + "Name.GS ...)";
      if (name.empty())
        return "names a folder, not a prefix: " + path + " (write " + path +
               (path.ends_with("/") ? "" : "/") + "Name for " + path +
               (path.ends_with("/") ? "" : "/") + "Name.GS ...)";
      return MissingFolder(folder, "reports");
    },
    "");

// The error log's name: a file in a folder that exists (checked before the
// run, so that no run is lost at its end), or a device, pipe or stream.
const CLI::Validator kLogInFolder(
    [](std::string& path) -> std::string {
      struct stat info;
      if (path.empty()) return "is empty: give a file name such as out/ErrorLog";
      if (::stat(path.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) return "names a folder, not a file: " + path;
        return std::string();
      }
      const std::string folder = run::FolderOf(path);
      const std::string name = run::NameOf(path);
      if (name.empty() || name == "." || name == "..") return "names a folder, not a file: " + path;
      return MissingFolder(folder, "error log");
    },
    "");

// The site's folder: its own, beside others in a folder that exists; a
// folder already there must be a site Yardledger wrote, or empty.
const CLI::Validator kSiteFolder(
    [](std::string& path) -> std::string {
      while (path.size() > 1 && path.ends_with('/'))
        path.pop_back();
      const std::string name = run::NameOf(path);
      if (path.empty()) return "is empty: give a folder such as out/site";
      if (name == "." || name == ".." || path == "/")
        return "names no folder of its own: " + path + " (write " + path + "/site)";
      const std::string missing = MissingFolder(run::FolderOf(path), "site");
      return missing.empty() ? run::FolderProblem(path) : missing;
    },
    "");

// Help in plain words: value names instead of CLI11's types and labels.
class HelpFormatter : public CLI::Formatter {
 public:
  std::string make_option_name(const CLI::Option* option, bool positional) const override {
    return positional ? option->get_type_name() : CLI::Formatter::make_option_name(option, false);
  }
  std::string make_option_opts(const CLI::Option* option) const override {
    return option->get_type_name().empty() || option->get_positional()
               ? std::string()
               : " " + option->get_type_name();
  }
  std::string make_usage(const CLI::App*, std::string name) const override {
    return "Usage: " + name + " [OPTIONS] TRANSCRIPT|DIR...\n       " + name +
           " --show-options [OPTIONS]\n";
  }
};

const char* const kHelpFooter =
    R"(Report files: PREFIX is -o's path with any extension dropped (-o Stats.txt
gives Stats.GS), in the folder of that path; the suffix names the report:
  .GS   game reports (game mode)
  .CS   cumulative: player and team tables of all the games together
  .LL   league: team season reports, team tables and league leaders
  .SD   per-play: every play, game by game
With --separate-files each game gets its own file, PREFIX.GS.Vis@Hom (the
first letters of the two teams). A name already taken is numbered
(PREFIX.GS.1, ...); no file is ever replaced. While a run writes, each file
has a hidden name, .NAME.yl-PID-N, and takes its own name only when complete;
one left by a killed run is removed by the next run in that folder.

Examples:
  yardledger-cli -m game -o week3/Week3 week3/games
      a week's transcripts (the *.txt files of week3/games) in one game
      report file, week3/Week3.GS
  yardledger-cli -m league -t season/teams -o season/Season season/games
      a season in league mode with the teams' files (the *.fbt files of
      season/teams): season/Season.LL
  yardledger-cli -m league -t season/teams -o season/Season \
      --site season/site season/games
      the same, and the season as a web site: season/site/index.html
  yardledger-cli -m game --separate-files -o out/G g1.txt g2.txt
      two games, one report file each: out/G.GS.Bea@Lio, ...)";

}  // namespace

options::OutputOptions ApplyRequest(const CliRequest& r, options::OutputOptions o) {
  using options::FileLayout;
  using options::ReportMode;
  if (r.mode) {
    o.mode = *r.mode == "game"         ? ReportMode::kGame
             : *r.mode == "cumulative" ? ReportMode::kCumulative
                                       : ReportMode::kLeague;
  }
  if (r.perPlay) o.mode = ReportMode::kPerPlay;
  // A mode given here means one file unless separate files are asked for;
  // otherwise the stored layout stands.
  if (r.separateFiles || r.mode || r.perPlay) {
    (r.perPlay ? o.perPlayLayout : o.gameLayout) =
        r.separateFiles ? FileLayout::kSeparateFiles : FileLayout::kOneFile;
  }
  if (r.format) {
    o.lineEnds = *r.format == "mac"    ? options::LineEnds::kMacintosh
                 : *r.format == "unix" ? options::LineEnds::kUnix
                                       : options::LineEnds::kWindows;
  }
  if (r.leaders) o.leadersCount = *r.leaders;
  if (r.noPlayerStats) o.cumulativePlayerTables = false;
  if (r.noTeamStats) {
    o.cumulativeTeamTables = false;
    o.leagueTeamTables = false;
  }
  if (r.noLeaders) o.leagueLeaders = false;
  return o;
}

namespace {

// What the run reads: the files the command line named or stood for by
// their folders.
struct Inputs {
  std::vector<std::string> transcripts;
  std::vector<std::string> teams;
};

void DefineOptions(CLI::App& app, CliRequest& r) {
  app.formatter(std::make_shared<HelpFormatter>());
  app.get_formatter()->column_width(26);
  app.footer(kHelpFooter);
  app.set_version_flag("--version", std::string("yardledger-cli ") + run::kVersion);
  app.add_option("-o,--prefix", r.prefix,
                 "where the reports go and their name: -o out/Week3\n"
                 "writes out/Week3.GS ...; the folder must exist;\n"
                 "default ./Yardledger")
      ->type_name("PREFIX")
      ->check(kPrefixInFolder);
  // One file per -t, so that the transcripts after it are not taken as teams.
  app.add_option("-t,--team", r.teams,
                 "a team file (*.fbt), or a folder standing for its\n"
                 "*.fbt files; repeatable; read in the order given")
      ->type_name("FILE|DIR")
      ->allow_extra_args(false)
      ->check(ReadableInput(false));
  app.add_option("-m,--mode", r.mode, "game | cumulative | league")
      ->type_name("MODE")
      ->check(CLI::IsMember({"game", "cumulative", "league"}).description(""));
  app.add_flag("--separate-files", r.separateFiles,
               "game modes: one report file per game (default:\n"
               "one file)");
  app.add_option("--format", r.format,
                 "mac | windows | unix: the line endings of the\n"
                 "reports and the error log")
      ->type_name("FORMAT")
      ->check(CLI::IsMember({"mac", "windows", "unix"}).description(""));
  app.add_option("--leaders", r.leaders, "players per leader table; -1 lists every player")
      ->type_name("N")
      ->check(CLI::Range(-1, 32767).description(""));
  app.add_flag("--no-player-stats", r.noPlayerStats,
               "leave the player tables out of cumulative reports");
  app.add_flag("--no-team-stats", r.noTeamStats,
               "leave the team tables out of cumulative or league\n"
               "reports");
  app.add_flag("--no-leaders", r.noLeaders, "leave the leader tables out of league reports");
  app.add_flag("--per-play", r.perPlay, "the per-play report mode");
  app.add_option("--error-log", r.errorLog,
                 "where the error log goes when lines are not\n"
                 "understood; numbered (PATH.1, ...) when taken;\n"
                 "default: ErrorLog in the reports' folder")
      ->type_name("PATH")
      ->check(kLogInFolder);
  app.add_option("--csv", r.csvFolder,
                 "also write the figures as CSV tables into DIR\n"
                 "(players.csv, teams.csv, games.csv, scoring.csv;\n"
                 "plays.csv in the per-play mode; numbered when\n"
                 "taken)")
      ->type_name("DIR")
      ->check(CLI::ExistingDirectory.description(""));
  app.add_option("--site", r.siteFolder,
                 "also write the season as a web site into DIR\n"
                 "(cumulative or league mode; a site written\n"
                 "there before is replaced whole)")
      ->type_name("DIR")
      ->check(kSiteFolder);
  app.add_option("--site-title", r.siteTitle, "the league's name on the web site")
      ->type_name("NAME");
  app.add_option("--jobs", r.jobs,
                 "threads that read the transcripts, at most the\n"
                 "machine's cores; 1 reads them one by one on the\n"
                 "compiling thread; the results are the same;\n"
                 "default: the cores, at most 4")
      ->type_name("N")
      ->check(CLI::Range(1, 1024).description(""));
  app.add_flag("--save-options", r.saveOptions,
               "also store the options given as the stored options");
  app.add_flag("--show-options", r.showOptions,
               "show the options a run would use, in words, and\n"
               "run nothing");
  app.add_flag("-q,--quiet", r.quiet, "no progress display");
  app.add_option("TRANSCRIPT", r.transcripts,
                 "game transcripts, or folders standing for their\n"
                 "*.txt files (in name order); compiled in the order\n"
                 "given")
      ->type_name("TRANSCRIPT|DIR...")
      ->check(ReadableInput(true));
}

// The request's files and folders as the files the run reads; a usage error
// for a folder without such files, or a log that would be one of them.
Inputs ResolveInputs(const CliRequest& r) {
  Inputs inputs;
  for (const std::string& path : r.transcripts) {
    if (std::string error = run::AddInput(path, ".txt", inputs.transcripts); !error.empty())
      throw CLI::ValidationError("TRANSCRIPT|DIR", error);
  }
  for (const std::string& path : r.teams) {
    if (std::string error = run::AddInput(path, ".fbt", inputs.teams); !error.empty())
      throw CLI::ValidationError("--team", error);
  }
  // The site replaces its folder whole: it cannot hold the run's other files.
  if (!r.siteFolder.empty()) {
    std::error_code error;
    const std::string reports = run::FolderOf(r.prefix);
    for (const std::string& other : {reports.empty() ? std::string(".") : reports, r.csvFolder}) {
      if (!other.empty() && std::filesystem::equivalent(r.siteFolder, other, error))
        throw CLI::ValidationError("--site", "is the folder of the run's other files: " + other);
    }
  }
  // The log must never take the place of what the run reads.
  for (const std::vector<std::string>* files : {&inputs.transcripts, &inputs.teams}) {
    for (const std::string& input : *files) {
      std::error_code error;
      if (!r.errorLog.empty() && std::filesystem::equivalent(r.errorLog, input, error))
        throw CLI::ValidationError("--error-log", "is an input file of the run: " + input);
    }
  }
  return inputs;
}

// The command line as a request and the files it names; an exit status when
// the program ends here (help, version, a usage error).
std::optional<int> Parse(int argc, char** argv, CliRequest& r, Inputs& inputs) {
  CLI::App app("Compiles football game transcripts into statistics reports.", "yardledger-cli");
  DefineOptions(app, r);
  try {
    app.parse(argc, argv);
    if (r.transcripts.empty() && !r.showOptions) throw CLI::RequiredError("TRANSCRIPT|DIR");
    if (r.perPlay && r.mode && *r.mode != "game")
      throw CLI::ValidationError("--per-play",
                                 "the per-play mode is a game mode; not with -m " + *r.mode);
    inputs = ResolveInputs(r);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return 2;
  }
  return std::nullopt;
}

// The stored options with the request laid over them, stored again with
// --save-options and described with --show-options; an exit status when the
// program ends here.
std::optional<int> ResolveOptions(const CliRequest& r, options::OutputOptions& chosen) {
  // Without a home folder there is nowhere to keep the options.
  const std::string settingsPath = options::DefaultSettingsPath();
  std::optional<options::IniSettingsStore> store;
  if (!settingsPath.empty()) store.emplace(settingsPath);
  const options::LoadedOptions loaded =
      store ? options::LoadOptions(*store) : options::LoadedOptions();
  // A settings file that cannot be read is said to be so, not taken for none.
  const std::string unreadable = store ? store->Problem() : std::string();
  chosen = ApplyRequest(r, loaded.options);
  if (r.saveOptions && !(store && options::SaveOptions(*store, chosen))) {
    const std::string why = store ? store->Problem() : std::string();
    std::fprintf(stderr, "yardledger-cli: could not store the options in %s%s%s\n",
                 settingsPath.empty() ? "(no settings folder)" : settingsPath.c_str(),
                 why.empty() ? "" : ": the settings file ", why.c_str());
    return 1;
  }
  if (!unreadable.empty())
    std::fprintf(stderr, "yardledger-cli: the settings file %s; the default options are used\n",
                 unreadable.c_str());
  if (!r.showOptions) return std::nullopt;
  const std::string where = settingsPath.empty() ? "(no settings folder)" : settingsPath;
  std::string head;
  if (r.saveOptions) {
    head = "Options stored in " + where + ":";
  } else {
    head = loaded.result == options::LoadResult::kStored ? "Stored options (" + where + ")"
           : loaded.result == options::LoadResult::kNone
               ? "Default options (nothing stored in " + where + ")"
               : "Default options (the value stored in " + where + " is not valid)";
    if (chosen != loaded.options) head += " with the command line's changes";
    head += ":";
  }
  std::printf("%s\n%s", head.c_str(), DescribeOptions(chosen, r.prefix).c_str());
  return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : 1;
}

// The files kept on standard output, the counts on standard error.
int Summarise(const compile::CompileRun& compile) {
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
  std::string rejected;
  for (const std::string& name : compile.rejected)
    rejected += (rejected.empty() ? " (" : ", ") + name;
  if (!rejected.empty()) rejected += ")";
  std::fprintf(stderr, "%d game%s compiled, %d rejected%s, %d line%s not understood",
               compile.gamesCompiled, compile.gamesCompiled == 1 ? "" : "s", compile.gamesRejected,
               rejected.c_str(), log.entries, log.entries == 1 ? "" : "s");
  if (log.entries > 0 && !log.declined && !log.path.empty())
    std::fprintf(stderr, " \xe2\x80\x94 see %s", log.path.c_str());
  std::fputc('\n', stderr);
  // Every transcript rejected: the run made no report, and that is a failure.
  if (compile.gamesCompiled == 0 && compile.gamesRejected > 0) {
    std::fprintf(stderr, "yardledger-cli: no game compiled\n");
    return 1;
  }
  return 0;
}

// The compile run: a fatal alert is shown and the run abandoned; a signal
// deletes what the run made.
int Run(const CliRequest& r, const options::OutputOptions& chosen, const Inputs& inputs) {
  const run::PrefixReply reply = run::MakePrefixReply(r.prefix);
  CliPlatform platform(r.errorLog, run::FolderOf(r.prefix),
                       !r.quiet && ::isatty(STDERR_FILENO) != 0);
  compile::CompileRun compile(platform, chosen);
  compile.tablesFolder = r.csvFolder;
  compile.siteFolder = r.siteFolder;
  compile.siteTitle = r.siteTitle;
  compile.jobs = r.jobs > 0 ? std::min(r.jobs, compile::MachineCores()) : compile::DefaultJobs();
  std::vector<run::TransRecord> transcripts;
  for (const std::string& path : inputs.transcripts)
    transcripts.push_back(run::MakeInputFileRecord(path));
  std::vector<run::TeamFileRecord> teams;
  for (const std::string& path : inputs.teams)
    teams.push_back(run::MakeInputFileRecord(path));

  SignalStop signals;
  platform.SetStopFlag(&compile.control.stopRequested);
  compile.fileSystem.SetStopFlag(SignalStop::Flag());
  bool failed = false;
  try {
    try {
      compile::CompileStats(compile, transcripts, teams, reply);
    } catch (const std::bad_alloc&) {
      run::Fail(run::ErrorKind::kOutOfMemory);
    }
  } catch (const run::FatalAlert& alert) {
    // A call a stop signal broke off fails too: that is the stop, not a fault.
    if (SignalStop::Received() == 0) platform.ShowAlert(alert.Message());
    compile::AbandonRun(compile);
    failed = true;
  }
  platform.SetStopFlag(nullptr);
  if (const int signal = SignalStop::Received(); signal != 0) {
    // Stopped by the user: nothing of the run stays, also when the signal
    // came after the last pause of the run, or entries were still logged.
    for (const std::string& path : compile.reportFiles)
      ::unlink(path.c_str());
    if (compile.errorLog.created) ::unlink(compile.errorLog.path.c_str());
    std::fprintf(stderr, "yardledger-cli: stopped by %s; the run's files are deleted\n",
                 SignalStop::Name(signal));
    return 128 + signal;
  }
  if (failed) return 1;
  try {
    return Summarise(compile);
  } catch (const std::bad_alloc&) {
    // The run is over but cannot be told: it leaves nothing, as any failure.
    for (const std::string& path : compile.reportFiles)
      ::unlink(path.c_str());
    if (compile.errorLog.created) ::unlink(compile.errorLog.path.c_str());
    platform.ShowAlert(run::FatalAlert(run::ErrorKind::kOutOfMemory, {}).Message());
    return 1;
  }
}

}  // namespace

int RunCli(int argc, char** argv) {
  CliRequest request;
  Inputs inputs;
  if (const std::optional<int> status = Parse(argc, argv, request, inputs)) return *status;
  options::OutputOptions chosen;
  if (const std::optional<int> status = ResolveOptions(request, chosen)) return *status;
  // A site is a season's: the game modes have none.
  if (!request.siteFolder.empty() && !chosen.SeasonMode()) {
    std::fprintf(stderr,
                 "--site: a web site is written of a season: run with -m league (or -m "
                 "cumulative)\nRun with --help for more information.\n");
    return 2;
  }
  return Run(request, chosen, inputs);
}

}  // namespace yl::cli
