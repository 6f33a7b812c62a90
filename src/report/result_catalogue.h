#pragma once
// Every input summary and result of the current body, grouped, each with a machine name,
// a label, a symbol and its unit: what the full results report and the JSON file show.
#include <string>
#include <vector>

namespace kalo {

struct Context;
struct SolidProperties;

// The key of the body's density among the input entries.
inline constexpr const char* kDensityEntryKey = "density_kg_per_dm3";

struct ResultEntry {
  std::string key;     // machine name, unit included where there is one ("Jx_kgm2")
  std::string label;   // report label in code page 850
  std::string symbol;  // report symbol
  std::string unit;    // report unit, empty for counts and flags
  long double value = 0;
};

struct ResultGroup {
  std::string key;      // "input", "section", "solid"
  std::string heading;  // report heading
  std::vector<ResultEntry> entries;
};

// The groups in report order; values in mm, mm², mm³, mm⁴, kg, kg·m² and degrees.
std::vector<ResultGroup> ResultCatalogue(const Context& context, const SolidProperties& solid);

// The solid of the current body with the configured arc model, with the element shares
// or (quicker) without them.
SolidProperties CurrentSolid(const Context& context, bool withElements = true);

}  // namespace kalo
