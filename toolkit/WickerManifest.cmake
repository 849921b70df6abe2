# wicker_add_manifest(<target> [COMMON_CONTROLS_6 ON|OFF]
#                     [DPI_AWARENESS PerMonitorV2|System|Unaware]
#                     [UTF8 ON|OFF] [SUPPORTED_OS ON|OFF])
#
# Gives a Windows program an application manifest, embedded as its resource
# of type 24 (RT_MANIFEST) and id 1, which the loader reads when the program
# starts:
#   COMMON_CONTROLS_6  the common controls of version 6 from the side-by-side
#                      store: visual styles, and the messages only they know
#                      (BCM_GETIDEALSIZE, ...). Default ON.
#   DPI_AWARENESS      how the program is told the screen's DPI:
#                      PerMonitorV2 (default) draws sharp on every monitor,
#                      System scales to the primary monitor, Unaware lets the
#                      system stretch the program's pixels.
#   UTF8               the active code page is UTF-8 (65001): text through the
#                      ANSI entry points (...A functions) is UTF-8. Default ON.
#   SUPPORTED_OS       the systems from Vista to 11 are named as tested, so
#                      that they give the program their own behaviour instead
#                      of an older system's. Default ON.
# The manifest and a resource script naming it are written into the build
# folder (<binary dir>/<target>.manifest and <target>_manifest.rc) and the
# script compiled with the resource compiler (windres). A program has one
# manifest: the function is called once per executable.
#
# This file comes with the toolkit both ways it is taken: add_subdirectory of
# the toolkit's folder and find_package(Wicker) include it.
include_guard(GLOBAL)

# The resource compiler is needed for the script; a project that names only
# CXX gets it here (enable_language must run outside a function).
if(WIN32)
    get_property(_wicker_languages GLOBAL PROPERTY ENABLED_LANGUAGES)
    if(NOT "RC" IN_LIST _wicker_languages)
        enable_language(RC)
    endif()
    unset(_wicker_languages)
endif()

function(wicker_add_manifest target)
    cmake_parse_arguments(PARSE_ARGV 1 KIT ""
        "COMMON_CONTROLS_6;DPI_AWARENESS;UTF8;SUPPORTED_OS" "")
    if(KIT_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "wicker_add_manifest(${target}): unknown arguments ${KIT_UNPARSED_ARGUMENTS}")
    endif()
    if(NOT TARGET ${target})
        message(FATAL_ERROR "wicker_add_manifest(${target}): there is no target ${target}")
    endif()
    get_target_property(type ${target} TYPE)
    if(NOT type STREQUAL "EXECUTABLE")
        message(FATAL_ERROR "wicker_add_manifest(${target}): only a program (add_executable) takes an application manifest")
    endif()
    get_target_property(done ${target} WICKER_MANIFEST)
    if(done)
        message(FATAL_ERROR "wicker_add_manifest(${target}): the program has its manifest already")
    endif()
    foreach(switch COMMON_CONTROLS_6 UTF8 SUPPORTED_OS)
        if(NOT DEFINED KIT_${switch})
            set(KIT_${switch} ON)
        endif()
    endforeach()
    if(NOT DEFINED KIT_DPI_AWARENESS)
        set(KIT_DPI_AWARENESS PerMonitorV2)
    endif()
    # The older dpiAware element is what systems before Windows 10 1607 read.
    if(KIT_DPI_AWARENESS STREQUAL "PerMonitorV2")
        set(dpi_aware "true/pm")
    elseif(KIT_DPI_AWARENESS STREQUAL "System")
        set(dpi_aware "true")
    elseif(KIT_DPI_AWARENESS STREQUAL "Unaware")
        set(dpi_aware "false")
    else()
        message(FATAL_ERROR "wicker_add_manifest(${target}): DPI_AWARENESS is PerMonitorV2, System or Unaware, not '${KIT_DPI_AWARENESS}'")
    endif()

    # An assembly name is made of letters, digits and dots.
    string(REGEX REPLACE "[^A-Za-z0-9.]" "." name "${target}")
    set(xml "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>
<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">
  <assemblyIdentity type=\"win32\" name=\"Wicker.Program.${name}\" version=\"1.0.0.0\" processorArchitecture=\"*\"/>
  <trustInfo xmlns=\"urn:schemas-microsoft-com:asm.v3\">
    <security>
      <requestedPrivileges>
        <requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>
      </requestedPrivileges>
    </security>
  </trustInfo>
")
    if(KIT_COMMON_CONTROLS_6)
        string(APPEND xml "  <dependency>
    <dependentAssembly>
      <assemblyIdentity type=\"win32\" name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"
                        processorArchitecture=\"*\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/>
    </dependentAssembly>
  </dependency>
")
    endif()
    if(KIT_SUPPORTED_OS)
        # Windows 10 and 11, 8.1, 8, 7 and Vista.
        string(APPEND xml "  <compatibility xmlns=\"urn:schemas-microsoft-com:compatibility.v1\">
    <application>
      <supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>
      <supportedOS Id=\"{1f676c76-80e1-4239-95bb-83d0f6d0da78}\"/>
      <supportedOS Id=\"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}\"/>
      <supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>
      <supportedOS Id=\"{e2011457-1546-43c5-a5fe-008deee3d3f0}\"/>
    </application>
  </compatibility>
")
    endif()
    string(APPEND xml "  <application xmlns=\"urn:schemas-microsoft-com:asm.v3\">
    <windowsSettings>
      <dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">${dpi_aware}</dpiAware>
      <dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">${KIT_DPI_AWARENESS}</dpiAwareness>
")
    if(KIT_UTF8)
        string(APPEND xml "      <activeCodePage xmlns=\"http://schemas.microsoft.com/SMI/2019/WindowsSettings\">UTF-8</activeCodePage>
")
    endif()
    string(APPEND xml "    </windowsSettings>
  </application>
</assembly>
")

    set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
    set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}_manifest.rc)
    # Written only when changed, so that an unchanged manifest builds nothing.
    file(CONFIGURE OUTPUT ${manifest} CONTENT "${xml}" @ONLY)
    file(CONFIGURE OUTPUT ${script} CONTENT
         "// The application manifest of ${target}, written by wicker_add_manifest.\n1 24 \"${manifest}\"\n" @ONLY)
    # The compiler sees the script, not the file it names: a changed manifest
    # compiles the script again.
    set_source_files_properties(${script} PROPERTIES OBJECT_DEPENDS ${manifest})
    target_sources(${target} PRIVATE ${script})
    set_target_properties(${target} PROPERTIES WICKER_MANIFEST ${manifest})
endfunction()
