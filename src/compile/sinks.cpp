// The sinks of a run: the report files of each mode and the CSV tables.
#include "compile/sinks.h"

#include "compile/compile_driver.h"
#include "compile/compile_run.h"
#include "league/league.h"
#include "reports/games_csv.h"
#include "reports/play_echo.h"
#include "reports/players_csv.h"
#include "reports/plays_csv.h"
#include "reports/report_buffer.h"
#include "reports/report_driver.h"
#include "reports/scoring_csv.h"
#include "reports/teams_csv.h"
#include "run/staged_folder.h"
#include "run/table_files.h"
#include "site/site_builder.h"
#include "transcript/extras.h"

namespace yl::compile {

namespace {

using options::ReportMode;
using reports::FlushWriteBuffer;
using reports::WriteString;

// The report files of a run, written through one buffer: the season's single
// file, or the games' files, one or one per game.
class ReportFiles : public GameSink {
 public:
  ReportFiles(CompileRun& run, const run::PrefixReply& reply)
      : run_(run),
        reply_(reply),
        files_(run.fileSystem),
        out_(files_.current.file(), files_.currentPath, run.options.lineEnds) {}

  void BeginRun(std::size_t transcripts) override {
    transcriptsLeft_ = transcripts;
    reports::InitWriteBuffer(out_);
    run::OpenNextStatFile(files_, run_.options.mode, reply_);
  }
  void EndRun(std::vector<std::string>& kept) override {
    if (files_.current.IsOpen()) Close();
    reports::DisposeWriteBuffer(out_);
    kept.insert(kept.end(), files_.paths.begin(), files_.paths.end());
  }
  void Discard() override { run::DeleteStatFiles(files_); }
  void Abandon() override { run::AbandonStatFiles(files_); }

 protected:
  virtual void Close() {
    FlushWriteBuffer(out_);
    run::CloseStatFile(files_, run_.options.mode);
  }
  // The reports of the game, or (none) of the season so far.
  void WriteReports(const CompiledGame* game) {
    reports::ReportSource source{run_.league, run_.longest, {}, nullptr};
    if (!run_.siteFolder.empty() || run_.keepResults) source.leaders = &run_.leaders;
    if (game != nullptr) {
      source.teams = game->Teams();
      source.scoring = &game->scoring;
    }
    reports::WriteReports(out_, source, run_.options);
  }

  CompileRun& run_;
  std::size_t transcriptsLeft_ = 0;  // not yet begun
  const run::PrefixReply reply_;
  run::OutputFiles files_;
  reports::ReportOutput out_;  // writes to files_.current
};

// Game and per-play reports: each game under its transcript's name, in one
// file or in a file of its own named after its teams, the next file begun
// as soon as one is done. In one file a rejected game leaves its name and
// the next game follows it; a file of its own would hold nothing but names,
// so it begins again and, at the end, is not kept.
class GameReports final : public ReportFiles {
 public:
  using ReportFiles::ReportFiles;

  void BeginGame(std::string_view transcript) override {
    --transcriptsLeft_;
    if (run_.options.SeparateFiles() && gameBegun_) {
      reports::InitWriteBuffer(out_);
      run::OpenNextStatFile(files_, run_.options.mode, reply_);
    }
    gameBegun_ = true;
    echoReady_ = false;
    WriteString(out_, transcript.substr(0, kMaxTranscriptName));
    WriteString(out_, out_.doubleLineEnd);
  }
  // The per-play report: the play echoed and the reports of its stats alone,
  // which are then let go.
  void PlayDone(std::string_view, const CompiledGame& game,
                const transcript::CurrentPlay& play) override {
    if (run_.options.mode != ReportMode::kPerPlay) return;
    // The extras lines are echoed with the teams' names as the league has them.
    if (!echoReady_) {
      transcript::PrepareExtrasPhrases(echoPhrases_, *game.game->home, *game.game->visiting);
      echoReady_ = true;
    }
    reports::EchoPlay(out_, echoPhrases_, play);
    WriteReports(&game);
    league::ReleaseAllPlayerStats(run_.league);
  }
  void GameRead(std::string_view, const CompiledGame& game) override {
    if (run_.options.mode == ReportMode::kGame) WriteReports(&game);
    WriteString(out_, out_.doubleLineEnd);
    gameBegun_ = false;
    if (!run_.options.SeparateFiles()) return;
    FlushWriteBuffer(out_);
    run::PublishGameFile(files_, run_.options.mode, game.game->visiting->name,
                         game.game->home->name);
    if (transcriptsLeft_ > 0) run::OpenNextStatFile(files_, run_.options.mode, reply_);
  }

 private:
  void Close() override {
    if (run_.options.SeparateFiles()) {
      run::DiscardStatFile(files_);
    } else {
      ReportFiles::Close();
    }
  }

  bool gameBegun_ = false;               // a game's name is written and the game not yet read
  transcript::ExtrasTable echoPhrases_;  // the game's, once its first play is echoed
  bool echoReady_ = false;
};

// Cumulative and league reports: one file, written when every game is in.
class SeasonReports final : public ReportFiles {
 public:
  using ReportFiles::ReportFiles;

