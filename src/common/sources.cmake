# sources of src/common
list(APPEND PORTABLE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/gbk_text.cpp)
