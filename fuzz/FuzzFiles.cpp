// Feeds arbitrary bytes to the timetable and subject file readers: whatever the file holds, a
// load either succeeds, refuses the file or throws FileError, and the document stays usable. A
// timetable that opens is walked back to its first step and forward to its last, and what it
// then saves reads back without a word and saves to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "FuzzInput.h"
#include "QuietPrompter.h"
#include "StepSeal.h"
#include "base/FileError.h"
#include "base/SysFile.h"
#include "document/KumoHead.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

// Every operation that walks the tables, so that a loaded value that escaped the checks shows.
void Exercise(kumo::TKumData& doc) {
  kumo::TClassLines classes(doc);
  classes.BuildClassList();
  classes.UpdateAllClasses();
  for (int n = 1; n <= doc.LineCount(); ++n) doc.LessonCount(n);
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

// A walk may stop at a step the timetable no longer matches.
void WalkTheHistory(kumo::TKumData& doc) {
  while (doc.HistoryPos() > 1 && doc.StepBack()) {
  }
  while (doc.HistoryPos() < doc.HistoryEnd() && doc.StepForward()) {
  }
}

void SaveAndCompare(kumo::TKumData& doc, kumo::TKumData& again, kumo::fuzz::QuietPrompter& user,
                    const std::string& path) {
  doc.SaveAs(path + ".saved");
  const int boxes = user.Boxes;
  Check(again.Open(doc.FileName()));
  Check(user.Boxes == boxes);
  again.SaveAs(path + ".again");
  Check(kumo::ReadFileBytes(doc.FileName(), std::size_t{1} << 20) ==
        kumo::ReadFileBytes(again.FileName(), std::size_t{1} << 20));
}

}  // namespace

// Most mutations get a sound check sum for the step records they changed; one in eight keeps
// the damaged one, so that the refusal of a damaged block stays exercised too.
extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);
extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned int seed) {
  size = LLVMFuzzerMutate(data, size, maxSize);
  if (seed % 8 == 0) return size;
  std::string file(reinterpret_cast<const char*>(data), size);
  if (!kumo::fuzz::ResealStepBlock(file, maxSize)) return size;
  std::memcpy(data, file.data(), file.size());
  return file.size();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = kumo::fuzz::InputPath("kumo-fuzz-");
  if (!kumo::fuzz::WriteInput(path, data, size)) return 0;

  static kumo::Options options;
  static kumo::fuzz::QuietPrompter user;
  static kumo::TKumData doc(options, user);
  static kumo::TKumData again(options, user);
  bool opened = false;
  try {
    opened = doc.Open(path);
  } catch (const kumo::FileError&) {
  }
  if (opened) {
    WalkTheHistory(doc);
    SaveAndCompare(doc, again, user, path);
  }
  Exercise(doc);
  // Named after the load, which gives the document the default subject file.
  try {
    doc.LoadSubjects(path);
  } catch (const kumo::FileError&) {
  }
  return 0;
}
