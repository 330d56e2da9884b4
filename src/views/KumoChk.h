// The checks window: what a timetabler must still fix, each row leading the edit table's cursor
// to its place, and the week's hours by class and subject and by teacher.
#pragma once

#include <QWidget>
#include <vector>

#include "document/Chains.h"
#include "document/Checks.h"
#include "document/DocumentChange.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QListView;
class QTabWidget;
class QTableView;

namespace kumo {

class TKumData;
class TClassLines;
class Platform;
class TableCommands;
class WindowCommands;
class TextTable;

class TfrmChecks : public QWidget, public DocumentObserver {
 public:
  TfrmChecks(TKumData& doc, TClassLines& classes, Platform& platform, TableCommands& table,
             WindowCommands& windows);

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

  enum Page { ChecksPage, HoursPage, ChainsPage, ChangesPage };
  void ShowPage(Page page);
  TextTable& ChainRows() { return *chainRows_; }
  TextTable& ChangeRows() { return *changeRows_; }
  // Performs the chain of list row `row`, if it has one.
  void lvwChainsDblClick(int row);
  // The edit table's cursor to the changed cell of list row `row`, if it has one.
  void lvwChangesDblClick(int row);
  // The print or export dialog with the change notices chosen.
  void btnPrintNoticesClick();
  void btnExportNoticesClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildChecksPage();
  void BuildHoursPage();
  void RenewChecks();
  void RenewHours();
  void BuildChainsPage();
  void BuildChangesPage();
  void RenewChains();
  void RenewChanges();

  TKumData& doc_;
  TClassLines& classes_;
  Platform& platform_;
  TableCommands& table_;
  WindowCommands& windows_;
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
  TextTable* chainRows_ = nullptr;
  TextTable* changeRows_ = nullptr;
  QLabel* lblCompared_ = nullptr;
  QPushButton* btnCompareSaved_ = nullptr;
  std::vector<Chain> chains_;
  std::vector<int> chainOfRow_;  // index into chains_ for each row; -1 for a heading
  // Where each row of the changes list leads the cursor; line 0 for nowhere.
  std::vector<std::pair<int, int>> placeOfRow_;
};

}  // namespace kumo
