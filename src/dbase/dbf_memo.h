#pragma once
// Memo texts of a dBase III table, kept in its .dbt file in blocks of 512 bytes.
#include <string>
#include <string_view>

namespace kalo {

// The .dbt file that belongs to a table (".dbt" or ".DBT" beside it), or empty.
std::string MemoFileOf(const std::string& tablePath);
// The text a memo field refers to (stored: its block number), up to the end mark; empty
// for a blank field or a block outside the file.
std::string MemoText(std::string_view memoFile, std::string_view stored);

}  // namespace kalo
