# The help page shown on the main window's "Aide" tab: the French page, and its English translation that the
# English catalogue names, and the look they share.
qt_add_resources(kelvora_core kelvora_help PREFIX "/help" BASE ${CMAKE_CURRENT_LIST_DIR}/help
    FILES ${CMAKE_CURRENT_LIST_DIR}/help/aide.html ${CMAKE_CURRENT_LIST_DIR}/help/aide_en.html
    ${CMAKE_CURRENT_LIST_DIR}/help/aide.css)
