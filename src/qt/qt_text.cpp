#include "qt/qt_text.h"

#include "platform/codepage.h"

namespace kalo {

QString Shown(const std::string& cp850, bool plainLetters) { return FromUtf8(DisplayUtf8(cp850, plainLetters)); }

QString ShownWhole(const std::string& cp850, bool plainLetters) {
  // Below the length at which one conversion gives nothing; code page 850 has one byte a
  // character, so the pieces never split one.
  constexpr size_t kPiece = 200;
  QString shown;
  for (size_t start = 0; start < cp850.size(); start += kPiece) shown += Shown(cp850.substr(start, kPiece), plainLetters);
  return shown;
}

QString FromUtf8(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }

std::string Typed(const QString& text) { return Utf8ToCp850(ToUtf8(text)); }

}  // namespace kalo
