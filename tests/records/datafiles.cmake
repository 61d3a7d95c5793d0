namiyose_test(test_datafiles SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_datafiles.cpp)
namiyose_test(test_dayend SCREENS SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_dayend.cpp)
