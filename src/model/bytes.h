#pragma once
// Little- and big-endian access to byte buffers, and a bounded reader that
// refuses to read past the end of what a file holds.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/errors.h"

namespace pyrovel {

using Bytes = std::vector<std::uint8_t>;

// Takes an encoder's output piece by piece, each with the offset where it
// belongs (a header may come last, once what follows it is known): a file
// being written, or a buffer gathering the whole.
using ByteSink = std::function<void(std::size_t offset, std::span<const std::uint8_t> piece)>;

// Puts a sink's piece into a buffer gathering the whole, which grows to hold it.
inline void putAt(Bytes& out, std::size_t offset, std::span<const std::uint8_t> piece) {
  if (out.size() < offset) out.resize(offset);  // room for what comes later, a header say
  const auto overlap = static_cast<std::ptrdiff_t>(std::min(piece.size(), out.size() - offset));
  std::copy(piece.begin(), piece.begin() + overlap,
            out.begin() + static_cast<std::ptrdiff_t>(offset));
  out.insert(out.end(), piece.begin() + overlap, piece.end());
}

inline std::uint16_t getU16le(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t getU32le(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::uint16_t getU16be(const std::uint8_t* p) {
  return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}
inline std::uint32_t getU32be(const std::uint8_t* p) {
  return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
         (static_cast<std::uint32_t>(p[2]) << 8) | static_cast<std::uint32_t>(p[3]);
}
inline void putU16le(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void putU32le(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
inline void putU16be(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v >> 8);
  p[1] = static_cast<std::uint8_t>(v);
}

// Appends to a growing output buffer.
class ByteWriter {
 public:
  void u8(std::uint8_t v) { data_.push_back(v); }
  void u16le(std::uint16_t v) {
    u8(static_cast<std::uint8_t>(v));
    u8(static_cast<std::uint8_t>(v >> 8));
  }
  void u16be(std::uint16_t v) {
    u8(static_cast<std::uint8_t>(v >> 8));
    u8(static_cast<std::uint8_t>(v));
  }
  void u32le(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) u8(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  void bytes(std::span<const std::uint8_t> b) { data_.insert(data_.end(), b.begin(), b.end()); }
  void text(std::string_view s) { data_.insert(data_.end(), s.begin(), s.end()); }
  void fill(std::size_t n, std::uint8_t v = 0) { data_.insert(data_.end(), n, v); }
  void reserve(std::size_t n) { data_.reserve(n); }
  std::size_t size() const { return data_.size(); }
  Bytes& data() { return data_; }
  Bytes take() { return std::move(data_); }

 private:
  Bytes data_;
};

// Reads from a byte buffer. Every read is checked against the end; a short
// read throws a LevelError naming the file, the level being read and the
// offset, so a truncated file never leads to a read past the buffer.
class ByteReader {
 public:
  ByteReader(std::span<const std::uint8_t> data, std::string file)
      : data_(data), file_(std::move(file)) {}

  std::size_t pos() const { return pos_; }
  std::size_t size() const { return data_.size(); }
  std::size_t remaining() const { return data_.size() - pos_; }
  bool atEnd() const { return pos_ >= data_.size(); }
  const std::string& file() const { return file_; }
  // The level number (0..99) that errors should name, if any.
  void setLevel(std::optional<int> level) { level_ = level; }

  void seek(std::size_t pos) {
    if (pos > data_.size()) fail(pos, "seek past the end of the file");
    pos_ = pos;
  }
  void skip(std::size_t n) { seek(need(n)); }

  std::uint8_t u8() { return data_[need(1) - 1]; }
  std::uint16_t u16le() { return getU16le(&data_[need(2) - 2]); }
  std::uint16_t u16be() { return getU16be(&data_[need(2) - 2]); }
  std::uint32_t u32le() { return getU32le(&data_[need(4) - 4]); }
  std::uint32_t u32be() { return getU32be(&data_[need(4) - 4]); }
  std::span<const std::uint8_t> bytes(std::size_t n) {
    std::size_t end = need(n);
    return data_.subspan(end - n, n);
  }

  [[noreturn]] void fail(std::size_t offset, const std::string& what) const {
    throw LevelError(file_, level_, offset, what);
  }

 private:
  // Advances over n bytes and returns the new position, or throws.
  std::size_t need(std::size_t n) {
    if (n > data_.size() - pos_) {
      fail(pos_, "unexpected end of file (needed " + std::to_string(n) + " bytes, " +
                     std::to_string(data_.size() - pos_) + " left)");
    }
    pos_ += n;
    return pos_;
  }

  std::span<const std::uint8_t> data_;
  std::string file_;
  std::size_t pos_ = 0;
  std::optional<int> level_;
};

}  // namespace pyrovel
