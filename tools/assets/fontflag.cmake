# A fresh program folder has not installed its fonts yet. The line ends in
# CR LF like every other text file the program writes beside itself.
if(NOT FONT_LOG)
    message(FATAL_ERROR "usage: cmake -DFONT_LOG=<path> -P fontflag.cmake")
endif()
file(WRITE "${FONT_LOG}" "\"nej\"\r\n")
message(STATUS "font.log: \"nej\" in ${FONT_LOG}")
