#include "app/controls/HandlerGuard.h"

#include "store/Messages.h"

namespace app::controls {

bool HandlerGuard::run(const std::function<void()>& handler) const {
    return store::showErrors(handler, onError_);
}

} // namespace app::controls
