// Feeds arbitrary bytes to the timetable and subject file readers: whatever the file holds, a
// load either succeeds, refuses the file or throws FileError, and the document stays usable.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "base/FileError.h"
#include "document/KumoHead.h"

namespace {

class QuietPrompter : public kumo::Prompter {
 public:
  kumo::Answer MessageBox(kumo::BoxType, kumo::Buttons, const std::string&) override {
    return kumo::Answer::Ok;
  }
  void Beep() override {}
};

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
  doc.MovePiece({.ExchangeOnClash = true});
  doc.EnterClass(1, 1, true);
  doc.StepBack();
  doc.DropHand();
  doc.GetCurrentLine();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = kumo::fuzz::InputPath("kumo-fuzz-");
  if (!kumo::fuzz::WriteInput(path, data, size)) return 0;

  static kumo::Options options;
  static QuietPrompter prompter;
  static kumo::TKumData doc(options, prompter);
  doc.FileName = path;
  doc.SubjectFileName = path;
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
