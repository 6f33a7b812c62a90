#include "cad/dxf_records.h"

#include "numbers/number_format.h"

namespace kalo {
namespace {

const std::string* FindGroup(const DxfRecord& record, int code) {
  for (const auto& [groupCode, value] : record.groups)
    if (groupCode == code) return &value;
  return nullptr;
}

}  // namespace

bool DxfRecord::Has(int code) const { return FindGroup(*this, code) != nullptr; }

std::string DxfRecord::Text(int code) const {
  const std::string* value = FindGroup(*this, code);
  return value ? *value : std::string();
}

long double DxfRecord::Real(int code, long double fallback) const {
  const std::string* text = FindGroup(*this, code);
  long double value = 0;
  return text && ParseReal(*text, value) ? value : fallback;
}

std::vector<DxfRecord> ReadDxfRecords(const std::vector<std::string>& lines) {
  std::vector<DxfRecord> records;
  for (size_t i = 0; i + 1 < lines.size(); i += 2) {
    long code = 0;
    if (!ParseInteger(lines[i], code)) continue;
    const std::string& value = lines[i + 1];
    if (code == 0) {
      if (value == "EOF") break;
      records.push_back({value, {}});
    } else if (!records.empty()) {
      records.back().groups.emplace_back(static_cast<int>(code), value);
    }
  }
  return records;
}

}  // namespace kalo
