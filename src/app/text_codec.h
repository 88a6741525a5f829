#pragma once
// Two kinds of text cross between the core and the window. Paths and
// messages are UTF-8. Texts inside level records (titles, authors, dates,
// descriptions, BDCFF lines) are 8-bit, as the game and the other games'
// files store them; the window shows and edits them as Latin-1, so every
// byte a file holds survives being shown, edited and saved again.
#include <QString>
#include <string>
#include <string_view>

namespace pyrovel::app {

inline QString fromStd(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

inline QString fromRecordText(std::string_view s) {
  return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

// Characters beyond Latin-1 become '?', as the 8-bit record cannot hold them.
inline std::string toRecordText(const QString& s) {
  const QByteArray bytes = s.toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace pyrovel::app
