# Applies VQ318_SANITIZE to every target that follows.
if(VQ318_SANITIZE)
    list(JOIN VQ318_SANITIZE "," _vq318_sanitizers)
    add_compile_options(-fsanitize=${_vq318_sanitizers} -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=${_vq318_sanitizers})
    if("undefined" IN_LIST VQ318_SANITIZE)
        # Host objects come from another compiler (the tests' C kit among them) and carry no type
        # information that this build's dynamic type check could read.
        add_compile_options(-fno-sanitize=vptr)
    endif()
endif()
