#include "platform/ToolMenu.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace kumo {

QMenu* AddToolMenu(QWidget& window, int helpContext, std::initializer_list<ToolCommand> commands,
                   ToolMenuNames names) {
  auto* menu = new QMenu(&window);
  menu->setObjectName(QString::fromUtf8(names.Menu));
  auto add = [menu](const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromUtf8(name));
    return action;
  };
  for (const ToolCommand& command : commands) {
    if (command.Name == nullptr) {
      menu->addSeparator();
      continue;
    }
    QObject::connect(add(command.Name, command.Caption), &QAction::triggered, menu, command.Run);
  }
  if (commands.size() != 0) menu->addSeparator();
  QObject::connect(add(names.Close, "閉じる(&C)"), &QAction::triggered, &window, &QWidget::close);
  menu->addSeparator();
  add("pmnHelp", "ヘルプ(&H)")->setProperty("HelpContext", helpContext);
  // Grids and labels leave the menu to the window, wherever the click lands.
  window.setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(&window, &QWidget::customContextMenuRequested, menu,
                   [menu, &window](const QPoint& pos) { menu->popup(window.mapToGlobal(pos)); });
  return menu;
}

}  // namespace kumo
