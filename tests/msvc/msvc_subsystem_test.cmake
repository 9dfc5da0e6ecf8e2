# The MSVC build links ZoravelD.exe as a Windows program of subsystem version 5.02, like the MinGW one:
# configured with Ninja and a stand-in Visual C++, the last /SUBSYSTEM on its link line says so.
# cmake -D SOURCE_DIR=... -D WORK_DIR=... -D TOOLCHAIN=fake_msvc_toolchain.cmake -P this
find_program(NINJA ninja)
if(NOT NINJA)
  message(FATAL_ERROR "ninja is needed to configure the MSVC build")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} -G Ninja -S ${SOURCE_DIR} -B ${WORK_DIR} -D CMAKE_MAKE_PROGRAM=${NINJA}
                        -D CMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -D CMAKE_BUILD_TYPE=Release
                        -D ZORAVEL_GOOGLETEST_DIR=${WORK_DIR}/no-googletest
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

file(STRINGS ${WORK_DIR}/build.ninja lines)
set(inLink FALSE)
set(flags "")
foreach(line IN LISTS lines)
  if(line MATCHES "^build ZoravelD\\.exe")
    set(inLink TRUE)
  elseif(inLink AND line MATCHES "^  LINK_FLAGS = (.*)$")
    set(flags "${CMAKE_MATCH_1}")
    break()
  elseif(line MATCHES "^build ")
    set(inLink FALSE)
  endif()
endforeach()
if(flags STREQUAL "")
  message(FATAL_ERROR "no link flags for ZoravelD.exe in ${WORK_DIR}/build.ninja")
endif()

# link.exe takes the last of repeated /SUBSYSTEM options.
string(TOLOWER "${flags}" lowerFlags)
string(REGEX MATCHALL "/subsystem:[^ ]*" subsystems "${lowerFlags}")
list(GET subsystems -1 last)
if(NOT last STREQUAL "/subsystem:windows,5.02")
  message(FATAL_ERROR "ZoravelD.exe is linked with ${last} (all link flags: ${flags})")
endif()
