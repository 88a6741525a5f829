#include <gtest/gtest.h>

#include "formats/bdcff_das_text.h"
#include "formats/das_codes.h"

namespace pyrovel {
namespace {

TEST(DasCodes, KnownUnknownAndNotANumber) {
  EXPECT_EQ(dasCodeToObject("16"), 195);
  EXPECT_EQ(dasCodeToObject("37"), 2);
  EXPECT_EQ(dasCodeToObject("198"), 154);
  EXPECT_EQ(dasCodeToObject("0"), 0);
  EXPECT_EQ(dasCodeToObject("99"), 15);
  EXPECT_EQ(dasCodeToObject("abc"), -1);
  EXPECT_EQ(dasCodeToObject(""), -1);
}

TEST(DasCodes, TextIsComparedNotTheValue) {
  EXPECT_EQ(dasCodeToObject("07"), 15);
  EXPECT_EQ(dasCodeToObject(" 7"), 15);   // leading blanks are a number ...
  EXPECT_EQ(dasCodeToObject("7 "), -1);   // ... a trailing blank is not
  EXPECT_EQ(dasCodeToObject("$10"), 15);  // 16 in hex, but not the text "16"
  EXPECT_EQ(dasCodeToObject("+7"), 15);
}

TEST(LooseInt, ReadsWhatItCanAndTellsWhetherThatWasAll) {
  auto check = [](std::string_view text, int value, bool whole) {
    const LooseInt r = readLooseInt(text);
    EXPECT_EQ(r.value, value) << "'" << text << "'";
    EXPECT_EQ(r.whole, whole) << "'" << text << "'";
  };
  check("42", 42, true);
  check("  -12", -12, true);
  check("+5", 5, true);
  check("$1F", 31, true);
  check("0x10", 16, true);
  check("-$10", -16, true);
  check("10 10 10", 10, false);
  check("12ab", 12, false);
  check("", 0, false);
  check("-", 0, false);
  check("$", 0, false);
  check("abc", 0, false);
  check("4294967297", 1, true);  // wraps like a 32-bit integer
  check("0x1F 2", 31, false);
  check("150\t140", 150, false);
}

TEST(LooseInt, QuickReadingOfPlainNumbersAgreesWithTheFullOne) {
  for (const std::string_view text :
       {"7", "123456789", "1234567890", "12345678901", "12 13", "0 x", "0x1F 2", "5x", "9\t1",
        "123456789 1", "1234567890 1", "00012 7", "3;", "42 ", "0", "0x"}) {
    const LooseInt quick = readLooseInt(text), full = readLooseIntSlowly(text);
    EXPECT_EQ(quick.value, full.value) << "'" << text << "'";
    EXPECT_EQ(quick.whole, full.whole) << "'" << text << "'";
  }
}

TEST(TextLines, SplitsOnLfAndCrLf) {
  const auto lines = splitLines("a\r\nb\n\nc");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "a");
  EXPECT_EQ(lines[1], "b");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], "c");
  EXPECT_EQ(splitLines("x\r\n").size(), 1u);
  EXPECT_TRUE(splitLines("").empty());
  EXPECT_EQ(trimLine(" \t[cave] \r"), "[cave]");
}

}  // namespace
}  // namespace pyrovel
