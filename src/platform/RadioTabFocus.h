#pragma once

class QButtonGroup;

// Makes Tab enter the exclusive group on its checked button, whichever way that button was checked, so that the
// arrow keys then change the choice. Qt arranges this only when a button of the group takes the focus; a button
// checked by the program (a default, a value read from a file) left Tab on the group's first button, where the
// arrow keys moved the focus without choosing anything.
void TabToCheckedButton(QButtonGroup& group);
