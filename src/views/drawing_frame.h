#pragma once
// The A4 drawing sheet: border, title block with signatures and change list, the
// protection notice in the left margin, the drawing information's texts and the logo.
// Millimetres on the sheet, origin at its lower left corner.
#include <string>

namespace kalo {

struct Context;

// Titles: the first and third large, the second smaller between them. Nothing when the
// cancel flag is set. Marks the run so that no logo blocks are inserted at its entities.
void DrawFrame(Context& context, const std::string& title1, const std::string& title2, const std::string& title3);
// The last eight changes of the change history in the title block.
void DrawChangeRows(Context& context);

}  // namespace kalo
