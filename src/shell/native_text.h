// Paths and names between Qt's text and the engine's bytes, in the file
// system's own encoding, so that any name the dialogs return opens again.
#pragma once

#include <QFile>
#include <QString>
#include <string>
#include <string_view>

namespace yl::shell {

inline std::string ToNative(const QString& text) {
  return QFile::encodeName(text).toStdString();
}

inline QString FromNative(std::string_view bytes) {
  return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

}  // namespace yl::shell
