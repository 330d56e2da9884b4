#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace kumo::test {

ScriptedPrompter::~ScriptedPrompter() {
  EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answers were never asked for";
}

Answer ScriptedPrompter::MessageBox(BoxType type, kumo::Buttons buttons, const std::string& text) {
  boxes_.push_back({type, buttons, text});
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected message box: " << text;
    return Answer::Cancel;
  }
  Answer a = answers_.front();
  answers_.pop_front();
  return a;
}

}  // namespace kumo::test
