// Conversion between text and the Japanese code page the data files are written in.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace zarvelo::platform {

// The text in code page 932, or nothing when a character has no place in it.
std::optional<QByteArray> EncodeCp932(const QString& text);

// The text in code page 932 with "?" for each character that has no place in it.
QByteArray EncodeCp932Lossy(const QString& text);

// Bytes in code page 932 as text; a byte sequence that is not valid becomes U+FFFD.
QString DecodeCp932(const QByteArray& bytes);

}  // namespace zarvelo::platform
