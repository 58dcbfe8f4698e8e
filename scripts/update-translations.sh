#!/usr/bin/env bash
# Brings every translation file of the program up to date with the texts the
# code uses: new texts are added unfinished, texts the code no longer uses are
# dropped, existing translations are kept. Run it after changing user texts,
# then translate what it reports as unfinished.
set -euo pipefail
cd "$(dirname "$0")/.."

codes="cs_cz da_dk de_de el_gr en_us es_es fi_fi fr_fr hu_hu it_it ja_jp ko_kr nb_no nl_nl pl_pl pt_br ro_ro ru_ru sv_se th_th tr_tr zh_cn zh_tw"
files=()
for c in $codes; do
  files+=("extract_tool/translations/OrvexExTool_${c}.ts")
done
for f in "${files[@]}"; do
  lupdate -silent -no-obsolete -locations none extract_tool -ts "$f"
done
grep -c 'type="unfinished"' "${files[@]}" | sed 's/^/unfinished: /' || true
