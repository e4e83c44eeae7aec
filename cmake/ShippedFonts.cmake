# The font files that travel with the Windows programs, in a "fonts" folder
# beside each program that draws text (common/ui/shippedfonts.h); on Linux
# the same families come from Debian's font packages.
set(VOLARO_SHIPPED_FONTS
  /usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf
  /usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf
  # The artwork's titles.
  /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf)

function(volaro_ship_fonts target)
  if(WIN32)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:${target}>/fonts
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VOLARO_SHIPPED_FONTS}
        $<TARGET_FILE_DIR:${target}>/fonts
      VERBATIM)
  endif()
endfunction()
