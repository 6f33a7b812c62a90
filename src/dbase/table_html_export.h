#pragma once
// A table as an HTML page: a heading with the program, the table's path and the moment of
// the export, then one table row per record with every field. Texts are escaped and the
// page is in the window code page (Windows-1252), which its head declares.
#include <string>
#include <vector>

namespace kalo {

class DbfTable;

// "<", ">", "&" and quotes of a code page 850 text as HTML entities, in Windows-1252.
std::string HtmlText(const std::string& cp850);

// The lines of the page; title is the page's file name, stamp the date and time text.
std::vector<std::string> TableHtmlLines(const DbfTable& table, const std::string& title, const std::string& stamp);

}  // namespace kalo
