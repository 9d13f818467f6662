#pragma once
// Answers the setup window without a screen: a fixed choice, or Cancel.
#include <optional>

#include "print/print_setup.h"

namespace tirel::test {

class FixedSetup final : public print::PrintSetup {
 public:
  std::optional<print::PrintChoice> answer;  // nothing = Cancel
  int asked = 0;
  print::SetupRequest last_request;

  static print::PrintChoice pdf(const QString& path) {
    print::PrintChoice c;
    c.destination = print::Destination::pdf_file;
    c.pdf_path = path;
    return c;
  }

  std::optional<print::PrintChoice> ask(QWidget*, const print::SetupRequest& request) override {
    ++asked;
    last_request = request;
    return answer;
  }
};

}  // namespace tirel::test
