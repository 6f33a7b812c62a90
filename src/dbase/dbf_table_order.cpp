// The order of a table's records (physical or by an index field), and the operations that
// walk it or rebuild it: search and pack.
#include <algorithm>
#include <numeric>

#include "dbase/dbf_field_value.h"
#include "dbase/dbf_table.h"
#include "dbase/dbf_table_image.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

constexpr char kDeletedMark = '*';
constexpr char kEndOfFile = '\x1A';

void PutDoubleWord(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
}

}  // namespace

void DbfTable::RebuildOrder() {
  int count = RecordCount();
  order_.resize(count);
  std::iota(order_.begin(), order_.end(), 1);
  if (indexField_ > 0) {
    const DbfField& field = image_->Field(indexField_);
    if (field.type == 'N' || field.type == 'F') {
      std::vector<double> keys(count + 1);
      for (int record = 1; record <= count; ++record) {
        keys[record] = StoredNumber(Record(record).substr(field.offset, field.width));
      }
      std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) { return keys[a] < keys[b]; });
    } else {
      std::vector<std::string> keys(count + 1);
      for (int record = 1; record <= count; ++record) {
        keys[record] = Record(record).substr(field.offset, field.width);
      }
      std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) { return keys[a] < keys[b]; });
    }
  }
  orderPosition_.assign(count + 1, 0);
  viewPosition_.assign(count + 1, 0);
  view_.clear();
  for (int at = 0; at < count; ++at) {
    orderPosition_[order_[at]] = at;
    if (RecordShown(order_[at])) {
      view_.push_back(order_[at]);
      viewPosition_[order_[at]] = static_cast<int>(view_.size());
    }
  }
}

bool DbfTable::CreateIndex(int n) {
  if (!CheckField(n) || !LeaveRecord()) return false;
  if (image_->Field(n).type == 'M') return Fail(kDbfBadValue, "Kein Index auf Memofeldern: " + image_->Field(n).name);
  indexField_ = n;
  RebuildOrder();
  return Succeed();
}

void DbfTable::ClearIndex() {
  if (!IsOpen()) return;
  indexField_ = 0;
  RebuildOrder();
}

bool DbfTable::Search(const std::string& text, bool fromNext) {
  if (!CheckOpen() || !LeaveRecord()) return false;
  std::string needle = FoldCase(Cp850ToAnsi(text));
  int start = fromNext && current_ > 0 ? orderPosition_[current_] + 1 : 0;
  if (!needle.empty()) {
    for (int at = start; at < static_cast<int>(order_.size()); ++at) {
      int record = order_[at];
      if (viewPosition_[record] == 0) continue;
      std::string folded = FoldCase(Record(record));
      std::string_view bytes(folded);
      for (const DbfField& field : image_->header.fields) {
        if (field.type != 'M' && bytes.substr(field.offset, field.width).find(needle) != std::string_view::npos) {
          MoveTo(record);
          return Succeed();
        }
      }
    }
  }
  return Fail(kDbfNoRecord, "Nicht gefunden: " + text);
}

bool DbfTable::Pack() {
  if (!CheckOpen() || !LeaveRecord()) return false;
  bool packed = Change([&] {
    const DbfHeader& header = image_->header;
    std::string bytes = image_->bytes.substr(0, header.headerLength);
    std::uint32_t kept = 0;
    for (int record = 1; record <= header.recordCount; ++record) {
      std::string_view data = Record(record);
      if (data.front() == kDeletedMark) continue;
      bytes.append(data);
      ++kept;
    }
    bytes += kEndOfFile;
    PutDoubleWord(bytes, 4, kept);
    image_->Load(std::move(bytes));
    return true;
  });
  if (!packed) return false;
  First();
  return Succeed();
}

}  // namespace kalo
