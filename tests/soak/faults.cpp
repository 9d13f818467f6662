#include "faults.h"

namespace tirel::soak {

const std::vector<Fault>& faults() {
  using R = ExchangeResult;
  // A read does not look at the model, nor at how a write would end; only a write refuses a
  // radio of another model or band.
  static const std::vector<Fault> all = {
      {"none", "", R::ok, R::ok},
      {"silent", "silent", R::no_answer, R::no_answer},
      {"one-byte", "one-byte", R::no_answer, R::no_answer},
      {"stop-after", "stop-after=%n", R::timed_out, R::timed_out},
      {"wrong-model", "wrong-model", R::ok, R::unsupported_model},
      {"wrong-band", "wrong-band", R::ok, R::wrong_band},
      {"lowercase-ok", "lowercase-ok", R::ok, R::not_confirmed},
      {"byte-per-record", "byte-per-record", R::ok, R::not_confirmed},
      {"vanish", "vanish=%n", R::cable_lost, R::cable_lost},
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
