#include "support/RecordingPrinter.h"

#include <QPageSize>
#include <QPaintEngine>
#include <QTextItem>
#include <algorithm>

namespace kumo::test {

std::vector<DrawnText> PrintedJob::Find(const QString& text) const {
  std::vector<DrawnText> found;
  for (const DrawnText& t : Texts) {
    if (t.Text == text) found.push_back(t);
  }
  return found;
}

class RecordingEngine : public QPaintEngine {
 public:
  explicit RecordingEngine(PrintedJob& record) : QPaintEngine(AllFeatures), record_(record) {}

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  Type type() const override { return User; }
  void updateState(const QPaintEngineState& state) override {
    if (state.state() & DirtyPen) pen_ = state.pen();
  }
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawLines(const QLine* lines, int count) override {
    for (int i = 0; i < count; ++i) {
      record_.Lines.push_back({record_.Pages, lines[i], static_cast<int>(pen_.widthF())});
    }
  }
  // Text decorations come as lines of their own; the texts record their underline.
  void drawLines(const QLineF*, int) override {}
  void drawTextItem(const QPointF& baseline, const QTextItem& item) override {
    const QFont font = item.font();
    const QPoint topLeft(qRound(baseline.x()), qRound(baseline.y() - qRound(item.ascent())));
    record_.Texts.push_back({record_.Pages, topLeft, item.text(), font.pointSize(),
                             font.underline(), pen_.color(), font.family()});
  }

 private:
  PrintedJob& record_;
  QPen pen_;
};

RecordingDevice::RecordingDevice(QSize pixels, int dpi, PrintedJob& record)
    : pixels_(pixels), dpi_(dpi), engine_(std::make_unique<RecordingEngine>(record)) {}

RecordingDevice::~RecordingDevice() = default;

QPaintEngine* RecordingDevice::paintEngine() const {
  return engine_.get();
}

int RecordingDevice::metric(PaintDeviceMetric metric) const {
  switch (metric) {
    case PdmWidth:
      return pixels_.width();
    case PdmHeight:
      return pixels_.height();
    case PdmWidthMM:
      return pixels_.width() * 254 / (10 * dpi_);
    case PdmHeightMM:
      return pixels_.height() * 254 / (10 * dpi_);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
      return dpi_;
    case PdmDepth:
      return 32;
    case PdmNumColors:
      return 0x7FFFFFFF;
    case PdmDevicePixelRatioScaled:
      return static_cast<int>(devicePixelRatioFScale());
    default:
      return QPaintDevice::metric(metric);
  }
}

namespace {

QSize PagePixels(const PrintRequest& request, int dpi) {
  static const QPageSize::PageSizeId papers[] = {QPageSize::A4, QPageSize::JisB4, QPageSize::A3};
  const QSize portrait = QPageSize(papers[request.Paper]).sizePixels(dpi);
  return request.Orientation == PageOrientation::Landscape ? portrait.transposed() : portrait;
}

}  // namespace

void RecordingJob::FitPage(int width, int height) {
  record_.Scale = std::min({1.0, static_cast<double>(device_.width()) / width,
                            static_cast<double>(device_.height()) / height});
}

RecordingJob::RecordingJob(int dpi, PrintedJob& record)
    : dpi_(dpi),
      record_(record),
      device_(PagePixels(record.Request, dpi), dpi, record),
      painter_(&device_),
      canvas_(painter_) {
  canvas_.SetBrushClear();
}

}  // namespace kumo::test
