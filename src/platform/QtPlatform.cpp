#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

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
  dialog.setDefaultSuffix(QString::fromStdString(request.DefaultExt));
  if (!request.InitialDir.empty()) dialog.setDirectory(QString::fromStdString(request.InitialDir));
  if (!request.FileName.empty()) dialog.selectFile(QString::fromStdString(request.FileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

}  // namespace

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
  QMessageBox box(IconOf(type), TitleOf(type), QString::fromStdString(text), QMessageBox::NoButton,
                  QApplication::activeWindow());
  // A question must never open behind a tool window that stays on top.
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  QPushButton* ok = nullptr;
  QPushButton* yes = nullptr;
  QPushButton* no = nullptr;
  if (buttons == Buttons::OkCancel) {
    ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
  } else {
    yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
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

void QtPlatform::ErrorBox(const std::string& text) {
  QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                  QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
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
