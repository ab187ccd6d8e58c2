#include "store/PrListDefaults.h"

#include "store/Database.h"
#include "store/DatabaseFile.h"

#include <QCoreApplication>
#include <QVariantList>
#include <iterator>

namespace store {

namespace {

struct CableType {
    const char* name; // at most 12 characters: the instrument keeps no more
    double pr;
};

// Ratios of the usual insulations: paper-insulated power cables about 1.87,
// PVC about 2.0, cross-linked polyethylene about 1.75, polyethylene telephone
// pairs and coaxial cables about 1.5.
const CableType kCableTypes[] = {
    {QT_TRANSLATE_NOOP("CableTypes", "ААШв"), 1.870}, {QT_TRANSLATE_NOOP("CableTypes", "АСБ"), 1.870},
    {QT_TRANSLATE_NOOP("CableTypes", "ВВГ"), 2.000},  {QT_TRANSLATE_NOOP("CableTypes", "АПвП"), 1.750},
    {QT_TRANSLATE_NOOP("CableTypes", "ТПП"), 1.500},  {QT_TRANSLATE_NOOP("CableTypes", "РК-75"), 1.520},
};

} // namespace

std::vector<std::pair<QString, double>> defaultCableTypes() {
    std::vector<std::pair<QString, double>> types;
    for (const CableType& type : kCableTypes) types.emplace_back(QString::fromUtf8(type.name), type.pr);
    return types;
}

QString shownCableName(const QString& stored) {
    for (const CableType& type : kCableTypes)
        if (stored == QString::fromUtf8(type.name))
            return QCoreApplication::translate("CableTypes", type.name);
    return stored;
}

bool createDefaultPrList(const QString& path) {
    const DatabaseFile::Kind kind = DatabaseFile::inspect(path);
    if (kind != DatabaseFile::Kind::Missing && kind != DatabaseFile::Kind::Empty) return false;
    Database lists(QStringLiteral("ecl41_list_defaults"), Schema::Kind::Lists);
    lists.setPath(path);
    lists.connect();
    QString sql = QStringLiteral("INSERT INTO list_ku (name_ku, value_ku, picture) VALUES ");
    QVariantList params;
    for (const auto& [name, pr] : defaultCableTypes()) {
        if (!params.isEmpty()) sql += QLatin1Char(',');
        sql += QStringLiteral("(?, ?, ?)");
        params << name << pr << QVariant(false);
    }
    // One statement: the list gets all of them or none.
    lists.write(QStringLiteral("list_ku"), sql, params);
    lists.disconnect();
    return true;
}

} // namespace store
