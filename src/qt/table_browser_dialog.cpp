#include "qt/table_browser_dialog.h"

#include <QBrush>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "dbase/dbf_table.h"
#include "qt/qt_text.h"

namespace kalo {

TableBrowserModel::TableBrowserModel(TableBrowserForm& form, bool plainLetters, QObject* parent)
    : QAbstractTableModel(parent), form_(form), plainLetters_(plainLetters) {}

int TableBrowserModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : form_.RowCount(); }

int TableBrowserModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : form_.ColumnCount();
}

QVariant TableBrowserModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole || role == Qt::EditRole) {
    return Shown(form_.Cell(index.row() + 1, index.column() + 1), plainLetters_);
  }
  if (role == Qt::ForegroundRole && form_.RowDeleted(index.row() + 1)) return QBrush(Qt::gray);
  return {};
}

QVariant TableBrowserModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) return Shown(form_.ColumnTitle(section + 1), plainLetters_);
  return form_.RowDeleted(section + 1) ? QString("*") : QString();
}

Qt::ItemFlags TableBrowserModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  return form_.Editable() ? flags | Qt::ItemIsEditable : flags;
}

bool TableBrowserModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid()) return false;
  bool taken = form_.CellEdited(index.row() + 1, index.column() + 1, Typed(value.toString()));
  Q_EMIT dataChanged(index, index);
  return taken;
}

void TableBrowserModel::Reload() {
  beginResetModel();
  endResetModel();
}

namespace {

QPushButton* Button(QWidget* parent, const char* name, const std::string& caption, bool plainLetters) {
  auto* button = new QPushButton(Shown(caption, plainLetters), parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TableBrowserDialog::TableBrowserDialog(TableBrowserForm& form, bool plainLetters, QWidget* parent)
    : QDialog(parent),
      form_(form),
      plainLetters_(plainLetters),
      model_(new TableBrowserModel(form, plainLetters, this)),
      grid_(new QTableView(this)),
      labelRecord_(new QLabel(this)),
      labelFile_(new QLabel(this)) {
  setObjectName("TableBrowserForm");
  setWindowTitle(Shown(form.caption, plainLetters));
  grid_->setObjectName("DBGrid1");
  grid_->setModel(model_);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setWordWrap(false);
  grid_->setEditTriggers(form.Editable() ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                               QAbstractItemView::AnyKeyPressed
                                         : QAbstractItemView::NoEditTriggers);
  QFontMetrics metrics(grid_->font());
  for (int column = 1; column <= form.ColumnCount(); ++column) {
    int characters = std::max<int>(form.ColumnWidth(column), static_cast<int>(form.ColumnTitle(column).size()));
    grid_->setColumnWidth(column - 1, metrics.horizontalAdvance('0') * (std::min(characters, 40) + 2));
  }
  labelRecord_->setObjectName("Label_record");
  labelFile_->setObjectName("Label_file");

  auto* layout = new QVBoxLayout(this);
  auto* bar = new QMenuBar(this);
  BuildMenus(bar);
  layout->setMenuBar(bar);
  auto* top = new QHBoxLayout;
  top->addWidget(BuildNavigator());
  top->addWidget(labelRecord_);
  top->addStretch();
  top->addWidget(labelFile_);
  layout->addLayout(top);
  layout->addWidget(grid_, 1);

  auto* buttons = new QHBoxLayout;
  QPushButton* ok = Button(this, "Button_ok", form.okCaption, plainLetters);
  ok->setDefault(true);
  QPushButton* cancel = Button(this, "Button_cancel", form.cancelCaption, plainLetters);
  QPushButton* search = Button(this, "Button_search", form.searchCaption, plainLetters);
  QPushButton* searchNext = Button(this, "Button_searchNext", form.searchNextCaption, plainLetters);
  for (QPushButton* button : {ok, cancel, search, searchNext}) buttons->addWidget(button);
  buttons->addStretch();
  layout->addLayout(buttons);

  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(search, &QPushButton::clicked, this, [this] { Run(&TableBrowserForm::SearchClick); });
  connect(searchNext, &QPushButton::clicked, this, [this] { Run(&TableBrowserForm::SearchNextClick); });
  connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
    form_.TitleClick(section + 1);
    Reload();
  });
  connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& index) {
    if (showing_ || !index.isValid()) return;
    bool posting = form_.Table().Modified();
    form_.CellClick(index.row() + 1, index.column() + 1);
    ShowForm();
    // A posted edit may move its record in the order: the grid is read again once the view
    // has finished moving its current cell.
    if (posting) QMetaObject::invokeMethod(this, &TableBrowserDialog::Reload, Qt::QueuedConnection);
  });
  grid_->horizontalHeader()->setSectionsClickable(true);
  resize(720, 420);
  ShowForm();
}

