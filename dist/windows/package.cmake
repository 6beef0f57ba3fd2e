# The Windows program as shipped: the executable with the Qt DLLs, the Qt
# plugins it loads and the compiler's runtime DLLs beside it, so that it runs
# from wherever it is unpacked; packed as a ZIP and as an NSIS installer.
# Included from dist/CMakeLists.txt before CPack.

foreach(lib Core Gui Widgets)
  install(FILES $<TARGET_FILE:Qt6::${lib}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QJpegPlugin> DESTINATION imageformats)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)

# Qt's own translations (buttons, context menus) for the program's
# languages that Qt has one for, taken from the build machine's Qt; the
# program looks for them in "translations" beside it.
foreach(ts ${GEMVARA_TS_FILES})
  string(REGEX REPLACE ".*gemvara_(.*)\\.ts$" "\\1" language "${ts}")
  find_file(GEMVARA_QTBASE_${language} qtbase_${language}.qm
    PATHS ${QT_HOST_PATH}/share/qt6/translations NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(GEMVARA_QTBASE_${language})
    install(FILES ${GEMVARA_QTBASE_${language}} DESTINATION translations)
  endif()
endforeach()

# The compiler's own runtime, which both Qt and the program link to.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
  endif()
  list(APPEND GEMVARA_MINGW_RUNTIME ${path})
endforeach()
set(GEMVARA_MINGW_RUNTIME ${GEMVARA_MINGW_RUNTIME} CACHE INTERNAL "The compiler's runtime DLLs")
install(FILES ${GEMVARA_MINGW_RUNTIME} DESTINATION .)

# Packing strips the targets only; the DLLs carry their debugging
# information (libstdc++ alone would be 23 MB), so they are stripped too.
set(stripped Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll
    imageformats/qjpeg.dll styles/qwindowsvistastyle.dll
    libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(dll ${stripped})
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
                              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${dll}\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()")

set(CPACK_GENERATOR ZIP NSIS64)
unset(CPACK_PACKAGING_INSTALL_PREFIX)
set(CPACK_PACKAGE_FILE_NAME gemvara-free-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Gemvara)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Gemvara)
set(CPACK_PACKAGE_EXECUTABLES GemvaraFree Gemvara)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_PACKAGE_NAME Gemvara)
set(CPACK_NSIS_DISPLAY_NAME Gemvara)
set(CPACK_NSIS_INSTALLED_ICON_NAME GemvaraFree.exe)
set(CPACK_NSIS_MUI_ICON ${GEMVARA_ICO})
set(CPACK_NSIS_MUI_UNIICON ${GEMVARA_ICO})
set(CPACK_NSIS_URL_INFO_ABOUT "${GEMVARA_PRODUCT_SITE}/")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The installer keeps its Start-menu folder under the vendor's key; the
# vendor's key goes too once it is empty (this hook runs after the
# uninstaller has removed its own key).
set(CPACK_NSIS_DELETE_ICONS_EXTRA "DeleteRegKey /ifempty SHCTX 'Software\\\\Orvanta'")
# A 64-bit installer for the 64-bit program (makensis makes 32-bit ones
# unless told), with version information as Explorer shows it.
set(CPACK_NSIS_DEFINES "
  Target amd64-unicode
  VIProductVersion ${PROJECT_VERSION}.0
  VIFileVersion ${PROJECT_VERSION}.0
  VIAddVersionKey /LANG=1033 ProductName Gemvara
  VIAddVersionKey /LANG=1033 CompanyName Orvanta
  VIAddVersionKey /LANG=1033 FileDescription 'Gemvara setup'
  VIAddVersionKey /LANG=1033 ProductVersion ${PROJECT_VERSION}
  VIAddVersionKey /LANG=1033 FileVersion ${PROJECT_VERSION}
  VIAddVersionKey /LANG=1033 LegalCopyright Orvanta")
