#pragma once

// Makes the calling thread a background one: it gets the processor when no ordinary thread
// wants it (and a small share under full load), and waking it never preempts the user
// interface's thread. Failure leaves the thread as it was.
void RunInBackground();
