// The command line of both programs, run as processes without any display.
#include "CleanProcess.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

bool isEmptyFolder(const QString& dir) {
    return QDir(dir).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

TEST(CommandLine, helpAndVersionAnswerWithoutADisplayAndWriteNothing) {
    CleanProcess env;
    const Finished help = env.run("echolon", {"--help"});
    ASSERT_TRUE(help.ended) << help.err.toStdString();
    EXPECT_EQ(help.exitCode, 0) << help.err.toStdString();
    for (const char* word : {"--home", "--no-create", "--log-wire", "--lang", "copy-library", "--pr",
                             "--events", "ECHOLON_HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"})
        EXPECT_TRUE(help.out.contains(word)) << word << " missing from:\n" << help.out.toStdString();

    const Finished version = env.run("echolon", {"--version"});
    EXPECT_EQ(version.exitCode, 0) << version.err.toStdString();
    EXPECT_TRUE(version.out.contains("4.1")) << version.out.toStdString();

    const Finished simHelp = env.run("echolon-sim", {"--help"});
    EXPECT_EQ(simHelp.exitCode, 0) << simHelp.err.toStdString();
    EXPECT_TRUE(simHelp.out.contains("--model") && simHelp.out.contains("--fault"))
        << simHelp.out.toStdString();
    EXPECT_EQ(env.run("echolon-sim", {"--version"}).exitCode, 0);

    for (const char* dir : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"})
        EXPECT_TRUE(isEmptyFolder(env.dir(dir))) << dir << " was written to";
}

TEST(CommandLine, aWrongCommandLineGetsTheUsageAndExitStatus2) {
    CleanProcess env;
    for (const QStringList& args :
         {QStringList{"--frobnicate"}, QStringList{"--home"}, QStringList{"--home="},
          QStringList{"stray-argument"}, QStringList{"--log-wire"}, QStringList{"--log-wire="},
          QStringList{"--lang", "fr"}}) {
        const Finished f = env.run("echolon", args);
        EXPECT_EQ(f.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(f.err.contains("Usage:")) << f.err.toStdString();
    }
    const Finished unknown = env.run("echolon", {"--frobnicate"});
    EXPECT_TRUE(unknown.err.contains("frobnicate")) << "names what it refused: " << unknown.err.toStdString();

    const Finished sim = env.run("echolon-sim", {"--frobnicate"});
    EXPECT_EQ(sim.exitCode, 2);
    EXPECT_TRUE(sim.err.contains("--frobnicate") && sim.err.contains("usage:")) << sim.err.toStdString();
}

TEST(CommandLine, aWireLogThatCannotBeWrittenIsRefusedBeforeAnythingElse) {
    CleanProcess env;
    const QString path = env.dir("HOME") + "/no/such/folder/wire.log";
    const Finished f = env.run("echolon", {"--log-wire", path});
    EXPECT_EQ(f.exitCode, 2);
    EXPECT_TRUE(f.err.contains("cannot write the wire log " + path)) << f.err.toStdString();
    EXPECT_FALSE(f.err.contains("display"))
        << "refused before the display is looked for: " << f.err.toStdString();
    EXPECT_TRUE(isEmptyFolder(env.dir("XDG_DATA_HOME")));
}

TEST(CommandLine, aHomeThatIsAFileOrMissingIsRefusedWithoutMakingAnything) {
    CleanProcess env;
    const QString file = env.dir("HOME") + "/library.db";
    QFile(file).open(QIODevice::WriteOnly);
    const Finished onFile = env.run("echolon", {"--home", file});
    EXPECT_EQ(onFile.exitCode, 2);
    EXPECT_TRUE(onFile.err.contains(file + ": not a folder")) << onFile.err.toStdString();

    // Refused by --no-create, and refused when there is nobody to ask.
    const QString missing = env.dir("HOME") + "/new/library";
    for (const QStringList& args :
         {QStringList{"--no-create", "--home", missing}, QStringList{"--home", missing}}) {
        const Finished f = env.run("echolon", args);
        EXPECT_EQ(f.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(f.err.contains(missing)) << f.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(env.dir("HOME") + "/new"));
    }
    env.setEnv("ECHOLON_HOME", missing);
    EXPECT_EQ(env.run("echolon", {}).exitCode, 2) << "a missing $ECHOLON_HOME is not made either";
    EXPECT_FALSE(QFileInfo::exists(env.dir("HOME") + "/new"));
}

TEST(CommandLine, theFirstStartMakesThePerUserFolderNotOneBesideTheExecutable) {
    CleanProcess env;
    const Finished f = env.run("echolon", {});
    EXPECT_EQ(f.exitCode, 2) << "no display";
    EXPECT_TRUE(f.err.contains("display")) << f.err.toStdString();
    EXPECT_TRUE(QFileInfo(env.dir("XDG_DATA_HOME") + "/echolon").isDir());
    EXPECT_FALSE(QFileInfo::exists(CleanProcess::binary("Data")));
    EXPECT_FALSE(QFileInfo::exists(CleanProcess::binary("Echolon.v41")));
}

} // namespace
