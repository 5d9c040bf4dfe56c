# orvane_separate_debug_info(target): the shipped program carries no symbols.
# After each link the symbol table and the debug sections move into
# "NAME-PROCESSOR.debug" beside the program (NAME-x86_64.debug,
# NAME-i686.debug: the two programs' files never share a name), the program
# is stripped, and a debug link (that file's name and checksum) is put into
# it, so that a debugger given the program or one of its crash dumps finds
# the symbols in the same folder. The same program gives the same two files:
# objcopy and strip write the time of SOURCE_DATE_EPOCH, or else the current
# time, into a PE header; set to 0 they keep the zero that the linker wrote
# (-Wl,--no-insert-timestamp).
function(orvane_separate_debug_info target)
  if(NOT CMAKE_OBJCOPY OR NOT CMAKE_STRIP)
    message(FATAL_ERROR "objcopy and strip of the toolchain are needed to strip ${target}")
  endif()
  set(debugFile $<TARGET_FILE_DIR:${target}>/$<TARGET_FILE_BASE_NAME:${target}>-${CMAKE_SYSTEM_PROCESSOR}.debug)
  set(noTime ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${noTime} ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> ${debugFile}
    COMMAND ${noTime} ${CMAKE_STRIP} --strip-all $<TARGET_FILE:${target}>
    COMMAND ${noTime} ${CMAKE_OBJCOPY} --add-gnu-debuglink=${debugFile} $<TARGET_FILE:${target}>
    COMMENT "Moving the symbols of ${target} into its .debug file"
    VERBATIM)
  set_property(TARGET ${target} APPEND PROPERTY ADDITIONAL_CLEAN_FILES ${debugFile})
endfunction()
