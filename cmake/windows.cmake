# Windows build: the program ZoravelD.exe and, when cross-built, the tests that run it under Wine.
enable_language(RC)

set(ZORAVEL_WINDOWS_SOURCES
    src/state/app_state.cpp
    src/access/accessible_view.cpp
    src/app/startup.cpp
    src/app/controls.cpp
    src/app/control_keys.cpp
    src/app/entry_box.cpp
    src/app/move_list_box.cpp
    src/app/window_proc.cpp
    src/draw/picture.cpp
    src/draw/shapes.cpp
    src/draw/paint.cpp
    src/draw/info_panel.cpp
    src/draw/evolution_panel.cpp)

# Windows sizes a window's frame by the subsystem version in the .exe (6.0 and later get padded
# borders): both compilers write the same one, so both builds meet the same frame.
set(ZORAVEL_SUBSYSTEM_MAJOR 5)
set(ZORAVEL_SUBSYSTEM_MINOR 2)

if(MSVC)
  set(ZORAVEL_CHARSET /source-charset:utf-8 /execution-charset:windows-1250)
  set(ZORAVEL_LINK /MANIFEST:NO)
  set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
  # CMake's own /subsystem:windows carries no version (link.exe then writes 6.00); the later option wins.
  set(ZORAVEL_GUI_LINK /SUBSYSTEM:WINDOWS,${ZORAVEL_SUBSYSTEM_MAJOR}.0${ZORAVEL_SUBSYSTEM_MINOR})
else()
  set(ZORAVEL_CHARSET -fexec-charset=CP1250)
  # A static runtime: the .exe needs no DLL beyond Windows' own. No timestamp: relinks are identical.
  set(ZORAVEL_LINK -static -Wl,--no-insert-timestamp
                   -Wl,--major-subsystem-version,${ZORAVEL_SUBSYSTEM_MAJOR}
                   -Wl,--minor-subsystem-version,${ZORAVEL_SUBSYSTEM_MINOR})
endif()

# Everything but WinMain, so the tests drive the same window the program shows.
add_library(zoravel_core STATIC ${ZORAVEL_PORTABLE_SOURCES} ${ZORAVEL_WINDOWS_SOURCES})
target_include_directories(zoravel_core PUBLIC src res)
target_compile_definitions(zoravel_core PUBLIC STRICT WIN32_LEAN_AND_MEAN _CRT_SECURE_NO_WARNINGS)
target_compile_options(zoravel_core PRIVATE ${ZORAVEL_WARNINGS} ${ZORAVEL_CHARSET})
# oleacc, oleaut32 and ole32 are Windows' own: the accessible view and the strings it hands out.
target_link_libraries(zoravel_core PUBLIC oleacc oleaut32 ole32 gdi32 user32)

add_executable(ZoravelD WIN32 src/app/main.cpp res/zoravel.rc)
target_compile_options(ZoravelD PRIVATE ${ZORAVEL_WARNINGS})
target_link_libraries(ZoravelD PRIVATE zoravel_core)
target_link_options(ZoravelD PRIVATE ${ZORAVEL_LINK} ${ZORAVEL_GUI_LINK})
if(NOT MSVC)
  target_link_options(ZoravelD PRIVATE -s)
endif()

# The release: the program with its README and licence, zipped the same way every time
# (Info-ZIP's zip and touch, as on Linux or in an MSYS2 shell), with its SHA-256 beside it.
set(ZORAVEL_RELEASE_NAME ZoravelD-${PROJECT_VERSION}-win64)
set(ZORAVEL_RELEASE_FILES $<TARGET_FILE:ZoravelD> ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE)
find_program(ZORAVEL_ZIP zip)
if(ZORAVEL_ZIP)
  add_custom_target(release
      COMMAND ${CMAKE_COMMAND} -D ZIP=${ZORAVEL_ZIP} -D NAME=${ZORAVEL_RELEASE_NAME}
              -D OUTPUT_DIR=${CMAKE_BINARY_DIR} "-D FILES=${ZORAVEL_RELEASE_FILES}"
              -P ${PROJECT_SOURCE_DIR}/cmake/pack_release.cmake
      DEPENDS ZoravelD
      BYPRODUCTS ${CMAKE_BINARY_DIR}/${ZORAVEL_RELEASE_NAME}.zip ${CMAKE_BINARY_DIR}/${ZORAVEL_RELEASE_NAME}.zip.sha256
      COMMENT "Packing ${ZORAVEL_RELEASE_NAME}.zip"
      VERBATIM)
  add_test(NAME ReleaseZipIsReproducible
           COMMAND ${CMAKE_COMMAND} -D ZIP=${ZORAVEL_ZIP} -D NAME=${ZORAVEL_RELEASE_NAME}
                   -D WORK_DIR=${CMAKE_BINARY_DIR}/release-test "-D FILES=${ZORAVEL_RELEASE_FILES}"
                   -D PACK=${PROJECT_SOURCE_DIR}/cmake/pack_release.cmake
                   -P ${PROJECT_SOURCE_DIR}/tests/release/release_zip_test.cmake)
endif()

# GoogleTest's sources, built with the program's toolchain for the tests under Wine.
set(ZORAVEL_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for the Windows tests")
if(CMAKE_CROSSCOMPILING AND EXISTS ${ZORAVEL_GOOGLETEST_DIR})
  add_subdirectory(tests/wine)
  add_subdirectory(tests/e2e)
  set(ZORAVEL_RC_DIRS tests/wine tests/e2e)
endif()
add_subdirectory(tests/bench EXCLUDE_FROM_ALL)

# The resource compiler's dependency scan sees #include lines but not the files BITMAP and ICON lines
# name: without this a redrawn picture leaves every .exe with the old one.
file(GLOB ZORAVEL_RC_INPUTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/res/bitmaps/*.bmp)
list(APPEND ZORAVEL_RC_INPUTS ${PROJECT_SOURCE_DIR}/res/zoravel.ico ${PROJECT_SOURCE_DIR}/res/zoravel.manifest)
set_source_files_properties(${PROJECT_SOURCE_DIR}/res/zoravel.rc
    DIRECTORY ${PROJECT_SOURCE_DIR} ${ZORAVEL_RC_DIRS} tests/bench
    PROPERTIES OBJECT_DEPENDS "${ZORAVEL_RC_INPUTS}")
