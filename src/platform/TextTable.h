// A read-only table of texts for the item views of the lists: rows replaced whole, heading rows
// on grey, and single cells marked by a tint.
#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QStaticText>
#include <QStringList>
#include <QStyledItemDelegate>
#include <vector>

class QListView;

namespace kumo {

struct TextRow {
  QStringList Cells;
  bool Heading = false;
  std::vector<bool> Marked;  // per cell; missing cells are not marked
  QString Hint;              // the tooltip of the row

  bool operator==(const TextRow&) const = default;
};

class TextTable : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  // Replaces the rows and the column headers. Rows that stay the same are not touched, so that
  // the view keeps its place and selection and repaints only what changed.
  void SetRows(QStringList headers, std::vector<TextRow> rows);
  const std::vector<TextRow>& Rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QStringList headers_;
  std::vector<TextRow> rows_;
  int columns_ = 0;
};

// A list of the table's first column, read-only, each row one line cut short rather than
// scrolled: a row growing longer then changes no scroll range, and the list repaints only it.
QListView* NewTextList(TextTable* model, const char* name);

// Paints a TextTable's cells: the background it gives, the text laid out once and kept, so that
// a list repainted after every move does not lay out its Japanese texts again each time.
class TextTableDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  const QStaticText& Laid(const QString& text, const QFont& font) const;

  mutable QHash<QString, QStaticText> laid_;
};

}  // namespace kumo
