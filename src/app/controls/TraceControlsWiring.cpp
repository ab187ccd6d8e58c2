#include "app/controls/TraceControlsWiring.h"

#include "app/TForm1.h"
#include "exchange/QtClock.h"
#include "trace/QtChart.h"

#include <QChartView>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

namespace app::controls {

TraceControlsWiring::TraceControlsWiring(TForm1& form, store::TDataModule1& dm, store::DataModuleHost& window,
                                         trace::TraceView& view, const trace::QtChart& lowerChart,
                                         exchange::Clock* clock)
    : ownClock_(clock ? nullptr : std::make_unique<exchange::QtClock>()),
      controls_(form.state(), form.windowState(), dm, window, view, clock ? *clock : *ownClock_),
      readout_(lowerChart), form_(form), chartViewport_(nullptr) {
    setObjectName(QStringLiteral("TraceControlsWiring"));
    connectButtons();
    form_.Label_k1->installEventFilter(this);
    form_.Label_k2->installEventFilter(this);
    if (QChartView* chartView = lowerChart.view()) {
        chartView->setMouseTracking(true);
        chartView->viewport()->setMouseTracking(true);
        chartViewport_ = chartView->viewport();
        chartViewport_->installEventFilter(this);
    }
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

bool TraceControlsWiring::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == form_.Label_k1) controls_.cursors.Label_k1Click();
        if (watched == form_.Label_k2) controls_.cursors.Label_k2Click();
    }
    if (event->type() == QEvent::MouseMove && watched == chartViewport_) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (const std::optional<QString> text = readout_.TDBChart1MouseMove(at))
            form_.StatusPanel0->setText(*text);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace app::controls
