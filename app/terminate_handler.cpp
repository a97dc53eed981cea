// A terminate handler for Kavrin.scr that only aborts.
//
// libstdc++'s default handler writes the demangled type of an uncaught
// exception to stderr, which a windows-subsystem program does not have, and
// pulls the C++ name demangler and a printf implementation into the
// program: about 75 KB of a file that should stay under 200 KiB. Defining
// the handler here replaces the library's at link time. It is linked into
// the program only, so the tests keep the verbose one.
#include <cstdlib>
#include <exception>

#if defined(__GLIBCXX__)
namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
#endif
