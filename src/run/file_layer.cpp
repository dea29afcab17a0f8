// The file layer over POSIX file descriptors.
#include "run/file_layer.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <utility>

namespace yl::run {

namespace {

std::error_code LastError() {
  return {errno, std::generic_category()};
}

std::error_code Injected(FileFaults* faults, FileOp op) {
  return faults != nullptr ? faults->Before(op) : std::error_code();
}

}  // namespace

File::~File() {
  if (fd_ >= 0) ::close(fd_);
}

File::File(File&& other) noexcept
    : fd_(other.fd_), faults_(other.faults_), stop_(other.stop_), opened_(other.opened_) {
  other.fd_ = -1;
  other.opened_.reset();
}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.fd_;
    faults_ = other.faults_;
    stop_ = other.stop_;
    opened_ = other.opened_;
    other.fd_ = -1;
    other.opened_.reset();
  }
  return *this;
}

std::error_code File::Read(FileBytes& bytes, std::size_t limit) {
  if (const std::error_code fault = Injected(faults_, FileOp::kRead)) return fault;
  if (fd_ < 0) return std::make_error_code(std::errc::bad_file_descriptor);
  if (!opened_) {
    struct stat info;
    if (::fstat(fd_, &info) != 0) return LastError();
    opened_ = Kind{S_ISREG(info.st_mode), static_cast<std::uintmax_t>(info.st_size)};
  }
  // Later reads ask again: the file may have grown.
  const Kind kind = *std::exchange(opened_, std::nullopt);
  const std::size_t most = std::min(limit, kMaxFileSize);
  const bool regular = kind.regular;
  const std::uintmax_t size = kind.size;
  if (regular && size > kMaxFileSize && limit >= kMaxFileSize)
    return std::make_error_code(std::errc::file_too_large);
  // A regular file's size is where the buffer starts; a pipe or a FIFO tells
  // none. Either way the file is read to its end, or to `limit`.
  // Each read overwrites what it fills: the buffer is not cleared first.
  bytes.clear();
  bytes.resize(regular ? std::min<std::uintmax_t>(size, most) : std::min<std::size_t>(most, 65536));
  std::size_t done = 0;
  for (;;) {
    if (Stopping()) return std::make_error_code(std::errc::interrupted);
    if (done == bytes.size()) {
      if (done == most && most < kMaxFileSize) break;  // the caller's limit
      // Full: a small read tells whether anything follows before the buffer
      // grows; at the largest size a run reads, one byte more is too many.
      char probe[4096];
      const std::size_t want = done == most ? 1 : std::min(sizeof probe, most - done);
      const ssize_t got = ::read(fd_, probe, want);
      if (got < 0) {
        if (errno == EINTR) continue;
        return LastError();
      }
      if (got == 0) break;
      if (done == most) return std::make_error_code(std::errc::file_too_large);
      bytes.insert(bytes.end(), probe, probe + got);
      done += static_cast<std::size_t>(got);
      bytes.resize(std::min(most, std::max(2 * done, done + sizeof probe)));
      continue;
    }
    const ssize_t got = ::read(fd_, bytes.data() + done, bytes.size() - done);
    if (got < 0) {
      if (errno == EINTR) continue;
      return LastError();
    }
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  bytes.resize(done);
  return {};
}

std::error_code File::Write(std::string_view bytes) {
  if (const std::error_code fault = Injected(faults_, FileOp::kWrite)) return fault;
  if (fd_ < 0) return std::make_error_code(std::errc::bad_file_descriptor);
  while (!bytes.empty()) {
    // Also after a part went out: a signal may have cut a blocked write short.
    if (Stopping()) return std::make_error_code(std::errc::interrupted);
    const ssize_t put = ::write(fd_, bytes.data(), bytes.size());
    if (put < 0) {
      if (errno == EINTR) continue;
      return LastError();
    }
    bytes.remove_prefix(static_cast<std::size_t>(put));
  }
  return {};
}

std::error_code File::Sync() {
  if (const std::error_code fault = Injected(faults_, FileOp::kSync)) return fault;
  if (fd_ < 0) return std::make_error_code(std::errc::bad_file_descriptor);
  return ::fsync(fd_) == 0 ? std::error_code() : LastError();
}

std::error_code File::SyncFileSystem() {
  if (const std::error_code fault = Injected(faults_, FileOp::kSync)) return fault;
  if (fd_ < 0) return std::make_error_code(std::errc::bad_file_descriptor);
  return ::syncfs(fd_) == 0 ? std::error_code() : LastError();
}

std::error_code File::Lock() {
  if (fd_ < 0) return std::make_error_code(std::errc::bad_file_descriptor);
  return ::flock(fd_, LOCK_EX | LOCK_NB) == 0 ? std::error_code() : LastError();
}

std::error_code File::Close() {
  if (fd_ < 0) return std::make_error_code(std::errc::bad_file_descriptor);
  const int fd = fd_;
  fd_ = -1;
  if (const std::error_code fault = Injected(faults_, FileOp::kClose)) {
    ::close(fd);
    return fault;
  }
  return ::close(fd) == 0 ? std::error_code() : LastError();
}

std::error_code FileSystem::CreateNew(const std::string& path, File& file) {
  if (const std::error_code fault = Injected(faults_, FileOp::kCreate)) return fault;
  // Exclusive: a name taken between a caller's test and this creation is
  // never written over.
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return LastError();
  file = File(fd, faults_, stop_);
  return {};
}

std::error_code FileSystem::Open(const std::string& path, int flags, File& file) {
  if (const std::error_code fault = Injected(faults_, FileOp::kOpen)) return fault;
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
  if (fd < 0) return LastError();
  struct stat info;
  std::error_code error;
  if (::fstat(fd, &info) != 0) {
    error = LastError();
  } else if (S_ISDIR(info.st_mode)) {
    error = std::make_error_code(std::errc::is_a_directory);
  }
  if (error) {
    ::close(fd);
    return error;
  }
  file = File(fd, faults_, stop_);
  file.opened_ = File::Kind{S_ISREG(info.st_mode), static_cast<std::uintmax_t>(info.st_size)};
  return {};
}

std::error_code FileSystem::OpenToRead(const std::string& path, File& file) {
  return Open(path, O_RDONLY, file);
}

std::error_code FileSystem::OpenToWrite(const std::string& path, File& file) {
  // Read and write: a pipe without a reader does not block its opening.
  return Open(path, O_RDWR, file);
}

std::error_code FileSystem::OpenStream(const std::string& path, File& file) {
  if (const std::error_code fault = Injected(faults_, FileOp::kOpen)) return fault;
  const int stream = StreamOf(path);
  if (stream < 0) return std::make_error_code(std::errc::invalid_argument);
  // A copy of the descriptor shares its place in the file: a redirected
  // standard error is written on, never from its start.
  const int fd = ::fcntl(stream, F_DUPFD_CLOEXEC, 0);
  if (fd < 0) return LastError();
  file = File(fd, faults_, stop_);
  return {};
}

std::error_code FileSystem::Rename(const std::string& from, const std::string& to) {
  if (const std::error_code fault = Injected(faults_, FileOp::kRename)) return fault;
  if (FolderOf(from) != FolderOf(to) || NameOf(to).empty())
    return std::make_error_code(std::errc::invalid_argument);
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return {};
  if (errno != EINVAL && errno != ENOSYS) return LastError();
  // File systems without the no-replace rename: a hard link fails when the
  // target exists, and the old name is removed only once the link stands.
  if (::link(from.c_str(), to.c_str()) != 0) return LastError();
  if (::unlink(from.c_str()) != 0) {
    const std::error_code error = LastError();
    ::unlink(to.c_str());
    return error;
  }
  return {};
}

std::error_code FileSystem::Exchange(const std::string& first, const std::string& second) {
  if (const std::error_code fault = Injected(faults_, FileOp::kRename)) return fault;
  if (FolderOf(first) != FolderOf(second) || NameOf(second).empty())
    return std::make_error_code(std::errc::invalid_argument);
  return ::renameat2(AT_FDCWD, first.c_str(), AT_FDCWD, second.c_str(), RENAME_EXCHANGE) == 0
             ? std::error_code()
             : LastError();
}

std::error_code FileSystem::MakeFolder(const std::string& path) {
  if (const std::error_code fault = Injected(faults_, FileOp::kCreate)) return fault;
  return ::mkdir(path.c_str(), 0755) == 0 ? std::error_code() : LastError();
}

std::error_code FileSystem::OpenFolder(const std::string& path, File& folder) {
  if (const std::error_code fault = Injected(faults_, FileOp::kOpen)) return fault;
  const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return LastError();
  folder = File(fd, faults_, stop_);
  return {};
}

std::error_code FileSystem::Remove(const std::string& path) {
  if (const std::error_code fault = Injected(faults_, FileOp::kDelete)) return fault;
  return ::unlink(path.c_str()) == 0 ? std::error_code() : LastError();
}

bool PathTaken(const std::string& path) {
  struct stat info;
  return ::lstat(path.c_str(), &info) == 0;
}

int StreamOf(std::string_view path) {
  if (path == "/dev/stdout") return STDOUT_FILENO;
  if (path == "/dev/stderr") return STDERR_FILENO;
  for (const std::string_view folder : {"/dev/fd/", "/proc/self/fd/"}) {
    if (!path.starts_with(folder)) continue;
    const std::string_view digits = path.substr(folder.size());
    int fd = -1;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), fd);
    if (error == std::errc() && end == digits.data() + digits.size() && !digits.empty()) return fd;
  }
  return -1;
}

bool IsDeviceOrPipe(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && (S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode));
}

std::string FolderOf(std::string_view path) {
  const auto slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string NameOf(std::string_view path) {
  const auto slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string NameWithoutExtension(std::string_view path) {
  std::string name = NameOf(path);
  const auto dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

std::string SystemReason(std::string_view path, std::error_code error) {
  std::string text(path);
  text += ": ";
  text += error.message();
  return text;
}

}  // namespace yl::run
