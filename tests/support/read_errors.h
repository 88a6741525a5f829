#pragma once
// Reads that must fail: the error they end with, to check its file, level
// and offset.
#include <gtest/gtest.h>

#include "model/errors.h"

namespace pyrovel::testing {

template <typename Read>
LevelError errorOf(Read&& read) {
  try {
    read();
  } catch (const LevelError& e) {
    return e;
  }
  ADD_FAILURE() << "the read ended without an error";
  return LevelError("no error");
}

}  // namespace pyrovel::testing
