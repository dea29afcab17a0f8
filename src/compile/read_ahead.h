// Reading ahead: the run's transcripts loaded and parsed a few games ahead of
// the one being resolved and credited, by worker threads, and handed over in
// transcript order. Parsing needs nothing of the league, so what a worker
// gives is exactly what the run's own thread would have read.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "run/file_layer.h"
#include "run/input_files.h"
#include "transcript/game_reader.h"

namespace yl::compile {

// The machine's cores (at least 1): the most threads a front end reads with.
int MachineCores();

// The threads a run reads with when the user does not say: the machine's
// cores, but no more than four (beyond that the thread that credits the
// games in order is the limit).
int DefaultJobs();

// A transcript of the run, and whether it is a plain file: one that can be
// read at any time without waiting on anyone. A pipe or a device is read
// only when its turn comes, on the run's thread, as before.
struct TranscriptToRead {
  const run::TransRecord* record = nullptr;
  bool plainFile = false;
};

class ReadAhead {
 public:
  // jobs: the threads that parse, the run's own included; 1 reads each
  // transcript on the run's thread when it is taken, as a run always did.
  ReadAhead(run::FileSystem& files, std::vector<TranscriptToRead> transcripts, int jobs);
  // Stops the workers and waits for them (each finishes the transcript in
  // hand): after a Stop or a fatal alert nothing of the run goes on.
  ~ReadAhead();
  ReadAhead(const ReadAhead&) = delete;
  ReadAhead& operator=(const ReadAhead&) = delete;

  // Transcript i, parsed; taken in order, each once. A failure to read it
  // (a fatal alert) is raised here, in its place in the run.
  transcript::ParsedGame Take(std::size_t i);

 private:
  struct Slot {
    enum class State : std::uint8_t {
      kEmpty,
      kReady,  // parsed, or failed with `failure`
      kLeft,   // not a plain file (a pipe, say): read when its turn comes
    };
    State state = State::kEmpty;
    transcript::ParsedGame game;
    std::exception_ptr failure;
  };

  transcript::ParsedGame Parse(std::size_t i, transcript::DescriptionMemo& memo);
  // Parses transcript k before its turn, into a slot.
  Slot ParseEarly(std::size_t k, transcript::DescriptionMemo& memo);
  bool CanClaim() const;
  void Work();

  run::FileSystem& files_;
  std::vector<TranscriptToRead> transcripts_;
  std::size_t window_;  // the games that may be parsed and not yet taken

  std::mutex mutex_;
  std::condition_variable ready_;     // a slot was filled
  std::condition_variable room_;      // a game was taken, or the run ends
  std::vector<Slot> slots_;           // game k in slots_[k % window_]
  transcript::DescriptionMemo memo_;  // the run's thread's; each worker has its own
  std::size_t claimed_ = 0;           // games given to a thread to parse
  std::size_t taken_ = 0;             // games handed over
  bool stopping_ = false;
  std::vector<std::jthread> workers_;
};

}  // namespace yl::compile
