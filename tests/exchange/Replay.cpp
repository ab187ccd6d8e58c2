#include "Replay.h"

#include "exchange/CommandList.h"
#include "exchange/ExchangeEngine.h"
#include "fakes/ManualClock.h"
#include "fakes/MemoryPort.h"
#include "support/RecordingMessages.h"

#include <memory>
#include <random>

using namespace exchange;

namespace {

// More timers than any recorded exchange runs; a replay that needs more is stuck.
constexpr int kTimerBudget = 1000;

QByteArray joined(const QVector<QByteArray>& writes) {
    QByteArray out;
    for (const QByteArray& w : writes) out += w;
    return out;
}

QString hexAround(const QByteArray& bytes, int at) {
    return QString::fromLatin1(bytes.mid(std::max(0, at - 4), 12).toHex(' ').toUpper());
}

} // namespace

ReplayOutcome replay(const Recording& recording, const FrameCutter& cut) {
    RecordingMessages messages;
    MemoryPort port;
    ManualClock clock;
    CommandList list;
    for (const RecordedCommand& c : recording.commands)
        list.add(c.command, c.command.startsWith("03") ? std::make_unique<dynamicArr>(c.payload) : nullptr);
    ExchangeEngine engine(port, clock);
    engine.setCommands(&list);
    engine.FormActivate();

    const auto running = [&engine] { return engine.result() == ExchangeEngine::Result::Running; };
    int timers = 0;
    const auto runTimersUntil = [&](const std::function<bool()>& done) {
        while (!done() && running() && timers < kTimerBudget && clock.fireNext()) ++timers;
    };
    ReplayOutcome out;
    int programBytes = 0;
    int instrumentFrame = 0;
    for (const RecordedFrame& f : recording.frames) {
        if (f.fromProgram) {
            programBytes += int(f.bytes.size());
            runTimersUntil([&] { return joined(port.writes()).size() >= programBytes; });
        } else {
            if (out.aheadAtFrame < 0 && joined(port.writes()).size() > programBytes)
                out.aheadAtFrame = instrumentFrame;
            for (const QByteArray& piece : cut(instrumentFrame, f.bytes)) port.feed(piece);
            ++instrumentFrame;
        }
    }
    runTimersUntil([] { return false; });

    out.sent = joined(port.writes());
    out.speed = bitsPerSecond(port.lineSpeed());
    out.finished = !running();
    out.ok = engine.result() == ExchangeEngine::Result::Ok;
    for (int i = 0; i < list.count(); ++i) {
        if (list.command(i).startsWith("02") && list.object(i)) out.answers[i] = list.object(i)->bytes;
        if (!list.problem(i).isEmpty()) out.problems[i] = list.problem(i);
    }
    for (const QString& m : messages.infos) out.messages << "info " + m;
    for (const QString& m : messages.warnings) out.messages << "warning " + m;
    for (const QString& m : messages.errors) out.messages << "error " + m;
    return out;
}

QString departure(const Recording& recording, const ReplayOutcome& outcome) {
    const QByteArray expected = recording.programBytes();
    if (outcome.sent != expected) {
        int at = 0;
        while (at < expected.size() && at < outcome.sent.size() && expected[at] == outcome.sent[at]) ++at;
        return QStringLiteral(
                   "the program sent %1 bytes, the recording %2; first difference at byte %3: %4 | %5")
            .arg(outcome.sent.size())
            .arg(expected.size())
            .arg(at)
            .arg(hexAround(outcome.sent, at), hexAround(expected, at));
    }
    if (outcome.aheadAtFrame >= 0)
        return QStringLiteral("the program sent bytes the recording shows only after instrument frame %1")
            .arg(outcome.aheadAtFrame);
    for (const RecordedFrame& f : recording.frames)
        if (f.fromProgram && f.speed != outcome.speed)
            return QStringLiteral("the port was set to %1 bit/s, the recording has %2")
                .arg(outcome.speed)
                .arg(f.speed);
    if (!outcome.finished) return QStringLiteral("the exchange did not end");
    if (outcome.ok != recording.ok)
        return outcome.ok ? QStringLiteral("ended ok, recorded cancel")
                          : QStringLiteral("ended cancelled, recorded ok");
    for (auto it = recording.answers.begin(); it != recording.answers.end(); ++it)
        if (outcome.answers.value(it.key()) != it.value())
            return QStringLiteral("command %1 read %2 bytes, recorded %3")
                .arg(it.key())
                .arg(outcome.answers.value(it.key()).size())
                .arg(it.value().size());
    if (outcome.answers.size() != recording.answers.size())
        return QStringLiteral("%1 answers, recorded %2")
            .arg(outcome.answers.size())
            .arg(recording.answers.size());
    if (outcome.problems != recording.problems)
        return QStringLiteral("problems: %1 | recorded: %2")
            .arg(QStringList(outcome.problems.values()).join("; "),
                 QStringList(recording.problems.values()).join("; "));
    if (outcome.messages != recording.messages)
        return QStringLiteral("messages: %1 | recorded: %2")
            .arg(outcome.messages.join("; "), recording.messages.join("; "));
    return {};
}

FrameCutter whole() {
    return [](int, const QByteArray& bytes) { return QVector<QByteArray>{bytes}; };
}

FrameCutter cutAt(int frame, int position) {
    return [frame, position](int f, const QByteArray& bytes) {
        if (f != frame) return QVector<QByteArray>{bytes};
        return QVector<QByteArray>{bytes.left(position), bytes.mid(position)};
    };
}

FrameCutter randomPieces(unsigned seed, int longest) {
    auto rng = std::make_shared<std::mt19937>(seed);
    return [rng, longest](int, const QByteArray& bytes) {
        QVector<QByteArray> pieces;
        for (int at = 0; at < bytes.size();) {
            const int n = std::uniform_int_distribution<int>(1, longest)(*rng);
            pieces << bytes.mid(at, n);
            at += n;
        }
        return pieces;
    };
}
