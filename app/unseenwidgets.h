#pragma once

// Qt tells a screen reader that every visible widget is on screen, also one that lies behind the
// page in front or outside its window, so a reader's review would read both pages of the main
// window as one. Installed once the application exists, every widget is presented as off screen
// while nothing of it can be seen; the keyboard still reaches it as before.
void presentUnseenWidgetsAsOffscreen();
