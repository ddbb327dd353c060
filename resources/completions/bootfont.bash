# bash completion for bootfont(1), the command of BootFont Viewer                -*- shell-script -*-
# Installed as share/bash-completion/completions/bootfont, where bash-completion loads it the
# first time bootfont is completed. It needs none of bash-completion's helpers.

# Adds to COMPREPLY the folders and the files under $1 whose names end in one of the extensions
# that follow, in any letter case; every file when no extension follows, or when none ends in bin.
_bootfont_files() {
    local cur=$1 item extension found=""
    shift
    local -a items
    compopt -o filenames 2>/dev/null # quoting and a slash after folders; only in a completion
    mapfile -t items < <(compgen -f -- "$cur")
    for item in "${items[@]}"; do
        if [[ -d $item ]]; then
            COMPREPLY+=("$item")
            continue
        fi
        for extension; do
            if [[ ${item,,} == *."$extension" ]]; then
                COMPREPLY+=("$item")
                found=1
                break
            fi
        done
    done
    # A boot font may have any name: with no .bin file, any file.
    if [[ -z $found && ($# -eq 0 || $1 == bin) ]]; then
        COMPREPLY=("${items[@]}")
    fi
}

_bootfont() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()
    # --lang=0x8 is split at the = into three words.
    if [[ $cur == = ]]; then
        cur=
    elif [[ $prev == = ]] && ((COMP_CWORD >= 2)); then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    fi

    # The command is the first word that is no option; positionals counts its arguments that are
    # no option's value.
    local command="" word i positionals=0
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        case $word in -* | =) continue ;; esac
        if [[ -z $command ]]; then
            command=$word
            continue
        fi
        case ${COMP_WORDS[i - 1]} in
            -o | --output | --format | --lang | --codepage | --sbcs-range | --dbcs-range | \
                --top-pad | --bottom-pad | --page | --text | --screen | --select | --scale | --only | =) ;;
            *) ((positionals++)) ;;
        esac
    done

    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            mapfile -t COMPREPLY < <(compgen -W '-h --help --version' -- "$cur")
        else
            mapfile -t COMPREPLY < <(compgen -W 'info check export find build patch render diff' -- "$cur")
        fi
        return
    fi

    local values=""
    case $command:$prev in
        build:--lang)
            # The languages whose code page bootfont knows (src/bootfont/languages.cpp), each
            # primary language with its first region.
            values='0x804 0x1004 0x404 0xC04 0x1404 0x411 0x412 0x402 0x403 0x405 0x406 0x407
                    0x408 0x409 0x40A 0x40B 0x40C 0x40E 0x40F 0x410 0x413 0x414 0x415 0x416
                    0x419 0x41B 0x41D 0x41F 0x422 0x423 0x424' ;;
        build:--codepage) values='936 950 932 949' ;;
        export:--format) values='bdf hex' ;;
        export:-o | export:--output) _bootfont_files "$cur" bdf hex; return ;;
        render:-o | render:--output | diff:-o | diff:--output) _bootfont_files "$cur" png; return ;;
        render:--screen) _bootfont_files "$cur"; return ;; # a text file of any name
        build:-o | build:--output | patch:-o | patch:--output) _bootfont_files "$cur" bin; return ;;
        *:--sbcs-range | *:--dbcs-range | *:--top-pad | *:--bottom-pad | *:--page | *:--text | \
            *:--select | *:--scale | *:--only) return ;;
    esac
    if [[ -n $values ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$values" -- "$cur")
        return
    fi

    if [[ $cur == -* ]]; then
        local options='-h --help --version'
        case $command in
            info) options+=' --json --missing' ;;
            check) options+=' --json' ;;
            export) options+=' -o --output --format --native' ;;
            build) options+=' -o --output --lang --codepage --sbcs-range --dbcs-range --top-pad
                             --bottom-pad --strict' ;;
            patch) options+=' -o --output --only --sbcs --dbcs --sbcs-range --dbcs-range --dry-run
                             --json --strict' ;;
            render) options+=' -o --output --sbcs --page --sheet --text --screen --select --scale' ;;
            diff) options+=' --json -o --output --scale' ;;
        esac
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
    elif [[ $command == build || ($command == patch && $positionals -gt 0) ]]; then
        _bootfont_files "$cur" bdf pcf pcf.gz fon fnt ttf otf ttc hex bin
    elif [[ $command != find || $positionals -eq 0 ]]; then
        _bootfont_files "$cur" bin # find's TEXT is no file
    fi
}

complete -F _bootfont bootfont
