#include "datafile/data_file_lines.h"

#include "numbers/number_format.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

// The refused line in quotes, cut so that the message stays short.
std::string Quoted(const std::string& line) {
  constexpr size_t kShown = 30;
  return "\"" + line.substr(0, kShown) + (line.size() > kShown ? "..." : "") + "\"";
}

}  // namespace

bool DataFileLines::Next(std::string& line) {
  if (Failed()) return false;
  if (next_ >= lines_.size()) {
    errorLine_ = static_cast<int>(lines_.size()) + 1;
    error_ = "Datei endet vorzeitig";
    return false;
  }
  line = lines_[next_++];
  return true;
}

std::string DataFileLines::Text() {
  std::string line;
  return Next(line) ? line : std::string();
}

void DataFileLines::Skip(int count) {
  for (int i = 0; i < count; ++i) Text();
}

long double DataFileLines::Real() {
  std::string line;
  return Next(line) ? Number(line) : 0;
}

long double DataFileLines::RealWithin(long double minimum, long double maximum) {
  long double value = Real();
  if (!Failed() && (value < minimum || value > maximum)) Fail(Oem("Wert außerhalb des gültigen Bereichs"));
  return Failed() ? 0 : value;
}

long DataFileLines::Count(long maximum) {
  std::string line;
  return Next(line) ? Whole(line, maximum) : 0;
}

long double DataFileLines::Number(const std::string& text) {
  long double value = 0;
  if (!Failed() && !ParseReal(text, value)) Fail("keine Zahl: " + Quoted(text));
  return Failed() ? 0 : value;
}

long DataFileLines::Whole(const std::string& text, long maximum) {
  long value = 0;
  if (!Failed() && !ParseInteger(text, value)) Fail("keine ganze Zahl: " + Quoted(text));
  if (!Failed() && (value < 0 || value > maximum)) Fail(Oem("ungültige Anzahl ") + std::to_string(value));
  return Failed() ? 0 : value;
}

void DataFileLines::Fail(const std::string& reason) {
  if (Failed()) return;
  errorLine_ = static_cast<int>(next_);
  error_ = reason;
}

}  // namespace kalo
