#include "EventLog.h"

bool EventLog::open(const QString& path) {
    file_.setFileName(path);
    return file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
}

void EventLog::frame(const char* direction, int speed, const QByteArray& bytes) {
    QByteArray text(direction);
    if (speed > 0) text += ' ' + QByteArray::number(speed);
    if (!bytes.isEmpty()) text += ' ' + bytes.toHex(' ').toUpper();
    line(text);
}

void EventLog::note(const QString& text) { line("note " + text.toUtf8()); }

void EventLog::line(const QByteArray& text) {
    if (!file_.isOpen()) return;
    file_.write(text + '\n');
    file_.flush();
}
