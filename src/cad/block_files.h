#pragma once
// The block files of the screen target: "$" + block name + ".dx$", holding a block's
// primitives as DXF entity records and a final EOF record. The drawing's own blocks live in
// the run's private folder; the logo blocks are supplied by the user in the temporary folder.
#include <string>

namespace kalo {

struct Context;

// Where the block file of that name is: the temporary folder for a logo block, the private
// folder (made on first use) for any other; empty when there is no private folder.
std::string BlockFilePath(Context& context, const std::string& name);
// The logo blocks "logo_1", "LOGO_2" and "LOGO_3" come from outside the program.
bool IsLogoBlock(const std::string& name);
// Deletes the block files the screen drawings wrote in the private folder; the logo block
// files in the temporary folder are never touched.
void DeleteBlockFiles(const Context& context);

}  // namespace kalo
