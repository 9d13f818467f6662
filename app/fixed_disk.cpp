#include "app/fixed_disk.h"

#include <QtGlobal>
#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <system_error>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

namespace fs = std::filesystem;

namespace tirel {
namespace {

constexpr int kMaxDepth = 4;

const std::set<std::string, std::less<>> kNetworkTypes = {
    "nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "sshfs", "9p", "afs", "ceph", "glusterfs", "lustre",
    "gfs2", "ocfs2", "davfs", "fuse.sshfs", "fuse.rclone", "fuse.gvfsd-fuse", "fuse.s3fs", "fuse.glusterfs",
    "fuse.davfs2", "fuse.ceph", "fuse.cephfs", "virtiofs", "vboxsf", "vmhgfs", "fuse.vmhgfs-fuse", "prl_fs"};
const std::set<std::string, std::less<>> kOpticalTypes = {"iso9660", "udf"};
const std::set<std::string, std::less<>> kRamTypes = {"tmpfs", "ramfs"};
const std::set<std::string, std::less<>> kDiskTypes = {
    "ext2",  "ext3", "ext4",    "xfs",  "btrfs", "f2fs",   "jfs",     "reiserfs", "ntfs",   "ntfs3",
    "fuseblk", "vfat", "msdos", "exfat", "hfs",   "hfsplus", "nilfs2", "bcachefs", "zfs"};

std::string unescape(std::string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 3 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 1]))) {
      out += static_cast<char>(std::stoi(std::string(s.substr(i + 1, 3)), nullptr, 8));
      i += 3;
    } else {
      out += s[i];
    }
  }
  return out;
}

std::string read_line(const fs::path& p) {
  std::ifstream in(p);
  std::string line;
  std::getline(in, line);
  return line;
}

bool is_under(const std::string& path, const std::string& mount_point) {
  if (mount_point == "/") return true;
  return path == mount_point ||
         (path.size() > mount_point.size() && path.compare(0, mount_point.size(), mount_point) == 0 &&
          path[mount_point.size()] == '/');
}

std::string option_value(const std::string& options, std::string_view key) {
  std::stringstream ss(options);
  std::string item;
  while (std::getline(ss, item, ','))
    if (item.size() > key.size() && item.compare(0, key.size(), key) == 0 && item[key.size()] == '=')
      return item.substr(key.size() + 1);
  return {};
}

DriveKind classify_folder(const fs::path& folder, const DriveProbe& probe, int depth);

DriveKind classify_block(unsigned major, unsigned minor, const DriveProbe& probe, int depth) {
  if (depth > kMaxDepth) return DriveKind::unknown;
  std::error_code ec;
  const fs::path link = probe.sys_root / "dev" / "block" / (std::to_string(major) + ":" + std::to_string(minor));
  const fs::path real = fs::canonical(link, ec);
  if (ec) return DriveKind::unknown;
  // A disk on a USB bus is a removable medium whatever its removable flag says.
  if (real.string().find("/usb") != std::string::npos) return DriveKind::removable;
  const fs::path disk = fs::exists(real / "partition", ec) ? real.parent_path() : real;
  if (read_line(disk / "removable") == "1") return DriveKind::removable;
  const std::string name = disk.filename().string();
  auto starts = [&name](std::string_view prefix) { return name.rfind(prefix, 0) == 0; };
  if (starts("zram") || starts("ram")) return DriveKind::ram;
  if (starts("sr")) return DriveKind::optical;
  if (starts("nbd")) return DriveKind::network;
  if (starts("mmcblk")) return read_line(disk / "device" / "type") == "SD" ? DriveKind::removable : DriveKind::fixed;
  if (starts("loop")) {
    const std::string backing = read_line(disk / "loop" / "backing_file");
    if (backing.empty()) return DriveKind::unknown;
    return classify_folder(fs::path(backing).parent_path(), probe, depth + 1);
  }
  if (starts("dm-") || starts("md")) {
    // Mapped and RAID devices are as fixed as the disks under them.
    DriveKind kind = DriveKind::unknown;
    for (const auto& slave : fs::directory_iterator(disk / "slaves", ec)) {
      unsigned a = 0, b = 0;
      char colon = 0;
      std::istringstream dev(read_line(slave.path() / "dev"));
      if (!(dev >> a >> colon >> b) || colon != ':') return DriveKind::unknown;
      kind = classify_block(a, b, probe, depth + 1);
      if (kind != DriveKind::fixed) return kind;
    }
    return kind;
  }
  return DriveKind::fixed;
}

