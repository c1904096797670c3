# bash completion for orvexctl                                    -*- shell-script -*-
# Commands, their options, slot numbers and, for `profile get/set`, the profile's keys as
# `orvexctl profile to-json` names them.

_orvexctl_commands="info active apply lod surface monitor profile image macro doctor sim"

_orvexctl_subcommands() {
    case $1 in
        lod) echo "test save" ;;
        profile) echo "show to-json from-json get set" ;;
        macro) echo "list show" ;;
        sim) echo "image set" ;;
    esac
}

_orvexctl_options() {
    case $1 in
        info | active | lod | surface | macro | doctor) echo "--json --help" ;;
        apply) echo "--active --json --help" ;;
        monitor) echo "--count --timeout --help" ;;
        image) echo "--slot --hex --help" ;;
        profile) [[ $2 == set ]] && echo "--apply --help" || echo "--help" ;;
        "") echo "--simulate --simulate= --config-dir --verbose --help --version" ;;
        *) echo "--help" ;;
    esac
}

_orvexctl_profile_keys() {
    orvexctl profile to-json 1 2>/dev/null | sed -n 's/^  "\([A-Za-z]*\)":.*/\1/p'
}

_orvexctl() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local i word command="" sub="" args=0
    COMPREPLY=()

    # bash splits --simulate=FILE at the '='.
    if [[ $prev == = && ${COMP_WORDS[COMP_CWORD - 2]} == --simulate ]] ||
        [[ $cur == = && $prev == --simulate ]]; then
        [[ $cur == = ]] && cur=""
        COMPREPLY=($(compgen -f -- "$cur"))
        return
    fi
    case $prev in
        --config-dir | --root)
            COMPREPLY=($(compgen -d -- "$cur"))
            return
            ;;
        --active | --slot)
            COMPREPLY=($(compgen -W "1 2 3 4 5" -- "$cur"))
            return
            ;;
        --count | --timeout) return 0 ;;
    esac

    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        case $word in
            --config-dir | --active | --slot | --count | --timeout | --root) ((i++)) ;;
            = | -*) ;;
            *)
                if [[ -z $command ]]; then
                    command=$word
                elif [[ -z $sub && -n $(_orvexctl_subcommands "$command") ]]; then
                    sub=$word
                else
                    ((args++))
                fi
                ;;
        esac
    done

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(_orvexctl_options "$command" "$sub")" -- "$cur"))
        if [[ ${COMPREPLY[0]-} == *= ]]; then
            compopt -o nospace 2>/dev/null
        fi
        return 0
    fi
    if [[ -z $command ]]; then
        COMPREPLY=($(compgen -W "$_orvexctl_commands" -- "$cur"))
        return
    fi
    if [[ -z $sub && -n $(_orvexctl_subcommands "$command") ]]; then
        COMPREPLY=($(compgen -W "$(_orvexctl_subcommands "$command")" -- "$cur"))
        return
    fi

    case "$command $sub $args" in
        "active  0")
            COMPREPLY=($(compgen -W "1 2 3 4 5" -- "$cur"))
            ;;
        "profile show 0" | "profile to-json 0" | "profile get 0" | "profile set 0" | "image  0" | \
            "profile from-json 1")
            COMPREPLY=($(compgen -W "1 2 3 4 5" -- "$cur") $(compgen -f -- "$cur"))
            ;;
        "profile from-json 0")
            COMPREPLY=($(compgen -f -- "$cur"))
            ;;
        "profile get 1" | "profile set 1")
            COMPREPLY=($(compgen -W "$(_orvexctl_profile_keys)" -- "$cur"))
            ;;
        "sim image 0")
            COMPREPLY=($(compgen -W "1 2 3 4 5" -- "$cur"))
            ;;
        "sim set 0")
            COMPREPLY=($(compgen -W "firmware active quality unplugged busy" -- "$cur"))
            ;;
    esac
}

complete -F _orvexctl orvexctl
