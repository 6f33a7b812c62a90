#include "dbase/dbf_memory_file.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string_view>

namespace kalo {
namespace {

// The library opens files only by name, so the name carries the address of the bytes:
// "dbfmem-<hex address>" (the library adds ".dbf"). Its companion files (".cpg") do not
// exist in memory.
constexpr std::string_view kNamePrefix = "dbfmem-";
constexpr std::string_view kTableExtension = ".dbf";

struct Cursor {
  std::string* bytes;
  std::size_t position;
};

Cursor* CursorOf(SAFile file) { return reinterpret_cast<Cursor*>(file); }

SAFile Open(const char* name, const char*) {
  std::string_view text(name);
  if (!text.starts_with(kNamePrefix) || !text.ends_with(kTableExtension)) return nullptr;
  text.remove_prefix(kNamePrefix.size());
  text.remove_suffix(kTableExtension.size());
  std::uintptr_t address = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), address, 16);
  if (error != std::errc() || end != text.data() + text.size() || address == 0) return nullptr;
  return reinterpret_cast<SAFile>(new Cursor{reinterpret_cast<std::string*>(address), 0});
}

SAOffset Read(void* target, SAOffset size, SAOffset count, SAFile file) {
  Cursor* cursor = CursorOf(file);
  if (size == 0 || cursor->position >= cursor->bytes->size()) return 0;
  SAOffset whole = std::min<SAOffset>(count, (cursor->bytes->size() - cursor->position) / size);
  std::memcpy(target, cursor->bytes->data() + cursor->position, whole * size);
  cursor->position += whole * size;
  return whole;
}

SAOffset Write(void* source, SAOffset size, SAOffset count, SAFile file) {
  Cursor* cursor = CursorOf(file);
  std::size_t length = size * count;
  if (cursor->bytes->size() < cursor->position + length) cursor->bytes->resize(cursor->position + length, '\0');
  std::memcpy(cursor->bytes->data() + cursor->position, source, length);
  cursor->position += length;
  return count;
}

SAOffset Seek(SAFile file, SAOffset offset, int whence) {
  Cursor* cursor = CursorOf(file);
  std::size_t base = whence == SEEK_CUR ? cursor->position : whence == SEEK_END ? cursor->bytes->size() : 0;
  cursor->position = base + offset;
  return 0;
}

SAOffset Tell(SAFile file) { return CursorOf(file)->position; }

int Flush(SAFile) { return 0; }

int Close(SAFile file) {
  delete CursorOf(file);
  return 0;
}

int Remove(const char*) { return 0; }

void Error(const char*) {}

double Atof(const char* text) { return std::strtod(text, nullptr); }

}  // namespace

DBFHandle OpenDbfInMemory(std::string& bytes) {
  SAHooks hooks{Open, Read, Write, Seek, Tell, Flush, Close, Remove, Error, Atof};
  char name[64];
  std::snprintf(name, sizeof name, "%.*s%jx", static_cast<int>(kNamePrefix.size()), kNamePrefix.data(),
                static_cast<std::uintmax_t>(reinterpret_cast<std::uintptr_t>(&bytes)));
  DBFHandle handle = DBFOpenLL(name, "rb+", &hooks);
  if (handle == nullptr) return nullptr;
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  DBFSetLastModifiedDate(handle, local.tm_year, local.tm_mon + 1, local.tm_mday);
  return handle;
}

}  // namespace kalo
