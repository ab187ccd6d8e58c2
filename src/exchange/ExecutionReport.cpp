#include "exchange/ExecutionReport.h"

#include "store/Messages.h"

#include <QCoreApplication>

namespace exchange {

namespace {
// Banks named in one line before "…".
constexpr int kNamedBanks = 10;
} // namespace

void ExecutionReport::clear() {
    stored_.clear();
    skipped_.clear();
    doubtful_.clear();
}

QString ExecutionReport::waveformName(int bank) {
    return QCoreApplication::translate("TExecutionCom", "рефлектограмма № %1").arg(bank);
}

QStringList ExecutionReport::skippedLines() const {
    QStringList reasons;
    for (const Skip& s : skipped_)
        if (!reasons.contains(s.why)) reasons << s.why;
    QStringList lines;
    for (const QString& why : reasons) {
        QStringList banks;
        for (const Skip& s : skipped_) {
            if (s.why != why) continue;
            if (s.bank < 0) lines << QCoreApplication::translate("TExecutionCom", "таблица КУ") + kDash + why;
            else banks << QString::number(s.bank);
        }
        if (banks.size() == 1) lines << waveformName(banks[0].toInt()) + kDash + why;
        else if (banks.size() > 1)
            lines << QCoreApplication::translate("TExecutionCom", "рефлектограммы № %1")
                             .arg(store::namesInLine(banks, kNamedBanks)) +
                         kDash + why;
    }
    return lines;
}

QString ExecutionReport::text(const std::optional<Interruption>& interruption) const {
    QStringList parts;
    if (interruption) {
        QString head = interruption->sentence();
        if (!stored_.isEmpty())
            head +=
                '\n' + QCoreApplication::translate("TExecutionCom", "Stored in the library: waveforms № %1.")
                           .arg(store::namesInLine(stored_, kNamedBanks));
        parts << head;
    }
    if (!skipped_.isEmpty())
        parts << QCoreApplication::translate("TExecutionCom", "Не сохранены данные прибора:\n") +
                     skippedLines().join('\n');
    if (!doubtful_.isEmpty())
        parts << QCoreApplication::translate("TExecutionCom", "Сохранены, но могут быть повреждены:\n") +
                     doubtful_.join('\n');
    return parts.join(QStringLiteral("\n\n"));
}

} // namespace exchange
