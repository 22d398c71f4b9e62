#pragma once

/// Runs the maker: splash and pause, the application, the document holder, the sounds and the main window in that
/// order, the puzzle of the first argument or a new one, then the window events until the main window closes.
int RunMaker(int argc, char** argv);
