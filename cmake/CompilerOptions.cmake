# Warnings are errors in every target of ours; sanitizers are opt-in for the test build.
add_library(zorvane_options INTERFACE)
target_compile_options(zorvane_options INTERFACE
    $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Werror -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion>)

if(ZORVANE_SANITIZE)
    target_compile_options(zorvane_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(zorvane_options INTERFACE -fsanitize=address,undefined)
endif()

if(ZORVANE_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "The fuzz targets need clang: -DCMAKE_CXX_COMPILER=clang++")
    endif()
    target_compile_options(zorvane_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)
    target_link_options(zorvane_options INTERFACE -fsanitize=address,undefined)
endif()
