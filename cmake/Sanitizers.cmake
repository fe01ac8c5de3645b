# Applies VQ318_SANITIZE to every target that follows.
if(VQ318_SANITIZE)
    set(_vq318_sanitizers ${VQ318_SANITIZE})
    if("undefined" IN_LIST _vq318_sanitizers)
        # Not in the undefined group of GCC (nor of clang): a float converted to an integer that
        # cannot hold it (NaN among them), and a floating-point division by zero.
        list(APPEND _vq318_sanitizers float-cast-overflow float-divide-by-zero)
    endif()
    list(JOIN _vq318_sanitizers "," _vq318_sanitizers)
    add_compile_options(-fsanitize=${_vq318_sanitizers} -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=${_vq318_sanitizers})
    if("undefined" IN_LIST VQ318_SANITIZE)
        # Host objects come from another compiler (the tests' C kit among them) and carry no type
        # information that this build's dynamic type check could read.
        add_compile_options(-fno-sanitize=vptr)
    endif()
endif()
