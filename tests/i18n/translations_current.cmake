# Copies the .ts files, brings the copies up to date with the texts of the code as the
# update_translations target would, and runs the translation tests on the copies.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
foreach(language fr es)
    file(COPY ${SOURCE}/translations/rse_${language}.ts DESTINATION ${WORK})
    execute_process(
        COMMAND ${LUPDATE} -silent -locations none -no-obsolete
                -tr-function-alias QT_TRANSLATE_NOOP+=RSE_TEXT ${SOURCE}/src
                -ts ${WORK}/rse_${language}.ts
        RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "lupdate failed for ${language}")
    endif()
endforeach()
set(ENV{RSE_TS_DIR} ${WORK})
execute_process(COMMAND ${TESTS} --gtest_filter=Languages/* RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the translations are not complete for the texts of the code")
endif()
