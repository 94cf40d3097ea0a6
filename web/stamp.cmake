# Makes the site from the staged files. The build is named by their contents; that name is
# stamped wherever the page asks for its own files ("?v=@BUILD@"), so that no cache can hand a
# page the files of two builds; and the service worker is written with every file it keeps,
# by the address the page asks for it, and the digest it must have.
#   cmake -DSTAGE=... -DSITE=... -DTEMPLATE=sw.js.in -P stamp.cmake
cmake_minimum_required(VERSION 3.25)
file(GLOB_RECURSE files RELATIVE ${STAGE} ${STAGE}/*)
list(SORT files)
set(contents "")
foreach(file ${files})
    file(SHA256 ${STAGE}/${file} digest)
    string(APPEND contents "${file} ${digest}\n")
endforeach()
file(SHA256 ${TEMPLATE} digest)
string(APPEND contents "sw.js ${digest}\n") # a new worker is a new build too
string(SHA256 build "${contents}")
string(SUBSTRING ${build} 0 16 BUILD)

file(REMOVE_RECURSE ${SITE})
set(FILES "")
foreach(file ${files})
    get_filename_component(folder ${SITE}/${file} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    if(file MATCHES "\\.(html|css|js)$")
        file(READ ${STAGE}/${file} text)
        string(REPLACE "@BUILD@" "${BUILD}" text "${text}")
        file(WRITE ${SITE}/${file} "${text}")
    else()
        file(COPY_FILE ${STAGE}/${file} ${SITE}/${file})
    endif()
    if(file STREQUAL "fonts/COPYING")
        continue() # read by people, not by the page
    endif()
    file(SHA256 ${SITE}/${file} digest)
    # The page itself, its manifest and the manifest's icons are asked for by their plain names.
    if(file STREQUAL "index.html")
        set(address "./")
    elseif(file MATCHES "^(manifest\\.webmanifest|icons/.*)$")
        set(address "${file}")
    else()
        set(address "${file}?v=${BUILD}")
    endif()
    string(APPEND FILES "  ['${address}', '${digest}'],\n")
endforeach()
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
