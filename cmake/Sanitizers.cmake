# HM_SANITIZE=address builds with AddressSanitizer and UndefinedBehaviorSanitizer,
# HM_SANITIZE=thread with ThreadSanitizer. Applied to every target of the tree.
if(HM_SANITIZE STREQUAL "address")
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
elseif(HM_SANITIZE STREQUAL "thread")
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
elseif(NOT HM_SANITIZE STREQUAL "")
    message(FATAL_ERROR "HM_SANITIZE must be empty, 'address' or 'thread'")
endif()

# HM_FUZZ: the whole tree gets libFuzzer's coverage instrumentation (and ASan+UBSan), so that the
# fuzz targets are guided by the code they exercise in hm_core, not only by their own file.
if(HM_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
