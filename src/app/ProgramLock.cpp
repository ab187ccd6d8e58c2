#include "app/ProgramLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QSysInfo>

namespace app {

ProgramLock::ProgramLock(const QString& folder)
    : file_(QDir(folder).filePath(QStringLiteral(".echolon.lock"))) {
    // A lock is stale only when its process is gone, never by its age:
    // the program runs for days.
    file_.setStaleLockTime(0);
    if (file_.tryLock(0)) return;
    const QString where = QDir::toNativeSeparators(folder);
    if (file_.error() != QLockFile::LockFailedError) {
        state_ = State::Unavailable;
        message_ =
            QCoreApplication::translate(
                "ProgramLock",
                "Cannot make the lock file in %1 (%2); other copies of the program are not kept off it.")
                .arg(where, file_.error() == QLockFile::PermissionError
                                ? QCoreApplication::translate("ProgramLock", "no permission")
                                : QCoreApplication::translate("ProgramLock", "unknown error"));
        return;
    }
    state_ = State::InUse;
    qint64 pid = 0;
    QString host, name;
    if (!file_.getLockInfo(&pid, &host, &name)) {
        message_ = QCoreApplication::translate("ProgramLock",
                                               "Another copy of the program works on the program folder %1.")
                       .arg(where);
        return;
    }
    const QString holder =
        host.isEmpty() || host == QSysInfo::machineHostName()
            ? QCoreApplication::translate("ProgramLock", "process %1").arg(pid)
            : QCoreApplication::translate("ProgramLock", "process %1 on %2").arg(pid).arg(host);
    message_ = QCoreApplication::translate(
                   "ProgramLock", "Another copy of the program (%1) works on the program folder %2.\n"
                                  "Close it first, or start this copy on another folder with --home DIR.")
                   .arg(holder, where);
}

} // namespace app
