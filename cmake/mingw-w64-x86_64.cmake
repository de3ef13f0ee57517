# Cross build for 64-bit Windows with Debian's mingw-w64 (posix thread model,
# which keeps std::thread and std::mutex available), fully static so the
# .exe needs no MinGW DLLs next to it.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZURMET_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZURMET_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZURMET_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZURMET_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZURMET_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests run under Wine, in the project's own prefix.
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
  get_filename_component(CMAKE_CROSSCOMPILING_EMULATOR
                         "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run" ABSOLUTE)
endif()
