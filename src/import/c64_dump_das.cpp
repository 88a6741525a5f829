// Writing the converter's DAS text and handing it to the DAS reader.
#include "import/c64_dump_das.h"

#include "formats/levelset_io.h"
#include "formats/session_read.h"

namespace pyrovel {

void DasTextWriter::line(std::string_view text) {
  std::string& l = lines_.emplace_back();
  for (const char c : text) {
    if (c != '\r' && c != '\n') l += c;
  }
}

std::string DasTextWriter::text() const {
  std::string out;
  for (const std::string& l : lines_) {
    out += l;
    out += "\r\n";
  }
  return out;
}

void readDasText(EditorSession& session, std::string_view text, bool append) {
  const Bytes bytes(text.begin(), text.end());
  readIntoSession(session, readDasLevels, bytes, "C64 memory dump", append);
}

}  // namespace pyrovel
