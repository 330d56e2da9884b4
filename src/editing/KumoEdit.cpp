#include "editing/KumoEdit.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QVBoxLayout>

#include "document/ClassWeek.h"
#include "document/KumoHead.h"
#include "document/Options.h"
#include "document/PieceLabel.h"
#include "editing/SubjectChooser.h"
#include "platform/DocText.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"

namespace kumo {

namespace {

// The summary grid has columns past the periods, so that it can scroll as far as the table.
constexpr int ViewCols = WeekCols + 4;
constexpr int CellSize = 16;
constexpr int NameWidth = 40;
constexpr int StripHeight = 38;
constexpr int SpacerWidth = 16;

StringGrid* MakeGrid(QWidget* parent, const char* name) {
  auto* grid = new StringGrid(parent);
  grid->setObjectName(QString::fromUtf8(name));
  return grid;
}

}  // namespace

TfrmEdit::TfrmEdit(TKumData& doc, TClassLines& classes, Options& options, Platform& platform,
                   MainCommands& main, WindowCommands& windows)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowMaximizeButtonHint),
      DocumentObserver(doc),
      doc_(doc),
      classes_(classes),
      options_(options),
      platform_(platform),
      main_(main),
      windows_(windows) {
  setWindowTitle(QStringLiteral("編集テーブル"));
  setFont(GothicFont(12));
  setProperty("HelpContext", 2);
  resize(451, 316);
  BuildGrids();
  BuildLocalMenu();
  BuildDrags();
  chooser_ = new SubjectChooser(doc_, *this);
  WriteHeaders();
}

void TfrmEdit::BuildGrids() {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  sgrEdit_ = MakeGrid(this, "sgrEdit");
  SetUpWeekGrid(*sgrEdit_);
  column->addWidget(sgrEdit_, 1);

  auto* panel1 = new QWidget(this);
  Panel1_ = panel1;
  panel1->setObjectName(QStringLiteral("Panel1"));
  panel1->setFixedHeight(StripHeight);
  auto* strip = new QHBoxLayout(panel1);
  strip->setContentsMargins(0, 0, 0, 0);
  strip->setSpacing(0);
  sgrView_ = MakeGrid(panel1, "sgrView");
  sgrView_->SetColCount(ViewCols);
  sgrView_->SetRowCount(2);
  sgrView_->SetFixedCols(HeaderCols);
  sgrView_->SetFixedRows(0);
  sgrView_->SetDefaultColWidth(CellSize);
  sgrView_->SetColWidth(1, NameWidth);
  sgrView_->SetDefaultRowHeight(CellSize);
  sgrView_->SetScrollBars(GridScrollBars::Vertical);
  sgrView_->SetRangeSelect(false);
  // The current cell stays in the class row, whose own drawing covers the selection colour.
  sgrView_->SetCurrent(HeaderCols, 0);
  strip->addWidget(sgrView_, 1);
  Panel2_ = new QWidget(panel1);
  Panel2_->setObjectName(QStringLiteral("Panel2"));
  Panel2_->setFixedWidth(SpacerWidth);
  Panel2_->setVisible(options_.ScrollVertical);
  strip->addWidget(Panel2_);
  column->addWidget(panel1);
  // However long the text, the window keeps its size and the table its layout.
  lblWhy_ = new TextLine(this);
  lblWhy_->setObjectName(QStringLiteral("lblWhy"));
  lblWhy_->setFixedHeight(CellSize + 2);
  column->addWidget(lblWhy_);
  sgrEdit_->installEventFilter(this);
  sgrEdit_->verticalScrollBar()->installEventFilter(this);
  // The summary follows the table sideways, column for column.
  connect(sgrEdit_->horizontalScrollBar(), &QScrollBar::valueChanged, this,
          [this] { sgrView_->SetLeftCol(sgrEdit_->LeftCol()); });

  sgrEdit_->OnClick = [this] { sgrEditClick(); };
  sgrEdit_->OnDblClick = [this] { sgrEditDblClick(); };
  sgrEdit_->OnMouseUp = [this](Qt::MouseButton button, const QPoint&) { sgrEditMouseUp(button); };
  sgrEdit_->OnKeyDown = [this](int& key, Qt::KeyboardModifiers m) { sgrEditKeyDown(key, m); };
  sgrEdit_->OnKeyPress = [this](QChar& ch) { sgrEditKeyPress(ch); };
  sgrEdit_->OnDrawCell = [this](Canvas& canvas, int col, int row, const QRect& rect,
                                CellState state) {
    sgrEditDrawCell(canvas, col, row, rect, state);
  };
  sgrView_->OnDrawCell = [this](Canvas& canvas, int col, int row, const QRect& rect,
                                CellState state) {
    sgrViewDrawCell(canvas, col, row, rect, state);
  };
}

void TfrmEdit::WriteHeaders() {
  sgrEdit_->SetCells(0, 1, QStringLiteral("教"));
  sgrEdit_->SetCells(1, 1, QStringLiteral("名　前"));
  sgrEdit_->SetCells(2, 1, QStringLiteral("担"));
  sgrEdit_->SetCells(3, 1, QStringLiteral("時"));
  sgrEdit_->SetCells(1, 0, QStringLiteral("[　]"));
}

