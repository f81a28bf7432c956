# The reading texts: quotations, profiles, organisations, the history and the About box.
target_sources(quiz_content PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Texts.h
    ${CMAKE_CURRENT_LIST_DIR}/Wording.h
    ${CMAKE_CURRENT_LIST_DIR}/Wording.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QuotationTexts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProfileTexts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OrganisationTexts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HistoryText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AboutTexts.cpp)
