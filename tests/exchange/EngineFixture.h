#pragma once
// An exchange engine on an in-memory port and a clock the test advances.
#include "exchange/CommandList.h"
#include "exchange/ExchangeEngine.h"
#include "exchange/PacketFormat.h"
#include "fakes/ManualClock.h"
#include "fakes/MemoryPort.h"
#include "support/RecordingMessages.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>
#include <initializer_list>

class EngineFixture : public ::testing::Test {
protected:
    using Result = exchange::ExchangeEngine::Result;

    EngineFixture() {
        engine.setCommands(&commands);
        QObject::connect(&engine, &exchange::ExchangeEngine::finished, [this](Result r) {
            ++finishes;
            result = r;
        });
    }

    // Fills the list (write commands get `writeBytes` attached) and activates the engine.
    void start(std::initializer_list<QString> list, const QByteArray& writeBytes = {}) {
        for (const QString& c : list) {
            std::unique_ptr<exchange::dynamicArr> object;
            if (c.startsWith("03")) object = std::make_unique<exchange::dynamicArr>(writeBytes);
            commands.add(c, std::move(object));
        }
        engine.FormActivate();
    }

    QByteArray bytesOf(int index) const {
        const exchange::dynamicArr* o = commands.object(index);
        return o ? o->bytes : QByteArray("<none>");
    }

    // A 385-byte block whose bytes depend on `seed`, with its checksum.
    static QByteArray shortBlock(int seed) {
        QByteArray b(exchange::wire::kShortAnswerSize, '\0');
        for (int i = 0; i < exchange::wire::kShortDataSize; ++i) b[i] = char((i * 7 + seed) & 0xFF);
        b[exchange::wire::kShortDataSize] = char(store::ByteSum(b, exchange::wire::kShortDataSize));
        return b;
    }

    static QByteArray instrumentAck() { return QByteArray("\x01\x00\x00\x00\xFF", 5); }

    TempHome home;
    RecordingMessages messages;
    exchange::MemoryPort port;
    exchange::ManualClock clock;
    exchange::CommandList commands;
    exchange::ExchangeEngine engine{port, clock};
    int finishes = 0;
    Result result = Result::Running;
};
