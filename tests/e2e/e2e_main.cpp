// The entry of every end-to-end test program: GoogleTest's options, then the
// folder of the programs under test.
#include <gtest/gtest.h>

#include <cstdio>

#include "driver.h"

int main(int argc, char** argv) {
  // The test reads the programs' windows and pixels as the screen has them:
  // a process unaware of the display's scaling would be told every place
  // and size of a scaled window shrunk back to 96 DPI.
  SetProcessDPIAware();
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s PROGRAM_FOLDER\n", argv[0]);
    return 2;
  }
  prolexa::e2e::SetProgramFolder(prolexa::e2e::WindowsPath(argv[1]));
  return RUN_ALL_TESTS();
}
