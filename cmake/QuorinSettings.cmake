# One target that carries the language level, warnings and opt-in sanitizers; every Quorin target links it.
add_library(quorin_settings INTERFACE)
target_compile_features(quorin_settings INTERFACE cxx_std_20)
target_compile_options(quorin_settings INTERFACE -Wall -Wextra -Wshadow)
target_compile_definitions(quorin_settings INTERFACE
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_DISABLE_DEPRECATED_BEFORE=0x060000)

if(QUORIN_WERROR)
  target_compile_options(quorin_settings INTERFACE -Werror)
endif()

if(QUORIN_SANITIZE)
  set(_quorin_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_compile_options(quorin_settings INTERFACE ${_quorin_sanitizers})
  target_link_options(quorin_settings INTERFACE ${_quorin_sanitizers})
endif()
