// The exchange engine's receive side on arbitrary answers: the first byte picks
// the command list, the rest arrives in pieces whose sizes come from the input,
// with the clock moving in between. Whatever arrives, nothing is read or written
// outside the buffers, and a packet answer never grows past what its count allows.
#include "exchange/CommandList.h"
#include "exchange/ExchangeEngine.h"
#include "fakes/ManualClock.h"
#include "fakes/MemoryPort.h"
#include "store/Messages.h"

#include <QDir>
#include <cstdint>
#include <cstdlib>

namespace {
class QuietMessages final : public store::Messages {
public:
    void information(const QString&) override {}
    void warning(const QString&) override {}
    void error(const QString&) override {}
    bool confirm(const QString&) override { return false; }
};
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static QuietMessages quiet;
    store::setMessages(&quiet);
    qputenv("ECHOLON_HOME", QDir::tempPath().toUtf8());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    static const char* const kLists[][2] = {{"02010003", "02020004"},
                                            {"02010000", "02040100"},
                                            {"03010004", "02010004"},
                                            {"03010000", "02010003"}};
    const auto& list = kLists[data[0] % 4];

    exchange::MemoryPort port;
    exchange::ManualClock clock;
    exchange::CommandList commands;
    for (const char* c : list) {
        std::unique_ptr<exchange::dynamicArr> object;
        if (c[1] == '3') object = std::make_unique<exchange::dynamicArr>(QByteArray(2500, '\x11'));
        commands.add(QString::fromLatin1(c), std::move(object));
    }
    exchange::ExchangeEngine engine(port, clock);
    engine.setCommands(&commands);
    engine.FormActivate();

    std::size_t pos = 1;
    while (pos < size && engine.result() == exchange::ExchangeEngine::Result::Running) {
        const std::size_t piece = std::min<std::size_t>(size - pos, 1 + data[pos] % 64 * 17);
        ++pos;
        const std::size_t take = std::min(piece, size - pos);
        port.feed(QByteArray(reinterpret_cast<const char*>(data + pos), int(take)));
        pos += take;
        clock.advance(data[pos - 1] % 4 == 0 ? 120 : 10);
    }
    clock.advance(60000);
    for (int i = 0; i < commands.count(); ++i)
        if (commands.object(i) && commands.object(i)->bytes.size() > 255 * 1015) std::abort();
    return 0;
}
