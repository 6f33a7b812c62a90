#include "qt/dxf_import_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "qt/dialog_buttons.h"
#include "qt/qt_text.h"

namespace kalo {
namespace {

constexpr int kMargin = 12;

void Fill(QComboBox* box, const std::vector<std::string>& items, int index, bool plain) {
  QSignalBlocker blocker(box);
  box->clear();
  for (const std::string& item : items) box->addItem(Shown(item, plain));
  box->setCurrentIndex(index);
}

}  // namespace

DxfPreviewWidget::DxfPreviewWidget(const DxfImportForm& form, QWidget* parent) : QWidget(parent), form_(form) {
  setObjectName("preview");
  setMinimumSize(320, 200);
}

void DxfPreviewWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  long double xmin = std::numeric_limits<long double>::max(), ymin = xmin, xmax = -xmin, ymax = -xmin;
  for (const DxfPreviewSegment& s : form_.drawing)
    for (const PlanePoint& p : {s.from, s.to}) {
      xmin = std::min(xmin, p.x);
      xmax = std::max(xmax, p.x);
      ymin = std::min(ymin, p.y);
      ymax = std::max(ymax, p.y);
    }
  if (form_.drawing.empty()) return;
  long double scale = std::min((width() - 2 * kMargin) / std::max(xmax - xmin, 1e-9L),
                               (height() - 2 * kMargin) / std::max(ymax - ymin, 1e-9L));
  auto at = [&](const PlanePoint& p) {
    return QPointF(static_cast<double>(kMargin + (p.x - xmin) * scale),
                   static_cast<double>(height() - kMargin - (p.y - ymin) * scale));
  };
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::gray, 1));
  for (const DxfPreviewSegment& s : form_.drawing) painter.drawLine(at(s.from), at(s.to));
  painter.setPen(QPen(Qt::red, 3));
  for (const DxfPreviewSegment& s : form_.contour) painter.drawLine(at(s.from), at(s.to));
  if (!form_.canTake) return;
  painter.setClipRect(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin));
  painter.setPen(QPen(Qt::blue, 1, Qt::DashDotLine));
  painter.drawLine(at(form_.axisLine.from), at(form_.axisLine.to));
}

DxfImportDialog::DxfImportDialog(DxfImportForm& form, bool plainLetters, QWidget* parent)
    : QDialog(parent), form_(form), plain_(plainLetters) {
  setObjectName("DxfImportDialog");
  setWindowTitle(Shown(form.caption, plain_));
  auto* layout = new QVBoxLayout(this);
  preview_ = new DxfPreviewWidget(form_, this);
  layout->addWidget(preview_, 1);
  auto* choices = new QFormLayout;
  loops_ = new QComboBox(this);
  loops_->setObjectName("loops");
  axes_ = new QComboBox(this);
  axes_->setObjectName("axes");
  units_ = new QComboBox(this);
  units_->setObjectName("units");
  choices->addRow(Shown("Kontur", plain_), loops_);
  choices->addRow(Shown("Achse", plain_), axes_);
  choices->addRow(Shown("Einheit", plain_), units_);
  layout->addLayout(choices);
  notes_ = new QLabel(this);
  notes_->setObjectName("notes");
  notes_->setWordWrap(true);
  layout->addWidget(notes_);
  QDialogButtonBox* buttons = OkCancelButtons(this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  layout->addWidget(buttons);
  for (QComboBox* box : {loops_, axes_, units_})
    connect(box, &QComboBox::currentIndexChanged, this, [this] { Changed(); });
  Show();
}

void DxfImportDialog::Changed() {
  form_.loop = std::max(0, loops_->currentIndex());
  form_.axis = std::max(0, axes_->currentIndex());
  form_.units = std::max(0, units_->currentIndex());
  form_.Changed();
  Show();
}

void DxfImportDialog::Show() {
  Fill(loops_, form_.loopItems, form_.loop, plain_);
  Fill(axes_, form_.axisItems, form_.axis, plain_);
  Fill(units_, form_.unitItems, form_.units, plain_);
  std::string notes;
  for (const std::string& note : form_.notes) notes += (notes.empty() ? "" : "\n") + note;
  notes_->setText(Shown(notes, plain_));
  if (ok_) ok_->setEnabled(form_.canTake);
  preview_->update();
}

}  // namespace kalo
