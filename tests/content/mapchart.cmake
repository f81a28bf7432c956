quiz_add_test(test_mapchart SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_mapchart.cpp LIBS quiz_content)
