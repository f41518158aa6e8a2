if(VOSK8200_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "VOSK8200_FUZZ needs clang (configure with -DCMAKE_CXX_COMPILER=clang++)")
    endif()
    # Fuzz targets always run under the sanitizers; only they link libFuzzer's main.
    set(VOSK8200_SANITIZE ON)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(VOSK8200_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
