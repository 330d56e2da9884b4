// A fresh program per test, driven through a scripted platform in a directory of its own.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <memory>
#include <optional>
#include <string>

#include "base/SysFile.h"
#include "base/TempDir.h"
#include "document/KumoHead.h"
#include "editing/KumoEdit.h"
#include "editing/KumoLh.h"
#include "shell/KumoApp.h"
#include "shell/KumoMain.h"
#include "support/DocBuild.h"
#include "support/ScriptedPlatform.h"

namespace kumo::test {

// What a timetable file written for a test holds.
struct PlanContents {
  int lines = 2;         // grade 1 lines with homerooms 1, 2, ...
  int historySteps = 0;  // recorded steps
  int undone = 0;        // of them, the last ones undone
};

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    oldDir_ = CurrentDirectory();
    SetCurrentDirectory(dir_.Dir());
  }
  void TearDown() override {
    app_.reset();
    SetCurrentDirectory(oldDir_);
  }

  // Creates every window, with the settings file kept in the test's own directory.
  KumoApp& Create(std::optional<std::string> file = std::nullopt) {
    app_ = std::make_unique<KumoApp>(platform_, std::move(file));
    app_->ProgramDir = dir_.Dir();
    app_->DocumentsDir = dir_.File("documents/");
    return *app_;
  }
  // Creates every window and shows the main window, which runs the start-up.
  KumoApp& Start(std::optional<std::string> file = std::nullopt) {
    Create(std::move(file));
    app_->frmKumo->show();
    return *app_;
  }

  // Writes a timetable file; returns its path.
  std::string WritePlan(const std::string& name, const PlanContents& contents = {}) {
    TimetableImage image;
    for (int n = 1; n <= contents.lines; ++n) {
      TeacherLine line{};
      line.Grade = 1;
      line.Homeroom = static_cast<Byte>(n);
      std::string name = "T";
      name += std::to_string(n);
      line.Name.Assign(name);
      line.Cells[n].Kind = KindGrade1;
      line.Cells[n].Item = static_cast<Byte>(n);
      image.Lines.push_back(line);
    }
    image.History.clear();
    for (int k = 1; k <= contents.historySteps; ++k) {
      image.History.push_back({1, static_cast<Byte>(k), {KindGrade1, 1, 0, 0}, {}});
    }
    image.History.push_back({});
    image.Pos = contents.historySteps + 1 - contents.undone;
    dir_.Write(name, image.Bytes());
    return dir_.File(name);
  }

  QAction* Action(const char* name) const {
    auto* action = app_->frmKumo->findChild<QAction*>(QString::fromUtf8(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
  }
  QToolButton* Button(const char* name) const {
    auto* button = app_->frmKumo->findChild<QToolButton*>(QString::fromUtf8(name));
    EXPECT_NE(button, nullptr) << name;
    return button;
  }
  void Trigger(const char* name) const { Action(name)->trigger(); }
  std::string Caption() const { return app_->frmKumo->windowTitle().toStdString(); }
  // The one box shown since the last call, as type, buttons and text.
  ShownBox OnlyBox() {
    EXPECT_EQ(platform_.Boxes().size(), 1u);
    ShownBox box = platform_.Boxes().empty() ? ShownBox{} : platform_.Boxes().back();
    platform_.Reset();
    return box;
  }

  TempDir dir_;
  ScriptedPlatform platform_;
  std::unique_ptr<KumoApp> app_;

 private:
  std::string oldDir_;
};

}  // namespace kumo::test
