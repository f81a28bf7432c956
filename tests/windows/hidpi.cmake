# The program at twice the scale: the same layout in logical pixels, drawn with twice the detail.
quiz_add_test(test_hidpi SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_hidpi.cpp LIBS quiz_program GUI)
set_tests_properties(test_hidpi PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2")
