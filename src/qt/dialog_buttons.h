#pragma once
// The button row every dialog of the program shares: "OK" (Enter) and "Abbrechen" (Escape).
#include <QDialog>
#include <QDialogButtonBox>

namespace kalo {

QDialogButtonBox* OkCancelButtons(QDialog* dialog);

}  // namespace kalo
