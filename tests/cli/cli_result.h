#pragma once
// Runs a shell command with its output caught in files of a test's folder.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tirel::test {

struct CliResult {
  int status;  // the exit code; -1 when the command did not exit normally
  std::string out;
  std::string err;
};

inline std::string slurp(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// `command` must quote what needs quoting; stdout and stderr land in `dir`.
inline CliResult run_shell(const std::string& command, const std::filesystem::path& dir) {
  const std::string cmd = command + " >'" + (dir / "stdout").string() + "' 2>'" + (dir / "stderr").string() + "'";
  const int raw = std::system(cmd.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(dir / "stdout"), slurp(dir / "stderr")};
}

}  // namespace tirel::test
