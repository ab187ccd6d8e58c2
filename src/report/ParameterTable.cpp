#include "report/ParameterTable.h"

#include "store/Dataset.h"

#include <QRegularExpression>

namespace report {

const QStringList& ParameterTable::rowLabels() {
    static const QStringList labels{QStringLiteral("№"),
                                    QStringLiteral("№ waveform"),
                                    QStringLiteral("waveform dir."),
                                    QStringLiteral("waveform name"),
                                    QStringLiteral("scale (m)"),
                                    QStringLiteral("pulse (ns)"),
                                    QStringLiteral("gain"),
                                    QStringLiteral("impedance"),
                                    QStringLiteral("average"),
                                    QStringLiteral("shift"),
                                    QStringLiteral("save PR"),
                                    QStringLiteral("save data"),
                                    QStringLiteral("methad"),
                                    QStringLiteral("threshold"),
                                    QStringLiteral("delay")};
    return labels;
}

QString ParameterTable::folderFromTitle(const QString& title) {
    static const QRegularExpression data(QStringLiteral("[\\\\/]DATA"));
    const int p = int(title.indexOf(data));
    if (p < 0) return {};
    const int length = int(title.size()) - 2 - p;
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
    return {number,        text("BANK_NUM"), directory,      name,           text("SCALE"),
            text("DLIT"),  text("AMPL"),     text("SOGLAS"), text("NAKOPL"), text("SDVIG"),
            text("SPEED"), text("DATE"),     text("METHOD"), text("LEVEL"),  text("TIME_OUT")};
}

} // namespace report
