#pragma once
// Starting the programs whole-process figures measure, from the bench
// program and from the small reference program beside it.
#include <cstddef>
#include <string>
#include <vector>

namespace pyrovel::bench {

// The folder the running program is in: prvl, prvl-editor, the reference
// program and the sprite set are there.
std::string programFolder();

std::string tempPath(const std::string& name);

// Starts a program with its output thrown away and waits for it; throws
// when it does not end with status 0. Returns its peak resident memory in
// bytes, which includes the starting process's when that is large (the
// kernel keeps the peak across exec): peakMemoryOf avoids that.
std::size_t spawnAndWait(const std::vector<std::string>& argv);

// The same, timed: nothing but the start and the wait.
void runProgram(const std::vector<std::string>& argv);

// A program's own peak memory: started from a fresh copy of the small
// reference program (--measure-peak).
std::size_t peakMemoryOf(const std::vector<std::string>& argv);

// The reference program, which does only a figure's input and output.
std::string referenceProgram();

}  // namespace pyrovel::bench
