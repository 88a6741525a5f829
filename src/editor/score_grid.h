#pragma once
// The 25 rows of the Properties window's score grid: their labels in the
// order shown, the record fields they edit, and how typed text is stored.
#include <cstddef>
#include <string>
#include <string_view>

#include "model/level_header.h"

namespace pyrovel {

enum class ScoreWidth { Byte, Word, DiamondsToCollect };

struct ScoreRow {
  std::string_view label;
  std::size_t offset;  // of the field in the level record
  ScoreWidth width;
};

inline constexpr int kScoreRowCount = 25;
inline constexpr int kDiamondsToCollectRow = 14;

// Row 0..24; rows outside give an empty label and no field.
const ScoreRow* scoreRow(int row);

// The value a row shows ("Diamonds to Collect" joins its two fields).
int scoreValue(const LevelHeader& h, int row);
// Stores a value as the row's field takes it: modulo 256 for bytes, 65536
// for words; "Diamonds to Collect" splits it into its low and high field.
void setScoreValue(LevelHeader& h, int row, int value);

// Decimal text with an optional sign (spaces around it are allowed); anything else (or a number too
// large for 32 bits) reads as 0.
int parseScoreText(std::string_view text);

}  // namespace pyrovel
