// NAME.com, the console twin of the window program NAME.exe beside it. cmd.exe
// prefers .com to .exe, so "NAME --help" typed in a console runs this: it
// starts NAME.exe with the same command line and output, waits for it and
// ends with its exit status, as a console program does. A double-click on
// NAME.exe still opens the window with no console behind it. Windows' own
// calls only: no C++ runtime to link in, a launcher of a few KiB.
#include <windows.h>

namespace {

constexpr int kLongest = 32768;
HANDLE child = nullptr;

// The command line after the program's own name, exactly as typed, so that
// NAME.exe splits it into the same arguments. The name ends as
// CommandLineToArgvW ends it: at the closing quote, else at the first blank.
const wchar_t* argumentsAfterName(const wchar_t* line) {
    if (*line == L'"') {
        ++line;
        while (*line && *line != L'"')
            ++line;
        return *line ? line + 1 : line;
    }
    while (*line && *line != L' ' && *line != L'\t')
        ++line;
    return line;
}

// Every handle is handed on, the console's too: a window program is given
// no console of its own, and Wine's console shows nothing it writes after
// attaching to this one.
HANDLE handedOn(DWORD which) {
    const HANDLE handle = ::GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return nullptr;
    ::SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    return handle;
}

// Ctrl+C in the console ends NAME.exe too, also when none of its output
// goes to the console.
BOOL WINAPI onControl(DWORD) {
    if (child)
        ::TerminateProcess(child, STATUS_CONTROL_C_EXIT);
    return TRUE;
}

// A message of the launcher itself, on stderr.
void say(const wchar_t* text) {
    const HANDLE err = ::GetStdHandle(STD_ERROR_HANDLE);
    DWORD written = 0;
    DWORD mode = 0;
    if (::GetConsoleMode(err, &mode)) {
        ::WriteConsoleW(err, text, ::lstrlenW(text), &written, nullptr);
        return;
    }
    static char bytes[4 * kLongest];
    const int size =
        ::WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
    if (size > 1)
        ::WriteFile(err, bytes, static_cast<DWORD>(size - 1), &written, nullptr);
}

} // namespace

int wmain() {
    // A command line is at most kLongest characters, so is the program's path.
    static wchar_t program[kLongest];
    const DWORD length = ::GetModuleFileNameW(nullptr, program, kLongest);
    wchar_t* dot = nullptr;
    for (wchar_t* c = program; *c; ++c) {
        if (*c == L'.')
            dot = c;
        else if (*c == L'\\')
            dot = nullptr;
    }
    if (length == 0 || length >= kLongest - 4 || !dot)
        return 1;
    ::lstrcpyW(dot, L".exe");

    static wchar_t line[2 * kLongest];
    const wchar_t* arguments = argumentsAfterName(::GetCommandLineW());
    if (::lstrlenW(program) + ::lstrlenW(arguments) + 3 >= kLongest) {
        say(L"the command line is too long\r\n");
        return 1;
    }
    ::wsprintfW(line, L"\"%s\"", program);
    ::lstrcatW(line, arguments);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = handedOn(STD_INPUT_HANDLE);
    startup.hStdOutput = handedOn(STD_OUTPUT_HANDLE);
    startup.hStdError = handedOn(STD_ERROR_HANDLE);
    PROCESS_INFORMATION started{};
    ::SetConsoleCtrlHandler(onControl, TRUE);
    if (!::CreateProcessW(program, line, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                          &started)) {
        wchar_t message[kLongest + 64];
        ::wsprintfW(message, L"cannot start %s (Windows error %lu)\r\n", program, ::GetLastError());
        say(message);
        return 1;
    }
    child = started.hProcess;
    ::CloseHandle(started.hThread);
    ::WaitForSingleObject(started.hProcess, INFINITE);
    DWORD status = 1;
    ::GetExitCodeProcess(started.hProcess, &status);
    return static_cast<int>(status);
}
