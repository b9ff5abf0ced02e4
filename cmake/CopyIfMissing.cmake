# cmake -DSOURCE=<file> -DDESTINATION=<file> -P CopyIfMissing.cmake
# Puts a data file the programs rewrite (a project list, an INI file) beside
# them once; a copy already there holds the user's changes and stays.
if(NOT EXISTS "${DESTINATION}")
  get_filename_component(folder "${DESTINATION}" DIRECTORY)
  file(MAKE_DIRECTORY "${folder}")
  file(COPY_FILE "${SOURCE}" "${DESTINATION}")
endif()
