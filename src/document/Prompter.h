// The narrow door through which the document talks to the user: message boxes and the beep.
#pragma once

#include <string>

namespace kumo {

enum class BoxType { Error, Warning, Confirmation };
// OverwriteSaveAsCancel: "上書き" answers Yes, "名前を付けて保存" No.
enum class Buttons { OkCancel, YesNoCancel, OverwriteSaveAsCancel };
enum class Answer { Ok, Cancel, Yes, No };

class Prompter {
 public:
  virtual ~Prompter() = default;
  // Shows a modal message box (text in UTF-8) and returns the button the user chose.
  virtual Answer MessageBox(BoxType type, Buttons buttons, const std::string& text) = 0;
  // The system's exclamation sound.
  virtual void Beep() = 0;
};

}  // namespace kumo
