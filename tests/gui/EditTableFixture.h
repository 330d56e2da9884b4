// The running program with a timetable built in memory, and the edit table driven as a user
// drives it: cells clicked, keys pressed, the grid rendered to an image.
#pragma once

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <string>

#include "AppFixture.h"
#include "document/PieceLabel.h"
#include "platform/DocText.h"
#include "platform/StringGrid.h"

namespace kumo::test {

constexpr PeriodCell ClassPiece(int grade, int classNo, Byte flags = 0) {
  return {static_cast<Byte>(grade), static_cast<Byte>(classNo), 0, flags};
}
constexpr PeriodCell SubjectPiece(int subject, Byte flags = 0) {
  return {KindSubject, static_cast<Byte>(subject), 0, flags};
}

class EditTableTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    // A returning user's start: the first start arranges the windows anew once their frames are
    // known, at a moment that depends on the machine's speed.
    dir_.Write("Kumo.Ini", "");
    Start();
    platform_.Reset();
  }

  TKumData& Doc() { return app_->doc; }
  TfrmEdit& Edit() { return *app_->frmEdit; }
  StringGrid& Grid() { return Edit().EditGrid(); }

  // A teacher line of a grade with its homeroom class (0: none) and subject.
  void AddLine(const char* name, int grade, int homeroom, int subject = 1) {
    TeacherLine line{};
    line.Grade = static_cast<Byte>(grade);
    line.Homeroom = static_cast<Byte>(homeroom);
    line.Subject = static_cast<Byte>(subject);
    line.Name.Assign(name);
    Doc().AddLine(line);
  }
  void Put(int line, int period, PeriodCell piece) { test::Put(Doc(), line, period, piece); }
  void Hold(const HeldPiece& piece) { test::Hold(Doc(), dir_.File("built.kmt"), piece); }
  // What a freshly opened timetable gets: the class index and every view rebuilt.
  void Refresh() {
    app_->classes.BuildClassList();
    app_->classes.UpdateAllClasses();
    app_->frmKumo->EnableDocumentCommands();
    app_->frmKumo->RefreshAllViews();
  }
  // Saved under its name, so that what follows is the only change.
  void Unchanged() { Doc().SaveAs(Doc().FileName()); }
  // Three grade-1 homeroom teachers T1..T3 (classes 1-1..1-3) and a grade-2 one, T4.
  void FourTeachers() {
    AddLine("T1", 1, 1);
    AddLine("T2", 1, 2);
    AddLine("T3", 1, 3);
    AddLine("T4", 2, 1);
  }

  // A new timetable with the four teachers, as the user starts one, the line header editor
  // closed again.
  void NewSchool() {
    Trigger("mnuFileNew");
    app_->frmLineHead->close();
    FourTeachers();
    Refresh();
    platform_.Reset();
  }

  void Cursor(int line, int period) { Doc().SetCursor(line, period); }
  // The piece move at a cell, as a double click there runs it.
  void MoveAt(int line, int period) {
    Cursor(line, period);
    Edit().sgrEditDblClick();
  }

  std::string Text(int col, int row) { return Grid().Cells(col, row).toStdString(); }
  std::string ViewText(int col, int row) { return Edit().ViewGrid().Cells(col, row).toStdString(); }
  std::string Label(const PeriodCell& piece) {
    return FromDocText(PieceLabel(Doc(), piece)).toStdString();
  }

  void Mouse(QEvent::Type type, int col, int row, Qt::MouseButton button = Qt::LeftButton) {
    const QPoint pos = Grid().CellRect(col, row).center();
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, pos, Grid().viewport()->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(Grid().viewport(), &event);
  }
  void Click(int col, int row) {
    Mouse(QEvent::MouseButtonPress, col, row);
    Mouse(QEvent::MouseButtonRelease, col, row);
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&Grid(), &event);
  }
  void Keypad(char digit) {
    Key(Qt::Key_0 + (digit - '0'), Qt::KeypadModifier, QString(QChar(digit)));
  }

  // The grid as it paints, and the colour at a point inside a cell.
  QImage Render(StringGrid& grid) { return grid.viewport()->grab().toImage(); }
  QColor PixelAt(const QImage& image, StringGrid& grid, int col, int row, int dx, int dy) {
    const QRect rect = grid.CellRect(col, row);
    return image.pixelColor(rect.left() + dx, rect.top() + dy);
  }
};

}  // namespace kumo::test
