# Warnings for every target of the project; errors where DISCLIST_WERROR is on (CI, presets).
add_compile_options(-Wall -Wextra)
if(DISCLIST_WERROR)
    add_compile_options(-Werror)
endif()
if(DISCLIST_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
