# bash completion for vexlor-decode                        -*- shell-script -*-
# Completes the options, the model years after --year and file names after
# --save, --read and --batch, for both "--opt VALUE" and "--opt=VALUE".

_vexlor_decode() {
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
    case $prev in
        --year)
            mapfile -t COMPREPLY < <(compgen -W '1967 67 1968 68 1969 69' -- "$cur")
            return
            ;;
        --save | --read | --batch)
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -f -- "$cur")
            # The file of --batch may be left out: then options follow.
            [[ $prev == --batch && $cur == -* ]] || return
            ;;
        --vin | --serial | --date | --code | --style | --plant | --body | --trim | --seat | \
            --paint | --top | --group[1-5] | --date69 | --code69)
            return # free text, as typed into the form
            ;;
    esac

    if [[ $cur == -* || -z $cur ]]; then
        local options='--year --vin --serial --date --code --style --plant --body --trim --seat
            --paint --top --group1 --group2 --group3 --group4 --group5 --date69 --code69
            --sample --read --json --save --save-default --force --open --batch --help --version'
        local -a matches
        mapfile -t matches < <(compgen -W "$options" -- "$cur")
        COMPREPLY+=("${matches[@]}")
    fi
}
complete -F _vexlor_decode vexlor-decode
