# Warnings are errors for our own targets; third-party headers come in as system includes.
add_library(vosk8200_warnings INTERFACE)
target_compile_options(vosk8200_warnings INTERFACE -Wall -Wextra -Werror)
