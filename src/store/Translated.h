#pragma once
#include <QCoreApplication>
#include <QString>

namespace store {

// A text kept as written in a constant (which tests compare with) and shown
// in the user's language. The constant's definition marks it for translation
// with QT_TRANSLATE_NOOP under the same context.
inline QString translated(const char* context, const QString& source) {
    return QCoreApplication::translate(context, source.toUtf8().constData());
}

} // namespace store
