quiz_add_test(test_idle SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_idle.cpp LIBS quiz_program GUI)
