# Runs lupdate on copies of the .ts files and fails where one gains, loses or changes an entry, or
# has an unfinished one. Both sides are written out again by lconvert before they are compared,
# so that the layout another Qt release's lupdate gives the same entries does not count.
# Run with -DLUPDATE= -DLCONVERT= -DARGUMENTS= -DTS_FILES= -DWORK= -P.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/updated ${WORK}/before ${WORK}/after)
set(copies)
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name ${ts} NAME)
    file(COPY_FILE ${ts} ${WORK}/updated/${name})
    list(APPEND copies ${WORK}/updated/${name})
endforeach()
execute_process(COMMAND ${LUPDATE} ${ARGUMENTS} ${copies} RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "lupdate failed: ${result}")
endif()
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name ${ts} NAME)
    execute_process(COMMAND ${LCONVERT} -i ${ts} -o ${WORK}/before/${name})
    execute_process(COMMAND ${LCONVERT} -i ${WORK}/updated/${name} -o ${WORK}/after/${name})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/before/${name}
                            ${WORK}/after/${name} RESULT_VARIABLE differs)
    file(STRINGS ${WORK}/after/${name} unfinished REGEX "type=\"unfinished\"")
    if(differs)
        message(FATAL_ERROR "${name} is not current: build the target update_translations")
    elseif(unfinished)
        message(FATAL_ERROR "${name} has unfinished entries")
    endif()
endforeach()
