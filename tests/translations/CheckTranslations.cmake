# Fails when a translation is not complete and current: lupdate run over the
# sources must leave each .ts file as committed (a text wrapped for translation
# but missing from the file would come in unfinished, one no longer in the
# sources would go), and no entry may be unfinished, vanished or obsolete.
# -D SETTINGS=<the build's translations/Settings.cmake> -D WORK_DIR=<a scratch directory>
include(${SETTINGS})
file(MAKE_DIRECTORY ${WORK_DIR})
set(failed "")
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name ${ts} NAME)
  set(copy ${WORK_DIR}/${name})
  configure_file(${ts} ${copy} COPYONLY)
  execute_process(COMMAND ${LUPDATE} ${OPTIONS} ${FOLDERS} -ts ${copy}
                  WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE status OUTPUT_QUIET)
  if(NOT status EQUAL 0)
    list(APPEND failed "lupdate failed on ${name}")
  endif()
  file(READ ${ts} committed)
  file(READ ${copy} current)
  if(NOT committed STREQUAL current)
    execute_process(COMMAND diff -u ${ts} ${copy})
    list(APPEND failed "${name} is not what lupdate makes of the sources (see the difference above)")
  endif()
  if(current MATCHES "type=\"(unfinished|vanished|obsolete)\"")
    list(APPEND failed "${name} has an unfinished, vanished or obsolete entry")
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "${failed}")
endif()
