# System DLLs that Kavrin loads at the first call into them instead of at
# process start: preview and the switch check then pay for kernel32 and the C
# runtime only, run mode adds the shell, and only configuration mode loads the
# user interface libraries.
#
#   kavrin_delay_loaded(NAME...)   defines kavrin::NAME for each DLL NAME;
#                                  link it instead of NAME.
#
# MSVC: the usual /DELAYLOAD with delayimp.lib. mingw-w64: a delay import
# library made with dlltool from the names in the DLL's import library, plus
# _NAME_-style defines (_USER32_ ...) that drop dllimport from the system
# headers. GNU ld 2.40 discards a delay stub whose only reference is its
# __imp_ pointer, so calls must go through the stub itself.

set(KAVRIN_DELAY_DEF_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/write_dll_def.cmake)

function(kavrin_delay_loaded)
  foreach(name IN LISTS ARGN)
    set(target kavrin_delayed_${name})
    add_library(${target} INTERFACE)
    add_library(kavrin::${name} ALIAS ${target})
    if(MSVC)
      target_link_libraries(${target} INTERFACE ${name} delayimp)
      target_link_options(${target} INTERFACE /DELAYLOAD:${name}.dll)
    elseif(MINGW)
      kavrin_mingw_delay_library(${name} library)
      add_custom_target(${target}_library DEPENDS ${library})
      add_dependencies(${target} ${target}_library)
      string(TOUPPER ${name} upper)
      target_compile_definitions(${target} INTERFACE _${upper}_)
      target_link_libraries(${target} INTERFACE ${library})
    else()
      target_link_libraries(${target} INTERFACE ${name})
    endif()
  endforeach()
endfunction()

# Sets OUT to a delay import library for NAME.dll, built from the export
# names of the toolchain's import library libNAME.a.
function(kavrin_mingw_delay_library name out)
  find_library(KAVRIN_IMPORT_LIB_${name} NAMES lib${name}.a REQUIRED)
  set(directory ${CMAKE_BINARY_DIR}/delay_load)
  set(def ${directory}/${name}.def)
  set(library ${directory}/lib${name}-delay.a)
  add_custom_command(OUTPUT ${library}
    COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DIMPORT_LIBRARY=${KAVRIN_IMPORT_LIB_${name}}
            -DDLL=${name}.dll -DDEF=${def} -P ${KAVRIN_DELAY_DEF_SCRIPT}
    COMMAND ${CMAKE_DLLTOOL} --output-delaylib ${library} --dllname ${name}.dll --input-def ${def} --kill-at
    # The DLL's handle starts as zero: it belongs with the zeroed data.
    COMMAND ${CMAKE_OBJCOPY} --rename-section .data=.bss,alloc,data ${library}
    DEPENDS ${KAVRIN_IMPORT_LIB_${name}} ${KAVRIN_DELAY_DEF_SCRIPT}
    COMMENT "Delay import library for ${name}.dll"
    VERBATIM)
  set(${out} ${library} PARENT_SCOPE)
endfunction()
