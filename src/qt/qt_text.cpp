#include "qt/qt_text.h"

#include "platform/codepage.h"

namespace kalo {

QString Shown(const std::string& cp850, bool plainLetters) { return FromUtf8(DisplayUtf8(cp850, plainLetters)); }

QString FromUtf8(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }

std::string Typed(const QString& text) { return Utf8ToCp850(ToUtf8(text)); }

}  // namespace kalo
