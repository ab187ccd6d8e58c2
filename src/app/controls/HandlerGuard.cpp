#include "app/controls/HandlerGuard.h"

#include "store/Messages.h"

#include <exception>

namespace app::controls {

bool HandlerGuard::run(const std::function<void()>& handler) const {
    QString message;
    try {
        handler();
        return true;
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    }
    if (onError) onError();
    store::messages().error(message);
    return false;
}

} // namespace app::controls
