# Warnings are errors on every compiler and preset; the sanitizer builds add
# their instrumentation to every target, tests included.
add_compile_options(-Wall -Wextra -Werror)

if(KELVO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

if(KELVO_THREAD_SANITIZER)
  add_compile_options(-fsanitize=thread)
  add_link_options(-fsanitize=thread)
endif()

if(WIN32)
  # One self-contained executable: no mingw runtime DLL travels with it.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()
