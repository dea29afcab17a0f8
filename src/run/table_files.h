// The machine-readable tables of a run (players.csv, ...): files of their
// own in a folder the user names, kept to the report files' rules: created
// exclusively under a name nobody has (NAME.csv, else NAME-1.csv, ...),
// listed when the run ends, deleted by a stop or a failure.
#pragma once

#include <deque>
#include <string>
#include <string_view>

#include "run/file_layer.h"

namespace yl::run {

struct TableFile {
  std::string path;
  File file;
};

// The most numbered names tried before a table gives up.
constexpr int kMaxTableNumber = 1000;

struct TableFiles {
  explicit TableFiles(FileSystem& system) : fileSystem(system) {}
  TableFiles(const TableFiles&) = delete;
  TableFiles& operator=(const TableFiles&) = delete;

  FileSystem& fileSystem;
  std::string folder;           // "" when the run writes no tables
  std::deque<TableFile> files;  // in creation order; a deque keeps references valid
};

// Creates the table `stem` + ".csv" in the folder and opens it.
TableFile& CreateTableFile(TableFiles& tables, std::string_view stem);
// Appends text; a failed write is fatal and names the file.
void WriteTable(TableFile& table, std::string_view text);
// Closes every table; the files stay.
void CloseTableFiles(TableFiles& tables);
// Closes and deletes every table (a stop, or a failure: nothing is reported).
void DeleteTableFiles(TableFiles& tables);

}  // namespace yl::run
