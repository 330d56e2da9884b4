#include "views/TeacherChooser.h"

#include <string>

#include "document/Naming.h"
#include "document/TeacherChoice.h"
#include "platform/DocText.h"
#include "platform/TypedKeys.h"

namespace kumo {
namespace {

// Digits as the input method may send them, full width, in ASCII.
std::string Digits(const QString& typed) {
  std::string digits;
  for (const QChar c : typed) {
    const QChar plain = HalfWidth(c);
    if (plain < QChar('0') || plain > QChar('9')) return {};
    digits += static_cast<char>(plain.unicode());
  }
  return digits;
}

}  // namespace

TeacherChooser::TeacherChooser(const TKumData& doc, QWidget* parent,
                               std::function<void(int line)> chosen)
    : ChooserPopup(parent, "TeacherChooser"), doc_(doc), chosen_(std::move(chosen)) {}

void TeacherChooser::Open(const QPoint& place, int period, const QString& typed) {
  period_ = period;
  PopUp(place, typed,
        QString::fromStdString(PeriodText(period)) + QStringLiteral("の先生：番号・名前・教科"));
}

// A busy teacher shows what the period holds, greyed: entering there is refused.
void TeacherChooser::Fill() {
  for (const int n : OfferedLines(doc_, period_)) {
    const TeacherLine& line = doc_.Line(n);
    const QString name = QString::fromStdString(LineName(doc_, n));
    const QString subject = FromDocText(doc_.SubjectNames2()[line.Subject].View());
    const PeriodCell& cell = doc_.Cell(n, period_);
    QString shown = QStringLiteral("%1  %2  %3").arg(n, 2).arg(name, subject);
    if (!cell.IsEmpty()) shown += "  (" + QString::fromStdString(PieceName(doc_, cell)) + ")";
    AddChoice(shown,
              name + " " + FromDocText(doc_.SubjectNames1()[line.Subject].View()) + " " + subject +
                  " " + FromDocText(doc_.SubjectNames4()[line.Subject].View()),
              n, !cell.IsEmpty());
  }
}

bool TeacherChooser::Matches(const QString& searched, const QVariant& value,
                             const QString& typed) const {
  const std::string digits = Digits(typed);
  if (!digits.empty()) return NumberBegins(value.toInt(), digits);
  return ChooserPopup::Matches(searched, value, typed);
}

bool TeacherChooser::Settled(const QString& typed) const {
  return LineMeant(Digits(typed), doc_.LineCount()).has_value();
}

void TeacherChooser::Done(const QVariant& chosen) {
  chosen_(chosen.isValid() ? chosen.toInt() : 0);
}

}  // namespace kumo
