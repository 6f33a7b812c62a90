#include "datafile/documentation_file.h"

#include <cctype>

#include "datafile/data_file_format.h"
#include "datafile/data_file_lines.h"
#include "platform/codepage.h"
#include "platform/paths.h"

namespace kalo {
namespace {

const std::string kListSeparator(20, '-');
const std::string kEntrySeparator(14, '-');
constexpr char kFieldEnd = '|';

// Line breaks ("\r\n" or "\n") of a description become "|" and back.
std::string DescriptionToLine(const std::string& description) {
  std::string line;
  for (size_t i = 0; i < description.size(); ++i) {
    if (description[i] == '\r' && i + 1 < description.size() && description[i + 1] == '\n') continue;
    line += (description[i] == '\n' || description[i] == '\r') ? kFieldEnd : description[i];
  }
  return line;
}

std::string LineToDescription(std::string line) {
  for (char& c : line)
    if (c == kFieldEnd) c = '\n';
  return line;
}

// Each field followed by "|".
std::string FieldLine(const std::vector<std::string>& fields) {
  std::string line;
  for (const std::string& field : fields) line += OneLine(field) + kFieldEnd;
  return line;
}

// The first count fields of a field line and the rest after them; false when the line
// has fewer fields.
bool SplitFields(const std::string& line, size_t count, std::vector<std::string>& fields, std::string& rest) {
  fields.clear();
  size_t start = 0;
  while (fields.size() < count) {
    size_t end = line.find(kFieldEnd, start);
    if (end == std::string::npos) return false;
    fields.push_back(line.substr(start, end - start));
    start = end + 1;
  }
  rest = line.substr(start);
  return true;
}

void AppendChanges(const std::vector<Change>& changes, std::vector<std::string>& lines) {
  lines.push_back(Oem("ÄNDERUNGEN"));
  lines.push_back(std::to_string(changes.size()));
  lines.push_back(kListSeparator);
  for (const Change& change : changes) {
    lines.push_back(OneLine(change.title));
    lines.push_back(OneLine(change.date));
    lines.push_back(OneLine(change.editor));
    lines.push_back(DescriptionToLine(change.description));
    lines.push_back(kEntrySeparator);
  }
}

void AppendInformation(const DrawingInformation& info, const NumberFormat& format, std::vector<std::string>& lines) {
  lines.push_back(FieldLine({info.inspected.date, info.inspected.name, info.standards.date, info.standards.name,
                             info.fourth.date, info.fourth.name, std::to_string(info.placedTexts.size()), ""}));
  lines.push_back(OneLine(info.drawn.date));
  lines.push_back(OneLine(info.replaces));
  lines.push_back(OneLine(info.replacedBy));
  lines.push_back(OneLine(info.drawn.name));
  for (const PlacedText& text : info.placedTexts)
    lines.push_back(FieldLine({FormatSignificant(text.x, format), FormatSignificant(text.y, format),
                               FormatSignificant(text.h, format), FormatSignificant(text.phi, format), text.text,
                               ""}));
}

void ReadChanges(DataFileLines& lines, std::vector<Change>& changes) {
  lines.Skip(1);
  long count = lines.Count(static_cast<long>(kMaxChanges));
  lines.Skip(1);
  changes.assign(static_cast<size_t>(count), Change{});
  for (Change& change : changes) {
    change.title = lines.Text();
    change.date = lines.Text();
    change.editor = lines.Text();
    change.description = LineToDescription(lines.Text());
    lines.Skip(1);
  }
}

// The Windows editor that older files name for every unused link means nothing here.
std::string ProgramOfStoredLink(const std::string& program) {
  std::string upper = TrimBlanks(program);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper == "NOTEPAD.EXE" ? DefaultDocumentProgram() : program;
}

const char* const kIncompleteLine = "unvollständige Zeile";

// "date|name|date|name|date|name|count||"; returns the number of placed texts.
long ReadSignatures(DataFileLines& lines, DrawingInformation& info) {
  std::vector<std::string> fields;
  std::string rest;
  std::string line = lines.Text();
  if (lines.Failed()) return 0;
  if (!SplitFields(line, 7, fields, rest)) {
    lines.Fail(Oem(kIncompleteLine));
    return 0;
  }
  info.inspected = {fields[0], fields[1]};
  info.standards = {fields[2], fields[3]};
  info.fourth = {fields[4], fields[5]};
  return lines.Whole(fields[6], static_cast<long>(kMaxPlacedTexts));
}

// "x|y|h|phi|text||": the text is everything between the fourth "|" and the final "||",
// so a "|" inside the text survives.
PlacedText ReadPlacedText(DataFileLines& lines) {
  PlacedText placed;
  std::vector<std::string> fields;
  std::string rest;
  std::string line = lines.Text();
  if (lines.Failed()) return placed;
  if (!SplitFields(line, 4, fields, rest) || rest.size() < 2 || rest.compare(rest.size() - 2, 2, "||") != 0) {
    lines.Fail(Oem(kIncompleteLine));
    return placed;
  }
  placed.x = lines.Number(fields[0]);
  placed.y = lines.Number(fields[1]);
  placed.h = lines.Number(fields[2]);
  placed.phi = lines.Number(fields[3]);
  placed.text = rest.substr(0, rest.size() - 2);
  return placed;
}

void ReadInformation(DataFileLines& lines, DrawingInformation& info) {
  long placedCount = ReadSignatures(lines, info);
  info.drawn.date = lines.Text();
  info.replaces = lines.Text();
  info.replacedBy = lines.Text();
  info.drawn.name = lines.Text();
  info.placedTexts.clear();
  for (long i = 0; i < placedCount && !lines.Failed(); ++i) info.placedTexts.push_back(ReadPlacedText(lines));
}

}  // namespace

void AppendDocumentationSection(const Documentation& documentation, const NumberFormat& format,
                                std::vector<std::string>& lines) {
  AppendChanges(documentation.changes, lines);
  AppendInformation(documentation.information, format, lines);
}

void AppendDocumentsSection(const Documentation& documentation, std::vector<std::string>& lines) {
  lines.push_back("Dokumente");
  lines.push_back(std::to_string(documentation.documents.size()));
  lines.push_back(kListSeparator);
  for (const LinkedDocument& document : documentation.documents) {
    lines.push_back(OneLine(document.program));
    lines.push_back(OneLine(document.file));
    lines.push_back(kEntrySeparator);
  }
}

void ReadDocumentationSection(DataFileLines& lines, Documentation& documentation) {
  ReadChanges(lines, documentation.changes);
  ReadInformation(lines, documentation.information);
}

void ReadDocumentsSection(DataFileLines& lines, Documentation& documentation) {
  lines.Skip(1);
  long count = lines.Count(static_cast<long>(kLinkedDocumentCount));
  lines.Skip(1);
  documentation.documents.fill(LinkedDocument{});
  for (long i = 0; i < count; ++i) {
    LinkedDocument& document = documentation.documents[static_cast<size_t>(i)];
    document.program = ProgramOfStoredLink(lines.Text());
    document.file = lines.Text();
    document.fromDataFile = true;
    lines.Skip(1);
  }
}

}  // namespace kalo
