// The export dialog: the teacher list or the class timetables as tab-separated text, or as a
// workbook when the file name ends in ".xlsx".
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;

namespace kumo {

class KumoApp;
class RadioGroup;

class TdlgExport : public QDialog {
 public:
  explicit TdlgExport(KumoApp& app);

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

  KumoApp& app_;
  QLabel* lblFormat_;
  RadioGroup* rgpExport_;
  QLineEdit* edtFileName_;
  // The save dialog's own file name, which it keeps from run to run.
  std::string referName_;
};

}  // namespace kumo
