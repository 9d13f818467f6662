#pragma once
// Whether a folder lies on a fixed disk. The program refuses to run from a removable medium,
// a network share, a CD or a RAM disk, and from anything it cannot identify.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tirel {

enum class DriveKind { fixed, removable, network, optical, ram, unknown };

using DriveClassifier = std::function<DriveKind(const std::filesystem::path&)>;

// The system's answer for the folder.
DriveKind classify_drive(const std::filesystem::path& folder);

// One line of /proc/self/mountinfo, as far as the test needs it.
struct MountEntry {
  unsigned major = 0, minor = 0;
  std::string mount_point;
  std::string fs_type;
  std::string source;
  std::string super_options;
};

std::vector<MountEntry> parse_mountinfo(std::string_view text);

// The classification behind classify_drive on Linux, with the mount table and the sysfs
// root given, so the rules can be checked on any machine.
struct DriveProbe {
  std::vector<MountEntry> mounts;
  std::filesystem::path sys_root = "/sys";
  // The device number of a /dev node or a folder, as stat() reports it; tests replace it.
  std::function<bool(const std::filesystem::path&, unsigned& major, unsigned& minor, bool want_rdev)> device_of;
};
DriveKind classify_with(const std::filesystem::path& folder, const DriveProbe& probe);

}  // namespace tirel
