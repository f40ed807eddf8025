# Warnings are errors in our own code; third-party headers come in as system includes.
function(hm_target_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror -Wno-error=deprecated-declarations)
endfunction()
