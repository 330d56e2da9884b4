#include "shell/PdfCommand.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QScreen>
#include <iostream>
#include <string>

#include "base/FileError.h"
#include "base/SysFile.h"
#include "output/KumoPrn.h"
#include "platform/QtPlatform.h"
#include "shell/Settings.h"

namespace kumo {
namespace {

// No one is there to answer: what would be a box goes to stderr.
class ConsolePrompter : public Prompter {
 public:
  Answer MessageBox(BoxType /*type*/, Buttons /*buttons*/, const std::string& text) override {
    std::cerr << text << '\n';
    return Answer::Cancel;
  }
  void Beep() override {}
};

}  // namespace

int RunPdfCommand(const QStringList& arguments) {
  const QStringList kinds = {QStringLiteral("teachers"), QStringLiteral("small"),
                             QStringLiteral("large")};
  if (arguments.size() != 5 || !kinds.contains(arguments[2])) {
    std::cerr << "使い方: kumo --pdf teachers|small|large 時間割ファイル 出力ファイル.pdf\n";
    return 2;
  }
  // What a print reads and nothing more: no window is made.
  ConsolePrompter prompter;
  Options options;
  TKumData doc(options, prompter);
  const TClassLines classes(doc);
  const std::string output = AbsolutePath(arguments[4].toStdString());
  try {
    options = StoredOptions(ProgramDirectory());
    if (!doc.Open(AbsolutePath(arguments[3].toStdString()))) return 1;
    const QString& kind = arguments[2];
    if (kind != kinds[0] && classes.EntryCount == 0) {
      std::cerr << "クラスがありません\n";
      return 1;
    }
    const PrintInput in{doc,
                        classes,
                        options,
                        qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY()),
                        options.PaperSize,
                        QDateTime::currentDateTime()};
    PrintPdfFile({kind == kinds[0]   ? TeacherListTask(in, 1)
                  : kind == kinds[1] ? ClassTablesSmallTask(in)
                                     : ClassTablesLargeTask(in, 0)},
                 output);
  } catch (const FileError& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace kumo
