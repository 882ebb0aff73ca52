# AddressSanitizer and UndefinedBehaviorSanitizer for every target of the
# build, compile and link alike. Included from the top level before any
# target is defined, so the directory-wide options reach all of them.
# -fno-sanitize-recover=all makes the first undefined-behaviour report end the
# process, so that a test run cannot pass over it.
set(TESSIVO_SANITIZER_FLAGS
    -fsanitize=address,undefined
    -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
add_compile_options(${TESSIVO_SANITIZER_FLAGS})
add_link_options(${TESSIVO_SANITIZER_FLAGS})
