// What a run hands its games to. The options choose the sinks: one for the
// reports (game, per-play or season reports) and, when the front end names a
// folder for them, one for the CSV tables. Each owns its files from creation
// to the end of the run, when it keeps them, or to a stop or a failure, when
// it deletes them.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "run/output_files.h"
#include "transcript/current_play.h"

namespace yl::compile {

struct CompileRun;
struct CompiledGame;

class GameSink {
 public:
  virtual ~GameSink() = default;

  // Before the first of the run's transcripts: the sink creates its first
  // files.
  virtual void BeginRun(std::size_t transcripts) = 0;
  // Before a transcript is read; it may still be rejected.
  virtual void BeginGame(std::string_view /*transcript*/) {}
  // The game is read and about to be credited.
  virtual void BeforeCredit(const CompiledGame& /*game*/) {}
  // After each play of the game has gone to the crediting, whistled dead or not.
  virtual void PlayDone(std::string_view /*transcript*/, const CompiledGame& /*game*/,
                        const transcript::CurrentPlay& /*play*/) {}
  // A game read and credited, before the run lets it go.
  virtual void GameRead(std::string_view transcript, const CompiledGame& game) = 0;
  // After the last transcript: writes what comes at the end, closes the
  // files and adds their paths to `kept`.
  virtual void EndRun(std::vector<std::string>& kept) = 0;
  // The user stopped the run: the files are closed and deleted; a file that
  // cannot be deleted is fatal.
  virtual void Discard() = 0;
  // A fatal alert ended the run: the files are closed and deleted as far as
  // that goes, without a word.
  virtual void Abandon() = 0;
};

using Sinks = std::vector<std::unique_ptr<GameSink>>;

// The sinks the run's options and folders choose, in the order they are
// called: the reports, the tables, then the site. No table reads the
// players' stats that a per-play report lets go after each play.
Sinks MakeSinks(CompileRun& run, const run::PrefixReply& reply);

}  // namespace yl::compile
