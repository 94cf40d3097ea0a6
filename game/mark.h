// The four marks a square can show.
#pragma once

namespace game {

// Empty is "no picture". OWin is the winning O: a square that shows it is neither
// empty, nor X, nor O, so a painted line is never found again.
enum class Mark { Empty, X, O, OWin };

} // namespace game
