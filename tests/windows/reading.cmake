# The reading windows: topical quotes, profiles, resources and organisation details.
foreach(window quotes profiles sources)
    quiz_add_test(test_${window}
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_${window}.cpp
                ${CMAKE_CURRENT_LIST_DIR}/ReadingTestSupport.h
        LIBS quiz_program GUI)
endforeach()
