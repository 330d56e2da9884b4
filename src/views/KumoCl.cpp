#include "views/KumoCl.h"

#include <QAction>
#include <string>

#include "document/ClassWeek.h"
#include "document/KumoHead.h"
#include "document/Options.h"
#include "platform/DocText.h"
#include "platform/Platform.h"
#include "platform/SpinButton.h"
#include "platform/StringGrid.h"
#include "platform/TypedKeys.h"
#include "platform/WeekGrid.h"
#include "platform/WindowFrame.h"
#include "views/TeacherChooser.h"

namespace kumo {
namespace {

struct Layout {
  int DayWidth;
  int GridWidth;
  int SpinLeft;
};
constexpr Layout Narrow{16, 122, 106};
constexpr Layout Wide{30, 192, 176};

}  // namespace

TfrmClass::TfrmClass(TKumData& doc, TClassLines& classes, Options& options, Platform& platform)
    : TfrmOneWeek(doc, options,
                  {.Name = "frmClass",
                   .Caption = "ｸﾗｽ時間割",
                   .Size = {136, 177},
                   .HelpContext = 6,
                   .GridName = "sgrClass",
                   .Hint = "クラスを変更する"},
                  {{"pmnView", "表示(&V)", [this] { pmnViewClick(); }},
                   {"pmnTeacher", "先生を選んで入力(&T)...\t/", [this] { pmnTeacherClick(); }}}),
      classes_(classes),
      platform_(platform) {
  chooser_ = new TeacherChooser(doc, this, [this](int line) { TeacherChosen(line); });
  Grid().OnKeyPress = [this](QChar& ch) { GridKeyPress(ch); };
  Grid().setToolTip(QStringLiteral("先生の番号を打つと、その先生の授業として入ります（/ で一覧）"));
}

int TfrmClass::ShownCount() const {
  return classes_.EntryCount;
}

const ClassEntry* TfrmClass::ShownEntry() const {
  const TClassLines& classes = classes_;
  if (ShownClass < 1 || ShownClass > classes.EntryCount) return nullptr;
  return &classes.Entries[ShownClass];
}

void TfrmClass::LayOut() {
  const Layout& layout = Letters == 1 ? Narrow : Wide;
  StringGrid& grid = Grid();
  grid.SetDefaultColWidth(layout.DayWidth);
  grid.SetColWidth(0, Narrow.DayWidth);
  grid.resize(grid.Zoomed(layout.GridWidth), grid.height());
  Spin().move(grid.Zoomed(layout.SpinLeft), Spin().y());
}

void TfrmClass::RenewView() {
  FitGrid();
  const TKumData& doc = doc_;
  const ClassEntry* entry = ShownEntry();
  LayOut();
  if (entry == nullptr) {
    shownGrade_ = 0;
    shownClassNo_ = 0;
    SetTitle(QString(), 0);
    // The window fits the grid, with the sizing frame on either side.
    Bounds outer = OuterBounds(*this);
    const Margins frame = FrameOf(*this);
    outer.Width = Grid().width() + frame.Left + frame.Right;
    SetOuterBounds(*this, outer);
    ClearPeriods();
    return;
  }
  shownGrade_ = entry->Grade;
  shownClassNo_ = entry->ClassNo;
  SetTitle(FromDocText(ClassTitle(doc, options_, *entry)), PieceColor(options_, entry->Grade));
  for (int p = 1; p <= PeriodCount; ++p) {
    const ClassPeriod at = ClassSubjectAt(doc, *entry, p);
    QString text = QStringLiteral("  ");
    if (at.Homeroom || at.Teacher != 0) {
      text = FromDocText(Letters == 1 ? doc.SubjectNames1()[at.Subject].View()
                                      : doc.SubjectNames2()[at.Subject].View());
    }
    SetPeriodText(p, text);
  }
  Grid().viewport()->update();
}

std::optional<TfrmOneWeek::PeriodLook> TfrmClass::LookOf(int period) const {
  const ClassEntry* entry = ShownEntry();
  if (entry == nullptr) return std::nullopt;
  const ClassPeriod at = ClassSubjectAt(doc_, *entry, period);
  const Options& options = options_;
  if (at.Homeroom) return PeriodLook{PieceColor(options, KindSubject)};
  if (at.Teacher != 0) {
    return PeriodLook{PieceColor(options, doc_.Line(at.Teacher).Grade), at.Teacher, false};
  }
  return PeriodLook{PieceColor(options, KindEmpty)};
}

void TfrmClass::DocumentChanged(const DocumentChange& change) {
  if (change.All || change.Lines) {
    if (ShownClass != 0) ShownClass = classes_.FindClass(shownGrade_, shownClassNo_);
    RenewView();
  } else if (change.Subjects || change.AnyCell()) {
    RenewView();
  }
}

void TfrmClass::GridKeyPress(QChar ch) {
  if (ch == QChar('\r')) {
    NextPeriod();
    return;
  }
  const QChar typed = HalfWidth(ch);
  if (typed == QChar('/')) {
    OpenChooser(QString());
  } else if (typed >= QChar('0') && typed <= QChar('9')) {
    OpenChooser(typed);
  }
}

void TfrmClass::GridKeyDown(int& key) {
  if (key != Qt::Key_Delete && key != Qt::Key_Backspace) return;
  key = 0;
  const ClassEntry* entry = ShownEntry();
  TKumData& doc = doc_;
  const int period = CurrentPeriod();
  const ClassPeriod at = entry != nullptr ? ClassSubjectAt(doc, *entry, period) : ClassPeriod{};
  const int line = at.Homeroom ? entry->HomeroomLine : at.Teacher;
  if (line == 0) {
    platform_.Beep();
    return;
  }
  doc.EraseRange({line, line, period, period}, doc.Cell(line, period).Has(Locked));
}

void TfrmClass::pmnTeacherClick() {
  OpenChooser(QString());
}

void TfrmClass::OpenChooser(const QString& typed) {
  if (ShownEntry() == nullptr || doc_.LineCount() == 0) {
    platform_.Beep();
    return;
  }
  // Beside the week, at the period's row, so that the week stays in sight.
  StringGrid& grid = Grid();
  const QRect cell = grid.CellRect(grid.Col(), grid.Row());
  chooser_->Open(grid.mapToGlobal(QPoint(grid.width(), cell.top())), CurrentPeriod(), typed);
}

void TfrmClass::TeacherChosen(int line) {
  Grid().setFocus();
  const ClassEntry* entry = ShownEntry();
  if (line == 0 || entry == nullptr) return;
  TKumData& doc = doc_;
  const int period = CurrentPeriod();
  if (doc.EnterClassAt(line, period, entry->Grade, entry->ClassNo, options_.AutoLocate) &&
      doc.CurLine() == line && doc.CurPeriod() == period) {
    NextPeriod();
  }
}

void TfrmClass::NextPeriod() {
  if (CurrentPeriod() < PeriodCount) GoToPeriod(CurrentPeriod() + 1);
}

void TfrmClass::pmnViewClick() {
  Letters = Letters == 1 ? 2 : 1;
  RenewView();
}

}  // namespace kumo
