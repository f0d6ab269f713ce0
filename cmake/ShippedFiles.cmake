# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# What a program installed in one folder (Windows, a web page) carries beside it that Debian's packages
# give the Linux program: the look-alike fonts, Qt's own catalogues, and the game's licence where the
# About box looks for it. Installed under CMAKE_INSTALL_BINDIR: fonts/, licenses/ and the catalogues'
# folder.

function(highroll_install_shipped_files)
    # --- Fonts --------------------------------------------------------------------------------------------
    # The look-alikes come after the layout's own face in each font's family list (runtime/fonts.cpp), so
    # where the face exists it is drawn. Only the weights the layout draws; each is under the SIL Open Font
    # License 1.1, whose text is in its package's copyright file. Liberation Mono is under the OFL from its
    # version 2: Debian 12 ships that release as fonts-liberation2 (its fonts-liberation is version 1,
    # under the GPL), Debian 13 as fonts-liberation itself. Each face is taken from the first package that
    # has it under the OFL.
    set(look_alikes
        "fonts-liberation2|truetype/liberation2/LiberationMono-Bold.ttf,fonts-liberation|truetype/liberation/LiberationMono-Bold.ttf"
        "fonts-bebas-neue|opentype/bebas-neue/BebasNeue-Bold.otf"
        "fonts-lato|truetype/lato/Lato-Black.ttf")
    foreach(choices IN LISTS look_alikes)
        string(REPLACE "," ";" choices "${choices}")
        set(found "")
        foreach(choice IN LISTS choices)
            string(REPLACE "|" ";" choice "${choice}")
            list(GET choice 0 package)
            list(GET choice 1 file)
            set(copyright /usr/share/doc/${package}/copyright)
            if(EXISTS /usr/share/fonts/${file} AND EXISTS ${copyright})
                file(STRINGS ${copyright} open_font_license REGEX "Open Font License" LIMIT_COUNT 1)
                if(open_font_license)
                    set(found ${package})
                    break()
                endif()
            endif()
        endforeach()
        if(NOT found)
            list(GET choices 0 first)
            string(REGEX REPLACE "\\|.*" "" first "${first}")
            message(FATAL_ERROR "${file} under the SIL Open Font License is missing: install ${first}")
        endif()
        install(FILES /usr/share/fonts/${file} DESTINATION ${CMAKE_INSTALL_BINDIR}/fonts)
        install(FILES ${copyright} DESTINATION ${CMAKE_INSTALL_BINDIR}/licenses/fonts RENAME ${found}.txt)
    endforeach()

    # --- The game's licence -------------------------------------------------------------------------------
    cmake_path(GET HIGHROLL_LICENCE_FROM_PROGRAM PARENT_PATH licence_dir)
    cmake_path(GET HIGHROLL_LICENCE_FROM_PROGRAM FILENAME licence_name)
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt
        DESTINATION ${CMAKE_INSTALL_BINDIR}/${licence_dir} RENAME ${licence_name})

    # --- Qt's own translations ----------------------------------------------------------------------------
    # For each language the game speaks, Qt's catalogue of that language (qt6-translations-l10n, files that
    # do not depend on the platform) beside the game's: the texts Qt itself shows, such as a message box's
    # buttons. The game loads it with its own (runtime/translations.cpp).
    set(HIGHROLL_QT_TRANSLATIONS_DIR /usr/share/qt6/translations CACHE PATH "Where Qt's qtbase_<language>.qm are")
    if(NOT EXISTS ${HIGHROLL_QT_TRANSLATIONS_DIR}/qtbase_de.qm)
        message(FATAL_ERROR "${HIGHROLL_QT_TRANSLATIONS_DIR} has no Qt catalogues: install qt6-translations-l10n")
    endif()
    foreach(language IN LISTS HIGHROLL_LANGUAGES)
        string(REGEX REPLACE "_.*$" "" base_language "${language}")
        set(found "")
        foreach(candidate IN ITEMS ${language} ${base_language})
            if(NOT found AND EXISTS ${HIGHROLL_QT_TRANSLATIONS_DIR}/qtbase_${candidate}.qm)
                set(found ${HIGHROLL_QT_TRANSLATIONS_DIR}/qtbase_${candidate}.qm)
            endif()
        endforeach()
        if(found)
            install(FILES ${found} DESTINATION ${HIGHROLL_TRANSLATIONS_INSTALL_DIR})
        else()
            message(STATUS "Qt has no catalogue for ${language}: its own texts stay in English there")
        endif()
    endforeach()
endfunction()
