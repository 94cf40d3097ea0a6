# Writes the service worker from its template: the files it keeps, and a cache name made
# from their contents.
string(REPLACE "," ";" FILES "${FILES}")
set(digests "")
set(list "")
foreach(file ${FILES})
    file(SHA256 ${SITE}/${file} digest)
    string(APPEND digests ${digest})
    string(APPEND list "  '${file}',\n")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING ${version} 0 16 VERSION)
set(FILES "${list}")
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
