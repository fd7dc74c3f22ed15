# Writes OUT: a 16384-byte ROM image of FF bytes, the stand-in for the bundled
# firmware until firmware/ builds one.
string(ASCII 255 ff)
string(REPEAT "${ff}" 16384 rom)
file(WRITE "${OUT}" "${rom}")
