#include "dbase/dbf_memo.h"

#include "numbers/number_format.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace kalo {
namespace {

constexpr std::size_t kBlockSize = 512;
constexpr char kEndMark = '\x1A';

}  // namespace

std::string MemoFileOf(const std::string& tablePath) {
  std::string name = FileNameOf(tablePath);
  std::size_t dot = name.rfind('.');
  std::string stem = DirectoryOf(tablePath) + (dot == std::string::npos ? name : name.substr(0, dot));
  for (const char* extension : {".dbt", ".DBT"}) {
    if (FileExists(stem + extension)) return stem + extension;
  }
  return {};
}

std::string MemoText(std::string_view memoFile, std::string_view stored) {
  long block = 0;
  if (!ParseInteger(std::string(stored), block) || block <= 0) return {};
  std::size_t start = static_cast<std::size_t>(block) * kBlockSize;
  if (start >= memoFile.size()) return {};
  std::string_view text = memoFile.substr(start);
  return std::string(text.substr(0, text.find(kEndMark)));
}

}  // namespace kalo
