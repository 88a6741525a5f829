#include "render/png_writer.h"

#include <algorithm>
#include <array>

#include "model/file_io.h"

namespace pyrovel {

namespace {

const std::array<std::uint32_t, 256>& crcTable() {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  return table;
}

void putU32be(ByteWriter& out, std::uint32_t v) {
  out.u16be(static_cast<std::uint16_t>(v >> 16));
  out.u16be(static_cast<std::uint16_t>(v));
}

void chunk(ByteWriter& out, const char* type, std::span<const std::uint8_t> body) {
  putU32be(out, static_cast<std::uint32_t>(body.size()));
  const std::size_t typeAt = out.size();
  out.text(std::string_view(type, 4));
  out.bytes(body);
  const std::span<const std::uint8_t> covered(out.data().data() + typeAt, 4 + body.size());
  putU32be(out, crc32(covered));
}

// The zlib stream of the filtered rows, in stored blocks.
Bytes zlibStored(std::span<const std::uint8_t> raw) {
  constexpr std::size_t kBlock = 65535;
  ByteWriter z;
  z.reserve(raw.size() + raw.size() / kBlock * 5 + 16);
  z.u8(0x78);  // deflate, 32K window
  z.u8(0x01);  // no preset dictionary, check bits make 0x7801 a multiple of 31
  std::size_t at = 0;
  do {
    const std::size_t n = std::min(kBlock, raw.size() - at);
    const bool last = at + n == raw.size();
    z.u8(last ? 1 : 0);
    z.u16le(static_cast<std::uint16_t>(n));
    z.u16le(static_cast<std::uint16_t>(~n));
    z.bytes(raw.subspan(at, n));
    at += n;
  } while (at < raw.size());
  putU32be(z, adler32(raw));
  return z.take();
}

}  // namespace

std::uint32_t crc32(std::span<const std::uint8_t> data, std::uint32_t crc) {
  const auto& table = crcTable();
  crc = ~crc;
  for (std::uint8_t b : data) crc = table[(crc ^ b) & 0xff] ^ (crc >> 8);
  return ~crc;
}

std::uint32_t adler32(std::span<const std::uint8_t> data, std::uint32_t adler) {
  constexpr std::uint32_t kMod = 65521;
  std::uint32_t a = adler & 0xffff, b = adler >> 16;
  std::size_t i = 0;
  while (i < data.size()) {
    // 5552 bytes is the longest run whose sums cannot overflow 32 bits.
    const std::size_t end = std::min(data.size(), i + 5552);
    for (; i < end; ++i) {
      a += data[i];
      b += a;
    }
    a %= kMod;
    b %= kMod;
  }
  return (b << 16) | a;
}

Bytes encodePng(const PixelBuffer& image) {
  if (image.width <= 0 || image.height <= 0)
    throw LevelError("cannot write an empty picture as PNG");
  // Filter type 0 (none) before each row, then R, G, B, A.
  const std::size_t rowBytes = 1 + static_cast<std::size_t>(image.width) * 4;
  Bytes raw(rowBytes * static_cast<std::size_t>(image.height));
  for (int y = 0; y < image.height; ++y) {
    std::uint8_t* dst = raw.data() + rowBytes * static_cast<std::size_t>(y);
    *dst++ = 0;
    const std::uint32_t* src = image.row(y);
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = src[x];
      *dst++ = static_cast<std::uint8_t>(p >> 16);
      *dst++ = static_cast<std::uint8_t>(p >> 8);
      *dst++ = static_cast<std::uint8_t>(p);
      *dst++ = static_cast<std::uint8_t>(p >> 24);
    }
  }

  ByteWriter out;
  static constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  out.bytes(kSignature);
  ByteWriter ihdr;
  putU32be(ihdr, static_cast<std::uint32_t>(image.width));
  putU32be(ihdr, static_cast<std::uint32_t>(image.height));
  ihdr.u8(8);  // bits per channel
  ihdr.u8(6);  // truecolour with alpha
  ihdr.u8(0);  // deflate
  ihdr.u8(0);  // adaptive filtering
  ihdr.u8(0);  // not interlaced
  chunk(out, "IHDR", ihdr.data());
  chunk(out, "IDAT", zlibStored(raw));
  chunk(out, "IEND", {});
  return out.take();
}

void writePng(const std::string& path, const PixelBuffer& image) {
  writeFileAtomically(path, encodePng(image));
}

}  // namespace pyrovel
