# The settings screen: its rules, its files and the screen itself.
namiyose_test(test_settingsrules SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_settingsrules.cpp)
namiyose_test(test_settingsfiles SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_settingsfiles.cpp)
namiyose_test(test_settingsscreen SCREENS SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_settingsscreen.cpp)
