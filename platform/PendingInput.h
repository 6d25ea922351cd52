#pragma once

// While a handler blocks the main thread (a synchronous upload), the clicks
// and keys of the user wait in the queue and would act once it returns.
// This delivers everything that is queued and drops the user input among it,
// so a window takes no input while it is busy.
void discardPendingInput();
