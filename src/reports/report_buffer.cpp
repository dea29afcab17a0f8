// The report buffer.
#include "reports/report_buffer.h"

#include <cstring>
#include <new>

#include "run/alert.h"
#include "run/compile_run.h"

namespace yl::reports {

void InitWriteBuffer(run::CompileRun& run) {
  try {
    run.reportBuffer.bytes.assign(kReportBufferSize, 0);
  } catch (const std::bad_alloc&) {
    run::ErrorAlert("pInitWriteBuffer Error: Couldn't allocate buffer for output.",
                    "pTo fix allocate more memory to Yardledger in GetInfo in the Finder.");
  }
  run.reportBuffer.fill = 0;
}

void WriteString(run::CompileRun& run, std::string_view text) {
  ReportBuffer& buffer = run.reportBuffer;
  if (buffer.bytes.empty()) return;
  // Report pieces are short; a longer text is written through in blocks.
  while (!text.empty()) {
    if (buffer.fill + text.size() >= kReportBufferSize) FlushWriteBuffer(run);
    const std::size_t take = std::min(text.size(), kReportBufferSize - 1 - buffer.fill);
    std::memcpy(buffer.bytes.data() + buffer.fill, text.data(), take);
    buffer.fill += take;
    text.remove_prefix(take);
  }
}

void FlushWriteBuffer(run::CompileRun& run) {
  ReportBuffer& buffer = run.reportBuffer;
  if (buffer.fill == 0) return;
  const auto count = static_cast<std::int32_t>(buffer.fill);
  buffer.fill = 0;
  // A lost block would silently garble the report: a failed write is fatal.
  if (run::FSWrite(run.outputFiles.current, count, buffer.bytes.data()) != run::noErr) {
    run::ErrorAlert("pFSWrite error: WriteGameStats", "pCouldn't write to file.");
  }
}

void DisposeWriteBuffer(run::CompileRun& run) {
  run.reportBuffer.bytes.clear();
  run.reportBuffer.bytes.shrink_to_fit();
  run.reportBuffer.fill = 0;
}

}  // namespace yl::reports
