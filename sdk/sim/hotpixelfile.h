// hotpixelfile.h: the simulator's binary hot pixel list file (vy_HotPixel 0x8111 / 0x8112).
//
// Layout, all numbers little-endian:
//   0   4 bytes  magic "VYHP"
//   4   u16      format version, 1
//   6   u16      reserved, 0
//   8   u32      number of entries n (at most 65535)
//   12  n times  u16 x, u16 y
//   12 + 4n u32  CRC-32 (IEEE 802.3, as zlib) of every byte before it
// A file is exactly 16 + 4n bytes long.
#ifndef SDK_SIM_HOTPIXELFILE_H
#define SDK_SIM_HOTPIXELFILE_H

#include "sdk/sim/sensormodel.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vysim {

namespace hotpixelfile {

constexpr uint32_t Version = 1;
constexpr uint32_t MaxEntries = 65535;

uint32_t crc32(const uint8_t *data, size_t size);
std::vector<uint8_t> encode(const std::vector<PixelPos> &pixels);
// False, with a reason, for anything but a complete file of this format.
bool decode(const std::vector<uint8_t> &bytes, std::vector<PixelPos> *pixels, std::string *problem);

// Saved with vyrokit::FileWriter, so that a failed write (a full disk) leaves an existing file
// as it was; loaded with vyrokit::FileReader (regular files only, never waiting on a pipe).
// Return VY_SUCCESS, VY_FILE_OPEN_ERROR or VY_FILE_FORMAT_ERROR.
int32_t save(const std::string &path, const std::vector<PixelPos> &pixels);
int32_t load(const std::string &path, std::vector<PixelPos> *pixels, std::string *problem);

// The zero-terminated wide (UCS-4) file name of the command, converted to UTF-8. False when
// there is none, it is not terminated within maxChars characters, or holds an invalid code point.
bool fileName(const wchar_t *name, size_t maxChars, std::string *utf8);
// The number of bytes of the name including its terminator (0 when not terminated in time).
size_t fileNameBytes(const wchar_t *name, size_t maxChars);

} // namespace hotpixelfile

} // namespace vysim

#endif // SDK_SIM_HOTPIXELFILE_H
