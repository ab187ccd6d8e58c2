#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>

namespace sim {

// Command-line settings of the simulated instrument.
struct SimOptions {
    enum class Model { Short41A1, Packet52A, Packet52A1 };

    Model model = Model::Short41A1;
    QString link;            // --link PATH: a symbolic link to the device
    QString logPath;         // --log FILE: one line per frame received and event
    bool pace = false;       // --pace: bytes at the real line speed (10 bits a byte)
    bool checkSpeed = false; // --check-speed: requests at another line speed are not understood
    int banks = 20;          // --banks N: memory banks that hold a waveform (of 100)
    std::uint32_t seed = 1;
    bool help = false;    // --help: print the usage and end
    bool version = false; // --version: print the version and end

    // Faults on demand, from the request numbered faultAt on (0 = the first).
    int faultAt = 0;
    bool silence = false;     // no answer at all
    int stallAfter = -1;      // send only this many bytes of an answer, then nothing
    bool badAck = false;      // wrong write acknowledgements
    int split = 0;            // answers in pieces of this many bytes, 2 ms apart
    int garbage = 0;          // this many junk bytes before each answer
    bool hangup = false;      // close the line halfway through an answer
    bool badChecksum = false; // waveform blocks with a wrong checksum byte
    bool nothing = false;     // "nothing to send" (0xFE) for every read (packet models)

    int lineSpeed() const { return model == Model::Short41A1 ? 9600 : 56000; }
    QString modelName() const;

    // Parses the arguments (without the program name); on error returns false
    // and sets `error`. --help and --version stop the parsing.
    bool parse(const QStringList& args, QString& error);
    static QString usage();
};

} // namespace sim
