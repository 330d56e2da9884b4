// A user who says OK to every box, without a sound; the boxes are counted.
#pragma once

#include <string>

#include "document/Prompter.h"

namespace kumo::fuzz {

class QuietPrompter : public Prompter {
 public:
  Answer MessageBox(BoxType, Buttons, const std::string&) override {
    ++Boxes;
    return Answer::Ok;
  }
  void Beep() override {}

  int Boxes = 0;
};

}  // namespace kumo::fuzz
