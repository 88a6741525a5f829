#pragma once
// The DAS code table: C64 cell codes, written as decimal text, to objects.
#include <string_view>

namespace pyrovel {

// The text compared exactly with the known codes ("07" is not "7"). Text
// that is not a number gives -1; a number that is not a known code gives
// 15 (Grover).
int dasCodeToObject(std::string_view text);

}  // namespace pyrovel
