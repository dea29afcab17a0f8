// The two input lists of a compile run.
#include "run/input_files.h"

#include "run/file_layer.h"

namespace yl::run {

InputFileRecord MakeInputFileRecord(const std::string& path) {
  return InputFileRecord{path, NameWithoutExtension(path)};
}

}  // namespace yl::run
