#pragma once
// Turning rows of cells into columns and back. A levelmap file holds each
// layer row by row, as 16-bit little-endian values; a level grid holds it
// column by column. Going one cell at a time, every cell of one side is a
// stride away from the last; blocks of 8 x 8 cells are turned in registers
// instead, eight cells loaded and stored at a time.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pyrovel {

namespace cell_transpose_detail {

// One cell copied, its bytes turned when the file's order (little-endian)
// is not the machine's: the same turn serves both ways.
inline void copyCell(const std::uint8_t* from, std::uint8_t* to) {
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(to, from, 2);
  } else {
    to[0] = from[1];
    to[1] = from[0];
  }
}

// The 8 x 8 cells from `src` (eight lines `srcLine` bytes apart) to `dst`:
// cell j of line i becomes cell i of line j.
inline void block8(const std::uint8_t* src, std::size_t srcLine, std::uint8_t* dst,
                   std::size_t dstLine) {
#if defined(__SSE2__)
  if constexpr (std::endian::native == std::endian::little) {
    const auto load = [&](int i) {
      return _mm_loadu_si128(
          reinterpret_cast<const __m128i*>(src + static_cast<std::size_t>(i) * srcLine));
    };
    const __m128i r0 = load(0), r1 = load(1), r2 = load(2), r3 = load(3), r4 = load(4),
                  r5 = load(5), r6 = load(6), r7 = load(7);
    // Pairs of lines interleaved, then pairs of pairs, then halves: each
    // step doubles the run of one column's cells.
    const __m128i t0 = _mm_unpacklo_epi16(r0, r1), t1 = _mm_unpackhi_epi16(r0, r1),
                  t2 = _mm_unpacklo_epi16(r2, r3), t3 = _mm_unpackhi_epi16(r2, r3),
                  t4 = _mm_unpacklo_epi16(r4, r5), t5 = _mm_unpackhi_epi16(r4, r5),
                  t6 = _mm_unpacklo_epi16(r6, r7), t7 = _mm_unpackhi_epi16(r6, r7);
    const __m128i u0 = _mm_unpacklo_epi32(t0, t2), u1 = _mm_unpackhi_epi32(t0, t2),
                  u2 = _mm_unpacklo_epi32(t1, t3), u3 = _mm_unpackhi_epi32(t1, t3),
                  u4 = _mm_unpacklo_epi32(t4, t6), u5 = _mm_unpackhi_epi32(t4, t6),
                  u6 = _mm_unpacklo_epi32(t5, t7), u7 = _mm_unpackhi_epi32(t5, t7);
    const __m128i lines[8] = {_mm_unpacklo_epi64(u0, u4), _mm_unpackhi_epi64(u0, u4),
                              _mm_unpacklo_epi64(u1, u5), _mm_unpackhi_epi64(u1, u5),
                              _mm_unpacklo_epi64(u2, u6), _mm_unpackhi_epi64(u2, u6),
                              _mm_unpacklo_epi64(u3, u7), _mm_unpackhi_epi64(u3, u7)};
    for (int j = 0; j < 8; ++j) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + static_cast<std::size_t>(j) * dstLine),
                       lines[j]);
    }
    return;
  }
#endif
  for (std::size_t i = 0; i < 8; ++i) {
    for (std::size_t j = 0; j < 8; ++j)
      copyCell(src + i * srcLine + 2 * j, dst + j * dstLine + 2 * i);
  }
}

}  // namespace cell_transpose_detail

// Copies `lines` lines of `cells` 16-bit cells each (line i at
// src + i * srcLine bytes) into `cells` lines of `lines` cells (line j at
// dst + j * dstLine bytes): cell j of source line i becomes cell i of
// destination line j. One side is the file's (little-endian) and the other
// the grid's (the machine's order). The two areas must not overlap.
inline void transposeCells(const std::uint8_t* src, std::size_t srcLine, int lines, int cells,
                           std::uint8_t* dst, std::size_t dstLine) {
  using cell_transpose_detail::block8;
  using cell_transpose_detail::copyCell;
  const int fullLines = lines - lines % 8, fullCells = cells - cells % 8;
  for (int i = 0; i < fullLines; i += 8) {
    const std::uint8_t* from = src + static_cast<std::size_t>(i) * srcLine;
    for (int j = 0; j < fullCells; j += 8) {
      block8(from + 2 * static_cast<std::size_t>(j), srcLine,
             dst + static_cast<std::size_t>(j) * dstLine + 2 * static_cast<std::size_t>(i),
             dstLine);
    }
  }
  // What the blocks leave: the last cells of every line, then the last lines.
  for (int i = 0; i < lines; ++i) {
    const int first = i < fullLines ? fullCells : 0;
    for (int j = first; j < cells; ++j) {
      copyCell(src + static_cast<std::size_t>(i) * srcLine + 2 * static_cast<std::size_t>(j),
               dst + static_cast<std::size_t>(j) * dstLine + 2 * static_cast<std::size_t>(i));
    }
  }
}

}  // namespace pyrovel
