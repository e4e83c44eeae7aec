#pragma once
// Standard output of a window program that also answers on the command line.

namespace platform {

// Makes stdout and stderr reach the terminal the program was started from,
// byte for byte. On Windows a window program has no console of its own: a
// stream that is not redirected goes to its parent's console, when there is
// one (the console twin NAME.com is such a parent), and nothing turns "\n"
// into "\r\n". Elsewhere nothing needs doing. Call first in main().
void prepareStandardOutput();

} // namespace platform
