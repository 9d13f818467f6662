// Which working folders count as a fixed disk, on mount tables and device trees made up here.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <map>

#include "app/fixed_disk.h"

namespace fs = std::filesystem;

namespace tirel {
namespace {

// A made-up /sys with block devices, and a mount table that points into it.
class DriveTree : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(tmp.isValid()); sys = fs::path(tmp.path().toStdString()) / "sys"; }

  // A disk under `bus` as major:minor and, with part > 0, its partition as major:minor+part,
  // both linked from /sys/dev/block.
  void add_disk(const std::string& bus, const std::string& name, unsigned major, unsigned minor, bool removable,
                int part = 0) {
    const fs::path disk = sys / "devices" / bus / "block" / name;
    fs::create_directories(disk);
    std::ofstream(disk / "removable") << (removable ? "1\n" : "0\n");
    fs::create_directories(sys / "dev" / "block");
    fs::create_symlink(disk, sys / "dev" / "block" / (std::to_string(major) + ":" + std::to_string(minor)));
    if (part > 0) {
      const fs::path node = disk / (name + std::to_string(part));
      fs::create_directories(node);
      std::ofstream(node / "partition") << part << "\n";
      fs::create_symlink(node, sys / "dev" / "block" / (std::to_string(major) + ":" + std::to_string(minor + part)));
    }
  }

  DriveKind classify(const std::string& folder, const std::string& mountinfo) {
    DriveProbe probe;
    probe.mounts = parse_mountinfo(mountinfo);
    probe.sys_root = sys;
    probe.device_of = [this](const fs::path& p, unsigned& major, unsigned& minor, bool want_rdev) {
      const auto& table = want_rdev ? dev_nodes : folder_devs;
      auto it = table.find(p.string());
      if (it == table.end()) return false;
      major = it->second.first;
      minor = it->second.second;
      return true;
    };
    return classify_with(folder, probe);
  }

  QTemporaryDir tmp;
  fs::path sys;
  std::map<std::string, std::pair<unsigned, unsigned>> dev_nodes;    // /dev/... -> rdev
  std::map<std::string, std::pair<unsigned, unsigned>> folder_devs;  // folder -> st_dev
};

std::string line(const std::string& dev, const std::string& point, const std::string& type, const std::string& source,
                 const std::string& super = "rw") {
  return "30 1 " + dev + " / " + point + " rw,relatime shared:1 - " + type + " " + source + " " + super + "\n";
}

TEST_F(DriveTree, LocalDisksAreFixedAndRemovableOrUsbDisksAreNot) {
  add_disk("pci0000:00/0000:00:02.0/virtio1", "vda", 254, 0, false);
  add_disk("pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0", "sda", 8, 0, false, 1);
  add_disk("pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0", "sdb", 8, 16, false, 1);
  add_disk("platform/floppy.0", "sdc", 8, 32, true, 1);
  const std::string table = line("254:0", "/", "ext4", "/dev/vda") + line("8:1", "/home", "xfs", "/dev/sda1") +
                            line("8:17", "/media/stick", "vfat", "/dev/sdb1") +
                            line("8:33", "/media/card", "exfat", "/dev/sdc1");
  EXPECT_EQ(classify("/work/wt", table), DriveKind::fixed);
  EXPECT_EQ(classify("/home/user/radio", table), DriveKind::fixed);
  EXPECT_EQ(classify("/media/stick/tirel", table), DriveKind::removable);
  EXPECT_EQ(classify("/media/card", table), DriveKind::removable);
  EXPECT_EQ(classify("/homework", table), DriveKind::fixed);  // on /, not on /home
}

TEST_F(DriveTree, NetworkOpticalAndRamFoldersAreNotFixed) {
  add_disk("pci0000:00/virtio1", "vda", 254, 0, false);
  const std::string table = line("254:0", "/", "ext4", "/dev/vda") +
                            line("0:50", "/mnt/share", "cifs", "//server/share") +
                            line("0:51", "/mnt/nfs", "nfs4", "server:/export") +
                            line("0:52", "/mnt/ssh", "fuse.sshfs", "user@host:") +
                            line("11:0", "/media/cdrom", "iso9660", "/dev/sr0") +
                            line("11:0", "/media/dvd", "udf", "/dev/sr0") + line("0:53", "/dev/shm", "tmpfs", "tmpfs") +
                            line("0:54", "/mnt/ram", "ramfs", "none") + line("0:55", "/mnt/9p", "9p", "host0");
  EXPECT_EQ(classify("/mnt/share/radio", table), DriveKind::network);
  EXPECT_EQ(classify("/mnt/nfs", table), DriveKind::network);
  EXPECT_EQ(classify("/mnt/ssh/x", table), DriveKind::network);
  EXPECT_EQ(classify("/mnt/9p", table), DriveKind::network);
  EXPECT_EQ(classify("/media/cdrom", table), DriveKind::optical);
  EXPECT_EQ(classify("/media/dvd/a", table), DriveKind::optical);
  EXPECT_EQ(classify("/dev/shm/x", table), DriveKind::ram);
  EXPECT_EQ(classify("/mnt/ram", table), DriveKind::ram);
}

