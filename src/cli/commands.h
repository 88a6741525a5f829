#pragma once
// The subcommands of prvl. Each takes its arguments (after the command
// name) and returns the process exit code.
#include <string>
#include <vector>

#include "render/sprite_strip.h"

namespace pyrovel::cli {

using Args = std::vector<std::string>;

int cmdInfo(const Args& args);
int cmdConvert(const Args& args);
int cmdCompile(const Args& args);
int cmdRender(const Args& args);
int cmdSprites(const Args& args);
int cmdImport(const Args& args);
int cmdDisk(const Args& args);
int cmdRes(const Args& args);
int cmdC64(const Args& args);
int cmdCheck(const Args& args);

// The sprite strip for a command: the library given with --iml (its object
// table beside it, ".bam" for its last four characters) or else
// Emerald.iml and Emerald.bam beside prvl, or in the installed share folder.
SpriteStrip loadCliSprites(const std::string& imlOption);

}  // namespace pyrovel::cli
