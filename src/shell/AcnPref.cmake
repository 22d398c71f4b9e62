# The preferences dialog, its swatches and the rules for reading and saving the preferences.
add_library(tessarin_prefs STATIC
    ${CMAKE_CURRENT_LIST_DIR}/AcnPrefSwatch.cpp ${CMAKE_CURRENT_LIST_DIR}/AcnPrefSwatch.h
    ${CMAKE_CURRENT_LIST_DIR}/AcnPrefUnit.cpp ${CMAKE_CURRENT_LIST_DIR}/AcnPrefUnit.h
    ${CMAKE_CURRENT_LIST_DIR}/AcnPrefValues.cpp ${CMAKE_CURRENT_LIST_DIR}/AcnPrefValues.h)
target_include_directories(tessarin_prefs PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tessarin_prefs PUBLIC tessarin_colortext tessarin_storage tessarin_platform Qt6::Widgets)
