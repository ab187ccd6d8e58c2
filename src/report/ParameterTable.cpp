#include "report/ParameterTable.h"

#include "store/Dataset.h"
#include "store/Numbers.h"
#include "store/ShownValues.h"
#include "store/Units.h"

#include <QRegularExpression>

namespace report {

QStringList ParameterTable::rowLabels() {
    static const char* const kLabels[] = {
        QT_TRANSLATE_NOOP("ParameterTable", "№"),
        QT_TRANSLATE_NOOP("ParameterTable", "№ waveform"),
        QT_TRANSLATE_NOOP("ParameterTable", "waveform dir."),
        QT_TRANSLATE_NOOP("ParameterTable", "waveform name"),
        QT_TRANSLATE_NOOP("ParameterTable", "scale (m)"),
        QT_TRANSLATE_NOOP("ParameterTable", "pulse (ns)"),
        QT_TRANSLATE_NOOP("ParameterTable", "gain"),
        QT_TRANSLATE_NOOP("ParameterTable", "impedance"),
        QT_TRANSLATE_NOOP("ParameterTable", "average"),
        QT_TRANSLATE_NOOP("ParameterTable", "shift"),
        QT_TRANSLATE_NOOP("ParameterTable", "save PR"),
        QT_TRANSLATE_NOOP("ParameterTable", "save data"),
        QT_TRANSLATE_NOOP("ParameterTable", "methad"),
        QT_TRANSLATE_NOOP("ParameterTable", "threshold"),
        QT_TRANSLATE_NOOP("ParameterTable", "delay"),
    };
    QStringList labels;
    for (const char* label : kLabels) labels << tr(label);
    if (store::Units::current() == store::LengthUnit::Feet) labels[kScaleRow] = tr("scale (ft)");
    return labels;
}

QString ParameterTable::columnTitle(int column) {
    if (column == 1) return tr("shown waveform");
    return tr("compare %1").arg(column - 1);
}

QString ParameterTable::folderFromTitle(const QString& title) {
    static const QRegularExpression data(QStringLiteral("[\\\\/]DATA"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QString kClose = QStringLiteral(" ]");
    if (!title.endsWith(kClose)) return {};
    int p = int(title.indexOf(data));
    if (p < 0) {
        p = int(title.indexOf(QLatin1Char('[')));
        if (p < 0) return {};
        ++p;
    }
    const int length = int(title.size()) - int(kClose.size()) - p;
    return length > 0 ? title.mid(p, length) : QString();
}

ParameterTable::MemoParts ParameterTable::splitMemo(const QString& memo) {
    int cut = int(memo.lastIndexOf(QLatin1Char('\\')));
    if (cut < 0 && memo.startsWith(QStringLiteral("/DATA"))) cut = int(memo.lastIndexOf(QLatin1Char('/')));
    if (cut < 0) return {QString(), memo};
    return {memo.left(cut + 1), memo.mid(cut + 1)};
}

QStringList ParameterTable::column(store::Dataset& ds, const QString& number, const QString& directory,
                                   const QString& name) {
    const auto text = [&ds](const char* field) { return ds.fieldByName(QLatin1String(field)).asString(); };
    const QString scale = store::Units::showText(text("SCALE"));
    // A PR or a date that is none is left blank rather than printed as one.
    const QString pr = store::localNumber(store::ShownValues::pr(text("SPEED")).value_or(QString()));
    const QString date = store::ShownValues::date(text("DATE")).value_or(QString());
    return {number,         text("BANK_NUM"), directory,       name,          scale, text("DLIT"),
            text("AMPL"),   text("SOGLAS"),   text("NAKOPL"),  text("SDVIG"), pr,    date,
            text("METHOD"), text("LEVEL"),    text("TIME_OUT")};
}

} // namespace report
