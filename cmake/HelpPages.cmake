# Turns a program's --help text (and, for the completion, each command's
# "COMMAND --help" text), which the program prints from its own option
# and command tables, into a man page or a bash completion script, so both
# follow the tables without a second copy of them.
#
#   cmake -DPROGRAM=path -DNAME=qarvoip-cli -DKIND=man|completion
#         -DOUTPUT=file [-DVERSION=x.y.z] [-DSUMMARY=text] -P HelpPages.cmake
#
# The help text's shape: "Usage: NAME ..." first; plain lines are prose; a
# line "Title:" starts a section; an indented line "  TERM  text" is one
# entry of the section (the text may stand on the following, deeper
# indented lines instead).
cmake_minimum_required(VERSION 3.25)

foreach(required PROGRAM NAME KIND OUTPUT)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "HelpPages.cmake needs -D${required}=...")
  endif()
endforeach()

execute_process(COMMAND "${PROGRAM}" --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed (${status})")
endif()

# Lines as a list; semicolons and brackets would split or merge list items.
string(REPLACE ";" "\\;" help "${help}")
string(REPLACE "\n" ";" lines "${help}")

# One entry of the current section; a macro, so that it sets the parser's
# variables in place.
macro(add_entry term text)
  list(APPEND sections "${section}")
  list(REMOVE_DUPLICATES sections)
  list(APPEND entries_${section} "${term}")
  string(MAKE_C_IDENTIFIER "${section}_${term}" last_entry)
  set(text_${last_entry} "${text}")
endmacro()

set(synopsis "")
set(prose "")
set(section "Options")
set(sections "")
set(last_entry "")
foreach(line IN LISTS lines)
  if(line MATCHES "^Usage: *(.*)$")
    set(synopsis "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^([A-Z][A-Za-z ]*):$")
    set(section "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^  ([^ ].*[^ ]|[^ ])   *([^ ].*)$")
    # "  TERM    text"
    add_entry("${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}")
  elseif(line MATCHES "^      *([^ ].*)$" AND last_entry)
    # the text of the entry above, on its own deeper line
    if(text_${last_entry})
      set(text_${last_entry} "${text_${last_entry}} ${CMAKE_MATCH_1}")
    else()
      set(text_${last_entry} "${CMAKE_MATCH_1}")
    endif()
  elseif(line MATCHES "^  ([^ ].*)$")
    # "  TERM" alone: its text follows
    add_entry("${CMAKE_MATCH_1}" "")
  elseif(NOT line STREQUAL "")
    string(APPEND prose "${line}\n")
    set(last_entry "")
  endif()
endforeach()

# Escapes for roff: backslashes, leading dots and quotes, hyphens of options.
function(roff out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

if(KIND STREQUAL "man")
  string(TOUPPER "${NAME}" title)
  if(NOT DEFINED VERSION)
    set(VERSION "")
  endif()
  if(NOT DEFINED SUMMARY)
    set(SUMMARY "${NAME}")
  endif()
  roff(name_roff "${NAME}")
  set(page ".TH ${title} 1 \"\" \"${NAME} ${VERSION}\" \"User Commands\"\n")
  string(APPEND page ".SH NAME\n${name_roff} \\- ${SUMMARY}\n")
  roff(synopsis_roff "${synopsis}")
  string(APPEND page ".SH SYNOPSIS\n.B ${synopsis_roff}\n")
  if(DEFINED DESCRIPTION)
    set(prose "${DESCRIPTION}\n${prose}")
  endif()
  if(prose)
    roff(prose_roff "${prose}")
    string(REPLACE "\n" "\n.PP\n" prose_roff "${prose_roff}")
    string(REGEX REPLACE "\n.PP\n$" "\n" prose_roff "${prose_roff}")
    string(APPEND page ".SH DESCRIPTION\n${prose_roff}")
  endif()
  foreach(s IN LISTS sections)
    string(TOUPPER "${s}" heading)
    string(APPEND page ".SH ${heading}\n")
    foreach(term IN LISTS entries_${s})
      string(MAKE_C_IDENTIFIER "${s}_${term}" key)
      roff(term_roff "${term}")
      roff(text_roff "${text_${key}}")
      string(APPEND page ".TP\n.B ${term_roff}\n${text_roff}\n")
    endforeach()
  endforeach()
  if(DEFINED FILES_TEXT)
    roff(files_roff "${FILES_TEXT}")
    string(APPEND page ".SH FILES\n${files_roff}\n")
  endif()
  file(WRITE "${OUTPUT}" "${page}")
elseif(KIND STREQUAL "completion")
  set(options "")
  set(commands "")
  foreach(s IN LISTS sections)
    foreach(term IN LISTS entries_${s})
      string(REGEX REPLACE " .*" "" word "${term}")
      if(word MATCHES "^-")
        list(APPEND options "${word}")
      elseif(s STREQUAL "Commands")
        list(APPEND commands "${word}")
      endif()
    endforeach()
  endforeach()
  # Each command's own options, from the "Command options:" section of
  # "NAME COMMAND --help".
  set(command_cases "")
  foreach(command IN LISTS commands)
    execute_process(COMMAND "${PROGRAM}" ${command} --help OUTPUT_VARIABLE command_help RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      continue()
    endif()
    string(REPLACE ";" "\\;" command_help "${command_help}")
    string(REPLACE "\n" ";" command_lines "${command_help}")
    set(in_section FALSE)
    set(command_options "")
    foreach(line IN LISTS command_lines)
      if(line MATCHES "^([A-Z][A-Za-z ]*):$")
        set(in_section FALSE)
        if(CMAKE_MATCH_1 STREQUAL "Command options")
          set(in_section TRUE)
        endif()
      elseif(in_section AND line MATCHES "^  (--[a-z-]+)")
        list(APPEND command_options "${CMAKE_MATCH_1}")
      endif()
    endforeach()
    if(command_options)
      list(REMOVE_DUPLICATES command_options)
      list(JOIN command_options " " command_options)
      string(APPEND command_cases "        ${command}) command_options=\"${command_options}\" ;;\n")
    endif()
  endforeach()
  list(JOIN options " " options)
  list(JOIN commands " " commands)
  string(MAKE_C_IDENTIFIER "_${NAME}" function)
  file(WRITE "${OUTPUT}" "# bash completion for ${NAME}, made from its --help texts
${function}()
{
    local cur=\"\${COMP_WORDS[COMP_CWORD]}\" word command= command_options=
    COMPREPLY=()
    for word in \"\${COMP_WORDS[@]:1:COMP_CWORD-1}\"; do
        case \" ${commands} \" in *\" \$word \"*) command=\$word ;; esac
    done
    case \"\$command\" in
${command_cases}    esac
    if [[ \$cur == -* ]]; then
        COMPREPLY=(\$(compgen -W \"\$command_options ${options}\" -- \"\$cur\"))
    elif [[ -z \$command && -n \"${commands}\" ]]; then
        COMPREPLY=(\$(compgen -W \"${commands}\" -- \"\$cur\"))
    fi
}
complete -o default -F ${function} ${NAME}
")
else()
  message(FATAL_ERROR "KIND must be man or completion")
endif()
