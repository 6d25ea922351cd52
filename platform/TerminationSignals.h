#pragma once

// Turns SIGINT, SIGTERM and SIGHUP (Ctrl+C in a terminal, the session
// ending) into an orderly quit through the application object, so that a
// running movie is finished and the picture folder gets its name.
void quitOnTerminationSignals();
