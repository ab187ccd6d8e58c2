#include "app/library/LibraryColumns.h"

namespace app::library {

namespace {
constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignVCenter;

// Titles carry leading blanks, which centre them over narrow columns.
store::GridColumn column(const char* field, const char* title, int width, bool editable = false,
                         Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    store::GridColumn c;
    c.field = QString::fromLatin1(field);
    c.title = QString::fromUtf8(title);
    c.width = width;
    c.editable = editable;
    c.alignment = alignment;
    return c;
}
} // namespace

QVector<store::GridColumn> LibraryColumns::waveforms() {
    store::GridColumn mark = column("PICTURE", "", 18, true);
    mark.checkBox = true;
    return {
        mark,
        column("REC_ID", "  №", 36),
        column("BANK_NUM", "  № wf", 53),
        column("MEMO", "             waveform name", 212, true),
        column("SCALE", "  scale", 50),
        column("DLIT", "  pulse", 40),
        column("AMPL", "  gain", 44),
        column("NAKOPL", " average", 46),
        column("SOGLAS", " impedance", 60),
        column("SPEED", "  PR", 37),
        column("DATE", "      save data", 107),
        column("SDVIG", "  shift", 49),
        column("ZOOM_L", "", 0),
        column("POINTS", "", 0),
        column("DEVICE_TYPE", "", 0),
        column("METHOD", "  method", 49, true, kCentred),
        column("LEVEL", " threshold", 0, true, kCentred),
        column("TIME_OUT", "  delay", 0, true, kCentred),
    };
}

QStringList LibraryColumns::hiddenWaveformFields() {
    return {QStringLiteral("ZOOM_L"), QStringLiteral("POINTS"), QStringLiteral("DEVICE_TYPE")};
}

QVector<store::GridColumn> LibraryColumns::prList() {
    return {
        column("name_ku", " cable type", 83, true),
        column("value_ku", "  PR", 37, true),
        column("picture", "", 0),
    };
}

QStringList LibraryColumns::hiddenPrFields() { return {QStringLiteral("picture")}; }

} // namespace app::library
