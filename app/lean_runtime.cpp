// The pieces of the C++ runtime that Kavrin.scr replaces to stay small.
//
// Nothing in the program catches an exception: every throw already ended in
// std::abort() through the terminate handler. libstdc++'s versions of the
// pieces below bring its exception classes with the old copy-on-write
// string they carry, the exception runtime and the unwinder, well over
// 100 KB of a file that is 40 KiB without them. Defined here, they replace
// the library's at link time and abort at once. Only the program links
// this file; the tests keep the library's versions (cmake/lean_program.cmake).
//
// These are libstdc++'s internal names, hence the guard; MSVC compiles
// nothing here. The std::__throw_* helpers are those that strings,
// containers, allocators, the string number conversions and std::function
// call. Most of libstdc++'s helpers share one library object: if a future
// compiler or new code references one of those that is missing here, the
// linker takes that object and fails with "multiple definition of
// std::__throw_...". Add the missing helper here, then. A helper kept in an
// object of its own (those of <system_error> or <ios>) links silently and
// is caught by bench/check-size.sh.
#include <cstdlib>
#include <new>

#if defined(__GLIBCXX__)

namespace __gnu_cxx {

// The default handler writes the type of an uncaught exception to stderr,
// which a windows-subsystem program does not have.
void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx

namespace std {

void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_out_of_range(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
void __throw_invalid_argument(const char*) { std::abort(); }
void __throw_bad_function_call() { std::abort(); }

}  // namespace std

// The library's operator new throws std::bad_alloc, which an uncaught
// throw turned into std::abort() too.
void* operator new(std::size_t size) {
  if (void* memory = std::malloc(size != 0 ? size : 1)) return memory;
  std::abort();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

#endif
