# Writes the C++ source that holds the window icon's pixels (see
# src/app/window_icon.h) from the raw renderings the build made:
#   cmake -DSIZES="16;32" -DRAW_DIR=<folder of brumalo-<size>.rgba> -DOUTPUT=<file.cpp> -P this
# Each rendering is size x size pixels of four bytes, red, green, blue, alpha,
# row by row from the top left; the source keeps them so, one row a line.

set(text "// Made by the build from assets/icon/brumalo.svg; edit the picture, not this.\n")
string(APPEND text "#include \"app/window_icon.h\"\n")
set(table "")

foreach(size ${SIZES})
  file(READ ${RAW_DIR}/brumalo-${size}.rgba hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR wantedDigits "${size} * ${size} * 4 * 2")
  if(NOT digits EQUAL wantedDigits)
    math(EXPR bytes "${digits} / 2")
    message(FATAL_ERROR "brumalo-${size}.rgba holds ${bytes} bytes, not ${size}x${size} RGBA pixels")
  endif()

  string(APPEND text "\nstatic const unsigned char rgba${size}[] = {\n")
  math(EXPR rowDigits "${size} * 4 * 2")
  math(EXPR lastRow "${size} - 1")
  foreach(row RANGE ${lastRow})
    math(EXPR start "${row} * ${rowDigits}")
    string(SUBSTRING "${hex}" ${start} ${rowDigits} rowHex)
    string(REGEX REPLACE "(..)" "0x\\1," rowBytes "${rowHex}")
    string(APPEND text "    ${rowBytes}\n")
  endforeach()
  string(APPEND text "};\n")
  string(APPEND table "    {${size}, rgba${size}},\n")
endforeach()

list(LENGTH SIZES count)
string(APPEND text "\nconst WindowIconPicture windowIconPictures[] = {\n${table}};\n")
string(APPEND text "const int windowIconPictureCount = ${count};\n")
file(WRITE ${OUTPUT} "${text}")
