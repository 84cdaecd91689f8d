#!/usr/bin/env bash
# Prints the Wine architecture the Windows tests can use on this machine:
# win32 where the kernel runs 32-bit programs (Wine's 32-bit loader starts),
# win64 on a kernel built without 32-bit support, where only Wine's 64-bit
# loader runs and the tests use a 64-bit build of the same sources.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo win32
else
  echo win64
fi
