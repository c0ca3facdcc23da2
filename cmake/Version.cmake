# The version lives in project(); the release date in the newest entry of the
# changelog, which must name the same version. The program, its AppStream
# data and the package all take them from here.
set(VANTOR_CHANGELOG ${PROJECT_SOURCE_DIR}/cmake/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VANTOR_CHANGELOG})
file(READ ${VANTOR_CHANGELOG} vantor_changelog)
if(NOT vantor_changelog MATCHES "^vantor \\(([^)]+)\\) ")
  message(FATAL_ERROR "${VANTOR_CHANGELOG}: the first line names no version")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "${VANTOR_CHANGELOG}: the newest entry is ${CMAKE_MATCH_1}, "
                      "the project ${PROJECT_VERSION}: add an entry for ${PROJECT_VERSION}")
endif()
if(NOT vantor_changelog MATCHES
   "\n -- [^\n]*>  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "${VANTOR_CHANGELOG}: the newest entry has no date (Mon, 07 Dec 2026 ...)")
endif()
set(vantor_day ${CMAKE_MATCH_1})
set(vantor_year ${CMAKE_MATCH_3})
set(vantor_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND vantor_months ${CMAKE_MATCH_2} vantor_month)
if(vantor_month LESS 0)
  message(FATAL_ERROR "${VANTOR_CHANGELOG}: unknown month ${CMAKE_MATCH_2}")
endif()
math(EXPR vantor_month "${vantor_month} + 1" OUTPUT_FORMAT DECIMAL)
if(vantor_month LESS 10)
  set(vantor_month 0${vantor_month})
endif()
set(VANTOR_RELEASE_DATE ${vantor_year}-${vantor_month}-${vantor_day})

# The X11 window class Qt gives the window: the application name with a
# capital first letter. The desktop entry's StartupWMClass names it.
set(VANTOR_WM_CLASS ${PROJECT_NAME})

configure_file(${PROJECT_SOURCE_DIR}/cmake/Version.h.in
               ${CMAKE_BINARY_DIR}/generated/app/Version.h @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/desktop-entry.in
               ${CMAKE_BINARY_DIR}/generated/data/${VANTOR_APP_ID}.desktop @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/metainfo.xml.in
               ${CMAKE_BINARY_DIR}/generated/data/${VANTOR_APP_ID}.metainfo.xml @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/copyright.in
               ${CMAKE_BINARY_DIR}/generated/doc/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/cmake/vantor.1.in
               ${CMAKE_BINARY_DIR}/generated/man/vantor.1 @ONLY)
# Compressed without a name or time stamp, so every build gives the same bytes.
foreach(doc doc/changelog man/vantor.1)
  if(doc STREQUAL "doc/changelog")
    set(vantor_doc_source ${VANTOR_CHANGELOG})
  else()
    set(vantor_doc_source ${CMAKE_BINARY_DIR}/generated/${doc})
  endif()
  execute_process(COMMAND gzip -9nc ${vantor_doc_source}
                  OUTPUT_FILE ${CMAKE_BINARY_DIR}/generated/${doc}.gz
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
