#include "app/QtMessages.h"

#include <QApplication>
#include <QMessageBox>

namespace app {

namespace {
QWidget* parentWindow() { return QApplication::activeWindow(); }
} // namespace

void QtMessages::information(const QString& text) {
    QMessageBox::information(parentWindow(), QApplication::applicationName(), text);
}

void QtMessages::warning(const QString& text) {
    QMessageBox::warning(parentWindow(), QApplication::applicationName(), text);
}

void QtMessages::error(const QString& text) {
    QMessageBox::critical(parentWindow(), QApplication::applicationName(), text);
}

bool QtMessages::confirm(const QString& text) {
    return QMessageBox::question(parentWindow(), QApplication::applicationName(), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace app
