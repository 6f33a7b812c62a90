#pragma once
// Input fields select their whole text when they get the focus, so that typing replaces the
// value shown instead of adding to it.
class QApplication;

namespace kalo {

// Every one-line input field of the application selects its text on focus from now on.
void SelectTextOnFocus(QApplication& application);

}  // namespace kalo
