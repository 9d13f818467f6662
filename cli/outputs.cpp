#include "cli/outputs.h"
#include "cli/texts.h"

#include <unistd.h>

#include <cerrno>

#include "files/same_file.h"

namespace tirel::cli {

bool output_is_an_input(Invocation& inv, const std::string& output, std::initializer_list<std::string> inputs) {
  for (const std::string& input : inputs) {
    if (!same_file(output, input)) continue;
    fail(inv, text::fill(text::kOutputIsInput, {output, input}), kExitUsage);
    return true;
  }
  return false;
}

bool StandardOutput::drain() {
  const char* p = pbase();
  while (p < pptr() && error_ == 0) {
    const ssize_t n = ::write(STDOUT_FILENO, p, static_cast<std::size_t>(pptr() - p));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) error_ = n < 0 ? errno : EIO;
    else p += n;
  }
  // After a failure the rest is dropped: the command's answer is already incomplete.
  setp(buf_.data(), buf_.data() + buf_.size());
  return error_ == 0;
}

StandardOutput::int_type StandardOutput::overflow(int_type c) {
  if (!drain()) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
  }
  return traits_type::not_eof(c);
}

int StandardOutput::sync() { return drain() ? 0 : -1; }

int StandardOutput::finish() {
  drain();
  // A descriptor the caller closed before the start is not this command's failure.
  if (::close(STDOUT_FILENO) != 0 && errno != EBADF && errno != EINTR && error_ == 0) error_ = errno;
  return error_;
}

}  // namespace tirel::cli
