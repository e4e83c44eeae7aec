#!/usr/bin/env bash
# Prints, in apt's deb822 form, a deb-src entry for each binary entry of this
# machine's configured Debian sources (same URIs, suites, components and
# keyring), so source packages come through the mirror or proxy the machine
# already uses. Only suites of this release are taken: third-party archives
# rarely publish sources, and apt would fail on them.
# Usage: deb-src-entries.sh [APT_ETC]   (default /etc/apt)
set -euo pipefail
etc="${1:-/etc/apt}"
codename="$(. /etc/os-release 2>/dev/null && echo "${VERSION_CODENAME:-}")"
[ -n "$codename" ] || codename="$(sed -n 's/^VERSION_CODENAME=//p' "$etc/../os-release" 2>/dev/null || true)"
[ -n "$codename" ] || { echo "deb-src-entries: cannot tell the Debian release" >&2; exit 1; }

files=()
[ -f "$etc/sources.list" ] && files+=("$etc/sources.list")
for f in "$etc"/sources.list.d/*.list "$etc"/sources.list.d/*.sources; do
  [ -f "$f" ] && files+=("$f")
done
[ ${#files[@]} -gt 0 ] || exit 0

awk -v codename="$codename" '
function ours(suite) { return suite == codename || index(suite, codename "-") == 1 }
function emit(uris, suites, comps, key,    n, s, i, kept) {
  n = split(suites, s, /[ \t]+/); kept = ""
  for (i = 1; i <= n; i++) if (s[i] != "" && ours(s[i])) kept = kept (kept == "" ? "" : " ") s[i]
  if (kept == "" || uris == "" || comps == "") return
  print "Types: deb-src"; print "URIs: " uris; print "Suites: " kept; print "Components: " comps
  if (key != "") print "Signed-By: " key
  print ""
}
function flush() {
  if (types ~ /(^|[ \t])deb([ \t]|$)/ && enabled != "no") emit(uris, suites, comps, key)
  types = uris = suites = comps = key = enabled = ""; last = ""
}
FNR == 1 { flush(); deb822 = FILENAME ~ /\.sources$/ }
deb822 {
  if ($0 ~ /^#/) next
  if ($0 ~ /^[ \t]*$/) { flush(); next }
  if ($0 ~ /^[ \t]/) { if (last == "signed-by") key = key "\n" $0; next }
  field = tolower(substr($0, 1, index($0, ":") - 1)); value = substr($0, index($0, ":") + 1)
  gsub(/^[ \t]+|[ \t]+$/, "", value); last = field
  if (field == "types") types = value
  else if (field == "uris") uris = value
  else if (field == "suites") suites = value
  else if (field == "components") comps = value
  else if (field == "signed-by") key = value
  else if (field == "enabled") enabled = tolower(value)
  next
}
{
  sub(/#.*/, "")
  if ($1 != "deb") next
  line = $0; k = ""
  if (match(line, /\[[^]]*\]/)) {
    opts = substr(line, RSTART + 1, RLENGTH - 2); line = substr(line, 1, RSTART - 1) substr(line, RSTART + RLENGTH)
    n = split(opts, o, /[ \t]+/)
    for (i = 1; i <= n; i++) if (tolower(o[i]) ~ /^signed-by=/) k = substr(o[i], 11)
  }
  n = split(line, w, /[ \t]+/); j = 0
  for (i = 1; i <= n; i++) if (w[i] != "") f[++j] = w[i]
  if (j < 4) next
  c = f[4]; for (i = 5; i <= j; i++) c = c " " f[i]
  emit(f[2], f[3], c, k)
}
END { flush() }
' "${files[@]}"
