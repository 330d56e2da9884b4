// The windows repaint only what a change touched, and write their labels from glyphs kept per
// text and style: after every kind of change, what they show must be what a full repaint shows.
#include <QGuiApplication>
#include <QScreen>
#include <functional>

#include "EditTableFixture.h"
#include "views/KumoCls.h"
#include "views/KumoHlSt.h"
#include "views/KumoStck.h"
#include "views/KumoTes.h"

namespace kumo::test {
namespace {

class Repaint : public EditTableTest {
 protected:
  // The grid's picture as the window shows it now, built up from the repaints so far.
  static QImage OnScreen(StringGrid& grid) {
    QWidget* view = grid.viewport();
    QWidget* window = view->window();
    const QRect area(view->mapTo(window, QPoint(0, 0)), view->size());
    return QGuiApplication::primaryScreen()
        ->grabWindow(window->winId())
        .toImage()
        .copy(area)
        .convertToFormat(QImage::Format_RGB32);
  }
  static QImage Repainted(StringGrid& grid) {
    return grid.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  // A window's activation comes as an event of its own, and the focus's repaint after it.
  static void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }
};

TEST_F(Repaint, EveryGridShowsAfterEachChangeWhatAFullRepaintShows) {
  FourTeachers();
  Put(1, 2, ClassPiece(1, 1));
  Put(1, 3, ClassPiece(1, 2, Locked));
  Put(2, 4, ClassPiece(1, 1));  // a clash for 1-1 carried to period 4
  Put(3, 2, SubjectPiece(3, Counted));
  Put(4, 5, ClassPiece(2, 1));
  Options& options = app_->options;
  options.OnStackView = options.CountedView = true;
  options.ClassesGrade = {true, true, false};
  options.TeachersGroup = 1;  // the grade-1 teachers
  Refresh();
  for (const char* view :
       {"mnuViewTeachers", "mnuViewClasses", "mnuViewStack", "mnuViewHoldingStack"}) {
    Trigger(view);
  }
  Settle();
  const struct {
    const char* change;
    std::function<void()> make;
  } changes[] = {
      {"1-1 lifted", [&] { MoveAt(1, 2); }},
      {"carried along the line", [&] { Key(Qt::Key_Right); }},
      {"onto the locked class", [&] { Key(Qt::Key_Right); }},
      {"to the clash", [&] { Key(Qt::Key_Right); }},
      {"put down, the clash lifted", [&] { Edit().sgrEditDblClick(); }},
      {"back: the piece returns in another style", [&] { Trigger("mnuEditBack"); }},
      {"forward again", [&] { Trigger("mnuEditForward"); }},
      {"the subject lifted and put back", [&] { MoveAt(3, 2), MoveAt(3, 2); }},
      {"to the head of the history", [&] { Trigger("mnuEditHome"); }},
      {"to its end", [&] { Trigger("mnuEditEnd"); }},
      {"the history full: the first steps' cells show as steps no more",
       [&] {
         {
           const TKumData::Batch batch(Doc());
           Doc().SetCursor(3, 2);
           while (Doc().HistoryPos() < MaxHistory - 1 || !Doc().Hand().Piece.IsEmpty()) {
             Doc().MovePiece({});
           }
         }
         Settle();
         MoveAt(3, 2), MoveAt(3, 2), MoveAt(3, 2), MoveAt(3, 2);
       }},
      {"another class in view", [&] { Cursor(4, 5); }},
      {"its lesson locked: only the look changes", [&] { Doc().SetFlags(Locked); }},
  };
  StringGrid* grids[] = {&Grid(),
                         &Edit().ViewGrid(),
                         &app_->frmTeachers->Grid(),
                         &app_->frmClasses->Grid(),
                         &app_->frmStack->Grid(),
                         &app_->frmHoldingStack->Grid()};
  for (const auto& c : changes) {
    c.make();
    Settle();
    for (StringGrid* grid : grids) {
      EXPECT_EQ(OnScreen(*grid), Repainted(*grid))
          << c.change << ": " << grid->objectName().toStdString();
    }
  }
}

}  // namespace
}  // namespace kumo::test
