// Writing the converter's DAS text.
#include "import/c64_dump_das.h"

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

}  // namespace pyrovel
