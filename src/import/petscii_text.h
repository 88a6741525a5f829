#pragma once
// C64 names (PETSCII) as readable text, the way the C64 shows them: in its
// upper-case mode letters are 0x41..0x5A; names written in the other
// character set use 0xC1..0xDA (or 0x61..0x7A) for capitals and 0x41..0x5A
// for small letters.
#include <string>
#include <string_view>

namespace pyrovel {

// UTF-8 text: shifted spaces as spaces, the pound sign and arrows as
// themselves, control codes and graphics characters as '.'.
std::string petsciiToText(std::string_view stored);

// The same as 8-bit text for a level record (Latin-1): the pound sign is
// byte 0xA3, the arrows become '^' and '<', which Latin-1 lacks.
std::string petsciiToRecordText(std::string_view stored);

}  // namespace pyrovel
