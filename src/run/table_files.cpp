// Table files.
#include "run/table_files.h"

#include <unistd.h>

#include <algorithm>

#include "run/alert.h"

namespace yl::run {

TableFile& CreateTableFile(TableFiles& tables, std::string_view stem) {
  const std::string base = tables.folder + "/" + std::string(stem);
  FSSpec spec{base + ".csv", std::string(stem) + ".csv"};
  for (int n = 1;; ++n) {
    // A name taken before or during the creation passes to the next number.
    const OSErr created = FSpCreate(spec);
    if (created == noErr) break;
    if (created != dupFNErr || n > kMaxTableNumber)
      FileAlert("pFSpCreate error: WriteTable", "pCouldn't create new file.", spec.path);
    const std::string numbered = std::string(stem) + "-" + std::to_string(n) + ".csv";
    spec = FSSpec{tables.folder + "/" + numbered, numbered};
  }
  TableFile& table = tables.files.emplace_back();
  table.spec = spec;
  if (FSpOpenDF(spec, fsRdWrPerm, table.file) != noErr)
    FileAlert("pFSpOpenDF error: WriteTable", "pCouldn't open created file.", spec.path);
  return table;
}

void WriteTable(TableFile& table, std::string_view text) {
  while (!text.empty()) {
    const auto count = static_cast<std::int32_t>(std::min<std::size_t>(text.size(), 1 << 20));
    if (FSWrite(table.file, count, text.data()) != noErr)
      FileAlert("pFSWrite error: WriteTable", "pCouldn't write to file.", table.spec.path);
    text.remove_prefix(static_cast<std::size_t>(count));
  }
}

void CloseTableFiles(TableFiles& tables) {
  for (TableFile& table : tables.files) {
    if (table.file.IsOpen() && FSClose(table.file) != noErr)
      FileAlert("pFSClose error: WriteTable", "pFile would not close.", table.spec.path);
  }
}

void DeleteTableFiles(TableFiles& tables) {
  for (TableFile& table : tables.files) {
    table.file = OpenFile();
    ::unlink(table.spec.path.c_str());
  }
  tables.files.clear();
}

}  // namespace yl::run
