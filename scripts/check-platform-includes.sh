#!/usr/bin/env bash
# Fails when a system header, of POSIX or of Windows, is included outside a platform file: a
# file under a posix/ or windows/ folder beside the plain header it implements (HACKING.md,
# "Platform seams"). Looks at the programs' code, src/ and tools/; the tests, benchmarks and
# fuzz targets run on this system only.
#
#   scripts/check-platform-includes.sh [ROOT]      (default: the repository)
set -euo pipefail

root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
[ -d "$root" ] || { echo "check-platform-includes.sh: no folder $root" >&2; exit 2; }

# The headers of POSIX and of the Linux C library that ISO C and C++ do not have. <signal.h> is
# here and <csignal> is not: sigaction and the like come in through the C form.
posix='aio|arpa/.*|asm/.*|cpio|dirent|dlfcn|endian|err|execinfo|fcntl|features|fmtmsg|fnmatch'
posix+='|ftw|glob|grp|iconv|langinfo|libgen|linux/.*|mntent|monetary|mqueue|ndbm|net/.*|netdb'
posix+='|netinet/.*|nl_types|paths|poll|pthread|pty|pwd|regex|sched|search|semaphore|shadow'
posix+='|signal|spawn|strings|stropts|sys/.*|syslog|tar|termio|termios|trace|ulimit|unistd'
posix+='|utime|utmp|utmpx|wordexp'
# Those of Windows and its C runtime.
windows='windows|winbase|windef|winerror|winnt|winreg|winsock|winsock2|ws2tcpip|winioctl|io'
windows+='|direct|process|conio|share|tchar|fileapi|handleapi|synchapi|processthreadsapi'
windows+='|shlobj|shellapi|setupapi|devguid|dbt|objbase|combaseapi|mmsystem'

include='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]'
found=0

# Reports every include of the headers `names` in a file outside the platform folders.
stray() {
  local names=$1 kind=$2
  local dirs=()
  for d in src tools; do [ -d "$root/$d" ] && dirs+=("$root/$d"); done
  [ ${#dirs[@]} -gt 0 ] || return 0
  while IFS= read -r hit; do
    echo "${hit#"$root"/}"
    echo "  a $kind header outside a posix/ or windows/ folder"
    found=1
  done < <(find "${dirs[@]}" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' \
             -o -name '*.cc' \) -not -path '*/posix/*' -not -path '*/windows/*' -print0 |
           xargs -0 -r grep -HniE "${include}(${names})\.h[>\"]" -- | sort || true)
}

stray "$posix" POSIX
stray "$windows" Windows

if [ "$found" -ne 0 ]; then
  echo "Move the system's calls behind a plain header, into its posix/ and windows/ files." >&2
  exit 1
fi
echo "platform includes: every system header is in a platform file"
