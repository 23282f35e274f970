cmake_minimum_required(VERSION 3.25)

# Checks the direction of the includes. Called with -DCORE=a|b|... -DUI=c|d|...
# (full paths of the sources) and -DPROIBIDOS=dir|dir (the include folders of
# the Qt modules a core file may not use).
#
# Folders, from the bottom up; a file may include from its own folder or one
# below it:
#   base < data < model < calendar < reports < engine < maintenance < shell
# A core file may include neither a widget (or other GUI) header of Qt, in any
# spelling, nor one of our screens.
set(ORDEM base data model calendar reports engine maintenance shell)
string(REPLACE "|" ";" CORE "${CORE}")
string(REPLACE "|" ";" UI "${UI}")
string(REPLACE "|" ";" PROIBIDOS "${PROIBIDOS}")

set(CABECALHOS_GUI "")
foreach(dir IN LISTS PROIBIDOS)
    file(GLOB nomes RELATIVE ${dir} ${dir}/*)
    list(APPEND CABECALHOS_GUI ${nomes})
endforeach()

set(CABECALHOS_UI "")
foreach(f IN LISTS UI)
    if(f MATCHES "([a-z]+/[^/]+\\.h)$")
        list(APPEND CABECALHOS_UI ${CMAKE_MATCH_1})
    endif()
endforeach()

set(ERROS "")
foreach(f IN LISTS CORE UI)
    if(NOT f MATCHES "/([a-z]+)/[^/]+$")
        continue()
    endif()
    set(pasta ${CMAKE_MATCH_1})
    list(FIND ORDEM ${pasta} nivel)
    if(nivel LESS 0)
        list(APPEND ERROS "${f}: pasta desconhecida '${pasta}'")
        continue()
    endif()
    list(FIND CORE ${f} eCore)
    file(STRINGS ${f} linhas REGEX "^[ \t]*#[ \t]*include")
    foreach(linha IN LISTS linhas)
        if(linha MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
            set(inc ${CMAKE_MATCH_1})
            if(inc MATCHES "^([a-z]+)/[^/]+$")
                list(FIND ORDEM ${CMAKE_MATCH_1} nivelInc)
                if(nivelInc GREATER nivel)
                    list(APPEND ERROS "${f}: inclui \"${inc}\" de uma pasta acima de ${pasta}")
                endif()
                if(eCore GREATER_EQUAL 0 AND inc IN_LIST CABECALHOS_UI)
                    list(APPEND ERROS "${f}: arquivo do núcleo inclui a tela \"${inc}\"")
                endif()
            elseif(NOT inc MATCHES "\\.moc$")
                list(APPEND ERROS "${f}: \"${inc}\" não nomeia a pasta")
            endif()
        elseif(eCore GREATER_EQUAL 0 AND linha MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
            set(inc ${CMAKE_MATCH_1})
            string(REGEX REPLACE "^.*/" "" base "${inc}")
            if(inc MATCHES "^(QtWidgets|QtGui|QtPrintSupport|QtOpenGL)(/|$)" OR base IN_LIST CABECALHOS_GUI)
                list(APPEND ERROS "${f}: arquivo do núcleo inclui o cabeçalho de interface <${inc}>")
            endif()
        endif()
    endforeach()
endforeach()

if(ERROS)
    foreach(erro IN LISTS ERROS)
        message(NOTICE "${erro}")
    endforeach()
    message(FATAL_ERROR "Dependências erradas entre as pastas (veja acima).")
endif()
