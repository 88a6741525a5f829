#pragma once
// BD4 version 2 text levels: two-character cell codes -> object numbers.
namespace pyrovel {

// The pair is compared exactly, letter case included; unknown pairs give 0.
int bd4V2CodeToObject(char first, char second);

}  // namespace pyrovel
