#include "dbase/dbf_table.h"

#include <cctype>
#include <fstream>
#include <iterator>

#include "dbase/dbf_field_value.h"
#include "dbase/dbf_memo.h"
#include "dbase/dbf_table_image.h"
#include "platform/codepage.h"
#include "platform/paths.h"

namespace kalo {
namespace {

constexpr char kDeletedMark = '*';

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::ifstream in(NativePath(path), std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

// The library's view of the fields must be the checked one, or it would read elsewhere.
bool LibraryAgrees(DBFHandle handle, const DbfHeader& header) {
  if (DBFGetFieldCount(handle) != static_cast<int>(header.fields.size())) return false;
  for (std::size_t i = 0; i < header.fields.size(); ++i) {
    if (handle->panFieldOffset[i] != header.fields[i].offset || handle->panFieldSize[i] != header.fields[i].width) {
      return false;
    }
  }
  return handle->nRecordLength == header.recordLength && handle->nHeaderLength == header.headerLength;
}

}  // namespace

DbfTable::DbfTable() = default;
DbfTable::~DbfTable() = default;

bool DbfTable::Fail(int code, const std::string& text) const {
  errorCode_ = code;
  errorText_ = text;
  return false;
}

bool DbfTable::Succeed() const {
  errorCode_ = kDbfOk;
  errorText_.clear();
  return true;
}

bool DbfTable::CheckOpen() const { return IsOpen() || Fail(kDbfNotOpen, "Keine Tabelle offen"); }

bool DbfTable::CheckRecord() const {
  return CheckOpen() && (current_ > 0 || Fail(kDbfNoRecord, "Kein aktueller Datensatz"));
}

bool DbfTable::CheckField(int n) const {
  return CheckOpen() &&
         ((n >= 1 && n <= image_->FieldCount()) || Fail(kDbfNoField, "Feld fehlt in der Tabelle: Nr. " + std::to_string(n)));
}

bool DbfTable::Open(const std::string& path) {
  Close();
  auto image = std::make_unique<Image>();
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) {
    return Fail(kDbfCannotRead, "dBase-Tabelle nicht lesbar: " + path);
  }
  int code = kDbfOk;
  if (Outcome read = ReadDbfHeader(bytes, image->header, code); !read)
    return Fail(code, read.Message() + ": " + path);
  if (image->header.HasMemo()) {
    std::string memoPath = MemoFileOf(path);
    if (memoPath.empty()) return Fail(kDbfMemoMissing, "Memodatei (.dbt) fehlt zu " + path);
    if (!ReadWholeFile(memoPath, image->memo)) {
      return Fail(kDbfCannotRead, "dBase-Tabelle nicht lesbar: " + memoPath);
    }
  }
  if (!image->Load(std::move(bytes)) || !LibraryAgrees(image->handle, image->header)) {
    return Fail(kDbfDamaged, Oem("Tabelle beschädigt: ") + path);
  }
  image_ = std::move(image);
  path_ = path;
  hideDeleted_ = false;
  indexField_ = 0;
  RebuildOrder();
  First();
  return Succeed();
}

void DbfTable::Close() {
  image_.reset();
  path_.clear();
  current_ = 0;
  eof_ = bof_ = true;
  indexField_ = 0;
  order_.clear();
  orderPosition_.clear();
  view_.clear();
  viewPosition_.clear();
  Cancel();
}

bool DbfTable::IsOpen() const { return image_ != nullptr; }

int DbfTable::FieldCount() const { return IsOpen() ? image_->FieldCount() : 0; }

std::string DbfTable::FieldName(int n) const {
  return IsOpen() && n >= 1 && n <= image_->FieldCount() ? image_->Field(n).name : std::string();
}

int DbfTable::FieldIndex(const std::string& name) const {
  for (int n = 1; n <= FieldCount(); ++n) {
    if (SameName(image_->Field(n).name, TrimBlanks(name))) return n;
  }
  return 0;
}

int DbfTable::FieldWidth(int n) const { return FieldName(n).empty() ? 0 : image_->Field(n).width; }

int DbfTable::RecordCount() const { return IsOpen() ? image_->header.recordCount : 0; }

std::string_view DbfTable::Record(int record) const {
  const char* bytes = DBFReadTuple(image_->handle, record - 1);
  return bytes == nullptr ? std::string_view() : std::string_view(bytes, image_->header.recordLength);
}

std::string_view DbfTable::StoredField(int record, int n) const {
  if (editing_ && record == current_) return edits_[n - 1];
  const DbfField& field = image_->Field(n);
  return Record(record).substr(field.offset, field.width);
}

bool DbfTable::RecordShown(int record) const { return !hideDeleted_ || !RecordDeleted(record); }

// Navigation ------------------------------------------------------------------------------

int DbfTable::ShownFrom(int from, int step) const {
  for (int at = from; at >= 0 && at < static_cast<int>(order_.size()); at += step) {
    if (viewPosition_[order_[at]] > 0) return order_[at];
  }
  return 0;
}

void DbfTable::MoveTo(int record) {
  current_ = record;
  eof_ = bof_ = record == 0;
}

bool DbfTable::LeaveRecord() { return !editing_ || Post(); }

bool DbfTable::Go(int n) {
  if (!CheckOpen() || !LeaveRecord()) return false;
  if (n < 1 || n > RecordCount()) return Fail(kDbfNoRecord, "Datensatz fehlt: Nr. " + std::to_string(n));
  MoveTo(n);
  return Succeed();
}

void DbfTable::First() {
  if (!CheckOpen() || !LeaveRecord()) return;
  MoveTo(view_.empty() ? 0 : view_.front());
  Succeed();
}

void DbfTable::Last() {
  if (!CheckOpen() || !LeaveRecord()) return;
  MoveTo(view_.empty() ? 0 : view_.back());
  Succeed();
}

void DbfTable::Next() {
  if (!CheckOpen() || !LeaveRecord()) return;
  int next = current_ == 0 ? 0 : ShownFrom(orderPosition_[current_] + 1, 1);
  if (next == 0) {
    eof_ = true;
  } else {
    MoveTo(next);
  }
  Succeed();
}

void DbfTable::Prior() {
  if (!CheckOpen() || !LeaveRecord()) return;
  int prior = current_ == 0 ? 0 : ShownFrom(orderPosition_[current_] - 1, -1);
  if (prior == 0) {
    bof_ = true;
  } else {
    MoveTo(prior);
  }
  Succeed();
}

void DbfTable::SettleOnShownRecord() {
  if (current_ > RecordCount()) current_ = 0;
  if (current_ != 0 && viewPosition_[current_] > 0) return;
  int position = current_ == 0 ? 0 : orderPosition_[current_];
  int record = current_ == 0 ? 0 : ShownFrom(position, 1);
  if (record == 0) record = current_ == 0 ? 0 : ShownFrom(position, -1);
  if (record == 0 && !view_.empty()) record = view_.front();
  MoveTo(record);
}

int DbfTable::ViewPosition() const { return current_ == 0 || !IsOpen() ? 0 : viewPosition_[current_]; }

int DbfTable::ViewCount() const { return static_cast<int>(view_.size()); }

int DbfTable::ViewRecord(int p) const { return p >= 1 && p <= ViewCount() ? view_[p - 1] : 0; }

void DbfTable::SetHideDeleted(bool hide) {
  if (!CheckOpen() || !LeaveRecord()) return;
  hideDeleted_ = hide;
  RebuildOrder();
  SettleOnShownRecord();
  Succeed();
}

// Field values ----------------------------------------------------------------------------

std::string DbfTable::FieldText(int n) const { return CheckRecord() ? RecordFieldText(current_, n) : std::string(); }

std::string DbfTable::RecordFieldText(int record, int n) const {
  if (!CheckField(n)) return {};
  if (record < 1 || record > RecordCount()) {
    Fail(kDbfNoRecord, "Datensatz fehlt: Nr. " + std::to_string(record));
    return {};
  }
  Succeed();
  const DbfField& field = image_->Field(n);
  if (field.type == 'M') return AnsiToCp850(MemoText(image_->memo, StoredField(record, n)));
  return DecodeField(StoredField(record, n), field);
}

std::string DbfTable::FieldText(const std::string& name) const {
  int n = FieldIndex(name);
  if (n == 0) {
    Fail(kDbfNoField, "Feld fehlt in der Tabelle: " + name);
    return {};
  }
  return FieldText(n);
}

bool DbfTable::FieldBool(const std::string& name) const {
  int n = FieldIndex(name);
  if (n == 0) return Fail(kDbfNoField, "Feld fehlt in der Tabelle: " + name);
  return CheckRecord() && StoredTrue(StoredField(current_, n)) && Succeed();
}

bool DbfTable::SetFieldText(int n, const std::string& text) {
  if (!CheckField(n) || !CheckRecord()) return false;
  std::string stored;
  if (Outcome encoded = EncodeField(text, image_->Field(n), stored); !encoded)
    return Fail(image_->Field(n).type == 'M' ? kDbfMemoReadOnly : kDbfBadValue, encoded.Message());
  if (!editing_) {
    std::string_view record = Record(current_);
    edits_.clear();
    for (const DbfField& field : image_->header.fields) {
      edits_.emplace_back(record.substr(field.offset, field.width));
    }
    editing_ = true;
  }
  edits_[n - 1] = stored;
  return Succeed();
}

bool DbfTable::SetFieldText(const std::string& name, const std::string& text) {
  int n = FieldIndex(name);
  return n == 0 ? Fail(kDbfNoField, "Feld fehlt in der Tabelle: " + name) : SetFieldText(n, text);
}

bool DbfTable::SetFieldBool(const std::string& name, bool value) { return SetFieldText(name, value ? "T" : "F"); }

bool DbfTable::Post() {
  if (!editing_) return CheckOpen() && Succeed();
  std::vector<std::string> edits = std::move(edits_);
  editing_ = false;
  bool written = Change([&] {
    std::string_view record = Record(current_);
    for (int n = 1; n <= image_->FieldCount(); ++n) {
      const DbfField& field = image_->Field(n);
      if (record.substr(field.offset, field.width) != edits[n - 1]) {
        DBFWriteAttributeDirectly(image_->handle, current_ - 1, n - 1, edits[n - 1].data());
        record = Record(current_);
      }
    }
    return true;
  });
  if (!written) {
    edits_ = std::move(edits);
    editing_ = true;
    return false;
  }
  return Succeed();
}

void DbfTable::Cancel() {
  edits_.clear();
  editing_ = false;
}

bool DbfTable::Append() {
  if (!CheckOpen() || !LeaveRecord()) return false;
  int record = RecordCount() + 1;
  std::string blanks(image_->Field(1).width, ' ');
  if (!Change([&] { return DBFWriteAttributeDirectly(image_->handle, record - 1, 0, blanks.data()) != 0; })) {
    return false;
  }
  MoveTo(record);
  return Succeed();
}

bool DbfTable::Delete() {
  if (!CheckRecord() || !LeaveRecord()) return false;
  if (!Change([&] { return DBFMarkRecordDeleted(image_->handle, current_ - 1, 1) != 0; })) return false;
  SettleOnShownRecord();
  return Succeed();
}

bool DbfTable::IsDeleted() const { return CheckRecord() && RecordDeleted(current_); }

bool DbfTable::RecordDeleted(int record) const {
  if (!CheckOpen()) return false;
  std::string_view bytes = Record(record);
  return !bytes.empty() && bytes.front() == kDeletedMark;
}

}  // namespace kalo
