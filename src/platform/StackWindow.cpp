#include "platform/StackWindow.h"

#include <QVBoxLayout>

#include "platform/Fonts.h"
#include "platform/StringGrid.h"
#include "platform/ToolMenu.h"
#include "platform/WeekGrid.h"
#include "platform/WindowKinds.h"

namespace kumo {

constexpr int RowHeight = 16;

StackWindow::StackWindow(const char* gridName, std::initializer_list<StackColumn> columns,
                         int helpContext)
    : QWidget(nullptr, ToolWindow) {
  setFont(GothicFont(12));
  setProperty("HelpContext", helpContext);

  grid_ = new StringGrid(this);
  grid_->setObjectName(gridName);
  grid_->SetColCount(static_cast<int>(columns.size()));
  grid_->SetRowCount(2);
  grid_->SetFixedRows(1);
  grid_->SetFixedCols(1);
  grid_->SetDefaultRowHeight(RowHeight);
  int col = 0;
  for (const StackColumn& column : columns) {
    grid_->SetColWidth(col, column.Width);
    grid_->SetCells(col, 0, QString::fromUtf8(column.Header));
    ++col;
  }
  grid_->OnDrawCell = [this](Canvas& canvas, int c, int r, const QRect& rect, CellState) {
    if (const std::optional<ColorRef> color = TextColor(c, r)) canvas.SetFontColor(*color);
    WriteCellText(canvas, rect, grid_->Cells(c, r));
  };
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(grid_);

  menu_ = AddToolMenu(*this, helpContext, {{"pmnClear", "クリア(&E)", [this] { ClearStack(); }}});
}

QString StackWindow::RowNumber(int row) {
  return QString::asprintf("%4d", row);
}

void StackWindow::WriteRow(int row, std::initializer_list<QString> texts) {
  grid_->SetCells(0, row, RowNumber(row));
  int col = 1;
  for (const QString& text : texts) grid_->SetCells(col++, row, text);
}

void StackWindow::EmptyRow(int row) {
  for (int col = 0; col < grid_->ColCount(); ++col) grid_->SetCells(col, row, QString());
}

void StackWindow::SelectRow(int row) {
  grid_->SetCurrent(grid_->Col(), row);
}

void StackWindow::RepaintCell(int col, int row) {
  const QRect rect = grid_->CellRect(col, row);
  if (!rect.isEmpty()) grid_->viewport()->update(rect);
}

}  // namespace kumo
