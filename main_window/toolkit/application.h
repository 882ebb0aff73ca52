// The program's start on the desktop's display.
#pragma once

#include <QApplication>
#include <memory>

namespace tk {

// Takes the toolkit down when the program ends; on Wayland it is left
// standing instead. There Qt 6.4 can hang for good while it takes down its
// connection to the compositor (its event thread waits for a read that no
// one finishes; seen when the main window is closed with the large window
// open), and the program would never end, its windows gone. Nothing is lost
// by leaving it: the compositor lets go of what a client held when it ends.
struct EndToolkit {
    void operator()(QApplication* application) const;
};

// Starts the toolkit on the display that the environment names. Where there
// is none to be reached, the toolkit would abort with advice that does not
// help; instead this says so in one line on standard error, naming what it
// looked at, and ends the program with status 1.
//
// The program reads no command line: the toolkit is handed the program's name
// alone, for it would obey options of its own found there (-style, -reverse,
// -platform, -qwindowtitle, ...). Its environment variables (QT_QPA_PLATFORM,
// say) stay the desktop's way to choose a display.
std::unique_ptr<QApplication, EndToolkit> StartOnDisplay(const char* programName);

}  // namespace tk
