# bash completion for vexlor-registry                      -*- shell-script -*-
# Completes the command, file names for the database, the files to import
# and the report's page, each command's options and the values of --year,
# --plant and --by, for both "--opt VALUE" and "--opt=VALUE".

_vexlor_registry() {
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=
    ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}

    # bash splits "--year=19" into "--year", "=" and "19".
    if [[ $cur == = ]]; then
        cur=
    elif [[ $prev == = ]] && ((COMP_CWORD > 1)); then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    fi

    COMPREPLY=()
    local values=
    case $prev in
        --year) values='1967 67 1968 68 1969 69' ;;
        --plant) values='NOR LOS VN' ;;
        --by)
            # Two of the dimensions, such as paint,year: the second not the first again.
            local first= dimension
            [[ $cur == *,* ]] && first=${cur%%,*},
            for dimension in $(compgen -W 'year plant style paint trim month' -- "${cur#"$first"}"); do
                [[ $first == "$dimension," ]] || COMPREPLY+=("$first$dimension")
            done
            return
            ;;
        --html)
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -f -- "$cur")
            return
            ;;
        --style | --paint | --built | --wait) return ;; # free text or a number
    esac
    if [[ -n $values ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$values" -- "$cur")
        return
    fi

    # The plain words before the one completed: the command, the database, its arguments.
    local -a plain=()
    local i word
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        case $word in
            --year | --plant | --style | --paint | --by | --built | --html | --wait) ((i++)) ;;
            = | --*) ;;
            *) [[ ${COMP_WORDS[i - 1]} == = ]] || plain+=("$word") ;;
        esac
    done
    local command=${plain[0]-}

    local options='--help --version'
    case $command in
        import) options+=' --wait' ;;
        list) options+=' --year --plant --style --paint --json' ;;
        search) options+=' --built --json' ;;
        stats) options+=' --by --json --csv' ;;
        report) options+=' --html' ;;
        export) options+=' --csv --csv-raw --jsonl' ;;
    esac
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
        return
    fi

    if ((${#plain[@]} == 0)); then
        mapfile -t COMPREPLY < <(compgen -W 'import list search show conflicts stats report export check' -- "$cur")
    elif ((${#plain[@]} == 1)) || [[ $command == import ]]; then
        # The database, or a file or folder to import.
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
    elif [[ -z $cur && $command != show ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
    fi
}
complete -F _vexlor_registry vexlor-registry
