# The release zip packed twice, from copies of its files with other times, modes and places,
# must come out byte for byte the same, hold the files in their order with the release's fixed
# date (1 January 2000, 00:00 UTC) and carry its own SHA-256.
# cmake -D ZIP=zip -D NAME=... -D WORK_DIR=dir -D "FILES=a;b;c" -D PACK=pack_release.cmake -P this
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/first ${WORK_DIR}/copies ${WORK_DIR}/second/deeper ${WORK_DIR}/unpacked)

set(copies "")
set(names "")
foreach(file IN LISTS FILES)
  get_filename_component(name ${file} NAME)
  file(COPY_FILE ${file} ${WORK_DIR}/copies/${name})
  file(CHMOD ${WORK_DIR}/copies/${name} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  execute_process(COMMAND touch -d "2011-11-11 11:11:11" ${WORK_DIR}/copies/${name})
  list(APPEND copies ${WORK_DIR}/copies/${name})
  list(APPEND names ${NAME}/${name})
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} -D ZIP=${ZIP} -D NAME=${NAME} -D OUTPUT_DIR=${WORK_DIR}/first
                        "-D FILES=${FILES}" -P ${PACK} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} -D ZIP=${ZIP} -D NAME=${NAME} -D OUTPUT_DIR=${WORK_DIR}/second/deeper
                        "-D FILES=${copies}" -P ${PACK} COMMAND_ERROR_IS_FATAL ANY)
set(first ${WORK_DIR}/first/${NAME}.zip)
set(second ${WORK_DIR}/second/deeper/${NAME}.zip)

file(SHA256 ${first} firstHash)
file(SHA256 ${second} secondHash)
if(NOT firstHash STREQUAL secondHash)
  message(FATAL_ERROR "two packings differ: ${firstHash} and ${secondHash}")
endif()

file(READ ${first}.sha256 recorded)
if(NOT recorded STREQUAL "${firstHash}  ${NAME}.zip\n")
  message(FATAL_ERROR "${NAME}.zip.sha256 holds '${recorded}', the zip's SHA-256 is ${firstHash}")
endif()

# Every file dated the release's fixed day, not the day of packing; in their order.
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC0 LC_ALL=C ${CMAKE_COMMAND} -E tar tvf ${first}
                OUTPUT_VARIABLE listing COMMAND_ERROR_IS_FATAL ANY)
string(STRIP "${listing}" listing)
string(REPLACE "\n" ";" listing "${listing}")
set(listed "")
foreach(line IN LISTS listing)
  if(NOT line MATCHES " 1 Jan  2000 ([^ ]+)$")
    message(FATAL_ERROR "not dated 1 January 2000: ${line}")
  endif()
  list(APPEND listed ${CMAKE_MATCH_1})
endforeach()
if(NOT listed STREQUAL names)
  message(FATAL_ERROR "the zip lists '${listed}', expected '${names}'")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${first} WORKING_DIRECTORY ${WORK_DIR}/unpacked
                COMMAND_ERROR_IS_FATAL ANY)
foreach(file IN LISTS FILES)
  get_filename_component(name ${file} NAME)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${file} ${WORK_DIR}/unpacked/${NAME}/${name}
                  RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "${name} in the zip is not the file packed")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
