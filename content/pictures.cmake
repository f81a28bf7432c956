# The pictures: small profile maps (drawn in code), the organisations' logos (1-bit PNGs compiled
# in as resources), the program icon and the question-mark cursor (pixel art in code).
target_sources(quiz_content PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Pictures.h
    ${CMAKE_CURRENT_LIST_DIR}/SmallMaps.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Logos.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramIcon.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QuestionCursor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CheckMark.cpp)

# For a static library this form links the resource's object file into every executable that links
# quiz_content, so the logos are registered without a Q_INIT_RESOURCE call. Resource format 1 leaves
# out each file's modification time, which differs between two checkouts of the same sources and
# would make two builds of them differ.
qt_add_resources(quiz_content "logos"
    PREFIX "/logos"
    OPTIONS --format-version 1
    BASE "${CMAKE_CURRENT_LIST_DIR}/logos"
    FILES
        ${CMAKE_CURRENT_LIST_DIR}/logos/heralds.png
        ${CMAKE_CURRENT_LIST_DIR}/logos/lantern.png
        ${CMAKE_CURRENT_LIST_DIR}/logos/tarrant.png
        ${CMAKE_CURRENT_LIST_DIR}/logos/books.png
        ${CMAKE_CURRENT_LIST_DIR}/logos/grove.png)

# The generator that drew the logos; built only on request (see the comment at its top).
add_executable(make_logos EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/tools/make_logos.cpp)
target_link_libraries(make_logos PRIVATE Qt6::Gui quiz_warnings)
