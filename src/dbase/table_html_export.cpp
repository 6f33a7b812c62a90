#include "dbase/table_html_export.h"

#include "context/context.h"
#include "dbase/dbf_table.h"
#include "platform/codepage.h"

namespace kalo {

std::string HtmlText(const std::string& cp850) {
  std::string html;
  for (char c : Cp850ToAnsi(cp850)) {
    switch (c) {
      case '<': html += "&lt;"; break;
      case '>': html += "&gt;"; break;
      case '&': html += "&amp;"; break;
      case '"': html += "&quot;"; break;
      case '\'': html += "&#39;"; break;
      default: html += c;
    }
  }
  return html;
}

std::vector<std::string> TableHtmlLines(const DbfTable& table, const std::string& title, const std::string& stamp) {
  std::vector<std::string> lines = {
      "<HTML>",
      "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\"><title>" +
          HtmlText(title) + "</title></head>",
      "<BODY BGCOLOR=\"C0C0C0\">",
      "<P>" + HtmlText(std::string(kProgramName) + "V" + kProgramVersion) + "</P>",
      "<P>" + HtmlText(table.FileName()) + "</P>",
      "<P>" + HtmlText(stamp) + "</P>",
      "<HR>",
      "<TABLE BORDER = \"1\" WIDTH= \"100%\">",
  };
  std::string header = "<TR>";
  for (int n = 1; n <= table.FieldCount(); ++n) header += "<TD><CENTER>" + HtmlText(table.FieldName(n)) + "</CENTER></TD>";
  lines.push_back(header + "</TR>");
  for (int record = 1; record <= table.RecordCount(); ++record) {
    std::string row = "<TR>";
    for (int n = 1; n <= table.FieldCount(); ++n) row += "<TD>" + HtmlText(table.RecordFieldText(record, n)) + "</TD>";
    lines.push_back(row + "</TR>");
  }
  lines.insert(lines.end(), {"</TABLE>", "</BODY>", "</HTML>"});
  return lines;
}

}  // namespace kalo
