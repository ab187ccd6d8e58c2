#include "exchange/WireLog.h"

#include "exchange/serial/WireLine.h"

#include <QCoreApplication>
#include <QFile>
#include <memory>

using namespace serial;

// Frames are logged at debug level: the category is off until enabled.
Q_LOGGING_CATEGORY(lcWire, "echolon.wire", QtWarningMsg)

namespace exchange {

namespace {
const QString kEnableRule = QStringLiteral("echolon.wire.debug=true");

std::unique_ptr<QFile>& logFile() {
    static std::unique_ptr<QFile> file;
    return file;
}

void write(const QByteArray& line) {
    if (QFile* file = logFile().get()) {
        file->write(line + '\n');
        file->flush();
    } else {
        qCDebug(lcWire).noquote() << QString::fromUtf8(line);
    }
}
} // namespace

namespace wirelog {

void sent(int speed, const QByteArray& frame) {
    if (lcWire().isDebugEnabled())
        write(WireLine::frame(QDateTime::currentDateTimeUtc(), "tx", speed, frame));
}

void received(const QByteArray& frame) {
    if (lcWire().isDebugEnabled()) write(WireLine::frame(QDateTime::currentDateTimeUtc(), "rx", 0, frame));
}

void note(const QString& text) {
    if (lcWire().isDebugEnabled()) write(WireLine::note(QDateTime::currentDateTimeUtc(), text));
}

} // namespace wirelog

QString WireLogFile::open(const QString& path) {
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return QCoreApplication::translate("WireLog", "cannot write the wire log %1: %2")
            .arg(path, file->errorString());
    logFile() = std::move(file);
    open_ = true;
    QLoggingCategory::setFilterRules(kEnableRule);
    return {};
}

WireLogFile::~WireLogFile() {
    if (!open_) return;
    logFile().reset();
    QLoggingCategory::setFilterRules(QString());
}

} // namespace exchange
