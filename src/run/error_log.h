// The error log: recognition problems collected in a 1024-byte buffer and
// written, three lines per entry, to a file the user names the first time
// something has to be written: written aside and published when the run
// ends, or, for a device or a pipe, written to as it is.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "options/output_options.h"
#include "run/errors.h"
#include "run/file_layer.h"
#include "run/platform.h"
#include "run/staged_file.h"

namespace yl::run {

constexpr std::size_t kErrorLogSize = 1024;
constexpr std::size_t kMaxOffendingText = 499;  // the longest line a transcript holds

// The log of one run: it writes its line ends and asks for its file through
// the run's platform.
struct ErrorLog {
  ErrorLog(Platform& platform, FileSystem& fileSystem, options::LineEnds lineEnds);
  ErrorLog(const ErrorLog&) = delete;
  ErrorLog& operator=(const ErrorLog&) = delete;

  Platform& platform;
  FileSystem& fileSystem;
  std::string_view lineEnd;
  std::vector<char> buffer;  // empty until InitErrorLog
  std::size_t fill = 0;
  bool declined = false;     // the user cancelled the save dialog in this run
  bool open = false;         // the log file is created and open
  bool created = false;      // the run writes the file aside (not a device the user named)
  std::string path;          // the log's file, once known; once published, the name it got
  StagedFile staged;         // the log being written, when the run makes it
  File device;               // the device or pipe the user named
  std::int32_t entries = 0;  // entries logged in this run, dropped ones included
};

// The question for the log's file: "Save Error Log As " (the closing ":"
// of the prompt shown as a blank), proposing "ErrorLog".
std::optional<std::string> AskForLogFile(Platform& platform);

void InitErrorLog(ErrorLog& log);
// Adds one entry: name, the kind's message, the offending text (at most
// 499 bytes of it), each followed by the log's line ending.
void LogTranscriptError(ErrorLog& log, std::string_view name, ErrorKind kind,
                        std::string_view text);
void WriteErrorBuffer(ErrorLog& log);
void DumpErrorLog(ErrorLog& log);
void DeleteErrorLog(ErrorLog& log);
// After a fatal alert: closes the log's file and deletes it when the run made
// it, without writing or reporting anything.
void AbandonErrorLog(ErrorLog& log);

}  // namespace yl::run
