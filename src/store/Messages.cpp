#include "store/Messages.h"

#include <QDebug>
#include <exception>

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

bool showErrors(const std::function<void()>& handler, const std::function<void()>& beforeShowing) {
    QString message;
    try {
        handler();
        return true;
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    }
    if (beforeShowing) beforeShowing();
    messages().error(message);
    return false;
}

QString namesInLine(const QStringList& names, int shown) {
    QStringList line = names.mid(0, shown);
    if (names.size() > shown) line << QStringLiteral("…");
    return line.join(QStringLiteral(", "));
}

} // namespace store
