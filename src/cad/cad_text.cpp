#include "cad/cad_text.h"

#include <cstdio>

#include "cad/ascii_spelling.h"
#include "context/context.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

constexpr long double kDefaultWidthRatio = 0.7L;
constexpr size_t kLongFileName = 120;
constexpr size_t kFileNameHead = 57;
constexpr size_t kFileNameTail = 58;

std::string ClockTime(const DateTime& now) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", now.hour, now.minute, now.second);
  return text;
}

std::string DataFileFullName(const ProgramState& state) {
  if (state.currentFileName.empty()) return "";
  std::string name = NameInCp850(state.dataDirectory + state.currentFileName + "." + kDataFileExtension);
  if (name.size() <= kLongFileName) return name;
  return name.substr(0, kFileNameHead) + " ... " + name.substr(name.size() - kFileNameTail);
}

}  // namespace

std::string CadFileText(const std::string& cp850, CadTextMode mode, bool plainLetters) {
  if (mode == CadTextMode::WindowCodePage) return DisplayAnsi(cp850, plainLetters);
  if (mode == CadTextMode::PlainLetters) return SpellOutAscii(cp850);
  return cp850;
}

CadTextState TextStateFor(const Configuration& config, long double angle, long double height, long double width) {
  long double factor = config.cadTextWidthFactor == 0 ? 1.0L : config.cadTextWidthFactor;
  CadTextState state;
  state.height = height;
  state.rotation = angle;
  state.widthFactor = factor * (width == 0 || height == 0 ? kDefaultWidthRatio : width / height);
  state.oblique = config.cadTextAngle;
  return state;
}

std::string ScreenHeaderText(const Context& context) {
  DateTime now = context.clock.Now();
  return FormatDate(now, context.config.dateCode) + " " + ClockTime(now) + " - VORTANE " + kProgramName + " V" +
         kProgramVersion + " - " + DataFileFullName(context.state);
}

}  // namespace kalo
