#include "faults.h"

namespace tirel::soak {

const std::vector<Fault>& faults() {
  using namespace msg;
  // A read does not look at the model, nor at how a write would end; only a write refuses a
  // radio of another model or band.
  static const std::vector<Fault> all = {
      {"none", "", &kReadDone, &kWriteDone},
      {"silent", "silent", &kReadFailed, &kWriteFailed},
      {"one-byte", "one-byte", &kReadFailed, &kWriteFailed},
      {"stop-after", "stop-after=%n", &kReadFailed, &kWriteFailed},
      {"wrong-model", "wrong-model", &kReadDone, &kUnsupportedModel},
      {"wrong-band", "wrong-band", &kReadDone, &kWrongBand},
      {"lowercase-ok", "lowercase-ok", &kReadDone, &kWriteFailed},
      {"byte-per-record", "byte-per-record", &kReadDone, &kWriteFailed},
      {"vanish", "vanish=%n", &kReadFailed, &kWriteFailed},
  };
  return all;
}

QStringList sim_arguments(const Fault& f, std::mt19937& rng) {
  QString fault = QString::fromLatin1(f.sim_fault);
  if (fault.isEmpty()) return {};
  // Fewer bytes than the 672 a write sends and the 684 a read receives.
  std::uniform_int_distribution<int> count(0, 600);
  fault.replace(QStringLiteral("%n"), QString::number(count(rng)));
  return {QStringLiteral("--fault"), fault};
}

}  // namespace tirel::soak
