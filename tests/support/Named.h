#pragma once
// A control of a window found as the user's tools find it: by its objectName.
#include <QObject>
#include <QString>

#include <stdexcept>
#include <string>

template <class W>
W* named(const QObject& window, const char* name) {
    W* found = window.findChild<W*>(QString::fromLatin1(name));
    if (found == nullptr)
        throw std::runtime_error(window.objectName().toStdString() + " has no control named " + name);
    return found;
}

template <class W>
W* named(const QObject* window, const char* name) {
    return named<W>(*window, name);
}
