#pragma once
#include "exporter/Waveform.h"

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <vector>

class QWidget;

namespace store {
class TDataModule1;
class ViewState;
} // namespace store

namespace trace {
class ScreenChart;
}

namespace app {

class WindowState;

// The File menu's exports: the waveforms to export (every marked one, else
// the selected one) as CSV or JSON, and the two charts as PNG or SVG. Each
// asks for a file in the folder last used for an export, named after the
// waveform, writes it whole or not at all and says what went wrong. Waveform
// distances are at each waveform's stored PR unless the PR box was moved
// away from the shown waveform's, as the command line's --pr; the save
// dialog says which.
class ExportActions {
    Q_DECLARE_TR_FUNCTIONS(ExportActions)
public:
    enum class Format { Csv, Json, Png, Svg };

    ExportActions(store::ViewState& state, const WindowState& window, store::TDataModule1& dm,
                  trace::ScreenChart& upper, trace::ScreenChart& lower, QWidget* parent);

    void mnExportCsvClick() { exportTo(Format::Csv); }
    void mnExportJsonClick() { exportTo(Format::Json); }
    void mnExportPngClick() { exportTo(Format::Png); }
    void mnExportSvgClick() { exportTo(Format::Svg); }

    // Without a window: the marked waveforms, else (or for the charts,
    // which show it) the current one; empty when the library shows none.
    std::vector<exporter::Waveform> chosenWaveforms(Format format) const;
    // The file name offered, without its ending.
    QString proposedName(const std::vector<exporter::Waveform>& waveforms) const;
    // The PR box when it differs from the shown waveform's stored PR (or the
    // 1.5 it shows for one without), else unset: each exported waveform's
    // stored PR. Throws std::exception when the box holds no PR.
    std::optional<double> givenPr() const;
    // What the save dialog says of the PR the waveforms are exported at.
    QString prNote(const std::vector<exporter::Waveform>& waveforms) const;
    // The file's bytes; throws std::exception with the message to show.
    QByteArray contents(Format format, QSize pictureSize,
                        const std::vector<exporter::Waveform>& waveforms) const;

private:
    void exportTo(Format format);
    QString askFile(Format format, const QString& baseName, const QString& note) const;

    store::ViewState& state_;
    const WindowState& window_;
    store::TDataModule1& dm_;
    trace::ScreenChart& upper_;
    trace::ScreenChart& lower_;
    QWidget* parent_;
};

} // namespace app
