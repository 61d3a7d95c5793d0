# The rig screen.
namiyose_test(test_rig SCREENS SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_rig.cpp)
