# The rig screen and its rules.
target_sources(namiyose_rules PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/rigrules.cpp ${CMAKE_CURRENT_LIST_DIR}/rigrules.h
    ${CMAKE_CURRENT_LIST_DIR}/rigtexts.h)
target_sources(namiyose_screens PRIVATE ${CMAKE_CURRENT_LIST_DIR}/form2.cpp ${CMAKE_CURRENT_LIST_DIR}/form2.h)
