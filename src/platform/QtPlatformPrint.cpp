// Printing on the Qt platform: the chosen printer (the system's print service), PDF files and
// the preview, each drawing the pages through the same routine.
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <algorithm>

#include "base/FileError.h"
#include "platform/Canvas.h"
#include "platform/QtPlatform.h"

namespace kumo {
namespace {

class QtPrintJob : public PrintJob {
 public:
  QtPrintJob(QPrinter& printer, QPainter& painter)
      : printer_(printer), painter_(painter), canvas_(painter) {
    // Text is written on the paper, not on boxes of its own.
    canvas_.SetBrushClear();
  }
  Canvas& Page() override { return canvas_; }
  void NewPage() override { printer_.newPage(); }
  void FitPage(int width, int height) override {
    const double scale = std::min(static_cast<double>(printer_.width()) / width,
                                  static_cast<double>(printer_.height()) / height);
    if (scale < 1) painter_.scale(scale, scale);
  }
  int DpiX() const override { return printer_.logicalDpiX(); }
  int DpiY() const override { return printer_.logicalDpiY(); }

 private:
  QPrinter& printer_;
  QPainter& painter_;
  Canvas canvas_;
};

// The pages are laid out in printer pixels, and the class tables' vertical offsets grow with the
// resolution: at the resolution of common office printers on every device, so that a page looks
// the same on every printer, in every PDF file and in the preview. (The system's print service
// receives the pages as vector graphics, so nothing prints coarser for it.)
constexpr int PrintDpi = 600;

void SetUpPrinter(QPrinter& printer, const PrintRequest& request) {
  printer.setResolution(PrintDpi);
  static const QPageSize::PageSizeId papers[] = {QPageSize::A4, QPageSize::JisB4, QPageSize::A3};
  printer.setDocName(QString::fromStdString(request.Name));
  printer.setPageSize(QPageSize(papers[request.Paper]));
  printer.setPageOrientation(request.Orientation == PageOrientation::Landscape
                                 ? QPageLayout::Landscape
                                 : QPageLayout::Portrait);
  if (request.Copies) printer.setCopyCount(*request.Copies);
}

// False when the printer would not start the job or failed on it.
bool DrawTask(QPrinter& printer, const PrintTask& task) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  {
    QtPrintJob job(printer, painter);
    task.Draw(job);
  }
  return painter.end() && printer.printerState() != QPrinter::Error;
}

std::string PrinterFailure(const QPrinter& printer) {
  const QString name =
      printer.printerName().isEmpty() ? QStringLiteral("(なし)") : printer.printerName();
  return "プリンタ " + name.toStdString() + " で印刷できません";
}

}  // namespace

void PrintPdfFile(const PrintTask& task, const std::string& path) {
  const QString file = QString::fromStdString(path);
  {
    // Qt's PDF writer says nothing of why it failed; opening the file first names the reason.
    QFile probe(file);
    if (!probe.open(QIODevice::WriteOnly)) {
      throw FileError(path + " に書き込めません: " + probe.errorString().toStdString());
    }
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  printer.setFontEmbeddingEnabled(true);
  // About what printers leave unprinted at the edges, so that the file prints whole anywhere.
  printer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
  SetUpPrinter(printer, task.Request);
  if (!DrawTask(printer, task)) throw FileError(path + " に書き込めません");
}

bool QtPlatform::Print(const PrintTask& task) {
  if (printer_.outputFormat() == QPrinter::PdfFormat) {
    // Each job of a print is a file of its own; the set-up's file names the folder and the
    // first suggestion.
    const QFileInfo chosen(printer_.outputFileName());
    FileDialogRequest request{
        "PDF ファイル (*.pdf)|*.pdf", "pdf", task.Request.Name + ".pdf",
        chosen.fileName().isEmpty() ? std::string() : chosen.absolutePath().toStdString(),
        std::string()};
    std::optional<std::string> path = SaveFileDialog(nullptr, request);
    if (!path) return false;
    PrintPdfFile(task, *path);
    return true;
  }
  SetUpPrinter(printer_, task.Request);
  if (!DrawTask(printer_, task)) throw FileError(PrinterFailure(printer_));
  return true;
}

void QtPlatform::PrintPreview(QWidget* owner, const std::vector<PrintTask>& tasks) {
  for (const PrintTask& task : tasks) {
    SetUpPrinter(printer_, task.Request);
    QPrintPreviewDialog dialog(&printer_, owner);
    dialog.setWindowTitle(QStringLiteral("プレビュー - ") +
                          QString::fromStdString(task.Request.Name));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [this, &task](QPrinter* printer) {
                       if (!DrawTask(*printer, task)) ErrorBox(PrinterFailure(*printer));
                     });
    dialog.exec();
  }
}

}  // namespace kumo
