#pragma once
// The commands of the View and CAD menus, and the refresh of the current view after a
// command changed the input.

#include "model/view_number.h"

namespace kalo {

struct Context;

// The view on the screen drawn again for the changed body; when the screen shows none, the
// view of the configured result graphic ("egal" shows the drawing sheet unless the help
// level is 0).
void RefreshView(Context& context);
// View Standard (kind 1) and View Auszug (kind 2); a failed calculation shows the message
// summary instead.
void ViewReport(Context& context, int kind);
// View Alle Ergebnisse: the Auszug report followed by every input summary and result.
void ViewFullReport(Context& context);
// View Grafik, Tabelle and Zeichnung: the view on the screen.
void ViewOnScreen(Context& context, ViewNumber view);
// CAD Grafik, Polylinie, Tabelle and Zeichnung: the view on the CAD target the user chooses.
void ViewOnCadTarget(Context& context, ViewNumber view);
// The collected messages with cause and remedy on the screen, or the summary of a failed
// calculation, or the news that there are none.
void ViewErrorMessages(Context& context);

}  // namespace kalo
