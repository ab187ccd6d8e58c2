#include "app/ExportActions.h"

#include "app/ExportSizeDialog.h"
#include "app/WindowState.h"
#include "exporter/ChartPicture.h"
#include "exporter/CsvTable.h"
#include "exporter/ExportPr.h"
#include "exporter/JsonExport.h"
#include "exporter/SavedFile.h"
#include "report/ReportFileName.h"
#include "store/DialogFolders.h"
#include "store/Messages.h"
#include "store/TDataModule1.h"
#include "store/ViewState.h"
#include "trace/ScreenChart.h"
#include "trace/TraceNumbers.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <stdexcept>

namespace app {

namespace {

using Format = ExportActions::Format;

struct FileKind {
    const char* suffix;
    const char* filter;
};

FileKind kindOf(Format format) {
    switch (format) {
    case Format::Csv: return {"csv", QT_TRANSLATE_NOOP("ExportActions", "CSV tables (*.csv)")};
    case Format::Json: return {"json", QT_TRANSLATE_NOOP("ExportActions", "JSON files (*.json)")};
    case Format::Png: return {"png", QT_TRANSLATE_NOOP("ExportActions", "PNG pictures (*.png)")};
    case Format::Svg: return {"svg", QT_TRANSLATE_NOOP("ExportActions", "SVG pictures (*.svg)")};
    }
    return {"", ""};
}

bool isPicture(Format format) { return format == Format::Png || format == Format::Svg; }

[[noreturn]] void refuse(const QString& message) { throw std::runtime_error(message.toStdString()); }

} // namespace

ExportActions::ExportActions(store::ViewState& state, const WindowState& window, store::TDataModule1& dm,
                             trace::ScreenChart& upper, trace::ScreenChart& lower, QWidget* parent)
    : state_(state), window_(window), dm_(dm), upper_(upper), lower_(lower), parent_(parent) {}

std::vector<exporter::Waveform> ExportActions::chosenWaveforms(Format format) const {
    const store::Dataset& library = dm_.t_master;
    std::vector<int> rows = isPicture(format) ? std::vector<int>() : exporter::DatasetRows::marked(library);
    if (rows.empty() && library.isOpen() && !library.isEmpty() && library.recNo() >= 0)
        rows.push_back(library.recNo());
    const std::optional<int> type =
        state_.typeIndex() >= 0 ? std::optional<int>(state_.typeIndex()) : std::nullopt;
    std::vector<exporter::Waveform> waveforms;
    for (int row : rows) waveforms.push_back(exporter::DatasetRows::at(library, row, type));
    return waveforms;
}

QString ExportActions::proposedName(const std::vector<exporter::Waveform>& waveforms) const {
    if (waveforms.empty()) return tr("charts");
    if (waveforms.size() > 1) return tr("waveforms");
    const QString memo =
        store::FieldValue::text(waveforms.front().value(QStringLiteral("MEMO")), store::ColumnKind::Text);
    if (!memo.trimmed().isEmpty()) return report::ReportFileName::fromWaveformName(memo);
    return tr("waveform %1").arg(waveforms.front().recId());
}

QByteArray ExportActions::contents(Format format, QSize pictureSize,
                                   const std::vector<exporter::Waveform>& waveforms) const {
    if (isPicture(format)) {
        const QString why = exporter::ChartPicture::refusal(pictureSize);
        if (!why.isEmpty()) refuse(why);
        const exporter::ChartPicture picture(window_.screenTag() == 0 ? &upper_ : nullptr, lower_);
        const QByteArray bytes =
            format == Format::Png
                ? picture.png(pictureSize)
                : picture.svg(pictureSize, waveforms.empty() ? QString() : waveforms.front().title());
        if (bytes.isEmpty()) refuse(tr("The charts could not be drawn into a picture."));
        return bytes;
    }
    if (waveforms.empty()) refuse(tr("No waveform is selected: select one or mark several in the library."));
    const std::optional<double> pr = givenPr();
    return format == Format::Csv ? exporter::CsvTable::write(waveforms, pr)
                                 : exporter::JsonExport::write(waveforms, pr, waveforms.size() > 1);
}

std::optional<double> ExportActions::givenPr() const {
    const double box = trace::TraceNumbers::readPR(state_.editKu());
    const store::Dataset& library = dm_.t_master;
    const int speed = library.fieldIndex(QStringLiteral("SPEED"));
    if (!library.isOpen() || library.isEmpty() || library.recNo() < 0 || speed < 0) return box;
    exporter::Waveform shown;
    shown.fields.push_back(
        {QStringLiteral("SPEED"), store::ColumnKind::Text, library.valueAt(library.recNo(), speed)});
    const double stored = exporter::ExportPr::of(shown, std::nullopt).pr;
    // Compared as the box shows them: "1,5" is the stored "1,500".
    if (exporter::ExportPr::text(box) == exporter::ExportPr::text(stored)) return std::nullopt;
    return box;
}

QString ExportActions::prNote(const std::vector<exporter::Waveform>& waveforms) const {
    using exporter::ExportPr;
    const std::optional<double> given = givenPr();
    if (given) return tr("Distances at PR %1, from the PR box.").arg(ExportPr::text(*given));
    QStringList values, without;
    for (const exporter::Waveform& w : waveforms) {
        const ExportPr pr = ExportPr::of(w, std::nullopt);
        if (!values.contains(ExportPr::text(pr.pr))) values << ExportPr::text(pr.pr);
        if (pr.source == ExportPr::Source::Default) without << w.title();
    }
    QString note = values.size() > 1
                       ? tr("Distances at each waveform's stored PR: %1.").arg(store::namesInLine(values, 5))
                   : waveforms.size() > 1
                       ? tr("Distances at PR %1, stored with each waveform.").arg(values.value(0))
                       : tr("Distances at PR %1, stored with the waveform.").arg(values.value(0));
    if (!without.isEmpty())
        note += ' ' + tr("Without a usable stored PR, at %1: %2.")
                          .arg(ExportPr::text(ExportPr::kDefault), store::namesInLine(without, 3));
    return note;
}

QString ExportActions::askFile(Format format, const QString& baseName, const QString& note) const {
    const FileKind kind = kindOf(format);
    QFileDialog dialog(parent_, tr("Export"));
    dialog.setObjectName("ExportFileDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({tr(kind.filter), tr("All files (*)")});
    dialog.setDefaultSuffix(QString::fromLatin1(kind.suffix));
    dialog.setDirectory(store::DialogFolders::folderFor(store::DialogPurpose::Export));
    dialog.selectFile(baseName + '.' + QString::fromLatin1(kind.suffix));
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()); grid && !note.isEmpty()) {
        auto* label = new QLabel(note, &dialog);
        label->setObjectName("ExportPrNote");
        label->setWordWrap(true);
        grid->addWidget(label, grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

void ExportActions::exportTo(Format format) {
    store::showErrors([&] {
        const std::vector<exporter::Waveform> waveforms = chosenWaveforms(format);
        if (!isPicture(format) && waveforms.empty())
            refuse(tr("No waveform is selected: select one or mark several in the library."));
        const QString note = isPicture(format) ? QString() : prNote(waveforms);
        QSize size;
        if (isPicture(format)) {
            const exporter::ChartPicture picture(window_.screenTag() == 0 ? &upper_ : nullptr, lower_);
            const QSize shown =
                picture.shownSize()
                    .expandedTo({exporter::ChartPicture::kMinSide, exporter::ChartPicture::kMinSide})
                    .boundedTo({exporter::ChartPicture::kMaxSide, exporter::ChartPicture::kMaxSide});
            const std::optional<QSize> asked = ExportSizeDialog::ask(shown, parent_);
            if (!asked) return;
            size = *asked;
        }
        const QString path = askFile(format, proposedName(waveforms), note);
        if (path.isEmpty()) return;
        const QString error = exporter::SavedFile::write(path, contents(format, size, waveforms));
        if (!error.isEmpty()) refuse(error);
        // Only a folder that took the file is offered again.
        store::DialogFolders::remember(store::DialogPurpose::Export, path);
        if (format != Format::Csv) return;
        QStringList unplaced;
        for (const exporter::Waveform& w : waveforms)
            if (!w.trace.valid()) unplaced << w.title();
        if (!unplaced.isEmpty())
            store::messages().warning(
                tr("The range of %1 cannot be placed on a distance axis: its column in %2 stays empty.")
                    .arg(store::namesInLine(unplaced, 3), QDir::toNativeSeparators(path)));
    });
}

} // namespace app
