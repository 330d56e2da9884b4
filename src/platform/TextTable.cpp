#include "platform/TextTable.h"

#include <QBrush>
#include <QColor>
#include <algorithm>

namespace kumo {
namespace {

const QColor HeadingGrey(232, 232, 232);
// Light orange, which reads as a mark without colour vision too, beside the cell's own sign.
const QColor MarkTint(255, 214, 153);

}  // namespace

void TextTable::SetRows(QStringList headers, std::vector<TextRow> rows) {
  if (headers == headers_ && rows == rows_) return;
  beginResetModel();
  headers_ = std::move(headers);
  rows_ = std::move(rows);
  columns_ = static_cast<int>(headers_.size());
  for (const TextRow& row : rows_)
    columns_ = std::max(columns_, static_cast<int>(row.Cells.size()));
  endResetModel();
}

int TextTable::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TextTable::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns_;
}

QVariant TextTable::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
  const TextRow& row = rows_[index.row()];
  const int col = index.column();
  const bool marked = col < static_cast<int>(row.Marked.size()) && row.Marked[col];
  switch (role) {
    case Qt::DisplayRole:
      return col < row.Cells.size() ? row.Cells[col] : QString();
    case Qt::ToolTipRole:
      return row.Hint.isEmpty() ? QVariant() : row.Hint;
    case Qt::BackgroundRole:
      if (row.Heading) return QBrush(HeadingGrey);
      if (marked) return QBrush(MarkTint);
      return {};
    case Qt::TextAlignmentRole:
      return col == 0 ? QVariant() : QVariant(Qt::AlignCenter);
    default:
      return {};
  }
}

QVariant TextTable::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  return section < headers_.size() ? headers_[section] : QString();
}

}  // namespace kumo
