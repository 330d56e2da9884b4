// The export dialog: the teacher list or the class timetables as tab-separated text, or as a
// workbook when the file name ends in ".xlsx".
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;

namespace kumo {

class TKumData;
class TClassLines;
struct Options;
class Platform;
class MainCommands;
class TableCommands;
class WindowCommands;
class RadioGroup;

class TdlgExport : public QDialog {
 public:
  TdlgExport(TKumData& doc, TClassLines& classes, Options& options, Platform& platform,
             MainCommands& main, TableCommands& table, WindowCommands& windows,
             const std::string& documentsDir);

  // Shows the dialog; on OK writes the chosen export to the named file. A file failure throws
  // FileError, which the main window shows.
  void RunExportDialog();
  // The change notices chosen, for the next run.
  void ChooseNotices();

 private:
  void btnReferClick();
  void btnEnvironmentClick();
  // The line at the top names the format the file name gives.
  void ShowFormat();
  // Where the save dialog starts: the open timetable's folder, else the user's documents.
  std::string InitialDir() const;

  TKumData& doc_;
  TClassLines& classes_;
  Options& options_;
  Platform& platform_;
  MainCommands& main_;
  TableCommands& table_;
  WindowCommands& windows_;
  const std::string& documentsDir_;  // where a new timetable's export goes
  QLabel* lblFormat_;
  RadioGroup* rgpExport_;
  QLineEdit* edtFileName_;
  // The save dialog's own file name, which it keeps from run to run.
  std::string referName_;
};

}  // namespace kumo
