# Runs a fuzz target for a fixed number of inputs from a fresh working corpus plus the seeds, and
# fails when libFuzzer reports anything. Called by CTest (see CMakeLists.txt).
foreach(variable FUZZER SEED_CORPUS WORK_DIR RUNS RSS_LIMIT_MB MALLOC_LIMIT_MB MAX_LEN)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "RunFuzzSmoke.cmake needs -D ${variable}=...")
    endif()
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/corpus)

execute_process(
    COMMAND ${FUZZER}
        -runs=${RUNS} -seed=1
        -timeout=10
        -rss_limit_mb=${RSS_LIMIT_MB} -malloc_limit_mb=${MALLOC_LIMIT_MB}
        -max_len=${MAX_LEN}
        -print_final_stats=1
        -artifact_prefix=${WORK_DIR}/
        ${WORK_DIR}/corpus ${SEED_CORPUS}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${result}); the input is in ${WORK_DIR}")
endif()
