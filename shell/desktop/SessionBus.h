#pragma once

namespace quiz {

// Keeps the toolkit from starting a message bus of its own. Without a session bus, the D-Bus
// library would launch one on first use (for accessibility and desktop settings): a daemon that
// outlives the program, a file under the home folder, and a wait of seconds where the home
// folder is read-only. When the environment names no bus and none can be found, the program
// runs without one, as it does on any platform without D-Bus. Call before the application object
// exists.
void PrepareSessionBus();

} // namespace quiz
