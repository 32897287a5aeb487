# Project code builds warning-free; third-party headers come in as system headers.
# Warnings stop the build only with DTU_WERROR=ON (developers and CI): a user's or
# a packager's compiler may warn where ours does not.
option(DTU_WERROR "Treat compiler warnings as errors" OFF)

function(dtu_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wshadow -Wformat=2 -Wnon-virtual-dtor
        $<$<BOOL:${DTU_WERROR}>:-Werror>
        # GCC 12 at -O2 and above reports an overlapping copy inside std::string
        # where a one-character literal is assigned, and with _FORTIFY_SOURCE a
        # copy "past the largest object" where a literal is prepended to one;
        # neither can happen, so both stay warnings.
        "$<$<AND:$<BOOL:${DTU_WERROR}>,$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-error=restrict;-Wno-error=stringop-overflow>"
        $<$<COMPILE_LANGUAGE:CXX>:-Wold-style-cast>)
endfunction()
