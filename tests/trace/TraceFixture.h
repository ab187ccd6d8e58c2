#pragma once
#include "CommaLocale.h"
#include "fakes/RecordingChart.h"
#include "store/Database.h"
#include "store/Dataset.h"
#include "store/ViewState.h"
#include "support/TempHome.h"
#include "trace/ChartSet.h"
#include "trace/SlotLayout.h"
#include "trace/TraceView.h"

#include <gtest/gtest.h>

// A library and a compare library in a temporary program folder, the four
// charts on the recording side and the trace view over them. The compare
// library's after-scroll handler follows the data module's tag protocol: the
// scan tag raises MaxScale, the quiet tag is absorbed, anything else counts
// as a move of the user.
class TraceFixture : public ::testing::Test {
protected:
    TraceFixture();

    // Appends a "KMX-417" record: samples at bytes 0..249 of `points`.
    static void addPlan(store::Dataset& ds, double scale, double zoomL, double startPlan, int sdvig = 0,
                        const QByteArray& points = QByteArray(385, '\0'));
    // Appends a "KMX-419" record: samples from byte 512 of `points`.
    static void addWindowRecord(store::Dataset& ds, double scale, const QString& method, int sdvig = 0,
                                const QByteArray& points = QByteArray());
    // A blob whose sample k (after `header` bytes) is the byte k mod 251 seen as signed.
    static QByteArray pattern(int header, int samples);
    static int patternSample(int k);

    const QList<QPointF>& upperPoints(int slot) const { return upper.points(slot); }
    const QList<QPointF>& lowerPoints(int slot) const { return lower.points(slot); }
    // Both report copies hold exactly what the main-window charts hold.
    void expectCopiesEqual() const;

    CommaLocale locale;
    TempHome home;
    store::Database libraryDb;
    store::Database compareDb;
    store::Dataset master;
    store::Dataset picture;
    store::ViewState state;
    trace::RecordingChart upper{trace::SlotLayout::kUpperCount}, lower{trace::SlotLayout::kLowerCount};
    trace::RecordingChart upperCopy{trace::SlotLayout::kUpperCount},
        lowerCopy{trace::SlotLayout::kLowerCount};
    trace::ChartSet charts{upper, lower};
    trace::TraceView view{state, charts, master, picture};
    int userMoves = 0;
    int scanMoves = 0;
};
