// The checks window: what a timetabler must still fix, each row leading the edit table's cursor
// to its place, and the week's hours by class and subject and by teacher.
#pragma once

#include <QWidget>
#include <vector>

#include "document/Checks.h"
#include "document/DocumentChange.h"

class QCheckBox;
class QListView;
class QTabWidget;
class QTableView;

namespace kumo {

class KumoApp;
class TextTable;

class TfrmChecks : public QWidget, public DocumentObserver {
 public:
  explicit TfrmChecks(KumoApp& app);

  // Finds the checks or counts the hours anew, for the page shown; nothing while hidden.
  void RenewView();
  void DocumentChanged(const DocumentChange& change) override;
  // The edit table's cursor to the place of list row `row`, if it has one.
  void lvwChecksDblClick(int row);

  // Whether the list shows the class periods without a lesson.
  bool ShowEmpty() const;
  void SetShowEmpty(bool on);

  // The list's first row: how much is left to fix.
  QString Summary() const;
  TextTable& CheckRows() { return *checkRows_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildChecksPage();
  void BuildHoursPage();
  void RenewChecks();
  void RenewHours();

  KumoApp& app_;
  QTabWidget* tnbChecks_ = nullptr;
  QCheckBox* cbxShowEmpty_ = nullptr;
  QListView* lvwChecks_ = nullptr;
  TextTable* checkRows_ = nullptr;
  TextTable* classHours_ = nullptr;
  TextTable* lineHours_ = nullptr;
  QTableView* tblClassHours_ = nullptr;
  QTableView* tblLineHours_ = nullptr;
  std::vector<CheckItem> items_;
  std::vector<int> itemOfRow_;  // index into items_ for each list row; -1 for a heading
};

}  // namespace kumo
