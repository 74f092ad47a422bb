# Pictures of the shell's farewell screen, compiled into the screens' library as Qt resources
# (":/farewell/<file>"). The PNGs are rendered from the SVG drawings beside them:
#   rsvg-convert -w 128 -h 128 content/images/farewell_adult.svg -o content/images/farewell_adult.png
qt_add_resources(zorvek_ui "farewell_images"
  PREFIX "/farewell"
  BASE ${CMAKE_SOURCE_DIR}/content/images
  FILES
    ${CMAKE_SOURCE_DIR}/content/images/farewell_adult.png
    ${CMAKE_SOURCE_DIR}/content/images/farewell_child.png)
