// A prompter for tests: answers come from a queue, every box and beep is recorded, and a box
// that the test did not expect fails the test.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "document/Prompter.h"

namespace kumo::test {

struct ShownBox {
  BoxType Type;
  kumo::Buttons Buttons;
  std::string Text;
};

class ScriptedPrompter : public virtual Prompter {
 public:
  ~ScriptedPrompter() override;

  // The answer to give to the next box.
  void Expect(Answer answer) { answers_.push_back(answer); }

  Answer MessageBox(BoxType type, kumo::Buttons buttons, const std::string& text) override;
  void Beep() override { ++beeps_; }

  const std::vector<ShownBox>& Boxes() const { return boxes_; }
  int Beeps() const { return beeps_; }
  int PendingAnswers() const { return static_cast<int>(answers_.size()); }
  void Reset() {
    boxes_.clear();
    beeps_ = 0;
  }

 private:
  std::deque<Answer> answers_;
  std::vector<ShownBox> boxes_;
  int beeps_ = 0;
};

}  // namespace kumo::test
