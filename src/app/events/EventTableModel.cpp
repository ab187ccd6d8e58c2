#include "app/events/EventTableModel.h"

#include "app/events/WaveformEvents.h"

namespace app::events {

namespace {
constexpr int kColumns = 5;
}

EventTableModel::EventTableModel(const WaveformEvents& events, QObject* parent)
    : QAbstractTableModel(parent), events_(events) {
    connect(&events, &WaveformEvents::changed, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int EventTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(events_.rows().size());
}

int EventTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant EventTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= events_.rows().size() || index.column() >= kColumns) return {};
    const WaveformEvents::Row& r = events_.rows()[index.row()];
    if (role == Qt::TextAlignmentRole)
        return index.column() == 2 || index.column() == 3 ? int(Qt::AlignRight | Qt::AlignVCenter)
                                                          : int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case 0: return r.number;
    case 1: return r.kind;
    case 2: return r.distance;
    case 3: return r.amplitude;
    default: return r.polarity;
    }
}

QVariant EventTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case 0: return tr("No.");
    case 1: return tr("Event");
    case 2: return tr("Distance");
    case 3: return tr("Level");
    case 4: return tr("Polarity");
    default: return {};
    }
}

} // namespace app::events
