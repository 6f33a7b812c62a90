#pragma once
// The block files of the screen target: "$" + block name + ".dx$" in the temporary folder,
// holding a block's primitives as DXF entity records and a final EOF record.
#include <string>

namespace kalo {

struct Context;

std::string BlockFilePath(const Context& context, const std::string& name);
// The logo blocks "logo_1", "LOGO_2" and "LOGO_3" come from outside the program.
bool IsLogoBlock(const std::string& name);
// Deletes the block files the screen drawings wrote; the logo block files stay.
void DeleteBlockFiles(const Context& context);

}  // namespace kalo
