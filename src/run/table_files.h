// The machine-readable tables of a run (players.csv, ...): files of their
// own in a folder the user names, kept to the report files' rules: written
// aside and published when the run ends under a name nobody has (NAME.csv,
// else NAME-1.csv, ...), deleted by a stop or a failure.
#pragma once

#include <deque>
#include <string>
#include <string_view>

#include "run/file_layer.h"
#include "run/staged_file.h"

namespace yl::run {

struct TableFile {
  std::string path;  // the name it is meant to have; once published, the name it got
  StagedFile staged;
  bool published = false;
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

// Begins the table `stem` + ".csv" in the folder.
TableFile& CreateTableFile(TableFiles& tables, std::string_view stem);
// Appends text; a failed write is fatal and names the file.
void WriteTable(TableFile& table, std::string_view text);
// Publishes every table.
void CloseTableFiles(TableFiles& tables);
// Closes and deletes every table (a stop, or a failure: nothing is reported).
void DeleteTableFiles(TableFiles& tables);

}  // namespace yl::run
