#pragma once
#include <QString>
#include <QTemporaryDir>

// A fresh program folder and configuration folder for one test.
// Sets ECHOLON_HOME and XDG_CONFIG_HOME while it lives.
class TempHome {
public:
    TempHome();
    ~TempHome();
    QString path() const { return home_.path(); }
    QString file(const QString& relative) const { return home_.filePath(relative); }
    QString configDir() const { return config_.path(); }

private:
    QTemporaryDir home_;
    QTemporaryDir config_;
    QByteArray oldHome_, oldConfig_;
};
