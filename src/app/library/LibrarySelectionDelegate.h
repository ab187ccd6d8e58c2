#pragma once
#include "gui/CellTextDelegate.h"

namespace app::library {

// Draws the selected cells of the waveform library grid in lime with black
// text, so the current waveform stands out; other cells as usual.
class LibrarySelectionDelegate : public gui::CellTextDelegate {
    Q_OBJECT
public:
    using gui::CellTextDelegate::CellTextDelegate;

    static QColor selectedBackground() { return QColor(0, 255, 0); }
    static QColor selectedText() { return QColor(Qt::black); }

    // The grid's cell drawing: a selected cell takes the lime colours.
    static void DBGridEh1DrawColumnCell(QStyleOptionViewItem& option);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

} // namespace app::library
