#include "SimOptions.h"

namespace sim {

QString SimOptions::modelName() const {
    switch (model) {
    case Model::Short41A1: return QStringLiteral("KM-41A1 ver.5");
    case Model::Packet52A: return QStringLiteral("KM-52A ver.1");
    case Model::Packet52A1: return QStringLiteral("KM-52A1 ver.2");
    }
    return {};
}

QString SimOptions::usage() {
    return QStringLiteral(
        "usage: echolon-sim [options]\n"
        "Plays an instrument on a pseudo-terminal and prints the device path.\n"
        "  --model NAME      \"KM-41A1 ver.5\" (41a1, default), \"KM-52A ver.1\" (52a), \"KM-52A1 ver.2\" "
        "(52a1)\n"
        "  --link PATH       also make PATH a symbolic link to the device\n"
        "  --pace            send at the real line speed (9600 or 56000 bit/s)\n"
        "  --check-speed     ignore requests made at another line speed\n"
        "  --banks N         banks holding a waveform, of 100 (default 20)\n"
        "  --seed N          seed of the synthetic waveforms (default 1)\n"
        "  --log FILE        write the frames received and the events to FILE\n"
        "  --fault-at N      faults apply from request N on (0 = the first)\n"
        "  --fault NAME      silence | stall=BYTES | bad-ack | split=BYTES | garbage=BYTES |\n"
        "                    hangup | bad-checksum | nothing   (may be repeated)\n"
        "  -h, --help        show this help and end\n"
        "  --version         show the version and end\n");
}

namespace {
bool toInt(const QString& text, int min, int& out) {
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < min) return false;
    out = v;
    return true;
}
} // namespace

bool SimOptions::parse(const QStringList& args, QString& error) {
    for (int i = 0; i < args.size(); ++i) {
        const QString a = args[i];
        auto value = [&](QString& out) {
            if (i + 1 >= args.size()) {
                error = a + QStringLiteral(" needs a value");
                return false;
            }
            out = args[++i];
            return true;
        };
        QString v;
        if (a == "--pace") {
            pace = true;
        } else if (a == "--check-speed") {
            checkSpeed = true;
        } else if (a == "--model") {
            if (!value(v)) return false;
            const QString m = v.toLower();
            if (m == "km-41a1 ver.5" || m == "41a1" || m == "0") model = Model::Short41A1;
            else if (m == "km-52a ver.1" || m == "52a" || m == "3") model = Model::Packet52A;
            else if (m == "km-52a1 ver.2" || m == "52a1" || m == "4") model = Model::Packet52A1;
            else return error = QStringLiteral("unknown model: ") + v, false;
        } else if (a == "--link") {
            if (!value(link)) return false;
        } else if (a == "--log") {
            if (!value(logPath)) return false;
        } else if (a == "--banks") {
            if (!value(v) || !toInt(v, 0, banks) || banks > 100)
                return error = QStringLiteral("--banks takes 0 to 100"), false;
        } else if (a == "--seed") {
            int s = 0;
            if (!value(v) || !toInt(v, 0, s)) return error = QStringLiteral("--seed takes a number"), false;
            seed = std::uint32_t(s);
        } else if (a == "--fault-at") {
            if (!value(v) || !toInt(v, 0, faultAt))
                return error = QStringLiteral("--fault-at takes a number"), false;
        } else if (a == "--fault") {
            if (!value(v)) return false;
            const QString name = v.section('=', 0, 0);
            const QString arg = v.section('=', 1);
            if (name == "silence") silence = true;
            else if (name == "bad-ack") badAck = true;
            else if (name == "hangup") hangup = true;
            else if (name == "bad-checksum") badChecksum = true;
            else if (name == "nothing") nothing = true;
            else if (name == "stall" && toInt(arg, 0, stallAfter)) {
            } else if (name == "split" && toInt(arg, 1, split)) {
            } else if (name == "garbage" && toInt(arg, 1, garbage)) {
            } else return error = QStringLiteral("unknown fault: ") + v, false;
        } else if (a == "--help" || a == "-h") {
            help = true;
            return true;
        } else if (a == "--version") {
            version = true;
            return true;
        } else {
            error = QStringLiteral("unknown option: ") + a;
            return false;
        }
    }
    return true;
}

} // namespace sim