TEST_F(DriveTree, WhatCannotBeIdentifiedIsNotFixed) {
  const std::string table = line("0:60", "/", "ext4", "/dev/vdz") + line("0:61", "/mnt/odd", "fuse.foo", "foo") +
                            line("0:62", "/mnt/weird", "mysteryfs", "x");
  EXPECT_EQ(classify("/anything", table), DriveKind::unknown);  // no device known for the disk
  EXPECT_EQ(classify("/mnt/odd", table), DriveKind::unknown);
  EXPECT_EQ(classify("/mnt/weird", table), DriveKind::unknown);
  EXPECT_EQ(classify("/x", ""), DriveKind::unknown);
}

TEST_F(DriveTree, OverlayFollowsItsWritableLayer) {
  add_disk("pci0000:00/virtio1", "vda", 254, 0, false);
  const fs::path upper = fs::path(tmp.path().toStdString()) / "upper";
  fs::create_directories(upper);
  const std::string base = line("254:0", "/", "ext4", "/dev/vda") + line("0:70", upper.string(), "tmpfs", "tmpfs");
  // Layer on the RAM disk: not fixed. Layer not visible here (a container's root): fixed.
  EXPECT_EQ(classify("/work", base + line("0:80", "/work", "overlay", "overlay",
                                          "rw,lowerdir=/l1:/l2,upperdir=" + upper.string() + ",workdir=/w")),
            DriveKind::ram);
  EXPECT_EQ(classify("/work", base + line("0:80", "/work", "overlay", "overlay",
                                          "rw,lowerdir=/var/lib/docker/l,upperdir=/var/lib/docker/gone/diff")),
            DriveKind::fixed);
}

TEST_F(DriveTree, DeviceNumberFromTheSourceNodeAndStackedDevices) {
  add_disk("pci0000:00/0000:00:1d.0/nvme/nvme0", "nvme0n1", 259, 0, false, 2);
  add_disk("pci0000:00/0000:00:14.0/usb1/1-2/host7", "sdd", 8, 48, false);
  // A btrfs mount reports an anonymous device; the node named as its source tells the disk.
  dev_nodes["/dev/nvme0n1p2"] = {259, 2};
  EXPECT_EQ(classify("/data", line("0:33", "/data", "btrfs", "/dev/nvme0n1p2")), DriveKind::fixed);
  // A mapped device is as fixed as the disks under it.
  const fs::path dm = sys / "devices" / "virtual" / "block" / "dm-0";
  fs::create_directories(dm / "slaves" / "sdd");
  std::ofstream(dm / "removable") << "0\n";
  std::ofstream(dm / "slaves" / "sdd" / "dev") << "8:48\n";
  fs::create_symlink(dm, sys / "dev" / "block" / "253:0");
  EXPECT_EQ(classify("/secret", line("253:0", "/secret", "ext4", "/dev/mapper/crypt")), DriveKind::removable);
}

TEST_F(DriveTree, MountPointsWithBlanksAreUnderstood) {
  add_disk("platform/usb3/3-1", "sde", 8, 64, false, 1);
  const auto mounts = parse_mountinfo(line("8:65", "/media/My\\040Stick", "vfat", "/dev/sde1"));
  ASSERT_EQ(mounts.size(), 1u);
  EXPECT_EQ(mounts[0].mount_point, "/media/My Stick");
  EXPECT_EQ(mounts[0].major, 8u);
  EXPECT_EQ(mounts[0].minor, 65u);
  EXPECT_EQ(mounts[0].fs_type, "vfat");
  EXPECT_EQ(classify("/media/My Stick/t12", line("8:65", "/media/My\\040Stick", "vfat", "/dev/sde1")),
            DriveKind::removable);
}

// The program must start in the developers' own folders and on the build machines.
TEST(ThisMachine, BuildFolderIsOnAFixedDisk) {
  EXPECT_EQ(classify_drive(QDir::currentPath().toStdString()), DriveKind::fixed);
  EXPECT_EQ(classify_drive(TIREL12_PROGRAM), DriveKind::fixed);
}

}  // namespace
}  // namespace tirel