DriveKind classify_mount(const MountEntry& m, const DriveProbe& probe, int depth) {
  const std::string& type = m.fs_type;
  if (kNetworkTypes.count(type)) return DriveKind::network;
  if (kOpticalTypes.count(type)) return DriveKind::optical;
  if (kRamTypes.count(type)) return DriveKind::ram;
  if (type == "overlay") {
    // The writable layer decides. Inside a container that layer lives in the engine's store
    // on the host's disk and is not visible here; a container's root is not a removable medium.
    std::string layer = option_value(m.super_options, "upperdir");
    if (layer.empty()) {
      layer = option_value(m.super_options, "lowerdir");
      layer = layer.substr(0, layer.find(':'));
    }
    std::error_code ec;
    if (layer.empty() || !fs::exists(layer, ec)) return DriveKind::fixed;
    return classify_folder(layer, probe, depth + 1);
  }
  if (!kDiskTypes.count(type)) return DriveKind::unknown;
  if (type == "zfs") return DriveKind::fixed;  // a pool has no single device; its disks are local
  unsigned major = m.major, minor = m.minor;
  if (m.source.rfind("/dev/", 0) == 0 && probe.device_of) probe.device_of(m.source, major, minor, true);
  if (major == 0) return DriveKind::unknown;
  return classify_block(major, minor, probe, depth);
}

DriveKind classify_folder(const fs::path& folder, const DriveProbe& probe, int depth) {
  if (depth > kMaxDepth) return DriveKind::unknown;
  std::error_code ec;
  const fs::path where = fs::weakly_canonical(fs::absolute(folder, ec), ec);
  if (ec) return DriveKind::unknown;
  const std::string path = where.string();
  unsigned major = 0, minor = 0;
  const bool have_dev = probe.device_of && probe.device_of(where, major, minor, false);
  const MountEntry* best = nullptr;
  // The deepest mount that holds the folder; with bind mounts several share one device.
  for (bool match_dev : {true, false}) {
    if (match_dev && !have_dev) continue;
    for (const MountEntry& m : probe.mounts) {
      if (match_dev && (m.major != major || m.minor != minor)) continue;
      if (!is_under(path, m.mount_point)) continue;
      if (!best || m.mount_point.size() > best->mount_point.size()) best = &m;
    }
    if (best) break;
  }
  if (!best) return DriveKind::unknown;
  return classify_mount(*best, probe, depth);
}

}  // namespace

std::vector<MountEntry> parse_mountinfo(std::string_view text) {
  std::vector<MountEntry> out;
  std::istringstream in{std::string(text)};
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream f(line);
    std::string id, parent, dev, root, point, options, field;
    if (!(f >> id >> parent >> dev >> root >> point >> options)) continue;
    while (f >> field && field != "-") {
    }
    MountEntry m;
    if (!(f >> m.fs_type >> m.source)) continue;
    f >> m.super_options;
    const auto colon = dev.find(':');
    if (colon == std::string::npos) continue;
    m.major = static_cast<unsigned>(std::stoul(dev.substr(0, colon)));
    m.minor = static_cast<unsigned>(std::stoul(dev.substr(colon + 1)));
    m.mount_point = unescape(point);
    m.source = unescape(m.source);
    out.push_back(std::move(m));
  }
  return out;
}

DriveKind classify_with(const fs::path& folder, const DriveProbe& probe) { return classify_folder(folder, probe, 0); }

DriveKind classify_drive(const fs::path& folder) {
#ifdef Q_OS_WIN
  const std::wstring root = folder.root_path().wstring();
  switch (GetDriveTypeW(root.empty() ? nullptr : root.c_str())) {
    case DRIVE_FIXED: return DriveKind::fixed;
    case DRIVE_REMOVABLE: return DriveKind::removable;
    case DRIVE_REMOTE: return DriveKind::network;
    case DRIVE_CDROM: return DriveKind::optical;
    case DRIVE_RAMDISK: return DriveKind::ram;
    default: return DriveKind::unknown;
  }
#else
  std::ifstream in("/proc/self/mountinfo");
  if (!in) return DriveKind::unknown;
  std::stringstream text;
  text << in.rdbuf();
  DriveProbe probe;
  probe.mounts = parse_mountinfo(text.str());
  probe.device_of = [](const fs::path& p, unsigned& major, unsigned& minor, bool want_rdev) {
    struct stat st {};
    if (::stat(p.c_str(), &st) != 0) return false;
    const dev_t d = want_rdev ? st.st_rdev : st.st_dev;
    major = ::major(d);
    minor = ::minor(d);
    return true;
  };
  return classify_with(folder, probe);
#endif
}

}  // namespace tirel
