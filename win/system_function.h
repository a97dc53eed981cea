// Functions that older Windows lacks, looked up when they are called.
//
// Kavrin.scr imports only what Windows 95 (with the C runtime DLL) and
// NT 4.0 export and implement; bench/check_winver.py holds it to that.
// Anything newer is found here at run time, and a null result means the
// caller takes its fallback.
#pragma once

#include <windows.h>

#include <string>

namespace kavrin {

// Windows 95, 98 and ME, whose system DLLs export some functions only as
// stubs that fail.
inline bool IsWindows9x() { return (GetVersion() & 0x80000000) != 0; }

// The address of `name` in the system DLL `dll`, loaded if it is not yet
// (it stays loaded); null when either is missing or `dll` is "". `Function` is the
// function's type, e.g. SystemFunction<BOOL WINAPI()>("user32.dll", ...).
template <typename Function>
Function* SystemFunction(const char* dll, const char* name) {
  HMODULE module = *dll != '\0' ? LoadLibraryA(dll) : nullptr;
  if (module == nullptr) return nullptr;
  // Through void (*)(), the one cast between function types that
  // compilers accept without a warning.
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// `file` in the system folder ("" if that is unknown): a DLL that an update
// may have added there is loaded from there, never from the working
// directory.
std::string SystemFolderFile(const char* file);

}  // namespace kavrin
