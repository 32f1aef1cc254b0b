# Writes the page's worker with a digest of the files it keeps, after each build of the page.
#   cmake -DPAGE=folder -DTEMPLATE=sw.js.in -P page_worker.cmake
set(digest "")
foreach(file index.html konika.js konika.wasm)
  file(SHA256 ${PAGE}/${file} part)
  string(APPEND digest ${part})
endforeach()
string(SHA256 digest "${digest}")
string(SUBSTRING ${digest} 0 16 PAGE_DIGEST)
configure_file(${TEMPLATE} ${PAGE}/sw.js @ONLY)
