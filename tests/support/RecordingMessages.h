#pragma once
#include "store/Messages.h"

#include <QStringList>

// Installs itself as the program's message boxes for its lifetime and records
// every message; confirm() answers with `answer`.
class RecordingMessages final : public store::Messages {
public:
    RecordingMessages() { store::setMessages(this); }
    ~RecordingMessages() override { store::setMessages(nullptr); }

    void information(const QString& text) override { infos << text; }
    void warning(const QString& text) override { warnings << text; }
    void error(const QString& text) override { errors << text; }
    bool confirm(const QString& text) override {
        confirms << text;
        return answer;
    }

    QStringList infos, warnings, errors, confirms;
    bool answer = true;
};
