#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>

#include "platform/HelpWindow.h"

namespace kumo {

namespace {

QMessageBox::Icon IconOf(BoxType type) {
  switch (type) {
    case BoxType::Error:
      return QMessageBox::Critical;
    case BoxType::Warning:
      return QMessageBox::Warning;
    case BoxType::Confirmation:
      break;
  }
  return QMessageBox::Question;
}

QString TitleOf(BoxType type) {
  switch (type) {
    case BoxType::Error:
      return QStringLiteral("エラー");
    case BoxType::Warning:
      return QStringLiteral("警告");
    case BoxType::Confirmation:
      break;
  }
  return QStringLiteral("確認");
}

// A line longer than this (a long path in it) loses its middle, so that no box outgrows the
// screen in height either.
constexpr qsizetype MaxLineLength = 200;
// Paths have no spaces to break at: breaks are allowed after their separators and, within a long
// name, after every so many characters.
constexpr qsizetype MaxRunLength = 24;
constexpr QChar BreakHere(0x200B);  // zero width space
constexpr QChar Ellipsis(0x2026);

QString BoxLine(QString line) {
  if (line.size() > MaxLineLength) {
    qsizetype head = MaxLineLength / 2;
    qsizetype tail = line.size() - (MaxLineLength - head - 1);
    if (line[head - 1].isHighSurrogate()) --head;
    if (line[tail].isLowSurrogate()) ++tail;
    line = line.left(head) + Ellipsis + line.mid(tail);
  }
  QString broken;
  qsizetype run = 0;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    broken += c;
    run = c.isSpace() ? 0 : run + 1;
    const bool between = i + 1 < line.size() && !c.isHighSurrogate() && !line[i + 1].isMark();
    if (between && (c == QLatin1Char('/') || c == QLatin1Char('\\') || run >= MaxRunLength)) {
      broken += BreakHere;
      run = 0;
    }
  }
  return broken;
}

// The text as a box shows it: plain text (a file name may hold "<"), within the screen however
// long the paths in it.
QString BoxText(const std::string& text) {
  QStringList lines = QString::fromStdString(text).split(QLatin1Char('\n'));
  for (QString& line : lines) line = BoxLine(line);
  return lines.join(QLatin1Char('\n'));
}

// The one ending a name filter such as "Excel ブック (*.xlsx)" stands for; fallback for a
// filter of every file or of several endings.
QString FilterEnding(const QString& filter, const QString& fallback) {
  static const QRegularExpression single(QStringLiteral("\\(\\*\\.(\\w+)\\)$"));
  const QRegularExpressionMatch match = single.match(filter);
  return match.hasMatch() ? match.captured(1) : fallback;
}

std::optional<std::string> RunFileDialog(QWidget* owner, const FileDialogRequest& request,
                                         QFileDialog::AcceptMode mode) {
  QFileDialog dialog(owner);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  // Replacing an existing file is not asked about, as the program has always done.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (!request.Title.empty()) dialog.setWindowTitle(QString::fromStdString(request.Title));
  dialog.setNameFilters(QtNameFilters(request.Filter).split(QStringLiteral(";;")));
  const QString defaultExt = QString::fromStdString(request.DefaultExt);
  dialog.setDefaultSuffix(defaultExt);
  // As the system's save dialog does: a name typed without an ending takes the ending of the
  // filter the user chose, or the default one under a filter of every file.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog, defaultExt](const QString& filter) {
                     dialog.setDefaultSuffix(FilterEnding(filter, defaultExt));
                   });
  if (!request.InitialDir.empty()) dialog.setDirectory(QString::fromStdString(request.InitialDir));
  if (!request.FileName.empty()) dialog.selectFile(QString::fromStdString(request.FileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

}  // namespace

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

QString QtNameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return filters.join(QStringLiteral(";;"));
}

Answer QtPlatform::MessageBox(BoxType type, Buttons buttons, const std::string& text) {
  QMessageBox box(IconOf(type), TitleOf(type), BoxText(text), QMessageBox::NoButton,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  // A question must never open behind a tool window that stays on top.
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  QPushButton* ok = nullptr;
  QPushButton* yes = nullptr;
  QPushButton* no = nullptr;
  if (buttons == Buttons::OkCancel) {
    ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
  } else {
    const bool overwrite = buttons == Buttons::OverwriteSaveAsCancel;
    yes = box.addButton(overwrite ? QStringLiteral("上書き(&O)") : QStringLiteral("はい(&Y)"),
                        QMessageBox::YesRole);
    no = box.addButton(
        overwrite ? QStringLiteral("名前を付けて保存(&A)") : QStringLiteral("いいえ(&N)"),
        QMessageBox::NoRole);
    // Nothing is lost by a wrong key there: the safe choice is the default.
    box.setDefaultButton(overwrite ? no : yes);
  }
  QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
  box.setEscapeButton(cancel);
  box.exec();
  const auto* chosen = box.clickedButton();
  if (chosen != nullptr && chosen == ok) return Answer::Ok;
  if (chosen != nullptr && chosen == yes) return Answer::Yes;
  if (chosen != nullptr && chosen == no) return Answer::No;
  return Answer::Cancel;
}

void QtPlatform::Beep() {
  QApplication::beep();
}

std::optional<std::string> QtPlatform::OpenFileDialog(QWidget* owner,
                                                      const FileDialogRequest& request) {
  return RunFileDialog(owner, request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtPlatform::SaveFileDialog(QWidget* owner,
                                                      const FileDialogRequest& request) {
  return RunFileDialog(owner, request, QFileDialog::AcceptSave);
}

// Titled like the program's other error boxes: the program's name alone says nothing of what
// the box is.
void QtPlatform::ErrorBox(const std::string& text) {
  QMessageBox box(QMessageBox::Critical, TitleOf(BoxType::Error), BoxText(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  box.exec();
}

int QtPlatform::ExecDialog(QDialog& dialog) {
  return dialog.exec();
}

void QtPlatform::ProcessMessages() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace kumo
