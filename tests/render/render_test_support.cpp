#include "render/render_test_support.h"

namespace pyrovel::testing {

namespace {

// Bit-at-a-time CRC-32, independent of the table the writer uses.
std::uint32_t slowCrc(const std::uint8_t* p, std::size_t n) {
  std::uint32_t crc = 0xffffffffu;
  for (std::size_t i = 0; i < n; ++i) {
    crc ^= p[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

std::uint32_t slowAdler(const std::vector<std::uint8_t>& d) {
  std::uint64_t a = 1, b = 0;
  for (std::uint8_t v : d) {
    a = (a + v) % 65521;
    b = (b + a) % 65521;
  }
  return static_cast<std::uint32_t>((b << 16) | a);
}

}  // namespace

DecodedPng decodeStoredPng(const std::vector<std::uint8_t>& f) {
  DecodedPng png;
  auto fail = [&](const std::string& e) {
    png.error = e;
    return png;
  };
  static const std::uint8_t kSig[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  if (f.size() < 8 || !std::equal(kSig, kSig + 8, f.begin())) return fail("signature");
  std::size_t at = 8;
  std::vector<std::uint8_t> idat;
  while (at + 12 <= f.size()) {
    const std::uint32_t len = getU32be(&f[at]);
    if (at + 12 + len > f.size()) return fail("chunk runs past the end");
    const std::string type(f.begin() + static_cast<long>(at) + 4,
                           f.begin() + static_cast<long>(at) + 8);
    if (slowCrc(&f[at + 4], 4 + len) != getU32be(&f[at + 8 + len])) return fail("CRC of " + type);
    png.chunkTypes.push_back(type);
    const std::uint8_t* body = &f[at + 8];
    if (type == "IHDR") {
      png.width = getU32be(body);
      png.height = getU32be(body + 4);
      png.bitDepth = body[8];
      png.colourType = body[9];
    } else if (type == "IDAT") {
      idat.insert(idat.end(), body, body + len);
    }
    at += 12 + len;
  }
  if (at != f.size()) return fail("trailing bytes");
  if (idat.size() < 6 || idat[0] != 0x78 || (idat[0] * 256 + idat[1]) % 31 != 0)
    return fail("zlib header");
  std::size_t p = 2;
  for (;;) {
    if (p + 5 > idat.size()) return fail("block header");
    const std::uint8_t head = idat[p];
    if ((head & 6) != 0) return fail("not a stored block");
    const std::uint16_t n = getU16le(&idat[p + 1]), nn = getU16le(&idat[p + 3]);
    if (static_cast<std::uint16_t>(~n) != nn) return fail("LEN/NLEN");
    p += 5;
    if (p + n > idat.size()) return fail("block data");
    png.raw.insert(png.raw.end(), idat.begin() + static_cast<long>(p),
                   idat.begin() + static_cast<long>(p + n));
    p += n;
    if (head & 1) break;
  }
  if (p + 4 != idat.size() || getU32be(&idat[p]) != slowAdler(png.raw)) return fail("Adler-32");
  if (png.bitDepth != 8 || png.colourType != 6) return fail("not 8-bit RGBA");
  const std::size_t rowBytes = 1 + static_cast<std::size_t>(png.width) * 4;
  if (png.raw.size() != rowBytes * png.height) return fail("image data size");
  png.pixels = PixelBuffer(static_cast<int>(png.width), static_cast<int>(png.height));
  for (std::uint32_t y = 0; y < png.height; ++y) {
    const std::uint8_t* row = &png.raw[y * rowBytes];
    if (row[0] != 0) return fail("filter type");
    for (std::uint32_t x = 0; x < png.width; ++x) {
      const std::uint8_t* px = row + 1 + x * 4;
      png.pixels.at(static_cast<int>(x), static_cast<int>(y)) = argb(px[0], px[1], px[2], px[3]);
    }
  }
  png.ok = true;
  return png;
}

}  // namespace pyrovel::testing
