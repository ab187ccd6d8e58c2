#include "app/library/LibraryColumns.h"

#include "store/Numbers.h"
#include "store/PrListDefaults.h"
#include "store/ShownValues.h"

#include <QCoreApplication>
#include <cmath>

namespace app::library {

namespace {
constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignVCenter;

// Titles carry leading blanks, which centre them over narrow columns.
store::GridColumn column(const char* field, const char* title, int width, bool editable = false,
                         Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    store::GridColumn c;
    c.field = QString::fromLatin1(field);
    c.title = QCoreApplication::translate("LibraryColumns", title);
    c.width = width;
    c.editable = editable;
    c.alignment = alignment;
    return c;
}

// A number the row keeps as text, shown with the locale's separator.
store::GridColumn shownAsNumber(store::GridColumn c) {
    c.shown = store::localNumber;
    return c;
}
} // namespace

QVector<store::GridColumn> LibraryColumns::waveforms() {
    store::GridColumn mark = column("PICTURE", "", 18, true);
    mark.checkBox = true;
    // Edited through its own dialog ("Note..."), never in the cell.
    store::GridColumn note = column("NOTE", QT_TRANSLATE_NOOP("LibraryColumns", "  note"), 160);
    note.oneLineChars = 40;
    return {
        mark,
        column("REC_ID", QT_TRANSLATE_NOOP("LibraryColumns", "  №"), 36),
        column("BANK_NUM", QT_TRANSLATE_NOOP("LibraryColumns", "  № wf"), 53),
        column("MEMO", QT_TRANSLATE_NOOP("LibraryColumns", "             waveform name"), 212, true),
        column("SCALE", QT_TRANSLATE_NOOP("LibraryColumns", "  scale"), 50),
        column("DLIT", QT_TRANSLATE_NOOP("LibraryColumns", "  pulse"), 40),
        column("AMPL", QT_TRANSLATE_NOOP("LibraryColumns", "  gain"), 44),
        column("NAKOPL", QT_TRANSLATE_NOOP("LibraryColumns", " average"), 46),
        column("SOGLAS", QT_TRANSLATE_NOOP("LibraryColumns", " impedance"), 60),
        shownAsNumber(column("SPEED", QT_TRANSLATE_NOOP("LibraryColumns", "  PR"), 37)),
        column("DATE", QT_TRANSLATE_NOOP("LibraryColumns", "      save data"), 107),
        column("SDVIG", QT_TRANSLATE_NOOP("LibraryColumns", "  shift"), 49),
        column("ZOOM_L", "", 0),
        column("POINTS", "", 0),
        column("DEVICE_TYPE", "", 0),
        column("METHOD", QT_TRANSLATE_NOOP("LibraryColumns", "  method"), 49, true, kCentred),
        column("LEVEL", QT_TRANSLATE_NOOP("LibraryColumns", " threshold"), 0, true, kCentred),
        column("TIME_OUT", QT_TRANSLATE_NOOP("LibraryColumns", "  delay"), 0, true, kCentred),
        note,
    };
}

QStringList LibraryColumns::hiddenWaveformFields() {
    return {QStringLiteral("ZOOM_L"), QStringLiteral("POINTS"), QStringLiteral("DEVICE_TYPE")};
}

QStringList LibraryColumns::unusedByPlanTypeFields() {
    return {QStringLiteral("METHOD"), QStringLiteral("LEVEL"), QStringLiteral("TIME_OUT")};
}

QVector<store::GridColumn> LibraryColumns::prList() {
    store::GridColumn value = column("value_ku", QT_TRANSLATE_NOOP("LibraryColumns", "  PR"), 37, true);
    value.refusal = prRefusal;
    store::GridColumn name = column("name_ku", QT_TRANSLATE_NOOP("LibraryColumns", " cable type"), 83, true);
    name.shown = store::shownCableName;
    return {
        name,
        value,
        column("picture", "", 0),
    };
}

QString LibraryColumns::prRefusal(const QVariant& typed) {
    const QString text = typed.toString().trimmed();
    const QString lowest = store::formatFixed(store::ShownValues::kLowestPr, 3),
                  highest = store::formatFixed(store::ShownValues::kHighestPr, 3);
    const std::optional<double> pr = store::parseNumber(text);
    if (!pr)
        return QCoreApplication::translate("LibraryColumns",
                                           "\"%1\" is not a PR: a PR is a number from %2 to %3.")
            .arg(text, lowest, highest);
    // Rounded as the PR box shows it, so that 3,0004 is not refused as 3,000.
    if (!store::ShownValues::prInRange(std::round(*pr * 1000) / 1000))
        return QCoreApplication::translate(
                   "LibraryColumns",
                   "PR %1 is outside %2 to %3: no cable has it, and Set PR would not take it.")
            .arg(text, lowest, highest);
    return {};
}

QStringList LibraryColumns::hiddenPrFields() { return {QStringLiteral("picture")}; }

} // namespace app::library
