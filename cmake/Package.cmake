# What `make package` puts into the Debian package besides the programs: the
# desktop entry and its icons, the software centres' metainfo, the manual
# pages, the changelog, NEWS and the copyright file; and the package itself,
# its library dependencies worked out by dpkg-shlibdeps.

set(doc_build ${CMAKE_BINARY_DIR}/package-docs)
set(compressed_docs)
# Debian wants manual pages and changelogs compressed, without a time stamp
# inside (-n), so that two builds give the same bytes.
foreach(source res/man/dualdash.1 res/man/dashtrack.1 res/debian/changelog NEWS)
  get_filename_component(name ${source} NAME)
  add_custom_command(OUTPUT ${doc_build}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${doc_build}
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/${source} > ${doc_build}/${name}.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/${source} VERBATIM)
  list(APPEND compressed_docs ${doc_build}/${name}.gz)
endforeach()
add_custom_target(package-docs ALL DEPENDS ${compressed_docs})

install(FILES ${doc_build}/dualdash.1.gz ${doc_build}/dashtrack.1.gz DESTINATION share/man/man1)
install(FILES ${doc_build}/changelog.gz ${doc_build}/NEWS.gz ${PROJECT_SOURCE_DIR}/res/debian/copyright
        DESTINATION share/doc/dualdash)
install(FILES ${PROJECT_SOURCE_DIR}/res/dualdash.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/res/io.github.dualdash.DualDash.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/res/icons/hicolor DESTINATION share/icons)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dualdash)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "The DualDash developers <maintainers@users.noreply.c-seed-801f3603.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dash camera player with route, speed and G-sensor data")
set(CPACK_PACKAGE_DESCRIPTION
  "DualDash plays the recordings of car video recorders: the front camera in\n"
  "the large view and the rear camera in the small one, in step, with a street\n"
  "map of the route, a speedometer, a compass and a G-sensor waveform. Events\n"
  "are found and marked, a stretch can be saved as a clip with both cameras\n"
  "and the data drawn in, and the track exported as GPX, KML, CSV or GeoJSON.\n"
  "dashtrack reads, lists, exports and clips the same recordings from the\n"
  "command line.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no library reveals: Qt's platform plugins (loaded by name at start)
# and the font clips draw their text in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")
# Qt's own dialogs (files, printing) in the user's language; the window's
# texts are built into the program.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
