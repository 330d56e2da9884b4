// The chooser that the single class timetable opens at its current period: the teacher lines,
// those free then first, narrowed by the line's number or by what the name or the subject
// holds. A number no other line's number begins with chooses at once.
#pragma once

#include <functional>

#include "platform/ChooserPopup.h"

namespace kumo {

class TKumData;

class TeacherChooser : public ChooserPopup {
 public:
  // chosen gets the line chosen, 0 for none, after the popup closed.
  TeacherChooser(const TKumData& doc, QWidget* parent, std::function<void(int line)> chosen);

  // Opens beside the week at place (global), for period, with typed in the line.
  void Open(const QPoint& place, int period, const QString& typed);

 protected:
  void Fill() override;
  bool Matches(const QString& searched, const QVariant& value, const QString& typed) const override;
  bool Settled(const QString& typed) const override;
  void Done(const QVariant& chosen) override;

 private:
  const TKumData& doc_;
  std::function<void(int line)> chosen_;
  int period_ = 1;
};

}  // namespace kumo
