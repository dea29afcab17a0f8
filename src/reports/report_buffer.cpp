// The report output.
#include "reports/report_buffer.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "options/output_options.h"
#include "run/errors.h"

namespace yl::reports {

ReportOutput::ReportOutput(run::File& reportFile, const std::string& reportPath,
                           options::LineEnds lineEnds)
    : file(reportFile),
      path(reportPath),
      lineEnd(options::LineEnding(lineEnds)),
      doubleLineEnd(options::DoubleLineEnding(lineEnds)) {}

void InitWriteBuffer(ReportOutput& out) {
  run::Allocating(run::ErrorKind::kReportBufferMemory,
                  [&] { out.buffer.bytes.assign(kReportBufferSize, 0); });
  out.buffer.fill = 0;
}

void WriteString(ReportOutput& out, std::string_view text) {
  ReportBuffer& buffer = out.buffer;
  if (buffer.bytes.empty()) return;
  // Report pieces are short; a longer text is written through in blocks.
  while (!text.empty()) {
    if (buffer.fill + text.size() >= kReportBufferSize) FlushWriteBuffer(out);
    const std::size_t take = std::min(text.size(), kReportBufferSize - 1 - buffer.fill);
    std::memcpy(buffer.bytes.data() + buffer.fill, text.data(), take);
    buffer.fill += take;
    text.remove_prefix(take);
  }
}

void FlushWriteBuffer(ReportOutput& out) {
  ReportBuffer& buffer = out.buffer;
  if (buffer.fill == 0) return;
  const std::size_t count = buffer.fill;
  buffer.fill = 0;
  // A lost block would silently garble the report: a failed write is fatal.
  if (const std::error_code error = out.file.Write({buffer.bytes.data(), count}))
    run::FailOnFile(run::ErrorKind::kReportWrite, out.path, error);
}

void DisposeWriteBuffer(ReportOutput& out) {
  out.buffer.bytes.clear();
  out.buffer.bytes.shrink_to_fit();
  out.buffer.fill = 0;
}

}  // namespace yl::reports
