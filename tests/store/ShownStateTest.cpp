#include "store/ViewState.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

// The window shows the state again on changed(): every change reaches it, a
// value set as it was does not repaint it, and an event that sets many values
// repaints it once, also when its batches nest.
TEST(ShownState, everyChangeIsShown_onceForAWholeEvent) {
    store::ViewState state;
    QSignalSpy shown(&state, &store::ViewState::changed);

    state.setEditSdvig(3);
    state.setEditSdvig(3);
    EXPECT_EQ(shown.count(), 1) << "a value set as it was asks for no repaint";

    {
        const store::ViewState::Batch event(state);
        state.setEditKu(store::ShownNumber::rounded(2.0, 3));
        {
            const store::ViewState::Batch inner(state);
            state.setZoomCaption(store::ShownNumber(2, 0));
        }
        state.setTypeIndex(1);
        EXPECT_EQ(shown.count(), 1) << "nothing is shown before the event ends";
    }
    EXPECT_EQ(shown.count(), 2);

    {
        const store::ViewState::Batch event(state);
        state.setTypeIndex(1);
    }
    EXPECT_EQ(shown.count(), 2) << "an event that changed nothing repaints nothing";
}
