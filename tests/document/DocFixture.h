// A document with a scripted prompter and a scratch directory, for the document tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "base/Cp932.h"
#include "document/KumoHead.h"
#include "document/Options.h"
#include "support/DocBuild.h"
#include "support/ScriptedPrompter.h"

namespace kumo::test {

// A teacher line with no pieces; name in UTF-8.
inline TeacherLine TeacherLineOf(Byte grade, Byte homeroom, const char* name = "",
                                 Byte subject = 0) {
  TeacherLine l{};
  l.Grade = grade;
  l.Homeroom = homeroom;
  l.Subject = subject;
  l.Name.Assign(Cp932Literal(name));
  return l;
}

class DocTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // Random too, so that two runs of the suite at once never share a directory.
    dir_ = std::filesystem::temp_directory_path() /
           (std::string("kumo-doc-") + info->test_suite_name() + "-" + info->name() + "-" +
            std::to_string(std::random_device()()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(dir_, ec);
  }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  static std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  static TeacherLine Line(Byte grade, Byte homeroom, const char* name = "", Byte subject = 0) {
    return TeacherLineOf(grade, homeroom, name, subject);
  }
  static PeriodCell Piece(Byte kind, Byte item, Byte flags = 0) { return {kind, item, 0, flags}; }

  void AddLines(int count) {
    for (int i = 0; i < count; ++i) ASSERT_TRUE(doc.AddLine(Line(0, 0)));
  }
  // Three grade-1 homeroom teachers (classes 1-1..1-3) and a grade-2 one.
  void FourTeachers() {
    for (Byte c = 1; c <= 3; ++c) doc.AddLine(Line(1, c));
    doc.AddLine(Line(2, 1));
  }
  // The piece move at a cell, as the edit table runs it there.
  bool MoveAt(int line, int period, MoveChoices choices = {}) {
    doc.SetCursor(line, period);
    return doc.MovePiece(choices);
  }
  template <class Change>
  void EditLine(int line, Change change) {
    test::EditLine(doc, line, change);
  }
  static void Put(TKumData& d, int line, int period, const PeriodCell& piece) {
    test::Put(d, line, period, piece);
  }
  void Put(int line, int period, const PeriodCell& piece) { Put(doc, line, period, piece); }
  template <class Change>
  void Reopen(TKumData& d, Change change) {
    test::Reopen(d, Path("built.kmt"), change);
  }
  template <class Change>
  void Reopen(Change change) {
    Reopen(doc, change);
  }
  void Hold(const HeldPiece& piece) { test::Hold(doc, Path("built.kmt"), piece); }
  void InHand(const HeldPiece& piece) { test::InHand(doc, Path("built.kmt"), piece); }
  // Saved, so that what follows is the only change.
  void Unchanged() { doc.SaveAs(Path("unchanged.kmt")); }

  Options options;
  ScriptedPrompter prompter;
  TKumData doc{options, prompter};

 private:
  std::filesystem::path dir_;
};

}  // namespace kumo::test
