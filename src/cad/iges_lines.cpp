#include "cad/iges_lines.h"

#include <cstdio>

namespace kalo {
namespace {

std::string SequenceNumber(int number) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%07d", number);
  return digits;
}

std::string RightAligned(const std::string& text, size_t width) {
  return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

}  // namespace

std::vector<std::string> SplitIgesText(const std::string& text, size_t width) {
  std::vector<std::string> pieces;
  std::string rest = text;
  while (rest.size() > width) {
    size_t comma = rest.rfind(',', width - 2);
    size_t cut = comma == std::string::npos ? width : comma + 1;
    pieces.push_back(rest.substr(0, cut));
    rest.erase(0, cut);
  }
  pieces.push_back(rest);
  return pieces;
}

void IgesSection::AddLine(std::string text) {
  text.resize(kIgesTextColumns, ' ');
  lines_.push_back(text + letter_ + SequenceNumber(Count() + 1));
}

void IgesSection::AddText(const std::string& text) {
  for (const std::string& piece : SplitIgesText(text, kIgesTextColumns)) AddLine(piece);
}

int IgesSection::AddParameterGroup(const std::string& group, int directoryPointer) {
  std::vector<std::string> pieces = SplitIgesText(group, kIgesParameterColumns);
  for (std::string& piece : pieces) {
    piece.resize(kIgesParameterColumns, ' ');
    AddLine(piece + RightAligned(std::to_string(directoryPointer), kIgesTextColumns - kIgesParameterColumns));
  }
  return static_cast<int>(pieces.size());
}

void IgesSection::AddDirectoryLine(const std::array<std::string, 9>& fields) {
  std::string text;
  for (const std::string& field : fields) text += RightAligned(field.substr(0, 8), 8);
  AddLine(text);
}

std::string IgesTerminateLine(int startCount, int globalCount, int directoryCount, int parameterCount) {
  std::string text = "S" + SequenceNumber(startCount) + "G" + SequenceNumber(globalCount) + "D" +
                     SequenceNumber(directoryCount) + "P" + SequenceNumber(parameterCount);
  text.resize(kIgesTextColumns, ' ');
  return text + "T" + SequenceNumber(1);
}

}  // namespace kalo
