// The pause button both character-set pages (custom and poetry mode) share over the one run.
#pragma once

class QPushButton;

namespace qiming::generation {

class CharSetRun;

// Both character-set pages: the pause button's caption from the one run's state, and the
// toggle (a finished or idle run is left alone and the caption shows "暂停" again).
void showCharSetRunState(const CharSetRun &run, QPushButton *pause);
void toggleCharSetRun(CharSetRun &run, QPushButton *pause);

} // namespace qiming::generation
