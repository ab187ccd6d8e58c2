#include "support/TempHome.h"

TempHome::TempHome() : oldHome_(qgetenv("ECHOLON_HOME")), oldConfig_(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("ECHOLON_HOME", home_.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
}

TempHome::~TempHome() {
    if (oldHome_.isEmpty()) qunsetenv("ECHOLON_HOME");
    else qputenv("ECHOLON_HOME", oldHome_);
    if (oldConfig_.isEmpty()) qunsetenv("XDG_CONFIG_HOME");
    else qputenv("XDG_CONFIG_HOME", oldConfig_);
}
