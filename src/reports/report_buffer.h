// The report buffer: every report text goes through one 1024-byte block to
// the current report file. Line ends follow the chosen file format.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace yl::run {
struct CompileRun;
}

namespace yl::reports {

constexpr std::size_t kReportBufferSize = 1024;

struct ReportBuffer {
  std::vector<char> bytes;  // empty until InitWriteBuffer
  std::size_t fill = 0;
};

void InitWriteBuffer(run::CompileRun& run);
// Appends text, writing the held bytes out first when they would reach 1024.
void WriteString(run::CompileRun& run, std::string_view text);
// Writes the held bytes to the current report file; a failed write is fatal.
void FlushWriteBuffer(run::CompileRun& run);
void DisposeWriteBuffer(run::CompileRun& run);

}  // namespace yl::reports
