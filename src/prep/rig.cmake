target_sources(namiyose_screens PRIVATE ${CMAKE_CURRENT_LIST_DIR}/form2.cpp ${CMAKE_CURRENT_LIST_DIR}/form2.h)
