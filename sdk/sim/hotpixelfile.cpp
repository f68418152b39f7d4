// hotpixelfile.cpp: reading and writing the binary hot pixel list file.
#include "sdk/sim/hotpixelfile.h"

#include "sdk/vyro_api.h"
#include "vyrokit/files/filereader.h"
#include "vyrokit/files/filewriter.h"

#include <QFileInfo>
#include <QString>

#include <cstring>

namespace vysim {

namespace hotpixelfile {

namespace {

constexpr size_t HeaderBytes = 12;
constexpr size_t MaxFileBytes = HeaderBytes + 4 * size_t(MaxEntries) + 4;

void putU16(std::vector<uint8_t> &b, uint32_t v)
{
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}

void putU32(std::vector<uint8_t> &b, uint32_t v)
{
    putU16(b, v & 0xFFFF);
    putU16(b, v >> 16);
}

uint32_t u16(const uint8_t *p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8;
}

uint32_t u32(const uint8_t *p)
{
    return u16(p) | u16(p + 2) << 16;
}

void appendUtf8(std::string &out, uint32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

} // namespace

uint32_t crc32(const uint8_t *data, size_t size)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::vector<uint8_t> encode(const std::vector<PixelPos> &pixels)
{
    std::vector<uint8_t> b = {'V', 'Y', 'H', 'P'};
    b.reserve(HeaderBytes + 4 * pixels.size() + 4);
    putU16(b, Version);
    putU16(b, 0);
    putU32(b, uint32_t(pixels.size()));
    for (const PixelPos &p : pixels) {
        putU16(b, p.x);
        putU16(b, p.y);
    }
    putU32(b, crc32(b.data(), b.size()));
    return b;
}

bool decode(const std::vector<uint8_t> &bytes, std::vector<PixelPos> *pixels, std::string *problem)
{
    auto refuse = [problem](const char *why) {
        if (problem)
            *problem = why;
        return false;
    };
    if (bytes.size() < HeaderBytes + 4)
        return refuse("The hot pixel file is too short");
    if (std::memcmp(bytes.data(), "VYHP", 4) != 0)
        return refuse("The file is not a hot pixel file");
    if (u16(bytes.data() + 4) != Version)
        return refuse("The hot pixel file has an unknown format version");
    const uint32_t n = u32(bytes.data() + 8);
    if (n > MaxEntries || bytes.size() != HeaderBytes + 4 * size_t(n) + 4)
        return refuse("The hot pixel file's length does not match its number of entries");
    const size_t body = HeaderBytes + 4 * size_t(n);
    if (crc32(bytes.data(), body) != u32(bytes.data() + body))
        return refuse("The hot pixel file is damaged (checksum)");
    pixels->clear();
    pixels->reserve(n);
    for (uint32_t i = 0; i < n; ++i) {
        const uint8_t *p = bytes.data() + HeaderBytes + 4 * size_t(i);
        pixels->push_back({uint16_t(u16(p)), uint16_t(u16(p + 2))});
    }
    return true;
}

int32_t save(const std::string &path, const std::vector<PixelPos> &pixels)
{
    if (pixels.size() > MaxEntries)
        return VY_INVALID_PARAMETER;
    const std::vector<uint8_t> bytes = encode(pixels);
    QString problem;
    return vyrokit::FileWriter::write(
               QString::fromStdString(path),
               QByteArray(reinterpret_cast<const char *>(bytes.data()), int(bytes.size())),
               &problem)
               ? VY_SUCCESS
               : VY_FILE_OPEN_ERROR;
}

int32_t load(const std::string &path, std::vector<PixelPos> *pixels, std::string *problem)
{
    const QString name = QString::fromStdString(path);
    QByteArray data;
    QString why;
    // Never more than the largest valid file; a pipe or a device is refused, never waited on.
    if (!vyrokit::FileReader::read(name, qint64(MaxFileBytes), &data, &why)) {
        const QFileInfo info(name);
        const bool tooLarge = info.isFile() && info.size() > qint64(MaxFileBytes);
        if (problem)
            *problem =
                tooLarge ? "The hot pixel file is too large" : "The hot pixel file cannot be read";
        return tooLarge ? VY_FILE_FORMAT_ERROR : VY_FILE_OPEN_ERROR;
    }
    const std::vector<uint8_t> bytes(data.begin(), data.end());
    return decode(bytes, pixels, problem) ? VY_SUCCESS : VY_FILE_FORMAT_ERROR;
}

size_t fileNameBytes(const wchar_t *name, size_t maxChars)
{
    if (!name)
        return 0;
    for (size_t i = 0; i < maxChars; ++i)
        if (name[i] == 0)
            return (i + 1) * sizeof(wchar_t);
    return 0;
}

bool fileName(const wchar_t *name, size_t maxChars, std::string *utf8)
{
    const size_t bytes = fileNameBytes(name, maxChars);
    if (bytes <= sizeof(wchar_t))
        return false; // none, unterminated or empty
    utf8->clear();
    for (size_t i = 0; name[i] != 0; ++i) {
        // A negative wchar_t becomes a value above 0x10FFFF and is refused below.
        const uint32_t c = uint32_t(name[i]); // NOLINT(bugprone-signed-char-misuse)
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        appendUtf8(*utf8, c);
    }
    return true;
}

} // namespace hotpixelfile

} // namespace vysim
