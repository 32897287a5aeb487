# Project code builds warning-free; third-party headers come in as system headers.
function(dtu_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wshadow -Wformat=2 -Wnon-virtual-dtor -Werror
        $<$<COMPILE_LANGUAGE:CXX>:-Wold-style-cast>)
endfunction()
