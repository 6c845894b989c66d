#pragma once

class QApplication;

// The one application object of a test program, made on first use and never destroyed:
// destroying it among the exit-time destructors would run Qt's clean-up after Qt's own
// statics are gone. GUI suites get it before their first test (GuiTestMain.cpp).
QApplication &TestApplication();
