# The political map chart, drawn by code from its geometry.
target_sources(quiz_content PRIVATE ${CMAKE_CURRENT_LIST_DIR}/MapChart.h
                                    ${CMAKE_CURRENT_LIST_DIR}/MapChart.cpp)
