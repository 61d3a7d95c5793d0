# The per-angler browser of saved days: its rules (no widgets) and its pane
# on the past-records screen.
target_sources(namiyose_rules PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/browser.cpp ${CMAKE_CURRENT_LIST_DIR}/browser.h
    ${CMAKE_CURRENT_LIST_DIR}/browsertexts.h)
target_sources(namiyose_screens PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/browserpane.cpp ${CMAKE_CURRENT_LIST_DIR}/browserpane.h)
