// tirel12-sim: a simulated radio on a pseudo-terminal. The first line on stdout is the
// terminal the program should open; --link PATH also makes PATH point at it.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fstream>
#include <iostream>
#include <string>

#include "blok/default_blok.h"
#include "sim/radio.h"

namespace {

using Clock = std::chrono::steady_clock;
// 10 bits per byte on the line at 9600 bit/s.
constexpr auto kByteTime = std::chrono::nanoseconds(1'000'000'000LL * 10 / 9600);
constexpr auto kGiveUp = std::chrono::milliseconds(2000);

volatile sig_atomic_t g_stop = 0;
void on_signal(int) { g_stop = 1; }

const char* const kUsage =
    "usage: tirel12-sim [--link PATH] [--memory FILE.t12 | --default-band N] [--band CODE] [--model CODE]\n"
    "                   [--fault silent|one-byte|stop-after=N|wrong-model|wrong-band|lowercase-ok|\n"
    "                            byte-per-record|vanish=N] [--save FILE] [--log FILE]\n"
    "                   [--corrupt-record R]   (a write stores record R with its first data byte changed)\n";

// The whole text as a number from `low` to `high`; anything else is a usage error naming `what`.
int number(const std::string& what, const std::string& text, int low, int high) {
  int value = 0;
  const bool digits = !text.empty() && text.size() <= 9 &&
                      text.find_first_not_of("0123456789") == std::string::npos;
  if (digits) value = std::stoi(text);
  if (!digits || value < low || value > high)
    throw std::invalid_argument(what + " takes a number from " + std::to_string(low) + " to " +
                                std::to_string(high) + ", not \"" + text + "\"");
  return value;
}

bool parse_fault(const std::string& f, sim::Options& o, bool& wrong_band) {
  auto count = [&](const char* prefix) -> bool {
    const std::size_t n = std::strlen(prefix);
    if (f.compare(0, n, prefix) != 0) return false;
    o.fault_count = number(std::string("--fault ") + prefix + "N", f.substr(n), 0, 1000000);
    return true;
  };
  if (f == "silent") o.fault = sim::Fault::silent;
  else if (f == "one-byte") o.fault = sim::Fault::one_byte;
  else if (count("stop-after=")) o.fault = sim::Fault::stop_after;
  else if (count("vanish=")) o.fault = sim::Fault::vanish;
  else if (f == "wrong-model") o.model_code = 3;
  else if (f == "wrong-band") wrong_band = true;
  else if (f == "lowercase-ok") o.fault = sim::Fault::lowercase_ok;
  else if (f == "byte-per-record") o.fault = sim::Fault::byte_per_record;
  else return false;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string link, memory_file, save_file, log_file;
  int default_band = 1;
  sim::Options opt;
  bool wrong_band = false;
  try {
    for (int i = 1; i < argc; ++i) {
      const std::string a = argv[i];
      auto next = [&]() -> std::string {
        if (i + 1 >= argc) throw std::invalid_argument(a + " needs a value");
        return argv[++i];
      };
      if (a == "--help" || a == "-h") {
        std::cout << kUsage;
        return 0;
      } else if (a == "--link") link = next();
      else if (a == "--memory") memory_file = next();
      else if (a == "--default-band") default_band = number(a, next(), 0, 5);
      else if (a == "--band") opt.band_code = number(a, next(), 0, 255);
      else if (a == "--model") opt.model_code = number(a, next(), 0, 255);
      else if (a == "--save") save_file = next();
      else if (a == "--log") log_file = next();
      else if (a == "--corrupt-record") opt.corrupt_record = number(a, next(), 1, 128);
      else if (a == "--fault") {
        const std::string f = next();
        if (!parse_fault(f, opt, wrong_band)) throw std::invalid_argument("unknown fault " + f);
      } else throw std::invalid_argument("unknown option " + a);
    }
  } catch (const std::exception& e) {
    std::cerr << "tirel12-sim: " << e.what() << "\n" << kUsage;
    return 2;
  }

  tirel::Blok memory = tirel::new_blok(default_band);
  if (!memory_file.empty()) {
    std::ifstream in(memory_file, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(memory.data()), memory.size())) {
      std::cerr << "tirel12-sim: cannot read 1536 bytes from " << memory_file << "\n";
      return 2;
    }
  }
  memory = sim::to_radio_image(memory);
  if (wrong_band) opt.band_code = (memory[tirel::data_offset(124, 0)] + 1) % 6;

  int master = -1, slave = -1;
  char name[256] = {};
  if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
    std::perror("tirel12-sim: openpty");
    return 1;
  }
  // Raw both ways, applied at once: the default would flush and eat the first bytes. The
  // slave stays open here so the line does not hang up between the program's opens.
  termios t{};
  tcgetattr(slave, &t);
  cfmakeraw(&t);
  tcsetattr(slave, TCSANOW, &t);
  fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);

  if (!link.empty()) {
    unlink(link.c_str());
    if (symlink(name, link.c_str()) != 0) {
      std::perror("tirel12-sim: symlink");
      return 1;
    }
  }
  std::printf("%s\n", name);
  std::fflush(stdout);

  signal(SIGTERM, on_signal);
  signal(SIGINT, on_signal);
  signal(SIGPIPE, SIG_IGN);

  const auto start = Clock::now();
  std::ofstream log;
  if (!log_file.empty()) log.open(log_file, std::ios::trunc);
  auto stamp = [&] {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f",
                  std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    return std::string(buf);
  };

  struct Out {
    std::uint8_t byte;
    bool data;
    Clock::time_point due;
  };
  std::deque<Out> out;
  Clock::time_point line_free = start;
  bool gone = false;

  sim::Radio radio(memory, opt);
  radio.send = [&](std::uint8_t b, bool data) {
    // A reply starts a little after the request, then goes at the line's pace.
    const auto due = std::max(Clock::now() + std::chrono::milliseconds(1), line_free);
    line_free = due + kByteTime;
    out.push_back({b, data, due});
  };
  radio.log = [&](const std::string& s) {
    if (log.is_open()) log << stamp() << ' ' << s << std::endl;
  };
  radio.vanish = [&] { gone = true; };
  radio.write_finished = [&] {
    if (save_file.empty()) return;
    std::ofstream f(save_file, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(radio.memory().data()), radio.memory().size());
  };

  auto last_input = Clock::now();
  while (!g_stop && !gone) {
    auto now = Clock::now();
    while (!out.empty() && out.front().due <= now && !gone) {
      const Out o = out.front();
      if (write(master, &o.byte, 1) != 1) break;
      out.pop_front();
      if (o.data) radio.on_data_sent();
    }
    if (gone) break;
    if (out.empty()) line_free = std::max(line_free, now);

    timespec wait{0, 100'000'000};
    if (!out.empty()) {
      const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(out.front().due - Clock::now()).count();
      wait = {0, std::max<long>(0, static_cast<long>(ns))};
    }
    pollfd p{master, POLLIN, 0};
    const int r = ppoll(&p, 1, &wait, nullptr);
    if (r > 0 && (p.revents & POLLIN)) {
      std::uint8_t buf[256];
      const ssize_t n = read(master, buf, sizeof buf);
      for (ssize_t i = 0; i < n && !gone; ++i) radio.on_byte(buf[i]);
      if (n > 0) last_input = Clock::now();
    }
    if (Clock::now() - last_input > kGiveUp) {
      radio.on_idle();
      last_input = Clock::now();
    }
  }
  if (gone) radio.log("line closed");
  close(master);
  close(slave);
  if (!link.empty()) unlink(link.c_str());
  return 0;
}
