# Every control of every window is named and described for screen readers.
quiz_add_test(test_accessibility SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_accessibility.cpp LIBS quiz_program GUI)
