// Table files.
#include "run/table_files.h"

#include <unistd.h>

#include "run/errors.h"

namespace yl::run {

TableFile& CreateTableFile(TableFiles& tables, std::string_view stem) {
  const std::string base = tables.folder + "/" + std::string(stem);
  std::string path = base + ".csv";
  File file;
  for (int n = 1;; ++n) {
    // A name taken before or during the creation passes to the next number.
    const std::error_code error = tables.fileSystem.CreateNew(path, file);
    if (!error) break;
    if (error != std::errc::file_exists || n > kMaxTableNumber)
      FailOnFile(ErrorKind::kTableCreate, path, error);
    path = base + "-" + std::to_string(n) + ".csv";
  }
  return tables.files.emplace_back(TableFile{path, std::move(file)});
}

void WriteTable(TableFile& table, std::string_view text) {
  if (const std::error_code error = table.file.Write(text))
    FailOnFile(ErrorKind::kTableWrite, table.path, error);
}

void CloseTableFiles(TableFiles& tables) {
  for (TableFile& table : tables.files) {
    if (!table.file.IsOpen()) continue;
    if (const std::error_code error = table.file.Close())
      FailOnFile(ErrorKind::kTableClose, table.path, error);
  }
}

void DeleteTableFiles(TableFiles& tables) {
  for (TableFile& table : tables.files) {
    table.file = File();
    ::unlink(table.path.c_str());
  }
  tables.files.clear();
}

}  // namespace yl::run
