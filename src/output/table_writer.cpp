#include "output/table_writer.h"

#include "output/line_layout.h"
#include "output/text_output.h"

namespace kalo {
namespace {

const std::string& CellOf(const std::vector<std::string>& cells, size_t column) {
  static const std::string kEmpty;
  return column < cells.size() ? cells[column] : kEmpty;
}

}  // namespace

TableWriter::TableWriter(TextOutput& output, const std::vector<std::string>& headers, const std::vector<int>& widths)
    : output_(output) {
  for (size_t i = 0; i < widths.size() && i < kMaxTableColumns && widths[i] > 0; ++i) {
    widths_.push_back(static_cast<size_t>(widths[i]));
    headers_.push_back(CellOf(headers, i).substr(0, kTableHeaderLength));
  }
  if (output_.IsTextTarget()) {
    output_.Separator(SeparatorKind::Thick);
    output_.Line(JoinedText(headers_));
    output_.Separator(SeparatorKind::Thick);
  } else if (output_.IsTabTarget()) {
    output_.Line(JoinedTabs(headers_));
  } else if (output_.IsHtmlTarget()) {
    output_.Markup("<TABLE BORDER = \"1\" WIDTH= \"100%\">");
    output_.Markup(HtmlRow(headers_, true));
  }
}

std::string TableWriter::JoinedText(const std::vector<std::string>& cells) const {
  std::string line;
  for (size_t i = 0; i < widths_.size(); ++i) line += FitToWidth(CellOf(cells, i), widths_[i]);
  return line + " ";
}

std::string TableWriter::JoinedTabs(const std::vector<std::string>& cells) const {
  std::string line;
  for (size_t i = 0; i < widths_.size(); ++i) line += (i > 0 ? "\t" : "") + CellOf(cells, i);
  return line;
}

std::string TableWriter::HtmlRow(const std::vector<std::string>& cells, bool header) const {
  std::string row = "<TR>";
  for (size_t i = 0; i < widths_.size(); ++i) {
    const std::string& cell = CellOf(cells, i);
    if (header)
      row += "<TD><CENTER>" + cell + "</CENTER></TD>";
    else if (i == 0)
      row += "<TD>" + cell + "</TD>";
    else
      row += "<TD><DIV ALIGN=RIGHT>" + cell + "</DIV></TD>";
  }
  return row + "</TR>";
}

void TableWriter::WriteRow(const std::vector<std::string>& cells) {
  if (output_.IsTextTarget()) {
    output_.Line(JoinedText(cells));
    if (rowSeparators_) output_.Separator(SeparatorKind::Thin);
  } else if (output_.IsTabTarget()) {
    output_.Line(JoinedTabs(cells));
  } else if (output_.IsHtmlTarget()) {
    output_.Markup(HtmlRow(cells, false));
  }
}

void TableWriter::Close() {
  if (output_.IsTextTarget() && !rowSeparators_) output_.Separator(SeparatorKind::Thin);
  if (output_.IsHtmlTarget()) output_.Markup("</TABLE>");
}

}  // namespace kalo
