#include "editing/SubjectChooser.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "document/KumoHead.h"
#include "editing/KumoEdit.h"
#include "platform/DocText.h"

namespace kumo {
namespace {

constexpr int ChoiceRole = Qt::UserRole;
constexpr int Width = 180;
constexpr int Height = 200;

}  // namespace

SubjectChooser::SubjectChooser(TKumData& doc, TfrmEdit& edit)
    : QFrame(&edit, Qt::Popup), doc_(doc), edit_(edit) {
  setObjectName(QStringLiteral("SubjectChooser"));
  setFrameStyle(QFrame::Box);
  resize(Width, Height);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(2, 2, 2, 2);
  edtName_ = new QLineEdit(this);
  edtName_->setObjectName(QStringLiteral("edtName"));
  lbxChoices_ = new QListWidget(this);
  lbxChoices_->setObjectName(QStringLiteral("lbxChoices"));
  column->addWidget(edtName_);
  column->addWidget(lbxChoices_);
  edtName_->installEventFilter(this);
  connect(edtName_, &QLineEdit::textChanged, this, &SubjectChooser::Narrow);
  connect(lbxChoices_, &QListWidget::itemActivated, this, [this] { Choose(); });
}

// Subject 0, the blank one, and unnamed entries are never offered, as in the palette.
void SubjectChooser::Fill() {
  const TKumData& doc = doc_;
  lbxChoices_->clear();
  auto add = [&](int row, int item, const QString& shown, const QString& names) {
    auto* entry = new QListWidgetItem(shown, lbxChoices_);
    entry->setData(ChoiceRole, QPoint(row, item));
    entry->setData(Qt::ToolTipRole, names);
  };
  for (int k = 1; k <= MaxSubject; ++k) {
    if (doc.SubjectNames1[k].View().empty()) continue;
    const QString four = FromDocText(doc.SubjectNames4[k].View());
    add(0, k, FromDocText(doc.SubjectNames1[k].View()) + "  " + four,
        FromDocText(doc.SubjectNames1[k].View()) + " " + FromDocText(doc.SubjectNames2[k].View()) +
            " " + four);
  }
  for (int k = 1; k <= MaxSymbol; ++k) {
    if (doc.Symbols[k].View().empty()) continue;
    const QString meaning = FromDocText(doc.SymbolMeanings[k].View());
    add(1, k, FromDocText(doc.Symbols[k].View()) + "  " + meaning,
        FromDocText(doc.Symbols[k].View()) + " " + meaning);
  }
}

void SubjectChooser::Open() {
  Fill();
  edtName_->clear();
  Narrow({});
  TfrmEdit& edit = edit_;
  StringGrid& grid = edit.EditGrid();
  const QRect cell = grid.CellRect(grid.Col(), grid.Row());
  move(grid.viewport()->mapToGlobal(cell.isEmpty() ? QPoint() : cell.bottomLeft()));
  show();
  edtName_->setFocus();
}

void SubjectChooser::Narrow(const QString& text) {
  const QString wanted = text.trimmed();
  QListWidgetItem* first = nullptr;
  for (int i = 0; i < lbxChoices_->count(); ++i) {
    QListWidgetItem* entry = lbxChoices_->item(i);
    const bool shown =
        entry->data(Qt::ToolTipRole).toString().contains(wanted, Qt::CaseInsensitive);
    entry->setHidden(!shown);
    if (shown && first == nullptr) first = entry;
  }
  lbxChoices_->setCurrentItem(first);
}

int SubjectChooser::ChoiceCount() const {
  int count = 0;
  for (int i = 0; i < lbxChoices_->count(); ++i) count += lbxChoices_->item(i)->isHidden() ? 0 : 1;
  return count;
}

void SubjectChooser::Choose() {
  const QListWidgetItem* entry = lbxChoices_->currentItem();
  hide();
  TfrmEdit& edit = edit_;
  edit.FocusTable();
  if (entry == nullptr || entry->isHidden()) return;
  const QPoint choice = entry->data(ChoiceRole).toPoint();
  TKumData& doc = doc_;
  if (!edit.Selection().SingleCell()) {
    doc.FillRange(edit.SelectedCells(), choice.x(), choice.y());
    return;
  }
  edit.EnterAndGoOn([&] { return doc.EnterSubject(choice.x(), choice.y()); });
}

// The line keeps the keyboard: Up and Down walk the list, Enter chooses, Escape closes.
bool SubjectChooser::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edtName_ || event->type() != QEvent::KeyPress)
    return QFrame::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    Choose();
    return true;
  }
  if (key == Qt::Key_Escape) {
    hide();
    edit_.FocusTable();
    return true;
  }
  if (key == Qt::Key_Up || key == Qt::Key_Down) {
    int row = lbxChoices_->currentRow();
    do {
      row += key == Qt::Key_Up ? -1 : 1;
    } while (row >= 0 && row < lbxChoices_->count() && lbxChoices_->item(row)->isHidden());
    if (row >= 0 && row < lbxChoices_->count()) lbxChoices_->setCurrentRow(row);
    return true;
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace kumo
