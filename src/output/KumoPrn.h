// The print dialog and the prints it runs: the teacher list and the class timetables, small
// (fifteen to a page) and large (one to a page). Each print is one routine that draws its pages
// on the platform's Canvas, whatever the device: the printer, a PDF file or the preview.
#pragma once

#include <QDateTime>
#include <QDialog>
#include <QFont>
#include <vector>

#include "document/KumoHead.h"
#include "platform/PrintJob.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;

namespace kumo {

struct Options;
class Platform;
class WindowCommands;
struct PrintUnits;

// What the prints read; they change nothing of it.
struct PrintInput {
  const TKumData& doc;
  const TClassLines& classes;
  const Options& options;  // the print font among them
  int screenDpi;           // the screen's pixels per inch
  int paper;               // PaperSize
  QDateTime now;           // the date and time the teacher list carries
};

// The font every print draws with, as the options name it.
QFont PrintFont(const Options& options);

void PrintTeacherList(const PrintInput& in, PrintJob& job);
void PrintClassTablesSmall(const PrintInput& in, PrintJob& job);
// onlyEntry: the one class entry to print; 0 for all.
void PrintClassTablesLarge(const PrintInput& in, PrintJob& job, int onlyEntry);
// A page per teacher and per class with a period changed against the timetable compared with.
void PrintNotices(const PrintInput& in, PrintJob& job);
// The timetable of class entry c with its origin at (X, Y) in screen pixels, in the font the
// canvas has at size S.
void DrawClassTable(const PrintInput& in, Canvas& canvas, const PrintUnits& units, QPoint shift,
                    int c, int X, int Y);

// The jobs, as the platform runs them.
PrintTask TeacherListTask(const PrintInput& in, int copies);
PrintTask ClassTablesSmallTask(const PrintInput& in);
PrintTask ClassTablesLargeTask(const PrintInput& in, int onlyEntry);
PrintTask NoticesTask(const PrintInput& in);

class TdlgPrintOut : public QDialog {
 public:
  TdlgPrintOut(TKumData& doc, TClassLines& classes, Options& options, Platform& platform,
               WindowCommands& windows);

  // Refreshes the labels and the paper size, then runs the dialog modally; OK prints.
  int RunPrintDialog();
  // Only the change notices chosen, for the next run.
  void ChooseNotices();

  // What the prints read now, at the paper size the dialog was last shown with.
  PrintInput Input() const;

 private:
  void FormShow();
  void cbxPrintClassClick();
  void cbxClassSpecifyClick();
  void btnPrinterSetUpClick();
  void btnEnvironmentClick();
  void btnPreviewClick();
  void btnOkClick();
  // The jobs OK runs, in order; none when there is nothing to print.
  std::vector<PrintTask> Tasks() const;

  TKumData& doc_;
  TClassLines& classes_;
  Options& options_;
  Platform& platform_;
  WindowCommands& windows_;
  int paper_ = 0;  // the paper size as the dialog was shown
  QLabel* lblTitle_;
  QLabel* lblComment_;
  QCheckBox* cbxPrintTeachers_;
  QCheckBox* cbxPrintClass_;
  QCheckBox* cbxPrintNotices_;
  QGroupBox* gbxClassTable_;
  QCheckBox* cbxClassSpecify_;
  QComboBox* cmbClassSpecify_;
  QSpinBox* speCopies_;
};

}  // namespace kumo
