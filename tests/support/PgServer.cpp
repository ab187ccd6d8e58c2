#include "support/PgServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <QVersionNumber>
#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kInitTimeoutMs = 120000;
constexpr int kStartTimeoutMs = 60000;
constexpr int kStopTimeoutMs = 60000;
constexpr int kPollMs = 20;
const QString kFolderPrefix = QStringLiteral("echolon-pg-");

struct ChildSetup {
    QString workDir;
    QString logPath;
    bool dropPrivileges = false;
    uid_t uid = 0;
    gid_t gid = 0;
    int deathSignal = SIGKILL;
};

// Starts `program args` with its output appended to the log. Only system
// calls run between fork and exec: the parent may have other threads.
pid_t spawn(const QString& program, const QStringList& args, const ChildSetup& setup, QString* error) {
    std::vector<QByteArray> storage;
    storage.push_back(QFile::encodeName(program));
    for (const QString& a : args) storage.push_back(QFile::encodeName(a));
    std::vector<char*> argv;
    for (QByteArray& s : storage) argv.push_back(s.data());
    argv.push_back(nullptr);
    const QByteArray workDir = QFile::encodeName(setup.workDir);

    const int logFd =
        ::open(QFile::encodeName(setup.logPath).constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    const int nullFd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (logFd < 0 || nullFd < 0) {
        *error =
            QStringLiteral("cannot open %1: %2").arg(setup.logPath, QString::fromLocal8Bit(strerror(errno)));
        if (logFd >= 0) ::close(logFd);
        if (nullFd >= 0) ::close(nullFd);
        return -1;
    }
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::dup2(nullFd, 0) < 0 || ::dup2(logFd, 1) < 0 || ::dup2(logFd, 2) < 0) ::_exit(126);
        // Descriptors the parent's other threads opened without close-on-exec
        // would otherwise keep their pipes open for as long as the server runs.
        ::close_range(3, ~0U, 0);
        if (setup.dropPrivileges &&
            (::setgroups(0, nullptr) != 0 || ::setgid(setup.gid) != 0 || ::setuid(setup.uid) != 0))
            ::_exit(126);
        // Set after the change of user, which clears it.
        ::prctl(PR_SET_PDEATHSIG, setup.deathSignal);
        if (::getppid() != parent) ::_exit(126);
        if (::chdir(workDir.constData()) != 0) ::_exit(126);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    const int forkErrno = errno;
    ::close(logFd);
    ::close(nullFd);
    if (pid < 0) {
        *error =
            QStringLiteral("cannot start %1: %2").arg(program, QString::fromLocal8Bit(strerror(forkErrno)));
        return -1;
    }
    return pid;
}

// The child's exit status once it has ended, or -1 while it runs.
int reap(pid_t pid) {
    int status = 0;
    const pid_t r = ::waitpid(pid, &status, WNOHANG);
    if (r == 0) return -1;
    if (r < 0) return 255; // already reaped elsewhere: gone all the same
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// A TCP port nothing listens on at `address` this moment (0: none found).
int freePort(const QString& address) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return 0;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    socklen_t length = sizeof a;
    int port = 0;
    if (::inet_pton(AF_INET, address.toLatin1().constData(), &a.sin_addr) == 1 &&
        ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &length) == 0)
        port = ntohs(a.sin_port);
    ::close(fd);
    return port;
}

QString logTail(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("(no log)");
    QStringList lines = QString::fromLocal8Bit(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.size() > 12) lines = lines.mid(lines.size() - 12);
    return lines.join(QLatin1Char('\n'));
}

// Folders of earlier test processes that were killed before they could
// remove their own; their servers died with them.
void removeStaleFolders() {
    QDir temp(QDir::tempPath());
    static const QRegularExpression name(QStringLiteral("^echolon-pg-(\\d+)-"));
    for (const QString& entry :
         temp.entryList({kFolderPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::Hidden)) {
        const auto match = name.match(entry);
        if (!match.hasMatch()) continue;
        const pid_t owner = match.captured(1).toInt();
        if (owner > 0 && owner != ::getpid() && ::kill(owner, 0) != 0 && errno == ESRCH)
            QDir(temp.filePath(entry)).removeRecursively();
    }
}

} // namespace

PgServer::PgServer(Durability durability) : PgServer(durability, QString()) {}

