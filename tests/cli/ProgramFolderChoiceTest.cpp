#include "store/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Paths readable in a failure message.
void PrintTo(const QString& s, std::ostream* os) { *os << s.toStdString(); }

namespace {

using store::FolderSource;

struct Folders {
    QTemporaryDir root;
    QString path(const QString& name) const { return root.filePath(name); }
    QString made(const QString& name) const {
        QDir().mkpath(path(name));
        return path(name);
    }
    void touch(const QString& name) const {
        QFile f(path(name));
        f.open(QIODevice::WriteOnly);
    }
    store::FolderHints hints() const {
        return {made("option"), made("env"), made("bin"), made("xdg-data"), made("home")};
    }
};

TEST(ProgramFolderChoice, eachSourceWinsOverTheNextAndIsNamed) {
    Folders f;
    store::FolderHints h = f.hints();
    f.touch("bin/Echolon.v41");
    auto chosen = [&] { return store::chooseProgramFolder(h); };

    EXPECT_EQ(chosen().path, f.path("option"));
    EXPECT_EQ(chosen().source, FolderSource::Option);
    h.option.clear();
    EXPECT_EQ(chosen().path, f.path("env"));
    EXPECT_EQ(chosen().source, FolderSource::Environment);
    h.environment.clear();
    EXPECT_EQ(chosen().path, f.path("bin"));
    EXPECT_EQ(chosen().source, FolderSource::Portable);
    QFile::remove(f.path("bin/Echolon.v41"));
    EXPECT_EQ(chosen().path, f.path("xdg-data/echolon"));
    EXPECT_EQ(chosen().source, FolderSource::UserData);
}

TEST(ProgramFolderChoice, onlyTheSettingsFileOrADataFolderMakeTheExecutablesFolderPortable) {
    Folders f;
    f.touch("bin/Data"); // a file of that name is not the library folder
    f.made("bin/Echolon.v41/");
    EXPECT_FALSE(store::isPortableFolder(f.path("bin")));
    EXPECT_FALSE(store::isPortableFolder(QString())) << "an unknown executable folder";

    f.made("data-only/Data");
    EXPECT_TRUE(store::isPortableFolder(f.path("data-only")));
    f.made("settings-only");
    f.touch("settings-only/Echolon.v41");
    EXPECT_TRUE(store::isPortableFolder(f.path("settings-only")));
}

TEST(ProgramFolderChoice, perUserFolderFollowsXdgDataHomeAndIgnoresARelativeOne) {
    Folders f;
    store::FolderHints h{QString(), QString(), f.made("bin"), QString(), f.made("home")};
    EXPECT_EQ(store::chooseProgramFolder(h).path, f.path("home/.local/share/echolon"));
    h.xdgDataHome = "relative/data";
    EXPECT_EQ(store::chooseProgramFolder(h).path, f.path("home/.local/share/echolon"));
    h.xdgDataHome = f.path("xdg") + "/";
    EXPECT_EQ(store::chooseProgramFolder(h).path, f.path("xdg/echolon"));
}

TEST(ProgramFolderChoice, aNamedFolderIsMadeAbsoluteAndClean) {
    const store::FolderHints h{"some/../library/", QString(), QString(), "/xdg", "/home/user"};
    EXPECT_EQ(store::chooseProgramFolder(h).path, QDir::currentPath() + "/library");
}

} // namespace
