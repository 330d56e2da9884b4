// The export dialog and the export from the command line: the files they write, the save
// dialog's name, the refusals and failures.
#include <sys/resource.h>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <sstream>

#include "editing/KumoEdit.h"
#include "gui/AppFixture.h"
#include "output/KumoEnv.h"
#include "output/KumoExp.h"
#include "platform/RadioGroup.h"
#include "shell/ExportCommand.h"
#include "shell/Settings.h"
#include "support/ExportBytes.h"

namespace kumo::test {
namespace {

// The teacher export of WritePlan's two lines: T1 with class 1-1 in period 1, T2 with class
// 1-2 in period 2, each its own homeroom, under the homeroom style given.
std::string PlanTeachers(const char* home1, const char* home2) {
  return Headings + "　\tT1\t" + home1 + "\t 1\t" + home1 + std::string(29, '\t') + "\n" +
         "　\tT2\t" + home2 + "\t 1\t\t" + home2 + std::string(28, '\t') + "\n";
}

class ExportDialogTest : public AppTest {
 protected:
  // Runs the dialog with the user doing `act` and then pressing OK (or Cancel).
  void Run(std::function<void(QDialog&)> act, int result = QDialog::Accepted) {
    platform_.ExpectDialog([act = std::move(act), result](QDialog& dialog) {
      act(dialog);
      return result;
    });
  }
  template <class T>
  static T* Find(QDialog& dialog, const char* name) {
    auto* widget = dialog.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  static void Choose(QDialog& dialog, int kind, const std::string& path) {
    Find<RadioGroup>(dialog, "rgpExport")->SetItemIndex(kind);
    Find<QLineEdit>(dialog, "edtFileName")->setText(QString::fromStdString(path));
  }
  static void Refer(QDialog& dialog) { Find<QPushButton>(dialog, "btnRefer")->click(); }
  static std::string FieldText(QDialog& dialog) {
    return Find<QLineEdit>(dialog, "edtFileName")->text().toStdString();
  }
};

TEST_F(ExportDialogTest, OkWritesTheChosenExportAndCancelWritesNothing) {
  Start(WritePlan("plan.kmt"));
  Run([&](QDialog& d) { Choose(d, 0, dir_.File("teachers.txt")); });
  Trigger("mnuToolFile");
  EXPECT_EQ(dir_.Read("teachers.txt"), Bytes(PlanTeachers("1１", "1２")));

  Run([&](QDialog& d) { Choose(d, 1, dir_.File("classes.txt")); });
  Trigger("mnuToolFile");
  const std::string classes = dir_.Read("classes.txt");
  EXPECT_EQ(
      classes.substr(0, classes.find("\r\n\r\n") + 4),
      Bytes("    １年１組時間割\n\t月\t火\t水\t木\t金\n１\t　\t\t\t\t\n２\t\t\t\t\t\n３\t\t\t\t\t\n"
            "４\t\t\t\t\t\n５\t\t\t\t\t\n６\t\t\t\t\t\n\n"));

  Run([&](QDialog& d) { Choose(d, 0, dir_.File("cancelled.txt")); }, QDialog::Rejected);
  Trigger("mnuToolFile");
  EXPECT_FALSE(std::filesystem::exists(dir_.File("cancelled.txt")));
}

TEST_F(ExportDialogTest, TheFieldTakesWhatTheSaveDialogEndsWith) {
  Start(WritePlan("plan.kmt"));
  const std::string chosen = dir_.File("list.xlsx");
  platform_.ExpectSave(chosen);
  platform_.ExpectSave(std::nullopt);
  Run([&](QDialog& d) {
    Refer(d);
    EXPECT_EQ(FieldText(d), chosen);
    // A cancelled save dialog puts back the name it held, over what was typed since.
    Find<QLineEdit>(d, "edtFileName")->setText("typed.txt");
    Refer(d);
    EXPECT_EQ(FieldText(d), chosen);
  });
  Trigger("mnuToolFile");
  ASSERT_EQ(platform_.SaveRequests().size(), 2u);
  const FileDialogRequest& first = platform_.SaveRequests()[0];
  EXPECT_EQ(first.Title, "エクスポート");
  EXPECT_EQ(first.Filter, "テキスト|*.txt|Excel ブック|*.xlsx|全て|*.*");
  EXPECT_EQ(first.DefaultExt, "txt");
  EXPECT_EQ(first.FileName, "");
  EXPECT_EQ(first.InitialDir + "/", dir_.Dir());
  EXPECT_EQ(platform_.SaveRequests()[1].FileName, chosen);
  EXPECT_EQ(dir_.Read("list.xlsx").substr(0, 2), "PK");
}

// The dialog names the format the file name gives; the line under the edit table then says what
// was written where.
TEST_F(ExportDialogTest, TheFormatFollowsTheNameAndTheEditTableSaysWhatWasWritten) {
  Start(WritePlan("plan.kmt"));
  std::vector<std::string> formats;
  Run([&](QDialog& d) {
    for (const std::string name : {"list.txt", "list.XLSX"}) {
      Choose(d, 1, dir_.File(name));
      formats.push_back(Find<QLabel>(d, "lblFormat")->text().toStdString());
    }
  });
  Trigger("mnuToolFile");
  EXPECT_EQ(formats, (std::vector<std::string>{"テキスト形式のファイルにエクスポートします",
                                               "Excel ブックにエクスポートします"}));
  const std::string said = app_->frmEdit->WhyLine().text().toStdString();
  for (const std::string& part : {std::string("クラス時間割"), std::string("Excel ブック"),
                                  std::string("list.XLSX"), DirectoryOf(dir_.File("list.XLSX"))}) {
    EXPECT_NE(said.find(part), std::string::npos) << part << " in " << said;
  }
}

TEST_F(ExportDialogTest, AnEmptyNameIsRefusedAndTheDialogStaysOpen) {
  Start();
  Run([](QDialog& d) { Choose(d, 0, "  "); });
  platform_.Expect(Answer::Ok);
  Run([&](QDialog& d) { Choose(d, 0, dir_.File("empty.txt")); });
  Trigger("mnuToolFile");
  EXPECT_EQ(OnlyBox().Type, BoxType::Error);
  // No timetable open: exactly the two heading rows.
  EXPECT_EQ(dir_.Read("empty.txt"), Bytes(Headings));
}

TEST_F(ExportDialogTest, AFailedExportShowsTheErrorBoxWithThePath) {
  Start();
  std::filesystem::create_directories(dir_.File("folder"));
  Run([&](QDialog& d) { Choose(d, 1, dir_.File("folder")); });
  platform_.ExpectErrorBox();
  Trigger("mnuToolFile");
  ASSERT_EQ(platform_.ErrorBoxes().size(), 1u);
  EXPECT_NE(platform_.ErrorBoxes()[0].find(dir_.File("folder")), std::string::npos);
}

TEST_F(ExportDialogTest, TheEnvironmentButtonOpensThePrintPage) {
  Start();
  int page = -1;
  Run([](QDialog& d) { Find<QPushButton>(d, "btnEnvironment")->click(); }, QDialog::Rejected);
  platform_.ExpectDialog([&](QDialog& env) {
    page = Find<QTabWidget>(env, "tnbEnv")->currentIndex();
    return QDialog::Rejected;
  });
  Trigger("mnuToolFile");
  EXPECT_EQ(page, 2);
}

// The command line uses the options of the settings file, as the dialog would, the workbook's
// paper and font among them.
TEST_F(ExportDialogTest, TheCommandLineWritesTheSameFiles) {
  const std::string plan = WritePlan("plan.kmt");
  dir_.Write("Kumo.Ini", "[Print]\nTeachersKinde=2\nPaperSize=2\n[Printer]\nFont=IPAMincho\n");
  const Options stored = StoredOptions(dir_.Dir());
  EXPECT_EQ(stored.PaperSize, 2);
  EXPECT_EQ(stored.PrintFontName, "IPAMincho");
  struct Case {
    QStringList arguments;
    int status;
    std::string file;     // written, with these bytes
    const char* message;  // on the error stream
  };
  const QString out = QString::fromStdString(dir_.File("out.txt"));
  const QString planArg = QString::fromStdString(plan);
  for (const Case& c : {
           Case{{"--export", "teachers", planArg, out}, 0, Bytes(PlanTeachers("1-1", "1-2")), ""},
           Case{{"--export", "teachers", "missing.kmt", out}, 1, "", "missing.kmt"},
           Case{{"--export", "pupils", planArg, out}, 2, "", "--export"},
           Case{{"--export", "classes", planArg}, 2, "", "--export"},
       }) {
    std::filesystem::remove(dir_.File("out.txt"));
    std::ostringstream err;
    EXPECT_EQ(RunExportCommand(c.arguments, dir_.Dir(), err), c.status) << err.str();
    EXPECT_EQ(dir_.Read("out.txt"), c.file);
    EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
  }
}

// The program itself: no window, no display, the exit status of the command.
TEST_F(ExportDialogTest, TheProgramExportsWithoutADisplay) {
  const QString plan = QString::fromStdString(WritePlan("plan.kmt"));
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    environment.remove(name);
  }
  process.setProcessEnvironment(environment);
  auto run = [&](const QString& kind, const QString& timetable, const std::string& out) {
    process.start(QStringLiteral(KUMO_PROGRAM),
                  {"--export", kind, timetable, QString::fromStdString(dir_.File(out))});
    EXPECT_TRUE(process.waitForFinished(30000));
    return process.exitCode();
  };
  EXPECT_EQ(run("teachers", plan, "teachers.txt"), 0) << process.readAllStandardError().data();
  // The same bytes as the command run here with the program's own settings.
  std::ostringstream err;
  EXPECT_EQ(RunExportCommand(
                {"--export", "teachers", plan, QString::fromStdString(dir_.File("again.txt"))},
                DirectoryOf(KUMO_PROGRAM) + "/", err),
            0);
  EXPECT_EQ(dir_.Read("teachers.txt"), dir_.Read("again.txt"));
  EXPECT_EQ(run("classes", plan, "classes.xlsx"), 0) << process.readAllStandardError().data();
  EXPECT_EQ(dir_.Read("classes.xlsx").substr(0, 2), "PK");

