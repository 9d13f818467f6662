// The programmer status panel and the USB device listing behind it.
#include <gtest/gtest.h>

#include "link/D2XXUnit.h"
#include "link/programmer_status.h"
#include "scripted_prompter.h"

namespace tirel {
namespace {

using d2xx::UsbListing;

struct FakeBus {
  UsbListing listing;
  int looks = 0;
  FakeBus() {
    d2xx::set_listing_source([this] {
      ++looks;
      return listing;
    });
  }
  ~FakeBus() { d2xx::set_listing_source({}); }
};

const QString kMissing = QString::fromUtf8(kUsbMissingText);
const QString kConnected = QString::fromUtf8(kUsbConnectedText);

TEST(ProgrammerStatus, ComProgrammerNamesThePortWithoutLookingAtUsb) {
  FakeBus bus;
  ProgrammerStatus s;
  std::uint8_t blink = 0;
  EXPECT_EQ(s.tick(1, 2, false, blink, ""), QStringLiteral("Программатор COM3"));
  EXPECT_EQ(s.tick(5, 0, false, blink, ""), QStringLiteral("Программатор COM1"));
  EXPECT_EQ(bus.looks, 0);
}

TEST(ProgrammerStatus, MissingCableBlinksAndAPresentOneStaysShown) {
  FakeBus bus;
  test::ScriptedPrompter prompts;
  ProgrammerStatus s;
  std::uint8_t blink = 0;
  QString panel;
  panel = s.tick(0, 0, false, blink, panel);
  EXPECT_EQ(panel, "") << "the first tick at start-up leaves the panel empty";
  panel = s.tick(0, 0, false, blink, panel);
  EXPECT_EQ(panel, kMissing);
  panel = s.tick(0, 0, false, blink, panel);
  EXPECT_EQ(panel, "");

  bus.listing.descriptions = {std::string("FT232R USB UART"), std::string("USB-Programmer T-120K")};
  for (int i = 0; i < 3; ++i) {
    panel = s.tick(0, 0, false, blink, panel);
    EXPECT_EQ(panel, kConnected) << "the second of two devices is the cable";
  }
  bus.listing.descriptions.clear();
  EXPECT_EQ(s.tick(0, 0, false, blink, panel), kMissing);
  EXPECT_TRUE(prompts.messages.empty());
}

TEST(ProgrammerStatus, OnlyTheExactDescriptionCounts) {
  FakeBus bus;
  test::ScriptedPrompter prompts;
  for (const char* d : {"USB-Programmer T-120", "usb-programmer t-120k", "USB-Programmer T-120K ", ""}) {
    bus.listing.descriptions = {std::string(d)};
    ProgrammerStatus s;
    std::uint8_t blink = 1;
    EXPECT_EQ(s.tick(0, 0, false, blink, "x"), kMissing) << d;
  }
}

TEST(ProgrammerStatus, StoppedPollingKeepsThePanelText) {
  FakeBus bus;
  ProgrammerStatus s;
  std::uint8_t blink = 0;
  EXPECT_EQ(s.tick(0, 0, true, blink, kConnected), kConnected);
  EXPECT_EQ(bus.looks, 0);
}

TEST(ProgrammerStatus, LastingFailureIsReportedOnceWithItsText) {
  FakeBus bus;
  test::ScriptedPrompter prompts;
  ProgrammerStatus s;
  std::uint8_t blink = 0;
  bus.listing.status = FT_DEVICE_NOT_FOUND;
  for (int i = 0; i < 5; ++i) s.tick(0, 0, false, blink, "");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].caption, "Error");
  EXPECT_EQ(prompts.messages[0].icon, QMessageBox::Critical);
  EXPECT_EQ(prompts.messages[0].text, QStringLiteral("GetFTDeviceCount - Устройство не найдено...."));
  EXPECT_EQ(prompts.messages[0].buttons, QMessageBox::Ok);

  bus.listing.status = FT_OK;
  s.tick(0, 0, false, blink, "");
  bus.listing.status = FT_DEVICE_NOT_FOUND;
  s.tick(0, 0, false, blink, "");
  EXPECT_EQ(prompts.messages.size(), 2u) << "a failure after a success is told again";
}

TEST(ProgrammerStatus, DeviceThatWillNotTellItsNameIsNotTakenForTheCable) {
  FakeBus bus;
  test::ScriptedPrompter prompts;
  ProgrammerStatus s;
  std::uint8_t blink = 0;
  bus.listing.descriptions = {std::string("USB-Programmer T-120K")};
  EXPECT_EQ(s.tick(0, 0, false, blink, ""), kConnected);
  bus.listing.descriptions = {std::nullopt};
  blink = 1;
  EXPECT_EQ(s.tick(0, 0, false, blink, kConnected), kMissing);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, QStringLiteral("GetFTDeviceDescription - Устройство не открыто..."));
}

TEST(D2xx, ListDevicesKeepsBothCallingForms) {
  FakeBus bus;
  bus.listing.descriptions = {std::string("A"), std::string(60, 'x')};
  DWORD n = 99;
  EXPECT_EQ(FT_ListDevices(&n, nullptr, FT_LIST_NUMBER_ONLY), FT_OK);
  EXPECT_EQ(n, 2u);
  char buf[kFtDescriptionSize];
  EXPECT_EQ(FT_ListDevices(reinterpret_cast<void*>(1), buf, FT_LIST_BY_INDEX | FT_OPEN_BY_DESCRIPTION), FT_OK);
  EXPECT_EQ(std::string(buf), std::string(60, 'x'));
  EXPECT_EQ(FT_ListDevices(reinterpret_cast<void*>(2), buf, FT_LIST_BY_INDEX | FT_OPEN_BY_DESCRIPTION),
            FT_DEVICE_NOT_FOUND);
  EXPECT_EQ(FT_ListDevices(&n, nullptr, 0x1234), FT_INVALID_PARAMETER);

  test::ScriptedPrompter prompts;
  EXPECT_EQ(d2xx::GetFTDeviceCount(), FT_OK);
  EXPECT_EQ(d2xx::GetFTDeviceDescription(1), FT_OK);
  EXPECT_EQ(d2xx::device_description, std::string(49, 'x')) << "at most 49 characters are kept";
}

TEST(D2xx, ErrorTextsForEveryStatus) {
  const char* const suffixes[] = {" - Не правильный дескриптор...", " - Устройство не найдено....",
                                  " - Устройство не открыто...",    " - Ошибка основного IO...",
                                  " - Недостаточно ресурсов...",    " - Не правильный параметр ..."};
  for (FT_STATUS s = 1; s <= 6; ++s) EXPECT_EQ(d2xx::error_text("Op", s), std::string("Op") + suffixes[s - 1]);
  EXPECT_FALSE(d2xx::error_text("Op", 18).empty());
}

TEST(D2xx, RealBusIsListedWithoutCrashingWhateverIsThere) {
  const UsbListing l = d2xx::list_ftdi_devices();
  if (l.status == FT_OK) {
    for (const auto& d : l.descriptions)
      if (d) {
        EXPECT_LT(d->size(), static_cast<std::size_t>(kFtDescriptionSize));
      }
  } else {
    EXPECT_TRUE(l.descriptions.empty());
  }
}

}  // namespace
}  // namespace tirel
