# Where the pictures come from: the assets folder's lists. Sets helmsway_icon_path,
# helmsway_laid_out_paths and helmsway_runtime_paths (absolute paths).
if(NOT DEFINED HELMSWAY_LAID_OUT_BITMAPS OR NOT DEFINED HELMSWAY_ICON
   OR NOT DEFINED HELMSWAY_RUNTIME_BITMAPS)
  message(FATAL_ERROR "Helmsway.exe needs the pictures listed in assets/CMakeLists.txt")
endif()

function(helmsway_asset_paths out)
  set(paths "")
  foreach(file IN LISTS ARGN)
    if(IS_ABSOLUTE ${file})
      list(APPEND paths ${file})
    else()
      list(APPEND paths ${HELMSWAY_ASSETS_DIR}/${file})
    endif()
  endforeach()
  set(${out} ${paths} PARENT_SCOPE)
endfunction()

helmsway_asset_paths(helmsway_icon_path ${HELMSWAY_ICON})
helmsway_asset_paths(helmsway_laid_out_paths ${HELMSWAY_LAID_OUT_BITMAPS})
helmsway_asset_paths(helmsway_runtime_paths ${HELMSWAY_RUNTIME_BITMAPS})
