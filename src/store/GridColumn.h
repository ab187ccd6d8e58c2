#pragma once
#include <QString>
#include <QVariant>
#include <Qt>
#include <functional>

namespace store {

// One column of a grid over a dataset.
struct GridColumn {
    QString field; // dataset field shown
    QString title; // header text (blank for the check-box column)
    int width = 0; // pixels; 0 leaves the view's default
    bool editable = false;
    bool checkBox = false; // a boolean field shown and toggled as a check box
    // Free text shown on one line of at most this many characters (its lines
    // joined, the rest cut with "…"), the whole text in the tooltip; 0: as stored.
    int oneLineChars = 0;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    // What a stored text is shown as (none: as stored); editing starts from the stored text.
    std::function<QString(const QString& stored)> shown;
    // Why a typed value is refused, in the user's words (empty: taken); none: every value goes to the field.
    std::function<QString(const QVariant& typed)> refusal;
};

} // namespace store
