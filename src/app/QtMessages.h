#pragma once
#include "store/Messages.h"

class QWidget;

namespace app {

// The program's message boxes on top of Qt Widgets.
class QtMessages final : public store::Messages {
public:
    void information(const QString& text) override;
    void warning(const QString& text) override;
    void error(const QString& text) override;
    bool confirm(const QString& text) override;
};

} // namespace app
