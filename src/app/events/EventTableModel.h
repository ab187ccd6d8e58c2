#pragma once
#include <QAbstractTableModel>

namespace app::events {

class WaveformEvents;

// The event list as the table "EventGrid" shows it: number, kind, distance,
// amplitude, polarity.
class EventTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit EventTableModel(const WaveformEvents& events, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const WaveformEvents& events_;
};

} // namespace app::events
