#include "app/controls/TraceControlsWiring.h"

#include "app/TForm1.h"
#include "gui/QtClock.h"
#include "store/PrVelocity.h"
#include "store/Units.h"
#include "store/ViewState.h"
#include "trace/CursorMarks.h"
#include "trace/ScreenChart.h"
#include "trace/SlotLayout.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <cmath>

namespace app::controls {

namespace {
// How near a cursor line a press takes that line rather than the button's cursor.
constexpr int kGrabPixels = 4;
} // namespace

TraceControlsWiring::TraceControlsWiring(TForm1& form, store::TDataModule1& dm, store::DataModuleHost& window,
                                         trace::TraceView& view, trace::ScreenChart& lowerChart,
                                         gui::Clock* clock)
    : ownClock_(clock ? nullptr : std::make_unique<gui::QtClock>()),
      controls_(form.state(), form.windowState(), dm, window, view, clock ? *clock : *ownClock_),
      readout_(lowerChart), form_(form), chartView_(lowerChart.view()) {
    setObjectName(QStringLiteral("TraceControlsWiring"));
    connectButtons();
    connectBoxes();
    form_.Label_k1->installEventFilter(this);
    form_.Label_k2->installEventFilter(this);
    if (QWidget* chartView = lowerChart.view()) {
        chartView->setMouseTracking(true);
        chartView->setFocusPolicy(Qt::StrongFocus);
        chartView->setToolTip(tr("Click: put the active cursor (the bold one; click K1 or K2 to choose it) "
                                 "here. Right click or Shift+click: put the other one here.\n"
                                 "Drag a cursor line to move it; Left/Right move the active cursor."));
        chartView->installEventFilter(this);
    }
    lowerChart.setLabelledLines({trace::SlotLayout::kCursorK1, trace::SlotLayout::kCursorK2});
    new trace::CursorMarks(lowerChart, form.state(), this);
}

TraceControlsWiring::~TraceControlsWiring() = default;

void TraceControlsWiring::connectButtons() {
    TForm1& f = form_;
    TraceControls& c = controls_;
    auto repeat = [this](QToolButton* button, auto down, auto up) {
        connect(button, &QToolButton::pressed, this, down);
        connect(button, &QToolButton::released, this, up);
    };
    for (int direction : {1, -1}) {
        const bool inc = direction > 0;
        repeat(
            inc ? f.SpeedButton_k1_inc : f.SpeedButton_k1_dec,
            [&c, direction] { c.cursors.mouseDown(1, direction); },
            [&c, direction] { c.cursors.mouseUp(1, direction); });
        repeat(
            inc ? f.SpeedButton_k2_inc : f.SpeedButton_k2_dec,
            [&c, direction] { c.cursors.mouseDown(2, direction); },
            [&c, direction] { c.cursors.mouseUp(2, direction); });
        repeat(
            inc ? f.SpeedButton_ku_inc : f.SpeedButton_ku_dec, [&c, direction] { c.pr.mouseDown(direction); },
            [&c, direction] { c.pr.mouseUp(direction); });
        repeat(
            inc ? f.SpeedButton_sdvig_inc : f.SpeedButton_sdvig_dec,
            [&c, direction] { c.offset.mouseDown(direction); },
            [&c, direction] { c.offset.mouseUp(direction); });
        repeat(
            inc ? f.SpeedButton_zoom_inc : f.SpeedButton_zoom_dec,
            [&c, direction] { c.zoom.mouseDown(direction); }, [&c, direction] { c.zoom.mouseUp(direction); });
    }
    connect(f.SpeedButton3, &QToolButton::clicked, this, [&c] { c.pr.SpeedButton3Click(); });
    connect(f.Button_zoom, &QPushButton::clicked, this, [&c] { c.zoom.Button_zoomClick(); });
}

void TraceControlsWiring::connectBoxes() {
    TForm1& f = form_;
    TraceControls& c = controls_;
    for (QLineEdit* box : {f.Edit_k1, f.Edit_k2, f.Edit_ku}) {
        box->setReadOnly(false);
        box->setEnabled(true);
        // Typing without Enter changes nothing: leaving the box shows the value again.
        box->installEventFilter(this);
    }
    showBoxHints();
    connect(&f.state(), &store::ViewState::changed, this, &TraceControlsWiring::showBoxHints);
    connect(&store::Units::notifier(), &store::UnitsNotifier::changed, this,
            &TraceControlsWiring::showBoxHints);
    // The box shows the state again before the typed text is taken: a text
    // refused, or one that leaves the value as it was, changes no state.
    auto typed = [&f](QLineEdit* box) {
        const QString text = box->text();
        f.showState();
        return text;
    };
    connect(f.Edit_k1, &QLineEdit::returnPressed, this,
            [&c, &f, typed] { c.cursors.typeDistance(1, typed(f.Edit_k1)); });
    connect(f.Edit_k2, &QLineEdit::returnPressed, this,
            [&c, &f, typed] { c.cursors.typeDistance(2, typed(f.Edit_k2)); });
    connect(f.Edit_ku, &QLineEdit::returnPressed, this, [&c, &f, typed] { c.pr.typePr(typed(f.Edit_ku)); });
}

void TraceControlsWiring::showBoxHints() {
    TForm1& f = form_;
    const bool feet = store::Units::current() == store::LengthUnit::Feet;
    f.Edit_k1->setToolTip(feet ? tr("Type a distance in feet and press Enter to put K1 there")
                               : tr("Type a distance in metres and press Enter to put K1 there"));
    f.Edit_k2->setToolTip(feet ? tr("Type a distance in feet and press Enter to put K2 there")
                               : tr("Type a distance in metres and press Enter to put K2 there"));
    QString pr = tr("Type a PR from 1,000 to 3,000 and press Enter");
    const store::ShownNumber& box = f.state().editKu();
    const QString velocity = store::PrVelocity::describe(box.value());
    if (!velocity.isEmpty()) pr += "\n" + tr("PR %1: propagation velocity %2").arg(box.text(), velocity);
    if (f.Edit_ku->toolTip() != pr) f.Edit_ku->setToolTip(pr);
}

bool TraceControlsWiring::chartMouse(QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->position().toPoint();
    CursorPointer& pointer = controls_.pointer;
    if (event->type() == QEvent::MouseButtonPress) {
        const Qt::MouseButton button = mouse->button();
        if (button != Qt::LeftButton && button != Qt::RightButton) return false;
        const std::optional<double> metres = readout_.distanceAt(at);
        const std::optional<double> beside = readout_.distanceAt(at + QPoint(kGrabPixels, 0), true);
        if (!metres || !beside) return false;
        pointer.press(button == Qt::RightButton ? CursorPointer::Button::Right : CursorPointer::Button::Left,
                      mouse->modifiers().testFlag(Qt::ShiftModifier), *metres, std::fabs(*beside - *metres));
        return true;
    }
    if (event->type() == QEvent::MouseMove && pointer.held() != 0) {
        if (const std::optional<double> metres = readout_.distanceAt(at, true)) pointer.move(*metres);
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease && pointer.held() != 0) {
        pointer.release();
        return true;
    }
    return false;
}

bool TraceControlsWiring::chartKey(QEvent* event) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right) return false;
    controls_.cursors.keyStep(key == Qt::Key_Right ? 1 : -1);
    return true;
}

bool TraceControlsWiring::eventFilter(QObject* watched, QEvent* event) {
    if (watched == chartView_ &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
         event->type() == QEvent::MouseMove)) {
        if (chartMouse(event)) return true;
    }
    if (watched == chartView_ && event->type() == QEvent::KeyPress && chartKey(event)) return true;
    if (event->type() == QEvent::FocusOut &&
        (watched == form_.Edit_k1 || watched == form_.Edit_k2 || watched == form_.Edit_ku))
        form_.showState();
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == form_.Label_k1) controls_.cursors.Label_k1Click();
        if (watched == form_.Label_k2) controls_.cursors.Label_k2Click();
    }
    if (event->type() == QEvent::MouseMove && watched == chartView_) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (const std::optional<QString> text = readout_.TDBChart1MouseMove(at))
            form_.StatusPanel0->setText(*text);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace app::controls
