#pragma once
#include <QLocale>

// Runs a test in a locale whose decimal separator is a comma, and restores the
// previous default afterwards.
class CommaLocale {
public:
    CommaLocale() : previous_(QLocale()) { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    ~CommaLocale() { QLocale::setDefault(previous_); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

private:
    QLocale previous_;
};
