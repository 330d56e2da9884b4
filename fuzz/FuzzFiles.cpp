// Feeds arbitrary bytes to the timetable and subject file readers: whatever the file holds, a
// load either succeeds, refuses the file or throws FileError, and the document stays usable.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "document/KumoHead.h"
#include "platform/sys/FileError.h"

namespace {

class QuietPrompter : public kumo::Prompter {
 public:
  kumo::Answer MessageBox(kumo::BoxType, kumo::Buttons, const std::string&) override {
    return kumo::Answer::Ok;
  }
  void Beep() override {}
};

const std::string& InputPath() {
  static const std::string path = "/tmp/kumo-fuzz-" + std::to_string(::getpid()) + ".bin";
  return path;
}

// Every operation that walks the tables, so that a loaded value that escaped the checks shows.
void Exercise(kumo::TKumData& doc) {
  kumo::TClassLines classes(doc);
  classes.BuildClassList();
  classes.UpdateAllClasses();
  for (int n = 1; n <= doc.LineCount; ++n) doc.LessonCount(n);
  doc.FindHandClash();
  doc.FindCellClash();
  doc.StepBack();
  doc.StepForward();
  doc.HoldPush();
  doc.HoldPop();
  doc.PushHistory();
  doc.GetCurrentLine();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::FILE* f = std::fopen(InputPath().c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);

  static kumo::Options options;
  static QuietPrompter prompter;
  static kumo::TKumData doc(options, prompter);
  doc.FileName = InputPath();
  doc.SubjectFileName = InputPath();
  try {
    doc.LoadFromFile();
  } catch (const kumo::FileError&) {
  }
  Exercise(doc);
  try {
    doc.LoadSubjects();
  } catch (const kumo::FileError&) {
  }
  return 0;
}
