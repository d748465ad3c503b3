# Writes OUTPUT, a C++ file that holds the bytes of INPUT as `embedded::STEM_data`.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" len)
math(EXPR size "${len} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}" "// Generated from ${INPUT}; do not edit.\n#include <cstddef>\nnamespace embedded {\nextern const unsigned char ${STEM}_data[];\nextern const std::size_t ${STEM}_size;\nconst unsigned char ${STEM}_data[] = {\n${bytes}\n};\nconst std::size_t ${STEM}_size = ${size};\n}\n")
