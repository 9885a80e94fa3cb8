#!/usr/bin/env bash
# Fills the folder that the run command starts Quillmark from, keeping what
# the user changed there: the program, its help module and its help file are
# replaced by the built ones on every call; the catalogues are copied in only
# where the folder has none yet. Nothing else in the folder is touched.
#   scripts/prepare_program_folder.sh <program folder> <built files dir> <catalogues dir>
set -euo pipefail

if [ $# -ne 3 ]; then
    echo "usage: $0 <program folder> <built files dir> <catalogues dir>" >&2
    exit 2
fi
folder=$1
built=$2
catalogues=$3

mkdir -p "$folder"
for name in Quillmark HHCTRL.OCX Manuvel.chm; do
    # Copied beside and renamed over the old file: a program still running
    # from the folder keeps the files it has open, and the copy does not
    # fail on a busy executable.
    cp "$built/$name" "$folder/.$name.new"
    mv -f "$folder/.$name.new" "$folder/$name"
done
for name in Engines.dat CEngines.dat; do
    if [ ! -e "$folder/$name" ]; then
        cp "$catalogues/$name" "$folder/$name"
    fi
done
