# The settings screen and the rules behind it.
target_sources(namiyose_rules PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/anglerlist.cpp ${CMAKE_CURRENT_LIST_DIR}/anglerlist.h
    ${CMAKE_CURRENT_LIST_DIR}/settingsrules.cpp ${CMAKE_CURRENT_LIST_DIR}/settingsrules.h
    ${CMAKE_CURRENT_LIST_DIR}/settingstexts.h
    ${CMAKE_CURRENT_LIST_DIR}/waveinstall.cpp ${CMAKE_CURRENT_LIST_DIR}/waveinstall.h)
target_sources(namiyose_screens PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/form3.cpp ${CMAKE_CURRENT_LIST_DIR}/form3.h
    ${CMAKE_CURRENT_LIST_DIR}/settingsdetailbutton.cpp ${CMAKE_CURRENT_LIST_DIR}/settingsdetailbutton.h)
