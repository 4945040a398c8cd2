#!/usr/bin/env bash
# The host-name check that guards KORVESSA_ORDER_HOST at configure time: each row a host and
# whether it must be accepted.
set -uo pipefail
cmake="$1" check="$2"
long_label=$(printf 'a%.0s' {1..64})
max_label=$(printf 'a%.0s' {1..63})
long_host="$max_label.$max_label.$max_label.$(printf 'a%.0s' {1..62})"  # 254 characters
cases=(
    "accept www.korvessa.com"
    "accept localhost"
    "accept shop-1.example.org"
    "accept $max_label.com"
    "accept ${long_host%?}"
    "reject $long_host"
    "reject $long_label.com"
    "reject www.korvessa.com:8080"
    "reject user@www.korvessa.com"
    "reject www.korvessa.com/path"
    "reject www.korvessa.com?q=1"
    "reject www.korvessa.com#top"
    "reject http://www.korvessa.com"
    "reject -shop.example.org"
    "reject shop-.example.org"
    "reject shop..example.org"
    "reject .example.org"
    "reject example.org."
    "reject shop_1.example.org"
    "reject ''"
)
failed=0
for row in "${cases[@]}"; do
    expected=${row%% *} host=${row#* }
    [[ "$host" == "''" ]] && host=""
    if "$cmake" -DHOST="$host" -P "$check" >/dev/null 2>&1; then actual=accept; else actual=reject; fi
    if [[ "$actual" != "$expected" ]]; then
        echo "host '$host': expected $expected, got $actual"
        failed=1
    fi
done
(( failed == 0 )) && echo "order host check: all ${#cases[@]} rows as expected"
exit "$failed"
