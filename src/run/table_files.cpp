// Table files.
#include "run/table_files.h"

#include <unistd.h>

#include "run/errors.h"

namespace yl::run {

TableFile& CreateTableFile(TableFiles& tables, std::string_view stem) {
  TableFile& table = tables.files.emplace_back();
  table.path = tables.folder + "/" + std::string(stem) + ".csv";
  if (const std::error_code error = table.staged.Create(tables.fileSystem, table.path))
    FailOnFile(ErrorKind::kTableCreate, table.path, error);
  return table;
}

void WriteTable(TableFile& table, std::string_view text) {
  if (const std::error_code error = table.staged.file().Write(text))
    FailOnFile(ErrorKind::kTableWrite, table.path, error);
}

void CloseTableFiles(TableFiles& tables) {
  constexpr StagedFile::Kinds kKinds{ErrorKind::kTableWrite, ErrorKind::kTableRename,
                                     ErrorKind::kTableClose};
  for (TableFile& table : tables.files) {
    if (table.published) continue;
    const std::string base = table.path.substr(0, table.path.size() - 4);  // without ".csv"
    const auto nameFor = [&](int n) {
      return n == 0 ? table.path : base + "-" + std::to_string(n) + ".csv";
    };
    table.path = table.staged.Publish(nameFor, kMaxTableNumber, kKinds, table.path);
    table.published = true;
  }
}

void DeleteTableFiles(TableFiles& tables) {
  for (TableFile& table : tables.files) {
    table.staged.Discard();
    if (table.published) ::unlink(table.path.c_str());
  }
  tables.files.clear();
}

}  // namespace yl::run
