# Size settings for Kavrin.scr built with mingw-w64 GCC and libstdc++.
#
#   kavrin_lean_program(PROGRAM LIBRARY...)
#
# PROGRAM and the LIBRARYs it links are built without exceptions, RTTI and
# unwind tables (nothing in them catches an exception), without guards
# around function-local statics (the program has one thread), with each
# constructor and destructor emitted as the usual shared variants (-Os
# otherwise folds them into one function that every file keeps a private
# copy of: 2 KiB of Kavrin.scr), with a section per function for
# --gc-sections and, in every configuration but Debug, with
# link-time optimisation. Like everything else they compile as C++20, with
# which libstdc++ 12 instantiates only the std::string members we use,
# where C++17 links its pre-built instantiation with every member.
# app/lean_runtime.cpp replaces the runtime pieces that throw.
#
# The libraries' objects are fat (LTO and plain code): every other target
# that links them, the tests above all, links the plain code without LTO
# and keeps exceptions and the standard runtime.
#
# MSVC, clang (the fuzzers) and native builds get none of this.

function(kavrin_lean_program program)
  if(NOT (MINGW AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU"))
    return()
  endif()
  set(optimised $<NOT:$<CONFIG:Debug>>)
  foreach(target ${program} ${ARGN})
    target_compile_options(${target} PRIVATE
      -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables -fno-threadsafe-statics -fno-declone-ctor-dtor
      -ffunction-sections -fdata-sections
      $<${optimised}:-flto -ffat-lto-objects>)
    if(NOT target STREQUAL program)
      # Evaluated for the target that links the library.
      target_link_options(${target} INTERFACE
        $<$<NOT:$<STREQUAL:$<TARGET_PROPERTY:NAME>,${program}>>:-fno-lto>)
    endif()
  endforeach()
  # The link-time code generation takes unwind tables from the link line:
  # with -g (RelWithDebInfo) it would emit them again. One partition: GCC
  # 12 split in two stops with an internal error (binds_to_current_def_p)
  # on the shared launch file's code.
  target_link_options(${program} PRIVATE -Wl,--gc-sections
    $<${optimised}:-flto -flto-partition=one -fno-asynchronous-unwind-tables>)
endfunction()
