#include "app/library/LibrarySelectionDelegate.h"

namespace app::library {

void LibrarySelectionDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    gui::CellTextDelegate::initStyleOption(option, index);
    DBGridEh1DrawColumnCell(*option);
}

void LibrarySelectionDelegate::DBGridEh1DrawColumnCell(QStyleOptionViewItem& option) {
    if (!(option.state & QStyle::State_Selected)) return;
    // Both colour groups: the grid keeps its lime while another widget has the focus.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        option.palette.setColor(group, QPalette::Highlight, selectedBackground());
        option.palette.setColor(group, QPalette::HighlightedText, selectedText());
    }
}

} // namespace app::library
