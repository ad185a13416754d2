#pragma once

// Main's steps 11 to 13: the splash, then, from the event loop once the splash
// is on screen, the main window. True: a window is open, and the program lives
// as long as the windows.
bool ApriFinestreIniziali();
