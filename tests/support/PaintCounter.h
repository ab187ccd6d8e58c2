#pragma once
#include <QEvent>
#include <QObject>
#include <QWidget>

// Counts the paints of one widget, so that an input's answer can be waited for.
struct PaintCounter : QObject {
    explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, e);
    }
    int paints = 0;
};
