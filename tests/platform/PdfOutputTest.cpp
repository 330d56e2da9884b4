// Printing into a PDF file on the Qt platform: one file for all the prints of one command, at the
// name the printer set-up chose, with every copy; and a file system that takes no more leaves the
// old file whole. Files are read back with pdfinfo and pdftotext.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <deque>
#include <filesystem>

#include "base/FileError.h"
#include "base/TempDir.h"
#include "platform/Canvas.h"
#include "platform/QtPlatform.h"

namespace kumo {
namespace {

// The Qt platform with the file dialog answered from a queue.
class NamingPlatform : public QtPlatform {
 public:
  std::deque<std::optional<std::string>> names;
  int asked = 0;
  std::optional<std::string> SaveFileDialog(QWidget* /*owner*/,
                                            const FileDialogRequest& /*request*/) override {
    ++asked;
    std::optional<std::string> name = names.front();
    names.pop_front();
    return name;
  }
};

// A task of `pages` pages, each carrying its name and number.
PrintTask Pages(const std::string& name, PageOrientation orientation, int pages,
                std::optional<int> copies = std::nullopt) {
  return {{name, PaperA4, orientation, copies}, [name, pages](PrintJob& job) {
            for (int p = 1; p <= pages; ++p) {
              if (p > 1) job.NewPage();
              job.Page().TextOut(100, 100, QString::fromStdString(name + std::to_string(p)));
            }
          }};
}

QString Run(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  EXPECT_TRUE(process.waitForFinished(20000)) << tool.toStdString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

// Each page's orientation ('L' or 'P') and its text.
std::vector<std::pair<char, QString>> ReadPages(const std::string& path) {
  const QString file = QString::fromStdString(path);
  const QString info = Run(QStringLiteral("pdfinfo"), {"-f", "1", "-l", "999", file});
  std::vector<std::pair<char, QString>> pages;
  const QRegularExpression size(QStringLiteral("Page +(\\d+) size: +([\\d.]+) x ([\\d.]+)"));
  for (auto m = size.globalMatch(info); m.hasNext();) {
    const auto page = m.next();
    const QString text = Run(QStringLiteral("pdftotext"),
                             {"-f", page.captured(1), "-l", page.captured(1), file, "-"});
    pages.emplace_back(page.captured(2).toDouble() > page.captured(3).toDouble() ? 'L' : 'P',
                       text.trimmed());
  }
  return pages;
}

class PdfOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform_.Printer().setOutputFormat(QPrinter::PdfFormat);
    platform_.Printer().setOutputFileName(QString());
  }
  test::TempDir dir_;
  NamingPlatform platform_;
};

// The teacher list's copy count stays for the class tables after it, as on a printer.
TEST_F(PdfOutputTest, OneCommandIsOneFileWithEveryPageAndCopyAtTheSetUpsName) {
  const std::string chosen = dir_.File("chosen.pdf");
  platform_.Printer().setOutputFileName(QString::fromStdString(chosen));
  ASSERT_TRUE(platform_.Print({Pages("list", PageOrientation::Landscape, 1, 2),
                               Pages("class", PageOrientation::Portrait, 2)}));
  EXPECT_EQ(platform_.asked, 0);
  const std::vector<std::pair<char, QString>> expected = {{'L', "list1"},  {'L', "list1"},
                                                          {'P', "class1"}, {'P', "class2"},
                                                          {'P', "class1"}, {'P', "class2"}};
  EXPECT_EQ(ReadPages(chosen), expected);
  EXPECT_EQ(platform_.Printer().copyCount(), 2);
}

// Without a name from the set-up the user is asked once; cancelling writes nothing.
TEST_F(PdfOutputTest, WithoutANameTheUserIsAskedOnceForTheWholePrint) {
  platform_.names = {dir_.File("named.pdf"), std::nullopt};
  const std::vector<PrintTask> tasks = {Pages("a", PageOrientation::Portrait, 1),
                                        Pages("b", PageOrientation::Landscape, 1)};
  ASSERT_TRUE(platform_.Print(tasks));
  EXPECT_EQ(platform_.asked, 1);
  EXPECT_EQ(ReadPages(dir_.File("named.pdf")).size(), 2u);
  EXPECT_FALSE(platform_.Print(tasks));
  EXPECT_EQ(platform_.asked, 2);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Dir()), {}), 1);
}

// A file system that takes no more bytes (here a file size limit, which binds root too): the
// print fails with the reason, and the file it would have replaced is the old one, whole.
TEST_F(PdfOutputTest, AFullFileSystemFailsAndLeavesTheOldFile) {
  const std::string path = dir_.File("old.pdf");
  platform_.Printer().setOutputFileName(QString::fromStdString(path));
  // Written without the limit, the old file also leaves the fonts' caches made.
  ASSERT_TRUE(platform_.Print({Pages("old", PageOrientation::Portrait, 1)}));
  const std::string old = dir_.Read("old.pdf");
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string reason;
  try {
    platform_.Print({Pages("new", PageOrientation::Landscape, 3)});
  } catch (const FileError& e) {
    reason = e.what();
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_NE(reason.find(path + "\" を書き込めません"), std::string::npos) << reason;
  EXPECT_TRUE(dir_.Read("old.pdf") == old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Dir()), {}), 1);
}

}  // namespace
}  // namespace kumo
