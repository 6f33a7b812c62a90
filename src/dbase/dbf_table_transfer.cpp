// Records leaving the table as delimited text and coming in from delimited text or from
// another table. An append is written as a whole or not at all.
#include <vector>

#include "dbase/dbf_delimited.h"
#include "dbase/dbf_field_value.h"
#include "dbase/dbf_table.h"
#include "dbase/dbf_table_image.h"
#include "platform/codepage.h"
#include "platform/text_file.h"

namespace kalo {

bool DbfTable::ExportDelimited(const std::string& path) {
  if (!CheckOpen() || !LeaveRecord()) return false;
  std::vector<const DbfField*> fields;
  for (const DbfField& field : image_->header.fields) {
    if (field.type != 'M') fields.push_back(&field);
  }
  std::vector<std::string> lines;
  for (int record : view_) {
    std::string_view bytes = Record(record);
    std::vector<std::string_view> stored;
    for (const DbfField* field : fields) stored.push_back(bytes.substr(field->offset, field->width));
    lines.push_back(DelimitedLine(stored, fields));
  }
  if (Outcome written = WriteTextLines(path, lines); !written)
    return Fail(kDbfCannotWrite, "Exportdatei nicht geschrieben: " + path + ": " + written.Message());
  return Succeed();
}

namespace {

// New records as stored field values, all fields of each record.
using NewRecords = std::vector<std::vector<std::string>>;

// Writes the new records at the end of the table.
bool WriteNewRecords(DBFHandle handle, const NewRecords& records) {
  for (const std::vector<std::string>& record : records) {
    int entity = DBFGetRecordCount(handle);
    for (std::size_t field = 0; field < record.size(); ++field) {
      if (!DBFWriteAttributeDirectly(handle, entity, static_cast<int>(field), const_cast<char*>(record[field].c_str()))) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

bool DbfTable::AppendDelimited(const std::string& path) {
  if (!CheckOpen() || !LeaveRecord()) return false;
  std::vector<std::string> lines;
  if (Outcome read = ReadTextLines(path, lines); !read)
    return Fail(kDbfDelimitedUnreadable, "Importdatei nicht lesbar: " + path + ": " + read.Message());
  NewRecords records;
  for (std::size_t line = 0; line < lines.size(); ++line) {
    if (lines[line].empty()) continue;
    std::vector<std::string> values = SplitDelimitedLine(lines[line]);
    std::vector<std::string> record;
    std::size_t next = 0;
    for (const DbfField& field : image_->header.fields) {
      std::string stored(field.width, ' ');
      if (field.type != 'M' && next < values.size()) {
        Outcome encoded = EncodeField(AnsiToCp850(values[next++]), field, stored);
        if (!encoded) return Fail(kDbfBadValue, encoded.Message() + " (" + path + " Zeile " + std::to_string(line + 1) + ")");
      }
      record.push_back(stored);
    }
    records.push_back(record);
  }
  int first = RecordCount() + 1;
  if (!Change([&] { return WriteNewRecords(image_->handle, records); })) return false;
  if (!records.empty()) MoveTo(first);
  return Succeed();
}

bool DbfTable::AppendTable(const std::string& path) {
  if (!CheckOpen() || !LeaveRecord()) return false;
  DbfTable source;
  if (!source.Open(path)) return Fail(source.ErrorCode(), source.ErrorText());
  std::vector<int> sourceField;
  for (const DbfField& field : image_->header.fields) {
    sourceField.push_back(field.type == 'M' ? 0 : source.FieldIndex(field.name));
  }
  NewRecords records;
  for (int n = 1; n <= source.RecordCount(); ++n) {
    source.Go(n);
    if (source.IsDeleted()) continue;
    std::vector<std::string> record;
    for (std::size_t f = 0; f < sourceField.size(); ++f) {
      const DbfField& field = image_->header.fields[f];
      std::string stored(field.width, ' ');
      if (sourceField[f] > 0) {
        Outcome encoded = EncodeField(source.FieldText(sourceField[f]), field, stored);
        if (!encoded) return Fail(kDbfBadValue, encoded.Message() + " (" + path + " Satz " + std::to_string(n) + ")");
      }
      record.push_back(stored);
    }
    records.push_back(record);
  }
  int first = RecordCount() + 1;
  if (!Change([&] { return WriteNewRecords(image_->handle, records); })) return false;
  if (!records.empty()) MoveTo(first);
  return Succeed();
}

}  // namespace kalo
