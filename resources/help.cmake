# The help page shown on the main window's "Aide" tab.
qt_add_resources(kelvora_core kelvora_help PREFIX "/help" BASE ${CMAKE_CURRENT_LIST_DIR}/help
    FILES ${CMAKE_CURRENT_LIST_DIR}/help/aide.html)
