# Code that calls the system lives in a folder named after it (posix or windows) beside the
# header it implements; scripts/check-platform-includes.sh keeps system headers there.
if(WIN32)
  set(QUORVAN_PLATFORM_FOLDER windows)
  set(QUORVAN_PLATFORM_SUFFIX Windows)
else()
  set(QUORVAN_PLATFORM_FOLDER posix)
  set(QUORVAN_PLATFORM_SUFFIX Posix)
endif()