void TfrmEdit::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  RedrawTable();
}

void TfrmEdit::closeEvent(QCloseEvent* event) {
  event->ignore();
}

CellRange TfrmEdit::SelectedCells() const {
  const GridRect range = Selection();
  return {LineOfRow(range.Top), LineOfRow(range.Bottom), PeriodOfCol(range.Left),
          PeriodOfCol(range.Right)};
}

void TfrmEdit::SetScrollBars(GridScrollBars bars) {
  sgrEdit_->SetScrollBars(bars);
  AlignSummary();
}

bool TfrmEdit::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::Resize || type == QEvent::Show || type == QEvent::Hide) AlignSummary();
  return QWidget::eventFilter(watched, event);
}

// The spacer beside the summary takes what the table's vertical scroll bar takes beyond the
// summary's own, so that both grids show the same width of columns.
void TfrmEdit::AlignSummary() {
  const int table = sgrEdit_->width() - sgrEdit_->viewport()->width();
  const int summary =
      sgrView_->verticalScrollBar()->isVisible() ? sgrView_->verticalScrollBar()->width() : 0;
  const int spacer = std::max(0, table - summary);
  Panel2_->setFixedWidth(spacer);
  Panel2_->setVisible(spacer > 0);
  sgrView_->SetLeftCol(sgrEdit_->LeftCol());
}

void TfrmEdit::FocusTable() {
  activateWindow();
  sgrEdit_->setFocus();
}

void TfrmEdit::RepaintCell(StringGrid& grid, int col, int row) {
  const QRect rect = grid.CellRect(col, row);
  // The header bands and the day lines reach one pixel past the cell.
  if (!rect.isEmpty()) grid.viewport()->update(rect.adjusted(-1, 0, 1, 1));
}

void TfrmEdit::WriteLessonCount(int line) {
  sgrEdit_->SetCells(3, RowOfLine(line), WeekLineText(doc_, options_, line, 3));
  RepaintCell(*sgrEdit_, 3, RowOfLine(line));
}

void TfrmEdit::WriteLine(int line) {
  for (int c = 0; c < WeekCols; ++c) {
    sgrEdit_->SetCells(c, RowOfLine(line), WeekLineText(doc_, options_, line, c));
  }
}

void TfrmEdit::RedrawTable() {
  const TKumData& doc = doc_;
  sgrEdit_->SetRowCount(std::max<int>(doc.LineCount(), 1) + HeaderRows);
  if (doc.LineCount() == 0) {
    for (int c = 0; c < WeekCols; ++c) sgrEdit_->SetCells(c, HeaderRows, QString());
  }
  SetPeriodWidths(*sgrEdit_, options_);
  SetPeriodWidths(*sgrView_, options_);
  // The summary's two rows keep showing whole at any zoom.
  Panel1_->setFixedHeight(sgrView_->Zoomed(StripHeight));
  for (int n = 1; n <= doc.LineCount(); ++n) WriteLine(n);
  ShowHand();
  SyncGridCursor();
  pmnSelfTeaching_->setVisible(options_.SelfTeaching);
  ShowClassRow();
  ShowClashRow();
  AlignSummary();
  // Fonts and colours follow the options and the history, not only the texts.
  sgrEdit_->viewport()->update();
  sgrView_->viewport()->update();
}

void TfrmEdit::RedrawCell(int line, int period) {
  const int col = ColOfPeriod(period);
  const int row = RowOfLine(line);
  sgrEdit_->SetCells(col, row, WeekLineText(doc_, options_, line, col));
  // Flags and the history change a cell's look even when its text stays.
  RepaintCell(*sgrEdit_, col, row);
}

void TfrmEdit::DocumentChanged(const DocumentChange& change) {
  const TKumData& doc = doc_;
  RenewAids(change);
  if (change.All || change.Lines || change.Subjects) {
    RedrawTable();
    return;
  }
  if (change.AnyCell()) {
    for (int n = 1; n <= doc.LineCount(); ++n) {
      if (!change.LineChanged(n)) continue;
      for (int p = 1; p <= PeriodCount; ++p) {
        if (change.Cell(n, p)) RedrawCell(n, p);
      }
      WriteLessonCount(n);
    }
  }
  if (change.Hand) ShowHand();
  if (change.Cursor) SyncGridCursor();
  if (change.AnyCell() || change.Hand || change.Cursor) {
    ShowClassRow();
    ShowClashRow();
  }
  // Flags and the history change how a period of the class and clash rows looks even where its
  // text stays.
  for (int p = 1; p <= PeriodCount; ++p) {
    if (!change.PeriodChanged(p)) continue;
    RepaintCell(*sgrView_, ColOfPeriod(p), 0);
    RepaintCell(*sgrView_, ColOfPeriod(p), 1);
  }
}

