#include "report/json_results.h"

#include <cstdio>

#include "calc/solid_properties.h"
#include "context/context.h"
#include "platform/codepage.h"
#include "report/foreign_solid_lines.h"
#include "report/result_catalogue.h"

namespace kalo {
namespace {

std::string Member(const std::string& key, const std::string& value) { return JsonString(key) + ": " + value; }

// "key": [a, b, ...] on one line.
template <class Items, class Format>
std::string ArrayMember(const std::string& key, const Items& items, Format format) {
  std::string line = JsonString(key) + ": [";
  for (size_t i = 0; i < items.size(); ++i) line += (i > 0 ? ", " : "") + format(items[i]);
  return line + "]";
}

// Members of one object, comma-separated, indented by 'indent'.
void AppendMembers(std::vector<std::string>& lines, const std::vector<std::string>& members, const std::string& indent) {
  for (size_t i = 0; i < members.size(); ++i) lines.push_back(indent + members[i] + (i + 1 < members.size() ? "," : ""));
}

std::string GroupMember(const ResultGroup& group) {
  std::string line = JsonString(group.key) + ": {";
  for (size_t i = 0; i < group.entries.size(); ++i)
    line += (i > 0 ? ", " : "") + Member(group.entries[i].key, JsonNumber(group.entries[i].value));
  return line + "}";
}

std::string DrawingMember(const DrawingTexts& texts) {
  return JsonString("drawing") + ": {" + Member("name", JsonString(texts.name)) + ", " +
         Member("name2", JsonString(texts.name2)) + ", " + Member("number", JsonString(texts.number)) + "}";
}

}  // namespace

std::string JsonString(const std::string& cp850) {
  std::string quoted = "\"";
  std::string utf8 = Cp850ToUtf8(cp850);
  for (size_t pos = 0; pos < utf8.size();) {
    unsigned char c = static_cast<unsigned char>(utf8[pos]);
    size_t length = Utf8SequenceLength(utf8, pos);
    char escape[8];
    if (length == 0) {
      // A byte of a file name that is no UTF-8: the lone surrogate that stands for it where
      // file names are decoded with "surrogateescape", so the name's bytes come back.
      std::snprintf(escape, sizeof escape, "\\u%04x", 0xDC00 + c);
      quoted += escape;
    } else if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += static_cast<char>(c);
    } else if (c < 0x20) {
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      quoted += escape;
    } else {
      quoted.append(utf8, pos, length);
    }
    pos += length == 0 ? 1 : length;
  }
  return quoted + "\"";
}

std::string JsonNumber(long double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", static_cast<double>(value));
  return text;
}

std::vector<std::string> JsonResultLines(const Context& context, const std::string& fileName) {
  bool calculated = !context.messages.Fatal() && !context.state.foreignSolid;
  std::vector<std::string> members = {
      Member("schema_version", std::to_string(kJsonSchemaVersion)),
      Member("program", JsonString(std::string(kProgramName) + " " + kProgramVersion)),
      Member("file", JsonString(FileNameText(fileName))),
      Member("ok", calculated ? "true" : "false"),
      DrawingMember(context.body.texts),
  };
  if (calculated) {
    SolidProperties solid = CurrentSolid(context);
    for (const ResultGroup& group : ResultCatalogue(context, solid)) members.push_back(GroupMember(group));
    members.push_back(ArrayMember("element_Jx_kgm2", solid.elementJx, JsonNumber));
  }
  if (context.state.foreignSolid) members.push_back(ForeignSolidJson(*context.state.foreignSolid, context.body.rho));
  std::vector<std::string> messages = context.state.importNotes;
  messages.insert(messages.end(), context.messages.Texts().begin(), context.messages.Texts().end());
  members.push_back(ArrayMember("messages", messages, JsonString));
  std::vector<std::string> lines = {"{"};
  AppendMembers(lines, members, "  ");
  lines.push_back("}");
  return lines;
}

}  // namespace kalo
