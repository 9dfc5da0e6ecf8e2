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
