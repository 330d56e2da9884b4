#include "shell/PdfCommand.h"

#include <iostream>
#include <string>

#include "base/FileError.h"
#include "base/SysFile.h"
#include "output/KumoPrn.h"
#include "platform/QtPlatform.h"
#include "shell/KumoApp.h"
#include "shell/Settings.h"

namespace kumo {
namespace {

// No one is there to answer: what would be a box goes to stderr.
class ConsolePlatform : public QtPlatform {
 public:
  Answer MessageBox(BoxType /*type*/, Buttons /*buttons*/, const std::string& text) override {
    std::cerr << text << '\n';
    return Answer::Cancel;
  }
  void ErrorBox(const std::string& text) override { std::cerr << text << '\n'; }
};

}  // namespace

int RunPdfCommand(const QStringList& arguments) {
  const QStringList kinds = {QStringLiteral("teachers"), QStringLiteral("small"),
                             QStringLiteral("large")};
  if (arguments.size() != 5 || !kinds.contains(arguments[2])) {
    std::cerr << "使い方: kumo --pdf teachers|small|large 時間割ファイル 出力ファイル.pdf\n";
    return 2;
  }
  ConsolePlatform platform;
  KumoApp app(platform, std::nullopt);
  const std::string output = AbsolutePath(arguments[4].toStdString());
  app.doc.FileName = AbsolutePath(arguments[3].toStdString());
  try {
    // The options alone: the windows' places would show windows that no one sees.
    app.options = StoredOptions(app.ProgramDir);
    app.dlgPrintOut->PrintFont.setFamily(QString::fromStdString(app.options.PrintFontName));
    if (!app.doc.LoadFromFile()) return 1;
    PrintInput in = app.dlgPrintOut->Input();
    in.paper = app.options.PaperSize;
    const QString& kind = arguments[2];
    if (kind != kinds[0] && app.classes.EntryCount == 0) {
      std::cerr << "クラスがありません\n";
      return 1;
    }
    PrintPdfFile(kind == kinds[0]   ? TeacherListTask(in, 1)
                 : kind == kinds[1] ? ClassTablesSmallTask(in)
                                    : ClassTablesLargeTask(in, 0),
                 output);
  } catch (const FileError& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace kumo
