# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads), one static program file.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Libraries and headers come from the MinGW tree only: Debian's own /usr/include
# would shadow its C library headers with glibc's.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Highway is header-only here: Debian builds its run-time library for Linux
# alone. Its headers are the one part of Debian's include tree the build may see.
set(QUADRIX_HWY_HEADERS /usr/include/hwy)

# One SIMD instruction set for the whole program, on every translation unit so
# that inline code means the same everywhere: SSE4 with CLMUL and AES is what
# Highway's SSE4 target takes, and every processor Windows 11 runs on has it.
# HWY_COMPILE_ONLY_STATIC compiles the engines for that target alone, so no
# run-time dispatch (which lives in Highway's library) is needed. GoogleTest,
# built here from its sources, gets no contraction into fused operations either.
set(QUADRIX_TARGET_FLAGS "-msse4.2 -mpclmul -maes -DHWY_COMPILE_ONLY_STATIC -ffp-contract=off")
set(CMAKE_C_FLAGS_INIT ${QUADRIX_TARGET_FLAGS})
set(CMAKE_CXX_FLAGS_INIT ${QUADRIX_TARGET_FLAGS})

# Nothing but system DLLs at run time: the C++ and threads runtimes go into the program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# CTest and GoogleTest's discovery run the test programs under Wine, in a
# prefix of the build folder's own.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh;${CMAKE_BINARY_DIR}/wine-prefix")
