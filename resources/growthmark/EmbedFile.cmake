# Writes a C++ source that holds the bytes of INPUT as the array SYMBOL in namespace
# growthmark::resources. Run with cmake -P at build time, so the file is read when it changes.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" length)
math(EXPR size "${length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}" "// Made from ${INPUT} at build time.\n#include <cstddef>\n\nnamespace growthmark::resources {\n\nextern const unsigned char ${SYMBOL}[${size}];\nconst unsigned char ${SYMBOL}[${size}] = {\n    ${bytes}\n};\nextern const std::size_t ${SYMBOL}Size = ${size};\n\n} // namespace growthmark::resources\n")
