# Native build: the Win32-free code under ASan and UBSan, the art generator and their tests.
find_package(GTest REQUIRED)
include(GoogleTest)

set(ZORAVEL_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

add_library(zoravel_portable STATIC ${ZORAVEL_PORTABLE_SOURCES})
target_include_directories(zoravel_portable PUBLIC src res)
target_compile_options(zoravel_portable PRIVATE ${ZORAVEL_WARNINGS} -fexec-charset=CP1250 ${ZORAVEL_SANITIZE})
target_link_options(zoravel_portable PUBLIC ${ZORAVEL_SANITIZE})

add_subdirectory(tools/artgen)
add_subdirectory(tests/native)

# The MSVC build's link line, read from a configuration with a stand-in compiler: no Windows needed.
add_test(NAME MsvcLinksSubsystemVersion502
         COMMAND ${CMAKE_COMMAND} -D SOURCE_DIR=${PROJECT_SOURCE_DIR} -D WORK_DIR=${CMAKE_BINARY_DIR}/msvc-configure
                 -D TOOLCHAIN=${PROJECT_SOURCE_DIR}/tests/msvc/fake_msvc_toolchain.cmake
                 -P ${PROJECT_SOURCE_DIR}/tests/msvc/msvc_subsystem_test.cmake)
