#pragma once
// Tables of up to seven columns written through the text output channel in the form of
// its target: fixed-width text columns, tab-separated lines, or an HTML table.
#include <string>
#include <vector>

namespace kalo {

class TextOutput;

inline constexpr size_t kMaxTableColumns = 7;
inline constexpr size_t kTableHeaderLength = 60;

class TableWriter {
 public:
  // Takes the columns up to the first zero width (at most seven) and writes the header.
  TableWriter(TextOutput& output, const std::vector<std::string>& headers, const std::vector<int>& widths);

  // With row separators (the default) a thin separator follows every text row; without,
  // one thin separator closes the table.
  void SetRowSeparators(bool separators) { rowSeparators_ = separators; }
  // Cells beyond the last column are ignored.
  void WriteRow(const std::vector<std::string>& cells);
  void Close();

 private:
  std::string JoinedText(const std::vector<std::string>& cells) const;
  std::string JoinedTabs(const std::vector<std::string>& cells) const;
  // Header cells centred; in other rows all cells but the first right-aligned.
  std::string HtmlRow(const std::vector<std::string>& cells, bool header) const;

  TextOutput& output_;
  std::vector<std::string> headers_;
  std::vector<size_t> widths_;
  bool rowSeparators_ = true;
};

}  // namespace kalo
