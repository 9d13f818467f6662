#pragma once
// What this process holds: its resident memory and its open files, as the kernel tells it.
#include <QString>

namespace tirel::soak {

long resident_kb();           // VmRSS
int open_files();             // entries of /proc/self/fd
bool holds_open(const QString& device);  // some descriptor of ours leads to `device`

}  // namespace tirel::soak