PgServer::PgServer(Durability durability, const QString& tcpAddress)
    : durability_(durability), tcpAddress_(tcpAddress) {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        reason_ = QStringLiteral("Qt's PostgreSQL driver (QPSQL) is not installed");
        return;
    }
    if (!findBinaries()) return;
    if (::geteuid() == 0) {
        const passwd* pw = ::getpwnam("postgres");
        if (!pw) {
            reason_ = QStringLiteral("running as root and there is no 'postgres' user to run the server as");
            return;
        }
        dropPrivileges_ = true;
        runAsUid_ = pw->pw_uid;
        runAsGid_ = pw->pw_gid;
    }
    removeStaleFolders();
    folder_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QLatin1Char('/') + kFolderPrefix +
                                              QString::number(::getpid()) + QStringLiteral("-XXXXXX"));
    if (!folder_->isValid()) {
        reason_ = QStringLiteral("cannot make a temporary folder: %1").arg(folder_->errorString());
        return;
    }
    if (dropPrivileges_ &&
        ::chown(QFile::encodeName(folder_->path()).constData(), runAsUid_, runAsGid_) != 0) {
        reason_ = QStringLiteral("cannot give %1 to the postgres user: %2")
                      .arg(folder_->path(), QString::fromLocal8Bit(strerror(errno)));
        return;
    }
    if (!tcpAddress_.isEmpty() && (port_ = freePort(tcpAddress_)) == 0) {
        reason_ = QStringLiteral("no free TCP port on %1").arg(tcpAddress_);
        return;
    }
    if (!initCluster() || !trustTcp() || !start()) reason_ = error_;
}

PgServer::~PgServer() {
    // The folder goes with the object, so nothing needs a clean shutdown.
    if (running()) kill();
}

PgServer& PgServer::shared() {
    static PgServer server;
    return server;
}

bool PgServer::fail(const QString& message) {
    error_ = message;
    return false;
}

bool PgServer::findBinaries() {
    // Debian keeps each major version apart; the newest one wins.
    QDir root(QStringLiteral("/usr/lib/postgresql"));
    QVersionNumber best;
    for (const QString& version : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QVersionNumber v = QVersionNumber::fromString(version);
        const QString bin = root.filePath(version + QStringLiteral("/bin"));
        if (!v.isNull() && v > best && QFileInfo(bin + QStringLiteral("/initdb")).isExecutable() &&
            QFileInfo(bin + QStringLiteral("/postgres")).isExecutable()) {
            best = v;
            binDir_ = bin;
        }
    }
    if (binDir_.isEmpty()) {
        // Other distributions put them on the PATH.
        const QString initdb = QStandardPaths::findExecutable(QStringLiteral("initdb"));
        if (!initdb.isEmpty() && !QStandardPaths::findExecutable(QStringLiteral("postgres")).isEmpty())
            binDir_ = QFileInfo(initdb).absolutePath();
    }
    if (binDir_.isEmpty()) {
        reason_ = QStringLiteral("the PostgreSQL server is not installed (no initdb and postgres in "
                                 "/usr/lib/postgresql/*/bin or on the PATH)");
        return false;
    }
    return true;
}

QString PgServer::logFile() const {
    return folder_ ? folder_->filePath(QStringLiteral("server.log")) : QString();
}

bool PgServer::initCluster() {
    ChildSetup setup{folder_->path(), folder_->filePath(QStringLiteral("initdb.log")),
                     dropPrivileges_, runAsUid_,
                     runAsGid_,       SIGKILL};
    const QStringList args = {QStringLiteral("-D"),           folder_->filePath(QStringLiteral("data")),
                              QStringLiteral("-U"),           QStringLiteral("echolon"),
                              QStringLiteral("--auth=trust"), QStringLiteral("-E"),
                              QStringLiteral("UTF8"),         QStringLiteral("--locale=C"),
                              QStringLiteral("--no-sync")};
    QString why;
    const pid_t pid = spawn(binDir_ + QStringLiteral("/initdb"), args, setup, &why);
    if (pid < 0) return fail(why);
    for (int waited = 0;; waited += kPollMs) {
        const int status = reap(pid);
        if (status == 0) return true;
        if (status > 0)
            return fail(
                QStringLiteral("initdb failed (status %1):\n%2").arg(status).arg(logTail(setup.logPath)));
        if (waited >= kInitTimeoutMs) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
            return fail(QStringLiteral("initdb did not finish within %1 s").arg(kInitTimeoutMs / 1000));
        }
        QThread::msleep(kPollMs);
    }
}

