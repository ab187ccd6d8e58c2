#pragma once
// The port-settings dialog over the real serial port, whose device template
// points at links in the temporary home: port 1 and port 3 lead to free
// pseudo-terminals, port 2 to one that another opener holds, port 4 nowhere.
#include "exchange/TfrmChkDev.h"
#include "exchange/serial/TermiosDevice.h"
#include "store/IniFile.h"
#include "store/ViewState.h"
#include "support/RecordingHost.h"
#include "support/RecordingMessages.h"
#include "support/TempHome.h"

#include <QFile>
#include <QFileInfo>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

class ChkDevPty {
public:
    ChkDevPty() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        char name[128] = {};
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0 &&
            ::ptsname_r(master_, name, sizeof name) == 0)
            path_ = QString::fromLocal8Bit(name);
    }
    ~ChkDevPty() {
        if (master_ >= 0) ::close(master_);
    }
    ChkDevPty(const ChkDevPty&) = delete;
    ChkDevPty& operator=(const ChkDevPty&) = delete;
    const QString& path() const { return path_; }

private:
    int master_ = -1;
    QString path_;
};

class ChkDevFixture : public ::testing::Test {
protected:
    void SetUp() override {
        for (const ChkDevPty* p : {&free1, &held2, &free3}) ASSERT_FALSE(p->path().isEmpty());
        ASSERT_TRUE(QFile::link(free1.path(), home.file("tty0")));
        ASSERT_TRUE(QFile::link(held2.path(), home.file("tty1")));
        ASSERT_TRUE(QFile::link(free3.path(), home.file("tty2")));
        ASSERT_EQ(holder.Open(QFile::encodeName(held2.path())), 0);
        writeSettings("[Form1]\nTop=10\n[COM]\nDeviceName=" + home.file("tty%d").toUtf8() + "\n");
    }

    void writeSettings(const QByteArray& text) {
        QFile f(home.file("Echolon.v41"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QByteArray settingsText() const {
        QFile f(home.file("Echolon.v41"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    int settingsValue(const QString& key, int def = -99) const {
        return store::IniFile(home.file("Echolon.v41")).readInteger("COM", key, def);
    }

    // Created after the settings are on disk, as at start-up.
    exchange::TfrmChkDev& dialog() {
        if (!dlg_) {
            dlg_ = std::make_unique<exchange::TfrmChkDev>(state, host);
            // This machine's own ports would shift the numbered entries.
            dlg_->core().setDiscovery([] { return QList<serial::SerialPortInfo>(); });
        }
        return *dlg_;
    }

    TempHome home;
    RecordingMessages messages;
    store::ViewState state;
    RecordingHost host;
    ChkDevPty free1, held2, free3;
    serial::TermiosDevice holder;

private:
    std::unique_ptr<exchange::TfrmChkDev> dlg_;
};
