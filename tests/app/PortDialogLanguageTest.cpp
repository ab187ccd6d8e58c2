// The port dialog's own words for a port that another program holds and for
// one that does not exist, in either translation: the serial layer's texts
// are translated as well, so their words cannot tell the failures apart.
#include "TranslationScope.h"
#include "exchange/ChkDevFixture.h"

#include <QComboBox>

namespace {

class PortDialogLanguage : public ChkDevFixture {};

TEST_F(PortDialogLanguage, busyAndMissingPortsAreToldInTheUserLanguage) {
    struct Case {
        app::Language language;
        QString busy, missing;
    };
    for (const Case& c : {Case{app::Language::Russian, "Порт уже используется", "Порт не найден"},
                          Case{app::Language::English, "The port is already in use", "Port not found"}}) {
        const TranslationScope scope(c.language);
        ASSERT_TRUE(scope.installed);
        messages.infos.clear();
        exchange::TfrmChkDev& d = dialog();
        d.core().FormActivate();
        emit d.cb_PortNum->activated(1); // COM2: held by another opener
        emit d.cb_PortNum->activated(3); // COM4: no device
        EXPECT_EQ(messages.infos.join(" | ").toStdString(), (c.busy + " | " + c.missing).toStdString());
        EXPECT_EQ(d.cb_PortNum->currentIndex(), 0) << "the previous port stays chosen";
    }
}

} // namespace
