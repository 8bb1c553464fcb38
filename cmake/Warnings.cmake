# Our own code compiles warning-free. The test command builds with SIM_WERROR=ON, so a new
# warning fails it; a plain build (a newer compiler with new warnings) still builds.
option(SIM_WERROR "Treat compiler warnings as errors" OFF)

function(sim_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion)
    if(SIM_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
