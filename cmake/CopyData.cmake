cmake_minimum_required(VERSION 3.25)
# Copies the files of SOURCE into DESTINATION, keeping the folder structure.
# The settings files hold the operator's own choices: an existing one is never
# overwritten.
set(settings_files prefs.qvk tms.qvk)

file(GLOB_RECURSE files RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(file IN LISTS files)
  get_filename_component(name ${file} NAME)
  if(name IN_LIST settings_files AND EXISTS ${DESTINATION}/${file})
    continue()
  endif()
  get_filename_component(folder ${DESTINATION}/${file} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  file(COPY_FILE ${SOURCE}/${file} ${DESTINATION}/${file} ONLY_IF_DIFFERENT)
endforeach()
