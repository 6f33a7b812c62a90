#pragma once
// File → Import (DXF): the drawing with the chosen contour highlighted and its axis, and the
// choices of loop, axis and unit; every change is shown at once.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QWidget>

#include "edit/dxf_import_form.h"

namespace kalo {

// The drawing in grey, the contour in thick red, the axis as a blue dash-dot line, scaled to
// fit with the drawing's y upwards.
class DxfPreviewWidget : public QWidget {
 public:
  DxfPreviewWidget(const DxfImportForm& form, QWidget* parent);
  QSize sizeHint() const override { return {560, 360}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const DxfImportForm& form_;
};

class DxfImportDialog : public QDialog {
 public:
  DxfImportDialog(DxfImportForm& form, bool plainLetters, QWidget* parent = nullptr);

 private:
  void Changed();
  void Show();

  DxfImportForm& form_;
  bool plain_;
  DxfPreviewWidget* preview_;
  QComboBox* loops_;
  QComboBox* axes_;
  QComboBox* units_;
  QLabel* notes_;
  QPushButton* ok_ = nullptr;
};

}  // namespace kalo
