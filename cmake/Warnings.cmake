# Our own code is built with -Wall -Wextra; third-party headers come in as system includes.
# HM_WERROR makes those warnings errors: on in CI and the sanitizer builds, off by default so
# that a packager's compiler or build type with new warnings still builds.
option(HM_WERROR "Treat compiler warnings in our own code as errors" OFF)
function(hm_target_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    if(HM_WERROR)
        target_compile_options(${target} PRIVATE -Werror -Wno-error=deprecated-declarations)
    endif()
endfunction()
