#pragma once
// What the window system sends when the user minimises a window and restores
// it: a spontaneous hide, then a spontaneous show, with no close in between.
#include <QApplication>
#include <QHideEvent>
#include <QShowEvent>
#include <QSpontaneKeyEvent>
#include <QWidget>

// Delivered straight to the window: sendEvent() would mark them as the program's own.
inline void minimiseAndRestore(QWidget& window) {
    QObject& target = window;
    QHideEvent hide;
    QSpontaneKeyEvent::setSpontaneous(&hide);
    target.event(&hide);
    QShowEvent show;
    QSpontaneKeyEvent::setSpontaneous(&show);
    target.event(&show);
    QApplication::processEvents();
}
