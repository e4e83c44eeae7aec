#pragma once
// Standard output of a window program that also answers on the command line.

namespace platform {

// Makes stdout and stderr reach the terminal the program was started from,
// byte for byte. On Windows a window program has no console of its own: the
// console twin NAME.com hands on its console and files; started without it,
// a stream without a handle goes to the parent's console, when there is one.
// Nothing turns "\n" into "\r\n". Elsewhere nothing needs doing. Call first
// in main().
void prepareStandardOutput();

} // namespace platform
