# Turns a routine assembled at 0x0000 (BIN0) and at 0x0100 (BIN1) into C++
# arrays in namespace NAME_data: the bytes at 0x0000, the offsets of the
# bytes that hold the high byte of one of its own addresses, and the source
# text (SOURCES, '|'-separated, one after the other). With LIMIT, LIMIT_BIN
# may hold at most LIMIT bytes.
if(DEFINED LIMIT)
  file(SIZE ${LIMIT_BIN} _alone)
  if(_alone GREATER LIMIT)
    message(FATAL_ERROR "the print routine ${NAME} takes ${_alone} bytes, more than ${LIMIT}")
  endif()
endif()
file(READ ${BIN0} _hex0 HEX)
file(READ ${BIN1} _hex1 HEX)
string(LENGTH "${_hex0}" _len0)
string(LENGTH "${_hex1}" _len1)
if(NOT _len0 EQUAL _len1 OR _len0 EQUAL 0)
  message(FATAL_ERROR "the two assemblies of the print routine differ in length")
endif()
math(EXPR _count "${_len0} / 2")
math(EXPR _last "${_count} - 1")
set(_bytes "")
set(_relocs "")
foreach(_i RANGE 0 ${_last})
  math(EXPR _p "${_i} * 2")
  string(SUBSTRING "${_hex0}" ${_p} 2 _b0)
  string(SUBSTRING "${_hex1}" ${_p} 2 _b1)
  string(APPEND _bytes "0x${_b0},")
  if(NOT _b0 STREQUAL _b1)
    math(EXPR _v0 "0x${_b0}")
    math(EXPR _v1 "0x${_b1}")
    math(EXPR _d "${_v1} - ${_v0}")
    if(NOT _d EQUAL 1)
      message(FATAL_ERROR "print routine byte ${_i} moves by ${_d}: it is not relocatable")
    endif()
    string(APPEND _relocs "${_i},")
  endif()
endforeach()
string(REPLACE "|" ";" _sources "${SOURCES}")
set(_src "")
foreach(_s ${_sources})
  file(READ ${_s} _srchex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," _one "${_srchex}")
  string(APPEND _src "${_one}")
endforeach()
file(WRITE ${OUT}
  "// Generated from spectrum/ at build time; do not edit.\n"
  "namespace ${NAME}_data {\n"
  "extern const unsigned char kCode[] = {${_bytes}};\n"
  "extern const unsigned kCodeSize = sizeof kCode;\n"
  "extern const unsigned short kRelocations[] = {${_relocs}0};\n"
  "extern const unsigned kRelocationCount = sizeof kRelocations / sizeof kRelocations[0] - 1;\n"
  "extern const unsigned char kSource[] = {${_src}0};\n"
  "extern const unsigned kSourceSize = sizeof kSource - 1;\n"
  "}\n")
