#pragma once
// Reading the commands of an HP-GL plot file: two-letter mnemonics and their parameters,
// numbers separated by "," and ended by ";".
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalo {

inline constexpr int kEndOfFile = -1;
// Parameters beyond the plotter's range of +-2^30 units are held at it.
inline constexpr long double kLargestHpglValue = 1073741824.0L;

class HpglReader {
 public:
  explicit HpglReader(std::string_view bytes) : bytes_(bytes) {}

  // The next command's two letters in upper case, skipping blanks, line ends and ";";
  // none at the end of the file.
  std::optional<std::string> NextMnemonic();
  // The parameters up to the ";" that ends the command (or the end of the file). A parameter
  // is the text before its "," or ";", blanks and line ends skipped, and counts 0 when it is
  // not a number; an empty one before the ";" is no parameter. With dropPenLetters the
  // letters P and A are left out of the text.
  std::vector<long double> ReadParameters(bool dropPenLetters = false);
  // Skips the rest of the command up to and including its ";".
  void SkipCommand();
  // The next byte as it stands, kEndOfFile at the end.
  int Get() { return position_ < bytes_.size() ? static_cast<unsigned char>(bytes_[position_++]) : kEndOfFile; }
  bool AtEnd() const { return position_ >= bytes_.size(); }

 private:
  std::string_view bytes_;
  size_t position_ = 0;
};

// The number a parameter text stands for: 0 when it is none, held within the plotter's range.
long double HpglNumber(const std::string& text);

}  // namespace kalo