void TfrmEdit::sgrEditDblClick() {
  const Options& options = options_;
  doc_.MovePiece({true, options.AutoLocate, options.AutoExchange});
}

void TfrmEdit::ShowHand() {
  const TKumData& doc = doc_;
  const PeriodCell& hand = doc.Hand().Piece;
  const QString text =
      hand.IsEmpty() ? QStringLiteral("[  ]") : "[" + FromDocText(PieceLabel(doc, hand)) + "]";
  sgrEdit_->SetCells(1, 0, text);
  RepaintCell(*sgrEdit_, 1, 0);
  pmnErace_->setEnabled(hand.IsEmpty());
  // The clash row belongs to the piece in hand: a lifted class shows its clash at once, not
  // only once the cursor moves.
  ShowClashRow();
}

// The document's cursor stays as it is, even where the grid has no such cell (line 0 after the
// last line was cut). A grid already there keeps its range selected.
void TfrmEdit::SyncGridCursor() {
  const int col = ColOfPeriod(doc_.CurPeriod()), row = RowOfLine(doc_.CurLine());
  if (sgrEdit_->Col() == col && sgrEdit_->Row() == row) return;
  followingDocument_ = true;
  sgrEdit_->SetCurrent(col, row);
  followingDocument_ = false;
}

// The user's click moves the document's cursor; the class and clash rows follow its notice.
void TfrmEdit::sgrEditClick() {
  sgrView_->SetCurrent(sgrEdit_->Col(), sgrView_->Row());
  sgrView_->SetLeftCol(sgrEdit_->LeftCol());
  if (!followingDocument_) doc_.SetCursor(LineOfRow(sgrEdit_->Row()), PeriodOfCol(sgrEdit_->Col()));
}

void TfrmEdit::sgrEditMouseUp(Qt::MouseButton button) {
  if (button == Qt::LeftButton) KeepHandOnLine();
}

void TfrmEdit::KeepHandOnLine() {
  TKumData& doc = doc_;
  if (doc.Hand().Piece.IsEmpty() || !doc.IsLineInUse(doc.Hand().FromLine)) return;
  // A carried piece stays on its own line: a click into another row keeps only the period.
  doc.SetCursor(doc.Hand().FromLine, PeriodOfCol(sgrEdit_->Col()));
}

void TfrmEdit::ShowClassRow() {
  const TKumData& doc = doc_;
  const TClassLines& classes = classes_;
  const PeriodCell& hand = doc.Hand().Piece;
  const bool onTable = doc.CurLine() >= 1 && doc.CurLine() <= MaxLines &&
                       IsCellPlace(doc.CurLine(), doc.CurPeriod());
  const PeriodCell decider = hand.IsClass() ? hand
                             : onTable      ? doc.Cell(doc.CurLine(), doc.CurPeriod())
                                            : PeriodCell{};
  const Byte grade = ViewGrade;
  const Byte classNo = ViewClassNo;
  const Byte entry = ViewEntry;
  ViewGrade = decider.Kind;
  ViewClassNo = decider.Item;
  if (decider.IsClass()) ViewEntry = static_cast<Byte>(classes.FindClass(ViewGrade, ViewClassNo));
  // Both rows take their colours from the class in view: another one repaints them whole.
  if (ViewGrade != grade || ViewClassNo != classNo || ViewEntry != entry) {
    sgrView_->viewport()->update();
  }
  if (!decider.IsClass()) {
    for (int c = 0; c < ViewCols; ++c) sgrView_->SetCells(c, 0, QString());
    return;
  }
  if (ViewEntry == 0) return;
  // The document's notices keep the class index up to date.
  const ClassEntry& shown = classes.Entries[ViewEntry];
  const int home = shown.HomeroomLine;
  sgrView_->SetCells(0, 0, FromDocText(doc.ClassLabels()[shown.ClassNo].View()));
  sgrView_->SetCells(1, 0, home != 0 ? FromDocText(doc.Line(home).Name.View()) : QString());
  int count = 0;
  for (int p = 1; p <= PeriodCount; ++p) {
    const ClassPeriod at = ClassSubjectAt(doc, shown, p);
    if (at.Counted()) ++count;
    sgrView_->SetCells(ColOfPeriod(p), 0, FromDocText(doc.SubjectNames1()[at.Subject].View()));
  }
  sgrView_->SetCells(3, 0, LessonCountText(count));
}

void TfrmEdit::ShowClashRow() {
  const TKumData& doc = doc_;
  std::optional<int> clash;
  if (doc.Hand().Piece.IsClass()) clash = doc.FindHandClash();
  if (clash) ClashLine = static_cast<Byte>(*clash);
  for (int c = 0; c < WeekCols; ++c) {
    sgrView_->SetCells(c, 1, clash ? sgrEdit_->Cells(c, RowOfLine(*clash)) : QString());
  }
  // The row takes its colours from the line it copies.
  const int shown = clash.value_or(0);
  if (shown != shownClash_) sgrView_->RepaintRow(1);
  shownClash_ = shown;
}

}  // namespace kumo
