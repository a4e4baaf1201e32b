# The program version as a header: link quorvan_version and include "core/model/Version.h".
configure_file(${PROJECT_SOURCE_DIR}/src/core/model/Version.h.in
  ${PROJECT_BINARY_DIR}/generated/core/model/Version.h @ONLY)
add_library(quorvan_version INTERFACE)
target_include_directories(quorvan_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
