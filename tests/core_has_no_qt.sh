#!/usr/bin/env bash
# Fails if the core library reaches for Qt: a Qt header in one of its sources
# (or in any header beside them), a Qt library among its links, or a Qt
# symbol the archive needs.
# Arguments: the archive, the source root, the target's sources and links
# (CMake lists).
set -u
archive=$1 root=$2 sources=$3 links=$4
status=0

IFS=';' read -r -a files <<<"$sources"
folders=()
for file in "${files[@]}"; do
  case "$file" in /*) ;; *) file="$root/src/$file" ;; esac
  folders+=("$(dirname "$file")")
done
mapfile -t folders < <(printf '%s\n' "${folders[@]}" | sort -u)
if hits=$(grep -rnE '^\s*#\s*include\s*[<"](Q[A-Za-z]+|Qt[A-Za-z]*/)' "${folders[@]}"); then
  echo "the core includes Qt:"; echo "$hits"; status=1
fi

if echo "$links" | grep -qiE '(^|;)[^;]*qt[0-9]?[^;]*'; then
  echo "the core links Qt: $links"; status=1
fi

if symbols=$(nm -C --undefined-only "$archive" | grep -E '\bQ[A-Z][A-Za-z]+::|\bqt_[a-z]'); then
  echo "the core needs Qt symbols:"; echo "$symbols" | head -n 20; status=1
fi

[ $status -eq 0 ] && echo "the core is free of Qt (${#folders[@]} source folders checked)"
exit $status
