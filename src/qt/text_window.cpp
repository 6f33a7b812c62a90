#include "qt/text_window.h"

#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "qt/qt_text.h"
#include "qt/screen_fit.h"
#include "qt/text_printer.h"

namespace kalo {
namespace {

QAction* AddItem(QMenu* menu, const char* name, const char* caption) {
  QAction* action = menu->addAction(Labelled(caption));
  action->setObjectName(name);
  return action;
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const char* caption) {
  QMenu* menu = bar->addMenu(Labelled(caption));
  menu->setObjectName(name);
  return menu;
}

}  // namespace

TextWindow::TextWindow(TextWindowForm& form, PrintLines print, QWidget* parent)
    : QDialog(parent), form_(form), print_(std::move(print)) {
  setObjectName("TextWindow");
  setWindowTitle(Labelled(form.caption));
  setWindowFlag(Qt::WindowMaximizeButtonHint);
  memo_ = new QPlainTextEdit(FromUtf8(form.Memo1), this);
  memo_->setObjectName("Memo1");
  memo_->setReadOnly(true);
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setFont(QtFont(form.font));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(memo_);
  AddMenus();
  QSize wanted = sizeHint();
  if (std::optional<WindowRectangle> stored = form.StoredRectangle()) {
    move(stored->left, stored->top);
    wanted = QSize(stored->width, stored->height);
  }
  ResizeWithinScreen(*this, wanted);
}

void TextWindow::AddMenus() {
  auto* bar = new QMenuBar(this);
  layout()->setMenuBar(bar);
  QMenu* file = AddMenu(bar, "mi_datei", "&Datei");
  connect(AddItem(file, "mi_exportNotepad", "Export &Notepad"), &QAction::triggered, this,
          [this] { form_.mi_exportNotepadClick(); });
  connect(AddItem(file, "mi_drucken", "&Drucken..."), &QAction::triggered, this, [this] { print_(form_.lines); });
  connect(AddItem(file, "mi_beenden", "&Beenden       "), &QAction::triggered, this, &QDialog::accept);
  QMenu* edit = AddMenu(bar, "mi_bearbeiten", "&Bearbeiten");
  connect(AddItem(edit, "mi_allesAuswaehlen", "Alles aus&wählen"), &QAction::triggered, memo_,
          &QPlainTextEdit::selectAll);
  connect(AddItem(edit, "mi_kopieren", "&Kopieren"), &QAction::triggered, memo_, &QPlainTextEdit::copy);
}

void TextWindow::done(int result) {
  form_.FormClose({x(), y(), width(), height()});
  QDialog::done(result);
}

}  // namespace kalo
