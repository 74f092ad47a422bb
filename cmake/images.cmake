# The picture of the welcome screen, compiled into the program as the Qt resources
# ":/images/welcome.png" (150 x 150, the size it is shown at) and ":/images/welcome@2x.png" (for
# screens of twice the pixel density). Both are rendered from content/images/welcome.svg and
# committed:
#   rsvg-convert -w 150 -h 150 content/images/welcome.svg -o content/images/welcome.png
#   rsvg-convert -w 300 -h 300 content/images/welcome.svg -o content/images/welcome@2x.png
qt_add_resources(zorvek_ui "welcome_images"
  PREFIX "/images"
  BASE ${CMAKE_SOURCE_DIR}/content/images
  FILES ${CMAKE_SOURCE_DIR}/content/images/welcome.png
        ${CMAKE_SOURCE_DIR}/content/images/welcome@2x.png)
