// The environment dialog: editing, display and print options, piece colours, the printing font
// and the document's print title and comment. Its controls edit the options in place, so a
// change stays even when the dialog is then cancelled.
#pragma once

#include <QDialog>
#include <array>
#include <utility>
#include <vector>

#include "document/Options.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QVBoxLayout;

namespace kumo {

class TKumData;
class Platform;
class WindowCommands;
class RadioGroup;

class TdlgEnvironment : public QDialog {
 public:
  TdlgEnvironment(TKumData& doc, Options& options, Platform& platform, WindowCommands& windows);

  // Fills, runs modally and applies on OK. page -1 keeps the page last shown.
  int RunEnvironmentDialog(int page = -1);
  // Sets the scroll bars of the large grids from the two scroll-bar options.
  void ApplyScrollBars();
  // Sets every control from the options, running each control's click rule as a click would.
  void LoadFromOptions();

 private:
  void BuildEditPage();
  void BuildViewPage();
  void BuildPrintPage();
  QCheckBox* AddCheck(QVBoxLayout* layout, const char* name, const QString& caption, bool& option);
  RadioGroup* AddRadio(QVBoxLayout* layout, const char* name, const QString& caption,
                       const QStringList& items, int columns, int& option);

  void cbxAutoExchangeClick();
  void rgpViewClassTypeClick();
  void rgpViewTeachersClick();
  void rgpTeachersClick();
  void btnColorClick(int button);
  // The grade, subject and symbol colours of a preset that colour-blind users tell apart.
  void btnSafeColorsClick();
  void btnSetFontClick();
  void btnSetPrinterClick();
  void SetHelpContext();
  // The OK steps; false when the title or comment holds a character that cannot be stored.
  bool ApplyOk();

  ColorRef& ColorOption(int button);
  void SetButtonColor(int button, ColorRef color);
  ColorRef ButtonColor(int button) const;

  TKumData& doc_;
  Options& options_;
  Platform& platform_;
  WindowCommands& windows_;
  std::vector<std::pair<QCheckBox*, bool*>> checks_;
  std::vector<std::pair<RadioGroup*, int*>> radios_;
  QTabWidget* tnbEnv_;
  QCheckBox* cbxAutoLocate_ = nullptr;
  QCheckBox* cbxAutoExchange_ = nullptr;
  RadioGroup* rgpViewClassType_ = nullptr;
  RadioGroup* rgpViewTeachers_ = nullptr;
  QListWidget* lbxSubject_ = nullptr;
  QLabel* lblSubject_ = nullptr;
  RadioGroup* rgpGrade_ = nullptr;
  // 1年, 2年, 3年, 教科, 記号, カーソル
  std::array<QPushButton*, 6> colorButtons_{};
  QLineEdit* edtTitle_ = nullptr;
  QLineEdit* edtComment_ = nullptr;
  RadioGroup* rgpTeachers_ = nullptr;
  QLineEdit* edtFont_ = nullptr;
};

}  // namespace kumo
