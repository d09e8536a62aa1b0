# Installs the build into a scratch prefix and checks that a desktop finds Tovalin there: the
# program, its entry and metainfo, icons whose pixel size is the one their folder names, and a
# manual page for every program.
# Run with -DBUILD_DIR= -DPREFIX= -DAPP_ID= -DICON_SIZES= -DAPPSTREAMCLI=
# -DAPPSTREAM_OVERRIDES= -P.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(path bin/tovalin bin/tovalin-set-password bin/tovalin-check sbin/tovalin-child
             libexec/tovalin/tovalin-session-check libexec/tovalin/tovalin-watch
             libexec/tovalin/tovalin-x11-session etc/X11/Xsession.d/65tovalin_no-input-method
             share/xsessions/tovalin.desktop share/pam-configs/tovalin
             share/applications/${APP_ID}.desktop share/metainfo/${APP_ID}.metainfo.xml share/wayland-sessions/tovalin.desktop)
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
# The PAM module, in the library folder (multiarch or not).
file(GLOB module ${PREFIX}/lib*/security/pam_tovalin.so ${PREFIX}/lib/*/security/pam_tovalin.so)
if(NOT module)
    message(FATAL_ERROR "not installed: pam_tovalin.so")
endif()

# Every program has its manual page, the service too.
file(GLOB programs ${PREFIX}/bin/* ${PREFIX}/sbin/* ${PREFIX}/libexec/tovalin/tovalin-watch)
foreach(program IN LISTS programs)
    get_filename_component(name ${program} NAME)
    file(GLOB pages ${PREFIX}/share/man/man[18]/${name}.[18])
    if(NOT pages)
        message(FATAL_ERROR "${name} has no manual page")
    endif()
endforeach()

foreach(size IN LISTS ICON_SIZES)
    set(icon ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/tovalin.png)
    if(NOT EXISTS ${icon})
        message(FATAL_ERROR "not installed: ${icon}")
    endif()
    # The PNG signature, then the IHDR chunk's length and type, then its width and height.
    file(READ ${icon} header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
        message(FATAL_ERROR "${icon} is ${width}x${height}, not ${size}x${size}")
    endif()
endforeach()

# Ties the metainfo to the installed desktop entry and program.
execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${APPSTREAM_OVERRIDES} ${PREFIX} RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "appstreamcli validate-tree failed: ${result}")
endif()
