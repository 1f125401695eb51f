#!/bin/sh
# Renders the SVG drawings in this folder to the PNG files in the folder above.
# Usage: sh render.sh   (needs rsvg-convert)
set -e
cd "$(dirname "$0")"
out=..
one() { rsvg-convert -w "$2" -h "$3" "$1.svg" -o "$out/$4.png"; }
# single-size pictures
one logo 360 300 logo
one logo 720 600 logo@2x
one icon 256 256 icon
one icon32 32 32 icon32
one hand 32 32 hand
# glyphs, at 1x and 2x
for item in fichier:16 vorel:16 theme:16 couple:16 quitter:16 ok:16 annuler:16 \
            enregistrer:18 imprimer:18 copier:18 \
            ouvrir:20 aide:20 apropos:20 ajouter:20 supprimer:20 modifier:20 trier:20; do
  n=${item%%:*}; s=${item##*:}
  one "$n" "$s" "$s" "$n"
  one "$n" $((s * 2)) $((s * 2)) "$n@2x"
done
