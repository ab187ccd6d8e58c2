#pragma once
#include <QString>
#include <QStringList>
#include <functional>

namespace store {

// Message boxes of the program, replaceable in tests. The application installs
// boxes on top of Qt Widgets; until then messages go to the log.
class Messages {
public:
    virtual ~Messages() = default;
    // Information box with an OK button.
    virtual void information(const QString& text) = 0;
    // Warning box with an OK button.
    virtual void warning(const QString& text) = 0;
    // The application's standard error display: the message text in an OK box.
    virtual void error(const QString& text) = 0;
    // Confirmation box with Yes and No; true for Yes.
    virtual bool confirm(const QString& text) = 0;
};

// The installed message boxes (never null).
Messages& messages();
// Installs m (not owned); nullptr restores the logging default.
void setMessages(Messages* m);

// The first `shown` of `names` for a one-line message, then "…" when there are more.
QString namesInLine(const QStringList& names, int shown);

// Runs an event handler; an error it raises is shown in the standard error
// display, after `beforeShowing` has run when one is given. True when the
// handler ran without an error.
bool showErrors(const std::function<void()>& handler, const std::function<void()>& beforeShowing = {});

} // namespace store
