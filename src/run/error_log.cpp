// The error log.
#include "run/error_log.h"

#include <unistd.h>
#include <climits>
#include <cstring>
#include <new>
#include <optional>

#include "options/output_options.h"
#include "run/errors.h"

namespace yl::run {

namespace {

// Room kept for the message and the three line ends of an entry.
constexpr std::size_t kEntryReserve = 100;

// The log never replaces a file: published, it takes NAME, else NAME.1,
// NAME.2, ... A stream of the process (/dev/stderr, /dev/fd/3) is written
// where it stands, a device or a pipe the user named (/dev/null, a FIFO) as
// it is; neither is ever deleted.
void CreateLogFile(ErrorLog& log, const std::string& wanted) {
  log.path = wanted;
  if (StreamOf(wanted) >= 0) {
    if (const std::error_code opened = log.fileSystem.OpenStream(wanted, log.device))
      FailOnFile(ErrorKind::kLogOpen, wanted, opened);
  } else if (IsDeviceOrPipe(wanted)) {
    if (const std::error_code opened = log.fileSystem.OpenToWrite(wanted, log.device))
      FailOnFile(ErrorKind::kLogOpen, wanted, opened);
  } else {
    if (const std::error_code error = log.staged.Create(log.fileSystem, wanted))
      FailOnFile(ErrorKind::kLogCreate, wanted, error);
    log.created = true;
  }
  log.open = true;
}

File& LogFile(ErrorLog& log) {
  return log.created ? log.staged.file() : log.device;
}

}  // namespace

std::optional<std::string> AskForLogFile(Platform& platform) {
  constexpr std::string_view kPrompt = "Save Error Log As:";
  std::string title(kPrompt);
  title.back() = ' ';
  return platform.AskSaveFile(title, "ErrorLog");
}

namespace {

void Append(ErrorLog& log, std::string_view text) {
  const std::size_t take = std::min(text.size(), log.buffer.size() - log.fill);
  if (take == 0) return;  // an empty text may have no bytes behind it at all
  std::memcpy(log.buffer.data() + log.fill, text.data(), take);
  log.fill += take;
}

}  // namespace

ErrorLog::ErrorLog(Platform& frontEnd, FileSystem& system, options::LineEnds lineEnds)
    : platform(frontEnd), fileSystem(system), lineEnd(options::LineEnding(lineEnds)) {}

void InitErrorLog(ErrorLog& log) {
  log.declined = false;
  log.open = false;
  log.created = false;
  Allocating(ErrorKind::kLogBufferMemory, [&] { log.buffer.assign(kErrorLogSize, 0); });
  log.fill = 0;
  log.entries = 0;
}

void LogTranscriptError(ErrorLog& log, std::string_view name, ErrorKind kind,
                        std::string_view text) {
  ++log.entries;
  if (log.declined || log.buffer.empty()) return;
  if (name.size() > 63) name = name.substr(0, 63);
  if (text.size() > kMaxOffendingText) text = text.substr(0, kMaxOffendingText);
  if (name.size() + log.fill + text.size() + kEntryReserve > kErrorLogSize - 1) {
    WriteErrorBuffer(log);
    if (log.declined) return;
  }
  const std::string_view end = log.lineEnd;
  Append(log, name);
  Append(log, end);
  Append(log, TextOf(kind).first);
  Append(log, end);
  Append(log, text);
  Append(log, end);
}

void WriteErrorBuffer(ErrorLog& log) {
  if (!log.open) {
    if (log.declined) return;
    const std::optional<std::string> chosen = AskForLogFile(log.platform);
    if (!chosen) {
      log.declined = true;
      log.fill = 0;
      return;
    }
    CreateLogFile(log, *chosen);
  }
  const std::size_t count = log.fill;
  log.fill = 0;
  if (count == 0) return;
  // A silently truncated log loses the user's diagnostics: a failed write is fatal.
  if (const std::error_code error = LogFile(log).Write({log.buffer.data(), count}))
    FailOnFile(ErrorKind::kLogWrite, log.path, error);
}

void DumpErrorLog(ErrorLog& log) {
  if (!log.declined && (log.open || log.fill > 0)) {
    WriteErrorBuffer(log);
    if (log.open && log.created) {
      constexpr StagedFile::Kinds kKinds{ErrorKind::kLogWrite, ErrorKind::kLogRename,
                                         ErrorKind::kLogClose};
      const std::string wanted = log.path;
      const auto nameFor = [&](int n) {
        return n == 0 ? wanted : wanted + "." + std::to_string(n);
      };
      log.path = log.staged.Publish(nameFor, INT_MAX - 1, kKinds, wanted);
    } else if (log.open) {
      if (const std::error_code error = log.device.Close())
        FailOnFile(ErrorKind::kLogClose, log.path, error);
    }
    log.open = false;
  }
  log.buffer.clear();
  log.buffer.shrink_to_fit();
  log.fill = 0;
}

void DeleteErrorLog(ErrorLog& log) {
  if (!log.open) return;
  if (log.created) {
    log.staged.Discard();
  } else if (const std::error_code error = log.device.Close()) {
    FailOnFile(ErrorKind::kLogDiscardClose, log.path, error);
  }
  log.open = false;
  log.created = false;
  log.fill = 0;
}

void AbandonErrorLog(ErrorLog& log) {
  log.staged.Discard();
  log.device = File();
  log.open = false;
  log.created = false;
}

}  // namespace yl::run
