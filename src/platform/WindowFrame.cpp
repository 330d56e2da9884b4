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
  // The frame the window manager last gave the window: Qt can lose it when a window is shown
  // again.
  const std::optional<Margins>& Known() const { return known_; }

  void Want(const Bounds& outer) {
    wanted_ = outer;
    Apply(outer, FrameOf(window_));
    // A framed window goes where it is told; one still to be framed is watched until it is.
    const Margins real = RealFrame(window_);
    if (!real.IsNull() &&
        !Correction(BoundsOf(window_.geometry()), real, outer, UserSizable(window_))) {
      wanted_.reset();
    } else if (window_.isVisible()) {
      StartPolling();
    }
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Show:
        StartPolling();
        break;
      case QEvent::Hide:
        // Shown again, the window may come back elsewhere; a minimised one keeps its place.
        Learn();
        if (!event->spontaneous() && !wanted_) wanted_ = OuterBounds(window_);
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
  static constexpr int NudgeEvery = 8;
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

  void Learn() {
    const Margins real = RealFrame(window_);
    if (!real.IsNull()) known_ = real;
  }

  void Poll() {
    const bool last = ++polls_ >= Polls;
    if (last) poll_.stop();
    if (!wanted_ || !window_.isVisible()) return;
    Learn();
    if (RealFrame(window_).IsNull() && polls_ % NudgeEvery == 0) {
      // Qt can miss the frame a window manager reports while mapping the window: a move away,
      // undone at the next poll, makes the window manager report it again.
      window_.move(window_.pos() + QPoint(1, 0));
      nudged_ = true;
    } else if (nudged_) {
      window_.move(window_.pos() - QPoint(1, 0));
      nudged_ = false;
    }
    if (!known_) return;
    // A window manager can place a window again a moment after it has framed it: the place is
    // watched as long as the poll runs.
    const bool off =
        Correction(BoundsOf(window_.geometry()), *known_, *wanted_, UserSizable(window_))
            .has_value();
    if (off && corrections_ < MaxCorrections) {
      ++corrections_;
      Apply(*wanted_, *known_);
    } else if (last) {
      wanted_.reset();
    }
  }

  QWidget& window_;
  std::optional<Bounds> wanted_;
  std::optional<Margins> known_;
  QTimer poll_;
  int polls_ = 0;
  int corrections_ = 0;
  bool nudged_ = false;
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

namespace {

// The window's frame as Qt reports it, or as it last did.
std::optional<Margins> KnownFrame(const QWidget& window) {
  const Margins real = RealFrame(window);
  if (!real.IsNull()) return real;
  const PlaceKeeper* keeper = PlaceKeeper::Of(window);
  return keeper != nullptr ? keeper->Known() : std::nullopt;
}

}  // namespace

// Before the window is framed, the frame of another of the program's windows tells best what the
// window manager will give it, one as sizable as it best of all.
Margins FrameOf(const QWidget& window) {
  if (const std::optional<Margins> known = KnownFrame(window)) return *known;
  std::optional<Margins> other;
  for (const QWidget* top : QApplication::topLevelWidgets()) {
    if (top == &window || !top->isVisible()) continue;
    const std::optional<Margins> frame = KnownFrame(*top);
    if (!frame) continue;
    if (UserSizable(*top) == UserSizable(window)) return *frame;
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
  if (keeper == nullptr || !keeper->Wanted()) return real;
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
