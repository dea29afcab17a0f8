// Outputs written aside. Each output of a run is made under a hidden name in
// its destination folder (".NAME.yl-PID-N"), locked while the run lives, and
// given its final name only once it is complete and synced, by a rename that
// never replaces: a name a user sees never holds a half-written file,
// whatever ends the process. A run removes the hidden files it made on every
// way out; those of a process that died are removed by the next run that
// writes into the folder.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "run/errors.h"
#include "run/file_layer.h"

namespace yl::run {

// What a hidden file's name begins and ends with, for the sweep and for
// users who find one.
constexpr std::string_view kStagedMark = ".yl-";

class StagedFile {
 public:
  StagedFile() = default;
  // An unpublished file goes with its object.
  ~StagedFile() { Discard(); }
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;
  StagedFile(StagedFile&& other) noexcept;
  StagedFile& operator=(StagedFile&& other) noexcept;

  // Creates the hidden file beside `finalPath`, after sweeping that folder
  // once in the run.
  std::error_code Create(FileSystem& system, std::string_view finalPath);
  bool IsOpen() const { return file_.IsOpen(); }
  File& file() { return file_; }
  const std::string& HiddenPath() const { return hidden_; }

  // Syncs the file and renames it to the first of nameFor(0), nameFor(1), ...
  // nameFor(maxNumber) that nobody has, then closes it. A failure is fatal
  // and leaves no file: a failed sync or rename names `wanted`, the name the
  // output was meant to have (kinds.write, kinds.rename), a failed close the
  // name it got (kinds.close). Returns the name it got.
  struct Kinds {
    ErrorKind write;
    ErrorKind rename;
    ErrorKind close;
  };
  std::string Publish(const std::function<std::string(int)>& nameFor, int maxNumber,
                      const Kinds& kinds, std::string_view wanted);

  // Closes and removes the hidden file; reports nothing (the run has
  // failed or stopped already).
  void Discard();

 private:
  FileSystem* system_ = nullptr;
  File file_;
  std::string hidden_;  // empty once published or discarded
};

// Removes from a folder ("" for the working folder) the hidden files of runs
// that have ended: files named as above whose process is gone and whose lock
// nobody holds.
void SweepDeadStagedFiles(std::string_view folder);

}  // namespace yl::run
