// The program's start on the desktop's display.
#pragma once

#include <QApplication>
#include <memory>

namespace tk {

// Starts the toolkit on the display that the environment names. Where there
// is none to be reached, the toolkit would abort with advice that does not
// help; instead this says so in one line on standard error, naming what it
// looked at, and ends the program with status 1.
std::unique_ptr<QApplication> StartOnDisplay(int& argc, char** argv);

}  // namespace tk
