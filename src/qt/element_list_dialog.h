#pragma once
// The window of the element list: the lines of the contour, the warnings about it and
// the buttons. Each action button closes the window with its action.
#include <QDialog>

#include "edit/element_list_form.h"

class QListWidget;

namespace kalo {

class ElementListDialog : public QDialog {
  Q_OBJECT

 public:
  ElementListDialog(ElementListForm& form, bool plainLetters, QWidget* parent = nullptr);

 private:
  // The selected line and the action into the form, then the window closes.
  void Close(ElementListAction action);

  ElementListForm& form_;
  QListWidget* list_;
};

}  // namespace kalo
