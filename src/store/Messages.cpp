#include "store/Messages.h"

#include <QDebug>

namespace store {

namespace {
class LogMessages final : public Messages {
public:
    void information(const QString& text) override { qInfo().noquote() << text; }
    void warning(const QString& text) override { qWarning().noquote() << text; }
    void error(const QString& text) override { qCritical().noquote() << text; }
    bool confirm(const QString& text) override {
        qInfo().noquote() << text << "(answered No)";
        return false;
    }
};

LogMessages& logMessages() {
    static LogMessages m;
    return m;
}

Messages* installed = nullptr;
} // namespace

Messages& messages() { return installed ? *installed : logMessages(); }

void setMessages(Messages* m) { installed = m; }

} // namespace store
