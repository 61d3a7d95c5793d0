target_sources(namiyose_screens PRIVATE ${CMAKE_CURRENT_LIST_DIR}/form5.cpp ${CMAKE_CURRENT_LIST_DIR}/form5.h ${CMAKE_CURRENT_LIST_DIR}/dayend.cpp ${CMAKE_CURRENT_LIST_DIR}/dayend.h)
