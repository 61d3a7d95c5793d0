# The per-angler browser: its rules, and its pane on the past-records screen.
namiyose_test(test_browser SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_browser.cpp)
namiyose_test(test_browserpane SCREENS SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_browserpane.cpp)
namiyose_test(test_browserbuttons SCREENS SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_browserbuttons.cpp)
