#include "platform/TextTable.h"

#include <QBrush>
#include <QColor>
#include <QListView>
#include <QPainter>
#include <algorithm>

namespace kumo {
namespace {

const QColor HeadingGrey(232, 232, 232);
// Light orange, which reads as a mark without colour vision too, beside the cell's own sign.
const QColor MarkTint(255, 214, 153);

}  // namespace

void TextTable::SetRows(QStringList headers, std::vector<TextRow> rows) {
  int columns = static_cast<int>(headers.size());
  for (const TextRow& row : rows) columns = std::max(columns, static_cast<int>(row.Cells.size()));
  if (headers != headers_ || columns != columns_) {
    beginResetModel();
    headers_ = std::move(headers);
    rows_ = std::move(rows);
    columns_ = columns;
    endResetModel();
    return;
  }
  // Only the rows between the unchanged ones at either end are told, so that the view repaints
  // no more than what changed.
  const auto oldSize = static_cast<int>(rows_.size());
  const auto newSize = static_cast<int>(rows.size());
  int head = 0;
  while (head < oldSize && head < newSize && rows_[head] == rows[head]) ++head;
  int tail = 0;
  while (tail < oldSize - head && tail < newSize - head &&
         rows_[oldSize - 1 - tail] == rows[newSize - 1 - tail]) {
    ++tail;
  }
  const int oldMiddle = oldSize - head - tail;
  const int newMiddle = newSize - head - tail;
  const int kept = std::min(oldMiddle, newMiddle);
  for (int r = head; r < head + kept; ++r) {
    if (rows_[r] == rows[r]) continue;
    rows_[r] = std::move(rows[r]);
    emit dataChanged(index(r, 0), index(r, columns_ - 1));
  }
  if (newMiddle > oldMiddle) {
    beginInsertRows({}, head + kept, head + newMiddle - 1);
    rows_.insert(rows_.begin() + head + kept, std::make_move_iterator(rows.begin() + head + kept),
                 std::make_move_iterator(rows.begin() + head + newMiddle));
    endInsertRows();
  } else if (oldMiddle > newMiddle) {
    beginRemoveRows({}, head + kept, head + oldMiddle - 1);
    rows_.erase(rows_.begin() + head + kept, rows_.begin() + head + oldMiddle);
    endRemoveRows();
  }
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

void TextTableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  const QVariant background = index.data(Qt::BackgroundRole);
  if (option.state & QStyle::State_Selected) {
    painter->fillRect(option.rect, option.palette.highlight());
  } else if (background.isValid()) {
    painter->fillRect(option.rect, background.value<QBrush>());
  }
  const QString text = index.data(Qt::DisplayRole).toString();
  if (text.isEmpty()) return;
  const QStaticText& laid = Laid(text, option.font);
  const QSizeF size = laid.size();
  constexpr int Margin = 3;
  const bool centred = index.data(Qt::TextAlignmentRole).isValid();
  const qreal x = centred ? option.rect.left() + (option.rect.width() - size.width()) / 2
                          : option.rect.left() + Margin;
  const qreal y = option.rect.top() + (option.rect.height() - size.height()) / 2;
  painter->save();
  painter->setClipRect(option.rect);
  painter->setFont(option.font);
  painter->setPen(option.palette.color(
      option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
  painter->drawStaticText(QPointF(x, y), laid);
  painter->restore();
}

const QStaticText& TextTableDelegate::Laid(const QString& text, const QFont& font) const {
  // Texts of rows long gone are let go of now and then.
  if (laid_.size() > 4096) laid_.clear();
  auto found = laid_.find(text);
  if (found == laid_.end()) {
    QStaticText laid(text);
    laid.setTextFormat(Qt::PlainText);
    laid.prepare(QTransform(), font);
    found = laid_.insert(text, laid);
  }
  return *found;
}

QListView* NewTextList(TextTable* model, const char* name) {
  auto* list = new QListView;
  list->setObjectName(name);
  list->setModel(model);
  list->setItemDelegate(new TextTableDelegate(list));
  list->setUniformItemSizes(true);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return list;
}

}  // namespace kumo
