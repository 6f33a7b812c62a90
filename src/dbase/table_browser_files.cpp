// The table browser's file menu: the table leaves as HTML or delimited text, records come
// in from another table or from delimited text.
#include <cstdio>

#include "context/context.h"
#include "dbase/dbf_table.h"
#include "dbase/table_browser_form.h"
#include "dbase/table_html_export.h"
#include "dialogs/message_boxes.h"
#include "output/external_program.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace kalo {
namespace {

std::string TimeText(const DateTime& now) {
  char text[16];
  std::snprintf(text, sizeof text, "%d:%02d", now.hour, now.minute);
  return text;
}

// A chosen name without an extension gets the default one.
std::string WithExtension(const std::string& path, const std::string& extension) {
  return FileNameOf(path).find('.') == std::string::npos ? path + "." + extension : path;
}

}  // namespace

void TableBrowserForm::mi_exportHtmlClick() {
  std::string path = DirectoryOf(table_.FileName()) + BaseNameOf(table_.FileName()) + ".htm";
  if (!context_.ui.AskSaveFileName(DirectoryOf(path), "HTML files|*.HTM;*.HTML|All files|*.*", path)) return;
  if (!Checked(table_.Post())) return;
  std::string stamp = context_.Today() + " - " + TimeText(context_.clock.Now());
  if (Outcome written = WriteTextLines(path, TableHtmlLines(table_, FileNameOf(path), stamp)); !written) {
    ErrorBox(context_, "HTML-Datei nicht geschrieben: " + path + ": " + written.Message());
    return;
  }
  StartProgramWithFile(context_, context_.config.htmlBrowser, path);
}

void TableBrowserForm::mi_saveDelimitedClick() {
  std::string path;
  if (!context_.ui.AskSaveFileName(DirectoryOf(table_.FileName()), "txt|*.txt|All files|*.*", path)) return;
  Checked(table_.ExportDelimited(path));
}

void TableBrowserForm::mi_appendDbfClick() {
  std::string path;
  if (!Editable() || !context_.ui.AskOpenFileName(DirectoryOf(table_.FileName()), "*.dbf|*.dbf", path)) return;
  Checked(table_.AppendTable(WithExtension(path, "dbf")));
}

void TableBrowserForm::mi_appendDelimitedClick() {
  std::string path;
  if (!Editable() || !context_.ui.AskOpenFileName(DirectoryOf(table_.FileName()), "*.txt|*.txt", path)) return;
  Checked(table_.AppendDelimited(WithExtension(path, "txt")));
}

}  // namespace kalo
