#pragma once

#include <QString>

class QAction;
class QWidget;

namespace quillan::app {

// The honest state of a command whose function the program does not have yet: disabled, and the
// tooltip says so. No dead clicks, no made-up results.
QString notYetAvailableText();
void markNotYetAvailable(QWidget* control);
void markNotYetAvailable(QAction* action);

}  // namespace quillan::app
