#pragma once
// What an open DbfTable holds: the table file's bytes, the library's handle on them, the
// checked header and the memo file. Shared by the table's source files only.
#include <string>
#include <utility>

#include "dbase/dbf_header.h"
#include "dbase/dbf_memory_file.h"
#include "dbase/dbf_table.h"
#include "platform/codepage.h"
#include "platform/file_replace.h"
#include "platform/write_errors.h"

namespace kalo {

struct DbfTable::Image {
  std::string bytes;
  std::string memo;
  DbfHeader header;
  DBFHandle handle = nullptr;

  Image() = default;
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;
  ~Image() { Release(); }

  void Release() {
    if (handle != nullptr) DBFClose(handle);
    handle = nullptr;
  }
  // Takes new file content and opens the library's handle on it.
  bool Load(std::string content) {
    Release();
    bytes = std::move(content);
    handle = OpenDbfInMemory(bytes);
    return handle != nullptr;
  }
  const DbfField& Field(int n) const { return header.fields[n - 1]; }
  int FieldCount() const { return static_cast<int>(header.fields.size()); }
};

template <typename Apply>
bool DbfTable::Change(Apply apply) {
  if (!CheckOpen()) return false;
  std::string before = image_->bytes;
  bool changed = apply();
  if (changed) {
    DBFUpdateHeader(image_->handle);
    int error = ReplaceFile(path_, image_->bytes);
    if (error != 0) {
      changed = Fail(kDbfCannotWrite, Oem("Änderung nicht geschrieben: ") + path_ + ": " + WriteErrorText(error));
    }
  }
  if (!changed) image_->Load(std::move(before));
  image_->header.recordCount = DBFGetRecordCount(image_->handle);
  RebuildOrder();
  return changed;
}

}  // namespace kalo
