// Reading ahead.
#include "compile/read_ahead.h"

#include <pthread.h>

#include <algorithm>
#include <csignal>
#include <system_error>
#include <utility>

#include "transcript/reader.h"

namespace yl::compile {

namespace {

// Signals go to the run's thread, whose blocked calls they break off (a
// stop); the workers start with every signal blocked.
class SignalsBlocked {
 public:
  SignalsBlocked() {
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, &before_);
  }
  ~SignalsBlocked() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
  SignalsBlocked(const SignalsBlocked&) = delete;
  SignalsBlocked& operator=(const SignalsBlocked&) = delete;

 private:
  sigset_t before_;
};

}  // namespace

int MachineCores() {
  return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

int DefaultJobs() {
  return std::min(MachineCores(), 4);
}

ReadAhead::ReadAhead(run::FileSystem& files, std::vector<TranscriptToRead> transcripts, int jobs)
    : files_(files), transcripts_(std::move(transcripts)) {
  jobs = std::max(jobs, 1);
  // Two games a thread: a worker that finishes one finds the next free.
  window_ = jobs == 1 ? 1 : 2 * static_cast<std::size_t>(jobs);
  slots_.resize(window_);
  // The run's thread parses too: a single transcript needs no worker.
  const std::size_t workers = std::min(static_cast<std::size_t>(jobs - 1),
                                       std::max<std::size_t>(transcripts_.size(), 1) - 1);
  if (workers == 0) return;
  workers_.reserve(workers);
  const SignalsBlocked blocked;
  for (std::size_t w = 0; w < workers; ++w) {
    // A system that refuses another thread leaves the run with those it has
    // (at the least its own): the results are the same.
    try {
      workers_.emplace_back([this] { Work(); });
    } catch (const std::system_error&) {
      break;
    }
  }
}

ReadAhead::~ReadAhead() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  room_.notify_all();
  workers_.clear();  // joins
}

transcript::ParsedGame ReadAhead::Parse(std::size_t i, transcript::DescriptionMemo& memo) {
  return transcript::ParseGame(transcript::LoadTranscript(files_, *transcripts_[i].record), memo);
}

ReadAhead::Slot ReadAhead::ParseEarly(std::size_t k, transcript::DescriptionMemo& memo) {
  Slot slot;
  if (!transcripts_[k].plainFile) {
    slot.state = Slot::State::kLeft;
    return slot;
  }
  // The failure is raised when the game's turn comes, or never if the run
  // ends before.
  try {
    slot.game = Parse(k, memo);
  } catch (...) {
    slot.failure = std::current_exception();
  }
  slot.state = Slot::State::kReady;
  return slot;
}

bool ReadAhead::CanClaim() const {
  return claimed_ < transcripts_.size() && claimed_ < taken_ + window_;
}

void ReadAhead::Work() {
  transcript::DescriptionMemo memo;
  std::unique_lock lock(mutex_);
  for (;;) {
    room_.wait(lock, [this] { return stopping_ || CanClaim(); });
    if (stopping_) return;
    const std::size_t k = claimed_++;
    lock.unlock();
    Slot parsed = ParseEarly(k, memo);
    lock.lock();
    slots_[k % window_] = std::move(parsed);
    ready_.notify_all();
  }
}

transcript::ParsedGame ReadAhead::Take(std::size_t i) {
  std::unique_lock lock(mutex_);
  // Its own turn comes first: the run's thread parses the game it needs, or,
  // while a worker has it in hand, the next one nobody has taken.
  if (claimed_ == i) {
    ++claimed_;
    lock.unlock();
    transcript::ParsedGame game = Parse(i, memo_);
    lock.lock();
    taken_ = i + 1;
    room_.notify_all();
    return game;
  }
  Slot& slot = slots_[i % window_];
  while (slot.state == Slot::State::kEmpty) {
    if (CanClaim()) {
      const std::size_t k = claimed_++;
      lock.unlock();
      Slot parsed = ParseEarly(k, memo_);
      lock.lock();
      slots_[k % window_] = std::move(parsed);
      continue;
    }
    ready_.wait(lock);
  }
  Slot taken = std::exchange(slot, Slot());
  taken_ = i + 1;
  lock.unlock();
  room_.notify_all();
  if (taken.state == Slot::State::kLeft) return Parse(i, memo_);
  if (taken.failure) std::rethrow_exception(taken.failure);
  return std::move(taken.game);
}

}  // namespace yl::compile
