// The file layer: the few file operations a run needs, over POSIX calls.
// Each reports the system's reason as a std::error_code (errno's value in the
// generic category), makes no system call after the one that failed, and
// never replaces or truncates a file that exists.
#pragma once

#include <csignal>
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <type_traits>
#include <utility>
#include <vector>

namespace yl::run {

enum class FileOp : std::uint8_t { kCreate, kOpen, kRead, kWrite, kSync, kClose, kRename, kDelete };

// What a test puts between a run and the system: asked before every
// operation of a FileSystem and of the files it opened; an error it returns
// is that operation's result, and the system is not called.
class FileFaults {
 public:
  virtual ~FileFaults() = default;
  virtual std::error_code Before(FileOp op) = 0;
};

// The largest file a run reads: sizes are 32-bit counts in the engine.
constexpr std::size_t kMaxFileSize = 0x7FFFFFFF;

// An allocator whose vectors grow by elements left uninitialised: a buffer
// that a read fills at once need not be cleared first.
template <typename T>
struct UninitialisedAllocator : std::allocator<T> {
  template <typename U>
  struct rebind {
    using other = UninitialisedAllocator<U>;
  };
  UninitialisedAllocator() = default;
  template <typename U>
  UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept {}
  template <typename U>
  void construct(U* at) noexcept(std::is_nothrow_default_constructible_v<U>) {
    ::new (static_cast<void*>(at)) U;
  }
  template <typename U, typename... Args>
  void construct(U* at, Args&&... args) {
    ::new (static_cast<void*>(at)) U(std::forward<Args>(args)...);
  }
};

// A file's bytes as read.
using FileBytes = std::vector<char, UninitialisedAllocator<char>>;

// An open file, closed when destroyed if Close was not called.
class File {
 public:
  File() = default;
  ~File();
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;

  bool IsOpen() const { return fd_ >= 0; }

  // The file's bytes from where it stands (its start, once opened) to its
  // end, at most `limit`: a pipe or a FIFO is read until its writer closes
  // it. A file larger than a run reads (kMaxFileSize) gives EFBIG.
  std::error_code Read(FileBytes& bytes, std::size_t limit = kMaxFileSize);
  // Writes every byte, or fails.
  std::error_code Write(std::string_view bytes);
  // Makes what was written durable (fsync).
  std::error_code Sync();
  // Makes everything written on the file's file system durable (syncfs):
  // one call for a folder of many new files.
  std::error_code SyncFileSystem();
  // Takes the file's exclusive lock without waiting (flock): held until the
  // file is closed, and let go by the system when the process dies.
  std::error_code Lock();
  // Closes the file; it is closed also when that fails.
  std::error_code Close();

 private:
  friend class FileSystem;
  File(int fd, FileFaults* faults, const volatile std::sig_atomic_t* stop)
      : fd_(fd), faults_(faults), stop_(stop) {}
  // Whether a call that a signal interrupted gives up rather than resumes.
  bool Stopping() const { return stop_ != nullptr && *stop_ != 0; }

  int fd_ = -1;
  FileFaults* faults_ = nullptr;
  const volatile std::sig_atomic_t* stop_ = nullptr;
  // What opening the file found of it (whether it is a regular file, and
  // its size), kept for the first Read, which then need not ask again.
  struct Kind {
    bool regular = false;
    std::uintmax_t size = 0;
  };
  std::optional<Kind> opened_;
};

// The operations on names. A run holds one; a test may give it faults.
class FileSystem {
 public:
  explicit FileSystem(FileFaults* faults = nullptr) : faults_(faults) {}

  // A flag a signal handler sets to stop the run: once it is set, reads and
  // writes fail with EINTR instead of going on, so that a run blocked on a
  // pipe can stop.
  void SetStopFlag(const volatile std::sig_atomic_t* stop) { stop_ = stop; }

  // A new, empty file open for writing. Anything that bears the name (a
  // file, a folder, a dangling link, one made a moment ago by another
  // process) gives EEXIST and is not touched.
  std::error_code CreateNew(const std::string& path, File& file);
  // An existing file from its start: no creation, no truncation. A folder
  // gives EISDIR.
  std::error_code OpenToRead(const std::string& path, File& file);
  std::error_code OpenToWrite(const std::string& path, File& file);
  // A name of one of the process's own streams (StreamOf): that stream,
  // written where it stands rather than opened anew from its start.
  std::error_code OpenStream(const std::string& path, File& file);
  // Renames within a folder; never replaces a file of the new name (EEXIST).
  std::error_code Rename(const std::string& from, const std::string& to);
  // Swaps two names of one folder in one step (both must exist).
  std::error_code Exchange(const std::string& first, const std::string& second);
  std::error_code Remove(const std::string& path);
  // A new folder (EEXIST when the name is taken), and an existing folder
  // opened to be locked or synced.
  std::error_code MakeFolder(const std::string& path);
  std::error_code OpenFolder(const std::string& path, File& folder);

  // For the hidden files of the run (run/staged_file.h): a number no other
  // of them had, and whether a folder is met for the first time.
  std::uint32_t NextHiddenNumber() { return ++hiddenCount_; }
  bool FirstVisit(const std::string& folder) { return visited_.insert(folder).second; }

 private:
  std::error_code Open(const std::string& path, int flags, File& file);
  FileFaults* faults_;
  const volatile std::sig_atomic_t* stop_ = nullptr;
  std::uint32_t hiddenCount_ = 0;
  std::set<std::string> visited_;
};

// Whether anything at all bears the name (a file, a folder, an unreadable
// file, a dangling link).
bool PathTaken(const std::string& path);
// The descriptor a name of the process's own streams stands for:
// /dev/stdout, /dev/stderr, /dev/fd/N or /proc/self/fd/N; -1 for any other.
int StreamOf(std::string_view path);
// Whether the name stands for a character device or a pipe (/dev/null, a
// terminal, /dev/stderr): written to, such a name replaces nothing.
bool IsDeviceOrPipe(const std::string& path);

// The folder part of a path, with its closing separator ("" for a bare name).
std::string FolderOf(std::string_view path);
// The last component of a path.
std::string NameOf(std::string_view path);
// The last component without its extension (the part after the last ".").
std::string NameWithoutExtension(std::string_view path);

// "path: reason", the system's text of the error, for the fatal alert.
std::string SystemReason(std::string_view path, std::error_code error);

}  // namespace yl::run
