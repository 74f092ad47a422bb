# The pictures of the screens, compiled into the program as the Qt resource ":/images/NAME.png".
# Each picture is drawn as an SVG in content/images/ and committed with the PNG rendered from it.
file(GLOB ZORVEK_IMAGES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/content/images/*.png)
if(ZORVEK_IMAGES)
  qt_add_resources(zorvek_ui "zorvek_images"
    PREFIX "/images"
    BASE ${CMAKE_SOURCE_DIR}/content/images
    FILES ${ZORVEK_IMAGES})
endif()
