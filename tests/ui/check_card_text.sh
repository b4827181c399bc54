#!/usr/bin/env bash
# Reads with pdftotext, on the Linux side, the reading card that tst_exactwindow left under Wine: every line
# of the texts left beside it must be on the card. Usage: check_card_text.sh PATH (PATH.pdf, PATH.txt)
set -euo pipefail
text="$(pdftotext -enc UTF-8 "$1.pdf" -)"
while IFS= read -r line; do
    if [[ $text != *"$line"* ]]; then
        printf 'the card does not show "%s"; it shows:\n%s\n' "$line" "$text" >&2
        exit 1
    fi
done <"$1.txt"
echo "the card shows all $(wc -l <"$1.txt") lines"
