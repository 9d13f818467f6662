#pragma once
// Whether two names lead to one file, so a command never writes its output over its own input.
#include <filesystem>

namespace tirel {

// True when both names exist and are the same file (the same device and inode): another
// spelling of the path, a symbolic link or a hard link all count.
bool same_file(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace tirel
