# Checks the dependency direction app -> vantor -> platform:
# - nothing in app/ or vantor/ includes an operating-system header;
# - vantor/ never includes app/, and platform/ includes neither app/ nor vantor/.
set(os_headers windows.h winsock2.h ws2tcpip.h sys/socket.h sys/types.h netdb.h
               netinet/in.h arpa/inet.h iconv.h unistd.h fcntl.h poll.h langinfo.h)

set(failures "")

function(check_folder folder)
  set(forbidden ${ARGN})
  file(GLOB_RECURSE files "${SOURCE_DIR}/${folder}/*.hpp" "${SOURCE_DIR}/${folder}/*.cpp")
  foreach(file IN LISTS files)
    file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
      foreach(pattern IN LISTS forbidden)
        string(FIND "${line}" "${pattern}" found)
        if(NOT found EQUAL -1)
          file(RELATIVE_PATH relative "${SOURCE_DIR}" "${file}")
          list(APPEND failures "${relative}: ${line}")
        endif()
      endforeach()
    endforeach()
  endforeach()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

set(os_patterns "")
foreach(header IN LISTS os_headers)
  list(APPEND os_patterns "<${header}>")
endforeach()

check_folder(app ${os_patterns})
check_folder(vantor ${os_patterns} "\"app/")
check_folder(platform "\"app/" "\"vantor/")

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "include rules broken:\n  ${text}")
endif()
message(STATUS "include rules kept")
