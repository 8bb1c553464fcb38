# Our own code compiles warning-free; warnings are errors.
function(sim_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Werror)
endfunction()
