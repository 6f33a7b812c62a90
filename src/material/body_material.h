#pragma once
// The material the body names by its record in the material table, for what the window
// and the reports show beside the density.
#include <optional>
#include <string>

#include "context/material_record.h"
#include "numbers/number_format.h"

namespace kalo {

struct Context;

// The material picked last when it is the body's record, else that record read from the
// installed material table without a word; none for a body without a material record, or
// when the table cannot be read or does not hold the record.
std::optional<MaterialRecord> BodyMaterial(const Context& context);

// "St 37-2 (Nr. 1.0037)": the material's name and number, blanks trimmed (code page 850);
// the number alone when the record has no name.
std::string MaterialNameAndNumber(const MaterialRecord& material);

// The status line's "Werkstoff St 37-2 (Nr. 1.0037), rho = 7,85 kg/dm3" with the body's
// density, which the user may have set apart from the table's.
std::string MaterialStatus(const MaterialRecord& material, long double density, const NumberFormat& format);

}  // namespace kalo
