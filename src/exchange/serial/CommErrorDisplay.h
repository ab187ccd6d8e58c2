#pragma once
#include <QString>
#include <functional>

namespace serial {

// The application's standard error display, through which the port shows the
// exceptions of OnOpen, OnError and the handlers it runs for line events.
// The application installs a message box; until then messages are logged.
void setCommErrorDisplay(std::function<void(const QString&)> display);
void showCommError(const QString& message);

// Shows the exception being handled; call only inside a catch block.
void showCurrentException();

} // namespace serial
