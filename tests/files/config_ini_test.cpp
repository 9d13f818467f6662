#include "files/config_ini.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace tirel {
namespace {

using test::entries_in;
using test::read_bytes;
using test::TempDir;
using test::write_bytes;

// The names as Windows-1251 bytes: section Общие, keys СОМ/USB, СОМ-порт, Х, У (Cyrillic С, О, М).
const std::string kSection = "[\xCE\xE1\xF9\xE8\xE5]";
const std::string kMode = "\xD1\xCE\xCC/USB";
const std::string kPort = "\xD1\xCE\xCC-\xEF\xEE\xF0\xF2";
const std::string kX = "\xD5";
const std::string kY = "\xD3";

const std::string kCreated = kSection + "\r\n" + kMode + "=1\r\n" + kPort + "=0\r\n" + kX + "=10\r\n" + kY + "=10\r\n";

Config values(int mode, int port, int x, int y) {
  Config c;
  c.programmer_mode = mode;
  c.port_index = port;
  c.x = x;
  c.y = y;
  return c;
}

void expect_config(const Config& c, int mode, int port, int x, int y) {
  EXPECT_EQ(c.programmer_mode, mode);
  EXPECT_EQ(c.port_index, port);
  EXPECT_EQ(c.x, x);
  EXPECT_EQ(c.y, y);
}

TEST(ConfigIni, FirstStartCreatesTheFileWithTheDefaults) {
  TempDir dir;
  Config c;
  ASSERT_TRUE(read_or_create_config(dir / "config.ini", c).ok);
  EXPECT_EQ(read_bytes(dir / "config.ini"), kCreated);
  expect_config(c, 1, 0, 10, 10);
}

TEST(ConfigIni, ValuesSurviveARestart) {
  TempDir dir;
  Config c;
  ASSERT_TRUE(read_or_create_config(dir / "config.ini", c).ok);
  ASSERT_TRUE(write_config(dir / "config.ini", values(0, 2, -5, 300)).ok);
  Config next;
  ASSERT_TRUE(read_or_create_config(dir / "config.ini", next).ok);
  expect_config(next, 0, 2, -5, 300);
  EXPECT_EQ(entries_in(dir.path()), 1);
}

TEST(ConfigIni, UserLinesAndOtherSectionsSurviveByteForByte) {
  const std::string user = "; written by hand\r\n"
                           "[Ports]\r\nCOM3=/dev/ttyUSB0\r\n\r\n" +
                           kSection + "\r\n" +
                           "  " + kMode + " = 1  \r\n"
                           "; the port\r\n" +
                           kPort + "=4\r\n"
                           "Extra=\xE7\xED\xE0\xF7\xE5\xED\xE8\xE5\r\n" +
                           kX + "=10\r\n" + kY + "=10\r\n"
                           "\r\n[Other]\n" + kX + "=77\n";
  const std::string expected = "; written by hand\r\n"
                               "[Ports]\r\nCOM3=/dev/ttyUSB0\r\n\r\n" +
                               kSection + "\r\n" +
                               "  " + kMode + " = 0  \r\n"
                               "; the port\r\n" +
                               kPort + "=2\r\n"
                               "Extra=\xE7\xED\xE0\xF7\xE5\xED\xE8\xE5\r\n" +
                               kX + "=-5\r\n" + kY + "=123\r\n"
                               "\r\n[Other]\n" + kX + "=77\n";
  EXPECT_EQ(render_config(user, values(0, 2, -5, 123)), expected);
  expect_config(parse_config(user, Config{}), 1, 4, 10, 10);
}

TEST(ConfigIni, LatinLookAlikeKeysAreOtherKeys) {
  // "COM/USB", "COM-порт", "X" and "Y" spelled with Latin letters.
  const std::string latin = kSection + "\r\nCOM/USB=0\r\nCOM-\xEF\xEE\xF0\xF2=5\r\nX=50\r\nY=60\r\n";
  expect_config(parse_config(latin, Config{}), 1, 0, 10, 10);

  const std::string written = render_config(latin, values(0, 3, 1, 2));
  EXPECT_EQ(written, latin + kMode + "=0\r\n" + kPort + "=3\r\n" + kX + "=1\r\n" + kY + "=2\r\n")
      << "the Latin keys keep their values; the program's own keys are added";
}

TEST(ConfigIni, ValuesThatAreNotIntegersKeepTheDefaults) {
  const char* bad[] = {"", "abc", "12abc", "1.5", "--1", "-", "+7", "0x10", "2147483648", "-2147483649",
                       "99999999999999999999"};
  for (const char* v : bad) {
    const std::string text = kSection + "\r\n" + kX + "=" + v + "\r\n" + kY + "=7\r\n";
    const Config c = parse_config(text, values(1, 0, 42, 43));
    EXPECT_EQ(c.x, 42) << "value \"" << v << "\"";
    EXPECT_EQ(c.y, 7);
  }
  const std::string limits = kSection + "\r\n" + kX + "=  -2147483648 \r\n" + kY + "=\t2147483647\r\n";
  const Config c = parse_config(limits, Config{});
  EXPECT_EQ(c.x, -2147483647 - 1);
  EXPECT_EQ(c.y, 2147483647);
}

TEST(ConfigIni, NamesMatchWithoutRegardToCaseAndSurroundingBlanks) {
  // [общие] in lower case, key х in lower case, blanks around the names.
  const std::string text = "[ \xEE\xE1\xF9\xE8\xE5 ]\r\n \xF5 =33\r\n" + kY + "=44\r\n";
  expect_config(parse_config(text, Config{}), 1, 0, 33, 44);
  EXPECT_EQ(render_config(text, values(1, 0, 5, 6)),
            "[ \xEE\xE1\xF9\xE8\xE5 ]\r\n \xF5 =5\r\n" + kY + "=6\r\n" + kMode + "=1\r\n" + kPort + "=0\r\n");
}

TEST(ConfigIni, OnlyTheFirstOccurrenceCounts) {
  const std::string text = kSection + "\r\n" + kX + "=1\r\n" + kX + "=2\r\n[x]\r\n" + kSection + "\r\n" + kY + "=9\r\n";
  const Config c = parse_config(text, Config{});
  EXPECT_EQ(c.x, 1);
  EXPECT_EQ(c.y, 10) << "a key in a second section of the same name is not read";
}

TEST(ConfigIni, MissingKeysAreAddedBeforeTheSectionsTrailingBlankLines) {
  const std::string only_section = kSection + "\r\n";
  expect_config(parse_config(only_section, Config{}), 1, 0, 10, 10);
  EXPECT_EQ(render_config(only_section, Config{}), kCreated);

  const std::string with_gap = kSection + "\r\n" + kPort + "=1\r\n\r\n[Ports]\r\n";
  EXPECT_EQ(render_config(with_gap, values(1, 1, 10, 10)),
            kSection + "\r\n" + kPort + "=1\r\n" + kMode + "=1\r\n" + kX + "=10\r\n" + kY + "=10\r\n\r\n[Ports]\r\n");
}

TEST(ConfigIni, MissingSectionIsAppendedAtTheEnd) {
  EXPECT_EQ(render_config("[Ports]\r\nCOM1=/dev/ttyS0\r\n", Config{}), "[Ports]\r\nCOM1=/dev/ttyS0\r\n" + kCreated);
  // A last line without its line ending gets one before the new section.
  EXPECT_EQ(render_config("; note", Config{}), "; note\r\n" + kCreated);
  // A file written with bare LF keeps that style for the lines the program adds.
  EXPECT_EQ(render_config("[a]\nk=v\n", values(1, 0, 10, 10)),
            "[a]\nk=v\n" + kSection + "\n" + kMode + "=1\n" + kPort + "=0\n" + kX + "=10\n" + kY + "=10\n");
}

TEST(ConfigIni, PortsSectionNamesTheDeviceOfAPort) {
  const std::string text = kSection + "\r\n" + kPort + "=2\r\n[ports]\r\nCOM1 = /dev/ttyS0 \r\ncom3=/dev/ttyUSB0\r\nCOM4=\r\n";
  EXPECT_EQ(configured_port_device(text, 1), "/dev/ttyS0");
  EXPECT_EQ(configured_port_device(text, 3), "/dev/ttyUSB0");
  EXPECT_EQ(configured_port_device(text, 2), std::nullopt);
  EXPECT_EQ(configured_port_device(text, 4), std::nullopt) << "an empty value names no device";
  EXPECT_EQ(configured_port_device(kCreated, 1), std::nullopt);
}

TEST(ConfigIni, WriteAfterTheFileWasRemovedCreatesItAgain) {
  TempDir dir;
  ASSERT_TRUE(write_config(dir / "config.ini", Config{}).ok);
  EXPECT_EQ(read_bytes(dir / "config.ini"), kCreated);
}

TEST(ConfigIni, FailuresAreReportedAndTouchNothing) {
  TempDir dir;
  std::filesystem::create_directory(dir / "config.ini");
  Config c = values(0, 5, 1, 2);
  const FileResult read = read_or_create_config(dir / "config.ini", c);
  EXPECT_FALSE(read.ok);
  EXPECT_NE(read.error.find("config.ini"), std::string::npos) << read.error;
  expect_config(c, 0, 5, 1, 2);
  EXPECT_FALSE(write_config(dir / "config.ini", c).ok);
  EXPECT_TRUE(std::filesystem::is_directory(dir / "config.ini"));

  write_bytes(dir / "plain", "x");
  EXPECT_FALSE(read_or_create_config(dir / "plain" / "config.ini", c).ok);
  EXPECT_FALSE(write_config(dir / "plain" / "config.ini", c).ok);
  EXPECT_EQ(entries_in(dir.path()), 2);
}

}  // namespace
}  // namespace tirel
