# Shared by the mingw-w64 toolchain files, which set ZV_MINGW_TRIPLET and
# CMAKE_SYSTEM_PROCESSOR first. Tests run through Wine.
set(CMAKE_SYSTEM_NAME Windows)
# The posix thread model: GoogleTest needs std::mutex, which the win32 model
# of this compiler version lacks.
find_program(ZV_MINGW_GCC NAMES ${ZV_MINGW_TRIPLET}-gcc-posix ${ZV_MINGW_TRIPLET}-gcc REQUIRED)
find_program(ZV_MINGW_GXX NAMES ${ZV_MINGW_TRIPLET}-g++-posix ${ZV_MINGW_TRIPLET}-g++ REQUIRED)
set(CMAKE_C_COMPILER ${ZV_MINGW_GCC})
set(CMAKE_CXX_COMPILER ${ZV_MINGW_GXX})
set(CMAKE_RC_COMPILER ${ZV_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZV_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/wine/wine-run)