  void GameRead(std::string_view, const CompiledGame&) override {}
  void EndRun(std::vector<std::string>& kept) override {
    WriteReports(nullptr);
    ReportFiles::EndRun(kept);
  }
};

// The CSV tables: games.csv and scoring.csv row by row, plays.csv play by
// play in a per-play run, else players.csv and teams.csv per game in the
// game mode and once at the end of a season.
class CsvTables final : public GameSink {
 public:
  explicit CsvTables(CompileRun& run) : run_(run), tables_(run.fileSystem) {
    tables_.folder = run.tablesFolder;
  }

  void BeginRun(std::size_t) override {
    if (run_.options.mode == ReportMode::kPerPlay) {
      plays_ = Create("plays", reports::PlaysCsvHeader());
    } else {
      players_ = Create("players", reports::PlayersCsvHeader());
      teams_ = Create("teams", reports::TeamsCsvHeader());
    }
    games_ = Create("games", reports::GamesCsvHeader());
    scoring_ = Create("scoring", reports::ScoringCsvHeader());
  }
  void PlayDone(std::string_view transcript, const CompiledGame&,
                const transcript::CurrentPlay& play) override {
    if (plays_ != nullptr && !play.noPlay)
      run::WriteTable(*plays_, reports::PlaysCsvRow(transcript, play));
  }
  void GameRead(std::string_view transcript, const CompiledGame& compiled) override {
    const transcript::GameState& game = *compiled.game;
    run::WriteTable(*games_, reports::GamesCsvRow(transcript, game.visiting->name, game.home->name,
                                                  game.score));
    run::WriteTable(*scoring_, reports::ScoringCsvRows(transcript, compiled.scoring));
    // A game's rows hold its two teams, with their team files' players.
    if (players_ == nullptr || run_.options.SeasonMode()) return;
    const std::string teams[] = {game.visiting->name, game.home->name};
    run::WriteTable(*players_, reports::PlayersCsvRows(run_.league, transcript, teams));
    run::WriteTable(*teams_, reports::TeamsCsvRows(run_.league, transcript, teams));
  }
  void EndRun(std::vector<std::string>& kept) override {
    if (players_ != nullptr && run_.options.SeasonMode()) {
      run::WriteTable(*players_, reports::PlayersCsvRows(run_.league, ""));
      run::WriteTable(*teams_, reports::TeamsCsvRows(run_.league, ""));
    }
    run::CloseTableFiles(tables_);
    for (const run::TableFile& table : tables_.files)
      kept.push_back(table.path);
  }
  void Discard() override { run::DeleteTableFiles(tables_); }
  void Abandon() override { run::DeleteTableFiles(tables_); }

 private:
  run::TableFile* Create(std::string_view stem, std::string_view header) {
    run::TableFile& table = run::CreateTableFile(tables_, stem);
    run::WriteTable(table, header);
    return &table;
  }

  CompileRun& run_;
  run::TableFiles tables_;
  run::TableFile* plays_ = nullptr;
  run::TableFile* players_ = nullptr;
  run::TableFile* teams_ = nullptr;
  run::TableFile* games_ = nullptr;
  run::TableFile* scoring_ = nullptr;
};

// The league site: written into a hidden folder beside its place as the
// games come, and moved into place when the season's pages are done.
class LeagueSite final : public GameSink {
 public:
  explicit LeagueSite(CompileRun& run)
      : run_(run),
        folder_(kKinds),
        builder_(run.siteTitle, [this](const std::string& path, const std::string& bytes) {
          folder_.WriteFile(path, bytes);
        }) {}

  void BeginRun(std::size_t) override {
    folder_.Create(run_.fileSystem, run_.siteFolder, kMarkerText);
    for (const char* folder : site::kSiteFolders)
      folder_.MakeFolder(folder);
  }
  void BeforeCredit(const CompiledGame& game) override { builder_.BeforeCredit(*game.game); }
  void GameRead(std::string_view transcript, const CompiledGame& game) override {
    builder_.GameRead(transcript, *game.game, game.scoring);
  }
  void EndRun(std::vector<std::string>& kept) override {
    builder_.Finish(run_.league, run_.longest, run_.options,
                    run_.leaders.empty() ? nullptr : &run_.leaders);
    folder_.Publish();
    kept.push_back(run_.siteFolder);
  }
  void Discard() override { folder_.Withdraw(); }
  void Abandon() override { folder_.Withdraw(); }

 private:
  static constexpr run::StagedFolder::Kinds kKinds{
      run::ErrorKind::kSiteCreate, run::ErrorKind::kSiteOpen, run::ErrorKind::kSiteWrite,
      run::ErrorKind::kSiteClose, run::ErrorKind::kSiteRename};
  static constexpr std::string_view kMarkerText =
      "This folder is a web site Yardledger wrote. The next site written here\n"
      "replaces it whole: keep nothing of your own in it.\n";

  CompileRun& run_;
  run::StagedFolder folder_;
  site::SiteBuilder builder_;
};

}  // namespace

Sinks MakeSinks(CompileRun& run, const run::PrefixReply& reply) {
  Sinks sinks;
  if (run.options.SeasonMode()) {
    sinks.push_back(std::make_unique<SeasonReports>(run, reply));
  } else {
    sinks.push_back(std::make_unique<GameReports>(run, reply));
  }
  if (!run.tablesFolder.empty()) sinks.push_back(std::make_unique<CsvTables>(run));
  if (!run.siteFolder.empty() && run.options.SeasonMode())
    sinks.push_back(std::make_unique<LeagueSite>(run));
  return sinks;
}

}  // namespace yl::compile
