#pragma once
// The commands of tirel12-cli, one file each (cmd_<name>.cpp); the table is in main.cpp.
#include "cli/command.h"

namespace tirel::cli {

int cmd_new(Invocation& inv);
int cmd_params(Invocation& inv);
int cmd_print(Invocation& inv);
int cmd_show(Invocation& inv);
int cmd_export_csv(Invocation& inv);
int cmd_import_csv(Invocation& inv);
int cmd_diff(Invocation& inv);
int cmd_read(Invocation& inv);
int cmd_write(Invocation& inv);
int cmd_verify(Invocation& inv);

}  // namespace tirel::cli
