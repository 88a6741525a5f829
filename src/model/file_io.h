#pragma once
// Whole-file reads and atomic whole-file writes.
#include <string>

#include "model/bytes.h"

namespace pyrovel {

// Reads the whole file; throws LevelError naming the file when it cannot.
Bytes readFileBytes(const std::string& path);

// Reads at most n bytes from the start of the file (fewer when it is short).
Bytes readFileHead(const std::string& path, std::size_t n);

bool fileExists(const std::string& path);

// Writes the bytes to a temporary file beside the target, flushes it to disk
// and only then renames it over the target, so a failed save never destroys
// the file that was there.
void writeFileAtomically(const std::string& path, const Bytes& data);
void writeFileAtomically(const std::string& path, const std::string& text);

// The part after the last '/', and the extension from the last dot (dot
// included, empty when there is none) of that part.
std::string fileNamePart(const std::string& path);
std::string extensionOf(const std::string& path);

}  // namespace pyrovel
