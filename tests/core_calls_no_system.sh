#!/bin/sh
# The game's core reaches the machine only through its host: its library calls nothing of the
# system's files, folders, users or environment itself.
set -eu
library=$1
calls='^(open|open64|openat|creat|stat|stat64|lstat|fstat|__xstat|__fxstat|__lxstat|statx|access|faccessat|mkstemp|mkstemp64|mkdtemp|fsync|fdatasync|rename|renameat|unlink|mkdir|readlink|getuid|getpwuid|getpwnam|getenv|secure_getenv|fopen|fopen64|opendir|dlopen)$|std::filesystem|fstream|filebuf'
found=$(nm -C -u --format=just-symbols "$library" | grep -E "$calls" | sort -u || true)
if [ -n "$found" ]; then
  echo "$library calls the system itself:"
  echo "$found"
  exit 1
fi
