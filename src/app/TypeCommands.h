#pragma once

namespace app {

class WindowState;

// The commands that follow the type entry: "KMX-417" reads from the instrument
// and imports old databases; "KMX-419" opens waveform files and has neither
// import nor port settings, but a free zoom.
void showTypeCommands(WindowState& state, int typeIndex);

} // namespace app
