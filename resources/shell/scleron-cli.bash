# bash completion for scleron-cli

_scleron_cli()
{
    local cur prev words cword
    if declare -F _init_completion >/dev/null 2>&1; then
        _init_completion || return
    else
        cur=${COMP_WORDS[COMP_CWORD]}
        prev=${COMP_WORDS[COMP_CWORD-1]}
        words=("${COMP_WORDS[@]}")
        cword=$COMP_CWORD
    fi

    local subcommands="ports scan download export watch version report archive"
    if [[ $cword -eq 1 ]]; then
        COMPREPLY=($(compgen -W "$subcommands --version --help" -- "$cur"))
        return
    fi

    local subcommand=${words[1]}
    case $prev in
        --port)
            COMPREPLY=($(compgen -W "$(seq 1 30)" -- "$cur"))
            return ;;
        --format)
            COMPREPLY=($(compgen -W "text hkp csv json" -- "$cur"))
            return ;;
        --verdict)
            COMPREPLY=($(compgen -W "ok not-ok" -- "$cur"))
            return ;;
        --csv-dialect)
            COMPREPLY=($(compgen -W "c locale" -- "$cur"))
            return ;;
        --hkp)
            COMPREPLY=($(compgen -f -X '!*.[hH][kK][pP]' -- "$cur") $(compgen -d -- "$cur"))
            return ;;
        -o)
            COMPREPLY=($(compgen -f -- "$cur"))
            return ;;
    esac

    local options files=""
    case $subcommand in
        ports | scan) options="" ;;
        download) options="--port -o" ;;
        export) options="--format --csv-dialect --statistics -o"; files="hkp" ;;
        watch) options="--port -o --csv-dialect --hkp --archive" ;;
        version) options=""; files="any" ;;
        report) options="-o"; files="hkp" ;;
        archive)
            if [[ $cword -eq 2 && $cur != -* ]]; then
                COMPREPLY=($(compgen -W "import find export" -- "$cur"))
                return
            fi
            case ${words[2]} in
                import) options=""; files="hkp" ;;
                *) options="--serial --tester --from --to --scale --material --verdict --text --format --csv-dialect -o" ;;
            esac ;;
        *) return ;;
    esac
    if [[ $cur == -* || -z $files ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
    elif [[ $files == hkp ]]; then
        COMPREPLY=($(compgen -f -X '!*.[hH][kK][pP]' -- "$cur") $(compgen -d -- "$cur"))
    else
        COMPREPLY=($(compgen -f -- "$cur"))
    fi
} &&
    complete -o filenames -F _scleron_cli scleron-cli
