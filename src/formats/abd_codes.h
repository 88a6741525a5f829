#pragma once
// ABD cave map characters -> object numbers.
namespace pyrovel {

inline constexpr int kAbdUnknown = -1;

// Characters the caves do not use give kAbdUnknown, which the reader asks about.
int abdCharToObject(char c);

}  // namespace pyrovel
