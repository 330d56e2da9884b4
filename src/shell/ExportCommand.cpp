#include "shell/ExportCommand.h"

#include "base/FileError.h"
#include "document/Export.h"
#include "document/KumoHead.h"
#include "shell/Settings.h"

namespace kumo {
namespace {

// What loading a timetable would show in a box goes to the error stream; no question is
// asked of anyone.
class StreamPrompter : public Prompter {
 public:
  explicit StreamPrompter(std::ostream& err) : err_(err) {}
  Answer MessageBox(BoxType /*type*/, Buttons buttons, const std::string& text) override {
    err_ << text << '\n';
    return buttons == Buttons::OkCancel ? Answer::Ok : Answer::Cancel;
  }
  void Beep() override {}

 private:
  std::ostream& err_;
};

}  // namespace

int RunExportCommand(const QStringList& arguments, const std::string& programDir,
                     std::ostream& err) {
  const bool valid =
      arguments.size() == 4 && arguments[0] == QLatin1String(ExportOption) &&
      (arguments[1] == QStringLiteral("teachers") || arguments[1] == QStringLiteral("classes"));
  if (!valid) {
    err << "使い方: kumo --export teachers|classes 時間割ファイル 出力ファイル\n";
    return 2;
  }
  const ExportKind kind =
      arguments[1] == QStringLiteral("teachers") ? ExportKind::Teachers : ExportKind::Classes;
  try {
    const Options options = StoredOptions(programDir);
    StreamPrompter prompter(err);
    TKumData doc(options, prompter);
    TClassLines classes(doc);
    if (!doc.Open(arguments[2].toStdString())) return 1;
    WriteExport(doc, classes, options, kind, arguments[3].toStdString());
    return 0;
  } catch (const FileError& e) {
    err << e.what() << '\n';
    return 1;
  }
}

}  // namespace kumo
