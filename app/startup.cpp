// Kavrin.scr's process entry with mingw-w64, in place of the toolchain's
// start-up objects (linked with -nostartfiles).
//
// Those objects are built for the Pentium Pro and later: their start-up
// and pseudo-relocation code holds cmov, which stops a Pentium, Pentium
// MMX or K6 before WinMain. Kavrin needs little of what they do: it takes
// its command line from GetCommandLineA, has no command-line globbing, no
// thread-local data and no data imported from a DLL by address. The C
// runtime DLL sets up its own state (heap, environment, stdio) when it is
// loaded. Only the program links this file; the tests keep the
// toolchain's start-up.
#include <windows.h>

#include <cstdint>
#include <cstdlib>

#include "app/switch_parser.h"

#if defined(__MINGW32__)

extern "C" {
// Laid out by the linker script: -1, the constructors, then a null.
extern void (*__CTOR_LIST__[])();
// The pseudo-relocations the linker made for data imported from a DLL.
extern char __RUNTIME_PSEUDO_RELOC_LIST__[];
extern char __RUNTIME_PSEUDO_RELOC_LIST_END__[];
}

namespace {

// In reverse order, as the toolchain's start-up runs them.
void RunStaticConstructors() {
  size_t count = 0;
  while (__CTOR_LIST__[count + 1] != nullptr) ++count;
  for (size_t i = count; i > 0; --i) __CTOR_LIST__[i]();
}

}  // namespace

extern "C" void WinMainCRTStartup() {
  // This start-up applies none: a program that needs them must not run
  // with its imported data unresolved. Compared as integers: as pointers
  // to two distinct objects, a compiler may take them for unequal unseen.
  if (reinterpret_cast<uintptr_t>(__RUNTIME_PSEUDO_RELOC_LIST__) !=
      reinterpret_cast<uintptr_t>(__RUNTIME_PSEUDO_RELOC_LIST_END__)) {
    std::abort();
  }
  RunStaticConstructors();
  // WinMain's line is writable: a pointer into the same buffer.
  LPSTR commandLine = GetCommandLineA();
  LPSTR arguments = commandLine + (kavrin::ArgumentsOf(commandLine) - commandLine);
  // exit, not ExitProcess: the C runtime flushes and closes its files.
  std::exit(WinMain(GetModuleHandleA(nullptr), nullptr, arguments, SW_SHOWDEFAULT));
}

#endif
