# The Z80 print routine, assembled at build time and compiled into the core
# as bytes: once at 0x0000 and once at 0x0100, so that the bytes that differ
# (the high bytes of the routine's own addresses) make a relocation table and
# the routine can be placed at any address.
find_program(QUORREL_PASMO pasmo)
find_program(QUORREL_Z80ASM z80asm)
if(QUORREL_PASMO)
  set(_asm_0 ${QUORREL_PASMO} ${CMAKE_CURRENT_BINARY_DIR}/fzxprint_0000.asm fzxprint_0000.bin)
  set(_asm_1 ${QUORREL_PASMO} ${CMAKE_CURRENT_BINARY_DIR}/fzxprint_0100.asm fzxprint_0100.bin)
elseif(QUORREL_Z80ASM)
  set(_asm_0 ${QUORREL_Z80ASM} -o fzxprint_0000.bin ${CMAKE_CURRENT_BINARY_DIR}/fzxprint_0000.asm)
  set(_asm_1 ${QUORREL_Z80ASM} -o fzxprint_0100.bin ${CMAKE_CURRENT_BINARY_DIR}/fzxprint_0100.asm)
else()
  message(FATAL_ERROR "Quorrel needs a Z80 assembler to build its Spectrum print routine: "
                      "install pasmo or z80asm (scripts/install-deps.sh does).")
endif()

set(_routine_source ${PROJECT_SOURCE_DIR}/spectrum/fzxprint.asm)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/fzxprint_0000.asm "org 0x0000\ninclude \"${_routine_source}\"\n")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/fzxprint_0100.asm "org 0x0100\ninclude \"${_routine_source}\"\n")
set(_routine_cpp ${CMAKE_CURRENT_BINARY_DIR}/generated/printroutinedata.cpp)
add_custom_command(
  OUTPUT ${_routine_cpp}
  COMMAND ${_asm_0}
  COMMAND ${_asm_1}
  COMMAND ${CMAKE_COMMAND} -DBIN0=fzxprint_0000.bin -DBIN1=fzxprint_0100.bin
          -DSOURCE=${_routine_source} -DOUT=${_routine_cpp}
          -P ${PROJECT_SOURCE_DIR}/spectrum/embed.cmake
  DEPENDS ${_routine_source} ${PROJECT_SOURCE_DIR}/spectrum/embed.cmake
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
  COMMENT "Assembling the Spectrum print routine"
  VERBATIM)
target_sources(quorrel_core PRIVATE ${_routine_cpp})
