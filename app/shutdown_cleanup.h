#pragma once
// The end of the program, after its window has closed: silence, the library closed, and no
// temporary sound file left behind.

namespace ritmora {

class ArayüzKalıp;

// Stops the usul playback (player and timers), closes the usul library and deletes every
// "*.---" file in the data folder's vlvl (the sample bank, "Shablon.---", "Eser.---"); nothing
// outside vlvl is touched. Errors are ignored: shutdown always completes.
void ShutdownCleanup(ArayüzKalıp& window);

}  // namespace ritmora
