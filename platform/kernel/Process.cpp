// CreateProcessW without a shell (the command line holds the arguments only), GetExitCodeProcess and WaitForSingleObject on its handles.
#include <spawn.h>

#include <memory>
#include <string>
#include <vector>

#include "cewchar.h"
#include "kernel/CommandLine.h"
#include "kernel/ProcessObject.h"
#include "kernel/ProgramLocator.h"
#include "winbase.h"

extern char** environ;

namespace {

using ce::kernel::ProcessObject;

// The handheld's convention: with a program named, the command line holds only its
// arguments and the program's own name comes first in argv. Without one (which the handheld
// does not allow) the command line's first word names the program, as on the desktop.
std::vector<std::string> hostArguments(LPCWSTR application, LPCWSTR commandLine) {
    std::vector<std::string> arguments;
    if (application) arguments.push_back(ce::toUtf8(application));
    if (commandLine)
        for (const std::u16string& argument : ce::kernel::splitCommandLine(commandLine))
            arguments.push_back(ce::toUtf8(argument));
    return arguments;
}

pid_t spawn(const std::string& program, std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return 0;
    return pid;
}

}  // namespace

BOOL CreateProcessW(LPCWSTR lpApplicationName, LPWSTR lpCommandLine, LPSECURITY_ATTRIBUTES,
                    LPSECURITY_ATTRIBUTES, BOOL, DWORD, LPVOID, LPCWSTR, LPSTARTUPINFOW,
                    LPPROCESS_INFORMATION lpProcessInformation) {
    std::vector<std::string> arguments = hostArguments(lpApplicationName, lpCommandLine);
    if (arguments.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::string program =
        ce::kernel::locateProgram(lpApplicationName ? ce::toUtf8(lpApplicationName) : arguments[0]);
    pid_t pid = program.empty() ? 0 : spawn(program, arguments);
    if (pid <= 0) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    auto end = ProcessObject::watch(pid);
    if (lpProcessInformation) {
        lpProcessInformation->hProcess = ce::kernel::addObject(std::make_unique<ProcessObject>(end));
        lpProcessInformation->hThread = ce::kernel::addObject(std::make_unique<ProcessObject>(end));
        lpProcessInformation->dwProcessId = static_cast<DWORD>(pid);
        lpProcessInformation->dwThreadId = static_cast<DWORD>(pid);
    }
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL GetExitCodeProcess(HANDLE hProcess, LPDWORD lpExitCode) {
    auto* process = ce::kernel::findObject<ProcessObject>(hProcess);
    if (!process || !lpExitCode) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    *lpExitCode = process->exitCode();
    return TRUE;
}

DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds) {
    auto* process = ce::kernel::findObject<ProcessObject>(hHandle);
    if (!process) {
        SetLastError(ERROR_INVALID_HANDLE);
        return WAIT_FAILED;
    }
    return process->wait(dwMilliseconds) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}
