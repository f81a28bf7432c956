quiz_add_test(test_question SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_question.cpp LIBS quiz_program GUI)
quiz_add_test(test_about SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_about.cpp LIBS quiz_program GUI)
