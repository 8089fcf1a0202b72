# Copies data/*.dat into the build's data folder (the folders are copied by the caller).
file(GLOB dat_files "${SRC}/*.dat")
foreach(f IN LISTS dat_files)
  file(COPY "${f}" DESTINATION "${DST}")
endforeach()
