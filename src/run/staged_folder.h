// A folder of outputs written aside: made under a hidden name beside its
// final place (".NAME.yl-PID-N", locked while the run lives), filled, synced
// and moved into place in one rename when complete. A folder of the same
// name that an earlier run made (it holds the marker file) is swapped out in
// the same step and kept, hidden, until the run has ended well: a failure
// after the swap puts it back. Anything else under the name is never
// touched.
#pragma once

#include <string>
#include <string_view>

#include "run/errors.h"
#include "run/file_layer.h"

namespace yl::run {

// The file a published folder holds to say a run made it.
constexpr std::string_view kFolderMarker = ".yardledger-site";

// Whether `path` may be published over: nothing bears the name, or it is an
// empty folder or one holding the marker. "" when it may, else the reason.
std::string FolderProblem(const std::string& path);

class StagedFolder {
 public:
  // The fatal alerts of each step; every one names the file meant.
  struct Kinds {
    ErrorKind create;
    ErrorKind open;
    ErrorKind write;
    ErrorKind close;
    ErrorKind rename;
  };
  explicit StagedFolder(const Kinds& kinds) : kinds_(kinds) {}
  // Ends the folder's life: an unpublished folder is removed, and so is the
  // folder a published one replaced.
  ~StagedFolder();
  StagedFolder(const StagedFolder&) = delete;
  StagedFolder& operator=(const StagedFolder&) = delete;

  // Makes and locks the hidden folder beside `finalPath` (a folder's path
  // without a closing "/"), after sweeping that folder once in the run, and
  // writes the marker into it first: a later run's sweep removes only a
  // dead run's folder that holds it.
  void Create(FileSystem& system, const std::string& finalPath, std::string_view marker);
  // A new folder inside, by its path relative to the folder.
  void MakeFolder(std::string_view relative);
  // A new file inside, written whole and closed.
  void WriteFile(std::string_view relative, std::string_view bytes);
  // Syncs, and moves the folder to its final path.
  void Publish();

  // Undoes the folder without a word: before publishing, removes it; after,
  // removes the published folder and puts back the one it replaced.
  void Withdraw();

 private:
  std::string Meant(std::string_view relative) const;

  Kinds kinds_;
  FileSystem* system_ = nullptr;
  std::string final_;
  File lock_;           // the hidden folder, open and locked
  std::string hidden_;  // the folder being made, or once published the one replaced
  bool published_ = false;
  bool replaced_ = false;  // the publishing swapped out an earlier folder
};

// Removes a folder and everything in it without following links; false
// when something is left.
bool RemoveTree(const std::string& path);

}  // namespace yl::run
