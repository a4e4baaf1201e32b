# Extra warnings for our own code; third-party headers come in as system includes.
# QUORVAN_WERROR (on in CI and scripts/test.sh) makes them errors; a user build leaves it off so
# a newer compiler's new warning does not stop someone from building the program.
option(QUORVAN_WERROR "Treat compiler warnings in our own code as errors" OFF)

function(quorvan_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wshadow)
  if(QUORVAN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# One static library of ours: quorvan_add_library(NAME SOURCES a.cpp ... LIBS lib ...).
# Every header is included by its path below src/ ("core/model/RadioImage.h").
function(quorvan_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  quorvan_warnings(${name})
endfunction()
