# Copies each of FILES from SOURCE_DIR into DEST_DIR unless DEST_DIR already
# has a file of that name: a player's ClrList.txt beside the program is never
# overwritten by the sample.
#   cmake -DSOURCE_DIR=... -DDEST_DIR=... -DFILES="a;b" -P copy_if_absent.cmake
foreach(name IN LISTS FILES)
  if(NOT EXISTS "${DEST_DIR}/${name}")
    file(COPY "${SOURCE_DIR}/${name}" DESTINATION "${DEST_DIR}")
  endif()
endforeach()
