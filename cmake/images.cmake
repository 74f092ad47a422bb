# The picture of the welcome screen, compiled into the program as the Qt resource
# ":/images/welcome.png". It is drawn as content/images/welcome.svg and committed with the PNG
# rendered from it:
#   rsvg-convert -w 320 -h 320 content/images/welcome.svg -o content/images/welcome.png
qt_add_resources(zorvek_ui "welcome_images"
  PREFIX "/images"
  BASE ${CMAKE_SOURCE_DIR}/content/images
  FILES ${CMAKE_SOURCE_DIR}/content/images/welcome.png)