bool PgServer::trustTcp() {
    if (tcpAddress_.isEmpty()) return true;
    QFile hba(folder_->filePath(QStringLiteral("data/pg_hba.conf")));
    const QByteArray line = "host all all " + tcpAddress_.toLatin1() + "/32 trust\n";
    if (!hba.open(QIODevice::WriteOnly | QIODevice::Append) || hba.write(line) != line.size())
        return fail(QStringLiteral("cannot write %1: %2").arg(hba.fileName(), hba.errorString()));
    return true;
}

bool PgServer::offerTls() {
    const QString cert = folder_->filePath(QStringLiteral("server.crt"));
    const QString key = folder_->filePath(QStringLiteral("server.key"));
    QProcess openssl;
    openssl.start(
        QStringLiteral("openssl"),
        {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
         QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
         QStringLiteral("-days"), QStringLiteral("1"), QStringLiteral("-subj"),
         QStringLiteral("/CN=") + tcpAddress_, QStringLiteral("-keyout"), key, QStringLiteral("-out"), cert});
    if (!openssl.waitForFinished(60000) || openssl.exitStatus() != QProcess::NormalExit ||
        openssl.exitCode() != 0)
        return fail(QStringLiteral("openssl made no certificate: %1")
                        .arg(QString::fromLocal8Bit(openssl.readAllStandardError()) + openssl.errorString()));
    // The server reads a key only its own user may read.
    for (const QString& file : {cert, key}) {
        const QByteArray name = QFile::encodeName(file);
        if ((dropPrivileges_ && ::chown(name.constData(), runAsUid_, runAsGid_) != 0) ||
            ::chmod(name.constData(), 0600) != 0)
            return fail(QStringLiteral("cannot hand %1 to the server: %2")
                            .arg(file, QString::fromLocal8Bit(strerror(errno))));
    }
    if (!alterSystem(QStringLiteral("ssl_cert_file"), cert) ||
        !alterSystem(QStringLiteral("ssl_key_file"), key) ||
        !alterSystem(QStringLiteral("ssl"), QStringLiteral("on")))
        return false;
    const QString connection = QStringLiteral("pg-server-tls-%1").arg(quintptr(this));
    bool encrypted = false;
    QString why;
    for (int waited = 0; !encrypted && waited < kStartTimeoutMs; waited += kPollMs) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
            db.setHostName(tcpAddress_);
            db.setPort(port_);
            db.setUserName(QStringLiteral("echolon"));
            db.setDatabaseName(QStringLiteral("postgres"));
            db.setConnectOptions(QStringLiteral("sslmode=require"));
            encrypted = db.open();
            if (!encrypted) why = db.lastError().text();
        }
        QSqlDatabase::removeDatabase(connection);
        if (!encrypted) QThread::msleep(kPollMs);
    }
    if (!encrypted) return fail(QStringLiteral("TLS did not come on: %1\n%2").arg(why, logTail(logFile())));
    return true;
}

bool PgServer::start() {
    if (!folder_ || binDir_.isEmpty()) return fail(reason_);
    if (running()) return true;
    QStringList args = {QStringLiteral("-D"), folder_->filePath(QStringLiteral("data")),
                        // Nothing but the socket in the private folder: no port on any network.
                        QStringLiteral("-c"), QStringLiteral("listen_addresses=") + tcpAddress_,
                        QStringLiteral("-c"), QStringLiteral("unix_socket_directories=") + folder_->path(),
                        QStringLiteral("-c"), QStringLiteral("port=%1").arg(port()),
                        // Room for the many clients of a load benchmark next to the test's own.
                        QStringLiteral("-c"), QStringLiteral("max_connections=200")};
    // Only a crash of the machine loses what these skip; a killed server keeps
    // every commit (synchronous_commit stays on for that reason).
    if (durability_ == Durability::Fast)
        args << QStringLiteral("-c") << QStringLiteral("fsync=off") << QStringLiteral("-c")
             << QStringLiteral("full_page_writes=off");
    // SIGQUIT is the server's immediate shutdown: it takes its workers along.
    ChildSetup setup{folder_->path(), logFile(), dropPrivileges_, runAsUid_, runAsGid_, SIGQUIT};
    QString why;
    const pid_t pid = spawn(binDir_ + QStringLiteral("/postgres"), args, setup, &why);
    if (pid < 0) return fail(why);
    pid_ = pid;

    // The server marks its lock file "ready" once it accepts connections
    // (after any crash recovery); a stale file from a killed run names another pid.
    const QString lockFile = folder_->filePath(QStringLiteral("data/postmaster.pid"));
    for (int waited = 0;; waited += kPollMs) {
        const int status = reap(pid_);
        if (status >= 0) {
            pid_ = 0;
            return fail(QStringLiteral("the PostgreSQL server ended while starting (status %1):\n%2")
                            .arg(status)
                            .arg(logTail(logFile())));
        }
        QFile f(lockFile);
        if (f.open(QIODevice::ReadOnly)) {
            const QList<QByteArray> lines = f.readAll().split('\n');
            if (lines.size() >= 8 && lines[0].trimmed().toInt() == pid_ && lines[7].trimmed() == "ready") {
                error_.clear();
                return true;
            }
        }
        if (waited >= kStartTimeoutMs) {
            ::kill(pid_, SIGQUIT);
            waitForExit(kStopTimeoutMs);
            return fail(QStringLiteral("the PostgreSQL server did not accept connections within %1 s:\n%2")
                            .arg(kStartTimeoutMs / 1000)
                            .arg(logTail(logFile())));
        }
        QThread::msleep(kPollMs);
    }
}

