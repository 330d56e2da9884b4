// The popup menu of a tool window: its own commands, then "閉じる(&C)", then "ヘルプ(&H)" with the
// window's help topic, each group after a separator. It opens wherever the user asks for a menu
// over the window and its children.
#pragma once

#include <functional>
#include <initializer_list>

class QMenu;
class QWidget;

namespace kumo {

// A command without a name stands for a separator.
struct ToolCommand {
  const char* Name;
  const char* Caption;
  std::function<void()> Run;
};

struct ToolMenuNames {
  const char* Menu = "LocalMenu";
  const char* Close = "pmnClose";
};

QMenu* AddToolMenu(QWidget& window, int helpContext, std::initializer_list<ToolCommand> commands,
                   ToolMenuNames names = {});

}  // namespace kumo
