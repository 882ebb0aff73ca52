// What a screen reader finds in a text box: its text, caret and selection,
// and the writes it may make (insert, delete, replace, set), which enter the
// box as pasted text does, through its key filter and as one undo step.
#pragma once

namespace tk {

// Call it from the text box's constructor; the first call installs it.
void ExposeTextBoxesToScreenReaders();

}  // namespace tk
