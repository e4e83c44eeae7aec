#pragma once
// Standard output of a window program that also answers on the command line.

namespace platform {

// Makes stdout and stderr reach the terminal the program was started from,
// byte for byte. On Windows a window program has no console of its own: it
// attaches to its parent's, when there is one and the output is not
// redirected, and writes without turning "\n" into "\r\n". Elsewhere nothing
// needs doing. Call first in main().
void prepareStandardOutput();

} // namespace platform
