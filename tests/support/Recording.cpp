#include "support/Recording.h"

#include <QFile>
#include <cctype>

namespace {

// Hex pairs separated by spaces or not; false on anything else.
bool parseHex(const QStringList& tokens, QByteArray& out) {
    const QByteArray text = tokens.join(QString()).toLatin1();
    if (text.size() % 2 != 0) return false;
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    out = QByteArray::fromHex(text);
    return true;
}

bool parseIndex(const QString& text, int commands, int& index) {
    bool ok = false;
    index = text.toInt(&ok);
    return ok && index >= 0 && index < commands;
}

bool isLogWord(const QString& word) { return word == "rx" || word == "tx" || word == "note"; }

// One line of the simulator's log (stamp already dropped); empty when understood.
QString takeLogLine(QStringList tokens, const QString& rest, Recording& r) {
    const QString word = tokens.takeFirst();
    if (word == "note") {
        r.notes << rest;
        return {};
    }
    RecordedFrame f;
    f.fromProgram = word == "rx";
    if (f.fromProgram) {
        bool ok = false;
        f.speed = tokens.isEmpty() ? 0 : tokens.takeFirst().toInt(&ok);
        if (!ok || f.speed <= 0) return QStringLiteral("rx without a line speed");
    }
    if (!parseHex(tokens, f.bytes) || f.bytes.isEmpty()) return QStringLiteral("frame without hex bytes");
    r.frames << f;
    return {};
}

QString takeDirective(const QString& word, QStringList tokens, const QString& rest, Recording& r) {
    int index = 0;
    if (word == "@sim") {
        r.simArgs = tokens;
    } else if (word == "@command") {
        RecordedCommand c;
        if (tokens.isEmpty() || tokens[0].size() != 8)
            return QStringLiteral("command is not eight hex digits");
        c.command = tokens.takeFirst();
        if (!parseHex(tokens, c.payload)) return QStringLiteral("payload is not hex");
        r.commands << c;
    } else if (word == "@result") {
        if (rest != "ok" && rest != "cancel") return QStringLiteral("result is neither ok nor cancel");
        r.ok = rest == "ok";
        r.hasResult = true;
    } else if (word == "@answer") {
        if (tokens.isEmpty() || !parseIndex(tokens.takeFirst(), r.commands.size(), index))
            return QStringLiteral("answer of no command");
        if (!parseHex(tokens, r.answers[index])) return QStringLiteral("answer is not hex");
    } else if (word == "@problem") {
        if (tokens.isEmpty() || !parseIndex(tokens[0], r.commands.size(), index))
            return QStringLiteral("problem of no command");
        r.problems[index] = rest.section(' ', 1);
    } else if (word == "@message") {
        if (rest.isEmpty()) return QStringLiteral("empty message");
        r.messages << rest;
    } else {
        return QStringLiteral("unknown directive");
    }
    return {};
}

} // namespace

QByteArray Recording::programBytes() const {
    QByteArray out;
    for (const RecordedFrame& f : frames)
        if (f.fromProgram) out += f.bytes;
    return out;
}

QVector<QByteArray> Recording::instrumentFrames() const {
    QVector<QByteArray> out;
    for (const RecordedFrame& f : frames)
        if (!f.fromProgram) out << f.bytes;
    return out;
}

std::optional<Recording> Recording::parse(const QByteArray& text, QString& error) {
    Recording r;
    const QList<QByteArray> lines = text.split('\n');
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = QString::fromUtf8(lines[n]).trimmed();
        if (line.isEmpty() || line.startsWith('#')) continue;
        QStringList tokens = line.split(' ', Qt::SkipEmptyParts);
        // A log line may carry one stamp token before its word.
        if (tokens.size() >= 2 && !isLogWord(tokens[0]) && !tokens[0].startsWith('@') && isLogWord(tokens[1]))
            tokens.removeFirst();
        const QString word = tokens[0];
        const QString rest = tokens.mid(1).join(' ');
        const QString why =
            isLogWord(word) ? takeLogLine(tokens, rest, r) : takeDirective(word, tokens.mid(1), rest, r);
        if (!why.isEmpty()) {
            error = QStringLiteral("line %1: %2: %3").arg(n + 1).arg(why, line.left(60));
            return std::nullopt;
        }
    }
    return r;
}

std::optional<Recording> Recording::load(const QString& name, QString& error) {
    QFile f(QStringLiteral(ECHOLON_TEST_DATA_DIR "/") + name);
    if (!f.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(f.fileName(), f.errorString());
        return std::nullopt;
    }
    auto r = parse(f.readAll(), error);
    if (!r) error = name + QStringLiteral(", ") + error;
    return r;
}
