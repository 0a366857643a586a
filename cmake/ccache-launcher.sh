#!/bin/sh
# Runs one compile through ccache (the build's compiler launcher).
#   ccache-launcher.sh <ccache> <source folder> <compiler> <argument>...
# Paths are taken relative to the source folder and the working folder is left out of the
# hash, so a clone in another folder finds what an earlier clone compiled.
#
# A precompiled header (about 200 MB) gets a checksum file beside it as it is made; ccache hashes
# that file in its place for every compile that includes the header. Hashing the header itself
# for each of those compiles took longer than the rest of a cache hit. The namespace keeps these
# entries apart from ones made before the checksums, which would still have the header hashed.
ccache=$1
CCACHE_BASEDIR=$2
shift 2
export CCACHE_BASEDIR CCACHE_NOHASHDIR=1 CCACHE_PCH_EXTSUM=1 CCACHE_NAMESPACE=ancient-velmora
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime

output=
previous=
for argument in "$@"; do
    [ "$previous" = -o ] && output=$argument
    previous=$argument
done
case $output in
*.gch) ;;
*) exec "$ccache" "$@" ;;
esac

# A checksum left from an earlier header would stand for this one: it goes first.
rm -f "$output.sum"
"$ccache" "$@" || exit
sum=$(sha1sum <"$output") || exit
echo "${sum%% *}" >"$output.sum.part" && mv "$output.sum.part" "$output.sum"
