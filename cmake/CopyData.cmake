cmake_minimum_required(VERSION 3.25)
# Copies the files of SOURCE into DESTINATION, keeping the folder structure.
# The settings files hold the operator's own choices: an existing one is never
# overwritten. The shipped clock zones belong to the shipped places, so a
# folder that already has places of its own gets none.
set(settings_files prefs.qvk tms.qvk tmszones.qvk)
set(own_places FALSE)
if(EXISTS ${DESTINATION}/tms.qvk)
  set(own_places TRUE)
endif()

file(GLOB_RECURSE files RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(file IN LISTS files)
  get_filename_component(name ${file} NAME)
  if(name IN_LIST settings_files AND EXISTS ${DESTINATION}/${file})
    continue()
  endif()
  if(name STREQUAL "tmszones.qvk" AND own_places)
    continue()
  endif()
  get_filename_component(folder ${DESTINATION}/${file} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  file(COPY_FILE ${SOURCE}/${file} ${DESTINATION}/${file} ONLY_IF_DIFFERENT)
endforeach()
