#pragma once
// The window of File → Import (DXF): the drawing previewed with the chosen contour and its
// axis, and the choices of loop, axis and unit to confirm or change before taking it.
// Texts are code page 850.
#include <functional>
#include <string>
#include <vector>

#include "geometry/plane_point.h"

namespace kalo {

struct DxfPreviewSegment {
  PlanePoint from, to;
};

class DxfImportForm {
 public:
  std::string caption = "DXF-Import";
  std::vector<std::string> loopItems;  // the contours offered, the likeliest first
  std::vector<std::string> axisItems{"Achse nach den Regeln", "x-Achse der Zeichnung (y = 0)",
                                     "y-Achse der Zeichnung (x = 0)"};
  std::vector<std::string> unitItems{"Einheit der Zeichnung", "mm", "Zoll", "m"};
  int loop = 0;   // index into loopItems
  int axis = 0;   // index into axisItems
  int units = 0;  // index into unitItems

  // The preview in the drawing's coordinates (mm): every curve as short lines, the chosen
  // loop over it, and its axis across the whole drawing.
  std::vector<DxfPreviewSegment> drawing;
  std::vector<DxfPreviewSegment> contour;
  DxfPreviewSegment axisLine;
  // What the rules decided for the chosen loop, or why nothing can be taken.
  std::vector<std::string> notes;
  bool canTake = false;

  // After a choice changed: the offers, the preview and the notes for the new choices.
  void Changed() {
    if (refresh_) refresh_(*this);
  }
  void SetRefresh(std::function<void(DxfImportForm&)> refresh) { refresh_ = std::move(refresh); }

 private:
  std::function<void(DxfImportForm&)> refresh_;
};

}  // namespace kalo
