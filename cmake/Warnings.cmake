# Warnings are errors in every target of the project.
add_library(vq318_warnings INTERFACE)
if(MSVC)
    target_compile_options(vq318_warnings INTERFACE /W4 /WX)
else()
    target_compile_options(vq318_warnings INTERFACE -Wall -Wextra -Wpedantic -Werror)
endif()
