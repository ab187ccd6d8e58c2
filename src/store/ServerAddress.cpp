#include "store/ServerAddress.h"

#include <QCoreApplication>
#include <QUrl>
#include <QUrlQuery>

namespace store {

ServerAddress::Parts ServerAddress::parts(const QString& url) {
    Parts p;
    QString rest = url.trimmed().section(QStringLiteral("://"), 1);
    const int q = rest.indexOf(QLatin1Char('?'));
    if (q >= 0) {
        p.query = QUrlQuery(rest.mid(q + 1));
        rest.truncate(q);
    }
    const int slash = rest.indexOf(QLatin1Char('/'));
    const QString authority = slash >= 0 ? rest.left(slash) : rest;
    p.database = slash >= 0 ? QUrl::fromPercentEncoding(rest.mid(slash + 1).toUtf8()) : QString();
    const int at = authority.lastIndexOf(QLatin1Char('@'));
    const QString userInfo = at >= 0 ? authority.left(at) : QString();
    QString hostPort = at >= 0 ? authority.mid(at + 1) : authority;
    // The passphrase of a client key is a password too.
    p.hasPassword = userInfo.contains(QLatin1Char(':')) || p.query.hasQueryItem(QStringLiteral("password")) ||
                    p.query.hasQueryItem(QStringLiteral("sslpassword"));
    p.user = QUrl::fromPercentEncoding(userInfo.section(QLatin1Char(':'), 0, 0).toUtf8());
    const int colon = hostPort.lastIndexOf(QLatin1Char(':'));
    if (colon >= 0 && !hostPort.endsWith(QLatin1Char(']'))) {
        p.port = hostPort.mid(colon + 1);
        hostPort.truncate(colon);
    }
    // An IPv6 address is written in brackets, and the client library takes it without.
    if (hostPort.startsWith(QLatin1Char('[')) && hostPort.endsWith(QLatin1Char(']')))
        hostPort = hostPort.mid(1, hostPort.size() - 2);
    p.host = QUrl::fromPercentEncoding(hostPort.toUtf8());
    // Settings given as query items fill what the authority left empty.
    const auto take = [&p](const char* key, QString& into) {
        const QString k = QString::fromLatin1(key);
        if (into.isEmpty()) into = p.query.queryItemValue(k, QUrl::FullyDecoded);
        p.query.removeAllQueryItems(k);
    };
    take("dbname", p.database);
    take("host", p.host);
    take("port", p.port);
    take("user", p.user);
    return p;
}

bool ServerAddress::isServerUrl(const QString& location) {
    const QString l = location.trimmed();
    return l.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           l.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

QString ServerAddress::refusal(const QString& url) {
    if (!isServerUrl(url) || url.trimmed().contains(QLatin1Char(' ')))
        return QCoreApplication::translate("ServerAddress", "%1 is not a server address of the form "
                                                            "postgresql://user@host:port/dbname.")
            .arg(url);
    const Parts p = parts(url);
    if (p.hasPassword)
        return QCoreApplication::translate("ServerAddress",
                                           "The address holds a password. The program never keeps "
                                           "passwords: put it in ~/.pgpass or PGPASSWORD and give the "
                                           "address without it.");
    if (p.database.isEmpty())
        return QCoreApplication::translate("ServerAddress",
                                           "The address %1 names no database: add /dbname after the host.")
            .arg(url);
    bool portOk = true;
    if (!p.port.isEmpty()) {
        const int port = p.port.toInt(&portOk);
        portOk = portOk && port > 0 && port < 65536;
    }
    if (!portOk)
        return QCoreApplication::translate("ServerAddress",
                                           "The port %1 in the address is not a port number.")
            .arg(p.port);
    return {};
}

QString ServerAddress::describe(const QString& url) {
    const Parts p = parts(url);
    const QString host = p.host.isEmpty() ? QStringLiteral("localhost") : p.host;
    const QString server = p.port.isEmpty() ? host : host + QLatin1Char(':') + p.port;
    return QCoreApplication::translate("ServerAddress", "%1 on %2").arg(p.database, server);
}

} // namespace store
