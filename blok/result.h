#pragma once
// What an operation of the core ends with: done, or not done with the cause in words the user
// reads ("Файл не найден: /home/user/Save/a.t12"). The window shows the error; the command-line
// tool prints it.
#include <string>
#include <utility>

namespace tirel {

struct Result {
  // A result nobody filled in is a failure. An empty `return {};` does not compile, so that no
  // caller can mean success by it: say Result::done() or give the cause.
  explicit Result() = default;
  Result(bool ok, std::string error) : ok(ok), error(std::move(error)) {}

  static Result done() { return {true, {}}; }

  bool ok = false;
  std::string error;  // in Russian, naming the cause, when not ok
};

}  // namespace tirel
