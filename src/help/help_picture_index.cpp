#include "help/help_picture_index.h"

#include "context/context.h"
#include "platform/shipped_files.h"

namespace kalo {
namespace {

constexpr const char* kLineEnd = "\r\n";

bool IsBlank(const std::string& line) { return line.find_first_not_of(" \t\r\n") == std::string::npos; }

// A field from its opening quotation mark to the next quotation mark or line end; position
// moves past its closing quotation mark.
std::string ReadField(const std::string& line, size_t& position, bool& damaged) {
  if (position < line.size() && line[position] == '"')
    ++position;
  else
    damaged = true;
  size_t end = line.find_first_of("\"\r\n", position);
  if (end == std::string::npos) end = line.size();
  std::string field = line.substr(position, end - position);
  position = end < line.size() && line[end] == '"' ? end + 1 : end;
  return field;
}

std::vector<std::string> LinesWithTheirEnds(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    end = end == std::string::npos ? bytes.size() : end + 1;
    lines.push_back(bytes.substr(start, end - start));
    start = end;
  }
  return lines;
}

// A quotation mark inside a field would end it early.
std::string FieldText(const std::string& text, size_t length) {
  std::string field = text.substr(0, length);
  std::erase(field, '"');
  return field;
}

}  // namespace

HelpPictureIndex::HelpPictureIndex(const std::string& bytes) : lines_(LinesWithTheirEnds(bytes)) { Read(); }

void HelpPictureIndex::Read() {
  damaged_ = false;
  entries_.clear();
  entryLines_.clear();
  for (size_t i = 0; i < lines_.size() && entries_.size() < kMaxHelpPictures; ++i) {
    const std::string& line = lines_[i];
    if (IsBlank(line)) continue;
    size_t position = 0;
    HelpPictureEntry entry;
    entry.name = ReadField(line, position, damaged_);
    if (position < line.size() && line[position] == ',') ++position;
    entry.information = ReadField(line, position, damaged_);
    entries_.push_back(entry);
    entryLines_.push_back(i);
  }
}

void HelpPictureIndex::Append(const HelpPictureEntry& entry) {
  if (!lines_.empty() && lines_.back().back() != '\n') lines_.back() += kLineEnd;
  lines_.push_back(IndexLine(entry) + kLineEnd);
  Read();
}

void HelpPictureIndex::Insert(size_t before, const HelpPictureEntry& entry) {
  if (before >= entries_.size()) return Append(entry);
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(entryLines_[before]), IndexLine(entry) + kLineEnd);
  Read();
}

void HelpPictureIndex::Change(size_t index, const HelpPictureEntry& entry) {
  if (index >= entries_.size()) return;
  std::string& line = lines_[entryLines_[index]];
  size_t end = line.find_first_of("\r\n");
  line = IndexLine(entry) + (end == std::string::npos ? std::string() : line.substr(end));
  Read();
}

void HelpPictureIndex::Delete(size_t index) {
  if (index >= entries_.size()) return;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(entryLines_[index]));
  Read();
}

std::string HelpPictureIndex::Bytes() const {
  std::string bytes;
  for (const std::string& line : lines_) bytes += line;
  return bytes;
}

std::string IndexLine(const HelpPictureEntry& entry) {
  return "\"" + FieldText(entry.name, kPictureNameLength) + "\",\"" +
         FieldText(entry.information, kPictureInformationLength) + "\"";
}

std::string HelpPictureIndexPath(const Context& context) {
  return ShippedFilePath(context.config.pltDirectory, std::string(kShortName) + ".dbh");
}

}  // namespace kalo
