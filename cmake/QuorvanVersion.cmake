# The program version as a header: link quorvan_version and include "core/model/Version.h".
configure_file(${PROJECT_SOURCE_DIR}/src/core/model/Version.h.in
  ${PROJECT_BINARY_DIR}/generated/core/model/Version.h @ONLY)
add_library(quorvan_version INTERFACE)
target_include_directories(quorvan_version INTERFACE ${PROJECT_BINARY_DIR}/generated)

# The day this version was released, for the software-centre metadata; set it with the version.
set(QUORVAN_RELEASE_DATE "2026-12-08")
# Where the project publishes its pages; the software centre shows the screenshots from the
# images/ folder below it (a copy of docs/images).
set(QUORVAN_HOMEPAGE_URL "https://quentar.org/quorvan" CACHE STRING
  "Project home page; the metadata's screenshots are under its images/ folder")
