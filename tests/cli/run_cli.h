#pragma once
// Runs the real tirel12-cli in a child process and collects its exit code, output and errors.
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "../files/temp_dir.h"

namespace tirel::test {

struct CliRun {
  int exit_code;
  std::string out;
  std::string err;
};

// `in_child` runs after the child's output and errors are redirected, just before the program
// starts: to point its output elsewhere, limit its file sizes or change its environment.
inline CliRun run_cli(const TempDir& dir, std::vector<std::string> args, const char* lang = "C.UTF-8",
                      const std::function<void()>& in_child = {}) {
  const auto out_path = dir.path().parent_path() / (dir.path().filename().string() + ".out");
  const auto err_path = dir.path().parent_path() / (dir.path().filename().string() + ".err");
  const pid_t pid = ::fork();
  if (pid == 0) {
    std::vector<char*> argv{const_cast<char*>(TIREL12_CLI)};
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::freopen(out_path.c_str(), "w", stdout);
    ::freopen(err_path.c_str(), "w", stderr);
    ::setenv("LC_ALL", lang, 1);
    if (in_child) in_child();
    ::execv(TIREL12_CLI, argv.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  CliRun r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, read_bytes(out_path), read_bytes(err_path)};
  std::filesystem::remove(out_path);
  std::filesystem::remove(err_path);
  return r;
}

}  // namespace tirel::test
