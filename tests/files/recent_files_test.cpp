// The recent files in config.ini: their own section, Windows-1251 bytes, the rest of the file
// kept byte for byte.
#include <gtest/gtest.h>

#include "files/config_ini.h"
#include "files/recent_files.h"

namespace tirel {
namespace {

// [Недавние файлы] in Windows-1251.
const std::string kSection = "[\xCD\xE5\xE4\xE0\xE2\xED\xE8\xE5 \xF4\xE0\xE9\xEB\xFB]";
const std::string kGeneral = "[\xCE\xE1\xF9\xE8\xE5]\r\n\xD1\xCE\xCC/USB=0\r\n";

TEST(RecentFiles, SectionIsReplacedAndTheRestOfTheFileKept) {
  const std::string original = kGeneral + kSection + "\r\n1=/old/a.t12\r\n[Ports]\r\nCOM1=/dev/ttyUSB0\r\n";
  EXPECT_EQ(parse_recent_files(original), (std::vector<std::string>{"/old/a.t12"}));
  const std::string rendered =
      render_recent_files(original, {"/home/\xC8\xE2\xE0\xED/b.t12", "/old/a.t12"});  // Иван
  EXPECT_EQ(rendered, kGeneral + "[Ports]\r\nCOM1=/dev/ttyUSB0\r\n" + kSection +
                          "\r\n1=/home/\xC8\xE2\xE0\xED/b.t12\r\n2=/old/a.t12\r\n");
  EXPECT_EQ(parse_recent_files(rendered), (std::vector<std::string>{"/home/\xC8\xE2\xE0\xED/b.t12", "/old/a.t12"}));
  EXPECT_EQ(render_recent_files(rendered, {}), kGeneral + "[Ports]\r\nCOM1=/dev/ttyUSB0\r\n");
  // The window's own four values still read from a file that carries the list.
  EXPECT_EQ(parse_config(rendered, Config{}).programmer_mode, 0);
}

TEST(RecentFiles, ListKeepsFiveNewestOnceEachAndSkipsWhatIsNotAPath) {
  std::vector<std::string> list;
  for (const char* p : {"/1.t12", "/2.t12", "/3.t12", "/4.t12", "/5.t12", "/6.t12", "/3.t12"})
    list = with_recent_file(list, p);
  EXPECT_EQ(list, (std::vector<std::string>{"/3.t12", "/6.t12", "/5.t12", "/4.t12", "/2.t12"}));
  const std::string odd = kSection + "\n3=/c.t12\n1 = /a.t12 \n2=\n6=/six.t12\n4=/a.t12\nx=/x.t12\n";
  EXPECT_EQ(parse_recent_files(odd), (std::vector<std::string>{"/a.t12", "/c.t12"}));
}

}  // namespace
}  // namespace tirel
