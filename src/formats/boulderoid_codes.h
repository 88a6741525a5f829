#pragma once
// Boulderoid map characters -> object numbers.
namespace pyrovel {

// Any character not in the table gives 0 (Empty Space).
int boulderoidCharToObject(char c);

}  // namespace pyrovel
