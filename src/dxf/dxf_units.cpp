#include "dxf/dxf_units.h"

#include <iterator>

#include "dxf/dxf_drawing.h"
#include "numbers/number_format.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

struct UnitEntry {
  int code;  // of $INSUNITS
  const char* name;
  long double millimetres;
};

constexpr UnitEntry kUnits[] = {
    {1, "Zoll", 25.4L},           {2, "Fuß", 304.8L},         {3, "Meilen", 1609344.0L},
    {4, "Millimeter", 1.0L},      {5, "Zentimeter", 10.0L},   {6, "Meter", 1000.0L},
    {7, "Kilometer", 1e6L},       {8, "Mikrozoll", 2.54e-5L}, {9, "Mil", 0.0254L},
    {10, "Yard", 914.4L},         {11, "Ångström", 1e-7L},    {12, "Nanometer", 1e-6L},
    {13, "Mikrometer", 1e-3L},    {14, "Dezimeter", 100.0L},  {15, "Dekameter", 1e4L},
    {16, "Hektometer", 1e5L},     {21, "US-Fuß", 1200000.0L / 3937.0L},
};
constexpr int kMillimetreCode = 4, kInchCode = 1, kMetreCode = 6;

const UnitEntry* EntryOf(int code) {
  for (const UnitEntry& entry : kUnits)
    if (entry.code == code) return &entry;
  return nullptr;
}

std::string Factor(long double millimetres) { return FormatSignificant(millimetres, NumberFormat{}); }

}  // namespace

std::optional<DxfUnitChoice> DxfUnitChoiceOf(const std::string& text) {
  std::string key = DxfNameKey(text);
  if (key == "MM") return DxfUnitChoice::Millimetre;
  if (key == "IN") return DxfUnitChoice::Inch;
  if (key == "M") return DxfUnitChoice::Metre;
  return std::nullopt;
}

DxfUnit DrawingUnit(const DxfHeader& header, std::optional<DxfUnitChoice> stated) {
  if (stated) {
    int code = *stated == DxfUnitChoice::Inch ? kInchCode : *stated == DxfUnitChoice::Metre ? kMetreCode : kMillimetreCode;
    const UnitEntry* entry = EntryOf(code);
    return {entry->millimetres, Oem("Einheit der Zeichnung wie angegeben: ") + Oem(entry->name) +
                                    (code == kMillimetreCode ? "" : " (" + Factor(entry->millimetres) + " mm)"),
            true};
  }
  if (header.insUnits == kMillimetreCode) return {};
  if (const UnitEntry* entry = EntryOf(header.insUnits))
    return {entry->millimetres, Oem("Einheit der Zeichnung: ") + Oem(entry->name) + " ($INSUNITS " +
                                    std::to_string(entry->code) + "), in mm umgerechnet (" +
                                    Oem("× ") + Factor(entry->millimetres) + ")"};
  if (header.insUnits != 0)
    return {1, "Einheit der Zeichnung unbekannt ($INSUNITS " + std::to_string(header.insUnits) +
                   Oem("), als Millimeter gelesen; /UNITS=mm|in|m gibt sie an")};
  if (header.measurement == 0)
    return {1, Oem("Zeichnung ohne Einheit in englischen Maßen ($MEASUREMENT 0), als Millimeter gelesen; "
                   "/UNITS=in liest sie in Zoll")};
  return {};
}

}  // namespace kalo
