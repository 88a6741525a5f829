#pragma once
// The subcommands of prvl. Each takes its arguments (after the command
// name) and returns the process exit code.
#include <string>
#include <vector>

namespace pyrovel::cli {

using Args = std::vector<std::string>;

int cmdInfo(const Args& args);
int cmdConvert(const Args& args);
int cmdCompile(const Args& args);

}  // namespace pyrovel::cli
