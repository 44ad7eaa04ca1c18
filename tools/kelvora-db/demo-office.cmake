# Prepares the demo office folder; run by the demo-office target.
file(MAKE_DIRECTORY ${OFFICE_DIR}/database ${OFFICE_DIR}/resources ${OFFICE_DIR}/images)

if(NOT EXISTS ${OFFICE_DIR}/database/data.mdb)
    execute_process(COMMAND ${KELVORA_DB} create ${OFFICE_DIR}/database/data.mdb --demo RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "kelvora-db could not create the demo database")
    endif()
endif()

file(GLOB wordlists ${WORDLIST_DIR}/*.txt)
foreach(wordlist ${wordlists})
    get_filename_component(name ${wordlist} NAME)
    if(NOT EXISTS ${OFFICE_DIR}/resources/${name})
        file(COPY ${wordlist} DESTINATION ${OFFICE_DIR}/resources)
    endif()
endforeach()

if(IMAGES_DIR AND IS_DIRECTORY ${IMAGES_DIR})
    file(GLOB images ${IMAGES_DIR}/*)
    if(images)
        file(COPY ${images} DESTINATION ${OFFICE_DIR}/images)
    endif()
endif()
