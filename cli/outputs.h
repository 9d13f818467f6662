#pragma once
// What the commands write: their standard output, which must not fail unnoticed, and files,
// which must never be one of the command's own inputs.
#include <array>
#include <initializer_list>
#include <streambuf>
#include <string>

#include "cli/command.h"

namespace tirel::cli {

// True, after telling why on the error stream, when `output` is the same file as one of `inputs`
// (another spelling, a symbolic or a hard link): writing it would destroy that input.
bool output_is_an_input(Invocation& inv, const std::string& output, std::initializer_list<std::string> inputs);

// The standard output of the commands, written to descriptor 1 through a buffer that keeps the
// cause of the first failure, so a full disk or a closed pipe is not lost in a stream's flags.
class StandardOutput final : public std::streambuf {
 public:
  StandardOutput() { setp(buf_.data(), buf_.data() + buf_.size()); }
  // Writes what is left and closes the descriptor: 0, or the errno of the first failure.
  int finish();

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool drain();
  std::array<char, 4096> buf_{};
  int error_ = 0;
};

}  // namespace tirel::cli
