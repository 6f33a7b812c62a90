#pragma once
// What only the real window can do for the graphics window core. The window class of the
// toolkit implements it; tests fake it.
#include "platform/canvas.h"

namespace kalo {

struct ClientSize {
  int width = 0;
  int height = 0;
};

class GraphHost {
 public:
  virtual ~GraphHost() = default;
  // The window paints again (by replaying the display list) when it next can.
  virtual void RequestRepaint() = 0;
  virtual void ShowWindow() = 0;
  virtual void SetWaitCursor(bool waiting) = 0;
  // Lets key, mouse and paint events that are waiting run now.
  virtual void ProcessPendingEvents() = 0;
  virtual ClientSize ClientArea() const = 0;
  // Draws on the shown picture at once, outside the recorded drawing (rubber band).
  virtual Canvas& DirectCanvas() = 0;
  virtual void Pause(int milliseconds) = 0;
};

}  // namespace kalo
