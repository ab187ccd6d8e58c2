// Import of a folder of 1000 waveform files into the library, through the data
// module as the main window runs it (the type filter reopens the library at
// the end). Each run imports the folder once more into the same library, so
// later runs also pay for a growing table.
#include "app/tdr/TdrFolderImport.h"
#include "store/DataModuleHost.h"
#include "store/TDataModule1.h"
#include "store/ViewState.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kFiles = 1000;
constexpr int kRuns = 5;
constexpr double kGoalSeconds = 2.0;

class Host : public store::DataModuleHost {
public:
    void SetWaveformViewEnabled(bool) override {}
    void SetCompareGridEnabled(bool) override {}
    void applyDeviceFilter() override { module->applyTypeQuery(store::TDataModule1::deviceTypeOf(1)); }
    void updateRange() override {}
    void redraw(int) override {}
    store::TDataModule1* module = nullptr;
};

QByteArray image(int i) {
    QByteArray b(8512, '\0');
    const qint32 words[] = {0, i % 13, i % 12, i % 8, 20, 3, 1500, 0, 5, 60, 68};
    for (int w = 0; w < 11; ++w) qToLittleEndian<qint32>(words[w], b.data() + 4 * w);
    for (int s = 512; s < b.size(); ++s) b[s] = char((s * 7 + i) % 256);
    return b;
}

bool writeFolder(const QString& folder) {
    for (int i = 0; i < kFiles; ++i) {
        QFile f(QStringLiteral("%1/wave%2.tdr").arg(folder).arg(i, 4, 10, QLatin1Char('0')));
        if (!f.open(QIODevice::WriteOnly) || f.write(image(i)) != 8512) return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("ECHOLON_HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());
    QCoreApplication app(argc, argv);
    const QString folder = home.path() + QStringLiteral("/waves");
    if (!QDir().mkpath(folder) || !writeFolder(folder)) {
        std::fprintf(stderr, "cannot write the waveform files under %s\n", qPrintable(folder));
        return 1;
    }

    store::ViewState state;
    state.setTypeIndex(1);
    Host host;
    store::TDataModule1 dm(state, host);
    host.module = &dm;
    dm.DataModuleCreate();

    std::vector<double> seconds;
    for (int run = 0; run < kRuns; ++run) {
        app::tdr::TdrFolderImport import(dm.t_master, dm.t_master2, host);
        QElapsedTimer timer;
        timer.start();
        const app::tdr::TdrFolderResult result =
            import.importFolderOf(folder + QStringLiteral("/wave0000.tdr"));
        seconds.push_back(timer.nsecsElapsed() / 1e9);
        if (result.imported != kFiles) {
            std::fprintf(stderr, "imported %d of %d files\n", result.imported, kFiles);
            return 1;
        }
    }
    std::sort(seconds.begin(), seconds.end());
    const double median = seconds[seconds.size() / 2];
    std::printf("BENCH\ttdr_import_1000_files\t%.3f s (median of %d; worst %.3f s)\t<= %.1f s\t%s\n", median,
                kRuns, seconds.back(), kGoalSeconds, median <= kGoalSeconds ? "yes" : "no");
    return 0;
}