void TableBrowserDialog::BuildMenus(QMenuBar* bar) {
  auto item = [this](QMenu* menu, const char* name, const QString& caption, void (TableBrowserForm::*action)()) {
    QAction* added = menu->addAction(caption, this, [this, action] { Run(action); });
    added->setObjectName(name);
    return added;
  };
  auto own = [this](const std::string& cp850) { return Shown(cp850, plainLetters_); };
  bool editable = form_.Editable();

  QMenu* file = bar->addMenu(FromUtf8(form_.mi_file));
  file->setObjectName("mi_file");
  item(file, "mi_exportHtml", own(form_.mi_exportHtml), &TableBrowserForm::mi_exportHtmlClick);
  item(file, "mi_saveDelimited", own(form_.mi_saveDelimited), &TableBrowserForm::mi_saveDelimitedClick);
  item(file, "mi_appendDbf", own(form_.mi_appendDbf), &TableBrowserForm::mi_appendDbfClick)->setVisible(editable);
  item(file, "mi_appendDelimited", own(form_.mi_appendDelimited), &TableBrowserForm::mi_appendDelimitedClick)
      ->setVisible(editable);
  item(file, "mi_print", FromUtf8(form_.mi_print), &TableBrowserForm::mi_printClick);
  file->addAction(FromUtf8(form_.mi_exit), this, &QDialog::reject)->setObjectName("mi_exit");

  QMenu* edit = bar->addMenu(FromUtf8(form_.mi_edit));
  edit->setObjectName("mi_edit");
  edit->menuAction()->setVisible(editable);
  item(edit, "mi_append", own(form_.mi_append), &TableBrowserForm::mi_appendClick);
  QAction* pack = item(edit, "mi_pack", own(form_.mi_pack), &TableBrowserForm::mi_packClick);
  pack->setStatusTip(own(form_.mi_packHint));
  pack->setToolTip(own(form_.mi_packHint));

  QMenu* view = bar->addMenu(FromUtf8(form_.mi_view));
  view->setObjectName("mi_view");
  item(view, "mi_search", own(form_.searchCaption), &TableBrowserForm::SearchClick);
  item(view, "mi_searchNext", own(form_.searchNextCaption), &TableBrowserForm::SearchNextClick);

  QMenu* help = bar->addMenu(FromUtf8(form_.mi_help));
  help->setObjectName("mi_help");
  item(help, "mi_structure", own(form_.mi_structure), &TableBrowserForm::mi_structureClick);
  item(help, "mi_database", FromUtf8(form_.mi_database), &TableBrowserForm::mi_databaseClick);
  item(help, "mi_helpPicture", FromUtf8(form_.mi_helpPicture), &TableBrowserForm::mi_helpPictureClick);
  item(help, "mi_fileName", own(form_.mi_fileName), &TableBrowserForm::mi_fileClick);
}

QWidget* TableBrowserDialog::BuildNavigator() {
  auto* navigator = new QWidget(this);
  navigator->setObjectName("DBNavigator1");
  auto* row = new QHBoxLayout(navigator);
  row->setContentsMargins(0, 0, 0, 0);
  struct NavigatorButton {
    const char* name;
    const char* glyph;
    void (TableBrowserForm::*action)();
    bool always;
  };
  const NavigatorButton buttons[] = {
      {"nbFirst", "|<", &TableBrowserForm::FirstClick, true},     {"nbPrior", "<", &TableBrowserForm::PriorClick, true},
      {"nbNext", ">", &TableBrowserForm::NextClick, true},        {"nbLast", ">|", &TableBrowserForm::LastClick, true},
      {"nbInsert", "+", &TableBrowserForm::InsertClick, false},   {"nbDelete", "-", &TableBrowserForm::DeleteClick, false},
      {"nbPost", "\u2713", &TableBrowserForm::PostClick, false}, {"nbCancel", "\u2717", &TableBrowserForm::CancelClick, false},
  };
  for (const NavigatorButton& entry : buttons) {
    auto* button = new QToolButton(navigator);
    button->setObjectName(entry.name);
    button->setText(QString::fromUtf8(entry.glyph));
    button->setVisible(entry.always || form_.Editable());
    auto action = entry.action;
    connect(button, &QToolButton::clicked, this, [this, action] { Run(action); });
    row->addWidget(button);
  }
  return navigator;
}

void TableBrowserDialog::Run(void (TableBrowserForm::*action)()) {
  (form_.*action)();
  Reload();
}

void TableBrowserDialog::Reload() {
  model_->Reload();
  ShowForm();
}

void TableBrowserDialog::ShowForm() {
  showing_ = true;
  labelRecord_->setText(Shown(form_.recordCaption, plainLetters_));
  labelFile_->setText(Shown(form_.fileCaption, plainLetters_));
  int row = form_.CurrentRow();
  if (row > 0) grid_->setCurrentIndex(model_->index(row - 1, form_.CurrentColumn() - 1));
  showing_ = false;
}

void TableBrowserDialog::accept() {
  if (form_.OkClick()) QDialog::accept();
}

void TableBrowserDialog::reject() {
  form_.CancelButtonClick();
  QDialog::reject();
}

}  // namespace kalo
