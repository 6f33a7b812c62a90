#pragma once
// The results of the current body as a JSON document for scripts: every input summary and
// result in full double precision, each element's share of Jx and the messages of the
// calculation. After a failed calculation the document holds the messages and no results.
#include <string>
#include <vector>

namespace kalo {

struct Context;

inline constexpr int kJsonSchemaVersion = 1;

// The document's lines (UTF-8); fileName is the data file as named by the caller.
std::vector<std::string> JsonResultLines(const Context& context, const std::string& fileName);

// A text as a JSON string: code page 850 converted to UTF-8, quoted and escaped.
std::string JsonString(const std::string& cp850);
// 17 significant digits, enough to read the same double back.
std::string JsonNumber(long double value);

}  // namespace kalo
