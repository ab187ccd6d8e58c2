#include "store/SelectStatement.h"

#include "store/Dataset.h"

#include <QRegularExpression>

namespace store {

SelectStatement SelectStatement::parse(const QString& sql) {
    static const QRegularExpression form(
        QStringLiteral("^\\s*SELECT\\s+\\*\\s+FROM\\s+([A-Za-z_][A-Za-z0-9_]*)"
                       "(?:\\s+WHERE\\s+([A-Za-z_][A-Za-z0-9_]*)\\s*=\\s*'((?:[^']|'')*)')?\\s*;?\\s*$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = form.match(sql);
    if (!m.hasMatch()) throw StoreError(QStringLiteral("Unsupported query: %1").arg(sql).toStdString());
    SelectStatement s;
    s.table = m.captured(1);
    s.whereColumn = m.captured(2);
    s.whereValue = m.captured(3).replace(QStringLiteral("''"), QStringLiteral("'"));
    return s;
}

bool SelectStatement::isIdentifier(const QString& name) {
    static const QRegularExpression id(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return id.match(name).hasMatch();
}

QString SelectStatement::text() const {
    QString s = QStringLiteral("SELECT * FROM ") + table;
    if (hasFilter()) {
        QString v = whereValue;
        s += QStringLiteral(" WHERE %1 = '%2'").arg(whereColumn, v.replace('\'', QStringLiteral("''")));
    }
    return s;
}

} // namespace store
