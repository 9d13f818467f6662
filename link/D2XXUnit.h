#pragma once
// Listing of FTDI USB devices: how many are plugged in and what each calls itself.
// FT_ListDevices keeps the two calling forms of FTDI's D2XX library; here it reads the kernel's
// device list under /sys, which any user may read, and never opens a device.
#include <cstdint>
#include <string>

using DWORD = std::uint32_t;
using FT_STATUS = DWORD;

inline constexpr FT_STATUS FT_OK = 0;
inline constexpr FT_STATUS FT_INVALID_HANDLE = 1;
inline constexpr FT_STATUS FT_DEVICE_NOT_FOUND = 2;
inline constexpr FT_STATUS FT_DEVICE_NOT_OPENED = 3;
inline constexpr FT_STATUS FT_IO_ERROR = 4;
inline constexpr FT_STATUS FT_INSUFFICIENT_RESOURCES = 5;
inline constexpr FT_STATUS FT_INVALID_PARAMETER = 6;

inline constexpr DWORD FT_LIST_NUMBER_ONLY = 0x80000000;
inline constexpr DWORD FT_LIST_BY_INDEX = 0x40000000;
inline constexpr DWORD FT_OPEN_BY_DESCRIPTION = 2;
inline constexpr int kFtDescriptionSize = 64;  // the buffer the description is written into

// FT_LIST_NUMBER_ONLY: arg1 points at a DWORD that receives the number of devices.
// FT_LIST_BY_INDEX | FT_OPEN_BY_DESCRIPTION: arg1 is the device index itself, arg2 a buffer of
// kFtDescriptionSize chars that receives the zero-ended description.
FT_STATUS FT_ListDevices(void* arg1, void* arg2, DWORD flags);

namespace tirel::d2xx {

extern DWORD device_count;
extern std::string device_description;  // at most 49 characters

FT_STATUS GetFTDeviceCount();
FT_STATUS GetFTDeviceDescription(int index);

}  // namespace tirel::d2xx
