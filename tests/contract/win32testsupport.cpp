#include "win32testsupport.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <winternl.h>

#include <array>
#include <cstddef>
#include <cstring>
#include <vector>

namespace tincta::contract {

namespace {

constexpr char clearFlag[] = "--clear-program-key";
constexpr SYSTEM_INFORMATION_CLASS handleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
constexpr NTSTATUS lengthMismatch = static_cast<NTSTATUS>(0xC0000004);

// One row of the system's handle table, as the system lays it out.
struct HandleEntry {
    USHORT processId;
    USHORT backTraceIndex;
    UCHAR objectType;
    UCHAR attributes;
    USHORT handle;
    PVOID object;
    ULONG access;
};

struct HandleTable {
    ULONG count;
    HandleEntry first;
};

bool runningUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::vector<std::wstring> subkeysOf(HKEY key) {
    std::vector<std::wstring> names;
    for (DWORD index = 0;; ++index) {
        std::array<wchar_t, 256> name{};
        DWORD length = static_cast<DWORD>(name.size());
        if (RegEnumKeyExW(key, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            return names;
        names.emplace_back(name.data(), length);
    }
}

} // namespace

bool mayClearProgramKey(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], clearFlag) == 0)
            return true;
    return runningUnderWine();
}

bool deleteUserKeyTree(const std::wstring& path) {
    HKEY key = nullptr;
    const LONG opened =
        RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, &key);
    if (opened == ERROR_FILE_NOT_FOUND)
        return true;
    if (opened != ERROR_SUCCESS)
        return false;
    const auto children = subkeysOf(key);
    RegCloseKey(key);
    for (const auto& child : children)
        deleteUserKeyTree(path + L"\\" + child);
    return RegDeleteKeyW(HKEY_CURRENT_USER, path.c_str()) == ERROR_SUCCESS;
}

long processHandleCount() {
    std::vector<char> buffer(1 << 20);
    for (;;) {
        ULONG needed = 0;
        const NTSTATUS status = NtQuerySystemInformation(
            handleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status == lengthMismatch) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (status != 0)
            return -1;
        break;
    }
    ULONG entries = 0;
    std::memcpy(&entries, buffer.data(), sizeof entries);
    const auto self = static_cast<USHORT>(GetCurrentProcessId());
    long count = 0;
    for (ULONG i = 0; i < entries; ++i) {
        HandleEntry entry{};
        std::memcpy(&entry, buffer.data() + offsetof(HandleTable, first) + i * sizeof entry,
                    sizeof entry);
        count += entry.processId == self ? 1 : 0;
    }
    return count;
}

CommandResult runCommand(const std::wstring& commandLine) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return {};
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    std::wstring mutableLine = commandLine;
    const BOOL started = CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    CommandResult result;
    if (started) {
        std::array<char, 4096> chunk{};
        DWORD got = 0;
        while (ReadFile(readEnd, chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr) &&
               got > 0)
            result.output.append(chunk.data(), got);
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD exitCode = 0;
        GetExitCodeProcess(process.hProcess, &exitCode);
        result.exitCode = static_cast<int>(exitCode);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(readEnd);
    return result;
}

} // namespace tincta::contract
