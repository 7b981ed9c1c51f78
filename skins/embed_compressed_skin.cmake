# Writes the zlib stream of a compressed skin file (int32 version 3, int32
# length, data) into a C++ source as the byte array k<SYMBOL>SkinCompressedBytes
# and its size k<SYMBOL>SkinCompressedSize.
#   cmake -DINPUT=file.skn -DOUTPUT=bytes.cpp -DSYMBOL=Light -P embed_compressed_skin.cmake
if(NOT SYMBOL MATCHES "^[A-Z][A-Za-z]*$")
  message(FATAL_ERROR "SYMBOL must be a capitalised word, not '${SYMBOL}'")
endif()
file(SIZE ${INPUT} file_size)
if(file_size LESS 8)
  message(FATAL_ERROR "${INPUT} is too short for a compressed skin file")
endif()
file(READ ${INPUT} header LIMIT 8 HEX)
if(NOT header MATCHES "^03000000")
  message(FATAL_ERROR "${INPUT} is not a compressed skin file of version 3")
endif()
string(REGEX REPLACE "^........(..)(..)(..)(..)$" "0x\\4\\3\\2\\1" length_hex ${header})
math(EXPR length "${length_hex}")
math(EXPR expected "${file_size} - 8")
if(NOT length EQUAL expected)
  message(FATAL_ERROR "${INPUT} announces ${length} compressed bytes but holds ${expected}")
endif()

file(READ ${INPUT} data OFFSET 8 HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," data "${data}")
string(REGEX REPLACE "((0x..,){24})" "\\1\n" data "${data}")
file(WRITE ${OUTPUT}.tmp
  "// Generated from ${INPUT} at build time.\n"
  "#include <cstddef>\n\n"
  "extern const unsigned char k${SYMBOL}SkinCompressedBytes[] = {\n${data}\n};\n"
  "extern const std::size_t k${SYMBOL}SkinCompressedSize = ${length};\n")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
