// The column exchange tool: swaps two periods in every teacher line.
#pragma once

#include <QWidget>

class QLineEdit;

namespace kumo {

class TKumData;
class Platform;

class TfrmColumExchange : public QWidget {
 public:
  TfrmColumExchange(TKumData& doc, Platform& platform);

  // Forgets the chosen columns and shows the window; the labels stay as they were.
  void OpenColumnExchange();
  void btnCol1Click();
  void btnCol2Click();
  void btnExchangeClick();

  int Column1 = 0;  // the chosen periods; 0 while not chosen
  int Column2 = 0;

 private:
  TKumData& doc_;
  Platform& platform_;
  bool placed_ = false;
  QLineEdit* edtCol1_ = nullptr;
  QLineEdit* edtCol2_ = nullptr;
};

}  // namespace kumo
