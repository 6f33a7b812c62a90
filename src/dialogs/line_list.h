#pragma once
// The line list that choices and text screens are written into: 205 lines of at most 65
// characters (code page 850), numbered from 1.
#include <array>
#include <string>
#include <vector>

namespace kalo {

inline constexpr int kLineListSize = 205;
inline constexpr size_t kLineListWidth = 65;

class LineList {
 public:
  LineList() = default;
  // The texts as lines 1, 2, ... (texts beyond line 205 are dropped).
  explicit LineList(const std::vector<std::string>& texts);

  // Stores the text cut to 65 characters; a line number outside 1..205 is ignored.
  void Set(int line, const std::string& text);
  // Line 1..205; empty outside.
  const std::string& Line(int line) const;
  // Lines 1..n, n limited to 0..205.
  std::vector<std::string> First(int n) const;

 private:
  std::array<std::string, kLineListSize> lines_;
};

}  // namespace kalo
