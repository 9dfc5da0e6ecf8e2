# Packs the release zip so that the same inputs give the same bytes: the files in a fixed order,
# with fixed times and modes and no extra fields, and a .sha256 file beside the zip.
# cmake -D ZIP=zip -D NAME=dir-name -D OUTPUT_DIR=dir -D "FILES=a;b;c" -P pack_release.cmake
foreach(variable ZIP NAME OUTPUT_DIR FILES)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "pack_release.cmake needs -D ${variable}=...")
  endif()
endforeach()
# Zip keeps local time in its entries: read every time as UTC.
set(RELEASE_TIME "2000-01-01 00:00:00 UTC")

set(stage ${OUTPUT_DIR}/${NAME})
set(archive ${OUTPUT_DIR}/${NAME}.zip)
file(REMOVE_RECURSE ${stage})
# An existing zip would be updated, not replaced.
file(REMOVE ${archive} ${archive}.sha256)
file(MAKE_DIRECTORY ${stage})
set(entries "")
foreach(file IN LISTS FILES)
  get_filename_component(name ${file} NAME)
  file(COPY_FILE ${file} ${stage}/${name})
  file(CHMOD ${stage}/${name} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  execute_process(COMMAND touch -d ${RELEASE_TIME} ${stage}/${name} COMMAND_ERROR_IS_FATAL ANY)
  list(APPEND entries ${NAME}/${name})
endforeach()
# -X: no uid, gid or extra times; -D: no directory entries.
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC0 ${ZIP} -X -D -q ${archive} ${entries}
                WORKING_DIRECTORY ${OUTPUT_DIR} COMMAND_ERROR_IS_FATAL ANY)
file(SHA256 ${archive} hash)
file(WRITE ${archive}.sha256 "${hash}  ${NAME}.zip\n")
