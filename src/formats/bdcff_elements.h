#pragma once
// BDCFF element names to the game's objects: the one table for the words of
// [objects], of InitialFill / RandomFill and of a file's own [mapcodes],
// beside the map code tables (bdcff_codes.h). A name that has a standard
// one-character map code gives the object that code gives, so a cave comes
// out the same drawn by objects or by map; every object of the table has a
// code the BDCFF writer reads back (a one-character code, or a family that
// makes the writer use two characters) but the conveyor belts, whose cells
// the writer notes, so a BDCFF -> levelmap -> BDCFF round trip keeps every
// other cell.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pyrovel {

inline constexpr int kBdcffGrover = 15;   // what a name or code without an object becomes
inline constexpr int kBdcffDiamond = 13;  // DIAMOND, the Emerald

struct BdcffElement {
  std::string_view name;  // as GDash and the BDCFF documents spell it
  int object;
};

// The whole table, in the order it is written down.
std::span<const BdcffElement> bdcffElementTable();

// The object for an element name (compared without regard to case), or
// nothing when the game has no sensible object for it.
std::optional<int> bdcffElementObject(std::string_view name);
// The same, -1 for nothing.
int bdcffElementObjectOrNone(std::string_view name);

// The map codes in force for one file: the built-in code table with the
// file's own [mapcodes] entries over it.
class BdcffMapCodes {
 public:
  BdcffMapCodes();

  // Reads one line of a [mapcodes] section: "Length=1" or "Length=2"
  // (other values keep 1), or "c=ELEMENT" / "cc=ELEMENT" (a code of one or
  // two characters, spaces included). Anything else is ignored (comments).
  void readLine(std::string_view line);

  int length() const { return length_; }

  // What a code of the map gives. `element` is the file's element name
  // when the code is one of the file's own, else empty; an object of
  // kBdcffGrover with an empty `element` means the code is known nowhere.
  struct Lookup {
    int object;
    std::string_view element;
    bool known;  // false: the code or its element has no object
  };
  Lookup lookup(std::string_view code) const;
  // The objects of the first `count` codes of a map row (codes of the
  // file's length) into `out`: the quick way through a map, kBdcffGrover
  // exactly where a code has no object (lookup() says why). Returns how
  // many codes had none.
  std::size_t decodeRow(std::string_view row, std::size_t count, std::int32_t* out) const;

 private:
  struct Own {
    std::string element;
    int object;
    bool known;
  };
  int length_ = 1;
  std::vector<Own> own_;
  std::vector<std::int16_t> one_;  // 256 entries: index into own_, -1 for none
  std::vector<std::int16_t> two_;  // 65536 entries once a two-character code is defined
};

}  // namespace pyrovel
