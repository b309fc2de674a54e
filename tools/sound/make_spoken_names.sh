#!/usr/bin/env bash
# Writes the spoken note names of every naming and spelling beside the letters' 2.wav .. 8.wav:
# names/<naming>/<letter>[-sharp|-flat].wav, for naming letters (the sharps and flats only),
# solfege, german and numbers. The Chinese interface's set is said by espeak-ng's Mandarin voice,
# the English one's by its American English voice; German names are said in German in both.
# Cut and levelled as spoken.sh says.
#
#   tools/sound/make_spoken_names.sh [ASSETS_DIR]     writes ASSETS_DIR/names and ASSETS_DIR/en/names
set -euo pipefail
cd "$(dirname "$0")/../.."
assets=${1:-assets}

. tools/sound/spoken.sh

files=(c d e f g a b)
german=(C D E F G A H)
german_sharp=(Cis Dis Eis Fis Gis Ais His)
german_flat=(Ces Des Es Fes Ges As B)

# One language's set: LANGUAGE_DIR VOICE SHARP FLAT SHARP_AFTER LETTERS... SOLFEGE... NUMBERS...
# With SHARP_AFTER "yes" the sign is said after the name ("C sharp"), else before it ("sheng1 C").
make_set() {
  local dir=$1 voice=$2 sharp=$3 flat=$4 after=$5
  shift 5
  local letters=("${@:1:7}") solfege=("${@:8:7}") numbers=("${@:15:7}")
  local naming i name
  for naming in letters solfege numbers; do
    for i in 0 1 2 3 4 5 6; do
      case $naming in
        letters) name=${letters[i]} ;;
        solfege) name=${solfege[i]} ;;
        numbers) name=${numbers[i]} ;;
      esac
      # The natural letters are the game's own 2.wav .. 8.wav.
      [ "$naming" = letters ] || say "$voice" "$name" "$dir/names/$naming/${files[i]}.wav"
      if [ "$after" = yes ]; then
        say "$voice" "$name $sharp" "$dir/names/$naming/${files[i]}-sharp.wav"
        say "$voice" "$name $flat" "$dir/names/$naming/${files[i]}-flat.wav"
      else
        say "$voice" "$sharp$name" "$dir/names/$naming/${files[i]}-sharp.wav"
        say "$voice" "$flat$name" "$dir/names/$naming/${files[i]}-flat.wav"
      fi
    done
  done
  for i in 0 1 2 3 4 5 6; do
    say de "${german[i]}" "$dir/names/german/${files[i]}.wav"
    say de "${german_sharp[i]}" "$dir/names/german/${files[i]}-sharp.wav"
    say de "${german_flat[i]}" "$dir/names/german/${files[i]}-flat.wav"
  done
  echo "$dir/names: $(find "$dir/names" -name '*.wav' | wc -l) recordings"
}

# Mandarin from pinyin: espeak-ng's Chinese dictionary reads a lone character as its syllable
# and tone number in English.
make_set "$assets" cmn-latn-pinyin "sheng1 " "jiang4 " no C D E F G A B \
  duo1 lai2 mi1 fa1 suo1 la1 xi1 yi1 er4 san1 si4 wu3 liu4 qi1
make_set "$assets/en" en-us sharp flat yes C D E F G A B do re mi fa sol la si \
  one two three four five six seven
