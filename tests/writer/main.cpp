// echolon-library-writer LIBRARY COUNT NAME: appends COUNT waveforms to the
// library at LIBRARY (a file path or a server URL) the way an import does,
// each numbered by the store and posted on its own, so that several of these
// running at once show whether writers of one library ever take the same
// number. Each waveform's name is "NAME <n>" and its sample image 8512 bytes.
// Prints nothing on success; on failure the store's message and exit status 1.
#include "store/Database.h"
#include "store/Dataset.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

constexpr int kImageBytes = 8512;
constexpr int kMaxCount = 1000000;

void fill(store::Dataset& ds, const QString& name, const QByteArray& image) {
    ds.fieldByName("DATE").setString(QStringLiteral("1.2.2024 10:00:00"));
    ds.fieldByName("SCALE").setFloat(250);
    ds.fieldByName("DLIT").setInteger(3);
    ds.fieldByName("NAKOPL").setInteger(2);
    ds.fieldByName("AMPL").setInteger(5);
    ds.fieldByName("SPEED").setString(QStringLiteral("1,500"));
    ds.fieldByName("SOGLAS").setInteger(1);
    ds.fieldByName("METHOD").setString(QStringLiteral("pulse"));
    ds.fieldByName("TIME_OUT").setFloat(1);
    ds.fieldByName("LEVEL").setInteger(0);
    ds.fieldByName("SDVIG").setInteger(0);
    ds.fieldByName("ZOOM_L").setFloat(1);
    ds.fieldByName("MEMO").setString(name);
    ds.fieldByName("POINTS").setBlob(image);
    ds.fieldByName("DEVICE_TYPE").setString(QStringLiteral("KM-630 ver.1"));
    ds.fieldByName("PICTURE").setBool(false);
    ds.fieldByName("START_PLAN").setFloat(0);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool countRead = false;
    const int count = args.size() == 4 ? args[2].toInt(&countRead) : 0;
    if (!countRead || count < 1 || count > kMaxCount) {
        std::fprintf(stderr, "usage: %s LIBRARY COUNT NAME (COUNT from 1 to %d)\n", argv[0], kMaxCount);
        return 2;
    }
    QByteArray image(kImageBytes, '\0');
    for (int k = 0; k < image.size(); ++k) image[k] = static_cast<char>((k * 7) & 0xff);
    try {
        store::Database db(QStringLiteral("ecl41_data"), store::Schema::Kind::Library);
        db.setPath(args[1]);
        store::Dataset master(db, QStringLiteral("t_master2"));
        master.setTableName(QStringLiteral("master"));
        master.open();
        for (int i = 1; i <= count; ++i) {
            // The record number is the bank number too, as for a file import.
            master.appendNumbered(QStringLiteral("REC_ID"), {QStringLiteral("BANK_NUM")});
            fill(master, QStringLiteral("%1 %2").arg(args[3]).arg(i), image);
            master.post();
        }
    } catch (const store::StoreError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