bool PgServer::waitForExit(int timeoutMs) {
    for (int waited = 0; waited < timeoutMs; waited += kPollMs) {
        if (reap(pid_) >= 0) {
            pid_ = 0;
            return true;
        }
        QThread::msleep(kPollMs);
    }
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = 0;
    return false;
}

bool PgServer::stop() {
    if (!running()) return true;
    // SIGINT: the server's fast shutdown, a checkpoint and no waiting for clients.
    ::kill(pid_, SIGINT);
    if (!waitForExit(kStopTimeoutMs))
        return fail(QStringLiteral("the PostgreSQL server did not stop within %1 s and was killed")
                        .arg(kStopTimeoutMs / 1000));
    return true;
}

bool PgServer::kill() {
    if (!running()) return true;
    ::kill(pid_, SIGQUIT);
    if (!waitForExit(kStopTimeoutMs))
        return fail(
            QStringLiteral("the PostgreSQL server ignored an immediate shutdown for %1 s and was killed")
                .arg(kStopTimeoutMs / 1000));
    return true;
}

QString PgServer::url(const QString& dbName) const {
    return QStringLiteral("postgresql://echolon@/%1?host=%2&port=%3")
        .arg(QString::fromLatin1(QUrl::toPercentEncoding(dbName)),
             QString::fromLatin1(QUrl::toPercentEncoding(socketFolder())), QString::number(port()));
}

bool PgServer::configure(QSqlDatabase& db, const QString& url) const {
    const QString prefix = QStringLiteral("postgresql://echolon@/");
    if (!url.startsWith(prefix)) return false;
    const QString name =
        QUrl::fromPercentEncoding(url.mid(prefix.size()).section(QLatin1Char('?'), 0, 0).toUtf8());
    if (name.isEmpty() || this->url(name) != url) return false;
    db.setHostName(socketFolder());
    db.setPort(port());
    db.setUserName(QStringLiteral("echolon"));
    db.setDatabaseName(name);
    return true;
}

bool PgServer::alterSystem(const QString& name, const QString& value) {
    QMutexLocker lock(&databaseMutex_);
    const QString connection = QStringLiteral("pg-server-settings-%1").arg(quintptr(this));
    QString why;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        configure(db, url(QStringLiteral("postgres")));
        const QString change = value.isEmpty()
                                   ? QStringLiteral("ALTER SYSTEM RESET %1").arg(name)
                                   : QStringLiteral("ALTER SYSTEM SET %1 = '%2'").arg(name, value);
        if (!db.open()) {
            why = db.lastError().text();
        } else {
            QSqlQuery q(db);
            if (!q.exec(change) || !q.exec(QStringLiteral("SELECT pg_reload_conf()")))
                why = q.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (!why.isEmpty()) return fail(QStringLiteral("cannot set %1: %2").arg(name, why));
    return true;
}

QString PgServer::createDatabase() {
    QMutexLocker lock(&databaseMutex_);
    if (!available()) {
        error_ = reason_;
        return {};
    }
    const QString name = QStringLiteral("db%1").arg(++databaseCount_);
    const QString connection = QStringLiteral("pg-server-admin-%1").arg(quintptr(this));
    QString why;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        configure(db, url(QStringLiteral("postgres")));
        if (!db.open()) {
            why = db.lastError().text();
        } else {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("CREATE DATABASE ") + name)) why = q.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (!why.isEmpty()) {
        error_ = QStringLiteral("cannot create database %1: %2").arg(name, why);
        return {};
    }
    return url(name);
}
