// Answers the windows' requests by handing each to the window that does it.
#pragma once

#include "editing/WindowCommands.h"

namespace kumo {

class KumoApp;

class WindowLinks final : public MainCommands, public TableCommands, public WindowCommands {
 public:
  // The windows are reached when asked, so they may be made after the links.
  explicit WindowLinks(KumoApp& app) : app_(app) {}

  void RunEditCommand(EditCommand command) override;
  bool Run(const std::function<void()>& command) override;
  void EnableMain(bool enabled) override;
  bool TimetableOpen() const override;

  void FocusTable() override;
  void Tell(const std::string& done) override;
  bool SingleCellSelected() const override;
  CellRange SelectedCells() const override;

  void EditLessonDetails(bool singleCell) override;
  void ShowTeacher(int line) override;
  void OpenTeacher(int line) override;
  void ShowClass(int entry) override;
  void OpenEnvironment(EnvironmentPage page) override;
  void PrintNotices() override;
  void ExportNotices() override;
  void EditSubject(int k, QPoint origin) override;
  void EditSymbol(int k, QPoint origin) override;
  void SetScrollBars(GridScrollBars bars) override;

 private:
  KumoApp& app_;
};

}  // namespace kumo
