#pragma once

// Turns every toolkit assertion into a failure of the current test (an unhandled one would open a
// dialog and hang the run), and sends log messages to standard error instead of message boxes.
void InstallFailingAssertHandler();
