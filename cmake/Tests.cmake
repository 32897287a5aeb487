# Tests are registered case by case, so that ctest keeps every core busy while
# one long case waits on a device, and a failure names the case that failed.
include(GoogleTest)

# A test's own code is built for a quick compile, not for speed: it mostly
# waits on devices and timers, and the code it tests keeps the tree's
# optimisation. Its precompiled headers are those of its kind (GTEST, QTTEST).
function(dtu_test_flags target kind)
    target_compile_options(${target} PRIVATE "$<$<CONFIG:Release,RelWithDebInfo>:-O1;-g0>")
    dtu_precompiled(${target} ${kind})
endfunction()

# Every case of a GoogleTest executable, listed when ctest starts (the build
# runs no test), named after its executable and without its parameter's
# printed value (which may hold addresses). LABELS and ENVIRONMENT go to each.
function(dtu_gtest target)
    cmake_parse_arguments(arg "" "" "LABELS;ENVIRONMENT" ${ARGN})
    set(properties "")
    if(arg_LABELS)
        list(APPEND properties LABELS "${arg_LABELS}")
    endif()
    if(arg_ENVIRONMENT)
        list(APPEND properties ENVIRONMENT "${arg_ENVIRONMENT}")
    endif()
    dtu_test_flags(${target} GTEST)
    gtest_discover_tests(${target} TEST_PREFIX "${target}." NO_PRETTY_VALUES DISCOVERY_MODE PRE_TEST
                         DISCOVERY_TIMEOUT 60 PROPERTIES ${properties})
endfunction()

# A QTest executable whose main() runs the test classes of one shard, chosen by
# DTU_TEST_SHARD_INDEX of DTU_TEST_TOTAL_SHARDS: one test per shard.
function(dtu_qtest_shards target shards)
    math(EXPR last "${shards} - 1")
    foreach(index RANGE ${last})
        add_test(NAME ${target}.${index} COMMAND ${target})
        set_tests_properties(${target}.${index} PROPERTIES ENVIRONMENT
            "QT_QPA_PLATFORM=offscreen;DTU_TEST_SHARD_INDEX=${index};DTU_TEST_TOTAL_SHARDS=${shards}")
    endforeach()
endfunction()
