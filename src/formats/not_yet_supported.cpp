// Levelset readers and writers that this build does not have yet. Each
// ends the operation with a clear error instead of silently doing nothing;
// a format's own file replaces its entry here when it lands.
#include "formats/levelset_io.h"
#include "model/editor_session.h"
#include "model/errors.h"

namespace pyrovel {

namespace {
[[noreturn]] void notYet(const std::string& path, const char* format) {
  throw LevelError(path, std::nullopt, std::nullopt,
                   std::string(format) + ": format not supported yet");
}
}  // namespace


}  // namespace pyrovel
