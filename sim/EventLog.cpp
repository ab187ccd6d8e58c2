#include "EventLog.h"

#include "exchange/serial/WireLine.h"

using namespace serial;

namespace sim {

bool EventLog::open(const QString& path) {
    file_.setFileName(path);
    return file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
}

void EventLog::frame(const char* direction, int speed, const QByteArray& bytes) {
    line(WireLine::frame(QDateTime::currentDateTimeUtc(), direction, speed, bytes));
}

void EventLog::note(const QString& text) { line(WireLine::note(QDateTime::currentDateTimeUtc(), text)); }

void EventLog::line(const QByteArray& text) {
    if (!file_.isOpen()) return;
    file_.write(text + '\n');
    file_.flush();
}

} // namespace sim