  EXPECT_EQ(run("teachers", "none.kmt", "none.txt"), 1);
  EXPECT_NE(process.readAllStandardError().toStdString().find("none.kmt"), std::string::npos);
}

// A print into a PDF file shows no window, so nothing is said on the error stream (the tests
// give it the private folder a desktop session has, whose absence Qt would mention).
TEST_F(ExportDialogTest, ThePdfCommandSaysNothingWhenItSucceeds) {
  const QString plan = QString::fromStdString(WritePlan("plan.kmt"));
  QProcess process;
  process.start(QStringLiteral(KUMO_PROGRAM),
                {"--pdf", "teachers", plan, QString::fromStdString(dir_.File("list.pdf"))});
  EXPECT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_EQ(process.readAllStandardError().toStdString(), "");
  EXPECT_EQ(dir_.Read("list.pdf").substr(0, 5), "%PDF-");
}

// A file system that takes no more bytes (a file size limit on the program, which binds root
// too): the command fails with the reason, and the PDF it would have replaced is the old one.
TEST_F(ExportDialogTest, ThePdfCommandOnAFullFileSystemFailsAndKeepsTheOldFile) {
  const QString plan = QString::fromStdString(WritePlan("plan.kmt"));
  const QString pdf = QString::fromStdString(dir_.File("list.pdf"));
  QProcess process;
  // Written without the limit, the old file also leaves the fonts' caches made.
  process.start(QStringLiteral(KUMO_PROGRAM), {"--pdf", "teachers", plan, pdf});
  EXPECT_TRUE(process.waitForFinished(30000));
  const std::string old = dir_.Read("list.pdf");
  process.setChildProcessModifier([] {
    const rlimit small{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &small);
  });
  process.start(QStringLiteral(KUMO_PROGRAM), {"--pdf", "large", plan, pdf});
  EXPECT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 1);
  const std::string error = process.readAllStandardError().toStdString();
  EXPECT_NE(error.find(pdf.toStdString() + "\" を書き込めません"), std::string::npos) << error;
  EXPECT_TRUE(dir_.Read("list.pdf") == old);
}

}  // namespace
}  // namespace kumo::test
