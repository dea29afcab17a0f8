// The report output: every report text goes through one 1024-byte block to
// the current report file, with the line ends of the chosen file format.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "options/output_options.h"
#include "run/file_layer.h"

namespace yl::reports {

constexpr std::size_t kReportBufferSize = 1024;

struct ReportBuffer {
  std::vector<char> bytes;  // empty until InitWriteBuffer
  std::size_t fill = 0;
};

// Where the report writers write: the buffer, the file it is flushed to (the
// run's current report file, which changes from game to game in the
// separate-files layout) with its name for messages, and the line ends.
struct ReportOutput {
  ReportOutput(run::File& file, const std::string& path, options::LineEnds lineEnds);
  ReportOutput(const ReportOutput&) = delete;
  ReportOutput& operator=(const ReportOutput&) = delete;

  run::File& file;
  const std::string& path;
  std::string_view lineEnd;
  std::string_view doubleLineEnd;
  ReportBuffer buffer;
};

void InitWriteBuffer(ReportOutput& out);
// Appends text, writing the held bytes out first when they would reach 1024.
// Nothing is written before InitWriteBuffer or after DisposeWriteBuffer.
void WriteString(ReportOutput& out, std::string_view text);
// Writes the held bytes to the current report file; a failed write is fatal.
void FlushWriteBuffer(ReportOutput& out);
void DisposeWriteBuffer(ReportOutput& out);

}  // namespace yl::reports
