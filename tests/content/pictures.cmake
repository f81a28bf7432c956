quiz_add_test(test_pictures SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_pictures.cpp LIBS quiz_content)
