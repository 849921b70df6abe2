# find_package(Wicker) gives the imported target Wicker::wicker: the static
# library with its include folder and the system libraries it calls, and the
# function wicker_add_manifest() (WickerManifest.cmake).
include("${CMAKE_CURRENT_LIST_DIR}/WickerTargets.cmake")
include("${CMAKE_CURRENT_LIST_DIR}/WickerManifest.cmake")
