#include "exchange/WireLog.h"
#include "EngineFixture.h"

#include <QFile>
#include <QRegularExpression>

using namespace exchange;

namespace {

// The log's lines, each checked to start with its time, without it.
QStringList linesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {QStringLiteral("<no log>")};
    const QRegularExpression time(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}Z "));
    QStringList lines;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts))
        lines << (time.match(line).hasMatch() ? line.section(' ', 1) : QStringLiteral("<no time> ") + line);
    return lines;
}

QString hex(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex(' ').toUpper()); }

} // namespace

using WireLog = EngineFixture;

TEST_F(WireLog, aFileLogsTheFramesBothWaysAndWhyTheInstrumentWentSilent) {
    const QString path = home.file("wire.log");
    {
        WireLogFile log;
        ASSERT_EQ(log.open(path), QString());
        start({"02010500", "02010600"});
        const QByteArray block = shortBlock(5);
        port.feed(block.left(100));
        port.feed(block.mid(100));
        clock.advance(ExchangeEngine::kCommandDelay);
        port.feed(QByteArray("\x01\x02\x03", 3));
        clock.advance(ExchangeEngine::kReadSilence);
        ASSERT_EQ(result, Result::Cancel);
    }
    // Closed with the exchange over: nothing more is written.
    start({"02010700"});
    EXPECT_EQ(linesOf(path), (QStringList{
                                 "note port 1 open at 9600 bit/s",
                                 "tx 9600 55 05",
                                 "rx " + hex(shortBlock(5)),
                                 "tx 9600 55 06",
                                 "rx 01 02 03",
                                 "note no answer for 2000 ms (3 bytes of an answer came)",
                             }));
}

// QT_LOGGING_RULES="echolon.wire.debug=true" sends the lines to Qt's message output.
TEST_F(WireLog, isSilentUntilTheLoggingRulesEnableIt) {
    static QStringList logged;
    logged.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString& text) {
            if (QByteArray(context.category) == "echolon.wire") logged << text;
        });
    start({"02010500"});
    QLoggingCategory::setFilterRules(QStringLiteral("echolon.wire.debug=true"));
    port.feed(shortBlock(5));
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(previous);
    ASSERT_EQ(logged.size(), 1) << logged.join('\n').toStdString();
    EXPECT_TRUE(logged[0].endsWith(" rx " + hex(shortBlock(5)))) << logged[0].toStdString();
}
