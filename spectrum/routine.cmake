# The Z80 print routines, assembled at build time and compiled into the core
# as bytes: each once at 0x0000 and once at 0x0100, so that the bytes that
# differ (the high bytes of the routine's own addresses) make a relocation
# table and the routine can be placed at any address.
find_program(QUORREL_PASMO pasmo)
find_program(QUORREL_Z80ASM z80asm)
if(NOT QUORREL_PASMO AND NOT QUORREL_Z80ASM)
  message(FATAL_ERROR "Quorrel needs a Z80 assembler to build its Spectrum print routine: "
                      "install pasmo or z80asm (scripts/install-deps.sh does).")
endif()

# The command that assembles IN (in the build folder) to OUT.
function(_quorrel_assembler_command VAR IN OUT)
  if(QUORREL_PASMO)
    set(${VAR} ${QUORREL_PASMO} ${CMAKE_CURRENT_BINARY_DIR}/${IN} ${OUT} PARENT_SCOPE)
  else()
    set(${VAR} ${QUORREL_Z80ASM} -o ${OUT} ${CMAKE_CURRENT_BINARY_DIR}/${IN} PARENT_SCOPE)
  endif()
endfunction()

# NAME: the routine's data namespace (NAME_data); the sources are assembled
# one after the other. LIMIT, when given, is the most bytes LIMIT_SOURCE may
# take assembled on its own; the build fails beyond it.
function(quorrel_embed_routine NAME)
  cmake_parse_arguments(R "" "LIMIT;LIMIT_SOURCE" "SOURCES" ${ARGN})
  set(_includes "")
  set(_paths "")
  foreach(_s ${R_SOURCES})
    string(APPEND _includes "include \"${PROJECT_SOURCE_DIR}/spectrum/${_s}\"\n")
    list(APPEND _paths ${PROJECT_SOURCE_DIR}/spectrum/${_s})
  endforeach()
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${NAME}_0000.asm "org 0x0000\n${_includes}")
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${NAME}_0100.asm "org 0x0100\n${_includes}")
  _quorrel_assembler_command(_asm_0 ${NAME}_0000.asm ${NAME}_0000.bin)
  _quorrel_assembler_command(_asm_1 ${NAME}_0100.asm ${NAME}_0100.bin)
  set(_check "")
  if(R_LIMIT)
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${NAME}_alone.asm
         "org 0x0000\ninclude \"${PROJECT_SOURCE_DIR}/spectrum/${R_LIMIT_SOURCE}\"\n")
    _quorrel_assembler_command(_asm_alone ${NAME}_alone.asm ${NAME}_alone.bin)
    set(_check COMMAND ${_asm_alone})
    set(_limit -DLIMIT=${R_LIMIT} -DLIMIT_BIN=${NAME}_alone.bin)
  endif()
  string(REPLACE ";" "|" _sources "${_paths}")
  set(_cpp ${CMAKE_CURRENT_BINARY_DIR}/generated/${NAME}data.cpp)
  add_custom_command(
    OUTPUT ${_cpp}
    COMMAND ${_asm_0}
    COMMAND ${_asm_1}
    ${_check}
    COMMAND ${CMAKE_COMMAND} -DBIN0=${NAME}_0000.bin -DBIN1=${NAME}_0100.bin
            -DSOURCES=${_sources} -DNAME=${NAME} ${_limit} -DOUT=${_cpp}
            -P ${PROJECT_SOURCE_DIR}/spectrum/embed.cmake
    DEPENDS ${_paths} ${PROJECT_SOURCE_DIR}/spectrum/embed.cmake
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    COMMENT "Assembling the Spectrum print routine ${NAME}"
    VERBATIM)
  target_sources(quorrel_core PRIVATE ${_cpp})
endfunction()

quorrel_embed_routine(fzxprint SOURCES fzxprint.asm)
# The build fails when the compact routine grows past LIMIT bytes, the size
# it promises to programs short of memory.
quorrel_embed_routine(fzxcompact SOURCES fzxstartup.asm fzxcompact.asm
                      LIMIT 336 LIMIT_SOURCE fzxcompact.asm)
