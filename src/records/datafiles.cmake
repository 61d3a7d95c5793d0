# The data files (rules, no widgets), the day's end and the today's catch
# screen.
target_sources(namiyose_rules PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/numberformat.cpp ${CMAKE_CURRENT_LIST_DIR}/numberformat.h
    ${CMAKE_CURRENT_LIST_DIR}/recordline.cpp ${CMAKE_CURRENT_LIST_DIR}/recordline.h
    ${CMAKE_CURRENT_LIST_DIR}/datafiles.cpp ${CMAKE_CURRENT_LIST_DIR}/datafiles.h
    ${CMAKE_CURRENT_LIST_DIR}/daysave.cpp ${CMAKE_CURRENT_LIST_DIR}/daysave.h
    ${CMAKE_CURRENT_LIST_DIR}/sharedfolder.cpp ${CMAKE_CURRENT_LIST_DIR}/sharedfolder.h)
target_sources(namiyose_screens PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/form5.cpp ${CMAKE_CURRENT_LIST_DIR}/form5.h
    ${CMAKE_CURRENT_LIST_DIR}/dayend.cpp ${CMAKE_CURRENT_LIST_DIR}/dayend.h
    ${CMAKE_CURRENT_LIST_DIR}/catchtexts.h)
