# Applies VQ318_SANITIZE to every target that follows.
if(VQ318_SANITIZE)
    list(JOIN VQ318_SANITIZE "," _vq318_sanitizers)
    add_compile_options(-fsanitize=${_vq318_sanitizers} -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=${_vq318_sanitizers})
endif()
