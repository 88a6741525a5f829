#pragma once
// The levels the benchmarks work on, built the same way in every run.
#include <memory>
#include <string>

#include "model/levelmap.h"

namespace pyrovel::bench {

// Slot 1: a 128 x 128 level mixed like a real one, mostly dirt and rocks
// with every other object sprinkled in; the other slots empty.
std::unique_ptr<Levelmap> typicalLevel();

// 100 levels of 128 x 128 with both layers filled: the largest levelmap.
std::unique_ptr<Levelmap> fullLevelmap();

// `text` written as the file `name` in the temporary folder; its path.
std::string temporaryTextFile(const std::string& name, const std::string& text);

// A BDCFF file of 100 caves of 40 x 22 drawn the way real files draw them
// (keys kept in the memo, the C64 random fill and a dozen drawing commands
// each), written once into the temporary folder; its path.
const std::string& hundredObjectCavesFile();

}  // namespace pyrovel::bench
