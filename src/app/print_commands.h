#pragma once
// File → "&Drucken...": the print dialog "Ausdruck", then the graphics window printed.

namespace kalo {

struct Context;
class GraphWindow;

// Opens the print dialog (unless "Graphic Printout Dialog Box ?" is off) and prints the
// window's picture as confirmed; cancel sets the cancel flag and prints nothing.
void FilePrint(Context& context, GraphWindow& window);
// Prints the window's picture with the run's print settings; with fit, the whole picture
// stretched over the window first. A printer that cannot start is reported and sets the
// cancel flag.
void PrintGraphicsWindow(Context& context, GraphWindow& window, bool fit);

}  // namespace kalo
