# The program version as a header: link quorvan_version and include "model/Version.h".
configure_file(${PROJECT_SOURCE_DIR}/src/model/Version.h.in
  ${PROJECT_BINARY_DIR}/generated/model/Version.h @ONLY)
add_library(quorvan_version INTERFACE)
target_include_directories(quorvan_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
