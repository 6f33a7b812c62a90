#pragma once
// The material table "wst1base.dbf" ("Werkstoff-Basisdaten"): opened for one command,
// shown in the table browser and closed again.
namespace kalo {

struct Context;

enum class MaterialTableMode { Editing = 0, Selection = 1 };

inline constexpr const char* kMaterialTableName = "wst1base";
inline constexpr int kMaterialTableHelpNumber = 9520;

// Opens the table (with the write tests of the table directory and a copy in the scratch
// folder where the original may not be changed), orders it by field 1 and shows it in the
// browser: for a selection at the material picked last, for editing at the first record.
// A selection confirmed with OK takes the chosen record into the context's material, its
// physical number into the body's remembered record and a density within 0.01..100 into
// the body. True when the browser was confirmed; false after a message or cancel (cancel
// flag set), with the body unchanged. The table is closed afterwards in every case.
bool OpenMaterialTable(Context& context, MaterialTableMode mode);

}  // namespace kalo
