#pragma once
// The 80-column line layout of an IGES file: text in columns 1..72 (parameter lines: text
// in 1..64 and the directory entry pointer in 65..72), the section letter in column 73 and
// the line's sequence number in 74..80.
#include <array>
#include <string>
#include <vector>

namespace kalo {

inline constexpr size_t kIgesTextColumns = 72;
inline constexpr size_t kIgesParameterColumns = 64;

// Cuts a text into pieces of at most `width` characters: each cut comes after the last ","
// among the first width - 1 characters, or after `width` characters when there is none.
std::vector<std::string> SplitIgesText(const std::string& text, size_t width);

// One section of the file with its own sequence numbers.
class IgesSection {
 public:
  explicit IgesSection(char letter) : letter_(letter) {}

  // Adds the text in as many lines as it needs (cut after commas as above).
  void AddText(const std::string& text);
  // Adds one parameter group; every line carries the entity's directory entry pointer.
  // Returns the number of lines added.
  int AddParameterGroup(const std::string& group, int directoryPointer);
  // Adds one directory entry line: nine fields, each right-aligned in 8 columns and cut to
  // its first 8 characters.
  void AddDirectoryLine(const std::array<std::string, 9>& fields);

  int Count() const { return static_cast<int>(lines_.size()); }
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  void AddLine(std::string text);

  char letter_;
  std::vector<std::string> lines_;
};

// "S0000002G0000005D0000002P0000001" and so on, then blanks, "T0000001".
std::string IgesTerminateLine(int startCount, int globalCount, int directoryCount, int parameterCount);

}  // namespace kalo
