#include "files/param_file.h"

#include <algorithm>
#include <string>

#include "files/atomic_write.h"
#include "files/io_error.h"
#include "files/texts.h"

namespace tirel {

FileResult load_param_file(const std::filesystem::path& path, Blok& out) {
  std::string bytes;
  if (FileResult r = read_file_prefix(path, kBlokSize, bytes); !r.ok) return r;
  if (bytes.size() < static_cast<std::size_t>(kBlokSize))
    return io_failure(files_text::file_too_short_text(kBlokSize, bytes.size()), path);
  std::copy(bytes.begin(), bytes.end(), out.begin());
  return Result::done();
}

FileResult save_param_file(const std::filesystem::path& path, const Blok& b) {
  return write_file_atomically(path, std::string_view(reinterpret_cast<const char*>(b.data()), b.size()));
}

}  // namespace tirel
