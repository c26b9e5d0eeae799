# Read by cpack for each generator. A Debian package belongs under /usr; a build configured for
# another prefix would install programs that look for their data where the package puts none.
if(CPACK_GENERATOR STREQUAL "DEB" AND NOT CPACK_PACKAGING_INSTALL_PREFIX STREQUAL "/usr")
  message(FATAL_ERROR "A Debian package must install under /usr, but this build installs under "
    "\"${CPACK_PACKAGING_INSTALL_PREFIX}\". Configure it with -DCMAKE_INSTALL_PREFIX=/usr.")
endif()
