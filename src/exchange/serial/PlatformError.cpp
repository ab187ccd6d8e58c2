#include "exchange/serial/PlatformError.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <pwd.h>
#include <unistd.h>

namespace serial {

namespace PlatformError {

QString Text(int code) {
    char buffer[256] = {};
    // GNU strerror_r may return a static string instead of filling the buffer.
    const char* text = strerror_r(code, buffer, sizeof buffer);
    return QString::fromLocal8Bit(text ? text : buffer);
}

QString OpenText(int code) {
    switch (code) {
    case EBUSY:
    case EWOULDBLOCK:
        return QCoreApplication::translate("PlatformError",
                                           "Access is denied: the device is in use by another program");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("PlatformError",
                                           "Access is denied: this user may not open the device. "
                                           "Run \"sudo usermod -aG dialout %1\", then log out and in again")
            .arg(UserName());
    default: return Text(code);
    }
}

QString UserName() {
    const passwd* user = ::getpwuid(::geteuid());
    return user && user->pw_name ? QString::fromLocal8Bit(user->pw_name)
                                 : qEnvironmentVariable("USER", "$USER");
}

ERsCommError::Kind OpenFailure(int code) {
    switch (code) {
    // ENXIO, ENODEV and EIO: the node exists but no hardware answers behind it.
    case ENOENT:
    case ENXIO:
    case ENODEV:
    case EIO:
    case ENOTDIR: return ERsCommError::Kind::DeviceMissing;
    case EBUSY:
    case EWOULDBLOCK: return ERsCommError::Kind::DeviceBusy;
    case EACCES:
    case EPERM: return ERsCommError::Kind::AccessRefused;
    default: return ERsCommError::Kind::Other;
    }
}

QString Format(const QString& format, int code, const QString& text) {
    QString result = format;
    const qsizetype d = result.indexOf(QLatin1String("%d"));
    if (d >= 0) result.replace(d, 2, QString::number(code));
    // Search after the code so a "%s" inside the inserted number is impossible
    // and one inside the text is never expanded again.
    const qsizetype s = result.indexOf(QLatin1String("%s"), d >= 0 ? d : 0);
    if (s >= 0) result.replace(s, 2, text);
    return result;
}

} // namespace PlatformError

} // namespace serial
