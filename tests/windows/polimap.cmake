quiz_add_test(test_polimap SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_polimap.cpp LIBS quiz_program GUI)
