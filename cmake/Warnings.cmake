# Project-wide compile settings applied through tarvo_settings.
add_library(tarvo_settings INTERFACE)
target_compile_options(tarvo_settings INTERFACE -Wall -Wextra)
target_compile_definitions(tarvo_settings INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_USE_QSTRINGBUILDER
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_FOREACH)
