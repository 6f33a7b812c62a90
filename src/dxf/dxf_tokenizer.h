#pragma once
// The group pairs of an ASCII DXF file: a line with the group code, then a line with its
// value. Lines end with LF or CR LF and may be of any length; of a longer line only the
// first kKeptLineLength bytes are kept, so memory never depends on what a line holds.
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace kalo {

inline constexpr size_t kKeptLineLength = 4096;

struct DxfGroup {
  int code = 0;
  // Without line end and surrounding blanks; valid until the next call of Next().
  std::string_view value;
  long line = 0;  // of the code line, counted from 1
};

class DxfTokenizer {
 public:
  // Reads from the file, which stays open and owned by the caller.
  explicit DxfTokenizer(std::FILE* file);

  enum class Token { Group, End, BadCode };
  // The next group pair. End at the end of the file (a code line without its value line
  // is a pair cut short and also ends the file); BadCode when a code line holds no whole
  // number, its line in group.line.
  Token Next(DxfGroup& group);
  // The first bytes of the file, before any Next().
  std::string_view Head(size_t length);
  // Whether anything but blanks and end-of-text characters is left to read.
  bool MoreThanBlanksLeft();

 private:
  bool Refill();
  bool ReadLine(std::string_view& line);
  void Keep(const char* bytes, size_t length);

  std::FILE* file_;
  std::vector<char> buffer_;
  size_t position_ = 0;
  size_t filled_ = 0;
  std::string kept_;  // a line that runs over the end of the buffer
  long lineNumber_ = 0;
};

// Leading and trailing blanks (spaces, tabs, CR) removed.
std::string_view TrimmedDxfText(std::string_view text);

}  // namespace kalo
