#include "platform/WindowFrame.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <optional>

namespace kumo {
namespace {

Bounds BoundsOf(const QRect& r) {
  return {r.x(), r.y(), r.width(), r.height()};
}

bool UserSizable(const QWidget& window) {
  return window.minimumSize() != window.maximumSize();
}

// A window manager frames a window only once it maps it, while windows are placed before that;
// and whether it then puts the frame or the inside where the window was placed differs between
// window managers, and between a first showing and a later one. So the place asked for is kept
// and, for a while after the window is shown, checked against the real frame and put right.
class PlaceKeeper : public QObject {
 public:
  explicit PlaceKeeper(QWidget& window) : QObject(&window), window_(window) {
    window.installEventFilter(this);
    poll_.setInterval(PollMs);
    connect(&poll_, &QTimer::timeout, this, [this] { Poll(); });
  }

  static PlaceKeeper* Of(const QWidget& window) {
    for (QObject* child : window.children()) {
      if (auto* keeper = dynamic_cast<PlaceKeeper*>(child)) return keeper;
    }
    return nullptr;
  }

  const std::optional<Bounds>& Wanted() const { return wanted_; }

  void Want(const Bounds& outer) {
    wanted_ = outer;
    Apply(outer, FrameOf(window_));
    if (window_.isVisible()) StartPolling();
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Show:
        StartPolling();
        break;
      case QEvent::Hide:
        // Shown again, the window may come back elsewhere; a minimised one keeps its place.
        if (!event->spontaneous() && !RealFrame(window_).IsNull()) wanted_ = OuterBounds(window_);
        poll_.stop();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  // How long a window manager may take to frame a window it has been asked to show, and to
  // place it again after that.
  static constexpr int PollMs = 40;
  static constexpr int Polls = 50;
  // Polls without a frame after which the window manager is asked to report it again.
  static constexpr int NudgeAfter = 10;
  // A window manager that puts the window elsewhere even so has its reasons.
  static constexpr int MaxCorrections = 3;

  void StartPolling() {
    polls_ = 0;
    corrections_ = 0;
    if (wanted_) poll_.start();
  }

  void Apply(const Bounds& outer, const Margins& frame) {
    const Bounds inside = InsideOf(outer, frame);
    if (UserSizable(window_)) window_.resize(inside.Width, inside.Height);
    // Qt places a window by its frame once it knows the frame, by its inside before.
    const bool frameKnown = !RealFrame(window_).IsNull();
    window_.move(frameKnown ? outer.Left : inside.Left, frameKnown ? outer.Top : inside.Top);
  }

  void Poll() {
    const bool last = ++polls_ >= Polls;
    if (last) poll_.stop();
    if (!wanted_ || !window_.isVisible()) return;
    const Margins real = RealFrame(window_);
    if (real.IsNull()) {
      // Qt can miss the frame a window manager reports while mapping the window: a move there
      // and back makes it report the frame again.
      if (polls_ == NudgeAfter) {
        const QPoint at = window_.pos();
        window_.move(at + QPoint(1, 0));
        window_.move(at);
      }
      return;
    }
    const Bounds actual = BoundsOf(window_.frameGeometry());
    Bounds wanted = *wanted_;
    if (!UserSizable(window_)) {
      wanted.Width = actual.Width;
      wanted.Height = actual.Height;
    }
    // A window manager can place a window again a moment after it has framed it: the place is
    // watched as long as the poll runs.
    if (actual != wanted && corrections_ < MaxCorrections) {
      ++corrections_;
      Apply(wanted, real);
    } else if (last) {
      wanted_.reset();
    }
  }

  QWidget& window_;
  std::optional<Bounds> wanted_;
  QTimer poll_;
  int polls_ = 0;
  int corrections_ = 0;
};

}  // namespace

Margins RealFrame(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect inside = window.geometry();
  const Margins m{inside.left() - frame.left(), inside.top() - frame.top(),
                  frame.right() - inside.right(), frame.bottom() - inside.bottom()};
  // While the window manager maps a window, its frame can be reported as a point at the screen's
  // corner: no frame yet, not a negative one.
  return m.Left < 0 || m.Top < 0 || m.Right < 0 || m.Bottom < 0 ? Margins{} : m;
}

// Before the window is framed, the frame of another of the program's windows tells best what the
// window manager will give it, one as sizable as it best of all.
Margins FrameOf(const QWidget& window) {
  const Margins real = RealFrame(window);
  if (!real.IsNull()) return real;
  std::optional<Margins> other;
  for (const QWidget* top : QApplication::topLevelWidgets()) {
    if (top == &window || !top->isVisible()) continue;
    const Margins frame = RealFrame(*top);
    if (frame.IsNull()) continue;
    if (UserSizable(*top) == UserSizable(window)) return frame;
    other = frame;
  }
  if (other) return *other;
  const int border = window.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
  const int bar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
  return {border, bar + border, border, border};
}

Bounds OuterBounds(const QWidget& window) {
  const Bounds real = OuterOf(BoundsOf(window.geometry()), FrameOf(window));
  const PlaceKeeper* keeper = PlaceKeeper::Of(window);
  if (!RealFrame(window).IsNull() || keeper == nullptr || !keeper->Wanted()) return real;
  Bounds wanted = *keeper->Wanted();
  if (!UserSizable(window)) {
    wanted.Width = real.Width;
    wanted.Height = real.Height;
  }
  return wanted;
}

void SetOuterBounds(QWidget& window, const Bounds& outer) {
  PlaceKeeper* keeper = PlaceKeeper::Of(window);
  if (keeper == nullptr) keeper = new PlaceKeeper(window);
  keeper->Want(outer);
}

void MoveOuter(QWidget& window, int left, int top) {
  Bounds b = OuterBounds(window);
  b.Left = left;
  b.Top = top;
  SetOuterBounds(window, b);
}

Bounds ScreenAreaAt(const Bounds& outer) {
  const QRect r(outer.Left, outer.Top, outer.Width, outer.Height);
  const QScreen* best = QGuiApplication::primaryScreen();
  qint64 most = 0;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect on = r & screen->availableGeometry();
    const qint64 area = static_cast<qint64>(on.width()) * on.height();
    if (area > most) {
      most = area;
      best = screen;
    }
  }
  return BoundsOf(best->availableGeometry());
}

void PlaceWithinReach(QWidget& window, const Bounds& outer) {
  const int kept =
      dynamic_cast<const QDialog*>(&window) != nullptr ? outer.Height : FrameOf(window).Top;
  SetOuterBounds(window, Reachable(outer, ScreenAreaAt(outer), kept));
}

void CentreOnScreen(QWidget& window) {
  if (QLayout* layout = window.layout()) layout->activate();
  const Bounds outer = OuterBounds(window);
  SetOuterBounds(
      window, Centred(outer.Width, outer.Height, BoundsOf(window.screen()->availableGeometry())));
}

}  // namespace kumo
