# Warning flags for every target of the project, added through an interface
# target so that third-party code found with find_package is not affected.
add_library(vantor_warnings INTERFACE)
add_library(vantor::warnings ALIAS vantor_warnings)

target_compile_options(vantor_warnings INTERFACE -Wall -Wextra -Wpedantic)
if(VANTOR_WARNINGS_AS_ERRORS)
  target_compile_options(vantor_warnings INTERFACE -Werror)
endif()
